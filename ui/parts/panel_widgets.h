// What the parts' panels share: a named spin box, and the panels one above
// the other in a scroll area that asks for little room (beside the roll
// they take the width the workbench spares, and scroll when that is less
// than they need).
#pragma once

#include <QString>
#include <initializer_list>

class QSpinBox;
class QWidget;

namespace volemo {

QSpinBox* PanelSpin(const char* name, int low, int high, const QString& suffix = {});

QWidget* InScrollArea(std::initializer_list<QWidget*> panels);

}  // namespace volemo

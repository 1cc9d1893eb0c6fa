// Panels one above the other in a scroll area that asks for little room:
// beside the roll they take the width the workbench spares, and scroll
// when that is less than they need.
#pragma once

#include <initializer_list>

class QWidget;

namespace volemo {

QWidget* InScrollArea(std::initializer_list<QWidget*> panels);

}  // namespace volemo

// What the parts' panels share: a named spin box, and the panels one above
// the other in a scroll area that asks for little room (beside the roll
// they take the width the workbench spares, and scroll when that is less
// than they need).
#pragma once

#include <QString>
#include <initializer_list>
#include <optional>
#include <string>

#include "groove_settings.h"

class QCheckBox;
class QSpinBox;
class QWidget;

namespace volemo {

// A Euclidean rhythm's switch with its onsets, steps and rotation, named
// chkEuclid, spnEuclidOnsets, spnEuclidSteps, spnEuclidRotation and then
// the suffix.
struct EuclidSpins {
  QCheckBox* on = nullptr;
  QSpinBox *onsets = nullptr, *steps = nullptr, *rotation = nullptr;

  static EuclidSpins Make(const QString& label, const std::string& suffix = {});
  void Show(const std::optional<EuclidSteps>& euclid) const;
  // Never more onsets than steps, nor a rotation past them: the spread
  // needs room for its onsets.
  std::optional<EuclidSteps> Take() const;
};

QSpinBox* PanelSpin(const char* name, int low, int high, const QString& suffix = {});

QWidget* InScrollArea(std::initializer_list<QWidget*> panels);

}  // namespace volemo

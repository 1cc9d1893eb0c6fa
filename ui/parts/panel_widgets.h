// What the parts' panels share: a named spin box, a message shown beside
// the field it is about, and the panels one above the other in a scroll
// area that asks for little room (beside the roll they take the width the
// workbench spares, and scroll when that is less than they need).
#pragma once

#include <QCoreApplication>
#include <QString>
#include <initializer_list>
#include <optional>
#include <string>

#include "groove_settings.h"

class QCheckBox;
class QLabel;
class QSpinBox;
class QWidget;

namespace volemo {

// A Euclidean rhythm's switch with its onsets, steps and rotation, named
// chkEuclid, spnEuclidOnsets, spnEuclidSteps, spnEuclidRotation and then
// the suffix.
struct EuclidSpins {
  Q_DECLARE_TR_FUNCTIONS(volemo::EuclidSpins)

 public:
  QCheckBox* on = nullptr;
  QSpinBox *onsets = nullptr, *steps = nullptr, *rotation = nullptr;

  static EuclidSpins Make(const QString& label, const std::string& suffix = {});
  void Show(const std::optional<EuclidSteps>& euclid, bool taking) const;
  // Throws std::invalid_argument, saying why, for more onsets than steps.
  // The spins keep their ranges whatever the others hold: a number typed
  // digit by digit ("16" passes 1) would otherwise cut the onsets down.
  std::optional<EuclidSteps> Take() const;
};

QSpinBox* PanelSpin(const char* name, int low, int high, const QString& suffix = {});

// Puts value in the spin unless it is being typed in while its panel takes
// its own change (taking): a value the panel widened or refused ("1" on its
// way to "12") would overwrite the digits still to come.
void ShowValue(QSpinBox* spin, int value, bool taking);

// A message under a field, hidden while it has nothing to say.
QLabel* PanelMessage(const char* name);
void Say(QLabel& message, const QString& text);

QWidget* InScrollArea(std::initializer_list<QWidget*> panels);

}  // namespace volemo

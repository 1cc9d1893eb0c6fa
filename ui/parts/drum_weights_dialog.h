// The drums' weights: each instrument's chance on each sixteenth of a 4/4
// bar, in a grid of an instrument a row and a sixteenth a column, the beats
// set apart, with a button that puts back the defaults.
#pragma once

#include <QDialog>
#include <array>

#include "accompaniment.h"

class QSpinBox;

namespace volemo {

class DrumWeightsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit DrumWeightsDialog(const DrumWeights& weights, QWidget* parent = nullptr);

  DrumWeights Weights() const;

 private:
  void Show(const DrumWeights& weights);

  std::array<std::array<QSpinBox*, 16>, 4> spins_{};
};

}  // namespace volemo

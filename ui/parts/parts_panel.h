// The workbench's parts panel: the melody's line, the chord progression
// (typed, or a new one drawn from the table of common progressions), the
// chord-tone pull, and for each part whether it plays, its channel, voice,
// keys and density (the drums' weights by instrument and step in a dialog of
// their own), its own Euclidean rhythm and step probability, mute and solo,
// and a re-roll and a mutate of that part alone.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "panel_widgets.h"
#include "parts_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace volemo {

class PartsPanel : public QWidget {
  Q_OBJECT

 public:
  // changePart does the operation to the named part of the phrase alone.
  using ChangePart = std::function<void(const std::string& name, PartOperation::Kind operation)>;
  PartsPanel(PartsState& parts, ChangePart changePart, QWidget* parent = nullptr);

  // The part's name as the panel shows it.
  static QString Title(const std::string& name);

 private:
  struct PartRow {
    QCheckBox* on = nullptr;
    QSpinBox *channel = nullptr, *voice = nullptr, *low = nullptr, *high = nullptr, *density = nullptr,
             *probability = nullptr;
    EuclidSpins euclid;
    QCheckBox *mute = nullptr, *solo = nullptr;
  };
  // The widgets from the settings, and the settings from the widgets.
  void Show();
  void Take();
  void TakeProgression(const QString& text);

  PartsState& parts_;
  ChangePart changePart_;
  bool showing_ = false;
  bool taking_ = false;  // the settings change by this panel's own hand
  std::string shownProgression_;
  QSpinBox *smoothness_ = nullptr, *maxLeap_ = nullptr, *turnBack_ = nullptr, *cadence_ = nullptr, *pull_ = nullptr;
  QComboBox *contour_ = nullptr, *comping_ = nullptr;
  QLineEdit* progression_ = nullptr;
  // Why a progression typed, or a part's rhythm, was not taken.
  QLabel *progressionMessage_ = nullptr, *message_ = nullptr;
  QPushButton* drumWeights_ = nullptr;  // in bold while the weights are not the defaults
  PartRow rows_[4];  // melody, bass, chords, drums
};

}  // namespace volemo

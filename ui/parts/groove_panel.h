// The workbench's groove and form panel: swing, humanize, accents, the
// meter and its beats, a Euclidean rhythm and step probability for the
// pattern, and the form with its section length and variation.
#pragma once

#include <QWidget>
#include <string>

#include "panel_widgets.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace volemo {

class PartsState;

class GroovePanel : public QWidget {
  Q_OBJECT

 public:
  explicit GroovePanel(PartsState& parts, QWidget* parent = nullptr);

 private:
  void Show();
  // The meter's usual beats as the hint in the empty beats box.
  void ShowUsualBeats();
  void Take();
  // A text field's value through the setting's own reading: false, saying
  // why, when the setting cannot take it.
  bool TakeText(const char* name, const QString& text);

  PartsState& parts_;
  bool showing_ = false;
  bool taking_ = false;  // the settings change by this panel's own hand
  std::string shownBeats_, shownForm_;
  QSpinBox *swing_ = nullptr, *humanizeTime_ = nullptr, *humanizeVelocity_ = nullptr, *beatAccent_ = nullptr,
           *barAccent_ = nullptr, *probability_ = nullptr, *sectionBars_ = nullptr, *variation_ = nullptr;
  QComboBox *grid_ = nullptr, *meter_ = nullptr;
  EuclidSpins euclid_;
  QLineEdit *beats_ = nullptr, *form_ = nullptr;
  // Why the beats, the Euclidean rhythm or the form was not taken.
  QLabel *rhythmMessage_ = nullptr, *formMessage_ = nullptr;
};

}  // namespace volemo

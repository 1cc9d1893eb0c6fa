#include "groove_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui_benri.h"
#include "meter.h"
#include "panel_widgets.h"
#include "parts_state.h"
#include "translation.h"

namespace volemo {

GroovePanel::GroovePanel(PartsState& parts, QWidget* parent) : QWidget(parent), parts_(parts) {
  setObjectName(QStringLiteral("pnlGroove"));

  auto* groove = new QGroupBox(tr("グルーヴ"));
  auto* grooveForm = new QFormLayout(groove);
  swing_ = PanelSpin("spnSwing", 50, 75, QStringLiteral(" %"));
  grid_ = Named(new QComboBox, "cmbSwingGrid");
  grid_->addItems({tr("16分音符"), tr("8分音符")});
  humanizeTime_ = PanelSpin("spnHumanizeTime", 0, 240, tr(" ティック"));
  humanizeVelocity_ = PanelSpin("spnHumanizeVelocity", 0, 127);
  beatAccent_ = PanelSpin("spnBeatAccent", 0, 127);
  barAccent_ = PanelSpin("spnBarAccent", 0, 127);
  grooveForm->addRow(tr("スウィング"), swing_);
  grooveForm->addRow(tr("スウィングの単位"), grid_);
  grooveForm->addRow(tr("タイミングの揺れ"), humanizeTime_);
  grooveForm->addRow(tr("ベロシティの揺れ"), humanizeVelocity_);
  grooveForm->addRow(tr("拍頭のアクセント"), beatAccent_);
  grooveForm->addRow(tr("小節頭のアクセント"), barAccent_);

  auto* rhythm = new QGroupBox(tr("拍子とリズム"));
  auto* rhythmForm = new QFormLayout(rhythm);
  meter_ = Named(new QComboBox, "cmbMeter");
  meter_->addItem(tr("指定なし"));  // none: 4/4 without whole bars
  for (std::string_view m : kCommonMeters) meter_->addItem(QString::fromLatin1(m.data(), static_cast<qsizetype>(m.size())));
  beats_ = Named(new QLineEdit, "txtBeats");
  euclid_ = EuclidSpins::Make(tr("ユークリッド"));
  auto* euclidRow = new QHBoxLayout;
  for (QWidget* w : std::initializer_list<QWidget*>{euclid_.on, euclid_.onsets, new QLabel(tr("/")), euclid_.steps,
                                                    new QLabel(tr("回転")), euclid_.rotation})
    euclidRow->addWidget(w);
  probability_ = PanelSpin("spnStepProbability", 0, 100, QStringLiteral(" %"));
  rhythmMessage_ = PanelMessage("lblRhythmMessage");
  rhythmForm->addRow(tr("拍子"), meter_);
  rhythmForm->addRow(tr("拍の分け方"), beats_);
  rhythmForm->addRow(tr("パターン"), euclidRow);
  rhythmForm->addRow(rhythmMessage_);
  rhythmForm->addRow(tr("ステップの確率"), probability_);

  auto* form = new QGroupBox(tr("形式"));
  auto* formForm = new QFormLayout(form);
  form_ = Named(new QLineEdit, "txtForm");
  form_->setPlaceholderText(tr("例: AA'BA' (空欄: 4 回繰り返し)"));
  sectionBars_ = PanelSpin("spnSectionBars", 1, 64, tr(" 小節"));
  variation_ = PanelSpin("spnVariation", 0, 999, tr(" 音"));
  formMessage_ = PanelMessage("lblFormMessage");
  formForm->addRow(tr("形式"), form_);
  formForm->addRow(formMessage_);
  formForm->addRow(tr("セクションの長さ"), sectionBars_);
  formForm->addRow(tr("変奏で選び直す音"), variation_);

  auto* column = new QVBoxLayout(this);
  column->addWidget(groove);
  column->addWidget(rhythm);
  column->addWidget(form);

  for (QSpinBox* spin : {swing_, humanizeTime_, humanizeVelocity_, beatAccent_, barAccent_, euclid_.onsets, euclid_.steps,
                         euclid_.rotation, probability_, sectionBars_, variation_})
    connect(spin, &QSpinBox::valueChanged, this, [this] { Take(); });
  connect(grid_, &QComboBox::currentIndexChanged, this, [this] { Take(); });
  // Another meter's beats seldom fill this one's bar: its usual beats then.
  connect(meter_, &QComboBox::currentIndexChanged, this, [this] {
    if (!showing_) beats_->clear();
    Take();
  });
  connect(euclid_.on, &QCheckBox::toggled, this, [this] { Take(); });
  for (QLineEdit* edit : {beats_, form_}) connect(edit, &QLineEdit::editingFinished, this, [this] { Take(); });
  connect(&parts_, &PartsState::changed, this, [this] { Show(); });
  Show();
}

void GroovePanel::Show() {
  showing_ = true;
  const GrooveSettings& g = parts_.settings().groove;
  swing_->setValue(g.swing);
  grid_->setCurrentIndex(g.swingGrid == 8 ? 1 : 0);
  humanizeTime_->setValue(g.humanizeTime);
  humanizeVelocity_->setValue(g.humanizeVelocity);
  beatAccent_->setValue(g.beatAccent);
  barAccent_->setValue(g.barAccent);
  int meter = 0;
  if (g.meter) meter = meter_->findText(QStringLiteral("%1/%2").arg(g.meter->numerator).arg(g.meter->denominator));
  meter_->setCurrentIndex(std::max(meter, 0));
  ShowUsualBeats();
  // A text typed and refused stays in its box, with its message, until
  // another is taken or put back.
  std::string beats;
  for (const auto& [name, value] : PartValues(parts_.settings()))
    if (name == "beats") beats = value;
  if (beats != shownBeats_) {
    shownBeats_ = beats;
    beats_->setText(QString::fromStdString(beats));
    Say(*rhythmMessage_, {});
  }
  if (g.form != shownForm_) {
    shownForm_ = g.form;
    form_->setText(QString::fromStdString(g.form));
    Say(*formMessage_, {});
  }
  euclid_.Show(g.euclid, taking_);
  probability_->setValue(g.stepProbability);
  sectionBars_->setValue(g.sectionBars);
  variation_->setValue(g.variation);
  showing_ = false;
}

void GroovePanel::ShowUsualBeats() {
  beats_->setPlaceholderText(meter_->currentIndex() > 0
                                 ? tr("拍子の標準: %1").arg(QString::fromStdString(
                                       BeatsText(ParseMeter(meter_->currentText().toStdString()).beats)))
                                 : tr("拍子の標準 (例: 2+2+3)"));
}

bool GroovePanel::TakeText(const char* name, const QString& text) {
  const bool form = name == std::string("form");
  try {
    if (!text.trimmed().isEmpty()) SetPartValue(parts_.settings(), name, text.trimmed().toStdString());
    return true;
  } catch (const std::invalid_argument& e) {
    Say(form ? *formMessage_ : *rhythmMessage_,
        tr("%1を読めません: %2").arg(form ? tr("形式") : tr("拍の分け方"), TranslatedMessage(QString::fromUtf8(e.what()))));
    return false;
  }
}

void GroovePanel::Take() {
  if (showing_) return;
  const GrooveSettings before = parts_.settings().groove;
  GrooveSettings& g = parts_.settings().groove;
  g.swing = swing_->value();
  g.swingGrid = grid_->currentIndex() == 1 ? 8 : 16;
  g.humanizeTime = humanizeTime_->value();
  g.humanizeVelocity = humanizeVelocity_->value();
  g.beatAccent = beatAccent_->value();
  g.barAccent = barAccent_->value();
  g.meter.reset();
  if (meter_->currentIndex() > 0) g.meter = ParseMeter(meter_->currentText().toStdString());
  g.stepProbability = probability_->value();
  g.form.clear();
  g.sectionBars = sectionBars_->value();
  g.variation = variation_->value();
  Say(*rhythmMessage_, {});
  Say(*formMessage_, {});
  // What is refused keeps the value it had; the rest is taken.
  try {
    g.euclid = euclid_.Take();
  } catch (const std::invalid_argument& e) {
    Say(*rhythmMessage_, QString::fromUtf8(e.what()));
  }
  if (!TakeText("beats", beats_->text()) && g.meter && before.meter && g.meter->numerator == before.meter->numerator &&
      g.meter->denominator == before.meter->denominator)
    g.meter->beats = before.meter->beats;
  if (!TakeText("form", form_->text())) g.form = before.form;
  const QScopedValueRollback taking(taking_, true);
  parts_.SettingsChanged();
}

}  // namespace volemo

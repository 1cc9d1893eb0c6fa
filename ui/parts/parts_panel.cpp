#include "parts_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopedValueRollback>
#include <QSpinBox>
#include <QVBoxLayout>

#include "drum_weights_dialog.h"
#include "error_boundary.h"
#include "gui_benri.h"
#include "panel_widgets.h"
#include "parts_state.h"
#include "progression_table.h"
#include "translation.h"

namespace volemo {
namespace {

// The names of the widgets of each part's row end with its name.
const char* const kRowNames[] = {"Melody", "Bass", "Chords", "Drums"};

QCheckBox* Check(const std::string& name) { return Named(new QCheckBox, name.c_str()); }

PartVoicing& VoicingOf(ArrangementSettings& a, size_t row) {
  return row == 1 ? a.bassVoicing : row == 2 ? a.chordVoicing : a.drumVoicing;
}
bool& PlaysOf(ArrangementSettings& a, size_t row) { return row == 1 ? a.bass : row == 2 ? a.chords : a.drums; }

}  // namespace

QString PartsPanel::Title(const std::string& name) {
  if (name == "bass") return tr("ベース");
  if (name == "chords") return tr("和音");
  if (name == "drums") return tr("ドラム");
  return tr("旋律");
}

PartsPanel::PartsPanel(PartsState& parts, ChangePart changePart, QWidget* parent)
    : QWidget(parent), parts_(parts), changePart_(std::move(changePart)) {
  setObjectName(QStringLiteral("pnlParts"));

  auto* line = new QGroupBox(tr("旋律の線"));
  auto* lineForm = new QFormLayout(line);
  smoothness_ = PanelSpin("spnSmoothness", 0, 100);
  maxLeap_ = PanelSpin("spnMaxLeap", 0, 127, tr(" 半音"));
  maxLeap_->setSpecialValueText(tr("制限なし"));
  turnBack_ = PanelSpin("spnTurnBack", 0, 100, QStringLiteral(" %"));
  cadence_ = PanelSpin("spnCadence", 0, 100, QStringLiteral(" %"));
  contour_ = Named(new QComboBox, "cmbContour");
  contour_->addItems({tr("自由"), tr("山形"), tr("上昇"), tr("下降"), tr("波")});
  lineForm->addRow(tr("なめらかさ"), smoothness_);
  lineForm->addRow(tr("最大の跳躍"), maxLeap_);
  lineForm->addRow(tr("跳躍後に戻る"), turnBack_);
  lineForm->addRow(tr("終止"), cadence_);
  lineForm->addRow(tr("輪郭"), contour_);

  auto* harmony = new QGroupBox(tr("和音進行"));
  auto* harmonyForm = new QFormLayout(harmony);
  progression_ = Named(new QLineEdit, "txtProgression");
  progression_->setPlaceholderText(tr("例: I vi IV V、Am F C G、random"));
  auto* draw = Named(new QPushButton(tr("新しく引く")), "btnDrawProgression");
  draw->setToolTip(tr("よく使われる進行の表から新しい進行を引きます"));
  auto* progressionRow = new QHBoxLayout;
  progressionRow->addWidget(progression_, 1);
  progressionRow->addWidget(draw);
  pull_ = PanelSpin("spnChordPull", 0, 100, QStringLiteral(" %"));
  comping_ = Named(new QComboBox, "cmbComping");
  comping_->addItems({tr("全音符"), tr("二分音符"), tr("旋律のアクセント")});
  progressionMessage_ = PanelMessage("lblProgressionMessage");
  harmonyForm->addRow(tr("進行"), progressionRow);
  harmonyForm->addRow(progressionMessage_);
  harmonyForm->addRow(tr("和音の音に寄せる"), pull_);
  harmonyForm->addRow(tr("和音の刻み"), comping_);

  // A column for each part, as a mixer's strips: the panel stays narrow
  // enough to stand beside the roll.
  auto* table = new QGroupBox(tr("パート"));
  auto* grid = new QGridLayout(table);
  const QStringList heads = {tr("パート"), tr("使う"), tr("チャンネル"), tr("音色"), tr("下限"), tr("上限"),
                             tr("密度"), tr("ユークリッド（数/ステップ/回転）"), tr("ステップの確率"),
                             tr("ミュート"), tr("ソロ"), QString(), QString()};
  for (int field = 0; field < heads.size(); ++field) grid->addWidget(new QLabel(heads[field]), field, 0);
  for (size_t r = 0; r < 4; ++r) {
    const std::string suffix = kRowNames[r];
    PartRow& row = rows_[r];
    const int part = static_cast<int>(r) + 1;
    const auto put = [&](QWidget* w, int field) { grid->addWidget(w, field, part); };
    const std::string name = PartsState::Names()[r];
    put(new QLabel(Title(name)), 0);
    if (r > 0) {
      row.on = Check("chkPart" + suffix);
      row.channel = PanelSpin(("spnChannel" + suffix).c_str(), 1, 16);
      row.voice = PanelSpin(("spnVoice" + suffix).c_str(), 0, 128);
      row.voice->setSpecialValueText(tr("なし"));
      put(row.on, 1);
      put(row.channel, 2);
      put(row.voice, 3);
      if (r != 3) {
        row.low = PanelSpin(("spnLow" + suffix).c_str(), 0, 127);
        row.high = PanelSpin(("spnHigh" + suffix).c_str(), 0, 127);
        put(row.low, 4);
        put(row.high, 5);
      }
      if (r != 2) row.density = PanelSpin(("spnDensity" + suffix).c_str(), 0, 400, QStringLiteral(" %"));
      if (r == 1) put(row.density, 6);
      if (r == 3) {
        // The drums' chances by instrument and step, under their density.
        drumWeights_ = Named(new QPushButton(tr("重み…")), "btnDrumWeights");
        drumWeights_->setToolTip(tr("楽器ごと、十六分ごとに鳴る確率を決めます"));
        auto* density = new QVBoxLayout;
        density->addWidget(row.density);
        density->addWidget(drumWeights_);
        grid->addLayout(density, 6, part);
        connect(drumWeights_, &QPushButton::clicked, this, [this] {
          DrumWeightsDialog dialog(parts_.settings().arrangement.drumWeights, this);
          if (RunModal(dialog) != QDialog::Accepted) return;
          parts_.settings().arrangement.drumWeights = dialog.Weights();
          parts_.SettingsChanged();
        });
      }
      // Stacked, so the part's column stays as narrow as its spins.
      row.euclid = EuclidSpins::Make(QString(), suffix);
      auto* euclid = new QVBoxLayout;
      for (QWidget* w : std::initializer_list<QWidget*>{row.euclid.on, row.euclid.onsets, row.euclid.steps,
                                                        row.euclid.rotation})
        euclid->addWidget(w);
      grid->addLayout(euclid, 7, part);
      row.probability = PanelSpin(("spnStepProbability" + suffix).c_str(), 0, 100, QStringLiteral(" %"));
      put(row.probability, 8);
    }
    row.mute = Check("chkMute" + suffix);
    row.solo = Check("chkSolo" + suffix);
    put(row.mute, 9);
    put(row.solo, 10);
    auto* reroll = Named(new QPushButton(tr("作り直す")), ("btnReroll" + suffix).c_str());
    reroll->setToolTip(tr("このパートのロックしていない音だけを選び直します"));
    put(reroll, 11);
    auto* mutate = Named(new QPushButton(tr("変異")), ("btnMutate" + suffix).c_str());
    mutate->setToolTip(tr("このパートのロックしていない音から、変異の個数だけ選び直します"));
    put(mutate, 12);
    connect(reroll, &QPushButton::clicked, this, Handler([this, name] { changePart_(name, PartOperation::kReroll); }));
    connect(mutate, &QPushButton::clicked, this, Handler([this, name] { changePart_(name, PartOperation::kMutate); }));
    connect(row.mute, &QCheckBox::toggled, this, [this, name](bool on) { parts_.SetMuted(name, on); });
    connect(row.solo, &QCheckBox::toggled, this, [this, name](bool on) { parts_.SetSoloed(name, on); });
    for (QCheckBox* box : {row.on, row.euclid.on})
      if (box) connect(box, &QCheckBox::toggled, this, [this] { Take(); });
    for (QSpinBox* spin : {row.channel, row.voice, row.low, row.high, row.density, row.probability, row.euclid.onsets,
                           row.euclid.steps, row.euclid.rotation})
      if (spin) connect(spin, &QSpinBox::valueChanged, this, [this] { Take(); });
    for (QSpinBox* spin : {row.low, row.high})
      if (spin) connect(spin, &QSpinBox::editingFinished, this, [this] { Show(); });
  }

  message_ = PanelMessage("lblPartsMessage");
  grid->addWidget(message_, grid->rowCount(), 0, 1, grid->columnCount());

  auto* column = new QVBoxLayout(this);
  column->addWidget(line);
  column->addWidget(harmony);
  column->addWidget(table);

  for (QSpinBox* spin : {smoothness_, maxLeap_, turnBack_, cadence_, pull_})
    connect(spin, &QSpinBox::valueChanged, this, [this] { Take(); });
  for (QComboBox* box : {contour_, comping_})
    connect(box, &QComboBox::currentIndexChanged, this, [this] { Take(); });
  connect(progression_, &QLineEdit::editingFinished, this, [this] { TakeProgression(progression_->text()); });
  connect(draw, &QPushButton::clicked, this, [this] {
    const int point = static_cast<int>(QRandomGenerator::global()->bounded(music::ProgressionWeightTotal()));
    progression_->setText(QString::fromUtf8(music::ProgressionAt(point).numerals));
    TakeProgression(progression_->text());
  });
  connect(&parts_, &PartsState::changed, this, [this] { Show(); });
  Show();
}

void PartsPanel::Show() {
  showing_ = true;
  // A key range widened to an octave shows once its editing has finished.
  const auto show = [this](QSpinBox* spin, int value) { ShowValue(spin, value, taking_); };
  const ArrangementSettings& a = parts_.settings().arrangement;
  show(smoothness_, a.line.smoothness);
  show(maxLeap_, a.line.maxLeap);
  show(turnBack_, a.line.turnBack);
  show(cadence_, a.line.cadence);
  contour_->setCurrentIndex(static_cast<int>(a.line.contour));
  show(pull_, a.line.chordPull);
  comping_->setCurrentIndex(static_cast<int>(a.comping));
  // A progression typed and refused stays in its box, with its message,
  // until another is taken or put back.
  if (a.progression != shownProgression_) {
    shownProgression_ = a.progression;
    progression_->setText(QString::fromStdString(a.progression));
    Say(*progressionMessage_, {});
  }
  if (!taking_) Say(*message_, {});
  QFont weightsFont = drumWeights_->font();
  weightsFont.setBold(a.drumWeights != kDrumWeights);
  drumWeights_->setFont(weightsFont);
  for (size_t r = 1; r < 4; ++r) {
    PartRow& row = rows_[r];
    ArrangementSettings& own = parts_.settings().arrangement;
    const PartVoicing& v = VoicingOf(own, r);
    row.on->setChecked(PlaysOf(own, r));
    show(row.channel, v.channel);
    show(row.voice, v.voice);
    show(row.low, v.low);
    show(row.high, v.high);
    show(row.density, v.density);
    row.euclid.Show(v.euclid, taking_);
    show(row.probability, v.stepProbability);
  }
  showing_ = false;
}

void PartsPanel::Take() {
  if (showing_) return;
  ArrangementSettings& a = parts_.settings().arrangement;
  a.line.smoothness = smoothness_->value();
  a.line.maxLeap = maxLeap_->value();
  a.line.turnBack = turnBack_->value();
  a.line.cadence = cadence_->value();
  a.line.contour = static_cast<Contour>(contour_->currentIndex());
  a.line.chordPull = pull_->value();
  a.comping = static_cast<Comping>(comping_->currentIndex());
  QString refused;
  for (size_t r = 1; r < 4; ++r) {
    const PartRow& row = rows_[r];
    PartVoicing& v = VoicingOf(a, r);
    PlaysOf(a, r) = row.on->isChecked();
    v.channel = row.channel->value();
    v.voice = row.voice->value();
    if (row.density) v.density = row.density->value();
    try {
      v.euclid = row.euclid.Take();
    } catch (const std::invalid_argument& e) {
      refused = QString::fromUtf8(e.what());  // the part keeps the rhythm it had
    }
    v.stepProbability = row.probability->value();
    if (row.low) {
      // A part needs every pitch class: the keys span an octave at least.
      v.low = std::min(row.low->value(), 127 - (kLeastPartRange - 1));
      v.high = std::max(row.high->value(), v.low + kLeastPartRange - 1);
    }
  }
  Say(*message_, refused);
  const QScopedValueRollback taking(taking_, true);
  parts_.SettingsChanged();
}

void PartsPanel::TakeProgression(const QString& text) {
  PartSettings checked = parts_.settings();
  try {
    SetPartValue(checked, "chords", text.trimmed().toStdString());
  } catch (const std::invalid_argument& e) {
    Say(*progressionMessage_, tr("和音進行を読めません: %1").arg(TranslatedMessage(QString::fromUtf8(e.what()))));
    return;
  }
  parts_.settings().arrangement.progression = checked.arrangement.progression;
  Say(*progressionMessage_, {});
  const QScopedValueRollback taking(taking_, true);
  parts_.SettingsChanged();
}

}  // namespace volemo

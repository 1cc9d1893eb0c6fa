#include "drum_weights_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "gui_benri.h"
#include "panel_widgets.h"

namespace volemo {
namespace {

// The spins of each row are named spnDrumWeight, the row's name and the
// sixteenth from 1.
const char* const kRowNames[] = {"Kick", "Snare", "Hat", "OpenHat"};

}  // namespace

DrumWeightsDialog::DrumWeightsDialog(const DrumWeights& weights, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgDrumWeights"));
  setWindowTitle(tr("ドラムの重み"));

  auto* note = new QLabel(tr("楽器ごとに、4/4 の小節の十六分ごとに鳴る確率（%）。小節の最初のキックはいつも鳴り、"
                             "オープン・ハイハットは同じ十六分のクローズド・ハイハットを消します。ほかの拍子では、"
                             "各ステップが小節の中で同じ役の十六分の確率をとります。"));
  note->setWordWrap(true);

  // A column of its own between the beats keeps them apart.
  auto* grid = new QGridLayout;
  const auto column = [](int sixteenth) { return 1 + sixteenth + sixteenth / 4; };
  for (int beat = 1; beat < 4; ++beat) grid->setColumnMinimumWidth(column(4 * beat) - 1, 12);
  for (int s = 0; s < 16; ++s) {
    auto* head = new QLabel(s % 4 == 0 ? tr("%1 拍目").arg(s / 4 + 1) : QStringLiteral("·"));
    head->setAlignment(Qt::AlignCenter);
    grid->addWidget(head, 0, column(s));
  }
  const QString instruments[] = {tr("キック"), tr("スネア"), tr("クローズド・ハイハット"), tr("オープン・ハイハット")};
  for (size_t i = 0; i < spins_.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    grid->addWidget(new QLabel(instruments[i]), row, 0);
    for (size_t s = 0; s < 16; ++s) {
      const std::string name = std::string("spnDrumWeight") + kRowNames[i] + std::to_string(s + 1);
      spins_[i][s] = PanelSpin(name.c_str(), 0, 100);
      grid->addWidget(spins_[i][s], row, column(static_cast<int>(s)));
    }
  }

  auto* reset = Named(new QPushButton(tr("既定に戻す")), "btnDrumWeightsDefault");
  auto* ok = Named(new QPushButton(QStringLiteral("OK")), "btnDrumWeightsOk");
  auto* cancel = Named(new QPushButton(tr("キャンセル")), "btnDrumWeightsCancel");
  ok->setDefault(true);
  connect(reset, &QPushButton::clicked, this, [this] { Show(kDrumWeights); });
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(reset);
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(note);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  Show(weights);
}

DrumWeights DrumWeightsDialog::Weights() const {
  DrumWeights weights{};
  for (size_t i = 0; i < spins_.size(); ++i)
    for (size_t s = 0; s < 16; ++s) weights[i][s] = spins_[i][s]->value();
  return weights;
}

void DrumWeightsDialog::Show(const DrumWeights& weights) {
  for (size_t i = 0; i < spins_.size(); ++i)
    for (size_t s = 0; s < 16; ++s) spins_[i][s]->setValue(weights[i][s]);
}

}  // namespace volemo

#include "panel_widgets.h"

#include <QCheckBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>
#include <stdexcept>

namespace volemo {
namespace {

// Asks for the width its panels need, so that a splitter gives them that
// much at first, but can be narrowed to nothing: the panels then scroll.
class SmallScrollArea : public QScrollArea {
 public:
  QSize sizeHint() const override {
    return {widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width(), 0};
  }
  QSize minimumSizeHint() const override { return {0, 0}; }
};

}  // namespace

EuclidSpins EuclidSpins::Make(const QString& label, const std::string& suffix) {
  EuclidSpins e;
  e.on = new QCheckBox(label);
  e.on->setObjectName(QString::fromStdString("chkEuclid" + suffix));
  e.onsets = PanelSpin(("spnEuclidOnsets" + suffix).c_str(), 0, 64);
  e.steps = PanelSpin(("spnEuclidSteps" + suffix).c_str(), 1, 64);
  e.rotation = PanelSpin(("spnEuclidRotation" + suffix).c_str(), 0, 63);
  e.steps->setValue(16);
  e.onsets->setValue(4);
  // Stacked in a narrow column, the spins say on hover which is which.
  e.onsets->setToolTip(tr("打点の数：ステップの上に均等に置く音の数"));
  e.steps->setToolTip(tr("ステップ数：リズムが一周するステップの数"));
  e.rotation->setToolTip(tr("回転：リズムを後ろにずらすステップの数"));
  return e;
}

void EuclidSpins::Show(const std::optional<EuclidSteps>& euclid, bool taking) const {
  on->setChecked(euclid.has_value());
  // Off, the spins keep what was typed into them, ready for the switch.
  if (!euclid) return;
  ShowValue(steps, euclid->steps, taking);
  ShowValue(onsets, euclid->onsets, taking);
  ShowValue(rotation, euclid->rotation, taking);
}

std::optional<EuclidSteps> EuclidSpins::Take() const {
  if (!on->isChecked()) return std::nullopt;
  if (onsets->value() > steps->value())
    throw std::invalid_argument(
        tr("ユークリッドの数 %1 がステップ数 %2 より多くなっています").arg(onsets->value()).arg(steps->value()).toStdString());
  return EuclidSteps{onsets->value(), steps->value(), rotation->value()};
}

QSpinBox* PanelSpin(const char* name, int low, int high, const QString& suffix) {
  auto* spin = new QSpinBox;
  spin->setObjectName(QString::fromLatin1(name));
  spin->setRange(low, high);
  spin->setSuffix(suffix);
  return spin;
}

void ShowValue(QSpinBox* spin, int value, bool taking) {
  if (spin && !(taking && spin->hasFocus())) spin->setValue(value);
}

QLabel* PanelMessage(const char* name) {
  auto* message = new QLabel;
  message->setObjectName(QString::fromLatin1(name));
  message->setWordWrap(true);
  message->setTextFormat(Qt::PlainText);
  message->setStyleSheet(QStringLiteral("color: #b00000"));
  message->hide();
  return message;
}

void Say(QLabel& message, const QString& text) {
  message.setText(text);
  message.setVisible(!text.isEmpty());
}

QWidget* InScrollArea(std::initializer_list<QWidget*> panels) {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QWidget* panel : panels) layout->addWidget(panel);
  layout->addStretch(1);
  auto* area = new SmallScrollArea;
  area->setWidgetResizable(true);
  area->setFrameShape(QFrame::NoFrame);
  area->setWidget(column);
  return area;
}

}  // namespace volemo

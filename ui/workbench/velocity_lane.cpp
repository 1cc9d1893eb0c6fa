#include "velocity_lane.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "roll_editor.h"

namespace volemo {
namespace {

constexpr int kBarWidth = 5;
constexpr int kMaxVelocity = 127;
const QColor kBar(70, 110, 190);
const QColor kHeld(220, 120, 30);

}  // namespace

VelocityLane::VelocityLane(RollEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("rollVelocity"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setToolTip(tr("音の強さ（ベロシティ）: 棒を上下にドラッグして変えます"));
  connect(&editor_, &RollEditor::viewChanged, this, qOverload<>(&QWidget::update));
  connect(&editor_, &RollEditor::dragMoved, this, qOverload<>(&QWidget::update));
}

QRect VelocityLane::BarRect(int note, int velocity) const {
  const RollNote& n = editor_.Shown(note);
  const int height = int(std::lround(double(velocity) / kMaxVelocity * (this->height() - 2)));
  return QRect(editor_.X(n.start), this->height() - height, kBarWidth, height);
}

int VelocityLane::VelocityAt(int y) const {
  return std::clamp(int(std::lround(double(height() - y) / (height() - 2) * kMaxVelocity)), 1, kMaxVelocity);
}

void VelocityLane::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(244, 244, 247));
  p.setPen(QColor(200, 200, 208));
  p.drawLine(0, 0, width(), 0);
  const auto& notes = editor_.content().notes;
  for (int i = 0; i < int(notes.size()); ++i) {
    if (notes[size_t(i)].silent) continue;  // heard at no loudness
    const QRect bar = BarRect(i, i == dragged_ ? shown_ : notes[size_t(i)].velocity);
    if (bar.right() < 0 || bar.left() >= width()) continue;
    p.fillRect(bar, i == dragged_ || editor_.Dragged(i) ? kHeld : kBar);
  }
}

void VelocityLane::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  // The last bar drawn under the pointer's x, as it lies on top.
  const int x = event->position().toPoint().x();
  const auto& notes = editor_.content().notes;
  dragged_ = -1;
  for (int i = int(notes.size()) - 1; i >= 0 && dragged_ < 0; --i) {
    const QRect bar = BarRect(i, kMaxVelocity);
    if (!notes[size_t(i)].silent && editor_.Number(i) && x >= bar.left() - 1 && x <= bar.right() + 1) dragged_ = i;
  }
  if (dragged_ < 0) return;
  shown_ = VelocityAt(event->position().toPoint().y());
  update();
}

void VelocityLane::mouseMoveEvent(QMouseEvent* event) {
  if (dragged_ < 0) return QWidget::mouseMoveEvent(event);
  shown_ = VelocityAt(event->position().toPoint().y());
  update();
}

void VelocityLane::mouseReleaseEvent(QMouseEvent* event) {
  if (dragged_ < 0 || event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const int note = std::exchange(dragged_, -1);
  shown_ = VelocityAt(event->position().toPoint().y());
  update();
  if (shown_ != editor_.content().notes[size_t(note)].velocity) emit velocitySet(note, shown_);
}

}  // namespace volemo

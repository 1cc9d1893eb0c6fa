#include "roll_views.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

#include "note_choice.h"
#include "roll_editor.h"

namespace volemo {
namespace {

bool IsBlackKey(int key) {
  const int pc = key % 12;
  return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

constexpr int kSixteenth = RollEditor::kTicksPerBeat / 4;
// Grid lines closer than this are left out.
constexpr double kMinLineGap = 5.0;

const QColor kNoteFill(70, 120, 190);
const QColor kLockedFill(235, 150, 40);
const QColor kUnnumberedFill(120, 140, 165);  // a text edited by hand: no locks
const QColor kBend(200, 30, 60);
const QColor kPlayhead(220, 0, 0);

// The first tick at or after `from` that is a multiple of step.
int64_t FirstMultiple(int64_t from, int64_t step) { return (from + step - 1) / step * step; }

// A drawing pin: a round head at the note's left end and its point below,
// so that a locked note is told by its shape, not by its colour alone.
void DrawPin(QPainter& p, const QRect& note) {
  const double size = std::clamp(note.height() + 1.0, 5.0, 9.0);
  const QPointF head(note.left() + size / 2 + 1, note.top() + size / 2 - 1);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.drawLine(head, head + QPointF(size * 0.45, size * 0.6));
  p.setPen(QPen(QColor(40, 40, 40), 1.0));
  p.setBrush(QColor(200, 20, 30));
  p.drawEllipse(head, size / 2 - 0.5, size / 2 - 0.5);
}

}  // namespace

RollKeyboard::RollKeyboard(RollEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("rollKeyboard"));
  setFixedWidth(44);
  connect(&editor_, &RollEditor::viewChanged, this, qOverload<>(&QWidget::update));
}

void RollKeyboard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const double rowHeight = editor_.RowHeight();
  QFont font = p.font();
  font.setPixelSize(std::clamp(int(rowHeight) - 1, 7, 11));
  p.setFont(font);
  for (int key = editor_.BottomKey(); key <= editor_.TopKey(); ++key) {
    const QRect row(0, editor_.Y(key), width(), editor_.RowBottom(key) - editor_.Y(key));
    const bool black = IsBlackKey(key);
    p.fillRect(row, black ? QColor(50, 50, 55) : QColor(252, 252, 252));
    p.setPen(QColor(170, 170, 175));
    p.drawLine(row.bottomLeft(), row.bottomRight());
    // Every name when the rows are tall enough to read it, else the Cs.
    if (rowHeight >= 8 || key % 12 == 0) {
      p.setPen(black ? QColor(230, 230, 230) : QColor(30, 30, 30));
      const QRect text = row.adjusted(2, -8, -3, 8);
      p.drawText(text, Qt::AlignRight | Qt::AlignVCenter, QString::fromStdString(NoteName(key)));
    }
  }
  p.setPen(QColor(120, 120, 125));
  p.drawLine(width() - 1, 0, width() - 1, height());
}

RollRuler::RollRuler(RollEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("rollRuler"));
  setFixedHeight(18);
  setCursor(Qt::PointingHandCursor);
  setToolTip(tr("クリックした所から演奏します"));
  connect(&editor_, &RollEditor::viewChanged, this, qOverload<>(&QWidget::update));
}

void RollRuler::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(236, 236, 240));
  const double ppt = editor_.PixelsPerTick();
  const int64_t first = editor_.TickAt(0);
  const int64_t last = editor_.TickAt(width());
  // Bar numbers far enough apart to read: every bar, or every 2nd, 4th, ...
  int labelEvery = 1;
  while (labelEvery * RollEditor::kTicksPerBar * ppt < 22) labelEvery *= 2;
  QFont font = p.font();
  font.setPixelSize(10);
  p.setFont(font);
  const int64_t step = RollEditor::kTicksPerBeat * ppt >= kMinLineGap ? RollEditor::kTicksPerBeat
                                                                       : RollEditor::kTicksPerBar;
  for (int64_t tick = FirstMultiple(first, step); tick <= last; tick += step) {
    const int x = editor_.X(tick);
    const bool bar = tick % RollEditor::kTicksPerBar == 0;
    p.setPen(QColor(90, 90, 95));
    p.drawLine(x, bar ? 0 : height() - 5, x, height());
    const int64_t barIndex = tick / RollEditor::kTicksPerBar;
    if (bar && barIndex % labelEvery == 0)
      p.drawText(QRect(x + 3, 0, 40, height() - 2), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::number(barIndex + 1));
  }
  p.setPen(QColor(150, 150, 155));
  p.drawLine(0, height() - 1, width(), height() - 1);
}

void RollRuler::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const int tick = editor_.TickAt(int(event->position().x()));
  if (tick < int(editor_.content().endTick)) emit playFromRequested(tick);
}

RollNoteView::RollNoteView(RollEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("rollNotes"));
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  connect(&editor_, &RollEditor::viewChanged, this, [this] {
    stale_ = true;
    update();
  });
  connect(&editor_, &RollEditor::playheadMoved, this, [this](int oldX, int newX) {
    if (oldX >= 0) update(oldX - 2, 0, 5, height());
    if (newX >= 0) update(newX - 2, 0, 5, height());
  });
}

void RollNoteView::resizeEvent(QResizeEvent*) { editor_.SetViewSize(size()); }

void RollNoteView::PaintBackground() {
  const qreal ratio = devicePixelRatioF();
  if (background_.size() != size() * ratio) {
    background_ = QPixmap(size() * ratio);
    background_.setDevicePixelRatio(ratio);
  }
  QPainter p(&background_);
  const RollEditor& e = editor_;
  for (int key = e.BottomKey(); key <= e.TopKey(); ++key) {
    const QRect row(0, e.Y(key), width(), e.RowBottom(key) - e.Y(key));
    p.fillRect(row, IsBlackKey(key) ? QColor(228, 230, 234) : QColor(248, 248, 250));
    if (key % 12 == 0) {
      p.setPen(QColor(190, 190, 200));
      p.drawLine(row.bottomLeft(), row.bottomRight());
    }
  }
  const double ppt = e.PixelsPerTick();
  const int64_t first = e.TickAt(0), last = e.TickAt(width());
  const int64_t step = kSixteenth * ppt >= kMinLineGap             ? kSixteenth
                       : RollEditor::kTicksPerBeat * ppt >= kMinLineGap ? RollEditor::kTicksPerBeat
                                                                        : RollEditor::kTicksPerBar;
  for (int64_t tick = FirstMultiple(first, step); tick <= last; tick += step) {
    const int x = e.X(tick);
    p.setPen(tick % RollEditor::kTicksPerBar == 0   ? QColor(140, 140, 150)
             : tick % RollEditor::kTicksPerBeat == 0 ? QColor(195, 195, 205)
                                                     : QColor(225, 225, 232));
    p.drawLine(x, 0, x, height());
  }
  const int end = e.X(e.content().endTick);
  if (end < width()) p.fillRect(QRect(end, 0, width() - end, height()), QColor(210, 210, 215, 140));

  p.setRenderHint(QPainter::Antialiasing, false);
  const auto& notes = e.content().notes;
  for (int i = 0; i < int(notes.size()); ++i) {
    const QRect r = e.NoteRect(i);
    if (r.right() < 0 || r.left() >= width()) continue;
    if (notes[size_t(i)].silent) {
      // Written but never heard: an outline only.
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(60, 60, 70), 1, Qt::DashLine));
    } else {
      p.setBrush(e.Locked(i) ? kLockedFill : e.Number(i) ? kNoteFill : kUnnumberedFill);
      p.setPen(QColor(30, 40, 60));
    }
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  // Bends as the pitch each note slides along (two semitones either way).
  p.setRenderHint(QPainter::Antialiasing, true);
  const auto& bends = e.content().song.bends;
  p.setPen(QPen(kBend, 1.5));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < int(notes.size()); ++i) {
    const RollNote& n = notes[size_t(i)];
    const int right = e.X(int64_t{n.start} + n.length);
    if (n.silent || e.X(n.start) >= width() || right < 0) continue;
    const double mid = (e.Y(n.key) + e.RowBottom(n.key)) / 2.0;
    const auto yOf = [&](int v) { return mid - v / 8192.0 * 2 * e.RowHeight(); };
    int value = n.bendAtStart;
    bool bent = value != 0;
    QPainterPath path;
    path.moveTo(e.X(n.start), yOf(value));
    const auto sinceStart =
        std::partition_point(bends.begin(), bends.end(), [&](const dvorlin::PitchBend& b) { return b.tick <= n.start; });
    for (auto b = sinceStart; b != bends.end() && b->tick < n.start + n.length; ++b) {
      if (b->channel != n.channel) continue;
      path.lineTo(e.X(b->tick), yOf(value));
      value = b->value;
      path.lineTo(e.X(b->tick), yOf(value));
      bent = bent || value != 0;
    }
    if (!bent) continue;
    path.lineTo(right, yOf(value));
    p.drawPath(path);
  }
  p.setRenderHint(QPainter::Antialiasing, false);
  for (int i = 0; i < int(notes.size()); ++i)
    if (e.Locked(i)) DrawPin(p, e.NoteRect(i));
  if (e.Selected() >= 0) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 2));
    p.drawRect(e.NoteRect(e.Selected()).adjusted(-1, -1, 0, 0));
  }
  stale_ = false;
}

void RollNoteView::paintEvent(QPaintEvent* event) {
  if (stale_ || background_.size() != size() * devicePixelRatioF()) PaintBackground();
  QPainter p(this);
  p.drawPixmap(event->rect(), background_, QRectF(event->rect().topLeft() * devicePixelRatioF(),
                                                  event->rect().size() * devicePixelRatioF()));
  if (editor_.Playhead() >= 0) {
    const int x = editor_.X(editor_.Playhead());
    p.fillRect(QRect(x - 1, 0, 2, height()), kPlayhead);
  }
}

bool RollNoteView::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  const int note = editor_.NoteAt(help->pos());
  if (note < 0) {
    QToolTip::hideText();
    event->ignore();
    return true;
  }
  const RollNote& n = editor_.content().notes[size_t(note)];
  QString text = QString::fromStdString(NoteName(n.key));
  if (editor_.Number(note)) text = tr("%1 番目の音 ").arg(editor_.Number(note)) + text;
  if (n.silent) text += tr("（鳴らない音）");
  if (editor_.Locked(note)) text += tr("（ロック中）");
  QToolTip::showText(help->globalPos(), text, this, editor_.NoteRect(note));
  return true;
}

void RollNoteView::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const int note = editor_.NoteAt(event->position().toPoint());
  dragFrom_.reset();
  if (note < 0) {
    dragFrom_ = event->position().toPoint();
    return;
  }
  editor_.Select(note);
  emit noteClicked(note, event->modifiers());
}

void RollNoteView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragFrom_ || !(event->buttons() & Qt::LeftButton) ||
      (event->position().toPoint() - *dragFrom_).manhattanLength() < QApplication::startDragDistance())
    return QWidget::mouseMoveEvent(event);
  dragFrom_.reset();
  emit dragRequested();
}

void RollNoteView::wheelEvent(QWheelEvent* event) {
  const int delta = event->angleDelta().y();
  if (event->modifiers() & Qt::ControlModifier) {
    if (delta != 0) editor_.ZoomAt(int(event->position().x()), delta > 0 ? 1.25 : 0.8);
  } else {
    editor_.SetScroll(editor_.Scroll() - (delta ? delta : event->angleDelta().x()) / 2);
  }
  event->accept();
}

}  // namespace volemo

#include "roll_views.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSettings>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <iterator>

#include "roll_editor.h"
#include "roll_marks.h"

namespace volemo {
namespace {

bool IsBlackKey(int key) {
  const int pc = key % 12;
  return pc == 1 || pc == 3 || pc == 6 || pc == 8 || pc == 10;
}

constexpr int kSixteenth = RollEditor::kTicksPerBeat / 4;
// Grid lines closer than this are left out.
constexpr double kMinLineGap = 5.0;
constexpr int kRulerBar = 18;   // the bars' strip
constexpr int kRulerBand = 15;  // each strip of sections or chords above it

const QColor kUnnumberedFill(120, 140, 165);  // a text edited by hand: no locks
const QColor kLockEdge(170, 20, 30);
const QColor kPin(200, 20, 30);
const QColor kChangedEdge(255, 140, 0);
const QColor kBend(200, 30, 60);
const QColor kPlayhead(220, 0, 0);
const QColor kTonic(230, 160, 40);
// A dragged note's marks: its key, its row and its span.
const QColor kDragMark(255, 176, 40);
const QColor kDragRow(255, 176, 40, 70);
const QColor kDragRowEdge(220, 130, 10);
constexpr int kReadoutFont = 11;

// Each part in a colour of its own; parts of other names take the rest in
// turn.
QColor PartColour(const std::string& part, uint8_t index) {
  if (part == "melody") return {70, 120, 190};
  if (part == "bass") return {40, 150, 90};
  if (part == "chords") return {150, 95, 185};
  if (part == "drums") return {125, 115, 105};
  static const QColor others[] = {{200, 110, 60}, {40, 150, 160}, {190, 80, 120}, {130, 140, 40}};
  return others[index % std::size(others)];
}

// The first tick at or after `from` that is a multiple of step.
int64_t FirstMultiple(int64_t from, int64_t step) { return (from + step - 1) / step * step; }

// Bars far enough apart to tell: every bar, or every 2nd, 4th, ...
int BarsApart(const RollEditor& e, double gap) {
  int every = 1;
  while (every * e.FirstBarTicks() * e.PixelsPerTick() < gap) every *= 2;
  return every;
}

// A drawing pin above a locked note, its point at the note's top edge: the
// lock is told by a shape, not by colour alone, and the note stays in sight.
void DrawPin(QPainter& p, const QRect& mark) {
  const QPointF head(mark.left() + mark.width() / 2.0, mark.top() + mark.width() / 2.0);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(QColor(40, 40, 40), 1.2));
  p.drawLine(head, QPointF(head.x() + 1, mark.bottom() + 2));
  p.setPen(QPen(QColor(40, 40, 40), 1.0));
  p.setBrush(kPin);
  p.drawEllipse(head, mark.width() / 2.0 - 0.5, mark.width() / 2.0 - 0.5);
  p.setRenderHint(QPainter::Antialiasing, false);
}

// A note's fill: its part's colour (a text edited by hand has none), paler
// the less likely its step is to sound.
QColor NoteFill(const RollEditor& e, int i) {
  const RollNote& n = e.content().notes[size_t(i)];
  const bool parts = !e.content().song.parts.empty();
  QColor fill = !parts && !e.Number(i) ? kUnnumberedFill : PartColour(e.PartOf(i), n.part);
  if (const int percent = e.StepProbability(i); percent < 100) fill.setAlpha(60 + 150 * std::max(percent, 0) / 100);
  return fill;
}

void PaintNote(QPainter& p, const RollEditor& e, int i, const QRect& r) {
  const RollNote& n = e.content().notes[size_t(i)];
  if (e.Dragged(i)) {
    // Where the dragged note was: a ghost, the note itself over it all.
    QColor ghost = NoteFill(e, i);
    ghost.setAlpha(50);
    p.setBrush(ghost);
    p.setPen(QPen(QColor(40, 50, 70, 150), 1, Qt::DashLine));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    return;
  }
  if (n.silent) {
    // Written but never heard: an outline only.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 70), 1, Qt::DashLine));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    return;
  }
  const QColor fill = NoteFill(e, i);
  p.setBrush(fill);
  // A paler note (a step of chance) has a paler edge too.
  p.setPen(e.Locked(i) ? kLockEdge : QColor(30, 40, 60, fill.alpha() < 255 ? 110 : 255));
  p.drawRect(r.adjusted(0, 0, -1, -1));
  if (e.Locked(i)) {
    // A second edge outside, so that the narrowest note keeps its fill.
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(-1, -1, 0, 0));
  }
}

// A plain wheel scrolls the rows when they do not all fit, else the time;
// Shift turns it to the time, Ctrl zooms the time.
void Wheel(RollEditor& e, QWheelEvent* event) {
  const int delta = event->angleDelta().y() ? event->angleDelta().y() : event->angleDelta().x();
  if (event->modifiers() & Qt::ControlModifier) {
    if (delta != 0) e.ZoomAt(int(event->position().x()), delta > 0 ? 1.25 : 0.8);
  } else if (!(event->modifiers() & Qt::ShiftModifier) && e.ContentHeight() > e.ViewSize().height()) {
    e.SetVerticalScroll(e.VerticalScroll() - delta / 2);
  } else {
    e.SetScroll(e.Scroll() - delta / 2);
  }
  event->accept();
}

QSettings Stored() { return QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")); }

}  // namespace

RollKeyboard::RollKeyboard(RollEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("rollKeyboard"));
  setFixedWidth(44);
  connect(&editor_, &RollEditor::viewChanged, this, qOverload<>(&QWidget::update));
  connect(&editor_, &RollEditor::dragMoved, this, [this] {
    const int key = editor_.Drag()->to.key;
    if (key == marked_) return;
    update(RowRect(marked_));
    update(RowRect(key));
  });
}

QRect RollKeyboard::RowRect(int key) const {
  return QRect(0, editor_.Y(key), width(), editor_.RowBottom(key) - editor_.Y(key));
}

void RollKeyboard::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  const double rowHeight = editor_.RowHeight();
  QFont font = p.font();
  font.setPixelSize(std::clamp(int(rowHeight) - 3, 7, 11));
  QFont tonic = font;
  tonic.setBold(true);
  marked_ = editor_.Drag() ? editor_.Drag()->to.key : -1;
  for (int key = editor_.BottomKey(); key <= editor_.TopKey(); ++key) {
    const QRect row = RowRect(key);
    if (row.bottom() < 0 || row.top() >= height()) continue;
    const bool black = IsBlackKey(key) && key != marked_;
    p.fillRect(row, key == marked_ ? kDragMark : black ? QColor(50, 50, 55) : QColor(252, 252, 252));
    if (editor_.IsTonic(key)) p.fillRect(QRect(row.left(), row.top(), 4, row.height()), kTonic);
    p.setPen(QColor(170, 170, 175));
    p.drawLine(row.bottomLeft(), row.bottomRight());
    p.setFont(editor_.IsTonic(key) || key == marked_ ? tonic : font);
    p.setPen(black ? QColor(230, 230, 230) : QColor(30, 30, 30));
    p.drawText(row.adjusted(5, -8, -3, 8), Qt::AlignRight | Qt::AlignVCenter, editor_.KeyName(key));
  }
  p.setPen(QColor(120, 120, 125));
  p.drawLine(width() - 1, 0, width() - 1, height());
}

void RollKeyboard::wheelEvent(QWheelEvent* event) { Wheel(editor_, event); }

RollNameButton::RollNameButton(RollEditor& editor, QWidget* parent) : QToolButton(parent), editor_(editor) {
  setObjectName(QStringLiteral("btnNoteNames"));
  setAutoRaise(true);
  setFixedWidth(44);
  QFont small = font();
  small.setPixelSize(10);
  setFont(small);
  editor_.SetMiddleC(Stored().value("workbench/middleC", 48).toInt());
  connect(this, &QToolButton::clicked, this, [this] {
    editor_.SetMiddleC(editor_.MiddleC() == 48 ? 60 : 48);
    Stored().setValue("workbench/middleC", editor_.MiddleC());
  });
  connect(&editor_, &RollEditor::viewChanged, this, [this] { Show(); });
  Show();
}

void RollNameButton::Show() {
  setText(QStringLiteral("C4=%1").arg(editor_.MiddleC()));
  setToolTip(editor_.MiddleC() == 48 ? tr("音名は MIDI 48 を C4 と数えます（範囲の指定と同じ）。クリックで C4 = 60 に")
                                     : tr("音名は MIDI 60 を C4 と数えます。クリックで C4 = 48（範囲の指定と同じ）に"));
}

RollRuler::RollRuler(RollEditor& editor, QWidget* parent) : QWidget(parent), editor_(editor) {
  setObjectName(QStringLiteral("rollRuler"));
  setFixedHeight(kRulerBar);
  setCursor(Qt::PointingHandCursor);
  setToolTip(tr("クリックした所から演奏します"));
  connect(&editor_, &RollEditor::viewChanged, this, [this] {
    FitHeight();
    update();
  });
  connect(&editor_, &RollEditor::dragMoved, this, [this] {
    const QRect span = DragSpan();
    if (span == marked_) return;
    update(marked_);
    update(span);
  });
}

QRect RollRuler::DragSpan() const {
  const auto& drag = editor_.Drag();
  if (!drag) return {};
  const int left = editor_.X(drag->to.start);
  const int right = std::max(editor_.X(int64_t{drag->to.start} + drag->written), left + RollEditor::kMinNoteWidth);
  return QRect(left, height() - kRulerBar, right - left, kRulerBar);
}

int RollRuler::BandTop(Band band) const {
  const bool sections = !editor_.Marks().sections.empty();
  return band == kSections || !sections ? 0 : kRulerBand;
}

void RollRuler::FitHeight() {
  const int bands = int(!editor_.Marks().sections.empty()) + int(!editor_.Marks().chords.empty());
  if (height() != kRulerBar + bands * kRulerBand) setFixedHeight(kRulerBar + bands * kRulerBand);
}

QRect RollRuler::MarkRect(const RollSpan& span, Band band) const {
  const int left = editor_.X(span.start);
  return QRect(left, BandTop(band), editor_.X(span.end) - left, kRulerBand);
}

void RollRuler::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(236, 236, 240));
  QFont font = p.font();
  font.setPixelSize(10);
  p.setFont(font);
  const int barTop = height() - kRulerBar;
  // The sections as tabs, the chords as symbols at their bars.
  const auto paintBand = [&](const std::vector<RollSpan>& spans, Band band, const QColor& fill) {
    for (const RollSpan& span : spans) {
      const QRect r = MarkRect(span, band);
      if (r.right() < 0 || r.left() >= width()) continue;
      p.fillRect(r.adjusted(0, 1, -1, -1), fill);
      p.setPen(QColor(110, 110, 120));
      p.drawLine(r.left(), r.top(), r.left(), r.bottom());
      p.setPen(QColor(25, 25, 30));
      const QRect text = r.adjusted(3, 0, -2, 0);
      p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                 p.fontMetrics().elidedText(QString::fromStdString(span.label), Qt::ElideRight, text.width()));
    }
  };
  font.setBold(true);
  p.setFont(font);
  paintBand(editor_.Marks().sections, kSections, QColor(214, 222, 240));
  font.setBold(false);
  p.setFont(font);
  paintBand(editor_.Marks().chords, kChords, QColor(244, 238, 222));

  marked_ = DragSpan();
  if (!marked_.isEmpty()) p.fillRect(marked_.adjusted(0, 1, 0, -1), kDragMark);

  const double ppt = editor_.PixelsPerTick();
  const int labelEvery = BarsApart(editor_, 22);
  const int barEvery = BarsApart(editor_, kMinLineGap);
  const bool beats = RollEditor::kTicksPerBeat / 2 * ppt >= kMinLineGap;
  for (const RollEditor::GridLine& line : editor_.Grid(editor_.TickAt(0), editor_.TickAt(width()))) {
    if (line.bar ? (line.barNumber - 1) % barEvery != 0 : !beats) continue;
    const int x = editor_.X(line.tick);
    p.setPen(QColor(90, 90, 95));
    p.drawLine(x, line.bar ? barTop : height() - 5, x, height());
    if (line.bar && (line.barNumber - 1) % labelEvery == 0)
      p.drawText(QRect(x + 3, barTop, 40, kRulerBar - 2), Qt::AlignLeft | Qt::AlignVCenter,
                 QString::number(line.barNumber));
  }
  p.setPen(QColor(150, 150, 155));
  p.drawLine(0, height() - 1, width(), height() - 1);
}

void RollRuler::mousePressEvent(QMouseEvent* event) {
  const int tick = editor_.TickAt(int(event->position().x()));
  const auto& sections = editor_.Marks().sections;
  for (size_t i = 0; i < sections.size(); ++i)
    if (MarkRect(sections[i], kSections).contains(event->position().toPoint()))
      return emit sectionClicked(int(i), tick, event->globalPosition().toPoint());
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
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
  connect(&editor_, &RollEditor::dragMoved, this, [this] {
    update(dragArea_);
    update(DragArea());
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
  // The scale's rows light, the others darker, the tonic's warm; without a
  // scale, the keyboard's white and black.
  const bool scale = e.HasScale();
  for (int key = e.BottomKey(); key <= e.TopKey(); ++key) {
    const QRect row(0, e.Y(key), width(), e.RowBottom(key) - e.Y(key));
    if (row.bottom() < 0 || row.top() >= height()) continue;
    QColor fill = IsBlackKey(key) ? QColor(228, 230, 234) : QColor(248, 248, 250);
    if (scale) fill = e.IsTonic(key) ? QColor(252, 236, 205) : e.InScale(key) ? QColor(246, 248, 252) : QColor(222, 224, 229);
    p.fillRect(row, fill);
    if (key % 12 == 0 || e.IsTonic(key)) {
      p.setPen(e.IsTonic(key) ? QColor(225, 190, 130) : QColor(190, 190, 200));
      p.drawLine(row.bottomLeft(), row.bottomRight());
    }
  }
  if (e.Y(e.BottomKey() - 1) < height())
    p.fillRect(QRect(0, e.Y(e.BottomKey() - 1), width(), height()), QColor(210, 210, 215));
  const double ppt = e.PixelsPerTick();
  const int64_t first = e.TickAt(0), last = e.TickAt(width());
  if (kSixteenth * ppt >= kMinLineGap) {
    p.setPen(QColor(230, 230, 236));
    for (int64_t tick = FirstMultiple(first, kSixteenth); tick <= last; tick += kSixteenth)
      p.drawLine(e.X(tick), 0, e.X(tick), height());
  }
  const int barEvery = BarsApart(e, kMinLineGap);
  const bool beats = RollEditor::kTicksPerBeat / 2 * ppt >= kMinLineGap;
  for (const RollEditor::GridLine& line : e.Grid(first, last)) {
    if (line.bar ? (line.barNumber - 1) % barEvery != 0 : !beats) continue;
    p.setPen(line.bar ? QColor(140, 140, 150) : QColor(195, 195, 205));
    p.drawLine(e.X(line.tick), 0, e.X(line.tick), height());
  }
  const int end = e.X(e.content().endTick);
  if (end < width()) p.fillRect(QRect(end, 0, width() - end, height()), QColor(210, 210, 215, 140));

  p.setRenderHint(QPainter::Antialiasing, false);
  const auto& notes = e.content().notes;
  for (const int i : e.PaintOrder()) {
    const QRect r = e.NoteRect(i);
    if (r.right() < 0 || r.left() >= width() || r.bottom() < 0 || r.top() >= height()) continue;
    PaintNote(p, e, i, r);
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
    if (e.Locked(i)) DrawPin(p, e.LockMarkRect(i));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kChangedEdge, 2));
  for (int i = 0; i < int(notes.size()); ++i)
    if (e.Changed(i)) p.drawRect(e.NoteRect(i).adjusted(-2, -2, 1, 1));
  if (e.Selected() >= 0 && !e.Dragged(e.Selected())) {
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
  if (editor_.Drag()) PaintDrag(p);
  dragArea_ = DragArea();
  if (editor_.Playhead() >= 0) {
    const int x = editor_.X(editor_.Playhead());
    p.fillRect(QRect(x - 1, 0, 2, height()), kPlayhead);
  }
}

QString RollNoteView::Readout() const {
  const RollEditor::NoteDrag& drag = *editor_.Drag();
  return QStringLiteral("%1  %2  %3")
      .arg(editor_.KeyName(drag.to.key), editor_.Position(drag.to.start), RollEditor::Length(drag.written));
}

QRect RollNoteView::ReadoutRect(const QString& text, const QRect& note) const {
  QFont font = this->font();
  font.setPixelSize(kReadoutFont);
  const QFontMetrics metrics(font);
  const QSize size(metrics.horizontalAdvance(text) + 10, metrics.height() + 4);
  // Above the note and on from it, else where there is room.
  int x = note.right() + 6, y = note.top() - size.height() - 3;
  if (x + size.width() > width()) x = std::max(0, note.left() - 6 - size.width());
  if (y < 0) y = note.bottom() + 4;
  return QRect(QPoint(x, y), size);
}

QRect RollNoteView::DragArea() const {
  if (!editor_.Drag()) return {};
  const int key = editor_.Drag()->to.key;
  const QRect note = editor_.RectOf(editor_.Drag()->to);
  const QRect row(0, editor_.Y(key) - 1, width(), editor_.RowBottom(key) - editor_.Y(key) + 2);
  return row.united(note.adjusted(-2, -2, 2, 2)).united(ReadoutRect(Readout(), note).adjusted(-1, -1, 1, 1));
}

void RollNoteView::PaintDrag(QPainter& p) const {
  const RollEditor::NoteDrag& drag = *editor_.Drag();
  const int key = drag.to.key;
  const QRect row(0, editor_.Y(key), width(), editor_.RowBottom(key) - editor_.Y(key));
  p.fillRect(row, kDragRow);
  p.setPen(kDragRowEdge);
  p.drawLine(row.left(), row.top() - 1, row.right(), row.top() - 1);
  p.drawLine(row.left(), row.bottom() + 1, row.right(), row.bottom() + 1);
  // The row's other notes over the mark, as they were.
  const auto& notes = editor_.content().notes;
  for (int i = 0; i < int(notes.size()); ++i)
    if (notes[size_t(i)].key == key && i != drag.note) PaintNote(p, editor_, i, editor_.NoteRect(i));
  const QRect note = editor_.RectOf(drag.to);
  p.setBrush(NoteFill(editor_, drag.note).lighter(115));
  p.setPen(QPen(QColor(20, 25, 35), 2));
  p.drawRect(note.adjusted(0, 0, -1, -1));
  const QString text = Readout();
  const QRect box = ReadoutRect(text, note);
  QFont font = p.font();
  font.setPixelSize(kReadoutFont);
  p.setFont(font);
  p.setPen(kDragRowEdge);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRect(box.adjusted(0, 0, -1, -1));
  p.setPen(QColor(20, 20, 25));
  p.drawText(box, Qt::AlignCenter, text);
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
  QString text = editor_.KeyName(n.key);
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

void RollNoteView::wheelEvent(QWheelEvent* event) { Wheel(editor_, event); }

}  // namespace volemo

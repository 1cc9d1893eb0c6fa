#include "roll_note_edits.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "error_boundary.h"
#include "note_edits.h"
#include "roll_editor.h"
#include "take_keeper.h"
#include "translation.h"

namespace volemo {
namespace {

// A press this close to a note's right end (and on a note this wide)
// drags its end rather than the note.
constexpr int kEndGrip = 3;
constexpr int kMinGrippedWidth = 8;
// The grid of a phrase that does not know its step: sixteenths.
constexpr int64_t kDefaultStep = RollEditor::kTicksPerBeat / 4;

int64_t StepOf(const Phrase& phrase) {
  return phrase.Frame().stepTicks > 0 ? phrase.Frame().stepTicks : kDefaultStep;
}

// The key of the scale nearest to key, on a tie the one further on from
// from (the way the note is dragged, up when it is not); key itself when
// the scale has no weighted tone.
int OnScale(const ScaleWeights& weights, int key, int from) {
  const int ahead = key >= from ? 1 : -1;
  for (int d = 0; d <= 127; ++d)
    for (int k : {key + ahead * d, key - ahead * d})
      if (k >= 0 && k <= 127 && weights[size_t(k % 12)] > 0) return k;
  return key;
}

}  // namespace

struct RollNoteEdits::Press {
  int note = 0;  // on the roll
  int number = 0;
  RollNote shown;     // as the roll showed it
  PhraseNote phrase;  // the phrase's note of that number
  Phrase whole;       // the phrase as it was
  QPointF at, globalAt;
  Qt::KeyboardModifiers modifiers;
  int64_t step = 0;       // the grid
  int64_t lastStart = 0;  // its last line in the body
  bool end = false;  // the end is dragged: the length
  bool dragging = false;
};

RollNoteEdits::RollNoteEdits(RollEditor& editor, QWidget& view, NoteEditLinks links, QObject* parent)
    : QObject(parent), editor_(editor), view_(view), links_(std::move(links)) {
  view_.installEventFilter(this);
}

RollNoteEdits::~RollNoteEdits() = default;

bool RollNoteEdits::eventFilter(QObject* watched, QEvent* event) {
  if (watched != &view_ || forwarding_) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress: return MousePress(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseMove: return MouseMove(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease: return MouseRelease(static_cast<QMouseEvent&>(*event));
    case QEvent::MouseButtonDblClick: return DoubleClick(static_cast<QMouseEvent&>(*event));
    case QEvent::KeyPress: return KeyPress(static_cast<QKeyEvent&>(*event));
    default: return false;
  }
}

bool RollNoteEdits::MousePress(QMouseEvent& event) {
  press_.reset();
  if (event.button() != Qt::LeftButton) return false;
  const int note = editor_.NoteAt(event.position().toPoint());
  const int number = editor_.Number(note);
  if (note < 0 || number == 0) return false;
  // The phrase behind the roll's numbers, which it has only while the box
  // holds its text.
  const Phrase* phrase = links_.editable();
  if (!phrase || size_t(number) > phrase->Notes().size()) return false;
  view_.setFocus(Qt::MouseFocusReason);
  const QRect r = editor_.NoteRect(note);
  press_ = std::make_unique<Press>();
  Press& p = *press_;
  p.note = note;
  p.number = number;
  p.shown = editor_.content().notes[size_t(note)];
  p.phrase = phrase->Note(number);
  p.whole = *phrase;
  p.at = event.position();
  p.globalAt = event.globalPosition();
  p.modifiers = event.modifiers();
  p.step = StepOf(*phrase);
  p.lastStart = std::max<int64_t>(phrase->Frame().bodyTicks - 1, 0) / p.step * p.step;
  p.end = r.width() >= kMinGrippedWidth && event.position().x() >= r.right() - kEndGrip;
  return true;
}

void RollNoteEdits::Dragged(const Press& p, QPoint at, Qt::KeyboardModifiers modifiers, int64_t& start,
                            int64_t& length, int& key) const {
  const int64_t step = p.step;
  const int64_t moved = std::llround((at.x() - p.at.x()) / editor_.PixelsPerTick());
  start = p.phrase.startTick;
  length = p.phrase.lengthTicks;
  key = p.phrase.key;
  if (p.end) {
    const int64_t end = std::llround(double(start + length + moved) / step) * step;
    length = std::max(end, (start / step + 1) * step) - start;
    return;
  }
  if (std::abs(moved) * 2 >= step)
    start = std::clamp<int64_t>(std::llround(double(start + moved) / step) * step, 0, p.lastStart);
  key = std::clamp(p.phrase.key + editor_.KeyAt(at.y()) - editor_.KeyAt(p.at.toPoint().y()), 0, 127);
  if (!(modifiers & Qt::ShiftModifier)) key = OnScale(links_.state.weights, key, p.phrase.key);
}

PhraseNote RollNoteEdits::Landing(const Press& p, int64_t start, int64_t length, int key) const {
  // The phrase's own rules (a step ends where the next starts, ...) decide:
  // the edit tried on a copy.
  PhraseNote landed = p.phrase;
  landed.startTick = start;
  landed.lengthTicks = length;
  landed.key = key;
  try {
    Phrase trial = p.whole;
    if (p.end) {
      SetNoteLength(trial, p.number, length);
    } else {
      MoveNote(trial, p.number, start, key);
    }
    for (const PhraseNote& n : trial.Notes())
      if (n.startTick == start && n.key == key) return n;
  } catch (const std::exception&) {
    // A phrase whose steps cannot be rewritten: the release says why.
  }
  return landed;
}

bool RollNoteEdits::MouseMove(QMouseEvent& event) {
  if (!press_) return false;
  if (!press_->dragging &&
      (event.position() - press_->at).manhattanLength() < QApplication::startDragDistance())
    return true;
  press_->dragging = true;
  int64_t start, length;
  int key;
  Dragged(*press_, event.position().toPoint(), event.modifiers(), start, length, key);
  const PhraseNote landed = Landing(*press_, start, length, key);
  RollNote shown = press_->shown;
  shown.start = uint32_t(landed.startTick);
  shown.key = uint8_t(landed.key);
  const int gate = press_->phrase.gate;
  shown.length = uint32_t(gate == 0 ? landed.lengthTicks : std::max<int64_t>(1, landed.lengthTicks * gate / 100));
  editor_.DragNote(press_->note, shown, uint32_t(landed.lengthTicks));
  return true;
}

bool RollNoteEdits::MouseRelease(QMouseEvent& event) {
  if (!press_ || event.button() != Qt::LeftButton) return false;
  const std::unique_ptr<Press> p = std::move(press_);
  if (!p->dragging) {
    // Only a click: the view's, as if never watched.
    QMouseEvent click(QEvent::MouseButtonPress, p->at, p->globalAt, Qt::LeftButton, Qt::LeftButton, p->modifiers);
    forwarding_ = true;
    QCoreApplication::sendEvent(&view_, &click);
    forwarding_ = false;
    return false;
  }
  int64_t start, length;
  int key;
  Dragged(*p, event.position().toPoint(), event.modifiers(), start, length, key);
  editor_.EndDrag();
  const int number = p->number;
  // Dragged and back, or held where the phrase allows nothing else: no edit.
  const PhraseNote landed = Landing(*p, start, length, key);
  if (landed.startTick == p->phrase.startTick && landed.lengthTicks == p->phrase.lengthTicks &&
      landed.key == p->phrase.key)
    return true;
  if (p->end) {
    if (length != p->phrase.lengthTicks)
      Edit(tr("音の長さを変えました。"), [&](Phrase& phrase) { SetNoteLength(phrase, number, length); });
  } else if (start != p->phrase.startTick) {
    Edit(tr("音を動かしました。"), [&](Phrase& phrase) { MoveNote(phrase, number, start, key); });
  } else if (key != p->phrase.key) {
    Edit(tr("音の高さを変えました。"), [&](Phrase& phrase) { MoveNote(phrase, number, start, key); }, false);
  }
  return true;
}

bool RollNoteEdits::DoubleClick(QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  if (event.button() != Qt::LeftButton || editor_.NoteAt(at) >= 0) return false;
  const int64_t tick = editor_.TickAt(at.x());
  if (tick >= int64_t{editor_.content().endTick}) return true;
  int key = std::clamp(editor_.KeyAt(at.y()), 0, 127);
  if (!(event.modifiers() & Qt::ShiftModifier)) key = OnScale(links_.state.weights, key, key);
  Edit(tr("音を加えました。"), [&](Phrase& phrase) {
    const int64_t step = StepOf(phrase);
    AddNote(phrase, links_.settings, tick / step * step, key);
  });
  return true;
}

bool RollNoteEdits::KeyPress(QKeyEvent& event) {
  if (event.key() == Qt::Key_Escape && press_) {
    // The drag given up: the note stays as it was.
    press_.reset();
    editor_.EndDrag();
    return true;
  }
  if (event.key() != Qt::Key_Delete && event.key() != Qt::Key_Backspace) return false;
  const int number = editor_.Number(editor_.Selected());
  if (number == 0) return false;
  Edit(tr("音を消しました。"), [&](Phrase& phrase) { RemoveNote(phrase, number); });
  return true;
}

void RollNoteEdits::SetVelocity(int note, int velocity) {
  const int number = editor_.Number(note);
  if (number == 0) return;
  Edit(tr("音の強さを変えました。"), [&](Phrase& phrase) { SetNoteVelocity(phrase, number, velocity); });
}

void RollNoteEdits::Edit(const QString& status, const std::function<void(Phrase&)>& edit, bool moves) {
  RunHandler([&] {
    const TakeCommand take(links_.takes, "edit");
    Phrase* phrase = links_.editable();
    if (!phrase) return;
    if (moves && !phrase->Rewritable()) {
      links_.settings.SetStatus(StatusText(tr("このフレーズは音の高さのほかは変えられません（拍の刻みが分からないため）。")));
      return;
    }
    edit(*phrase);
    links_.changed(status);
  });
}

}  // namespace volemo

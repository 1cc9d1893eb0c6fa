// The piano roll's one editor object: it holds what the roll shows (the
// content, the locks, the selection, the playhead) and the geometry every
// view of it shares (zoom, scroll, rows), so that the keyboard, the ruler
// and the note view stay in step without knowing each other.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <QTimer>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "roll_content.h"
#include "roll_marks.h"

namespace volemo {

class RollEditor : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTicksPerBeat = dvorlin::kTicksPerQuarter;
  // Rows are never lower than this: the roll scrolls instead.
  static constexpr int kMinRowHeight = 14;
  // Nor notes narrower, so that the shortest can be seen and hit.
  static constexpr int kMinNoteWidth = 4;

  explicit RollEditor(QObject* parent = nullptr);

  // New content: fitted to the width again unless its length stays (a
  // re-roll keeps its notes' places, so zoom and selection stay too). The
  // rows stay as they were while the key range stays and the notes fit in
  // them, so that a note kept from take to take keeps its place.
  void SetContent(RollContent content);
  // The keys the phrase is drawn from (low <= high): the rows hold them
  // all, whatever keys a take happens to use. Takes effect with the next
  // content.
  void SetKeyRange(int low, int high) { keyRange_ = {low, high}; }
  // The scale's pitch classes (bit p for pitch class p; 0 for none known)
  // and its tonic, whose rows are shaded.
  void SetScale(unsigned mask, int tonic);
  bool HasScale() const { return scaleMask_ != 0; }
  bool InScale(int key) const { return scaleMask_ >> (key % 12) & 1u; }
  bool IsTonic(int key) const { return scaleMask_ != 0 && key % 12 == tonic_; }
  // What the text does not say: chords, sections, beats, chancy steps.
  void SetMarks(RollMarks marks);
  const RollMarks& Marks() const { return marks_; }
  const RollContent& content() const { return content_; }
  // A note being dragged: shown at `to` over a faint ghost where it was,
  // with its row, key and span marked, until the drag ends; the content
  // stays as it is. `written` is its length as the text will have it (the
  // shown one is after the gate).
  struct NoteDrag {
    int note = -1;
    RollNote to;
    uint32_t written = 0;
  };
  void DragNote(int note, const RollNote& to, uint32_t written);
  void EndDrag();
  const std::optional<NoteDrag>& Drag() const { return drag_; }
  bool Dragged(int note) const { return drag_ && drag_->note == note; }
  // The note as the roll shows it now: where the drag has it, if dragged.
  const RollNote& Shown(int note) const;
  // Per note of the content: its phrase number (1..), 0 for none, and
  // whether it is locked. Empty when the phrase has no numbered notes.
  void SetNumbers(std::vector<int> numbers, std::vector<bool> locked);
  int Number(int note) const;
  bool Locked(int note) const;
  // The notes the last operation changed, outlined for a moment.
  void ShowChanged(std::vector<int> notes);
  bool Changed(int note) const;
  // The name of the note's part ("melody" when the text has no parts), and
  // the percent its steps sound.
  std::string PartOf(int note) const;
  int StepProbability(int note) const;

  // Note names count octaves from MIDI key 0 (C4 = 48), or from key 12
  // (C4 = 60).
  int MiddleC() const { return middleC_; }
  void SetMiddleC(int key);  // 48 or 60
  QString KeyName(int key) const;
  // A time as bar.beat.sixteenth ("2.3.1", each from 1), and a length as a
  // fraction of a whole note ("3/16").
  QString Position(int64_t tick) const;
  static QString Length(int64_t ticks);

  // The note view's size: every other measure follows from it.
  void SetViewSize(QSize size);
  QSize ViewSize() const { return view_; }

  // Horizontal: zoom 1 shows the whole phrase in the view's width.
  double Zoom() const { return zoom_; }
  void ZoomAt(int x, double factor);  // keeps the time under x in place
  int Scroll() const { return scroll_; }
  void SetScroll(int x);
  int ContentWidth() const;
  double PixelsPerTick() const;
  int X(int64_t tick) const;
  int TickAt(int x) const;

  // Vertical: every key from a little below the lowest note (or key of the
  // range) to a little above the highest, at least an octave, fills the
  // height, rows no lower than kMinRowHeight; what does not fit scrolls.
  int TopKey() const { return topKey_; }
  int BottomKey() const { return bottomKey_; }
  double RowHeight() const;
  int ContentHeight() const;
  int VerticalScroll() const { return vscroll_; }
  void SetVerticalScroll(int y);
  int Y(int key) const;  // the top of the key's row
  int RowBottom(int key) const { return Y(key - 1); }
  int KeyAt(int y) const;

  // Bars and beats from one tick to another, as the text's time signatures
  // (4/4 until the first) and the marks' beats divide them.
  struct GridLine {
    int64_t tick = 0;
    bool bar = false;
    int barNumber = 0;  // 1..
  };
  std::vector<GridLine> Grid(int64_t from, int64_t to) const;
  int64_t FirstBarTicks() const;

  QRect NoteRect(int note) const;
  QRect RectOf(const RollNote& note) const;
  // The pin of a locked note: above it, leaving all of the note in sight.
  QRect LockMarkRect(int note) const;
  // The note there whose own time is nearest the point (a short note is
  // drawn wider than it lasts), -1 for none.
  int NoteAt(QPoint point) const;
  // Every note, longest first: the order to paint them in, so that short
  // notes lie on top.
  std::vector<int> PaintOrder() const;

  int Selected() const { return selected_; }
  void Select(int note);  // -1 for none
  // Left/right in time, up/down among the notes that start together.
  void SelectNeighbour(int dx, int dy);

  int Playhead() const { return playhead_; }
  // -1 hides it. When zoomed in, the view turns the page so that the
  // playhead stays in sight.
  void SetPlayhead(int tick);

 signals:
  // Zoom, scroll, content, locks or selection: every view paints anew.
  void viewChanged();
  // Only the playhead moved: the views repaint the strips at these x.
  void playheadMoved(int oldX, int newX);
  // Only the dragged note moved: the views repaint what marks it.
  void dragMoved();

 private:
  bool Fit();  // whether the rows changed
  void CenterOn(double key);
  double MiddleKey() const;
  int MaxScroll() const;
  int MaxVerticalScroll() const;

  RollContent content_;
  std::vector<int> numbers_;
  std::vector<bool> locked_;
  std::vector<bool> changed_;
  std::optional<NoteDrag> drag_;
  QTimer changedTimer_;
  RollMarks marks_;
  QSize view_{1, 1};
  double zoom_ = 1.0;
  int scroll_ = 0;
  int vscroll_ = 0;
  std::pair<int, int> keyRange_{0, -1};     // none while high < low
  std::pair<int, int> fittedRange_{0, -1};  // the range the rows were fitted to
  bool fitted_ = false;
  unsigned scaleMask_ = 0;
  int tonic_ = 0;
  int middleC_ = 48;
  int topKey_ = 71, bottomKey_ = 60;
  int selected_ = -1;
  int playhead_ = -1;
};

}  // namespace volemo

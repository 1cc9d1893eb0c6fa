// The piano roll's one editor object: it holds what the roll shows (the
// content, the locks, the selection, the playhead) and the geometry every
// view of it shares (zoom, scroll, rows), so that the keyboard, the ruler
// and the note view stay in step without knowing each other.
#pragma once

#include <QObject>
#include <QRect>
#include <QSize>
#include <vector>

#include "roll_content.h"

namespace volemo {

class RollEditor : public QObject {
  Q_OBJECT

 public:
  static constexpr int kTicksPerBeat = dvorlin::kTicksPerQuarter;
  static constexpr int kTicksPerBar = 4 * kTicksPerBeat;

  explicit RollEditor(QObject* parent = nullptr);

  // New content: fitted to the width again unless its length stays (a
  // re-roll keeps its notes' places, so zoom and selection stay too).
  void SetContent(RollContent content);
  const RollContent& content() const { return content_; }
  // One note shown elsewhere while it is dragged, the rest and the rows
  // as they are.
  void SetNote(int note, const RollNote& shown);
  // Per note of the content: its phrase number (1..), 0 for none, and
  // whether it is locked. Empty when the phrase has no numbered notes.
  void SetNumbers(std::vector<int> numbers, std::vector<bool> locked);
  int Number(int note) const;
  bool Locked(int note) const;

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

  // Vertical: every key from a little below the lowest note to a little
  // above the highest, at least an octave, fills the height.
  int TopKey() const { return topKey_; }
  int BottomKey() const { return bottomKey_; }
  double RowHeight() const;
  int Y(int key) const;  // the top of the key's row
  int RowBottom(int key) const { return Y(key - 1); }

  QRect NoteRect(int note) const;
  int NoteAt(QPoint point) const;  // -1 when none is there

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

 private:
  void Fit();
  int MaxScroll() const;

  RollContent content_;
  std::vector<int> numbers_;
  std::vector<bool> locked_;
  QSize view_{1, 1};
  double zoom_ = 1.0;
  int scroll_ = 0;
  int topKey_ = 71, bottomKey_ = 60;
  int selected_ = -1;
  int playhead_ = -1;
};

}  // namespace volemo

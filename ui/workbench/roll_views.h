// The piano roll's three views over one RollEditor: the keyboard at the
// left, the bars-and-beats ruler on top, and the notes. Each paints itself
// from the editor's geometry; the editor's signals keep them in step.
#pragma once

#include <optional>

#include <QPixmap>
#include <QToolButton>
#include <QWidget>

namespace volemo {

class RollEditor;

struct RollSpan;

// The keys of the rows, white and black, with their names; the scale's
// tonic marked.
class RollKeyboard : public QWidget {
  Q_OBJECT

 public:
  explicit RollKeyboard(RollEditor& editor, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {44, 200}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QRect RowRect(int key) const;
  RollEditor& editor_;
  int marked_ = -1;  // the dragged note's key, as last painted
};

// Above the keyboard: which octave numbering the names use (C4 = 48 or
// C4 = 60); a click changes it, and it is remembered.
class RollNameButton : public QToolButton {
  Q_OBJECT

 public:
  explicit RollNameButton(RollEditor& editor, QWidget* parent = nullptr);

 private:
  void Show();
  RollEditor& editor_;
};

// Bars and beats, and above them the sections and chords where the marks
// have them. A click asks to play from the time clicked; a click on a
// section's tab (either button) asks for that section's operations.
class RollRuler : public QWidget {
  Q_OBJECT

 public:
  explicit RollRuler(RollEditor& editor, QWidget* parent = nullptr);
  QSize sizeHint() const override { return {400, height()}; }
  // Where a section's (band 0) or chord's (band 1) label is painted.
  enum Band { kSections, kChords };
  QRect MarkRect(const RollSpan& span, Band band) const;

 signals:
  void playFromRequested(int tick);
  // The section's index in the marks, the tick and the place clicked.
  void sectionClicked(int section, int tick, QPoint globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void FitHeight();
  int BandTop(Band band) const;
  // Where the dragged note lies on the bars' strip; empty without a drag.
  QRect DragSpan() const;
  RollEditor& editor_;
  QRect marked_;  // the drag's span as last painted
};

// The notes over the grid, and the playhead over them. The grid and notes
// are painted once into a picture kept until the editor's view changes; a
// moving playhead repaints only the strips it leaves and enters.
class RollNoteView : public QWidget {
  Q_OBJECT

 public:
  explicit RollNoteView(RollEditor& editor, QWidget* parent = nullptr);
  // Asks for the height of 28 of the lowest rows, so that the default
  // range (two octaves and a row either side) fits where the workbench
  // shares its height with the take list.
  QSize sizeHint() const override { return {640, 28 * 14}; }
  // The picture of grid and notes, painted anew (what a repaint after a
  // change costs).
  void PaintBackground();

 signals:
  // A plain click: lock or unlock. With Shift or Ctrl: hear the note alone.
  void noteClicked(int note, Qt::KeyboardModifiers modifiers);
  // Pressed between the notes and moved: the phrase is to be dragged out.
  void dragRequested();

 protected:
  bool event(QEvent* event) override;  // a note's tooltip
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // The dragged note at its new place, its row across the view and a
  // readout of its key, start and length, over the picture; and the area
  // they take.
  void PaintDrag(QPainter& p) const;
  QRect DragArea() const;
  QRect ReadoutRect(const QString& text, const QRect& note) const;
  QString Readout() const;

  RollEditor& editor_;
  std::optional<QPoint> dragFrom_;  // a press between the notes
  QPixmap background_;
  bool stale_ = true;
  QRect dragArea_;  // as last painted
};

}  // namespace volemo

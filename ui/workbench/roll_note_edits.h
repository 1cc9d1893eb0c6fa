// Hand editing on the piano roll: a note dragged up or down (its key, on
// the scale unless Shift is held), along (its start, on the step grid) or
// by its end (its length, on the step grid), Escape giving the drag up; a
// double-click between the notes adds one, Delete removes the selected
// one. It watches the note view's mouse and keys (an event filter), so the
// view paints as before; a press on a note that is not dragged reaches the
// view as a click. Each edit is one take, which the take commands step
// back from and on to.
#pragma once

#include <QMouseEvent>
#include <QObject>
#include <QPoint>
#include <QString>
#include <functional>
#include <memory>

#include "engine_state.h"
#include "phrase.h"
#include "roll_content.h"
#include "settings.h"

class QWidget;

namespace volemo {

class RollEditor;
class TakeKeeper;

struct NoteEditLinks {
  Settings& settings;
  const EngineState& state;
  TakeKeeper& takes;
  // The phrase the edits may change, or null after saying why not.
  std::function<Phrase*()> editable;
  // After an edit: the phrase's text into the box, reported with status.
  std::function<void(const QString& status)> changed;
};

class RollNoteEdits : public QObject {
  Q_OBJECT

 public:
  RollNoteEdits(RollEditor& editor, QWidget& view, NoteEditLinks links, QObject* parent = nullptr);
  ~RollNoteEdits() override;

  // The step of the roll's note to velocity (1..127), as one take.
  void SetVelocity(int note, int velocity);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Press;
  bool MousePress(QMouseEvent& event);
  bool MouseMove(QMouseEvent& event);
  bool MouseRelease(QMouseEvent& event);
  bool DoubleClick(QMouseEvent& event);
  bool KeyPress(QKeyEvent& event);
  // Runs edit on the editable phrase as one take, then reports status.
  void Edit(const QString& status, const std::function<void(Phrase&)>& edit, bool moves = true);
  // Where the drag has the pressed note now: start, written length, key.
  void Dragged(const Press& press, QPoint at, Qt::KeyboardModifiers modifiers, int64_t& start, int64_t& length,
               int& key) const;
  // Where the phrase would have the note after that drag.
  PhraseNote Landing(const Press& press, int64_t start, int64_t length, int key) const;

  RollEditor& editor_;
  QWidget& view_;
  NoteEditLinks links_;
  std::unique_ptr<Press> press_;  // a press on a note, until its release
  bool forwarding_ = false;       // a press on its way to the view
};

}  // namespace volemo

// The phrase dragged out of the window, into a DAW, a file manager or a
// text editor: a MIDI file of its own as text/uri-list and the MML as
// text/plain. The drag handle on the toolbar and the workbench's roll both
// start it.
#pragma once

#include <QString>
#include <QToolButton>
#include <memory>

#include "engine_state.h"
#include "settings.h"

class QMimeData;

namespace volemo {

// "Major_C_120bpm": the scale and key selected and the tempo, as the name
// of the dragged file. Characters a file name cannot hold become "_".
QString DragFileStem(const Settings& settings, const EngineState& state);

// The MML box compiled into a new file under $XDG_CACHE_HOME/volemo/drag/,
// named DragFileStem (with "-2", "-3"... when the name is taken: a file an
// earlier drag handed out may still be on its way into some program), and
// the box's text. Null when the box does not compile (LastCompileMessage
// says why); throws WindowError when the file cannot be made.
std::unique_ptr<QMimeData> PhraseDragData(const Settings& settings, const EngineState& state);

// Drags the phrase from source until it is dropped or given up. An empty
// MML box, or one that does not compile, says so on the status line and
// drags nothing.
void DragPhrase(QWidget& source, Settings& settings, const EngineState& state);

// The toolbar's drag handle: pressed and moved, it asks for a drag.
class DragHandle : public QToolButton {
  Q_OBJECT

 public:
  explicit DragHandle(QWidget* parent = nullptr);

 signals:
  void dragRequested();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPoint pressedAt_;
  bool pressed_ = false;
};

}  // namespace volemo

#pragma once

class QWidget;

namespace volemo {

// The version box: the program's own dialog (not a system message box),
// captioned with the application title, closed by OK, Enter or Esc.
void ShowVersionBox(QWidget* owner);

}  // namespace volemo

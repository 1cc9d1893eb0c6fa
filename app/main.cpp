// Volemo: shows the main window and runs until it closes.
#include <QApplication>
#include <QFont>

#include "frmMainU.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // The boxes and dialogs speak Japanese too: give them a font that has it.
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  QApplication::setFont(font);

  volemo::TfrmMain window;
  window.show();
  return app.exec();
}

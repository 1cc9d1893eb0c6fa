// Volemo: shows the main window and runs until it closes.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFont>
#include <thread>

#include "frmMainU.h"

int main(int argc, char* argv[]) {
  // Fontconfig reads its configuration on the other core while the
  // application connects to the display; the window's first font would
  // otherwise wait for it (28 of the 112 million instructions before the
  // first paint).
  std::thread fontconfig([] { FcInit(); });
  QApplication app(argc, argv);
  // The boxes and dialogs speak Japanese too: give them a font that has it.
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  QApplication::setFont(font);
  fontconfig.join();

  volemo::TfrmMain window;
  window.show();
  return app.exec();
}

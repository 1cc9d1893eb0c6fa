// Volemo: shows the main window and runs until it closes.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFont>
#include <csignal>
#include <cstring>
#include <iostream>
#include <thread>

#include "frmMainU.h"
#include "gui_benri.h"

namespace {

constexpr const char* kUsage =
    "Usage: Volemo [FILE.mml]\n"
    "       Volemo --help | --version\n"
    "\n"
    "Opens the phrase maker's window (Japanese) with FILE.mml in its MML box (CP932\n"
    "or UTF-8); a MIDI file (.mid) plays. Qt's own options (e.g. -platform offscreen)\n"
    "are understood too. volemo-cli(1) runs the same engine without the window.\n";

}  // namespace

int main(int argc, char* argv[]) {
  // Answered before Qt starts, so that they need no display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << kUsage;
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::cout << "Volemo " VOLEMO_VERSION "\n";
      return 0;
    }
  }
  // A write past a file-size limit fails and is reported as that write's
  // failure instead of ending the window.
  std::signal(SIGXFSZ, SIG_IGN);
  // Fontconfig reads its configuration on the other core while the
  // application connects to the display; the window's first font would
  // otherwise wait for it before the first paint.
  std::thread fontconfig([] { FcInit(); });
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  QApplication::setApplicationVersion(QStringLiteral(VOLEMO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral(VOLEMO_APP_ID));
  if (const QString missing = volemo::LoadQtJapanese(); !missing.isEmpty())
    std::cerr << "Volemo: " << missing.toStdString()
              << " is missing: Qt's own dialogs stay in English (Debian: qt6-translations-l10n)\n";
  // The boxes and dialogs speak Japanese too: give them a font that has it.
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  QApplication::setFont(font);
  fontconfig.join();

  QStringList files;
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') {
      std::cerr << "Volemo: unknown option " << argv[i] << "\n\n" << kUsage;
      return 2;
    }
    files << QString::fromLocal8Bit(argv[i]);
  }

  volemo::TfrmMain window;
  window.show();
  for (const QString& file : files) window.OpenFile(file);
  return app.exec();
}

// Volemo: shows the main window and runs until it closes.
#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QFont>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <thread>

#include "frmMainU.h"
#include "gui_benri.h"
#include "translation.h"

namespace {

using volemo::Language;

// Before Qt starts (--help needs no display), so the usage is in plain text
// here rather than in the translations. The synopsis is the same in both.
constexpr const char* kUsageJapanese =
    "Usage: Volemo [--lang ja|en] [FILE.mml]\n"
    "       Volemo --help | --version\n"
    "\n"
    "フレーズメイカーのウィンドウを開き、FILE.mml（CP932 か UTF-8）を MML の欄に読み込みます。\n"
    "MIDI ファイル (.mid) は演奏します。Qt のオプション（-platform offscreen など）も使えます。\n"
    "--lang は表示言語を選びます（ja: 日本語、en: 英語）。指定がなければ、メニューで最後に\n"
    "選んだ言語、環境変数 VOLEMO_LANG、日本語の順です。\n"
    "volemo-cli(1) は同じエンジンをウィンドウなしで動かします。\n";
constexpr const char* kUsageEnglish =
    "Usage: Volemo [--lang ja|en] [FILE.mml]\n"
    "       Volemo --help | --version\n"
    "\n"
    "Opens the phrase maker's window with FILE.mml in its MML box (CP932 or UTF-8);\n"
    "a MIDI file (.mid) plays. Qt's own options (e.g. -platform offscreen) are\n"
    "understood too. --lang picks the window's language (ja: Japanese, en: English);\n"
    "without it, the language last chosen in the menu, then VOLEMO_LANG, then\n"
    "Japanese. volemo-cli(1) runs the same engine without the window.\n";

const char* Usage(Language language) { return language == Language::English ? kUsageEnglish : kUsageJapanese; }

std::optional<Language> EnvironmentLanguage() {
  const char* code = std::getenv("VOLEMO_LANG");
  return code ? volemo::LanguageFromCode(code) : std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  // --lang is taken out of argv here, before Qt sees the arguments.
  std::optional<Language> asked;
  int kept = 1;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    std::string code;
    if (arg == "--lang" && i + 1 < argc) code = argv[++i];
    else if (arg.rfind("--lang=", 0) == 0) code = arg.substr(7);
    else if (arg == "--lang") code = "";
    else {
      argv[kept++] = argv[i];
      continue;
    }
    asked = volemo::LanguageFromCode(code);
    if (!asked) {
      const Language say = EnvironmentLanguage().value_or(Language::Japanese);
      std::cerr << (say == Language::English ? "Volemo: --lang takes ja or en, not \""
                                             : "Volemo: --lang には ja か en を指定してください（\"")
                << code << (say == Language::English ? "\"\n\n" : "\" は使えません）\n\n") << Usage(say);
      return 2;
    }
  }
  argc = kept;
  argv[argc] = nullptr;
  // The help's language: as asked, else the environment's (the stored
  // choice needs the settings, which --help does not read).
  const Language helpLanguage = asked ? *asked : EnvironmentLanguage().value_or(Language::Japanese);
  // Answered before Qt starts, so that they need no display.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::cout << Usage(helpLanguage);
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
  const Language language = asked ? *asked
                                  : volemo::HasStoredLanguage() ? volemo::StoredLanguage()
                                                                : EnvironmentLanguage().value_or(Language::Japanese);
  if (const QString missing = volemo::InstallTranslations(language, volemo::TranslationsFolder()); !missing.isEmpty())
    std::cerr << "Volemo: " << missing.toStdString()
              << (language == Language::English ? " is missing: the window stays in Japanese\n"
                                                : " is missing: Qt's own dialogs stay in English (Debian: qt6-translations-l10n)\n");
  // The boxes and dialogs speak Japanese too: give them a font that has it.
  QFont font(QStringLiteral("IPAPGothic"));
  font.setPixelSize(12);
  QApplication::setFont(font);
  fontconfig.join();

  QStringList files;
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] == '-') {
      std::cerr << (language == Language::English ? "Volemo: unknown option " : "Volemo: 不明なオプション ") << argv[i]
                << "\n\n" << Usage(language);
      return 2;
    }
    files << QString::fromLocal8Bit(argv[i]);
  }

  volemo::TfrmMain window;
  window.show();
  for (const QString& file : files) window.OpenFile(file);
  return app.exec();
}

// volemo-cli: the phrase engine from the command line.
#include <malloc.h>

#include <csignal>

#include <array>
#include <iostream>
#include <string_view>

#include "commands.h"
#include "language.h"
#include "message_format.h"
#include "translatable.h"

namespace {

using volemo::FormatMessage;
using volemo::cli::ArgumentReader;
using volemo::cli::Said;

struct Command {
  std::string_view name;
  int (*run)(ArgumentReader&);
  const char* summary;
};

constexpr std::array kCommands = {
    Command{"phrase", volemo::cli::RunPhrase, QT_TRANSLATE_NOOP("Message", "フレーズを作り、その MML を標準出力に書く")},
    Command{"pattern", volemo::cli::RunPattern, QT_TRANSLATE_NOOP("Message", "リズムパターンを引き、標準出力に書く")},
    Command{"compile", volemo::cli::RunCompile, QT_TRANSLATE_NOOP("Message", "MML のファイルを MIDI ファイルにコンパイルする")},
    Command{"render", volemo::cli::RunRender, QT_TRANSLATE_NOOP("Message", "MIDI ファイルを WAV, FLAC か Ogg Vorbis のファイルにレンダリングする")},
    Command{"batch", volemo::cli::RunBatch, QT_TRANSLATE_NOOP("Message", "たくさんのフレーズをマニフェストとともにフォルダに作る")},
    Command{"takes", volemo::cli::RunTakes, QT_TRANSLATE_NOOP("Message", "記録したフレーズの一覧、表示、書き出し、スター、削除")},
    Command{"presets", volemo::cli::RunPresets, QT_TRANSLATE_NOOP("Message", "プリセットの一覧")},
    Command{"learn", volemo::cli::RunLearn, QT_TRANSLATE_NOOP("Message", "MIDI ファイルかスター付きのテイクから設定を学ぶ")},
    Command{"ports", volemo::cli::RunPorts, QT_TRANSLATE_NOOP("Message", "フレーズを演奏できる MIDI ポートの一覧")},
    Command{"scales", volemo::cli::RunScales, QT_TRANSLATE_NOOP("Message", "--scale に書けるスケールの名前の一覧")},
    Command{"controls", volemo::cli::RunControls, QT_TRANSLATE_NOOP("Message", "--set に書けるコントロールの一覧（範囲と既定値つき）")},
};

constexpr char kUsage[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli [--lang ja|en] COMMAND [OPTIONS]
        volemo-cli --help | --version

コマンド:
)");
constexpr char kUsageTrailer[] = QT_TRANSLATE_NOOP("Message", R"(
'volemo-cli COMMAND --help' でコマンドのオプションを示す。--lang（または VOLEMO_LANG）で
メッセージとヘルプの言語を選ぶ: ja は日本語（既定）、en は英語。
)");

void PrintUsage(std::ostream& out) {
  out << Said(kUsage);
  for (const Command& c : kCommands) out << "  " << c.name << std::string(10 - c.name.size(), ' ') << Said(c.summary) << '\n';
  out << Said(kUsageTrailer);
}

}  // namespace

int main(int argc, char** argv) {
  // Large documents: memory freed stays with the process for the next
  // allocation instead of going back to the system and being faulted in
  // anew at every page.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  mallopt(M_TOP_PAD, 32 << 20);
  // A write past a file-size limit fails, and is reported as the failure of
  // that write, instead of ending the program where it stood.
  std::signal(SIGXFSZ, SIG_IGN);
  volemo::cli::TakeLanguageFromEnvironment();
  int at = 1;
  if (argc > at && std::string_view(argv[at]) == "--lang") {
    if (argc == at + 1 || !volemo::cli::SetLanguage(argv[at + 1])) {
      std::cerr << "volemo-cli: " << Said(QT_TRANSLATE_NOOP("Message", "--lang には ja か en を指定してください")) << '\n';
      return 2;
    }
    at += 2;
  }
  const std::string_view first = argc > at ? argv[at] : "";
  if (first == "--help" || first == "-h") {
    PrintUsage(std::cout);
    return 0;
  }
  if (first == "--version") {
    std::cout << "volemo-cli " VOLEMO_VERSION "\n";
    return 0;
  }
  for (const Command& c : kCommands) {
    if (c.name != first) continue;
    try {
      ArgumentReader args(std::vector<std::string>(argv + at + 1, argv + argc));
      return c.run(args);
    } catch (const volemo::cli::UsageError& e) {
      std::cerr << "volemo-cli " << c.name << ": " << Said(e.what()) << '\n'
                << Said(FormatMessage(QT_TRANSLATE_NOOP("Message", "'volemo-cli %1 --help' を見てください。"), {c.name}))
                << '\n';
      return 2;
    } catch (const std::exception& e) {
      std::cerr << "volemo-cli " << c.name << ": " << Said(e.what()) << '\n';
      return 1;
    }
  }
  std::cerr << "volemo-cli: "
            << Said(first.empty() ? QT_TRANSLATE_NOOP("Message", "コマンドがありません")
                                  : FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は不明なコマンドです"), {first}))
            << '\n';
  PrintUsage(std::cerr);
  return 2;
}

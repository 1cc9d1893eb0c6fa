// volemo-cli takes ... and volemo-cli presets ...: the kept phrases and the
// presets, in the same database as the window's.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <memory>

#include "commands.h"
#include "cp932.h"
#include "interrupts.h"
#include "language.h"
#include "phrase_export.h"
#include "presets.h"
#include "session.h"
#include "take_store.h"
#include "translatable.h"
#include "message_format.h"

namespace volemo::cli {
namespace {

constexpr char kTakesHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli takes list [--starred] [--limit N] [--json]
        volemo-cli takes show ID
        volemo-cli takes export ID FILE
        volemo-cli takes star|unstar|delete ID
ウィンドウ（と 'phrase --keep'）が記録したフレーズ。新しいものから。
  list      一つを一行に: ID、時刻、スター、名前、スケールと調、テンポ、音色、パターン。
            --json では代わりに一行に一つの JSON オブジェクトを書く
  show      テイクの MML を 'phrase' と同じように書く（CP932、CR LF）
  export    テイクを FILE に書き出す: 拡張子で .mid, .mml, .wav, .flac か .ogg
データベースは $VOLEMO_DATA_DIR/takes.sqlite3、なければ $XDG_DATA_HOME/volemo/takes.sqlite3
（既定 ~/.local/share/volemo/）。
)");
constexpr char kPresetsHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli presets list
'phrase --preset NAME' と 'pattern --preset NAME' に書けるプリセット:
Volemo についてくるもの、続いてウィンドウで保存したもの。
)");

const char* const kKeyNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

std::string Control(const Take& take, std::string_view name) {
  for (const auto& [control, value] : take.controls)
    if (control == name) return value;
  return "";
}

std::string KeyName(const Take& take) {
  const std::string key = Control(take, "cmbKey");
  const int index = key.empty() ? -1 : std::atoi(key.c_str());
  return index >= 0 && index < 12 ? kKeyNames[index] : "";
}

// A field of a list line: its tabs, line breaks and backslashes escaped as
// C writes them, so that each take stays one line of the same columns.
std::string Escaped(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c == '\\') out += "\\\\";
    else if (c == '\t') out += "\\t";
    else if (c == '\n') out += "\\n";
    else if (c == '\r') out += "\\r";
    else out += c;
  }
  return out;
}

nlohmann::ordered_json ToJson(const Take& take) {
  nlohmann::ordered_json settings = nlohmann::ordered_json::object();
  for (const auto& [name, value] : take.controls) settings[name] = value;
  nlohmann::ordered_json parts = nlohmann::ordered_json::object();
  for (const auto& [name, value] : take.parts) parts[name] = value;
  nlohmann::ordered_json j = {
      {"id", take.id},
      {"created", take.created},
      {"operation", take.operation},
      {"parent", take.parent ? nlohmann::ordered_json(*take.parent) : nlohmann::ordered_json(nullptr)},
      {"starred", take.starred},
      {"name", take.name},
      {"scale", take.scale},
      {"weights", take.weights},
      {"pattern", take.pattern},
      {"mml", take.mml},
      {"settings", settings},
      {"parts", parts},
      {"random_state", take.randomState},
  };
  return j;
}

int64_t TakeId(ArgumentReader& args) {
  const long long id = ParseInteger(args.TakePositional("ID"), "ID");
  if (!args.AtEnd()) args.RejectNext();
  return id;
}

std::string NoTake(const TakeStore& store, int64_t id) {
  return FormatMessage(QT_TRANSLATE_NOOP("Message", "%2 にテイク %1 はありません"), {std::to_string(id), store.path()});
}

Take Existing(const TakeStore& store, int64_t id) {
  std::optional<Take> take = store.Get(id);
  if (!take) throw std::runtime_error(NoTake(store, id));
  return *take;
}

int List(TakeStore& store, ArgumentReader& args) {
  bool starred = false, json = false;
  int limit = -1;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--starred")) starred = true;
    else if (args.TakeFlag("--json")) json = true;
    else if (auto n = args.TakeValue("--limit")) {
      const long long v = ParseInteger(*n, "--limit");
      if (v < 0 || v > INT32_MAX)
        throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--limit には 0 以上を指定してください（%1 ではなく）"), {*n}));
      limit = static_cast<int>(v);
    } else args.RejectNext();
  }
  for (const Take& t : store.List(starred, limit)) {
    if (json) {
      // Bytes that are not UTF-8 (a name written by another program) come
      // out as U+FFFD rather than ending the list.
      std::cout << ToJson(t).dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
      continue;
    }
    std::string pattern = t.pattern;
    std::erase(pattern, '\r');
    std::replace(pattern.begin(), pattern.end(), '\n', ' ');
    std::cout << t.id << '\t' << t.created << '\t' << (t.starred ? "★" : "") << '\t' << Escaped(t.name) << '\t'
              << Escaped(t.scale) << ' ' << KeyName(t) << '\t' << Escaped(Control(t, "spnTempo")) << '\t'
              << Escaped(Control(t, "spnVoice")) << '\t' << Escaped(pattern) << '\n';
  }
  return 0;
}

}  // namespace

int RunTakes(ArgumentReader& args) {
  if (args.AtEnd() || args.TakeFlag("--help")) {
    std::cout << Said(kTakesHelp);
    return 0;
  }
  const std::string action = args.TakePositional("action");
  TakeStore store(TakesDatabasePath());
  if (action == "list") return List(store, args);
  if (action == "show") {
    WriteOutput(Cp932FromUtf8(Existing(store, TakeId(args)).mml));
    return 0;
  }
  if (action == "export") {
    const int64_t id = ParseInteger(args.TakePositional("ID"), "ID");
    const std::string file = args.TakePositional("FILE");
    if (!args.AtEnd()) args.RejectNext();
    if (!CanExportTo(file))
      throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "FILE の名前は .mid, .mml, .wav, .flac か .ogg で終えてください: %1"), {file}));
    const std::string mml = Cp932FromUtf8(Existing(store, id).mml);
    try {
      // An interrupt stops a render and takes its files away, as render's does.
      const DeferInterrupts whileWriting;
      ExportPhrase(mml, file, [](double) { return InterruptPending(); });
    } catch (const Error& e) {  // the compiler's message, or the file's
      ReportOnStderr(e.what());
      return 1;
    }
    return 0;
  }
  if (action == "star" || action == "unstar" || action == "delete") {
    const int64_t id = TakeId(args);
    const bool found = action == "delete" ? store.Remove(id) : store.SetStarred(id, action == "star");
    if (!found) throw std::runtime_error(NoTake(store, id));
    return 0;
  }
  throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は不明な操作です"), {action}));
}

int RunPresets(ArgumentReader& args) {
  if (args.TakeFlag("--help")) {
    std::cout << Said(kPresetsHelp);
    return 0;
  }
  if (args.TakePositional("action") != "list")
    throw UsageError(QT_TRANSLATE_NOOP("Message", "操作は list だけです"));
  if (!args.AtEnd()) args.RejectNext();
  // The shipped presets are listed even when the database cannot be read.
  std::unique_ptr<TakeStore> store;
  try {
    store = std::make_unique<TakeStore>(TakesDatabasePath());
  } catch (const StoreError& e) {
    std::cerr << "volemo-cli: " << Said(e.what()) << '\n';
  }
  for (const Preset& p : AllPresets(store.get()))
    std::cout << p.name << '\t' << p.scale << (p.shipped ? "\t(shipped)" : "") << '\n';
  return 0;
}

}  // namespace volemo::cli

// The lists a user needs to write the shared options: the scale names that
// --scale takes and the control names that --set takes.
#include <iomanip>
#include <iostream>
#include <optional>

#include "commands.h"
#include "controls.h"
#include "cp932.h"
#include "session.h"
#include "settings.h"
#include "translatable.h"
#include "language.h"

namespace volemo::cli {

namespace {

// Both listings take only --scale-file; none after --help, which prints
// usage.
std::optional<SessionOptions> ListingOptions(ArgumentReader& args, const char* usage) {
  SessionOptions options;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << Said(usage);
      return std::nullopt;
    }
    if (auto v = args.TakeValue("--scale-file")) options.scaleFile = *v;
    else args.RejectNext();
  }
  return options;
}


constexpr char kScalesHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli scales [--scale-file PATH]
--scale に書ける名前を、スケール定義ファイルの順に一行に一つ。
)");
constexpr char kControlsHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli controls [--scale-file PATH]
--set に書けるすべての名前: その範囲、起動時の値、設定するもの。
)");

}  // namespace

int RunScales(ArgumentReader& args) {
  const std::optional<SessionOptions> options =
      ListingOptions(args, kScalesHelp);
  if (!options) return 0;
  const Session session(*options);
  for (const std::string& name : session.state.scaleNames) std::cout << Utf8FromCp932(name) << '\n';
  // The reason an unreadable file gives no list is already on stderr.
  return session.state.scaleNames.empty() ? 1 : 0;
}

// The defaults are the values at start-up: the scale file read and its
// "Major" applied, which sets the scale's weight sliders too.
int RunControls(ArgumentReader& args) {
  const std::optional<SessionOptions> options =
      ListingOptions(args, kControlsHelp);
  if (!options) return 0;
  const Session session(*options);
  const Settings& settings = session.settings;
  std::cout << std::left << std::setw(20) << "NAME" << std::setw(10) << "RANGE" << std::setw(9) << "DEFAULT"
            << "MEANING\n";
  for (const ControlInfo& c : AllControls()) {
    // Only the scale list is filled at run time, from the scale file.
    const int last = c.maximum < c.minimum ? static_cast<int>(session.state.scaleNames.size()) - 1 : c.maximum;
    int initial = 0;
    switch (c.kind) {
      case ControlKind::Spin: initial = settings.Value(c.name); break;
      case ControlKind::Slider: initial = settings.Position(c.name); break;
      case ControlKind::List: initial = settings.Index(c.name); break;
      case ControlKind::Check: initial = settings.IsChecked(c.name) ? 1 : 0; break;
    }
    std::cout << std::setw(20) << c.name << std::setw(10) << (std::to_string(c.minimum) + ".." + std::to_string(last))
              << std::setw(9) << initial << c.meaning << '\n';
  }
  return 0;
}

}  // namespace volemo::cli

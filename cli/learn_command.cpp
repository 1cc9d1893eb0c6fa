// volemo-cli learn: the settings a MIDI file or the starred takes suggest.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iostream>
#include <optional>

#include "commands.h"
#include "cp932.h"
#include "groove_template.h"
#include "note_choice.h"
#include "session.h"
#include "style.h"
#include "style_sources.h"
#include "translatable.h"
#include "language.h"
#include "message_format.h"

namespace volemo::cli {
namespace {

constexpr char kLearnHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli learn FILE.mid [--track N] [--channel C] [--json] [--groove STEPS]
        volemo-cli learn --starred [--json] [--groove STEPS]
MIDI ファイル（形式 0 か 1。--track や --channel で選ばなければドラムのほかの
すべてのトラックとチャンネル）またはスター付きのテイクの音を読み、それに似た
フレーズを作る設定を 'phrase' や 'pattern' の --set オプションとして書く:
    volemo-cli phrase $(volemo-cli learn song.mid) --seed 5
書くのは: 音にいちばん合うスケールと調、十二のスケールの重み（各ピッチクラスの
音の割合。いちばん多いものを 10）、七つのリズムの重み（いちばん多いステップの
上で N r ^ m d W B と読んだ音）、ゲート、音域、ステップ、最初のテンポ、
ベロシティの中央値。
  --track N           トラック N（1 から）の音だけ
  --channel C         チャンネル C（1～16。10 ではドラムを読む）の音だけ
  --starred           ファイルの代わりにスター付きのテイクから学ぶ
  --json              見つけたすべてを一つの JSON オブジェクトで書く
  --groove STEPS      代わりにグルーヴのテンプレートを書く: 4/4 の一小節の STEPS
                      ステップ（16 か 12）それぞれの打点の数、ステップからの平均の
                      ずれ（ステップのパーセント）と平均のベロシティ、そしてスイング。
                      十六分音符ならフレーズのオプションでも（--swing S --swing-grid 16）
  --scale-file PATH   Scale.dat の代わりに PATH のスケールから調を探す
)");

std::string KeyName(int tonic) {
  const std::string name = NoteName(tonic);  // the octave 0 follows the name
  return name.substr(0, name.size() - 1);
}

struct Groove {
  int steps;
  std::vector<GroovePosition> steps_;
  std::optional<double> swing;
};

Groove LearnGroove(const PieceNotes& piece, int steps) {
  std::vector<Onset> onsets;
  for (const PieceNote& n : piece.notes) onsets.push_back({n.start, n.velocity});
  Groove groove{steps, GrooveTemplate(onsets, 4 * int64_t{piece.ticksPerQuarter}, steps), std::nullopt};
  groove.swing = SwingPercent(groove.steps_);
  return groove;
}

// The swing of a template of sixteenths as the phrase's groove options take
// it (50 to 75 on the 16ths' grid); none for other templates.
std::optional<std::string> SwingOptions(const Groove& groove) {
  if (groove.steps != 16 || !groove.swing) return std::nullopt;
  const long swing = std::clamp(std::lround(*groove.swing), 50L, 75L);
  return "--swing " + std::to_string(swing) + " --swing-grid 16";
}

std::string GrooveText(const Groove& groove) {
  std::string text = "step\tonsets\toffset%\tvelocity\n";
  char line[96];
  for (size_t i = 0; i < groove.steps_.size(); ++i) {
    const GroovePosition& g = groove.steps_[i];
    std::snprintf(line, sizeof line, "%zu\t%d\t%+.1f\t%.1f\n", i + 1, g.count, 100 * g.meanOffset, g.meanVelocity);
    text += line;
  }
  if (groove.swing) {
    std::snprintf(line, sizeof line, "swing\t%.1f\n", *groove.swing);
    text += line;
  }
  if (const auto options = SwingOptions(groove)) text += "options\t" + *options + "\n";
  return text;
}

nlohmann::ordered_json GrooveJson(const Groove& groove) {
  nlohmann::ordered_json steps = nlohmann::ordered_json::array();
  for (const GroovePosition& g : groove.steps_)
    steps.push_back({{"onsets", g.count}, {"offset", g.meanOffset}, {"velocity", g.meanVelocity}});
  const std::optional<std::string> options = SwingOptions(groove);
  return {{"steps", groove.steps},
          {"swing", groove.swing ? nlohmann::ordered_json(*groove.swing) : nlohmann::ordered_json(nullptr)},
          {"options", options ? nlohmann::ordered_json(*options) : nlohmann::ordered_json(nullptr)},
          {"template", steps}};
}

nlohmann::ordered_json StyleJson(const std::string& source, const Style& style) {
  nlohmann::ordered_json settings = nlohmann::ordered_json::object();
  for (const auto& [name, value] : StyleControls(style)) settings[name] = value;
  return {{"source", source},
          {"notes", style.notes},
          {"tracks", style.tracks},
          {"key", style.key.scale >= 0 ? nlohmann::ordered_json(KeyName(style.key.tonic)) : nlohmann::ordered_json(nullptr)},
          {"scale", style.key.scale >= 0 ? nlohmann::ordered_json(Utf8FromCp932(style.scaleName)) : nlohmann::ordered_json(nullptr)},
          {"score", style.key.score},
          {"symbols", style.symbols},
          {"settings", settings}};
}

}  // namespace

int RunLearn(ArgumentReader& args) {
  SessionOptions options;
  std::optional<std::string> path;
  NoteSelection selection;
  bool starred = false, json = false;
  std::optional<int> grooveSteps;
  while (!args.AtEnd()) {
    if (args.TakeFlag("--help")) {
      std::cout << Said(kLearnHelp);
      return 0;
    }
    if (auto v = args.TakeValue("--track")) {
      const long long track = ParseInteger(*v, "--track");
      if (track < 1 || track > 65535)
        throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--track には 1～65535 を指定してください（%1 ではなく）"), {*v}));
      selection.track = static_cast<int>(track);
    } else if (auto v = args.TakeValue("--channel")) {
      const long long channel = ParseInteger(*v, "--channel");
      if (channel < 1 || channel > 16)
        throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--channel には 1～16 を指定してください（%1 ではなく）"), {*v}));
      selection.channel = static_cast<int>(channel);
    } else if (auto v = args.TakeValue("--groove")) {
      const long long steps = ParseInteger(*v, "--groove");
      if (steps != 16 && steps != 12)
        throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--groove には 16 か 12 を指定してください（%1 ではなく）"), {*v}));
      grooveSteps = static_cast<int>(steps);
    } else if (auto v = args.TakeValue("--scale-file")) {
      options.scaleFile = *v;
    } else if (args.TakeFlag("--starred")) {
      starred = true;
    } else if (args.TakeFlag("--json")) {
      json = true;
    } else if (!path) {
      path = args.TakePositional("FILE.mid");
    } else {
      args.RejectNext();
    }
  }
  if (starred == path.has_value())
    throw UsageError(starred ? QT_TRANSLATE_NOOP("Message", "--starred にはファイルを指定しません")
                             : FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 がありません"), {"FILE.mid"}));
  if (starred && (selection.track || selection.channel))
    throw UsageError(QT_TRANSLATE_NOOP("Message", "--track と --channel はファイルの中で選ぶもので、テイクの中では選べません"));

  const PieceNotes piece = starred ? StarredTakeNotes(TakeStore(TakesDatabasePath())) : ReadPieceNotes(*path, selection);
  const std::string source = starred ? "starred takes" : *path;
  if (grooveSteps && !json) {
    WriteOutput(GrooveText(LearnGroove(piece, *grooveSteps)));
    return 0;
  }
  const Session session(options);
  const Style style = LearnStyle(piece, session.state);
  if (json) {
    nlohmann::ordered_json j = StyleJson(source, style);
    if (grooveSteps) j["groove"] = GrooveJson(LearnGroove(piece, *grooveSteps));
    WriteOutput(j.dump() + "\n");
    return 0;
  }
  std::string text;
  for (const auto& [name, value] : StyleControls(style)) text += (text.empty() ? "--set " : " --set ") + name + "=" + value;
  WriteOutput(text + "\n");
  return 0;
}

}  // namespace volemo::cli

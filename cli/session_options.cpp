// The options every engine command shares, and their friendly aliases,
// which become --set entries in command-line order.
#include <array>
#include <limits>
#include <optional>

#include "arrangement_options.h"
#include "controls.h"
#include "cp932.h"
#include "language.h"
#include "session.h"
#include "translatable.h"
#include "message_format.h"

namespace volemo::cli {
namespace {

std::string ToCp932(const std::string& utf8, std::string_view option) {
  try {
    return Cp932FromUtf8(utf8);
  } catch (const EncodingError& e) {
    throw UsageError(std::string(option) + ": " + Said(e.what()));
  }
}

void AddSet(SessionOptions& options, const std::string& control, const std::string& utf8Value) {
  const ControlInfo* info = FindControl(control);
  if (!info) throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 は不明なコントロールです"), {control}));
  if (info->kind != ControlKind::Spin) {
    const long long v = ParseInteger(utf8Value, control);
    if (info->kind == ControlKind::Check && v != 0 && v != 1)
      throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 には 0 か 1 を指定してください（%2 ではなく）"), {control, utf8Value}));
  }
  options.sets.emplace_back(control, ToCp932(utf8Value, control));
}

// "C", "C#", "Db" ... in any letter case: the natural's pitch class with
// the accidental added, so -1 for Cb and 12 for B#; nullopt for no name.
std::optional<int> ParsePitch(std::string_view& text) {
  static constexpr std::array<int, 7> kNatural = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (text.empty()) return std::nullopt;
  const char letter = static_cast<char>(text[0] | 0x20);
  if (letter < 'a' || letter > 'g') return std::nullopt;
  int pitch = kNatural[letter - 'a'];
  text.remove_prefix(1);
  if (!text.empty() && (text[0] == '#' || text[0] == '+')) {
    pitch += 1;
    text.remove_prefix(1);
  } else if (!text.empty() && text[0] == 'b') {
    pitch -= 1;
    text.remove_prefix(1);
  }
  return pitch;
}

void AddKey(SessionOptions& options, const std::string& value) {
  std::string_view rest = value;
  const std::optional<int> pitch = ParsePitch(rest);
  if (!pitch || !rest.empty())
    throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--key には C, F#, Bb のような音名を指定してください（%1 ではなく）"), {value}));
  AddSet(options, "cmbKey", std::to_string((*pitch + 12) % 12));
}

// "C4-B5": the lowest and the highest note, each a note name and an octave.
// An accidental that crosses C changes the octave: Cb4 is B3, B#4 is C5.
void AddRange(SessionOptions& options, const std::string& value) {
  const std::string bad =
      FormatMessage(QT_TRANSLATE_NOOP("Message", "--range には C4-B5 のような二つの音を指定してください（オクターブは 1～10。%1 ではなく）"), {value});
  std::string_view rest = value;
  std::array<std::pair<int, int>, 2> ends;
  for (size_t i = 0; i < ends.size(); ++i) {
    const std::optional<int> pitch = ParsePitch(rest);
    size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9') ++digits;
    if (!pitch || digits == 0 || digits > 2) throw UsageError(bad);
    const int note = std::stoi(std::string(rest.substr(0, digits))) * 12 + *pitch;
    const int octave = note / 12;
    if (note < 0 || octave < 1 || octave > 10) throw UsageError(bad);
    rest.remove_prefix(digits);
    ends[i] = {note % 12, octave};
    if (i == 0) {
      if (rest.empty() || rest[0] != '-') throw UsageError(bad);
      rest.remove_prefix(1);
    }
  }
  if (!rest.empty()) throw UsageError(bad);
  AddSet(options, "cmbOct1", std::to_string(ends[0].first));
  AddSet(options, "spnOct1", std::to_string(ends[0].second));
  AddSet(options, "cmbOct2", std::to_string(ends[1].first));
  AddSet(options, "spnOct2", std::to_string(ends[1].second));
}

struct SpinAlias {
  std::string_view option;
  std::string_view control;
};
constexpr std::array kSpinAliases = {
    SpinAlias{"--tempo", "spnTempo"},   SpinAlias{"--steps", "spnCount"},
    SpinAlias{"--length", "spnL"},      SpinAlias{"--velocity", "spnV"},
    SpinAlias{"--channel", "spnCH"},    SpinAlias{"--voice", "spnVoice"},
    SpinAlias{"--pattern-length", "spnPatternCount"},
};

}  // namespace

const char kSessionOptionsHelp[] = QT_TRANSLATE_NOOP("Message", R"(オプション:
  --seed N              乱数の種（0～4294967295）。既定: 時計から
  --scale-file PATH     Scale.dat（プログラムの隣、なければインストールされたデータの
                        フォルダ）の代わりにこのスケール定義ファイルを読む
  --scale NAME          スケール NAME を選んで適用する。大文字と小文字は、ほかが同じ
                        名前どうしでだけ区別する（'volemo-cli scales' が名前を示す）
  --preset NAME         プリセット NAME のとおりにスケールとコントロールを設定する
                        （--scale の後、--set の前。'volemo-cli presets list' が名前を示す）
  --set CONTROL=VALUE   コントロールを設定する。コマンドラインの順に（繰り返し可。
                        'volemo-cli controls' が範囲と既定値つきで示す）:
                          spn...  入力したとおりのテキスト（範囲に丸めない）
                          scr... src...  スライダーの位置（スライダーの範囲に丸める）
                          cmb...  リストの番号。cmbKey と cmbScale はスケールを適用し直す
                          chk...  0 か 1
  --style FILE.mid      MIDI ファイルから学んだコントロールを、--set オプションと
                        並んだ順に設定する（'volemo-cli learn FILE.mid' が示すもの）
  --pattern TEXT        最初にパターン欄へ TEXT を入れる（入れなければ空）
  --random-weights      --set オプションの後で七つのリズム記号の重みをくじで決める
  --help                このヘルプを表示する
使いやすい別名（--set オプションと並んだ順に適用）:
  --key NOTE            調: C, C#, Db, ...（--set cmbKey=INDEX。スケールを適用し直す）
  --range LOW-HIGH      音域。例 C4-B5（cmbOct1, spnOct1, cmbOct2, spnOct2）
  --tempo T  --steps N  --length L  --velocity V  --channel CH  --voice P
                        spnTempo spnCount spnL spnV spnCH spnVoice
  --pattern-length N    spnPatternCount
  --no-voice            chkVoice=0
)");

bool TakeSessionOption(ArgumentReader& args, SessionOptions& options) {
  if (auto v = args.TakeValue("--seed")) {
    const long long seed = ParseInteger(*v, "--seed");
    if (seed < 0 || seed > std::numeric_limits<uint32_t>::max())
      throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--seed には 0～4294967295 を指定してください（%1 ではなく）"), {*v}));
    options.seed = static_cast<uint32_t>(seed);
  } else if (auto v = args.TakeValue("--scale-file")) {
    options.scaleFile = *v;
  } else if (auto v = args.TakeValue("--scale")) {
    options.scale = ToCp932(*v, "--scale");
  } else if (auto v = args.TakeValue("--preset")) {
    options.preset = *v;
  } else if (auto v = args.TakeValue("--set")) {
    const size_t eq = v->find('=');
    if (eq == std::string::npos || eq == 0)
      throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--set には CONTROL=VALUE を指定してください（%1 ではなく）"), {*v}));
    AddSet(options, v->substr(0, eq), v->substr(eq + 1));
  } else if (auto v = args.TakeValue("--style")) {
    options.sets.emplace_back(kStyleEntry, *v);
  } else if (auto v = args.TakeValue("--pattern")) {
    options.pattern = ToCp932(*v, "--pattern");
  } else if (args.TakeFlag("--random-weights")) {
    options.randomWeights = true;
  } else if (auto v = args.TakeValue("--key")) {
    AddKey(options, *v);
  } else if (auto v = args.TakeValue("--range")) {
    AddRange(options, *v);
  } else if (TakePartOption(args, options.partValues)) {
  } else if (args.TakeFlag("--no-voice")) {
    AddSet(options, "chkVoice", "0");
  } else {
    for (const SpinAlias& alias : kSpinAliases) {
      if (auto v = args.TakeValue(alias.option)) {
        AddSet(options, std::string(alias.control), *v);
        return true;
      }
    }
    return false;
  }
  return true;
}

}  // namespace volemo::cli

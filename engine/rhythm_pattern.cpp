#include "rhythm_pattern.h"

#include <array>
#include <string_view>

#include "controls.h"
#include "cp932.h"
#include "text_trim.h"
#include "translatable.h"

namespace volemo {
namespace {

constexpr int kMaxSymbolAttempts = 5001;

// A symbol that must sound is redrawn at most this many times, then taken
// as N. Weights that leave only rests and ties with a percentage
// (N 1, r 100, ^ 100) would otherwise redraw practically forever; with any
// sounding symbol at 1% or more, a thousand redraws all failing is rarer
// than one in twenty thousand.
constexpr int kMaxSoundingRedraws = 1000;

}  // namespace

int RhythmPercent(int weight, int total) {
  // The percentages were first computed in 80-bit floating point; over the
  // weights and totals the sliders allow, these two are the only places
  // where that differs from the integer quotient.
  if (total == 100 && weight == 53) return 52;
  if (total == 100 && weight == 59) return 58;
  return 100 * weight / total;
}

char DrawRhythmSymbol(const Settings& settings, RandomSource& random) {
  std::array<int, 7> weight;
  int total = 0;
  for (size_t i = 0; i < weight.size(); ++i) total += weight[i] = settings.Position(kRhythmSymbolSliders[i]);
  if (total == 0) total = 1;
  std::array<int, 7> percent;
  for (size_t i = 0; i < percent.size(); ++i) percent[i] = RhythmPercent(weight[i], total);

  for (int attempt = 0; attempt < kMaxSymbolAttempts; ++attempt) {
    const uint32_t r = random.Next(100);
    const uint32_t k = random.Next(7);
    if (static_cast<int>(r) < percent[k]) return kRhythmSymbols[k];
  }
  return 'N';
}

char DrawSoundingSymbol(const Settings& settings, RandomSource& random) {
  char s = DrawRhythmSymbol(settings, random);
  for (int redraws = 0; s == '^' || s == 'r'; ++redraws)
    s = redraws < kMaxSoundingRedraws ? DrawRhythmSymbol(settings, random) : 'N';
  return s;
}

void MakeRandomPattern(Settings& settings, EngineState& state) {
  const int n = CountAtMost(settings, "spnPatternCount");
  std::string text;
  for (int i = 0; i < n; ++i) {
    if (i % 4 == 0) text += ' ';
    const bool mustSound = i == 0 && settings.IsChecked("chkPatternPlayFirst");
    text += mustSound ? DrawSoundingSymbol(settings, state.random) : DrawRhythmSymbol(settings, state.random);
  }
  settings.SetPatternText(std::string(TrimControlAndBlank(text)));
  static const std::string status = Cp932FromUtf8(QT_TRANSLATE_NOOP("Message", "ランダムなパターンを作成"));
  settings.SetStatus(status);
}

void RandomizePatternWeights(Settings& settings, EngineState& state) {
  for (std::string_view slider : kRhythmSymbolSliders)
    settings.SetPosition(slider, static_cast<int>(state.random.Next(100)));
}

}  // namespace volemo

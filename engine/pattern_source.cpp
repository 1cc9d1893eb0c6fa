#include "pattern_source.h"

#include "cp932.h"
#include "euclidean_rhythm.h"
#include "rhythm_pattern.h"
#include "translatable.h"

namespace volemo {

void MakeEuclideanPattern(Settings& settings, EngineState& state, const EuclidSteps& euclid) {
  const std::vector<bool> onsets = EuclideanRhythm(euclid.onsets, euclid.steps, euclid.rotation);
  std::string text;
  for (size_t i = 0; i < onsets.size(); ++i) {
    if (i > 0 && i % 4 == 0) text += ' ';
    text += onsets[i] ? DrawSoundingSymbol(settings, state.random) : 'r';
  }
  settings.SetPatternText(text);
  static const std::string status = Cp932FromUtf8(QT_TRANSLATE_NOOP("Message", "ユークリッドリズムのパターンを作成"));
  settings.SetStatus(status);
}

void DrawPattern(Settings& settings, EngineState& state, const GrooveSettings& groove) {
  if (groove.euclid) MakeEuclideanPattern(settings, state, *groove.euclid);
  else MakeRandomPattern(settings, state);
}

}  // namespace volemo

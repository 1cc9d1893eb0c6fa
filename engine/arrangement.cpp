#include "arrangement.h"

#include <algorithm>

#include "composer.h"
#include "controls.h"
#include "harmony.h"

namespace volemo {

std::string Arrangement::Mml() const {
  std::string mml;
  for (const Phrase& part : parts) mml += part.Mml();
  return mml;
}

Arrangement ComposeArrangement(Settings& settings, EngineState& state, const ArrangementSettings& arrangement,
                               const GrooveSettings& groove) {
  Arrangement result;
  const int key = std::clamp(settings.Index("cmbKey"), 0, 11);
  if (arrangement.HasChords()) result.chords = MakeProgression(arrangement.progression, key, state);

  MelodyOptions melody;
  melody.line = arrangement.line;
  const int64_t step = StepTicks(settings.Value("spnL"));
  if (!result.chords.empty()) {
    melody.chords = TimelineOf(result.chords);
    if (step > 0) melody.minSteps = static_cast<int>((result.chords.size() * kBarTicks + step - 1) / step);
  }
  if (arrangement.HasParts()) melody.opening = "Part(melody)\r\n";
  result.names.push_back("melody");
  result.parts.push_back(ComposePhrase(settings, state, groove, melody));
  if (!arrangement.HasParts()) return result;

  // The body's length: the melody's steps, which the rests and ties of the
  // pattern fill to the end.
  result.bodyTicks = step * std::max({CountAtMost(settings, "spnCount"), melody.minSteps, 0});
  if (result.chords.empty()) result.chords = MakeProgression("I", key, state);
  if (arrangement.bass) {
    result.names.push_back("bass");
    result.parts.push_back(ComposeBass(result.chords, result.bodyTicks, state));
  }
  if (arrangement.chords) {
    result.names.push_back("chords");
    result.parts.push_back(ComposeChords(result.chords, result.bodyTicks, arrangement.comping, result.parts.front()));
  }
  if (arrangement.drums) {
    result.names.push_back("drums");
    result.parts.push_back(ComposeDrums(result.bodyTicks, state));
  }
  settings.SetMmlText(result.Mml());
  return result;
}

}  // namespace volemo

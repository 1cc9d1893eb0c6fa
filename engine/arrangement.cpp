#include "arrangement.h"

#include <algorithm>

#include "composer.h"
#include "controls.h"
#include "harmony.h"
#include "phrase_form.h"

namespace volemo {

std::string Arrangement::Mml() const {
  std::string mml;
  for (const Phrase& part : parts) mml += part.Mml();
  return mml;
}

Arrangement ComposeArrangement(Settings& settings, EngineState& state, const ArrangementSettings& arrangement,
                               const GrooveSettings& groove) {
  Arrangement result;
  const Meter meter = groove.meter.value_or(Meter{});
  result.barTicks = BarTicks(meter);
  const int key = std::clamp(settings.Index("cmbKey"), 0, 11);
  if (arrangement.HasChords()) result.chords = MakeProgression(arrangement.progression, key, state);

  MelodyOptions melody;
  melody.line = arrangement.line;
  const int64_t step = StepTicks(settings.Value("spnL"));
  const bool form = !groove.form.empty();
  if (!result.chords.empty()) {
    melody.chords = TimelineOf(result.chords, meter);
    if (step > 0 && !form)
      melody.minSteps = static_cast<int>((static_cast<int64_t>(result.chords.size()) * result.barTicks + step - 1) / step);
  }
  if (arrangement.HasParts()) melody.opening = "Part(melody)\r\n";
  result.names.push_back("melody");
  result.parts.push_back(ComposePhrase(settings, state, groove, melody));
  result.chords = FormChords(result.chords, groove);
  if (!arrangement.HasParts()) return result;

  // The body's length: the melody's steps, which the rests and ties of the
  // pattern fill to the end; under a form the whole form, played once.
  result.bodyTicks = form ? FormTicks(groove) : step * std::max({BodySteps(settings, groove), melody.minSteps, 0});
  const PartTime time{meter, form ? 1 : 4};
  if (result.chords.empty()) result.chords = MakeProgression("I", key, state);
  if (arrangement.bass) {
    result.names.push_back("bass");
    result.parts.push_back(ComposeBass(result.chords, result.bodyTicks, time, arrangement.bassVoicing, state));
  }
  if (arrangement.chords) {
    result.names.push_back("chords");
    result.parts.push_back(ComposeChords(result.chords, result.bodyTicks, time, arrangement.chordVoicing,
                                         arrangement.comping, result.parts.front()));
  }
  if (arrangement.drums) {
    result.names.push_back("drums");
    result.parts.push_back(ComposeDrums(result.bodyTicks, time, arrangement.drumVoicing, state));
  }
  settings.SetMmlText(result.Mml());
  return result;
}

}  // namespace volemo

#include "arrangement.h"

#include <algorithm>

#include "composer.h"
#include "controls.h"
#include "harmony.h"
#include "note_choice.h"
#include "phrase_form.h"

namespace volemo {

std::string Arrangement::Mml() const {
  std::string mml;
  for (const Phrase& part : parts) mml += part.Mml();
  return mml;
}

std::vector<size_t> Arrangement::FirstNotes() const {
  std::vector<size_t> first{0};
  for (const Phrase& part : parts) first.push_back(first.back() + part.Notes().size());
  return first;
}

std::vector<size_t> PartStarts(std::vector<size_t> composed, size_t wholeSize) {
  if (composed.size() < 2) return composed;
  const size_t end = composed.back();
  // The parts after the melody keep their notes: they end the whole.
  if (wholeSize < end - composed[1]) return composed;
  for (size_t p = 1; p < composed.size(); ++p) composed[p] = wholeSize - (end - composed[p]);
  return composed;
}

Phrase Arrangement::Whole() const {
  if (parts.size() == 1) return parts.front();
  std::vector<std::string> texts{std::string()};
  std::vector<PhraseNote> notes;
  for (const Phrase& part : parts) {
    const std::string& mml = part.Mml();
    size_t at = 0;
    for (const PhraseNote& n : part.Notes()) {
      texts.back() += mml.substr(at, n.textBegin - at);
      notes.push_back(n);
      notes.back().startsPart = n.number == 1;
      texts.emplace_back();
      at = n.textEnd;
    }
    texts.back() += mml.substr(at);
  }
  Phrase whole(std::move(texts), std::move(notes));
  std::vector<Phrase::KeyChooser> choosers;
  for (const Phrase& part : parts) choosers.push_back(part.Chooser());
  whole.SetKeyChooser([choosers, composed = FirstNotes()](const std::vector<PhraseNote>& all, size_t index,
                                                          const Settings& settings, EngineState& state) {
    const std::vector<size_t> first = PartStarts(composed, all.size());
    const size_t p = static_cast<size_t>(std::upper_bound(first.begin(), first.end(), index) - first.begin()) - 1;
    if (!choosers[p]) return PickNote(settings, state);
    const std::vector<PhraseNote> own(all.begin() + static_cast<std::ptrdiff_t>(first[p]),
                                      all.begin() + static_cast<std::ptrdiff_t>(first[p + 1]));
    return choosers[p](own, index - first[p], settings, state);
  });
  return whole;
}

Arrangement ComposeArrangement(Settings& settings, EngineState& state, const ArrangementSettings& arrangement,
                               const GrooveSettings& groove) {
  Arrangement result;
  const Meter meter = groove.meter.value_or(Meter{});
  result.barTicks = BarTicks(meter);
  const int key = std::clamp(settings.Index("cmbKey"), 0, 11);
  if (arrangement.HasChords()) result.chords = FormProgression(arrangement.progression, key, state, groove);

  MelodyOptions melody;
  melody.line = arrangement.line;
  const uint32_t grooveSeed = state.random.seed();
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
  if (!arrangement.HasParts()) return result;

  // The body's length: the melody's steps, which the rests and ties of the
  // pattern fill to the end; under a form the whole form, played once.
  result.bodyTicks = form ? FormTicks(groove) : step * std::max({BodySteps(settings, groove), melody.minSteps, 0});
  const PartTime time{meter, form ? 1 : 4, groove, grooveSeed};
  if (result.chords.empty()) result.chords = MakeProgression("I", key, state);
  if (arrangement.bass) {
    result.names.push_back("bass");
    result.parts.push_back(ComposeBass(result.chords, result.bodyTicks, time, arrangement.bassVoicing, state));
  }
  if (arrangement.chords) {
    result.names.push_back("chords");
    result.parts.push_back(ComposeChords(result.chords, result.bodyTicks, time, arrangement.chordVoicing,
                                         arrangement.comping, result.parts.front(), state));
  }
  if (arrangement.drums) {
    result.names.push_back("drums");
    result.parts.push_back(ComposeDrums(result.bodyTicks, time, arrangement.drumVoicing, arrangement.drumWeights, state));
  }
  settings.SetMmlText(result.Mml());
  return result;
}

}  // namespace volemo

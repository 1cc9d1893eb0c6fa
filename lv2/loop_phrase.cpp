#include "loop_phrase.h"

#include <algorithm>

#include "arrangement.h"
#include "composer.h"
#include "control_values.h"
#include "controls.h"
#include "cp932.h"
#include "dvorlin/compile.h"
#include "engine_error.h"
#include "memory_settings.h"
#include "part_values.h"
#include "phrase.h"
#include "scale_table.h"

namespace volemo::lv2 {
namespace {

// The controls as the request sets them, in port order, over the state
// the scale file gave: what volemo-cli's --set options do after start-up.
void SetControls(const PhraseMaker& maker, const PhraseRequest& request, MemorySettings& settings,
                 EngineState& state) {
  for (uint32_t i = 0; i < kSettingCount; ++i) {
    const SettingRange range = maker.Range(i);
    const int32_t value = std::clamp(request.settings[i], range.minimum, range.maximum);
    SetControl(settings, state, std::string(kSettingPorts[i].control), std::to_string(value));
  }
}

LoopPhrase Perform(const PhraseRequest& request, const std::string& mml, int64_t passTicks) {
  LoopPhrase loop;
  loop.request = request;
  loop.mml = mml;
  loop.passTicks = passTicks;
  const dvorlin::Performance performance = dvorlin::Perform(mml);
  if (!performance.ok())
    throw EngineError(Utf8FromCp932(dvorlin::FormatDiagnostics(performance.diagnostics)));
  // Bends first: one written before a note takes effect with it.
  for (const dvorlin::PitchBend& b : performance.song.bends) {
    if (b.tick >= loop.passTicks) continue;
    const int value = b.value + 8192;
    loop.events.push_back({b.tick, 0,
                           {static_cast<uint8_t>(0xE0 | b.channel), static_cast<uint8_t>(value & 0x7F),
                            static_cast<uint8_t>(value >> 7)}});
  }
  for (const dvorlin::Note& n : performance.song.notes) {
    if (n.start >= loop.passTicks) break;  // the notes are in order of start
    loop.events.push_back(
        {n.start, n.length, {static_cast<uint8_t>(0x90 | n.channel), n.key, n.velocity}});
  }
  std::stable_sort(loop.events.begin(), loop.events.end(),
                   [](const LoopEvent& a, const LoopEvent& b) { return a.tick < b.tick; });
  return loop;
}

}  // namespace

PhraseMaker::PhraseMaker(const std::string& scaleFile) {
  std::string warning;
  const int selected = LoadScaleTable(base_, scaleFile, [&](const std::string& text, const std::string&) {
    warning = text;
  });
  if (base_.scaleNames.empty()) throw EngineError(warning.empty() ? "no scales in " + scaleFile : warning);
  majorIndex_ = std::max(selected, 0);
}

SettingRange PhraseMaker::Range(uint32_t setting) const {
  const ControlInfo& control = *FindControl(kSettingPorts.at(setting).control);
  if (control.maximum < control.minimum)  // the scale list, filled from the file
    return {0, static_cast<int32_t>(base_.scaleNames.size()) - 1, majorIndex_};
  return {control.minimum, control.maximum, control.initial};
}

PhraseRequest PhraseMaker::DefaultRequest() const {
  PhraseRequest request;
  for (uint32_t i = 0; i < kSettingCount; ++i) request.settings[i] = Range(i).initial;
  for (uint32_t i = 0; i < kPartPortCount; ++i) request.parts[i] = kPartPorts[i].initial;
  return request;
}

LoopPhrase PhraseMaker::Compose(const PhraseRequest& request) const {
  EngineState state = base_;
  MemorySettings settings(state);
  settings.SetIndex("cmbScale", majorIndex_);
  ApplyScale(settings, state);
  SetControls(*this, request, settings, state);
  const PartSettings parts = ReadPartValues(PartOptions(request.parts));
  state.random.Seed(request.seed);
  Arrangement arrangement = ComposeArrangement(settings, state, parts.arrangement, parts.groove);
  Phrase& melody = arrangement.parts.front();
  for (int32_t i = 0; i < request.rerolls; ++i) melody.Reroll(settings, state);
  return Perform(request, arrangement.Mml(), melody.Frame().bodyTicks);
}

LoopPhrase PhraseMaker::FromMml(const PhraseRequest& request, const std::string& mml, int64_t passTicks) const {
  if (passTicks > 0) return Perform(request, mml, passTicks);
  EngineState state = base_;
  MemorySettings settings(state);
  SetControls(*this, request, settings, state);
  return Perform(request, mml, CountAtMost(settings, "spnCount") * StepTicks(settings.Value("spnL")));
}

}  // namespace volemo::lv2

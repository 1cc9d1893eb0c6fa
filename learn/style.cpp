#include "style.h"

#include <algorithm>
#include <cmath>

#include "commonest_step.h"
#include "controls.h"
#include "median.h"
#include "proportional_weights.h"
#include "rhythm_pattern.h"
#include "rhythm_symbols.h"
#include "scale_table.h"

namespace volemo {
namespace {

constexpr int kScaleTop = 10;    // the scale sliders' maximum
constexpr int kRhythmTop = 100;  // the rhythm sliders' maximum
// Without a step to read from a single onset, the window's own.
constexpr int kDefaultNoteValue = 16;

int SpinRange(std::string_view name, int v) { return ClampToRange(*FindControl(name), v); }

}  // namespace

int64_t StepTicksOf(const PieceNotes& piece, const Style& style) {
  const int value = style.noteValue.value_or(kDefaultNoteValue);
  return std::max<int64_t>(1, (8 * int64_t{piece.ticksPerQuarter} + value) / (2 * value));
}

Style LearnStyle(const PieceNotes& piece, const EngineState& scales) {
  Style style;
  style.notes = static_cast<int>(piece.notes.size());
  style.tracks = piece.tracks;

  std::array<double, 12> profile{};
  std::vector<int64_t> onsets;
  std::vector<TimedNote> timed;
  std::vector<int> velocities;
  style.low = 127;
  for (const PieceNote& n : piece.notes) {
    profile[n.key % 12] += 1;
    onsets.push_back(n.start);
    timed.push_back({n.start, n.length, n.bent});
    velocities.push_back(n.velocity);
    style.low = std::min(style.low, n.key);
    style.high = std::max(style.high, n.key);
  }
  // The range fields reach down to octave 1 only.
  style.low = std::max(style.low, 12);
  style.high = std::max(style.high, style.low);

  std::vector<std::array<int, 12>> profiles;
  for (const std::string& definition : scales.scaleDefinitions) profiles.push_back(DefinitionWeights(definition));
  style.key = FindKey(profile, profiles);
  if (style.key.scale >= 0) style.scaleName = scales.scaleNames[style.key.scale];
  const std::vector<int> weights = ProportionalWeights(profile, kScaleTop);
  std::copy(weights.begin(), weights.end(), style.weights.begin());

  if (const int value = CommonestNoteValue(onsets, piece.ticksPerQuarter); value > 0) style.noteValue = value;
  const RhythmReading reading = ReadRhythm(timed, StepTicksOf(piece, style));
  style.symbols = reading.symbols;
  std::array<double, 7> counts{};
  for (char c : reading.symbols) counts[kRhythmSymbols.find(c)] += 1;
  const std::vector<int> rhythm = ProportionalWeights(counts, kRhythmTop);
  std::copy(rhythm.begin(), rhythm.end(), style.rhythm.begin());
  if (!reading.normalGates.empty()) style.gateN = Median(reading.normalGates);
  if (!reading.mutedGates.empty()) style.gateM = Median(reading.mutedGates);

  const double bpm = piece.firstTempo ? 60e6 / piece.firstTempo : 120.0;
  style.tempo = SpinRange("spnTempo", static_cast<int>(std::lround(bpm)));
  style.velocity = SpinRange("spnV", Median(velocities));
  return style;
}

ControlValues StyleControls(const Style& style) {
  ControlValues values;
  const auto set = [&](std::string name, int value) { values.emplace_back(std::move(name), std::to_string(value)); };
  if (style.key.scale >= 0) {
    set("cmbScale", style.key.scale);
    set("cmbKey", style.key.tonic);
  }
  for (int pc = 0; pc < 12; ++pc) set("src" + std::to_string(pc), style.weights[pc]);
  for (size_t i = 0; i < style.rhythm.size(); ++i) set(std::string(kRhythmSymbolSliders[i]), style.rhythm[i]);
  if (style.gateN) set("scrGateN", *style.gateN);
  if (style.gateM) set("scrGateM", *style.gateM);
  set("cmbOct1", style.low % 12);
  set("spnOct1", style.low / 12);
  set("cmbOct2", style.high % 12);
  set("spnOct2", style.high / 12);
  if (style.noteValue) set("spnL", *style.noteValue);
  set("spnTempo", style.tempo);
  set("spnV", style.velocity);
  return values;
}

}  // namespace volemo

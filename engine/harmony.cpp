#include "harmony.h"

#include "chord_symbols.h"
#include "engine_error.h"
#include "progression_table.h"
#include "scale_chords.h"

namespace volemo {

unsigned ScaleMask(const ScaleWeights& weights) {
  unsigned mask = 0;
  for (int p = 0; p < 12; ++p)
    if (weights[p] > 0) mask |= 1u << p;
  return mask;
}

std::vector<music::Chord> MakeProgression(const std::string& text, int key, const EngineState& state) {
  const bool drawn = text == "random";
  std::string symbols = text;
  if (drawn) {
    RandomSource own = Stream(state.random.seed(), 0x9E3779B9u);
    const auto point = static_cast<int>(own.Next(static_cast<uint32_t>(music::ProgressionWeightTotal())));
    symbols = std::string(music::ProgressionAt(point).numerals);
  }
  music::ParsedProgression parsed = music::ParseProgression(symbols, key);
  if (!parsed.error.empty()) throw EngineError(parsed.error);
  if (drawn) {
    const unsigned scale = ScaleMask(state.weights);
    for (music::Chord& chord : parsed.chords)
      if (auto own = music::StackScaleTones(scale, chord.root, static_cast<int>(chord.tones.size()))) chord = *own;
  }
  return parsed.chords;
}

ChordTimeline TimelineOf(const std::vector<music::Chord>& chords, const Meter& meter) {
  ChordTimeline timeline;
  timeline.meter = meter;
  for (const music::Chord& c : chords) timeline.masks.push_back(static_cast<uint16_t>(music::PitchMask(c)));
  return timeline;
}

const music::Chord& ChordAt(const std::vector<music::Chord>& chords, int64_t tick, int64_t barTicks) {
  return chords[static_cast<size_t>(tick / barTicks) % chords.size()];
}

}  // namespace volemo

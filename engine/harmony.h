// The chord progression under a phrase: typed, or drawn from the table of
// common progressions, its chords built from the scale where it can.
#pragma once

#include <string>
#include <vector>

#include "chord.h"
#include "engine_state.h"
#include "melody_line.h"

namespace volemo {

// One chord per bar. "random" draws from the table, by a source of its own
// seeded from state's seed, so that the melody draws as it would without
// the progression; any other text is read as chord symbols (UTF-8) in the
// key. Drawn chords whose root the scale holds are its own tones stacked
// (for scales of 5 to 7 tones); every other chord is as written. Throws
// EngineError for a text that is no progression.
std::vector<music::Chord> MakeProgression(const std::string& text, int key, const EngineState& state);

// The pitch-class masks of the chords, a chord a bar of meter, for the melody.
ChordTimeline TimelineOf(const std::vector<music::Chord>& chords, const Meter& meter);

// The chord sounding at a tick of the body: chord i in bar i of barTicks,
// around again when the body is longer.
const music::Chord& ChordAt(const std::vector<music::Chord>& chords, int64_t tick, int64_t barTicks);

// Bit p set for each pitch class p the scale weights hold.
unsigned ScaleMask(const ScaleWeights& weights);

}  // namespace volemo

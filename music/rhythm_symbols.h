// A piece's notes read as the seven rhythm symbols on a grid of steps.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace volemo {

struct TimedNote {
  int64_t start = 0;   // ticks
  int64_t length = 0;  // ticks sounding
  bool bent = false;   // a pitch bend moved it while it sounded
};

struct RhythmReading {
  // One symbol a step from the first note's step to the last note's end:
  // N a note, m a note sounding less than half its written length, B a bent
  // note, W notes starting together, d two onsets in one step, ^ a step a
  // note goes on through, r a step of silence.
  std::string symbols;
  std::vector<int> normalGates;  // percent of its written length each N or B note sounds
  std::vector<int> mutedGates;   // the same for each m note
};

// notes in order of start. A note belongs to the step its start falls in
// when moved a quarter step later, so a note played a little early or swung
// late still counts on its step. A note's written length is its sounding
// length in whole steps (at least one), cut at the next note's step; the
// steps after the first are ties.
RhythmReading ReadRhythm(std::span<const TimedNote> notes, int64_t stepTicks);

}  // namespace volemo

// The notes one step of a rhythm symbol sounds: how many, when and how
// long, with which gate, and which of them a tie in the next step
// lengthens. The composer writes them as MML; a new rhythm under locked
// notes takes them as they are, so both sound a symbol alike.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "random_source.h"
#include "settings.h"

namespace volemo {

struct StepNote {
  int64_t start = 0, length = 0;  // written, before the gate
};

struct StepSound {
  int gate = 0;  // in force for every note of the step
  std::array<StepNote, 2> notes{};
  size_t count = 0;     // notes[0..count): none for a rest
  size_t tiedFrom = 0;  // notes[tiedFrom..count) are what a tie in the next step lengthens
};

class StepSounds {
 public:
  // The normal and muted gates are read here, the mute rate at each draw.
  explicit StepSounds(const Settings& settings);

  // The muted gate when one draw falls under the mute rate, else the normal.
  int DrawnGate(RandomSource& random) const;

  // The step of symbol that starts at start and lasts length: N and B one
  // note at the normal gate, m one at the muted gate, W two together and d
  // one in each half (the second taking the odd tick, and alone taking a
  // tie), both at a drawn gate. Any other symbol sounds nothing; a tie is
  // the caller's, as it lengthens what sounded before it.
  StepSound Of(char symbol, int64_t start, int64_t length, RandomSource& random) const;

 private:
  const Settings& settings_;
  const int gateN_, gateM_;
};

}  // namespace volemo

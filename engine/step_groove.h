// Where each step of a body starts, how long it lasts and how loud it
// plays under the groove settings, and whether a sounding step sounds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "groove_settings.h"

namespace volemo {

struct GrooveStep {
  int64_t start = 0;       // from the body's start
  int64_t length = 0;
  std::string lengthText;  // written after the step's symbol: "%149", or nothing on the plain grid
  int velocity = -1;       // -1: the header's velocity, no v written
  bool sounds = true;      // false: a sounding step is written as a rest
};

class StepGroove {
 public:
  // A body of stepCount steps of stepTicks each, from velocity; the draws
  // (humanize, step probability) come from streams of their own derived
  // from seed, so the note choice draws as it would without them and one
  // setting's draws do not move with another's. The body ends on its grid:
  // the first and the last boundary are never moved. Throws
  // std::invalid_argument for a swing outside 50..75 % or a grid that is
  // no note length.
  StepGroove(const GrooveSettings& groove, int64_t stepTicks, int stepCount, int velocity, uint32_t seed);

  // Steps past the body's count lie on the plain grid.
  GrooveStep At(int step) const;

 private:
  int64_t stepTicks_;
  bool shapesTime_, shapesVelocity_;
  std::vector<int64_t> boundaries_;  // stepCount + 1 when time is shaped
  std::vector<int> velocities_;
  std::vector<bool> sounds_;
};

}  // namespace volemo

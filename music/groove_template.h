// Where a piece plays against the grid, and how hard, at each step of the bar.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace volemo {

struct Onset {
  int64_t tick = 0;
  int velocity = 0;
};

struct GrooveStep {
  int count = 0;              // onsets nearest this step
  double meanOffset = 0.0;    // their mean distance from it, in steps (-0.5 to 0.5; later is positive)
  double meanVelocity = 0.0;  // 0 when count is 0
};

// One entry per step of a bar of barTicks cut into `steps` equal steps
// (16 sixteenths, or 12 triplet eighths, of a 4/4 bar); every onset counts
// on its nearest step, bars starting at tick 0. Empty for steps < 1 or
// barTicks < 1.
std::vector<GrooveStep> GrooveTemplate(std::span<const Onset> onsets, int64_t barTicks, int steps);

// The swing of the template's pairs of steps: the share of a pair its first
// step lasts, in percent (50 straight, 66 close to a triplet feel), from the
// mean offset of the second steps weighed by their counts. None when no
// onset is on a second step, or for an odd number of steps.
std::optional<double> SwingPercent(std::span<const GrooveStep> groove);

}  // namespace volemo

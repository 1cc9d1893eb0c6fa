// The settings of groove, meter and form, kept beside the controls: each at
// its default leaves every phrase exactly as it is without them.
#pragma once

#include <optional>
#include <string>

#include "meter.h"

namespace volemo {

struct EuclidSteps {
  int onsets = 0;
  int steps = 1;
  int rotation = 0;

  bool operator==(const EuclidSteps&) const = default;
};

struct GrooveSettings {
  std::optional<EuclidSteps> euclid;  // none: the pattern drawn symbol by symbol
  int stepProbability = 100;          // percent a sounding step sounds
  int swing = 50;                     // percent of a pair of grid steps the first lasts
  int swingGrid = 16;                 // the grid: 8ths or 16ths
  int humanizeTime = 0;               // each step's start moved up to this many ticks either way
  int humanizeVelocity = 0;           // each step's velocity moved up to this much either way
  int beatAccent = 0;                 // velocity added on the first step of a beat
  int barAccent = 0;                  //   and of a bar, instead of the beat's
  std::optional<Meter> meter;         // none: 4/4 without whole bars enforced
  std::string form;                   // letters, a ' after one for a variation; empty: the body four times
  int sectionBars = 2;
  int variation = 0;                  // notes redrawn in a primed section

  bool operator==(const GrooveSettings&) const = default;
  bool ShapesTime() const { return swing != 50 || humanizeTime > 0; }
  bool ShapesVelocity() const { return humanizeVelocity > 0 || beatAccent > 0 || barAccent > 0; }
};

}  // namespace volemo

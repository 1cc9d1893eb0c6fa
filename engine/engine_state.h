// What the engine keeps between commands besides the controls: the scale
// weights, the scale list read from the scale file, the last-note memory,
// and the random source.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "random_source.h"

namespace volemo {

using ScaleWeights = std::array<int, 12>;  // index 0 = C ... 11 = B

struct EngineState {
  RandomSource random;
  ScaleWeights weights{};
  std::vector<std::string> scaleNames;        // shown in cmbScale
  std::vector<std::string> scaleDefinitions;  // parallel to scaleNames
  int lastNote = -1;
};

}  // namespace volemo

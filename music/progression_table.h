// Common chord progressions, weighted by how often songs use them, for
// drawing one at random.
#pragma once

#include <span>
#include <string_view>

namespace volemo::music {

struct CommonProgression {
  std::string_view numerals;  // Roman numerals, one chord per bar
  int weight;
};

std::span<const CommonProgression> CommonProgressions();

// The sum of the weights.
int ProgressionWeightTotal();

// The progression at point 0..ProgressionWeightTotal()-1 of the weights laid
// end to end, in the table's order.
const CommonProgression& ProgressionAt(int point);

}  // namespace volemo::music

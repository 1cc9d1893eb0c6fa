// Amounts turned into slider positions.
#pragma once

#include <span>
#include <vector>

namespace volemo {

// The largest amount becomes top and every other its share of top, rounded
// to the nearest integer (halves up); all zero when no amount is above 0.
std::vector<int> ProportionalWeights(std::span<const double> amounts, int top);

}  // namespace volemo

#include "proportional_weights.h"

#include <algorithm>
#include <cmath>

namespace volemo {

// Normalisation to the maximum: w_i = round(top * a_i / max_j a_j).
std::vector<int> ProportionalWeights(std::span<const double> amounts, int top) {
  std::vector<int> weights(amounts.size(), 0);
  const double largest = amounts.empty() ? 0.0 : *std::max_element(amounts.begin(), amounts.end());
  if (largest <= 0) return weights;
  for (size_t i = 0; i < amounts.size(); ++i)
    weights[i] = static_cast<int>(std::floor(top * std::max(amounts[i], 0.0) / largest + 0.5));
  return weights;
}

}  // namespace volemo

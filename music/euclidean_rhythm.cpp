#include "euclidean_rhythm.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace volemo {

// Bjorklund's algorithm, as Toussaint describes it for rhythms ("The Euclidean algorithm generates traditional musical rhythms", 2005).
std::vector<bool> EuclideanRhythm(int k, int n, int r) {
  if (n < 1) throw std::invalid_argument("a Euclidean rhythm needs at least 1 step, not " + std::to_string(n));
  if (k < 0 || k > n)
    throw std::invalid_argument("a Euclidean rhythm of " + std::to_string(n) + " steps takes 0 to " +
                                std::to_string(n) + " onsets, not " + std::to_string(k));
  std::vector<bool> base;
  if (k == 0) {
    base.assign(n, false);
  } else {
    // The onsets head the groups, the silent steps are the remainder; the
    // remainder is dealt out one to a group until one or none is left.
    std::vector<std::vector<bool>> groups(k, {true}), remainder(n - k, {false});
    while (remainder.size() > 1) {
      const size_t pairs = std::min(groups.size(), remainder.size());
      std::vector<std::vector<bool>> left(groups.size() > pairs ? groups.begin() + pairs : remainder.begin() + pairs,
                                          groups.size() > pairs ? groups.end() : remainder.end());
      groups.resize(pairs);
      for (size_t i = 0; i < pairs; ++i) groups[i].insert(groups[i].end(), remainder[i].begin(), remainder[i].end());
      remainder = std::move(left);
    }
    for (const auto& g : groups) base.insert(base.end(), g.begin(), g.end());
    for (const auto& g : remainder) base.insert(base.end(), g.begin(), g.end());
  }
  const int shift = ((r % n) + n) % n;
  std::vector<bool> rotated(n);
  for (int i = 0; i < n; ++i) rotated[(i + shift) % n] = base[i];
  return rotated;
}

}  // namespace volemo

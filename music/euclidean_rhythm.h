// Onsets spread as evenly as possible over a cycle of steps.
#pragma once

#include <vector>

namespace volemo {

// k onsets over n steps (true = onset), rotated r steps later: step i of
// the result is step (i - r) mod n of the unrotated rhythm, so a negative r
// turns the other way. Throws std::invalid_argument, with the reason, for
// n < 1, k < 0 or k > n.
std::vector<bool> EuclideanRhythm(int k, int n, int r);

}  // namespace volemo

// Which scale in which key a piece's pitch classes fit best.
#pragma once

#include <array>
#include <span>

namespace volemo {

struct KeyMatch {
  int scale = -1;      // index into the scales given; -1 when none was given
  int tonic = 0;       // pitch class of the key, C = 0
  double score = 0.0;  // the correlation, -1 to 1
};

// profile: how much of the piece is on each pitch class, C first. scales:
// each scale's weights, tonic first. Every scale is tried in all twelve
// keys; the highest correlation wins, ties going to the earlier scale, then
// the lower tonic. A flat profile correlates 1 with a flat scale and 0 with
// any other (the correlation itself is undefined there).
KeyMatch FindKey(const std::array<double, 12>& profile, std::span<const std::array<int, 12>> scales);

}  // namespace volemo

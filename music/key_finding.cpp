#include "key_finding.h"

#include <cmath>

namespace volemo {
namespace {

double Correlation(const std::array<double, 12>& x, const std::array<double, 12>& y) {
  double meanX = 0, meanY = 0;
  for (int i = 0; i < 12; ++i) {
    meanX += x[i] / 12;
    meanY += y[i] / 12;
  }
  double xy = 0, xx = 0, yy = 0;
  for (int i = 0; i < 12; ++i) {
    xy += (x[i] - meanX) * (y[i] - meanY);
    xx += (x[i] - meanX) * (x[i] - meanX);
    yy += (y[i] - meanY) * (y[i] - meanY);
  }
  if (xx == 0 || yy == 0) return xx == 0 && yy == 0 ? 1.0 : 0.0;
  return xy / std::sqrt(xx * yy);
}

}  // namespace

// The Krumhansl-Schmuckler key-finding algorithm: Pearson correlation of the piece's pitch-class distribution with each key's profile.
KeyMatch FindKey(const std::array<double, 12>& profile, std::span<const std::array<int, 12>> scales) {
  KeyMatch best;
  for (size_t s = 0; s < scales.size(); ++s) {
    for (int tonic = 0; tonic < 12; ++tonic) {
      std::array<double, 12> inKey;
      for (int degree = 0; degree < 12; ++degree) inKey[(degree + tonic) % 12] = scales[s][degree];
      const double score = Correlation(profile, inKey);
      if (best.scale < 0 || score > best.score) best = {static_cast<int>(s), tonic, score};
    }
  }
  return best;
}

}  // namespace volemo

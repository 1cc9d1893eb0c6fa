#include "swing.h"

#include <stdexcept>
#include <string>

namespace volemo {
namespace {

// a * b / c rounded half up, for a, b >= 0 and c > 0.
int64_t Rounded(int64_t a, int64_t b, int64_t c) { return (2 * a * b + c) / (2 * c); }

}  // namespace

// The swing percentage of drum machines and sequencers: of two grid steps the first lasts that share of their span (50 straight, 66 close to a triplet feel).
int64_t SwingTick(int64_t tick, int64_t gridTicks, int percent) {
  if (percent < 50 || percent > 75) throw std::invalid_argument("swing takes 50 to 75 %, not " + std::to_string(percent));
  if (gridTicks < 1) throw std::invalid_argument("swing needs a grid step of at least 1 tick");
  const int64_t pair = 2 * gridTicks;
  const int64_t first = Rounded(pair, percent, 100);
  const int64_t pairStart = tick - ((tick % pair) + pair) % pair;
  const int64_t in = tick - pairStart;
  if (in < gridTicks) return pairStart + Rounded(in, first, gridTicks);
  return pairStart + first + Rounded(in - gridTicks, pair - first, gridTicks);
}

}  // namespace volemo

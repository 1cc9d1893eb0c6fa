#include "groove_template.h"

#include <cmath>

namespace volemo {

// A groove template: the mean timing deviation and mean velocity of the onsets at each grid position of the bar.
std::vector<GrooveStep> GrooveTemplate(std::span<const Onset> onsets, int64_t barTicks, int steps) {
  if (steps < 1 || barTicks < 1) return {};
  std::vector<GrooveStep> groove(static_cast<size_t>(steps));
  const double stepTicks = static_cast<double>(barTicks) / steps;
  for (const Onset& o : onsets) {
    const double at = static_cast<double>(o.tick) / stepTicks;
    const double nearest = std::floor(at + 0.5);
    const auto index = static_cast<size_t>(((static_cast<int64_t>(nearest) % steps) + steps) % steps);
    GrooveStep& g = groove[index];
    ++g.count;
    g.meanOffset += ((at - nearest) - g.meanOffset) / g.count;
    g.meanVelocity += (o.velocity - g.meanVelocity) / g.count;
  }
  return groove;
}

// Swing as drum machines give it: the first of two grid steps lasts that percentage of their span.
std::optional<double> SwingPercent(std::span<const GrooveStep> groove) {
  if (groove.size() % 2 != 0) return std::nullopt;
  double offsetSum = 0;
  int count = 0;
  for (size_t i = 1; i < groove.size(); i += 2) {
    offsetSum += groove[i].meanOffset * groove[i].count;
    count += groove[i].count;
  }
  if (count == 0) return std::nullopt;
  // The second step starts (1 + offset) steps into a pair of two.
  return 50.0 * (1.0 + offsetSum / count);
}

}  // namespace volemo

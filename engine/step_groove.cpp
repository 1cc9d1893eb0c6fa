#include "step_groove.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "meter.h"
#include "mml_tokens.h"
#include "random_source.h"
#include "swing.h"

namespace volemo {
namespace {

// A draw in -n..n.
int Spread(RandomSource& random, int n) { return static_cast<int>(random.Next(2 * static_cast<uint32_t>(n) + 1)) - n; }

}  // namespace

StepGroove::StepGroove(const GrooveSettings& groove, int64_t stepTicks, int stepCount, int velocity, uint32_t seed)
    : stepTicks_(stepTicks), shapesTime_(groove.ShapesTime()), shapesVelocity_(groove.ShapesVelocity()) {
  const int count = std::max(stepCount, 0);
  if (shapesTime_ && stepTicks > 0) {
    if (groove.swingGrid < 1 || groove.swingGrid > kWholeNoteTicks)
      throw std::invalid_argument("a swing grid of " + std::to_string(groove.swingGrid) + "ths is no note length");
    const int64_t grid = kWholeNoteTicks / groove.swingGrid;
    boundaries_.resize(count + 1);
    int64_t shortest = stepTicks;
    // A body that ends inside a pair (7/8 swung in 8ths) plays that last
    // part pair straight, so it still ends on its grid.
    const int64_t end = count * stepTicks;
    const int64_t swungEnd = end - end % (2 * grid);
    for (int i = 0; i <= count; ++i) {
      const int64_t tick = i * stepTicks;
      boundaries_[i] = tick < swungEnd ? SwingTick(tick, grid, groove.swing) : tick;
      if (i > 0) shortest = std::min(shortest, boundaries_[i] - boundaries_[i - 1]);
    }
    // Two neighbours moved towards each other by less than half of the
    // shortest step each still leave it a tick.
    const int spread = static_cast<int>(std::min<int64_t>(groove.humanizeTime, (shortest - 1) / 2));
    RandomSource random = Stream(seed, 0x7f4a7c15u);
    for (int i = 1; i < count && spread > 0; ++i) boundaries_[i] += Spread(random, spread);
  }
  if (shapesVelocity_) {
    const Meter meter = groove.meter.value_or(Meter{});
    RandomSource random = Stream(seed, 0x2545f491u);
    for (int i = 0; i < count; ++i) {
      const Accent accent = AccentAt(meter, i * stepTicks);
      const int raised = velocity + (accent == Accent::Bar ? groove.barAccent : accent == Accent::Beat ? groove.beatAccent : 0);
      const int spread = groove.humanizeVelocity > 0 ? Spread(random, groove.humanizeVelocity) : 0;
      velocities_.push_back(std::clamp(raised + spread, 1, 127));
    }
  }
  if (groove.stepProbability < 100) {
    RandomSource random = Stream(seed, 0x9e3779b9u);
    for (int i = 0; i < count; ++i) sounds_.push_back(static_cast<int>(random.Next(100)) < groove.stepProbability);
  }
}

GrooveStep StepGroove::At(int step) const {
  GrooveStep s;
  const size_t i = static_cast<size_t>(step);
  if (step >= 0 && i + 1 < boundaries_.size()) {
    s.start = boundaries_[i];
    s.length = boundaries_[i + 1] - boundaries_[i];
    s.lengthText = TicksLength(s.length);
  } else {
    s.start = step * stepTicks_;
    s.length = stepTicks_;
  }
  if (step >= 0 && i < velocities_.size()) s.velocity = velocities_[i];
  if (step >= 0 && i < sounds_.size()) s.sounds = sounds_[i];
  return s;
}

}  // namespace volemo

#include "random_source.h"

#include <chrono>

namespace volemo {

uint32_t ClockSeed() {
  const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  return static_cast<uint32_t>(ticks);
}

}  // namespace volemo

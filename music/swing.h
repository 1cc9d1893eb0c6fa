// Swing: the second of each pair of grid steps moved later.
#pragma once

#include <cstdint>

namespace volemo {

// Where a tick of the straight grid lands under swing of percent (50 to
// 75) on steps of gridTicks: the first step of each pair lasts percent of
// the pair, rounded to the nearest tick (half up), the second the rest; a
// tick inside a step keeps its share of that step. Throws
// std::invalid_argument for percent outside 50..75 or gridTicks < 1.
int64_t SwingTick(int64_t tick, int64_t gridTicks, int percent);

}  // namespace volemo

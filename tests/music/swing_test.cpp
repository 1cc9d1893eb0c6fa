#include "swing.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace volemo {
namespace {

// By hand: the first step of a pair lasts round(2 * grid * percent / 100)
// ticks; ticks inside a step keep their share of it, rounded half up.
TEST(SwingTest, MovesTheSecondStepOfEachPair) {
  struct Case {
    int64_t grid;
    int percent;
    int64_t tick, expected;
  } cases[] = {
      {120, 50, 120, 120},  // straight
      {120, 62, 0, 0},
      {120, 62, 120, 149},  // 240 * 0.62 = 148.8
      {120, 62, 240, 240},
      {120, 62, 360, 389},
      {120, 62, 60, 75},    // 60 * 149 / 120 = 74.5
      {120, 62, 180, 195},  // 149 + 60 * 91 / 120 = 149 + 45.5
      {120, 66, 120, 158},  // 158.4
      {120, 75, 120, 180},
      {240, 62, 240, 298},  // eighths: 480 * 0.62 = 297.6
      {240, 62, 120, 149},
      {240, 62, 960, 960},
  };
  for (const Case& c : cases)
    EXPECT_EQ(SwingTick(c.tick, c.grid, c.percent), c.expected) << c.grid << " " << c.percent << "% " << c.tick;
}

TEST(SwingTest, RefusesAShareOutsideItsRange) {
  for (int percent : {49, 76, 0, 100}) EXPECT_THROW(SwingTick(120, 120, percent), std::invalid_argument) << percent;
  EXPECT_THROW(SwingTick(120, 0, 60), std::invalid_argument);
}

}  // namespace
}  // namespace volemo

#include "random_source.h"

#include <gtest/gtest.h>

namespace volemo {
namespace {

TEST(RandomSource, SeedZeroGivesTheKnownSequence) {
  RandomSource random;
  random.Seed(0);
  EXPECT_EQ(random.Next(100), 0u);
  EXPECT_EQ(random.seed(), 1u);
  for (uint32_t expected : {3u, 86u, 20u, 27u, 67u}) EXPECT_EQ(random.Next(100), expected);
}

TEST(RandomSource, NextOfOneAndZeroAreZeroAndStillAdvance) {
  RandomSource random;
  random.Seed(12345);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(random.Next(1), 0u);
  const uint32_t before = random.seed();
  EXPECT_EQ(random.Next(0), 0u);
  EXPECT_EQ(random.seed(), before * 134775813u + 1u);
}

TEST(RandomSource, UsesTheFull64BitProduct) {
  RandomSource random;
  random.Seed(1);  // next seed: 134775814
  EXPECT_EQ(random.Next(0xFFFFFFFFu), 134775813u);
  random.Seed(0xFFFFFFFFu);  // the multiplication wraps: 0xF7F77BFC
  EXPECT_EQ(random.seed(), 0xFFFFFFFFu);
  EXPECT_EQ(random.Next(0x10000u), 0xF7F7u);
}

}  // namespace
}  // namespace volemo

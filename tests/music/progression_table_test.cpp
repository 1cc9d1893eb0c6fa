#include "progression_table.h"

#include <gtest/gtest.h>

#include "chord_symbols.h"

namespace volemo::music {
namespace {

// Every entry reads as a progression, and each point of the weights lands
// on the entry that covers it.
TEST(ProgressionTable, EntriesParseAndPointsFollowTheWeights) {
  int point = 0;
  for (const CommonProgression& p : CommonProgressions()) {
    EXPECT_EQ(ParseProgression(p.numerals, 0).error, "") << p.numerals;
    EXPECT_EQ(ProgressionAt(point).numerals, p.numerals);
    EXPECT_EQ(ProgressionAt(point + p.weight - 1).numerals, p.numerals);
    point += p.weight;
  }
  EXPECT_EQ(point, ProgressionWeightTotal());
  EXPECT_EQ(ProgressionAt(0).numerals, "I V vi IV");
}

}  // namespace
}  // namespace volemo::music

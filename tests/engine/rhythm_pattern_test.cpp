#include "rhythm_pattern.h"

#include <gtest/gtest.h>

#include <set>

#include "engine_fixture.h"

namespace volemo {
namespace {

void SetSymbolWeights(Engine& e, std::array<int, 7> w) {
  for (int i = 0; i < 7; ++i) e.settings.SetPosition("scrP" + std::to_string(i), w[i]);
}

std::string Pattern(Engine& e) {
  MakeRandomPattern(e.settings, e.state);
  return e.settings.PatternText();
}

TEST(RhythmPercent, DefaultWeights) {
  const int weights[] = {100, 15, 90, 10, 8, 20, 0};
  const int expected[] = {41, 6, 37, 4, 3, 8, 0};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(RhythmPercent(weights[i], 243), expected[i]) << i;
}

TEST(RhythmPercent, TruncatesWithTwoExceptionsAtATotalOfHundred) {
  EXPECT_EQ(RhythmPercent(53, 100), 52);
  EXPECT_EQ(RhythmPercent(59, 100), 58);
  EXPECT_EQ(RhythmPercent(29, 100), 29);
  EXPECT_EQ(RhythmPercent(47, 100), 47);
  EXPECT_EQ(RhythmPercent(100, 100), 100);
  EXPECT_EQ(RhythmPercent(53, 200), 26);
  EXPECT_EQ(RhythmPercent(59, 101), 58);
  EXPECT_EQ(RhythmPercent(2, 3), 66);
}

TEST(DrawRhythmSymbol, WeightsOfFiftyThreeAndFortySevenDrawOnlyThoseTwo) {
  Engine e(17);
  SetSymbolWeights(e, {53, 47, 0, 0, 0, 0, 0});
  std::set<char> seen;
  for (int i = 0; i < 500; ++i) seen.insert(DrawRhythmSymbol(e.settings, e.state.random));
  EXPECT_EQ(seen, (std::set<char>{'N', 'r'}));
}

TEST(DrawRhythmSymbol, AllWeightsZeroGiveNAfter5001Attempts) {
  Engine e(4);
  SetSymbolWeights(e, {0, 0, 0, 0, 0, 0, 0});
  RandomSource reference;
  reference.Seed(4);
  for (int i = 0; i < 5001 * 2; ++i) reference.Next(100);
  EXPECT_EQ(DrawRhythmSymbol(e.settings, e.state.random), 'N');
  EXPECT_EQ(e.state.random.seed(), reference.seed());
}

TEST(DrawRhythmSymbol, DefaultsNeverBend) {
  Engine e(8);
  std::set<char> seen;
  for (int i = 0; i < 2000; ++i) seen.insert(DrawRhythmSymbol(e.settings, e.state.random));
  EXPECT_EQ(seen, (std::set<char>{'N', 'r', '^', 'm', 'd', 'W'}));
}

TEST(MakeRandomPattern, GroupsOfFourSeparatedByOneBlank) {
  Engine e(21);
  const std::string sixteen = Pattern(e);
  ASSERT_EQ(sixteen.size(), 19u);
  for (size_t i = 0; i < sixteen.size(); ++i)
    EXPECT_EQ(sixteen[i] == ' ', i % 5 == 4) << sixteen;
  EXPECT_EQ(e.settings.Status(), Sj("ランダムなパターンを作成"));

  e.settings.SetText("spnPatternCount", "5");
  const std::string five = Pattern(e);
  ASSERT_EQ(five.size(), 6u);
  EXPECT_EQ(five[4], ' ');
  EXPECT_NE(five[5], ' ');
}

TEST(MakeRandomPattern, UnconfirmedLengthIsEmptyBelowOneAndCappedAtTheMaximum) {
  Engine e(2);
  e.settings.SetText("spnPatternCount", "-5");
  EXPECT_EQ(Pattern(e), "");
  e.settings.SetText("spnPatternCount", "0");
  EXPECT_EQ(Pattern(e), "");
  e.settings.SetText("spnPatternCount", "2000000000");
  EXPECT_EQ(Pattern(e).size(), 64u + 15u);
}

TEST(MakeRandomPattern, FirstSymbolSoundsWhenAskedTo) {
  std::set<char> firstWhenFree, firstWhenSounding;
  for (uint32_t seed = 0; seed < 300; ++seed) {
    Engine e(seed);
    firstWhenSounding.insert(Pattern(e)[0]);
    e.settings.SetChecked("chkPatternPlayFirst", false);
    firstWhenFree.insert(Pattern(e)[0]);
  }
  EXPECT_EQ(firstWhenSounding, (std::set<char>{'N', 'm', 'd', 'W'}));
  EXPECT_TRUE(firstWhenFree.contains('^') && firstWhenFree.contains('r'));
}

TEST(MakeRandomPattern, FirstSymbolRedrawEndsWhenOnlyRestsAndTiesCanBeDrawn) {
  Engine e(6);
  SetSymbolWeights(e, {1, 100, 100, 0, 0, 0, 0});  // N gets 0%
  const std::string pattern = Pattern(e);
  EXPECT_EQ(pattern[0], 'N');
  EXPECT_EQ(pattern.find_first_not_of("r^ ", 1), std::string::npos) << pattern;
}

TEST(RandomizePatternWeights, DrawsTheSevenWeightsInOrderBelowHundred) {
  Engine e(1234);
  RandomSource reference;
  reference.Seed(1234);
  RandomizePatternWeights(e.settings, e.state);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(e.settings.Position("scrP" + std::to_string(i)), static_cast<int>(reference.Next(100)));
}

}  // namespace
}  // namespace volemo

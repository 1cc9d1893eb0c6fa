#include "key_finding.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "proportional_weights.h"
#include "transition_model.h"

namespace volemo {
namespace {

// Major, Ionian (the same weights), Dorian and Chromatic as the shipped
// scale file spells them, tonic first.
const std::vector<std::array<int, 12>> kScales = {
    {10, 0, 6, 0, 8, 5, 0, 9, 0, 6, 0, 4},
    {10, 0, 6, 0, 8, 5, 0, 9, 0, 6, 0, 4},
    {10, 0, 5, 8, 0, 6, 0, 9, 0, 6, 6, 0},
    {10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10},
};

TEST(KeyFinding, EachProfileFindsItsScaleAndKey) {
  struct Case {
    const char* what;
    std::array<double, 12> profile;  // C first
    int scale, tonic;
    double score;
  };
  const Case cases[] = {
      // Major's weights moved up to A: a perfect fit, and Major before Ionian.
      {"A major", {0, 8, 5, 0, 9, 0, 6, 0, 4, 10, 0, 6}, 0, 9, 1.0},
      // Dorian's weights on D, doubled: the correlation does not see the scale.
      {"D Dorian", {12, 0, 20, 0, 10, 16, 0, 12, 0, 18, 0, 12}, 2, 2, 1.0},
      // Every pitch class alike: only the flat scale fits.
      {"all twelve alike", {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3}, 3, 0, 1.0},
  };
  for (const Case& c : cases) {
    const KeyMatch match = FindKey(c.profile, kScales);
    EXPECT_EQ(match.scale, c.scale) << c.what;
    EXPECT_EQ(match.tonic, c.tonic) << c.what;
    EXPECT_NEAR(match.score, c.score, 1e-9) << c.what;
  }
}

TEST(ProportionalWeights, TheLargestTakesTheTopAndTheRestTheirShareRounded) {
  const std::vector<double> amounts = {12, 6, 8, 5, 10, 0, 3};
  EXPECT_EQ(ProportionalWeights(amounts, 10), (std::vector<int>{10, 5, 7, 4, 8, 0, 3}));
  EXPECT_EQ(ProportionalWeights(std::vector<double>{8, 1, 3}, 100), (std::vector<int>{100, 13, 38}));
  EXPECT_EQ(ProportionalWeights(std::vector<double>{0, 0}, 10), (std::vector<int>{0, 0}));
}

TEST(TransitionModel, DrawsFollowTheCountsAndAnUnseenStateTheWholeSequence) {
  TransitionModel model;
  model.Learn(std::vector<int>{1, 2, 1, 3, 1, 2});
  EXPECT_EQ(model.Followers(1), (std::map<int, int>{{2, 2}, {3, 1}}));
  EXPECT_EQ(model.Pick(1, 0), 2);
  EXPECT_EQ(model.Pick(1, 1), 2);
  EXPECT_EQ(model.Pick(1, 2), 3);
  EXPECT_THROW(model.Pick(1, 3), std::out_of_range);
  // 2 is followed only once, by 1; 7 never occurs: all six states count.
  EXPECT_EQ(model.Total(2), 1);
  EXPECT_EQ(model.Total(7), 6);
  EXPECT_EQ(model.Pick(7, 5), 3);
}

}  // namespace
}  // namespace volemo

#include "euclidean_rhythm.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace volemo {
namespace {

std::string Drawn(const std::vector<bool>& steps) {
  std::string s;
  for (bool onset : steps) s += onset ? 'x' : '.';
  return s;
}

// Worked out by hand from the grouping construction; the unrotated ones
// are the rhythms Toussaint lists.
TEST(EuclideanRhythmTest, SpreadsOnsetsEvenlyAndRotates) {
  struct Case {
    int k, n, r;
    std::string expected;
  } cases[] = {
      {0, 5, 0, "....."},
      {0, 5, 2, "....."},
      {5, 5, 0, "xxxxx"},
      {5, 5, 3, "xxxxx"},
      {1, 4, 0, "x..."},
      {1, 4, 1, ".x.."},
      {1, 4, -1, "...x"},
      {1, 4, 5, ".x.."},
      {2, 5, 0, "x.x.."},
      {3, 7, 0, "x.x.x.."},
      {3, 8, 0, "x..x..x."},
      {5, 8, 0, "x.xx.xx."},
      {4, 12, 0, "x..x..x..x.."},
      {5, 16, 0, "x..x..x..x..x..."},
      {5, 16, 2, "..x..x..x..x..x."},
      {7, 16, 0, "x..x.x.x..x.x.x."},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Drawn(EuclideanRhythm(c.k, c.n, c.r)), c.expected) << c.k << "," << c.n << "," << c.r;
}

TEST(EuclideanRhythmTest, RefusesWhatCannotBeSpread) {
  struct Case {
    int k, n;
    std::string says;
  } cases[] = {{6, 5, "0 to 5 onsets, not 6"}, {-1, 5, "not -1"}, {0, 0, "at least 1 step"}};
  for (const Case& c : cases) {
    try {
      EuclideanRhythm(c.k, c.n, 0);
      ADD_FAILURE() << c.k << "," << c.n << " was accepted";
    } catch (const std::invalid_argument& e) {
      EXPECT_NE(std::string(e.what()).find(c.says), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace volemo

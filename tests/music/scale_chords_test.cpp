// Expected tones worked out by hand: each scale written out, and every
// other tone taken from the root.
#include "scale_chords.h"

#include <gtest/gtest.h>

namespace volemo::music {
namespace {

unsigned Mask(std::initializer_list<int> pitches) {
  unsigned mask = 0;
  for (int p : pitches) mask |= 1u << p;
  return mask;
}

TEST(ScaleChords, AlternateScaleTonesStackIntoTheScalesOwnChords) {
  const unsigned major = Mask({0, 2, 4, 5, 7, 9, 11});
  const unsigned dorian = Mask({0, 2, 3, 5, 7, 9, 10});
  const unsigned pentatonic = Mask({0, 2, 4, 7, 9});
  const unsigned miyakobushi = Mask({0, 1, 5, 7, 8});
  struct Case {
    unsigned scale;
    int root, count;
    std::vector<int> tones;
    std::string name;
  };
  const Case cases[] = {
      {major, 0, 3, {0, 4, 7}, "C"},
      {major, 2, 3, {2, 5, 9}, "Dm"},
      {major, 11, 3, {11, 2, 5}, "Bdim"},
      {major, 7, 4, {7, 11, 2, 5}, "G7"},
      {dorian, 0, 3, {0, 3, 7}, "Cm"},
      {dorian, 5, 3, {5, 9, 0}, "F"},
      {dorian, 9, 3, {9, 0, 3}, "Adim"},
      {pentatonic, 0, 3, {0, 4, 9}, "C(E,A)"},
      {pentatonic, 2, 3, {2, 7, 0}, "D(G,C)"},
      {pentatonic, 9, 3, {9, 2, 7}, "A(D,G)"},
      {miyakobushi, 0, 3, {0, 5, 8}, "C(F,Ab)"},
      {miyakobushi, 7, 3, {7, 0, 5}, "G(C,F)"},
  };
  for (const Case& c : cases) {
    const std::optional<Chord> chord = StackScaleTones(c.scale, c.root, c.count);
    ASSERT_TRUE(chord) << c.name;
    EXPECT_EQ(chord->tones, c.tones) << c.name;
    EXPECT_EQ(chord->symbol, c.name);
  }
}

TEST(ScaleChords, NoChordFromARootOutsideOrAScaleOfOtherSize) {
  EXPECT_FALSE(StackScaleTones(Mask({0, 2, 4, 7, 9}), 5, 3));      // F is not in the pentatonic
  EXPECT_FALSE(StackScaleTones(Mask({0, 4, 7}), 0, 3));            // three tones
  EXPECT_FALSE(StackScaleTones(0xFFF, 0, 3));                      // all twelve
}

}  // namespace
}  // namespace volemo::music

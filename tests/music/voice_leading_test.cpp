// Expected voicings worked out by hand: every close-position inversion in
// keys 52..76 listed with its size from the chord before.
#include "voice_leading.h"

#include <gtest/gtest.h>

namespace volemo::music {
namespace {

TEST(VoiceLeading, EachChordTakesTheInversionThatMovesLeast) {
  struct Case {
    std::vector<int> tones, previous, keys;
    int size;  // from previous; for the first chord, from the centre 64
  };
  const Case cases[] = {
      // C E G nearest 64: 60 64 67 (7) beats 64 67 72 (11) and 55 60 64 (13).
      {{0, 4, 7}, {}, {60, 64, 67}, 7},
      // C to F: 60 65 69 (3) beats 57 60 65 (9) and 65 69 72 (15).
      {{5, 9, 0}, {60, 64, 67}, {60, 65, 69}, 3},
      // C to G: 59 62 67 (3) beats 62 67 71 (9) and 55 59 62 (15).
      {{7, 11, 2}, {60, 64, 67}, {59, 62, 67}, 3},
      // F to G7, three notes to four: 59 62 65 67 (8) beats 62 65 67 71 (10).
      {{7, 11, 2, 5}, {60, 65, 69}, {59, 62, 65, 67}, 8},
  };
  for (const Case& c : cases) {
    const std::vector<int> keys = NearestInversion(c.tones, c.previous, 52, 76, 64);
    EXPECT_EQ(keys, c.keys);
    if (!c.previous.empty()) {
      EXPECT_EQ(VoiceLeadingSize(c.previous, keys), c.size);
    }
  }
  EXPECT_TRUE(NearestInversion({0, 4, 7}, {}, 60, 65, 62).empty());  // no inversion fits in 5 keys
}

}  // namespace
}  // namespace volemo::music

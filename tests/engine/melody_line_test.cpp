#include "melody_line.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "composer.h"
#include "engine_fixture.h"

namespace volemo {
namespace {

constexpr int kSeeds = 300;

Phrase ComposeLine(uint32_t seed, const LineSettings& line, Engine& e) {
  e.state.random.Seed(seed);
  e.StartAsTheWindowDoes();
  e.settings.SetPatternText("");
  MelodyOptions options;
  options.line = line;
  return ComposePhrase(e.settings, e.state, {}, options);
}

// The measure over Major C4-B5: smooth, bounded, closing on C.
TEST(MelodyLine, SmoothLineStepsStaysWithinTheLeapAndEndsOnTheTonic) {
  LineSettings line;
  line.smoothness = 100;
  line.maxLeap = 7;
  line.cadence = 100;
  int moves = 0, steps = 0;
  for (uint32_t seed = 0; seed < kSeeds; ++seed) {
    Engine e;
    const Phrase phrase = ComposeLine(seed, line, e);
    const auto& notes = phrase.Notes();
    ASSERT_FALSE(notes.empty());
    for (size_t i = 1; i < notes.size(); ++i) {
      const int move = std::abs(notes[i].key - notes[i - 1].key);
      ASSERT_LE(move, 7) << "seed " << seed << " note " << i + 1;
      ++moves;
      steps += move <= 2;
    }
    EXPECT_EQ(notes.back().key % 12, 0) << "seed " << seed;
  }
  EXPECT_GE(steps * 100, moves * 60) << steps << " of " << moves;
}

TEST(MelodyLine, AfterALeapLargerThanAFifthTurnsBackByStep) {
  LineSettings line;
  line.turnBack = 100;
  int leaps = 0;
  for (uint32_t seed = 0; seed < kSeeds; ++seed) {
    Engine e;
    const Phrase phrase = ComposeLine(seed, line, e);
    const auto& notes = phrase.Notes();
    for (size_t i = 2; i < notes.size(); ++i) {
      const int leap = notes[i - 1].key - notes[i - 2].key;
      if (std::abs(leap) <= 7) continue;
      ++leaps;
      const int back = notes[i].key - notes[i - 1].key;
      ASSERT_TRUE(back != 0 && std::abs(back) <= 2 && (back > 0) != (leap > 0))
          << "seed " << seed << " note " << i + 1 << ": " << leap << " then " << back;
    }
  }
  EXPECT_GT(leaps, kSeeds);
}

// The mean key of each eighth of the phrase, over many seeds, follows the
// contour: which eighths lie above which (a wave rises and falls twice).
TEST(MelodyLine, ContoursShapeTheQuarters) {
  struct Case {
    Contour contour;
    int higher, lower;  // eighths 0..7
  };
  const Case cases[] = {
      {Contour::Rising, 7, 0}, {Contour::Rising, 5, 2}, {Contour::Falling, 0, 7}, {Contour::Falling, 2, 5},
      {Contour::Arch, 3, 0},   {Contour::Arch, 4, 7},   {Contour::Wave, 1, 0},    {Contour::Wave, 2, 3},
      {Contour::Wave, 5, 4},   {Contour::Wave, 6, 7},
  };
  for (const Case& c : cases) {
    double sum[8] = {}, count[8] = {};
    LineSettings line;
    line.contour = c.contour;
    for (uint32_t seed = 0; seed < 100; ++seed) {
      Engine e;
      e.settings.SetText("spnCount", "64");
      const Phrase phrase = ComposeLine(seed, line, e);
      for (const PhraseNote& n : phrase.Notes()) {
        const int eighth = static_cast<int>(n.startTick * 8 / (64 * 120));
        sum[eighth] += n.key;
        ++count[eighth];
      }
    }
    EXPECT_GT(sum[c.higher] / count[c.higher], sum[c.lower] / count[c.lower] + 3)
        << static_cast<int>(c.contour) << ": eighth " << c.higher << " over " << c.lower;
  }
}

}  // namespace
}  // namespace volemo

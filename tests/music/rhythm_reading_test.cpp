#include <gtest/gtest.h>

#include <vector>

#include "commonest_step.h"
#include "groove_template.h"
#include "rhythm_symbols.h"

namespace volemo {
namespace {

constexpr int64_t kStep = 240;  // an eighth at 480 a quarter

TEST(RhythmReading, EachKindOfStepReadsAsItsSymbol) {
  struct Case {
    const char* what;
    std::vector<TimedNote> notes;
    const char* symbols;
    std::vector<int> normalGates, mutedGates;
  };
  const Case cases[] = {
      {"two notes", {{0, 240}, {240, 216}}, "NN", {100, 90}, {}},
      {"a note over three steps, cut at the next", {{0, 700}, {480, 240}}, "N^N", {100, 100}, {}},
      {"short notes, silence between", {{0, 60}, {720, 100}}, "mrrm", {}, {25, 42}},
      {"a chord held for two steps", {{0, 450}, {0, 450}}, "W^", {}, {}},
      {"two onsets in a step", {{0, 100}, {120, 100}, {240, 240}}, "dN", {100}, {}},
      {"a bent note", {{0, 120, true}, {240, 240}}, "BN", {50, 100}, {}},
      {"played early and swung late, still on their steps", {{-50, 240}, {300, 180}}, "NN", {100, 75}, {}},
      {"chord notes struck a little apart", {{0, 240}, {20, 220}}, "W", {}, {}},
  };
  for (const Case& c : cases) {
    const RhythmReading reading = ReadRhythm(c.notes, kStep);
    EXPECT_EQ(reading.symbols, c.symbols) << c.what;
    EXPECT_EQ(reading.normalGates, c.normalGates) << c.what;
    EXPECT_EQ(reading.mutedGates, c.mutedGates) << c.what;
  }
}

TEST(CommonestStep, TheCommonestTimeBetweenOnsetsAsANoteValue) {
  struct Case {
    const char* what;
    std::vector<int64_t> onsets;
    int value;
  };
  const Case cases[] = {
      {"sixteenths", {0, 120, 240, 360, 480}, 16},
      {"sixteenths swung to 62 %", {0, 149, 240, 389, 480, 629}, 16},
      {"eighth triplets", {0, 160, 320, 480}, 12},
      {"eighths and quarters alike: the longer", {0, 240, 480, 960, 1440}, 4},
      {"chords played by hand", {0, 5, 480, 483, 960, 962}, 4},
      {"one onset", {0, 0}, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(CommonestNoteValue(c.onsets, 480), c.value) << c.what;
}

TEST(GrooveTemplate, OffsetsAndVelocitiesPerStepAndTheSwingOfThePairs) {
  // Sixteenths of a 4/4 bar at 480 a quarter: 120 ticks a step.
  const std::vector<Onset> onsets = {{0, 100}, {150, 60}, {240, 80}, {390, 70}, {1920 + 3, 110}, {1920 + 1914, 90}};
  const std::vector<GrooveStep> groove = GrooveTemplate(onsets, 1920, 16);
  ASSERT_EQ(groove.size(), 16u);
  // Step 1: bar 1 on time, bar 2 three ticks late, and bar 3's 6 ticks early onset.
  EXPECT_EQ(groove[0].count, 3);
  EXPECT_NEAR(groove[0].meanOffset, (0 + 3 - 6) / 3.0 / 120, 1e-12);
  EXPECT_NEAR(groove[0].meanVelocity, 100.0, 1e-12);
  EXPECT_EQ(groove[1].count, 1);
  EXPECT_NEAR(groove[1].meanOffset, 30.0 / 120, 1e-12);
  EXPECT_EQ(groove[3].count, 1);
  EXPECT_NEAR(groove[3].meanVelocity, 70.0, 1e-12);
  // The second steps, both 30 ticks late: 150 of a pair of 240 is 62.5 %.
  EXPECT_NEAR(*SwingPercent(groove), 62.5, 1e-9);
  EXPECT_FALSE(SwingPercent(GrooveTemplate(std::vector<Onset>{{0, 1}}, 1920, 16)));
}

}  // namespace
}  // namespace volemo

#include "meter.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace volemo {
namespace {

// By hand: a unit is 1920 / D ticks; compound meters beat in threes.
TEST(MeterTest, DividesTheBarIntoItsBeats) {
  struct Case {
    std::string meter, beats;  // beats: "" for the usual ones
    int barTicks;
    std::vector<int> beatStarts;
  } cases[] = {
      {"2/4", "", 960, {0, 480}},
      {"3/4", "", 1440, {0, 480, 960}},
      {"4/4", "", 1920, {0, 480, 960, 1440}},
      {"5/4", "", 2400, {0, 480, 960, 1440, 1920}},
      {"6/8", "", 1440, {0, 720}},
      {"7/8", "", 1680, {0, 480, 960}},
      {"12/8", "", 2880, {0, 720, 1440, 2160}},
      {"7/8", "3+2+2", 1680, {0, 720, 1200}},
      {"5/4", "3+2", 2400, {0, 1440}},
  };
  for (const Case& c : cases) {
    Meter m = ParseMeter(c.meter);
    if (!c.beats.empty()) m.beats = ParseBeats(c.beats, m);
    EXPECT_EQ(BarTicks(m), c.barTicks) << c.meter;
    EXPECT_EQ(BeatStarts(m), c.beatStarts) << c.meter << " " << c.beats;
  }
  EXPECT_EQ(BeatsText(ParseMeter("7/8").beats), "2+2+3");
}

TEST(MeterTest, AccentsTheBarAndTheBeats) {
  const Meter m = ParseMeter("7/8");
  struct Case {
    long long tick;
    Accent accent;
  } cases[] = {{0, Accent::Bar},    {480, Accent::Beat},  {720, Accent::None},
               {960, Accent::Beat}, {1680, Accent::Bar}, {2160, Accent::Beat}};
  for (const Case& c : cases) EXPECT_EQ(AccentAt(m, c.tick), c.accent) << c.tick;
}

TEST(MeterTest, RefusesWhatIsNoMeter) {
  for (const char* text : {"7/7", "0/4", "4", "33/4", "4/x", "/4"})
    EXPECT_THROW(ParseMeter(text), std::invalid_argument) << text;
  const Meter m = ParseMeter("7/8");
  for (const char* text : {"2+2", "2+2+4", "2++5", "7+", "x"})
    EXPECT_THROW(ParseBeats(text, m), std::invalid_argument) << text;
}

}  // namespace
}  // namespace volemo

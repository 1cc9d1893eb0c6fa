// Groove, meter and form as the compiler plays them, read back by midicsv
// where the file itself is in question. Expected ticks and velocities are
// worked out by hand from the settings.
#include <gtest/gtest.h>

#include <random>

#include "compiled_notes.h"
#include "composer.h"
#include "memory_settings.h"
#include "midicsv_reader.h"
#include "pattern_source.h"
#include "scale_table.h"
#include "test_support.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

using dvorlin::testing::HeardFile;
using dvorlin::testing::ScratchDir;

struct Grooved {
  explicit Grooved(uint32_t seed, const std::string& pattern = "N") {
    state.random.Seed(seed);
    settings.SetIndex("cmbScale", LoadScaleTable(state, VOLEMO_SCALE_FILE, [](const std::string&, const std::string&) {}));
    ApplyScale(settings, state);
    settings.SetPatternText(pattern);
  }
  Phrase Compose() { return ComposePhrase(settings, state, groove); }
  HeardFile Heard() {
    const std::string mml = Compose().Mml();
    EXPECT_TRUE(CompileMmlToMidi(mml, dir.File("g.mid"))) << mml;
    return dvorlin::testing::ReadWithMidicsv(dir.File("g.mid"));
  }
  EngineState state;
  MemorySettings settings{state};
  GrooveSettings groove;
  ScratchDir dir;
};

TEST(GrooveCompiles, SwingPlacesTheSecondStepOfEachPairAtItsTick) {
  struct Case {
    int swing, grid, length;
    std::vector<int> starts;
  } cases[] = {
      {50, 16, 16, {0, 120, 240, 360, 480, 600}},
      {62, 16, 16, {0, 149, 240, 389, 480, 629}},  // 240 * 62 % = 148.8
      {66, 16, 16, {0, 158, 240, 398, 480, 638}},
      {75, 16, 16, {0, 180, 240, 420, 480, 660}},
      {62, 8, 16, {0, 149, 298, 389, 480, 629}},  // 480 * 62 % = 297.6; 16ths keep their share
      {62, 8, 8, {0, 298, 480, 778, 960, 1258}},
  };
  for (const Case& c : cases) {
    Grooved g(1);
    g.settings.SetText("spnL", std::to_string(c.length));
    g.groove.swing = c.swing;
    g.groove.swingGrid = c.grid;
    const HeardFile heard = g.Heard();
    ASSERT_GE(heard.notes.size(), c.starts.size());
    for (size_t i = 0; i < c.starts.size(); ++i)
      EXPECT_EQ(heard.notes[i].start, c.starts[i]) << c.swing << "% of " << c.grid << "ths, l" << c.length << ", step " << i;
  }
}

TEST(GrooveCompiles, HumanizeStaysInsideItsBoundsAndRepeatsWithTheSeed) {
  std::set<int> offsets;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    Grooved g(seed);
    g.settings.SetText("spnCount", "16");
    g.settings.SetText("spnV", "100");
    g.groove.humanizeTime = 10;
    g.groove.humanizeVelocity = 8;
    const HeardFile heard = g.Heard();
    ASSERT_EQ(heard.notes.size(), 64u);
    EXPECT_EQ(heard.notes[0].start, 0);
    for (int i = 0; i < 16; ++i) {
      const int offset = heard.notes[i].start - 120 * i;
      EXPECT_LE(std::abs(offset), 10) << "seed " << seed << ", step " << i;
      EXPECT_LE(std::abs(heard.notes[i].velocity - 100), 8) << "seed " << seed << ", step " << i;
      offsets.insert(offset);
    }
    Grooved again(seed);
    again.settings.SetText("spnCount", "16");
    again.settings.SetText("spnV", "100");
    again.groove = g.groove;
    EXPECT_EQ(again.Compose().Mml(), g.settings.MmlText()) << "seed " << seed;
  }
  EXPECT_GE(offsets.size(), 18u);  // of the 21 possible: the draws do spread
}

TEST(GrooveCompiles, AccentsFollowTheMetersBeats) {
  struct Case {
    std::string meter, beats;
    int steps;
    std::vector<int> velocities;  // 100, the beat +12, the bar +20
  } cases[] = {
      {"", "", 16, {120, 100, 100, 100, 112, 100, 100, 100, 112, 100, 100, 100, 112, 100, 100, 100}},
      {"7/8", "", 14, {120, 100, 100, 100, 112, 100, 100, 100, 112, 100, 100, 100, 100, 100}},
      {"7/8", "3+2+2", 14, {120, 100, 100, 100, 100, 100, 112, 100, 100, 100, 112, 100, 100, 100}},
      {"6/8", "", 12, {120, 100, 100, 100, 100, 100, 112, 100, 100, 100, 100, 100}},
  };
  for (const Case& c : cases) {
    Grooved g(3);
    g.settings.SetText("spnCount", std::to_string(c.steps));
    g.settings.SetText("spnV", "100");
    g.groove.beatAccent = 12;
    g.groove.barAccent = 20;
    if (!c.meter.empty()) {
      g.groove.meter = ParseMeter(c.meter);
      if (!c.beats.empty()) g.groove.meter->beats = ParseBeats(c.beats, *g.groove.meter);
    }
    const HeardFile heard = g.Heard();
    ASSERT_EQ(heard.notes.size(), 4 * c.velocities.size()) << c.meter;
    for (size_t i = 0; i < heard.notes.size(); ++i)
      EXPECT_EQ(heard.notes[i].velocity, c.velocities[i % c.velocities.size()]) << c.meter << " " << c.beats << ", note " << i;
  }
}

TEST(GrooveCompiles, MeterIsInTheFileAndThePhraseFillsWholeBars) {
  struct Case {
    std::string meter, signature;
    int endTick;  // four passes of the fewest whole bars of 16ths holding 32 steps
  } cases[] = {
      {"2/4", "2, 2, 24, 8", 15360},  {"3/4", "3, 2, 24, 8", 17280}, {"4/4", "4, 2, 24, 8", 15360},
      {"5/4", "5, 2, 24, 8", 19200},  {"6/8", "6, 3, 36, 8", 17280}, {"7/8", "7, 3, 12, 8", 20160},
      {"12/8", "12, 3, 36, 8", 23040},
  };
  for (const Case& c : cases) {
    for (const int swing : {50, 62}) {  // swung, a body of 7/8 ends inside a pair of 8ths
      Grooved g(5);
      g.groove.meter = ParseMeter(c.meter);
      g.groove.swing = swing;
      g.groove.swingGrid = 8;
      const HeardFile heard = g.Heard();
      EXPECT_EQ(heard.timeSignature, c.signature) << c.meter;
      ASSERT_EQ(heard.trackEnds.size(), 2u);
      EXPECT_EQ(heard.trackEnds[1], c.endTick) << c.meter << ", swing " << swing;
      EXPECT_EQ(heard.trackEnds[1] % (4 * BarTicks(*g.groove.meter)), 0) << c.meter;
    }
  }
}

TEST(GrooveCompiles, RepeatedSectionsAreTheSameAndPrimedOnesVaryOnlyKeys) {
  int varied = 0;
  for (uint32_t seed = 1; seed <= 30; ++seed) {
    Grooved g(seed, "");
    g.groove.form = "AA'BA'";
    g.groove.sectionBars = 1;
    g.groove.variation = 3;
    const Phrase phrase = g.Compose();
    ExpectNotesAsCompiled(phrase, "seed " + std::to_string(seed));
    std::vector<std::vector<PhraseNote>> sections(4);
    for (PhraseNote n : phrase.Notes()) {
      const int64_t section = n.startTick / 1920;
      ASSERT_LT(section, 4);
      n.startTick -= 1920 * section;
      sections[section].push_back(n);
    }
    const auto same = [](const PhraseNote& a, const PhraseNote& b, bool keys) {
      return a.startTick == b.startTick && a.soundingTicks == b.soundingTicks && a.symbol == b.symbol &&
             a.gate == b.gate && (!keys || a.key == b.key);
    };
    ASSERT_EQ(sections[1].size(), sections[0].size()) << "seed " << seed;
    ASSERT_EQ(sections[3].size(), sections[1].size()) << "seed " << seed;
    int differing = 0;
    for (size_t i = 0; i < sections[0].size(); ++i) {
      EXPECT_TRUE(same(sections[1][i], sections[3][i], true)) << "seed " << seed << ", note " << i;
      EXPECT_TRUE(same(sections[0][i], sections[1][i], false)) << "seed " << seed << ", note " << i;
      differing += sections[0][i].key != sections[1][i].key;
    }
    EXPECT_LE(differing, 3) << "seed " << seed;
    varied += differing;
  }
  EXPECT_GT(varied, 30);  // a redrawn key mostly comes out new
}

TEST(GrooveCompiles, StepsSoundWithTheirProbability) {
  struct Case {
    int percent;
    double low, high;  // of 6400 steps
  } cases[] = {{0, 0, 0}, {80, 0.77, 0.83}, {100, 1, 1}};
  for (const Case& c : cases) {
    size_t sounding = 0;
    for (uint32_t seed = 1; seed <= 200; ++seed) {
      Grooved g(seed);
      g.groove.stepProbability = c.percent;
      sounding += g.Compose().Notes().size();
    }
    EXPECT_GE(sounding / 6400.0, c.low) << c.percent << "%";
    EXPECT_LE(sounding / 6400.0, c.high) << c.percent << "%";
  }
}

// Onsets sound whatever the weights of rests and ties; the other steps rest.
TEST(GrooveCompiles, EuclideanPatternSoundsOnItsOnsetsOnly) {
  Grooved g(9);
  g.settings.SetPosition("scrP1", 100);
  g.settings.SetPosition("scrP2", 100);
  MakeEuclideanPattern(g.settings, g.state, {5, 16, 2});
  const std::string pattern = g.settings.PatternText();
  ASSERT_EQ(pattern.size(), 19u) << pattern;  // four groups of four
  std::string onsets;
  for (char c : pattern)
    if (c != ' ') onsets += c == 'r' ? '.' : c == '^' ? '?' : 'x';
  EXPECT_EQ(onsets, "..x..x..x..x..x.") << pattern;
}

// Whatever groove is drawn, the text compiles and the phrase's notes are
// the ones the compiler plays.
TEST(GrooveCompiles, CompileWithGrooveDrawnOverItsRanges) {
  std::mt19937 draw(20261208);
  auto in = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
  const char* meters[] = {"2/4", "3/4", "4/4", "5/4", "6/8", "7/8", "12/8"};
  const char* forms[] = {"", "AABA", "AA'BA'", "ABAC", "A'A''B"};
  for (uint32_t seed = 1; seed <= 200; ++seed) {
    Grooved g(seed, "");
    g.settings.SetText("spnL", std::to_string(std::vector{4, 8, 16, 32}[in(0, 3)]));
    g.settings.SetText("spnCount", std::to_string(in(1, 64)));
    g.settings.SetPosition("scrGateN", in(0, 100));
    g.settings.SetChecked("chkPatternPlayFirst", in(0, 1) == 1);
    GrooveSettings& groove = g.groove;
    if (in(0, 1)) groove.euclid = EuclidSteps{in(0, 12), 12 + in(0, 4), in(-3, 3)};
    groove.stepProbability = in(0, 1) ? 100 : in(0, 100);
    groove.swing = in(50, 75);
    groove.swingGrid = in(0, 1) ? 8 : 16;
    groove.humanizeTime = in(0, 1) ? 0 : in(0, 240);
    groove.humanizeVelocity = in(0, 30);
    groove.beatAccent = in(0, 30);
    groove.barAccent = in(0, 30);
    if (in(0, 1)) groove.meter = ParseMeter(meters[in(0, 6)]);
    groove.form = forms[in(0, 4)];
    groove.sectionBars = in(1, 2);
    groove.variation = in(0, 5);
    Phrase phrase;
    try {
      phrase = g.Compose();
    } catch (const std::invalid_argument&) {
      continue;  // a section of l4 quarters in 7/8 holds no whole number of steps
    }
    ExpectNotesAsCompiled(phrase, "seed " + std::to_string(seed));
  }
}

}  // namespace
}  // namespace volemo

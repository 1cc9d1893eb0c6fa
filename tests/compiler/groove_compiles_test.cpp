// Groove, meter and form as the compiler plays them, read back by midicsv
// where the file itself is in question. Expected ticks and velocities are
// worked out by hand from the settings.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <tuple>

#include "compiled_notes.h"
#include "arrangement.h"
#include "composer.h"
#include "engine_error.h"
#include "form_sections.h"
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

// The form ABA'B with a bar a section (every other seed with many ties,
// some at a section's start), its melody's notes cut into sections
// and timed from each section's start.
struct Sections {
  explicit Sections(uint32_t seed) : g(seed, "") {
    g.groove.form = "ABA'B";
    g.groove.sectionBars = 1;
    g.groove.variation = 2;
    g.settings.SetChecked("chkPatternPlayFirst", false);
    if (seed % 2) g.settings.SetPosition("scrP5", 100);
    phrase = g.Compose();
  }
  std::vector<std::vector<PhraseNote>> Cut() const {
    std::vector<std::vector<PhraseNote>> cut(4);
    for (PhraseNote n : phrase.Notes()) {
      const int64_t section = n.startTick / 1920;
      n.startTick -= 1920 * section;
      n.number = 0;
      n.textBegin = n.textEnd = 0;
      cut[size_t(section)].push_back(n);
    }
    return cut;
  }
  static std::vector<int> Keys(const std::vector<PhraseNote>& notes) {
    std::vector<int> keys;
    for (const PhraseNote& n : notes) keys.push_back(n.key);
    return keys;
  }
  static bool SameTimes(const std::vector<PhraseNote>& a, const std::vector<PhraseNote>& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](const PhraseNote& x, const PhraseNote& y) {
             return x.startTick == y.startTick && x.symbol == y.symbol && x.gate == y.gate;
           });
  }
  Grooved g;
  Phrase phrase;
};

// Everything of each note but its place in the text.
using NoteFacts = std::vector<std::tuple<int64_t, int64_t, int64_t, int, int, char, bool, int>>;
NoteFacts Facts(const std::vector<PhraseNote>& notes) {
  NoteFacts facts;
  for (const PhraseNote& n : notes)
    facts.emplace_back(n.startTick, n.soundingTicks, n.lengthTicks, n.key, n.gate, n.symbol, n.locked, n.velocity);
  return facts;
}

// Re-rolling B leaves the A sections and every locked note as they were;
// both B sections get the same new keys; the text still plays the notes.
TEST(FormSections, RerollOfALetterKeepsTheOthersAndTheLocks) {
  int changed = 0;
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    Sections s(seed);
    const std::string where = "seed " + std::to_string(seed);
    for (const PhraseNote& n : s.phrase.Notes())
      if (n.number % 3 == 0) s.phrase.SetLocked(n.number, true);
    const auto before = s.Cut();
    RerollSection(s.phrase, s.g.groove, 3, s.g.settings, s.g.state);
    const auto after = s.Cut();
    ExpectNotesAsCompiled(s.phrase, where);
    EXPECT_EQ(Facts(after[0]), Facts(before[0])) << where;
    EXPECT_EQ(Facts(after[2]), Facts(before[2])) << where;
    EXPECT_EQ(Sections::Keys(after[1]), Sections::Keys(after[3])) << where;
    ASSERT_TRUE(Sections::SameTimes(after[1], before[1])) << where;
    for (size_t i = 0; i < after[1].size(); ++i) {
      if (before[1][i].locked || before[3][i].locked) {
        EXPECT_EQ(after[1][i].key, before[1][i].key) << where;
      }
      changed += after[1][i].key != before[1][i].key;
    }
  }
  EXPECT_GT(changed, 40);
}

// Re-rolling A carries A' along where it was A's notes; re-rolling A' draws
// a new variation of at most `variation` keys.
TEST(FormSections, PrimedSectionsStayVariationsOfTheirLetter) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    Sections s(seed);
    const std::string where = "seed " + std::to_string(seed);
    const auto before = s.Cut();
    RerollSection(s.phrase, s.g.groove, 0, s.g.settings, s.g.state);
    auto after = s.Cut();
    ASSERT_TRUE(Sections::SameTimes(after[2], before[2])) << where;
    for (size_t i = 0; i < after[2].size(); ++i)
      EXPECT_EQ(after[2][i].key, before[0][i].key == before[2][i].key ? after[0][i].key : before[2][i].key) << where;
    RerollSection(s.phrase, s.g.groove, 2, s.g.settings, s.g.state);
    after = s.Cut();
    int differing = 0;
    for (size_t i = 0; i < after[2].size(); ++i) differing += after[2][i].key != after[0][i].key;
    EXPECT_LE(differing, 2) << where;
    ExpectNotesAsCompiled(s.phrase, where);
  }
}

// Copying A to B makes both B sections A's notes, rhythm, ties and all, and
// the text plays exactly them; locking a section locks its bars alone.
TEST(FormSections, CopyMakesTheLetterTheSectionsNotes) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    Sections s(seed);
    const std::string where = "seed " + std::to_string(seed);
    const auto before = s.Cut();
    CopySection(s.phrase, s.g.groove, 0, 'B', s.g.settings, s.g.state);
    const auto after = s.Cut();
    ExpectNotesAsCompiled(s.phrase, where);
    EXPECT_EQ(Sections::Keys(after[1]), Sections::Keys(before[0])) << where;
    EXPECT_TRUE(Sections::SameTimes(after[1], before[0])) << where;
    EXPECT_EQ(Sections::Keys(after[3]), Sections::Keys(after[1])) << where;
    EXPECT_TRUE(Sections::SameTimes(after[3], after[1])) << where;
    EXPECT_EQ(Sections::Keys(after[2]), Sections::Keys(before[2])) << where;
    EXPECT_NE(s.phrase.Mml().find("\r\n// B\r\n"), std::string::npos) << where;

    LockSection(s.phrase, s.g.groove, 1, true);
    for (const PhraseNote& n : s.phrase.Notes()) EXPECT_EQ(n.locked, n.startTick / 1920 == 1) << where;
  }
}

// With a bass under the form, the whole still plays what it says after a
// copy changed the melody's number of notes, and a re-roll of the whole
// draws each part's notes by its own choice: the bass stays in its range.
TEST(FormSections, CopyUnderPartsKeepsEachPartsChoice) {
  int moved = 0;
  for (uint32_t seed = 1; seed <= 20; ++seed) {
    Sections s(seed);
    ArrangementSettings parts;
    parts.bass = true;
    s.g.settings.SetPatternText("");
    Phrase whole = ComposeArrangement(s.g.settings, s.g.state, parts, s.g.groove).Whole();
    const size_t before = whole.Notes().size();
    CopySection(whole, s.g.groove, 0, 'B', s.g.settings, s.g.state);
    moved += whole.Notes().size() != before;
    ExpectNotesAsCompiled(whole, "seed " + std::to_string(seed));
    whole.Reroll(s.g.settings, s.g.state);
    bool bass = false;
    for (const PhraseNote& n : whole.Notes()) {
      bass = bass || (n.startsPart && n.number > 1);
      if (bass) {
        EXPECT_TRUE(n.key >= kBassVoicing.low && n.key <= kBassVoicing.high) << "seed " << seed << ": " << n.key;
      }
    }
  }
  EXPECT_GT(moved, 10);
}

TEST(FormSections, RefusesWithAReason) {
  struct Case {
    const char* what;
    std::function<void(Sections&)> run;
  } cases[] = {
      {"a section past the form", [](Sections& s) { LockSection(s.phrase, s.g.groove, 4, true); }},
      {"a letter not in the form", [](Sections& s) { CopySection(s.phrase, s.g.groove, 0, 'C', s.g.settings, s.g.state); }},
      {"the section's own letter", [](Sections& s) { CopySection(s.phrase, s.g.groove, 0, 'A', s.g.settings, s.g.state); }},
      {"locked notes in the letter",
       [](Sections& s) {
         LockSection(s.phrase, s.g.groove, 3, true);
         CopySection(s.phrase, s.g.groove, 0, 'B', s.g.settings, s.g.state);
       }},
      {"a form changed since", [](Sections& s) {
         s.g.groove.form = "BA";
         RerollSection(s.phrase, s.g.groove, 0, s.g.settings, s.g.state);
       }},
      {"sections made longer since", [](Sections& s) {
         s.g.groove.sectionBars = 2;
         LockSection(s.phrase, s.g.groove, 1, true);
       }},
      {"no form", [](Sections& s) {
         s.g.groove.form.clear();
         RerollSection(s.phrase, s.g.groove, 0, s.g.settings, s.g.state);
       }},
  };
  for (const Case& c : cases) {
    Sections s(3);
    const std::string mml = s.phrase.Mml();
    EXPECT_THROW(c.run(s), EngineError) << c.what;
    if (std::string(c.what) != "locked notes in the letter") {
      EXPECT_EQ(s.phrase.Mml(), mml) << c.what;
    }
  }
}

}  // namespace
}  // namespace volemo

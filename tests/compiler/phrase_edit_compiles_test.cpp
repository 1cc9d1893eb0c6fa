// A phrase written anew from its notes plays as its notes say: unchanged
// notes play exactly as composed, and a new rhythm leaves locked notes
// where they were.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "dvorlin/compile.h"

#include "compiled_notes.h"
#include "composer.h"
#include "engine_state.h"
#include "memory_settings.h"
#include "rhythm_pattern.h"
#include "scale_table.h"
#include "text_trim.h"

namespace volemo {
namespace {

struct Composed {
  explicit Composed(uint32_t seed) {
    state.random.Seed(seed);
    settings.SetIndex("cmbScale", LoadScaleTable(state, VOLEMO_SCALE_FILE, [](const std::string&, const std::string&) {}));
    ApplyScale(settings, state);
    settings.SetPosition("scrMuteRate", 30);
    settings.SetPosition("scrGateM", 40);
    phrase = ComposePhrase(settings, state);
  }
  EngineState state;
  MemorySettings settings{state};
  Phrase phrase;
};

using Heard = std::tuple<uint32_t, uint32_t, int, int>;

std::vector<Heard> Played(const std::string& mml, std::vector<dvorlin::PitchBend>* bends = nullptr) {
  const dvorlin::Performance p = dvorlin::Perform(mml);
  EXPECT_TRUE(p.ok()) << dvorlin::FormatDiagnostics(p.diagnostics) << "\n" << mml;
  std::vector<Heard> notes;
  for (const dvorlin::Note& n : p.song.notes) notes.emplace_back(n.start, n.length, n.key, n.velocity);
  if (bends) *bends = p.song.bends;
  return notes;
}

TEST(PhraseRewrite, PinnedTextOfRestsLengthsGatesVelocitiesAndAChord) {
  PhraseNote a, b, c, d;
  a = {.startTick = 0, .key = 48, .gate = 100, .lengthTicks = 120, .velocity = 100};
  b = {.startTick = 240, .key = 62, .gate = 80, .symbol = 'B', .lengthTicks = 360, .velocity = 90};
  c = {.startTick = 600, .key = 50, .gate = 80, .lengthTicks = 240, .velocity = 90};
  d = c;
  d.key = 53;
  Phrase phrase({""}, {});
  phrase.SetFrame({"l64[4 ", "]", 870, 30});
  phrase.Rewrite({b, d, a, c});  // by start; a chord keeps the given order
  EXPECT_EQ(phrase.Mml(), "l64[4 q100v100o4c%120r%120q80v90p%.T(-8192,0,!32)>d%360|\r\n'<fd'%240r]");
  ASSERT_EQ(phrase.Notes().size(), 4u);
  EXPECT_EQ(phrase.Notes()[1].soundingTicks, 288);
  ExpectNotesAsCompiled(phrase, "pinned");
}

// Unchanged, a composed phrase written anew plays the same notes, loudness
// and bends; only a tie over the repeat's start cannot be written again.
TEST(PhraseRewrite, UnchangedNotesPlayAsComposedForManySeeds) {
  int checked = 0;
  for (uint32_t seed = 1; seed <= 80; ++seed) {
    Composed c(seed);
    if (TrimControlAndBlank(c.settings.PatternText()).front() == '^') continue;
    ++checked;
    std::vector<dvorlin::PitchBend> composedBends, rewrittenBends;
    const std::vector<Heard> composed = Played(c.phrase.Mml(), &composedBends);
    c.phrase.Rewrite(c.phrase.Notes());
    EXPECT_EQ(Played(c.phrase.Mml(), &rewrittenBends), composed) << "seed " << seed << "\n" << c.phrase.Mml();
    ASSERT_EQ(rewrittenBends.size(), composedBends.size()) << "seed " << seed;
    for (size_t i = 0; i < composedBends.size(); ++i)
      EXPECT_EQ(std::tie(rewrittenBends[i].tick, rewrittenBends[i].value),
                std::tie(composedBends[i].tick, composedBends[i].value));
  }
  EXPECT_GT(checked, 60);
}

TEST(PhraseRhythmReroll, LockedNotesKeepTheirStepsOverManySeeds) {
  int moved = 0;
  for (uint32_t seed = 1; seed <= 100; ++seed) {
    Composed c(seed);
    const size_t count = c.phrase.Notes().size();
    for (size_t i = seed % 3; i < count; i += 3) c.phrase.SetLocked(int(i) + 1, true);
    std::vector<PhraseNote> locked, before = c.phrase.Notes();
    for (const PhraseNote& n : before)
      if (n.locked) locked.push_back(n);
    c.phrase.RerollRhythm(c.settings, c.state);
    const auto& after = c.phrase.Notes();
    for (const PhraseNote& n : locked) {
      const bool kept = std::any_of(after.begin(), after.end(), [&](const PhraseNote& a) {
        return a.locked && a.startTick == n.startTick && a.key == n.key && a.gate == n.gate &&
               a.velocity == n.velocity && (a.lengthTicks == n.lengthTicks || a.startTick + a.lengthTicks == c.phrase.Frame().bodyTicks);
      });
      EXPECT_TRUE(kept) << "seed " << seed << ": locked note at " << n.startTick << "\n" << c.phrase.Mml();
    }
    EXPECT_EQ(after.size() - size_t(c.phrase.UnlockedCount()), locked.size()) << "seed " << seed;
    ExpectNotesAsCompiled(c.phrase, "seed " + std::to_string(seed));
    std::vector<int64_t> startsBefore, startsAfter;
    for (const PhraseNote& n : before) startsBefore.push_back(n.startTick);
    for (const PhraseNote& n : after) startsAfter.push_back(n.startTick);
    moved += startsBefore != startsAfter;
    // An edited phrase still re-rolls by key.
    c.phrase.Reroll(c.settings, c.state);
    ExpectNotesAsCompiled(c.phrase, "re-rolled, seed " + std::to_string(seed));
  }
  EXPECT_GT(moved, 90);
}

// With weights that draw one symbol only, a new rhythm sounds as the
// composer sounds a pattern of that symbol: the same notes in time, gate
// and velocity, and the same bends. The bend's slide is written with a
// drawn gate by the composer, with the note's by the re-roll; neither is
// heard.
TEST(PhraseRhythmReroll, EachSymbolSoundsAsComposed) {
  struct Case {
    char symbol;
    int muteRate;
  };
  const Case kCases[] = {{'N', 100}, {'m', 0}, {'B', 0}, {'B', 100}, {'W', 0},
                         {'W', 100}, {'d', 0}, {'d', 100}, {'r', 0},  {'^', 0}};
  using Sound = std::tuple<int64_t, int64_t, int64_t, int, int, char>;
  auto sounds = [](const Phrase& phrase) {
    std::vector<Sound> all;
    for (const PhraseNote& n : phrase.Notes())
      all.emplace_back(n.startTick, n.lengthTicks, n.soundingTicks, n.gate, n.velocity, n.symbol);
    return all;
  };
  auto bends = [](const Phrase& phrase) {
    std::vector<dvorlin::PitchBend> heard;
    Played(phrase.Mml(), &heard);
    std::vector<std::pair<int64_t, int>> all;
    for (const dvorlin::PitchBend& b : heard) all.emplace_back(b.tick, b.value);
    return all;
  };
  for (const Case& c : kCases) {
    const std::string where = std::string(1, c.symbol) + " at mute rate " + std::to_string(c.muteRate);
    EngineState state;
    state.random.Seed(7);
    MemorySettings settings{state};
    settings.SetIndex("cmbScale", LoadScaleTable(state, VOLEMO_SCALE_FILE, [](const std::string&, const std::string&) {}));
    ApplyScale(settings, state);
    settings.SetPosition("scrGateM", 40);
    settings.SetPosition("scrMuteRate", c.muteRate);
    for (size_t i = 0; i < kRhythmSymbols.size(); ++i)
      settings.SetPosition(kRhythmSymbolSliders[i], kRhythmSymbols[i] == c.symbol ? 100 : 0);
    settings.SetPatternText(std::string(1, c.symbol));
    Phrase phrase = ComposePhrase(settings, state);
    const std::vector<Sound> composed = sounds(phrase);
    const auto composedBends = bends(phrase);
    phrase.RerollRhythm(settings, state);
    EXPECT_EQ(sounds(phrase), composed) << where << "\n" << phrase.Mml();
    EXPECT_EQ(bends(phrase), composedBends) << where;
    ExpectNotesAsCompiled(phrase, where);
  }
}

}  // namespace
}  // namespace volemo

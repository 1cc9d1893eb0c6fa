// Whatever the composer writes, the compiler takes: phrases from many seeds
// and settings, compiled through the bridge and read back by midicsv. The
// phrase's own notes are what the compiler plays, before and after a
// re-roll.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "dvorlin/compile.h"

#include "compiled_notes.h"
#include "composer.h"
#include "engine_state.h"
#include "memory_settings.h"
#include "midicsv_reader.h"
#include "rhythm_pattern.h"
#include "scale_table.h"
#include "test_support.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

using dvorlin::testing::ScratchDir;
using dvorlin::testing::Utf8;

struct Composing {
  explicit Composing(uint32_t seed) {
    state.random.Seed(seed);
    const int major = LoadScaleTable(state, VOLEMO_SCALE_FILE, [](const std::string&, const std::string&) {});
    settings.SetIndex("cmbScale", major);
  }
  std::string Compose() {
    phrase = ComposePhrase(settings, state);
    return settings.MmlText();
  }
  volemo::Phrase phrase;
  EngineState state;
  MemorySettings settings{state};
};

TEST(ComposerPhrases, CompileWithTheDefaultSettingsForManySeeds) {
  ScratchDir dir;
  for (uint32_t seed = 1; seed <= 100; ++seed) {
    Composing phrase(seed);
    ApplyScale(phrase.settings, phrase.state);
    const std::string mml = phrase.Compose();
    ASSERT_TRUE(CompileMmlToMidi(mml, dir.File("temp.mid"))) << "seed " << seed << ": " << Utf8(LastCompileMessage())
                                                            << "\n" << mml;
    const auto heard = dvorlin::testing::ReadWithMidicsv(dir.File("temp.mid"));
    EXPECT_TRUE(heard.faults.empty()) << "seed " << seed;
    ExpectNotesAsCompiled(phrase.phrase, "seed " + std::to_string(seed));
    ASSERT_EQ(heard.tempos.size(), 1u);
    EXPECT_EQ(heard.tempos[0].microsPerQuarter, 60'000'000 / 110);
  }
}

// Every field over its whole range; a key above 127 is never chosen.
TEST(ComposerPhrases, CompileWithSettingsDrawnOverTheirRanges) {
  ScratchDir dir;
  std::mt19937 draw(20240601);
  auto in = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    Composing phrase(seed);
    Settings& s = phrase.settings;
    phrase.settings.SetIndex("cmbKey", in(0, 11));
    ApplyScale(s, phrase.state);
    RandomizePatternWeights(s, phrase.state);
    for (const char* slider : {"scrGateN", "scrGateM", "scrMuteRate"}) s.SetPosition(slider, in(0, 100));
    phrase.settings.SetText("spnPatternCount", std::to_string(in(1, 64)));
    phrase.settings.SetText("spnL", std::to_string(in(1, 64)));
    phrase.settings.SetText("spnCount", std::to_string(in(1, 64)));
    phrase.settings.SetText("spnV", std::to_string(in(1, 127)));
    phrase.settings.SetText("spnTempo", std::to_string(in(30, 300)));
    phrase.settings.SetText("spnCH", std::to_string(in(1, 16)));
    phrase.settings.SetText("spnVoice", std::to_string(in(1, 128)));
    phrase.settings.SetChecked("chkVoice", in(0, 1) == 1);
    phrase.settings.SetChecked("chkPatternPlayFirst", in(0, 1) == 1);  // off: ties may lead
    const int low = in(12, 127);
    const int high = in(low, 131);
    phrase.settings.SetText("spnOct1", std::to_string(std::max(1, low / 12)));
    phrase.settings.SetIndex("cmbOct1", low % 12);
    phrase.settings.SetText("spnOct2", std::to_string(high / 12));
    phrase.settings.SetIndex("cmbOct2", high % 12);
    const std::string mml = phrase.Compose();
    ASSERT_TRUE(CompileMmlToMidi(mml, dir.File("temp.mid"))) << "seed " << seed << ": " << Utf8(LastCompileMessage())
                                                            << "\n" << mml;
    EXPECT_TRUE(dvorlin::testing::ReadWithMidicsv(dir.File("temp.mid")).faults.empty()) << "seed " << seed;
    ExpectNotesAsCompiled(phrase.phrase, "seed " + std::to_string(seed));
    for (const PhraseNote& n : phrase.phrase.Notes())
      if (n.number % 2) phrase.phrase.SetLocked(n.number, true);
    phrase.phrase.Reroll(phrase.settings, phrase.state);
    ExpectNotesAsCompiled(phrase.phrase, "seed " + std::to_string(seed) + ", re-rolled");
  }
}

// Octave 10 reaches past the last MIDI key: B10 to B10 offers only 131, which
// is never accepted, and the note after the last attempt is 127.
TEST(ComposerPhrases, RangeAboveKey127GivesKey127) {
  Composing phrase(7);
  ApplyScale(phrase.settings, phrase.state);
  phrase.settings.SetText("spnOct1", "10");
  phrase.settings.SetIndex("cmbOct1", 11);
  phrase.settings.SetText("spnOct2", "10");
  phrase.settings.SetIndex("cmbOct2", 11);
  phrase.settings.SetPatternText("N");
  phrase.settings.SetText("spnCount", "1");
  const std::string mml = phrase.Compose();
  EXPECT_TRUE(mml.ends_with("q100o10g\r\n]")) << mml;
  ScratchDir dir;
  EXPECT_TRUE(CompileMmlToMidi(mml, dir.File("temp.mid"))) << Utf8(LastCompileMessage());
}

}  // namespace
}  // namespace volemo

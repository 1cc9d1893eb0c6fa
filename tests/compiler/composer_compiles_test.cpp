// Whatever the composer writes, the compiler takes: phrases from many seeds
// and settings, compiled through the bridge and read back by midicsv.
#include <gtest/gtest.h>

#include <random>

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

struct Phrase {
  explicit Phrase(uint32_t seed) {
    state.random.Seed(seed);
    const int major = LoadScaleTable(state, VOLEMO_SCALE_FILE, [](const std::string&, const std::string&) {});
    settings.SetIndex("cmbScale", major);
  }
  std::string Compose() {
    ComposePhrase(settings, state);
    return settings.MmlText();
  }
  EngineState state;
  MemorySettings settings{state};
};

TEST(ComposerPhrases, CompileWithTheDefaultSettingsForManySeeds) {
  ScratchDir dir;
  for (uint32_t seed = 1; seed <= 100; ++seed) {
    Phrase phrase(seed);
    ApplyScale(phrase.settings, phrase.state);
    const std::string mml = phrase.Compose();
    ASSERT_TRUE(CompileMmlToMidi(mml, dir.File("temp.mid"))) << "seed " << seed << ": " << Utf8(LastCompileMessage())
                                                            << "\n" << mml;
    const auto heard = dvorlin::testing::ReadWithMidicsv(dir.File("temp.mid"));
    EXPECT_TRUE(heard.faults.empty()) << "seed " << seed;
    ASSERT_EQ(heard.tempos.size(), 1u);
    EXPECT_EQ(heard.tempos[0].microsPerQuarter, 60'000'000 / 110);
  }
}

// Every field over its whole range, the top of the note range at most G#10
// (chosen notes lie below it, so the highest is G10, key 127).
TEST(ComposerPhrases, CompileWithSettingsDrawnOverTheirRanges) {
  ScratchDir dir;
  std::mt19937 draw(20240601);
  auto in = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
  for (uint32_t seed = 1; seed <= 300; ++seed) {
    Phrase phrase(seed);
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
    const int low = in(12, 127);
    const int high = in(low, 128);
    phrase.settings.SetText("spnOct1", std::to_string(std::max(1, low / 12)));
    phrase.settings.SetIndex("cmbOct1", low % 12);
    phrase.settings.SetText("spnOct2", std::to_string(high / 12));
    phrase.settings.SetIndex("cmbOct2", high % 12);
    const std::string mml = phrase.Compose();
    ASSERT_TRUE(CompileMmlToMidi(mml, dir.File("temp.mid"))) << "seed " << seed << ": " << Utf8(LastCompileMessage())
                                                            << "\n" << mml;
    EXPECT_TRUE(dvorlin::testing::ReadWithMidicsv(dir.File("temp.mid")).faults.empty()) << "seed " << seed;
  }
}

// Octave 10 reaches past the last MIDI key: such a phrase is refused with a
// message naming the note, not written wrong.
TEST(ComposerPhrases, NotesAboveKey127AreRefusedWithAMessage) {
  Phrase phrase(7);
  ApplyScale(phrase.settings, phrase.state);
  phrase.settings.SetText("spnOct1", "10");
  phrase.settings.SetIndex("cmbOct1", 11);
  phrase.settings.SetText("spnOct2", "10");
  phrase.settings.SetIndex("cmbOct2", 11);
  phrase.settings.SetPatternText("N");
  const std::string mml = phrase.Compose();
  ScratchDir dir;
  EXPECT_FALSE(CompileMmlToMidi(mml, dir.File("temp.mid")));
  EXPECT_EQ(Utf8(LastCompileMessage()), "3行目 8文字目: オクターブ 10 の \"b\" はノート番号 131 になり、範囲外です（0～127）。")
      << mml;
}

}  // namespace
}  // namespace volemo

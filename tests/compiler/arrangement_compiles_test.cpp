// Every part the engine writes compiles, each into its named track on its
// own channel: the drums only on channel 10, with General MIDI drum keys.
#include <gtest/gtest.h>

#include "dvorlin/compile.h"

#include "arrangement.h"
#include "memory_settings.h"
#include "scale_table.h"
#include "test_support.h"

namespace volemo {
namespace {

TEST(ArrangementCompiles, PartsGoToTheirTracksAndChannels) {
  for (uint32_t seed = 0; seed < 40; ++seed) {
    EngineState state;
    MemorySettings settings(state);
    settings.SetIndex("cmbScale", LoadScaleTable(state, VOLEMO_SCALE_FILE, [](auto&, auto&) {}));
    ApplyScale(settings, state);
    state.random.Seed(seed);
    ArrangementSettings parts;
    parts.bass = parts.chords = parts.drums = true;
    parts.progression = "random";
    parts.line.smoothness = 70;
    const std::string mml = ComposeArrangement(settings, state, parts).Mml();
    const dvorlin::Performance played = dvorlin::Perform(mml);
    ASSERT_TRUE(played.ok()) << dvorlin::testing::Utf8(dvorlin::FormatDiagnostics(played.diagnostics));
    ASSERT_EQ(played.song.parts, (std::vector<std::string>{"", "melody", "bass", "chords", "drums"}));
    const int channel[] = {-1, 0, 1, 2, 9};
    for (const dvorlin::Note& n : played.song.notes) {
      ASSERT_EQ(n.channel, channel[n.part]) << "part " << int{n.part} << ", seed " << seed;
      if (n.part == 4) {
        ASSERT_TRUE(n.key == 36 || n.key == 38 || n.key == 42 || n.key == 46) << int{n.key};
      }
    }
  }
}

}  // namespace
}  // namespace volemo

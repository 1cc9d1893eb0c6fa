// Takes and presets between the engine and the store: a take restores what
// was captured, and every shipped preset makes a phrase that compiles.
#include <gtest/gtest.h>

#include "composer.h"
#include "cp932.h"
#include "memory_settings.h"
#include "presets.h"
#include "scale_table.h"
#include "snapshot.h"
#include "temp_dir.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

struct Engine {
  Engine() {
    settings.SetIndex("cmbScale", LoadScaleTable(state, VOLEMO_SCALE_FILE, [](auto&, auto&) {}));
    ApplyScale(settings, state);
  }
  EngineState state;
  MemorySettings settings{state};
};

TEST(Snapshot, RestoringATakeGivesBackEveryControlTheWeightsAndTheBoxes) {
  Engine made;
  SetControl(made.settings, made.state, "cmbScale", "20");  // re-applies the scale
  SetControl(made.settings, made.state, "cmbKey", "7");
  made.settings.SetPosition("src3", 9);  // a weight changed by hand after the scale
  made.settings.SetText("spnTempo", "abc");  // a text that is not a number is kept as typed
  made.settings.SetChecked("chkVoice", false);
  made.settings.SetPosition("scrP6", 33);
  ComposePhrase(made.settings, made.state);
  const Take take = CaptureTake(made.settings, made.state, "make", 1234);
  EXPECT_EQ(take.scale, Utf8FromCp932(made.state.scaleNames[20]));

  Engine restored;  // at its start values
  RestoreTake(restored.settings, restored.state, take);
  EXPECT_EQ(CaptureControls(restored.settings), CaptureControls(made.settings));
  EXPECT_EQ(restored.state.weights, made.state.weights);
  EXPECT_EQ(restored.settings.PatternText(), made.settings.PatternText());
  EXPECT_EQ(restored.settings.MmlText(), made.settings.MmlText());
}

TEST(Snapshot, AScaleTheListNoLongerHoldsIsReportedAndTheRestIsSet) {
  Engine e;
  EXPECT_FALSE(RestoreSettings(e.settings, e.state, "Gone", {{"spnTempo", "77"}, {"spnGone", "1"}}));
  EXPECT_EQ(e.settings.Text("spnTempo"), "77");
}

TEST(Snapshot, EveryShippedPresetComposesAPhraseThatCompiles) {
  test::TempDir dir;
  for (const Preset& preset : ShippedPresets()) {
    SCOPED_TRACE(preset.name);
    Engine e;
    e.state.random.Seed(1);
    ASSERT_TRUE(RestoreSettings(e.settings, e.state, preset.scale, preset.controls));
    EXPECT_EQ(Utf8FromCp932(e.state.scaleNames[static_cast<size_t>(e.settings.Index("cmbScale"))]), preset.scale);
    // The voice's name follows its number.
    EXPECT_EQ(e.settings.Index("cmbVoice") + 1, e.settings.Value("spnVoice"));
    ComposePhrase(e.settings, e.state);
    const std::string header = "Tempo=" + e.settings.Text("spnTempo") + ";Channel(1);Voice(" +
                               e.settings.Text("spnVoice") + ")";
    EXPECT_TRUE(e.settings.MmlText().starts_with(header)) << e.settings.MmlText();
    EXPECT_TRUE(CompileMmlToMidi(e.settings.MmlText(), dir / "preset.mid")) << LastCompileMessage();
  }
}

}  // namespace
}  // namespace volemo

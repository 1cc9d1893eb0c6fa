// Takes and presets between the engine and the store: a take restores what
// was captured, and every shipped preset makes a phrase that compiles.
#include <gtest/gtest.h>

#include "arrangement.h"
#include "composer.h"
#include "cp932.h"
#include "memory_settings.h"
#include "presets.h"
#include "scale_table.h"
#include "snapshot.h"
#include "take_store.h"
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

// Every setting of the line, the parts and the groove, each off its
// default, alone and all together: a take and a preset keep it through the
// database, and the take's phrase is made again from what it kept.
TEST(Snapshot, TakesAndPresetsKeepEverySettingOfTheLinePartsAndGroove) {
  const ControlValues table = {
      {"smoothness", "80"},     {"max-leap", "7"},         {"turn-back", "50"},      {"cadence", "100"},
      {"contour", "arch"},      {"chord-pull", "70"},      {"parts", "bass,chords,drums"},
      {"chords", "I vi IV V"},  {"comping", "accents"},    {"bass-channel", "5"},    {"bass-voice", "40"},
      {"bass-range", "30-60"},  {"bass-density", "50"},    {"bass-euclid", "3,8,1"}, {"bass-step-probability", "90"},
      {"chords-channel", "6"},  {"chords-voice", "1"},     {"chords-range", "48-72"},
      {"chords-euclid", "3,8,0"}, {"chords-step-probability", "70"},
      {"drums-channel", "11"},  {"drums-voice", "1"},      {"drums-density", "200"}, {"drums-euclid", "5,16,2"},
      {"drums-step-probability", "60"},
      {"drums-weights", "kick:100,0,0,0,100,0,0,0,100,0,0,0,100,0,0,0;open-hat:0,0,50,0,0,0,50,0,0,0,50,0,0,0,50,0"},
      {"euclid", "5,16,2"},     {"step-probability", "80"}, {"swing", "62"},         {"swing-grid", "8"},
      {"humanize-time", "10"},  {"humanize-velocity", "8"}, {"accent", "12,20"},     {"meter", "7/8"},
      {"beats", "3+2+2"},       {"form", "AA'BA'"},        {"section-bars", "1"},    {"variation", "3"},
  };
  // Every setting there is appears in the table.
  std::vector<std::string> named;
  for (const auto& [name, value] : table) named.push_back(name);
  EXPECT_EQ(named, PartValueNames());

  // The beats only with their meter.
  std::vector<ControlValues> rows;
  for (const auto& value : table)
    if (value.first != "beats") rows.push_back({value});
  rows.push_back({{"meter", "7/8"}, {"beats", "3+2+2"}});
  rows.push_back(table);
  for (const ControlValues& values : rows) {
    SCOPED_TRACE(values.front().first + "=" + values.front().second);
    // Each in a store of its own: one equal to the newest take is not kept again.
    test::TempDir dir;
    TakeStore store(dir / "t.sqlite3");
    const PartSettings parts = ReadPartValues(values);
    ASSERT_FALSE(parts == PartSettings{});
    Engine made;
    made.settings.SetText("spnL", "16");
    made.settings.SetPatternText("N r N ^ m N d N W N B N r N N N");
    made.state.random.Seed(77);
    ComposeArrangement(made.settings, made.state, parts.arrangement, parts.groove);
    const Take kept = *store.Get(store.Add(CaptureTake(made.settings, made.state, "make", 77, parts)).id);

    Engine again;
    EXPECT_TRUE(RestoreTake(again.settings, again.state, kept) == parts);
    again.settings.SetMmlText("");
    again.state.random.Seed(kept.randomState);
    ComposeArrangement(again.settings, again.state, parts.arrangement, parts.groove);
    EXPECT_EQ(again.settings.MmlText(), made.settings.MmlText());

    store.SavePreset(CapturePreset(made.settings, made.state, "p", parts));
    EXPECT_TRUE(PartsOf(store.Presets().at(0).parts) == parts);
  }
  // A value this program cannot take (another's) is left at its default.
  EXPECT_TRUE(PartsOf({{"swing", "99"}, {"cadence", "40"}, {"unknown", "1"}}) == ReadPartValues({{"cadence", "40"}}));
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

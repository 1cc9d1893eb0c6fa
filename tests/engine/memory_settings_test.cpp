#include "memory_settings.h"

#include <gtest/gtest.h>

#include "engine_fixture.h"

namespace volemo {
namespace {

TEST(MemorySettings, StartsAtTheWindowsDefaults) {
  Engine e;
  EXPECT_EQ(e.settings.Value("spnTempo"), 110);
  EXPECT_EQ(e.settings.Text("spnTempo"), "110");
  EXPECT_EQ(e.settings.Value("spnCount"), 32);
  EXPECT_EQ(e.settings.Value("spnOct1"), 4);
  EXPECT_EQ(e.settings.Index("cmbOct2"), 11);
  EXPECT_EQ(e.settings.Index("cmbScale"), -1);
  EXPECT_TRUE(e.settings.IsChecked("chkPatternPlayFirst"));
  const int symbolWeights[] = {100, 15, 90, 10, 8, 20, 0};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(e.settings.Position("scrP" + std::to_string(i)), symbolWeights[i]);
  EXPECT_EQ(e.settings.Position("scrGateM"), 20);
  EXPECT_EQ(e.settings.PatternText(), "");
  EXPECT_EQ(e.settings.MmlText(), "");
}

TEST(MemorySettings, SpinTextIsKeptAsTypedAndReadUnclamped) {
  Engine e;
  e.settings.SetText("spnPatternCount", "200");
  EXPECT_EQ(e.settings.Value("spnPatternCount"), 200);
  e.settings.SetText("spnTempo", "abc");
  EXPECT_EQ(e.settings.Value("spnTempo"), 30);
  EXPECT_EQ(e.settings.Text("spnTempo"), "abc");
}

TEST(MemorySettings, SetPositionClampsAndRunsTheHandlerOnlyOnARealChange) {
  Engine e;
  e.settings.SetPosition("src3", 15);
  EXPECT_EQ(e.settings.Position("src3"), 10);
  EXPECT_EQ(e.state.weights[3], 10);

  e.state.weights[3] = 4;  // as after loading a weight the slider cannot show
  e.settings.SetPosition("src3", 12);  // clamps to 10, which it already shows
  EXPECT_EQ(e.state.weights[3], 4);

  e.settings.SetPosition("src11", -3);  // 0 already: no change
  e.settings.SetPosition("src11", 7);
  EXPECT_EQ(e.state.weights[11], 7);
  e.settings.SetPosition("scrGateN", -5);
  EXPECT_EQ(e.settings.Position("scrGateN"), 0);
}

TEST(MemorySettings, ListsTakeOnlyTheirEntriesOrNone) {
  Engine e;
  EXPECT_THROW(e.settings.SetIndex("cmbKey", 12), std::out_of_range);
  EXPECT_THROW(e.settings.SetIndex("cmbScale", 0), std::out_of_range);  // no scales loaded
  e.state.scaleNames = {"Major"};
  e.settings.SetIndex("cmbScale", 0);
  EXPECT_EQ(e.settings.Index("cmbScale"), 0);
  e.settings.SetIndex("cmbScale", -1);
  EXPECT_EQ(e.settings.Index("cmbScale"), -1);
}

TEST(MemorySettings, UnknownNamesAndWrongKindsAreRefused) {
  Engine e;
  EXPECT_THROW(e.settings.Value("spnNothing"), std::invalid_argument);
  EXPECT_THROW(e.settings.Position("spnTempo"), std::invalid_argument);
  EXPECT_THROW(e.settings.SetText("scrP0", "5"), std::invalid_argument);
  EXPECT_THROW(e.settings.SetPosition("cmbKey", 1), std::invalid_argument);
}

TEST(MemorySettings, StatusJoinsLinesWithBlanks) {
  Engine e;
  e.settings.SetStatus("first\r\nsecond\r\n");
  EXPECT_EQ(e.settings.Status(), "first second ");
}

}  // namespace
}  // namespace volemo

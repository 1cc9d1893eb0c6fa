#include "note_choice.h"

#include <gtest/gtest.h>

#include <set>

#include "engine_fixture.h"
#include "scale_table.h"

namespace volemo {
namespace {

void ApplyDefinition(Engine& e, const std::string& definition) {
  e.state.scaleNames = {"Test"};
  e.state.scaleDefinitions = {definition};
  e.settings.SetIndex("cmbScale", 0);
  ApplyScale(e.settings, e.state);
}

TEST(PickNote, DefaultRangeNeverReachesItsUpperEnd) {
  Engine e(7);
  ApplyDefinition(e, "A06085090604");  // major, chord tones heavier
  std::set<int> seen;
  for (int i = 0; i < 3000; ++i) seen.insert(PickNote(e.settings, e.state));
  EXPECT_EQ(*seen.begin(), 48);
  EXPECT_EQ(*seen.rbegin(), 69);  // A5; B5 (71) is the upper end, A#5 has no weight
  for (int note : seen) EXPECT_GT(e.state.weights[note % 12], 0) << note;
}

TEST(PickNote, DrawsTheAcceptanceBeforeTheCandidate) {
  // Twelve equal weights: every pitch class has 8%.
  Engine e(99);
  ApplyDefinition(e, "111111111111");
  RandomSource reference;
  reference.Seed(99);
  int expected;
  for (;;) {
    const uint32_t r = reference.Next(100);
    const int candidate = 48 + static_cast<int>(reference.Next(23));
    if (r < 8) {
      expected = candidate;
      break;
    }
  }
  EXPECT_EQ(PickNote(e.settings, e.state), expected);
  EXPECT_EQ(e.state.random.seed(), reference.seed());
}

TEST(PickNote, AllWeightsZeroTakesTheLastOf3001Candidates) {
  Engine e(5);
  RandomSource reference;
  reference.Seed(5);
  for (int i = 0; i < 3001 * 2 - 1; ++i) reference.Next(100);
  RandomSource last = reference;
  const int expected = 48 + static_cast<int>(last.Next(23));
  EXPECT_EQ(PickNote(e.settings, e.state), expected);
  EXPECT_EQ(e.state.random.seed(), last.seed());
}

// Keys above 127 fail like rejected candidates, drawing exactly as before;
// when the attempts run out on one, the note is 127.
TEST(PickNote, NeverAcceptsAKeyAbove127) {
  int capped = 0;
  for (uint32_t seed = 1; seed <= 8; ++seed) {
    Engine e(seed);
    e.settings.SetText("spnOct1", "10");
    e.settings.SetText("spnOct2", "10");  // C10 to B10: candidates 120..130
    RandomSource reference;
    reference.Seed(seed);
    for (int i = 0; i < 3001 * 2 - 1; ++i) reference.Next(100);
    const int last = 120 + static_cast<int>(reference.Next(11));
    EXPECT_EQ(PickNote(e.settings, e.state), std::min(last, 127)) << "all weights 0, seed " << seed;
    EXPECT_EQ(e.state.random.seed(), reference.seed());
    capped += last > 127;

    ApplyDefinition(e, "A06085090604");
    for (int i = 0; i < 200; ++i) EXPECT_LE(PickNote(e.settings, e.state), 127) << "Major, seed " << seed;
  }
  EXPECT_GT(capped, 0) << "pick seeds whose last candidate lies above 127";
}

TEST(PickNote, EqualEndsAlwaysGiveThatNote) {
  Engine e(3);
  e.RangeC4ToC4();
  for (int i = 0; i < 20; ++i) EXPECT_EQ(PickNote(e.settings, e.state), 48);
  e.state.lastNote = -1;
  EXPECT_EQ(NoteToMml(e.state.lastNote, PickNote(e.settings, e.state)), "o4c");
}

TEST(PickNote, SwappedEndsBehaveLikeTheRightOrder) {
  Engine upward(11), downward(11);
  ApplyDefinition(upward, "A0A0AA0A0A0A");
  ApplyDefinition(downward, "A0A0AA0A0A0A");
  upward.settings.SetIndex("cmbOct2", 0);
  upward.settings.SetText("spnOct2", "6");
  downward.settings.SetText("spnOct1", "6");
  downward.settings.SetIndex("cmbOct2", 0);
  downward.settings.SetText("spnOct2", "4");
  for (int i = 0; i < 50; ++i)
    EXPECT_EQ(PickNote(upward.settings, upward.state), PickNote(downward.settings, downward.state));
}

TEST(PickNote, UnconfirmedOctavesAreClampedToTheFieldsRange) {
  Engine e(1);
  e.settings.SetText("spnOct1", "-3");
  e.settings.SetText("spnOct2", "2000000000");
  for (int i = 0; i < 200; ++i) {
    const int note = PickNote(e.settings, e.state);
    EXPECT_GE(note, 12);   // C1
    EXPECT_LT(note, 131);  // B10
    EXPECT_FALSE(NoteToMml(e.state.lastNote, note).empty());
  }
  e.settings.SetText("spnOct1", "abc");  // not a number: the minimum, octave 1
  e.settings.SetText("spnOct2", "1");
  e.settings.SetIndex("cmbOct2", 0);
  EXPECT_EQ(PickNote(e.settings, e.state), 12);
}

TEST(NoteToMml, FirstNoteIsAbsoluteThenOctaveMarks) {
  EngineState state;
  EXPECT_EQ(NoteToMml(state.lastNote, 48), "o4c");
  EXPECT_EQ(NoteToMml(state.lastNote, 62), ">d");
  EXPECT_EQ(NoteToMml(state.lastNote, 50), "<d");
  EXPECT_EQ(NoteToMml(state.lastNote, 38), "<d");
  EXPECT_EQ(NoteToMml(state.lastNote, 46), "a+");
  EXPECT_EQ(state.lastNote, 46);
  EXPECT_EQ(NoteToMml(state.lastNote, 130), ">>>>>>>a+");
  EXPECT_EQ(NoteToMml(state.lastNote, 13), "<<<<<<<<<c+");
  state.lastNote = -1;
  EXPECT_EQ(NoteToMml(state.lastNote, 131), "o10b");
}

}  // namespace
}  // namespace volemo

// The plugin on the host's timeline, run by our own host over lilv: every
// note at the frame its tick falls on, exactly, in any block size.
#include <gtest/gtest.h>

#include "plugin_test_support.h"

namespace volemo::lv2test {
namespace {

const std::vector<Setting> kDefaults = {};
// Dorian in D, 20 steps of eighths (2.5 bars, so a loop of 3), chords and
// doubles, a shorter gate, channel 3.
const std::vector<Setting> kOther = {
    {"scale", "cmbScale", 5},         {"key", "cmbKey", 2},         {"steps", "spnCount", 20},
    {"note_length", "spnL", 8},       {"velocity", "spnV", 90},     {"gate", "scrGateN", 60},
    {"weight_chord", "scrP5", 40},    {"weight_double", "scrP4", 30}, {"channel", "spnCH", 3},
};

// Every test also holds the real-time rule: run(), and the worker's
// answers on the audio thread's side, allocate nothing.
class PluginTiming : public testing::Test {
 protected:
  void SetUp() override { before_ = RunAllocations(); }
  void TearDown() override {
    if (before_ >= 0) {
      EXPECT_EQ(RunAllocations(), before_) << "allocations during run()";
    }
  }

 private:
  int64_t before_ = 0;
};

TEST_F(PluginTiming, EveryNoteFallsOnItsFrameAndThePhraseLoopsOverWholeBars) {
  struct Case {
    uint32_t seed;
    const std::vector<Setting>* settings;
    int64_t loopTicks;
    int channel, velocity;
  };
  for (const Case& c : {Case{7, &kDefaults, 2 * kBarTicks, 1, 120}, Case{11, &kOther, 3 * kBarTicks, 3, 90}}) {
    const std::vector<CliNote> notes = CliNotes(c.seed, *c.settings);
    for (const uint32_t block : {64u, 256u, 97u, 1u}) {
      SCOPED_TRACE("seed " + std::to_string(c.seed) + ", blocks of " + std::to_string(block));
      Host host;
      Prepare(host, c.seed, *c.settings);
      const int64_t until = At120(2 * c.loopTicks + kBarTicks / 2);
      host.Run(until - kStart, block, {{kStart, Rolling()}});
      const auto expected = Expected(notes, c.loopTicks, c.channel, c.velocity, {{0, 3 * c.loopTicks, At120, false}}, until);
      EXPECT_EQ(Sorted(host.Events(), until), expected) << Describe(Sorted(host.Events(), until));
    }
  }
}

TEST_F(PluginTiming, TempoChangeMidBlockTakesEffectAtItsFrame) {
  // At bar 1 the tempo halves: from there a tick lasts 100 frames. Bar 1's
  // frame is inside a block of 97.
  const int64_t bar1 = At120(kBarTicks);
  const auto frameOf = [bar1](int64_t tick) {
    return tick < kBarTicks ? At120(tick) : bar1 + (tick - kBarTicks) * 2 * kFramesPerTick;
  };
  const std::vector<CliNote> notes = CliNotes(7, kDefaults);
  Host host;
  Prepare(host, 7);
  const int64_t until = frameOf(4 * kBarTicks);
  host.Run(until - kStart, 97, {{kStart, Rolling()}, {bar1, Rolling(1, 0, 60)}});
  EXPECT_EQ(Sorted(host.Events(), until), Expected(notes, 2 * kBarTicks, 1, 120, {{0, 5 * kBarTicks, frameOf, false}}, until));
}

TEST_F(PluginTiming, RelocationBackEndsTheSoundingNotesAndPlaysOnFromTheNewPlace) {
  // At tick 1200 (inside a block of 256) the host goes back to the start.
  const int64_t jump = At120(1200);
  const std::vector<CliNote> notes = CliNotes(7, kDefaults);
  Host host;
  Prepare(host, 7);
  const int64_t until = jump + 3 * kBarFrames;
  host.Run(until - kStart, 256, {{kStart, Rolling()}, {jump, Rolling(0)}});
  const auto after = [&](int64_t tick) { return jump + tick * kFramesPerTick; };
  const auto expected =
      Expected(notes, 2 * kBarTicks, 1, 120, {{0, 1200, At120, true}, {0, 4 * kBarTicks, after, false}}, until);
  EXPECT_EQ(Sorted(host.Events(), until), expected) << Describe(Sorted(host.Events(), until));
}

TEST_F(PluginTiming, StopEndsEveryNoteInItsBlockAndNothingPlaysWhileStopped) {
  const int64_t stop = At120(1200);
  const std::vector<CliNote> notes = CliNotes(7, kDefaults);
  Host host;
  Prepare(host, 7);
  Position stopped = Rolling(0, 2.5f);  // tick 1200
  stopped.speed = 0;
  host.Run(stop + 5 * kBarFrames - kStart, 256, {{kStart, Rolling()}, {stop, stopped}});
  const auto expected = Expected(notes, 2 * kBarTicks, 1, 120, {{0, 1200, At120, true}}, stop + 1);
  ASSERT_NE(expected.back().message[0] & 0xF0, 0x90);
  EXPECT_EQ(expected.back().frame, stop) << "the test wants a note sounding at the stop";
  EXPECT_EQ(Sorted(host.Events(), stop + 5 * kBarFrames), expected) << Describe(host.Events());
}

TEST_F(PluginTiming, ANewPhraseTakesOverAtTheNextBarLine) {
  Host host;
  Prepare(host, 7);
  host.Run(30000, 64, {{kStart, Rolling()}});
  host.Set("seed", 8);  // composed by the worker while bar 0 plays on
  const int64_t bar1 = At120(kBarTicks), until = At120(5 * kBarTicks);
  host.Run(until - kStart - 30000, 64);
  EXPECT_EQ(host.Get("phrase_seed"), 8);

  const auto old = Expected(CliNotes(7, kDefaults), 2 * kBarTicks, 1, 120, {{0, kBarTicks, At120, false}}, bar1);
  const auto fromBar1 = [bar1](int64_t tick) { return bar1 + tick * kFramesPerTick; };
  const auto next = Expected(CliNotes(8, kDefaults), 2 * kBarTicks, 1, 120, {{0, 4 * kBarTicks, fromBar1, false}}, until);
  std::vector<MidiEvent> expected = NoteOns(old);
  for (const MidiEvent& e : NoteOns(next)) expected.push_back(e);
  EXPECT_EQ(NoteOns(Sorted(host.Events(), until)), Sorted(expected, until));

  // The trigger composes with the next seed, the port left as it is.
  host.Set("new_phrase", 1);
  host.Run(64, 64);
  host.Set("new_phrase", 0);
  host.Run(64, 64);
  EXPECT_EQ(host.Get("phrase_seed"), 9);
  EXPECT_EQ(host.Get("seed"), 8);
}

}  // namespace
}  // namespace volemo::lv2test

// The plugin on the host's timeline, run by our own host over lilv: every
// note at the frame its tick falls on, exactly, in any block size.
#include <gtest/gtest.h>

#include <map>
#include <string>

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

// Every part on a channel of its own (the bass moved to 5) over a
// progression drawn by the seed, the line, groove, meter and form set: an
// AABA form of 3/4 sections of two bars, six 4/4 bars of the host. The note
// list gives no velocities, which the groove moves.
const std::vector<PartOption> kParts = {
    {"bass", 1, "--parts", "bass,chords,drums"}, {"chords", 1, nullptr, nullptr}, {"drums", 1, nullptr, nullptr},
    {"progression", 1, "--chords", "random"},    {"bass_channel", 5, "--bass-channel", "5"},
    {"drums_density", 150, "--drums-density", "150"},
    {"smoothness", 60, "--smoothness", "60"},    {"contour", 1, "--contour", "arch"},
    {"cadence", 100, "--cadence", "100"},        {"chord_pull", 50, "--chord-pull", "50"},
    {"swing", 60, "--swing", "60"},              {"humanize_time", 10, "--humanize-time", "10"},
    {"humanize_velocity", 10, "--humanize-velocity", "10"},
    {"beat_accent", 10, "--accent", "10,20"},    {"bar_accent", 20, nullptr, nullptr},
    {"step_probability", 90, "--step-probability", "90"},
    {"euclid", 1, "--euclid", "5,16,2"},         {"euclid_onsets", 5, nullptr, nullptr},
    {"euclid_rotation", 2, nullptr, nullptr},    {"meter", 2, "--meter", "3/4"},
    {"form", 4, "--form", "AABA"},               {"variation", 3, "--variation", "3"},
};
const std::map<std::string, int> kPartChannels = {{"melody", 1}, {"bass", 5}, {"chords", 3}, {"drums", 10}};

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
    const std::vector<PartOption>* options;
    int64_t loopTicks;
    int channel, velocity;  // velocity -1: not compared
  };
  const std::vector<PartOption> none;
  for (const Case& c : {Case{7, &kDefaults, &none, 2 * kBarTicks, 1, 120}, Case{11, &kOther, &none, 3 * kBarTicks, 3, 90},
                        Case{13, &kDefaults, &kParts, 6 * kBarTicks, 1, -1}}) {
    std::vector<CliNote> notes = CliNotes(c.seed, *c.settings, 0, *c.options);
    for (CliNote& n : notes)
      if (!n.part.empty()) n.channel = kPartChannels.at(n.part);
    for (const uint32_t block : {64u, 256u, 97u, 1u}) {
      SCOPED_TRACE("seed " + std::to_string(c.seed) + ", blocks of " + std::to_string(block));
      Host host;
      Prepare(host, c.seed, *c.settings, *c.options);
      const int64_t until = At120(2 * c.loopTicks + kBarTicks / 2);
      host.Run(until - kStart, block, {{kStart, Rolling()}});
      const auto expected = Expected(notes, c.loopTicks, c.channel, c.velocity, {{0, 3 * c.loopTicks, At120, false}}, until);
      const auto played = c.velocity < 0 ? Sorted(WithoutVelocities(host.Events()), until) : Sorted(host.Events(), until);
      EXPECT_EQ(played, expected) << Describe(played);
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

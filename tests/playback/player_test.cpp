#include "synth_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "file_sink.h"
#include "shared_synth.h"
#include "smf_builder.h"
#include "test_files.h"
#include "wav_reader.h"

namespace volemo {
namespace {

using test::Eventually;
using test::Note;
using test::Smf;

constexpr int kOrgan = 16;  // holds its level as long as the key is down
constexpr int kViolin = 40;
constexpr int kFlute = 73;

// What the process has read from files so far, all its threads together.
uint64_t BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  uint64_t value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  ADD_FAILURE() << "no rchar in /proc/self/io";
  return 0;
}

class PlayerTest : public testing::Test {
 protected:
  // Before the player, whose first one starts the sound output.
  const std::string& sink_ = test::UseFileSink();

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = test::TestDir() + name;
    test::WriteFile(path, bytes);
    return path;
  }

  // Level of the sink's sound between two times after the last play.
  static double SinkDbfs(double from, double to) {
    return test::Dbfs(test::Rms(test::Mono(test::SinkSound(to), 44100, from, to)));
  }

  // After a stop the sink keeps the sound and ends once it has died away:
  // far short of the ten seconds held, in silence.
  static void ExpectSinkEndsReleased() {
    const std::vector<int16_t> kept = test::SettledSinkSound();
    const double seconds = static_cast<double>(kept.size()) / 2 / 44100;
    EXPECT_LT(seconds, 5.0);
    EXPECT_LT(test::Dbfs(test::Rms(test::Mono(kept, 44100, std::max(0.0, seconds - 0.1), seconds))), -70);
  }

  SynthPlayer player_;
};

TEST_F(PlayerTest, PlaysInTheBackgroundAndStaysOpenAfterTheEnd) {
  player_.Open(Write("short.mid", Smf({{72, 0, 240}}, 240)));  // an eighth at 240: 0.125 s
  EXPECT_TRUE(player_.IsOpen());
  EXPECT_FALSE(player_.IsPlaying());
  player_.Play();
  EXPECT_GT(SinkDbfs(0.02, 0.12), -40);  // the note really sounds
  EXPECT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
  EXPECT_TRUE(player_.IsOpen());
  ExpectSinkEndsReleased();  // an idle program writes nothing

  player_.Play();  // from the start again
  EXPECT_GT(SinkDbfs(0.02, 0.12), -40);

  // Play returns at once: a phrase seconds long is still playing.
  player_.Open(Write("long.mid", Smf({{60, 0, 9600}}, 120, kOrgan)));
  player_.Play();
  EXPECT_TRUE(player_.IsPlaying());
}

TEST_F(PlayerTest, EndWaitsForATrailingRest) {
  // A note of 0.05 s followed by a rest to 4 s: still playing in the rest,
  // long after the note has died away.
  player_.Open(Write("rest.mid", Smf({{72, 0, 24}}, 120, 0, 3840)));
  player_.Play();
  EXPECT_LT(SinkDbfs(1.8, 2.0), -70);
  EXPECT_TRUE(player_.IsPlaying());
  EXPECT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
}

TEST_F(PlayerTest, NoteTheFileNeverEndsIsReleasedAtTheEnd) {
  // An organ note-on with no note-off, the track ending half a second later.
  const std::string track = test::Vlq(0) + "\xC0\x10" + test::Vlq(0) + "\x90\x3C\x64" + test::Vlq(960) +
                            test::kEndOfTrack;
  player_.Open(Write("unended.mid", test::Header(0, 1, 480) + test::Chunk("MTrk", track)));
  player_.Play();
  EXPECT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
  EXPECT_LT(SinkDbfs(1.8, 2.0), -70);
}

TEST_F(PlayerTest, LoopStartsOverWithoutAGapUntilTurnedOff) {
  // A sixteenth at 120 in a file of one beat (0.5 s).
  player_.SetLoop(true);
  player_.Open(Write("loop.mid", Smf({{72, 0, 120}}, 120, 0, 480)));
  player_.Play();
  const std::vector<double> sound = test::Mono(test::SinkSound(1.7), 44100, 0, 1.7);
  // Where the note starts: the first loud 1 ms after 5 quiet ones.
  std::vector<double> onsets;
  constexpr size_t kWindow = 44;
  const auto level = [&](size_t from) {
    return test::Rms(std::vector<double>(sound.begin() + from, sound.begin() + from + kWindow));
  };
  for (size_t at = 5 * kWindow; at + kWindow <= sound.size(); at += kWindow)
    if (level(at) > 0.01 && level(at - 5 * kWindow) < 0.003) {
      onsets.push_back(at / 44100.0);
      at += 100 * kWindow;
    }
  ASSERT_GE(onsets.size(), 3u);
  for (size_t i = 1; i < onsets.size(); ++i) EXPECT_NEAR(onsets[i] - onsets[i - 1], 0.5, 0.004) << i;
  EXPECT_TRUE(player_.IsPlaying());
  player_.SetLoop(false);
  EXPECT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
}

TEST_F(PlayerTest, StopReleasesEveryNoteAndKeepsTheFileOpen) {
  // Ten seconds of held organ chord, sustain pedal down.
  player_.Open(Write("long.mid", Smf({{60, 0, 9600}, {64, 0, 9600}}, 120, kOrgan, -1, "\xB0\x40\x7F")));
  player_.Play();
  EXPECT_GT(SinkDbfs(0.1, 0.3), -30);
  player_.Stop();
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_TRUE(player_.IsOpen());
  ExpectSinkEndsReleased();
}

TEST_F(PlayerTest, ClosingSilencesAndForgetsTheFile) {
  player_.Open(Write("long.mid", Smf({{60, 0, 9600}}, 120, kOrgan)));
  player_.Play();
  player_.Close();
  EXPECT_FALSE(player_.IsOpen());
  EXPECT_FALSE(player_.IsPlaying());
  ExpectSinkEndsReleased();
  player_.Close();  // nothing open: nothing happens
  EXPECT_THROW(player_.Play(), PlayerError);
}

TEST_F(PlayerTest, EachPhraseStartsFromAResetSynthesizer) {
  // The first phrase bends its channel a whole tone up and leaves it so.
  player_.Open(Write("bent.mid", Smf({{69, 0, 9600}}, 120, kOrgan, -1, "\xE0\x7F\x7F")));
  player_.Play();
  EXPECT_NEAR(test::StrongestFrequency(test::Mono(test::SinkSound(0.4), 44100, 0.1, 0.4), 44100, 400, 520),
              493.9, 3.0);
  // The second plays the same key without a bend: back at 440 Hz.
  player_.Open(Write("plain.mid", Smf({{69, 0, 9600}}, 120, kOrgan)));
  player_.Play();
  EXPECT_NEAR(test::StrongestFrequency(test::Mono(test::SinkSound(0.4), 44100, 0.1, 0.4), 44100, 400, 520),
              440.0, 3.0);
}

TEST_F(PlayerTest, AVoiceIsReadFromTheSoundFontOnOpeningNeverWhilePlaying) {
  // Read on the sound thread, the violin's 3 MB would hold up its period.
  const std::string violin = Write("violin.mid", Smf({{67, 0, 240}}, 240, kViolin));
  const std::string flute = Write("flute.mid", Smf({{67, 0, 240}}, 240, kFlute));
  player_.Open(flute);
  uint64_t before = BytesRead();
  player_.Open(violin);
  EXPECT_GT(BytesRead() - before, 100'000u);
  before = BytesRead();
  player_.Play();
  ASSERT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
  EXPECT_LT(BytesRead() - before, 4'096u);  // no more than /proc/self/io itself
  EXPECT_GT(SinkDbfs(0.0, 0.1), -40);       // sounding from the first note

  // The violin has taken the flute's place: the flute was let go, and is
  // read again when a phrase needs it.
  before = BytesRead();
  player_.Open(flute);
  EXPECT_GT(BytesRead() - before, 100'000u);
}

TEST_F(PlayerTest, SoundThreadRendersSilenceInsteadOfWaitingWhileAPhraseIsHandedOver) {
  player_.Open(Write("long.mid", Smf({{60, 0, 9600}}, 120, kOrgan)));
  player_.Play();
  ASSERT_GT(SinkDbfs(0.1, 0.3), -30);
  // The window's thread holds the synthesizer as Play does, for as long as
  // the sound thread needs to render another 0.2 s: silence.
  bool rendered = false;
  std::vector<double> sound;
  SharedSynth::Get().Hold([&] {
    const double from = test::SinkSeconds();
    rendered = Eventually([&] { return test::SinkSeconds() >= from + 0.2; });
    if (rendered) sound = test::Mono(test::ReadRaw(sink_), 44100, from + 0.02, from + 0.2);
  });
  EXPECT_TRUE(rendered);
  EXPECT_EQ(test::Rms(sound), 0.0);
}

TEST_F(PlayerTest, TheLoudestVoicesBendBelowFullScale) {
  // A chord of square leads goes past full scale.
  player_.Open(Write("lead.mid", Smf({{60, 0, 960}, {64, 0, 960}}, 120, 80)));
  player_.Play();
  const std::vector<int16_t> sound = test::SinkSound(0.8);
  EXPECT_GT(test::Dbfs(test::PeakOf(sound)), -3);
  EXPECT_LT(test::PeakOf(sound) * 32768, 32767);  // never at the limits of 16 bits
}

TEST_F(PlayerTest, OpeningSomethingElseThanMidiFailsAndLeavesItClosed) {
  player_.Open(Write("good.mid", Smf({{60, 0, 240}})));
  try {
    player_.Open(Write("bad.mid", "RIFF not a MIDI file"));
    FAIL() << "no error";
  } catch (const PlayerError& e) {
    EXPECT_NE(std::string(e.what()).find("bad.mid"), std::string::npos);
  }
  EXPECT_FALSE(player_.IsOpen());
}

}  // namespace
}  // namespace volemo

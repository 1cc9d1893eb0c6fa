#include "play_sequence.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "StrUnit.h"
#include "cp932.h"
#include "engine_state.h"
#include "file_sink.h"
#include "memory_settings.h"
#include "midi_file.h"
#include "program_dir.h"
#include "smf_builder.h"
#include "test_files.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

using test::Eventually;

constexpr const char* kShort = "t240 l16 o5 cdef";          // a quarter at 240: 0.25 s
constexpr const char* kLongOrgan = "t60 @17 o4 c1 c1 c1";   // 12 s of held organ

class PlaySequence : public testing::Test {
 protected:
  // Before the player, whose first one starts the sound output.
  const std::string& sink_ = test::UseFileSink();

  std::string Write(const std::string& name, const std::string& bytes) {
    const std::string path = test::TestDir() + name;
    test::WriteFile(path, bytes);
    return path;
  }

  EngineState state_;
  MemorySettings settings_{state_};
  SoundPlayer player_;
};

TEST_F(PlaySequence, CompilesIntoTempMidPlaysAndSaysSo) {
  std::filesystem::remove(TempMidPath());
  PlayMml(settings_, player_, kShort);
  EXPECT_EQ(settings_.Status(), Cp932FromUtf8("演奏を開始しました。"));
  EXPECT_EQ(TempMidPath(), ProgramDir() + "temp.mid");  // the build tree is writable
  EXPECT_EQ(ReadMidiFile(TempMidPath()).seconds, 0.25);
  EXPECT_TRUE(player_.IsOpen());
  EXPECT_GT(test::Dbfs(test::Rms(test::Mono(test::SinkSound(0.2), 44100, 0.02, 0.2))), -40);
  EXPECT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
  EXPECT_TRUE(player_.IsOpen());  // an ended phrase stays open
  EXPECT_TRUE(std::filesystem::exists(TempMidPath()));
}

TEST_F(PlaySequence, FailedCompileShowsTheMessageAndLeavesThePlayerClosed) {
  PlayMml(settings_, player_, kShort);
  const std::string earlier = test::ReadFile(TempMidPath());
  PlayMml(settings_, player_, "t240 o5 c x");
  ASSERT_FALSE(LastCompileMessage().empty());
  EXPECT_EQ(settings_.Status(), ReplaceCrLfWithBlank(LastCompileMessage()));
  EXPECT_FALSE(player_.IsOpen());
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_EQ(test::ReadFile(TempMidPath()), earlier);
}

TEST_F(PlaySequence, SecondPlayReplacesTheFirstPhrase) {
  PlayMml(settings_, player_, kLongOrgan);
  EXPECT_TRUE(player_.IsPlaying());
  PlayMml(settings_, player_, "t240 @17 l16 o5 c");
  EXPECT_EQ(ReadMidiFile(TempMidPath()).seconds, 0.0625);
  EXPECT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
  // The sink restarted at the second play: the held organ is gone with it.
  EXPECT_LT(test::Dbfs(test::Rms(test::Mono(test::SinkSound(1.0), 44100, 0.8, 1.0))), -70);
}

TEST_F(PlaySequence, StopEndsThePhraseAndClosesOnlyWhilePlaying) {
  PlayMml(settings_, player_, kLongOrgan);
  StopPlayback(player_);
  EXPECT_FALSE(player_.IsOpen());
  PlayMml(settings_, player_, kShort);
  ASSERT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
  StopPlayback(player_);
  EXPECT_TRUE(player_.IsOpen());
  player_.Close();
  EXPECT_FALSE(player_.IsOpen());
}

TEST_F(PlaySequence, StopPlaybackStopsAndClosesOnlyWhilePlaying) {
  StopPlayback(player_);  // nothing open
  EXPECT_FALSE(player_.IsOpen());

  player_.Open(ReadMidiFile(Write("short.mid", test::Smf({{72, 0, 120}}, 240))));
  player_.Play();
  ASSERT_TRUE(Eventually([&] { return !player_.IsPlaying(); }));
  StopPlayback(player_);  // ended by itself: stays open
  EXPECT_TRUE(player_.IsOpen());

  player_.Open(ReadMidiFile(Write("long.mid", test::Smf({{60, 0, 9600}}, 120, 16))));  // organ
  player_.Play();
  StopPlayback(player_);
  EXPECT_FALSE(player_.IsPlaying());
  EXPECT_FALSE(player_.IsOpen());
  player_.Close();
  EXPECT_FALSE(player_.IsOpen());
}

TEST(TempMidPath, MovesToTheCacheFolderWhenTheProgramsFolderIsNotWritable) {
  const std::string dir = test::TestDir();
  setenv("XDG_CACHE_HOME", (dir + "cache").c_str(), 1);
  EXPECT_EQ(TempMidPathIn("/nonexistent/volemo/"), dir + "cache/volemo/temp.mid");
  EXPECT_TRUE(std::filesystem::is_directory(dir + "cache/volemo"));

  // A relative XDG_CACHE_HOME is not to be used; HOME's .cache is.
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "";
  setenv("XDG_CACHE_HOME", "relative", 1);
  setenv("HOME", (dir + "home").c_str(), 1);
  EXPECT_EQ(TempMidPathIn("/nonexistent/volemo/"), dir + "home/.cache/volemo/temp.mid");
  unsetenv("XDG_CACHE_HOME");
  setenv("HOME", home.c_str(), 1);
}

}  // namespace
}  // namespace volemo

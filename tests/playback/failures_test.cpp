// What the user is told when the machine has no sound output or no
// SoundFont. A process of its own: once an output opens it stays open.
#include <fluidsynth.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <functional>

#include "file_sink.h"
#include "synth_player.h"
#include "shared_synth.h"
#include "smf_builder.h"
#include "soundfont.h"
#include "test_files.h"

namespace volemo {
namespace {

std::string OpenError(SynthPlayer& player, const std::string& path) {
  try {
    player.Open(path);
  } catch (const PlayerError& e) {
    return e.what();
  }
  return "(opened)";
}

// First in the process: a sound output that works would stay open.
TEST(FailingSoundOutput, PlayEndsWithTheDriversOwnReason) {
  const std::string dir = test::TestDir();
  const std::string path = dir + "long.mid";
  test::WriteFile(path, test::Smf({{60, 0, 9600}}));  // 10 s
  // An ALSA device, and the file sink, whose sound goes to a full disk.
  test::WriteFile(dir + "full.conf",
                  "pcm.!default { type file slave.pcm { type null } file \"/dev/full\" format \"raw\" }\n");
  setenv("ALSA_CONFIG_PATH", (dir + "full.conf").c_str(), 1);
  setenv("VOLEMO_AUDIO_FILE", "/dev/full", 1);
  for (const auto& [driver, reason] : {std::pair{"alsa", "alsa: The audio device error: Input/output error"},
                                       std::pair{"file", "file: /dev/full: No space left on device"}}) {
    setenv("VOLEMO_AUDIO_DRIVER", driver, 1);
    SynthPlayer player;
    player.Open(path);
    player.Play();
    EXPECT_TRUE(test::Eventually([&] { return !player.IsPlaying(); })) << driver;
    try {
      player.CheckOutput();
      ADD_FAILURE() << driver << ": no error";
    } catch (const PlayerError& e) {
      EXPECT_EQ(std::string(e.what()), std::string("演奏中に音声出力が止まりました。 ") + reason);
    }
  }
}

TEST(NoSoundOutput, OpeningSaysSoAndGivesEachDriversOwnText) {
  // Every sound server and card the default drivers could reach is made
  // unreachable, whatever this machine has.
  unsetenv("VOLEMO_AUDIO_DRIVER");
  setenv("PULSE_SERVER", "unix:/nonexistent/volemo-no-server", 1);
  setenv("PIPEWIRE_REMOTE", "volemo-no-remote", 1);
  setenv("ALSA_CONFIG_PATH", "/nonexistent/volemo-no-alsa.conf", 1);
  const std::string path = test::TestDir() + "a.mid";
  test::WriteFile(path, test::Smf({{60, 0, 240}}));

  SynthPlayer player;
  const std::string message = OpenError(player, path);
  EXPECT_TRUE(message.starts_with("音声出力を開けません")) << message;
  EXPECT_NE(message.find("pulseaudio: "), std::string::npos) << message;
  EXPECT_NE(message.find("PulseAudio"), std::string::npos) << message;  // FluidSynth's own words
  EXPECT_NE(message.find("alsa: "), std::string::npos) << message;
  EXPECT_FALSE(player.IsOpen());

  // A forced driver that cannot start: the file driver with no folder to write in.
  setenv("VOLEMO_AUDIO_DRIVER", "file", 1);
  setenv("VOLEMO_AUDIO_FILE", "/nonexistent/volemo/sink.raw", 1);
  const std::string fileMessage = OpenError(player, path);
  EXPECT_TRUE(fileMessage.starts_with("音声出力を開けません")) << fileMessage;
  EXPECT_NE(fileMessage.find("file: "), std::string::npos) << fileMessage;
  EXPECT_FALSE(player.IsOpen());

  // Once there is an output, the same player opens.
  setenv("VOLEMO_AUDIO_FILE", "/dev/null", 1);
  player.Open(path);
  EXPECT_TRUE(player.IsOpen());
}

class SoundFont : public testing::Test {
 protected:
  std::string LoadError(const std::vector<std::string>& candidates) {
    fluid_settings_t* settings = NewSynthSettings();
    fluid_synth_t* synth = new_fluid_synth(settings);
    std::string message = "(loaded)";
    try {
      LoadSoundFont(synth, candidates);
    } catch (const PlayerError& e) {
      message = e.what();
    }
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    return message;
  }
};

TEST_F(SoundFont, MissingEverywhereNamesEveryPathTried) {
  const std::string dir = test::TestDir();
  EXPECT_EQ(LoadError({dir + "soundfont.sf2", dir + "GM.sf2"}),
            "SoundFont が見つかりません。探した場所: " + dir + "soundfont.sf2, " + dir + "GM.sf2");
}

TEST_F(SoundFont, BrokenFileIsReportedNotPassedOver) {
  const std::string broken = test::TestDir() + "soundfont.sf2";
  test::WriteFile(broken, "RIFF this is no SoundFont");
  const std::string message = LoadError({broken, "/usr/share/sounds/sf2/default-GM.sf2"});
  EXPECT_TRUE(message.starts_with("SoundFont \"" + broken + "\" を読み込めません。 ")) << message;
  EXPECT_GT(message.size(), ("SoundFont \"" + broken + "\" を読み込めません。 ").size());  // FluidSynth's reason
}

TEST_F(SoundFont, FolderFifoOrDeviceIsReportedNeverOpened) {
  const std::string path = test::TestDir() + "not-a-file.sf2";
  const std::vector<std::function<void()>> makers = {
      [&] { std::filesystem::create_directory(path); },
      [&] { ASSERT_EQ(mkfifo(path.c_str(), 0600), 0); },  // opening it would wait for a writer for ever
      [&] { std::filesystem::create_symlink("/dev/zero", path); },
  };
  for (const auto& make : makers) {
    make();
    EXPECT_EQ(LoadError({path, "/usr/share/sounds/sf2/FluidR3_GM.sf2"}),
              "SoundFont \"" + path + "\" を読み込めません（通常のファイルではありません）。");
    std::filesystem::remove(path);
  }
}

TEST_F(SoundFont, FileRewrittenReplacedOrRemovedSinceLoadingIsNoLongerTheOneLoaded) {
  // Voices are read from the file long after it loaded, at the places its
  // samples had then.
  const std::string path = test::TestDir() + "font.sf2";
  test::WriteFile(path, "first");
  LoadedSoundFont loaded{path, 1, StampOf(path), {}};
  EXPECT_FALSE(Replaced(loaded));
  test::WriteFile(path, "rewritten");
  EXPECT_TRUE(Replaced(loaded));

  loaded.stamp = StampOf(path);
  const std::string other = test::TestDir() + "other.sf2";
  test::WriteFile(other, "REWRITTEN");  // the same size, another file
  std::filesystem::rename(other, path);
  EXPECT_TRUE(Replaced(loaded));

  loaded.stamp = StampOf(path);
  std::filesystem::remove(path);
  EXPECT_TRUE(Replaced(loaded));

  // The user's own put beside the program while Debian's plays.
  const std::string own = test::TestDir() + "own.sf2";
  test::WriteFile(path, "loaded");
  loaded = {path, 1, StampOf(path), {own}};
  EXPECT_FALSE(Replaced(loaded));
  test::WriteFile(own, "the user's");
  EXPECT_TRUE(Replaced(loaded));
  std::filesystem::remove(own);
}

TEST_F(SoundFont, UsersOwnBesideTheProgramComesFirst) {
  const std::vector<std::string> candidates = SoundFontCandidates();
  ASSERT_EQ(candidates.size(), 4u);
  EXPECT_TRUE(candidates[0].ends_with("/soundfont.sf2"));
  EXPECT_EQ(candidates[1], "/usr/share/sounds/sf2/default-GM.sf2");
  EXPECT_EQ(LoadError(candidates), "(loaded)");
}

}  // namespace
}  // namespace volemo

// Runs the real volemo-cli binary and checks what it writes.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "composer.h"
#include "memory_settings.h"
#include "scale_table.h"

namespace volemo {
namespace {

namespace fs = std::filesystem;

struct Result {
  int status;
  std::string out, err;
};

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

Result RunCli(const std::vector<std::string>& args) {
  const fs::path dir = fs::temp_directory_path();
  const fs::path out = dir / ("volemo-cli-out-" + std::to_string(getpid()));
  const fs::path err = dir / ("volemo-cli-err-" + std::to_string(getpid()));
  std::string command = "'" VOLEMO_CLI "'";
  for (const std::string& a : args) {
    std::string quoted;
    for (char c : a) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    command += " '" + quoted + "'";
  }
  command += " >'" + out.string() + "' 2>'" + err.string() + "'";
  const int raw = std::system(command.c_str());
  Result r{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
  fs::remove(out);
  fs::remove(err);
  return r;
}

std::string BodyOf(const std::string& doc) {
  const size_t start = doc.find("[4 \r\n");
  return start == std::string::npos ? "" : doc.substr(start + 5);
}

TEST(Cli, PhraseIsTheEnginesDocumentForTheSameSeed) {
  const Result r = RunCli({"phrase", "--seed", "777"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");

  // The same work in this process: load Scale.dat beside the program,
  // select and apply Major, compose with the pattern box empty.
  EngineState state;
  MemorySettings settings(state);
  state.random.Seed(777);
  const std::string scaleFile = (fs::path(VOLEMO_CLI).parent_path() / "Scale.dat").string();
  settings.SetIndex("cmbScale", LoadScaleTable(state, scaleFile, [](auto&, auto&) { FAIL(); }));
  ApplyScale(settings, state);
  ComposePhrase(settings, state);

  EXPECT_EQ(r.out, settings.MmlText());
  EXPECT_TRUE(r.out.starts_with("Tempo=110;Channel(1);Voice(1)\r\nv120l16[4 \r\n"));
  EXPECT_TRUE(r.out.ends_with("\r\n]"));
}

TEST(Cli, PatternHonoursSetOptionsInOrder) {
  const Result r = RunCli({"pattern", "--seed", "5", "--set", "spnPatternCount=9", "--set", "spnPatternCount=5"});
  ASSERT_EQ(r.status, 0) << r.err;
  ASSERT_EQ(r.out.size(), 6u) << r.out;
  EXPECT_EQ(r.out[4], ' ');
  EXPECT_EQ(RunCli({"pattern", "--seed", "5", "--pattern-length", "5"}).out, r.out);
}

TEST(Cli, SpinTextsReachTheHeaderAsTyped) {
  const Result r = RunCli({"phrase", "--seed", "1", "--set", "spnTempo=abc", "--no-voice", "--channel", "$3"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("Tempo=abc;Channel($3);\r\nv120l16[4 \r\n")) << r.out;
}

TEST(Cli, JapaneseScaleNameAndPatternArriveAsCp932) {
  // The Ryukyu scale on C has only C, E, F, G and B; "ク" is 0x83 0x4E,
  // whose trail byte reads as N.
  const Result r = RunCli({"phrase", "--seed", "9", "--scale", "琉球音階", "--pattern", "ク", "--steps", "64",
                        "--range", "C3-B6"});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string body = BodyOf(r.out);
  EXPECT_EQ(body.find_first_of("ad+"), std::string::npos) << body;
  EXPECT_EQ(std::count(body.begin(), body.end(), 'c') + std::count(body.begin(), body.end(), 'e') +
                std::count(body.begin(), body.end(), 'f') + std::count(body.begin(), body.end(), 'g') +
                std::count(body.begin(), body.end(), 'b'),
            64);
}

TEST(Cli, KeyAliasReappliesTheScaleLikeTheList) {
  const Result byName = RunCli({"phrase", "--seed", "3", "--key", "F#"});
  const Result byIndex = RunCli({"phrase", "--seed", "3", "--set", "cmbKey=6"});
  ASSERT_EQ(byName.status, 0) << byName.err;
  EXPECT_EQ(byName.out, byIndex.out);
  EXPECT_NE(byName.out, RunCli({"phrase", "--seed", "3"}).out);
}

TEST(Cli, RangeAliasReadsAccidentalsAcrossTheOctaveLikeTheNotesTheyName) {
  const Result spelled = RunCli({"phrase", "--seed", "3", "--range", "Cb4-B#4"});
  const Result plain = RunCli({"phrase", "--seed", "3", "--range", "B3-C5"});
  ASSERT_EQ(spelled.status, 0) << spelled.err;
  EXPECT_EQ(spelled.out, plain.out);
  EXPECT_NE(spelled.out, RunCli({"phrase", "--seed", "3", "--range", "B4-C4"}).out);
}

TEST(Cli, RandomWeightsComeAfterTheSetOptions) {
  const Result drawn = RunCli({"pattern", "--seed", "11", "--set", "scrP0=0", "--random-weights"});
  const Result drawnAgain = RunCli({"pattern", "--seed", "11", "--random-weights"});
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  EXPECT_EQ(drawn.out, drawnAgain.out);  // the drawn weights replace the set one
}

TEST(Cli, MissingScaleFileWarnsThenReportsTheListIndexAndStillComposes) {
  const Result r = RunCli({"phrase", "--seed", "2", "--scale-file", "/nonexistent/Scale.dat", "--steps", "4"});
  ASSERT_EQ(r.status, 0) << r.err;
  const size_t warning = r.err.find("スケール定義ファイル\"Scale.dat\"がありません。");
  const size_t listIndex = r.err.find("リストのインデックスが範囲を超えています (-1)");
  ASSERT_NE(warning, std::string::npos) << r.err;
  ASSERT_NE(listIndex, std::string::npos) << r.err;
  EXPECT_LT(warning, listIndex);
  EXPECT_NE(r.err.find("読み込みエラー"), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("\r\n]"));
}

TEST(Cli, BadUsageExitsWithTwo) {
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {},
           {"sing"},
           {"phrase", "--bogus"},
           {"phrase", "extra"},
           {"phrase", "--seed"},
           {"phrase", "--seed", "-1"},
           {"phrase", "--seed", "4294967296"},
           {"phrase", "--set", "spnNothing=1"},
           {"phrase", "--set", "spnTempo"},
           {"phrase", "--set", "scrP0=lots"},
           {"phrase", "--set", "chkVoice=2"},
           {"phrase", "--set", "cmbKey=12"},
           {"phrase", "--scale", "Nope"},
           {"phrase", "--key", "H"},
           {"phrase", "--range", "C4-B11"},
           {"phrase", "--range", "Cb1-C4"},  // B0: below the lowest octave
           {"phrase", "--pattern", "é"},
           {"batch", "--out", "/nonexistent/b"},
           {"batch", "--count", "0", "--out", "/nonexistent/b"},
           {"batch", "--count", "2", "--out", "/nonexistent/b", "--formats", "mid,ogg"},
           {"batch", "--count", "2", "--out", "/nonexistent/b", "--seed", "4294967295"},
           {"batch", "--count", "2", "--out", "/nonexistent/b", "--jobs", "0"},
       }) {
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 2) << (args.empty() ? "" : args.back());
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(r.err.empty());
  }
}

TEST(Cli, CompileWritesAMidiFileOrReportsTheCompilersMessage) {
  const fs::path dir = fs::temp_directory_path() / ("volemo-cli-compile-" + std::to_string(getpid()));
  fs::create_directories(dir);
  {
    std::ofstream(dir / "good.mml", std::ios::binary) << "Tempo=120;o5c4";
    std::ofstream(dir / "bad.mml", std::ios::binary) << "o5c\r\nc x";
  }
  Result r = RunCli({"compile", (dir / "good.mml").string(), (dir / "good.mid").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(ReadFile(dir / "good.mid").starts_with("MThd"));

  r = RunCli({"compile", (dir / "bad.mml").string(), (dir / "bad.mid").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("2行目 3文字目"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "bad.mid"));

  r = RunCli({"phrase", "--seed", "5", "--mid", (dir / "phrase.mid").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("[4 "), std::string::npos);
  EXPECT_TRUE(ReadFile(dir / "phrase.mid").starts_with("MThd"));

  EXPECT_EQ(RunCli({"compile", (dir / "good.mml").string()}).status, 2);
  EXPECT_EQ(RunCli({"compile", (dir / "missing.mml").string(), (dir / "m.mid").string()}).status, 1);
  fs::remove_all(dir);
}

TEST(Cli, PhrasePlaysToItsEndAndRendersToWav) {
  const fs::path dir = fs::temp_directory_path() / ("volemo-cli-play-" + std::to_string(getpid()));
  fs::create_directories(dir);
  setenv("VOLEMO_AUDIO_DRIVER", "file", 1);
  Result r = RunCli({"phrase", "--seed", "9", "--steps", "4", "--tempo", "300", "--play", "--wav",
                     (dir / "p.wav").string(), "--mid", (dir / "p.mid").string()});
  unsetenv("VOLEMO_AUDIO_DRIVER");
  EXPECT_EQ(r.status, 0) << r.err;
  const std::string wav = ReadFile(dir / "p.wav");
  EXPECT_TRUE(wav.starts_with("RIFF") && wav.find("WAVE") == 8) << wav.size();

  r = RunCli({"render", (dir / "p.mid").string(), (dir / "again.wav").string()});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(ReadFile(dir / "again.wav"), wav);

  r = RunCli({"render", (dir / "p.wav").string(), (dir / "no.wav").string()});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("MIDI"), std::string::npos) << r.err;
  EXPECT_FALSE(fs::exists(dir / "no.wav"));
  fs::remove_all(dir);
}

TEST(Cli, BrokenPlaybackModuleFailsOnlyWhatSoundsWithAMessage) {
  // A copy of the program with a module beside it that is no library.
  const fs::path dir = fs::temp_directory_path() / ("volemo-cli-module-" + std::to_string(getpid()));
  fs::create_directories(dir);
  fs::copy_file(VOLEMO_CLI, dir / "volemo-cli");
  fs::copy_file(fs::path(VOLEMO_CLI).parent_path() / "Scale.dat", dir / "Scale.dat");
  std::ofstream(dir / "libvolemo-playback.so") << "not a library";
  const std::string cli = (dir / "volemo-cli").string();
  const std::string err = (dir / "err").string();
  EXPECT_EQ(std::system((cli + " phrase --seed 1 --mid " + (dir / "p.mid").string() + " >/dev/null").c_str()), 0);
  const int raw = std::system((cli + " render " + (dir / "p.mid").string() + " " + (dir / "p.wav").string() +
                               " 2>" + err).c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 1);
  EXPECT_NE(ReadFile(err).find("再生モジュールを読み込めません。"), std::string::npos) << ReadFile(err);
  EXPECT_NE(ReadFile(err).find("libvolemo-playback.so"), std::string::npos) << ReadFile(err);
  EXPECT_FALSE(fs::exists(dir / "p.wav"));
  fs::remove_all(dir);
}

TEST(Cli, HelpAndVersion) {
  for (const char* command : {"phrase", "pattern", "batch"}) {
    const Result r = RunCli({command, "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--scale-file"), std::string::npos);
  }
  EXPECT_EQ(RunCli({"--help"}).status, 0);
  const Result v = RunCli({"--version"});
  EXPECT_EQ(v.status, 0);
  EXPECT_TRUE(v.out.starts_with("volemo-cli ")) << v.out;
}

}  // namespace
}  // namespace volemo

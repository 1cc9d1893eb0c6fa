// The files named on volemo-cli's command line: only a regular file within
// its limit is read, never one that would hold the program; the output is
// never the input; a long piece renders to what can hold it; and a write
// past a file-size limit is reported as the write that failed.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <fstream>

#include "run_cli.h"

namespace volemo {
namespace {

struct Folder {
  fs::path path;
  Folder() {
    std::string pattern = (fs::temp_directory_path() / "volemo-named-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
  }
  ~Folder() { fs::remove_all(path); }
  std::string operator/(const std::string& name) const { return (path / name).string(); }
};

void Write(const std::string& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// Ended after a while if it waits for ever, so that the test fails instead.
const std::string kBounded = "exec timeout -s KILL 20 ";

TEST(NamedFiles, OnlyRegularFilesWithinTheirLimitAreReadAndTheOthersAreRefusedNamingThem) {
  const Folder dir;
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", dir / "zero.mml");
  fs::create_symlink("/dev/zero", dir / "zero.mid");
  fs::create_directory(dir / "folder.mid");
  Write(dir / "long.mml", "");
  fs::resize_file(dir / "long.mml", (size_t{16} << 20) + 1);  // sparse: costs no disk
  Write(dir / "long.mid", "");
  fs::resize_file(dir / "long.mid", (size_t{128} << 20) + 1);
  fs::create_directory(dir / "data");
  ASSERT_EQ(mkfifo((dir / "data/takes.sqlite3").c_str(), 0600), 0);
  const std::string notRegular = "通常のファイルではありません";
  const struct {
    std::vector<std::string> args;
    std::string message;
    std::string shell = "";
  } cases[] = {
      {{"compile", dir / "fifo", dir / "x.mid"}, "MML ファイル \"" + dir / "fifo" + "\" を読み込めません。 " + notRegular},
      {{"compile", dir / "zero.mml", dir / "x.mid"}, "\"" + dir / "zero.mml" + "\" を読み込めません。 " + notRegular},
      {{"compile", dir / "long.mml", dir / "x.mid"}, "\"" + dir / "long.mml" + "\" を読み込めません。 MML が長すぎます"},
      {{"render", dir / "fifo", dir / "x.wav"}, "MIDI ファイル \"" + dir / "fifo" + "\" を開けません。 " + notRegular},
      {{"render", dir / "zero.mid", dir / "x.wav"}, "\"" + dir / "zero.mid" + "\" を開けません。 " + notRegular},
      {{"render", dir / "folder.mid", dir / "x.wav"}, "\"" + dir / "folder.mid" + "\" を開けません。 Is a directory"},
      {{"render", dir / "long.mid", dir / "x.wav"}, "\"" + dir / "long.mid" + "\" を開けません。 MIDI ファイルとしては大きすぎます"},
      {{"takes", "list"}, dir / "data/takes.sqlite3: " + notRegular, "export VOLEMO_DATA_DIR='" + dir / "data" + "'; "},
  };
  for (const auto& c : cases) {
    const Result r = RunCli(c.args, c.shell + kBounded);
    EXPECT_EQ(r.status, 1) << c.args[1] << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_FALSE(fs::exists(dir / "x.mid") || fs::exists(dir / "x.wav"));
  }
}

TEST(NamedFiles, AnOutputThatIsTheInputIsRefusedAndTheInputKept) {
  const Folder dir;
  Write(dir / "a.mml", "o5 c d e");
  ASSERT_EQ(RunCli({"compile", dir / "a.mml", dir / "a.mid"}).status, 0);
  fs::create_symlink(dir / "a.mml", dir / "link.mml");
  fs::create_hard_link(dir / "a.mml", dir / "hard.mml");
  fs::create_symlink(dir / "a.mid", dir / "link.wav");
  fs::create_hard_link(dir / "a.mid", dir / "hard.wav");
  const std::string mml = ReadFile(dir / "a.mml"), midi = ReadFile(dir / "a.mid");
  const std::vector<std::string> cases[] = {
      {"compile", dir / "a.mml", dir / "a.mml"},  {"compile", dir / "a.mml", dir / "link.mml"},
      {"compile", dir / "link.mml", dir / "hard.mml"}, {"render", dir / "a.mid", dir / "a.mid"},
      {"render", dir / "a.mid", dir / "link.wav"}, {"render", dir / "a.mid", dir / "hard.wav"},
  };
  for (const auto& args : cases) {
    std::vector<std::string> english = {"--lang", "en"};  // the message looked for is the English one
    english.insert(english.end(), args.begin(), args.end());
    const Result r = RunCli(english);
    EXPECT_EQ(r.status, 2) << args[2] << ": " << r.err;
    EXPECT_NE(r.err.find("is the input file"), std::string::npos) << r.err;
    EXPECT_EQ(ReadFile(dir / "a.mml"), mml);
    EXPECT_TRUE(ReadFile(dir / "a.mid") == midi);
  }
}

// Seven hours of music: more than a WAV file's 32-bit sizes hold, nothing to
// FLAC and Ogg Vorbis. The render that is not refused is stopped a few
// seconds in by an interrupt.
TEST(NamedFiles, OnlyWavRefusesMusicLongerThanItsSizesHold) {
  const Folder dir;
  Write(dir / "long.mml", "t120 l1 [3150 cegc]");
  ASSERT_EQ(RunCli({"compile", dir / "long.mml", dir / "long.mid"}).status, 0);
  const struct {
    std::string out;
    bool refused;
  } cases[] = {{"out.flac", false}, {"out.ogg", false}, {"out.wav", true}};
  for (const auto& c : cases) {
    const Result r = RunCli({"render", dir / "long.mid", dir / c.out}, "exec timeout -s INT 5 ");
    const bool refused = r.err.find("WAV ファイルに収まりません") != std::string::npos;
    EXPECT_EQ(refused, c.refused) << c.out << ": " << r.err;
    EXPECT_EQ(r.status, c.refused ? 1 : 124) << c.out << ": " << r.err;  // 124: still rendering when stopped
    EXPECT_FALSE(fs::exists(dir / c.out));
  }
}

TEST(NamedFiles, AWritePastTheFileSizeLimitIsReportedAsTheWriteThatFailed) {
  const Folder dir;
  std::string mml = "o5 l16";
  for (int i = 0; i < 2000; ++i) mml += " c d e f g a b > c <";
  Write(dir / "long.mml", mml);
  const struct {
    std::vector<std::string> args;
    std::string limit, message;
  } cases[] = {
      {{"phrase", "--seed", "1", "--keep"}, "20", "takes.sqlite3: disk I/O error (File too large)"},
      {{"compile", dir / "long.mml", dir / "long.mid"}, "1", "MIDI ファイルを書き込めません"},
  };
  for (const auto& c : cases) {
    const Result r = RunCli(c.args, "export VOLEMO_DATA_DIR='" + dir / "data" + "'; ulimit -f " + c.limit + "; exec ");
    EXPECT_EQ(r.status, 1) << c.args[0] << ": " << r.err;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace volemo

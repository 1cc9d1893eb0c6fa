// volemo-cli batch, run as a process: its files are the phrase command's,
// the same for any number of jobs, and whole after an interruption.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <thread>

#include "run_cli.h"

namespace volemo {
namespace {

namespace fs = std::filesystem;

class Batch : public testing::Test {
 protected:
  void SetUp() override {
    std::string dir = (fs::temp_directory_path() / "volemo-batch-XXXXXX").string();
    ASSERT_NE(mkdtemp(dir.data()), nullptr);
    dir_ = dir;
    setenv("VOLEMO_LANG", "en", 1);  // the messages looked for are the English ones
  }
  void TearDown() override {
    unsetenv("VOLEMO_LANG");
    fs::remove_all(dir_);
  }

  // Starts volemo-cli with args, its output in files of the test's folder.
  pid_t Start(const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(VOLEMO_CLI)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, (dir_ / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, (dir_ / "stderr").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, VOLEMO_CLI, &files, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&files);
    return pid;
  }
  // The exit status, or 128 + the signal that ended it.
  int Wait(pid_t pid) {
    int raw = 0;
    waitpid(pid, &raw, 0);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  }
  int Run(const std::vector<std::string>& args) { return Wait(Start(args)); }
  std::string Out() const { return ReadFile(dir_ / "stdout"); }
  std::string Err() const { return ReadFile(dir_ / "stderr"); }

  // Every file of a folder by name, with its bytes.
  static std::map<std::string, std::string> Contents(const fs::path& dir) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir)) files[e.path().filename()] = ReadFile(e.path());
    return files;
  }

  fs::path dir_;
};

TEST_F(Batch, EachPhraseIsThePhraseCommandsBytesAndTheManifestDescribesIt) {
  const fs::path out = dir_ / "out";
  ASSERT_EQ(Run({"batch", "--count", "3", "--seed", "40", "--tempo", "90", "--out", out, "--jobs", "2", "--formats",
                 "wav,mml,mid"}),
            0)
      << Err();
  const std::map<std::string, std::string> files = Contents(out);
  ASSERT_EQ(files.size(), 10u);
  std::istringstream manifest(files.at("manifest.jsonl"));
  std::string line;
  for (int i = 0; i < 3; ++i) {
    const std::string stem = "00000" + std::to_string(i);
    const fs::path mid = dir_ / "phrase.mid";
    const fs::path wav = dir_ / "phrase.wav";
    ASSERT_EQ(Run({"phrase", "--seed", std::to_string(40 + i), "--tempo", "90", "--mid", mid, "--wav", wav}), 0)
        << Err();
    EXPECT_EQ(files.at(stem + ".mml"), Out());
    EXPECT_EQ(files.at(stem + ".mid"), ReadFile(mid));
    EXPECT_TRUE(files.at(stem + ".wav") == ReadFile(wav));

    // The figures as midicsv reads them from the file.
    ASSERT_EQ(std::system(("midicsv '" + mid.string() + "' > '" + (dir_ / "csv").string() + "'").c_str()), 0);
    std::istringstream csv(ReadFile(dir_ / "csv"));
    int notes = 0, end = 0, tempo = 0;  // one tempo: the phrase's
    for (std::string row; std::getline(csv, row);) {
      int track, tick, channel, key, velocity;
      char kind[32];
      const int read =
          std::sscanf(row.c_str(), "%d, %d, %31[^,], %d, %d, %d", &track, &tick, kind, &channel, &key, &velocity);
      if (read < 3) continue;
      end = std::max(end, tick);
      notes += std::string(kind) == "Note_on_c" && velocity > 0;
      if (std::string(kind) == "Tempo") tempo = channel;
    }
    std::ostringstream expected;
    expected << "{\"index\":" << i << ",\"seed\":" << 40 + i << ",\"files\":[\"" << stem << ".mid\",\"" << stem
             << ".mml\",\"" << stem << ".wav\"],\"pattern\":\"";
    ASSERT_TRUE(std::getline(manifest, line));
    EXPECT_TRUE(line.starts_with(expected.str())) << line;
    EXPECT_NE(line.find(",\"notes\":" + std::to_string(notes) + ",\"ticks\":" + std::to_string(end) + ","),
              std::string::npos) << line;
    const double seconds = end / 480.0 * tempo / 1e6;
    EXPECT_NEAR(std::stod(line.substr(line.find("\"seconds\":") + 10)), seconds, 1e-6);
    EXPECT_NE(line.find("\"spnTempo\":\"90\""), std::string::npos);
  }
}

// The groove options make the phrase command's bytes; only a batch that
// uses them records them, and a batch with others is not mixed in.
TEST_F(Batch, GrooveIsThePhraseCommandsAndOnlyABatchUsingItRecordsIt) {
  const std::vector<std::string> groove = {"--swing", "62", "--meter", "7/8", "--form", "AA'B", "--variation", "2"};
  const fs::path out = dir_ / "out";
  std::vector<std::string> batch = {"batch", "--count", "2", "--seed", "5", "--formats", "mml", "--out", out};
  batch.insert(batch.end(), groove.begin(), groove.end());
  ASSERT_EQ(Run(batch), 0) << Err();
  const std::string manifest = ReadFile(out / "manifest.jsonl");
  for (int i = 0; i < 2; ++i) {
    std::vector<std::string> phrase = {"phrase", "--seed", std::to_string(5 + i)};
    phrase.insert(phrase.end(), groove.begin(), groove.end());
    ASSERT_EQ(Run(phrase), 0) << Err();
    EXPECT_EQ(ReadFile(out / ("00000" + std::to_string(i) + ".mml")), Out());
  }
  for (const char* recorded : {"\"swing\":62,", "\"form\":\"AA'B\"", "\"variation\":2,", "\"meter\":\"7/8\"",
                               "\"beats\":\"2+2+3\""})
    EXPECT_NE(manifest.find(recorded), std::string::npos) << recorded << " in " << manifest;
  batch[batch.size() - 7] = "60";  // another swing
  EXPECT_NE(Run(batch), 0);
  EXPECT_EQ(ReadFile(out / "manifest.jsonl"), manifest);

  ASSERT_EQ(Run({"batch", "--count", "1", "--seed", "5", "--formats", "mml", "--out", dir_ / "plain"}), 0) << Err();
  EXPECT_EQ(ReadFile(dir_ / "plain" / "manifest.jsonl").find("groove"), std::string::npos);
}

// A batch run again into its folder with other line or part options is
// refused, and its manifest is left as it was; with the same ones it goes on.
TEST_F(Batch, ARerunWithOtherLineOrPartOptionsIsRefused) {
  const fs::path out = dir_ / "out";
  const std::vector<std::string> first = {"--smoothness", "80", "--parts", "bass", "--bass-density", "50"};
  const auto batch = [&](const std::vector<std::string>& options, const char* count) {
    std::vector<std::string> args = {"batch", "--count", count, "--seed", "5", "--formats", "mml", "--out", out};
    args.insert(args.end(), options.begin(), options.end());
    return Run(args);
  };
  ASSERT_EQ(batch(first, "2"), 0) << Err();
  const std::string manifest = ReadFile(out / "manifest.jsonl");
  for (const std::vector<std::string>& other : std::vector<std::vector<std::string>>{
           {"--smoothness", "60", "--parts", "bass", "--bass-density", "50"},
           {"--smoothness", "80", "--parts", "bass,drums", "--bass-density", "50"},
           {"--smoothness", "80", "--parts", "bass", "--bass-density", "60"},
           {"--smoothness", "80", "--parts", "bass", "--bass-density", "50", "--chords", "I IV"},
           {"--smoothness", "80", "--parts", "bass", "--bass-density", "50", "--drums-weights",
            "snare:0,0,0,0,100,0,0,0,0,0,0,0,100,0,0,0"},
       }) {
    EXPECT_NE(batch(other, "3"), 0) << other[1] << " " << other[3] << " " << other[5];
    EXPECT_NE(Err().find("other settings"), std::string::npos) << Err();
    EXPECT_EQ(ReadFile(out / "manifest.jsonl"), manifest);
  }
  EXPECT_EQ(batch(first, "3"), 0) << Err();
}

TEST_F(Batch, FilesAreTheSameForAnyNumberOfJobs) {
  const std::vector<std::string> common = {"batch", "--count", "300", "--seed", "7", "--random-weights"};
  std::vector<std::string> one = common, two = common;
  one.insert(one.end(), {"--out", dir_ / "one", "--jobs", "1"});
  two.insert(two.end(), {"--out", dir_ / "two", "--jobs", "2"});
  ASSERT_EQ(Run(one), 0) << Err();
  ASSERT_EQ(Run(two), 0) << Err();
  const auto files = Contents(dir_ / "one");
  EXPECT_EQ(files.size(), 601u);
  EXPECT_TRUE(files == Contents(dir_ / "two"));

  // Rendered side by side, each phrase after another one or none.
  for (const char* jobs : {"1", "3"})
    ASSERT_EQ(Run({"batch", "--count", "3", "--seed", "7", "--formats", "flac", "--out", dir_ / jobs, "--jobs", jobs}),
              0)
        << Err();
  EXPECT_TRUE(Contents(dir_ / "1") == Contents(dir_ / "3"));
}

TEST_F(Batch, InterruptedBatchKeepsOnlyListedCompleteFilesAndResumesToTheSameFiles) {
  const fs::path out = dir_ / "out";
  const std::vector<std::string> args = {"batch", "--count", "5000", "--seed", "3", "--out", out};
  const pid_t pid = Start(args);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fs::exists(out / "000040.mml") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  kill(pid, SIGINT);
  ASSERT_EQ(Wait(pid), 130) << "the batch ended before the interrupt";

  std::set<std::string> listed, present;
  std::istringstream manifest(ReadFile(out / "manifest.jsonl"));
  for (std::string line; std::getline(manifest, line);)
    for (const char* ext : {".mid", ".mml"}) {
      const size_t at = line.find(ext);
      ASSERT_NE(at, std::string::npos) << line;
      listed.insert(line.substr(at - 6, 6) + ext);
    }
  for (const auto& e : fs::directory_iterator(out)) present.insert(e.path().filename());
  present.erase("manifest.jsonl");
  EXPECT_TRUE(listed == present) << listed.size() << " listed, " << present.size() << " present";
  EXPECT_LT(listed.size(), 10000u);

  // Other settings in the same folder are refused, and change nothing.
  std::vector<std::string> other = args;
  other.insert(other.end(), {"--tempo", "91"});
  EXPECT_EQ(Run(other), 1);
  EXPECT_NE(Err().find("other settings"), std::string::npos) << Err();

  ASSERT_EQ(Run(args), 0) << Err();
  std::vector<std::string> whole = args;
  whole[6] = dir_ / "whole";
  ASSERT_EQ(Run(whole), 0) << Err();
  const auto files = Contents(out);
  EXPECT_EQ(files.size(), 10001u);
  EXPECT_TRUE(files == Contents(dir_ / "whole"));
}

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// The manifest's lines, each checked to be one, as indices.
std::vector<uint64_t> ListedIndices(const fs::path& manifest) {
  std::vector<uint64_t> indices;
  std::istringstream lines(ReadFile(manifest));
  for (std::string line; std::getline(lines, line);) indices.push_back(std::stoull(line.substr(9)));
  return indices;
}

// Stopped by any of the interrupts, a batch finishes the phrases in hand,
// lists them in order and ends by the signal. The work is never a list made
// first: a batch of four billion stops as soon as one of a few.
TEST_F(Batch, AStoppedBatchListsItsPhrasesInOrderAndEndsByTheSignal) {
  const struct {
    int signal;
    std::string count, first;
  } cases[] = {
      {SIGHUP, "20000", "000040.mml"},
      {SIGTERM, "4294967296", "0000000040.mml"},
      {SIGINT, "4294967296", "0000000040.mml"},
  };
  for (const auto& c : cases) {
    const fs::path out = dir_ / ("out" + std::to_string(c.signal));
    // Within an address space that a list of every index would pass; a
    // sanitized build's shadow memory alone would not fit in it.
    rlimit limit{}, before{};
    getrlimit(RLIMIT_AS, &before);
    limit = before;
    if (!kSanitized) limit.rlim_cur = rlim_t{3} << 30;
    setrlimit(RLIMIT_AS, &limit);
    const pid_t pid = Start({"batch", "--count", c.count, "--seed", "0", "--out", out});
    setrlimit(RLIMIT_AS, &before);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!fs::exists(out / c.first) && std::chrono::steady_clock::now() < deadline)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    kill(pid, c.signal);
    EXPECT_EQ(Wait(pid), 128 + c.signal) << Err();
    const std::vector<uint64_t> listed = ListedIndices(out / "manifest.jsonl");
    EXPECT_TRUE(std::is_sorted(listed.begin(), listed.end()));
    size_t files = 0;
    for (const auto& e : fs::directory_iterator(out)) files += e.path().filename() != "manifest.jsonl";
    EXPECT_EQ(files, 2 * listed.size());
    EXPECT_FALSE(listed.empty());
  }
}

// A batch without --seed killed before it listed anything: the same command
// makes the same phrases, keeping the files already made.
TEST_F(Batch, ABatchOnTheClocksSeedFinishesWithTheSameSeed) {
  const fs::path out = dir_ / "out";
  const std::vector<std::string> args = {"batch", "--count", "3000", "--jobs", "1", "--out", out};
  const pid_t pid = Start(args);
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fs::exists(out / "000002.mml") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  kill(pid, SIGKILL);
  Wait(pid);
  ASSERT_TRUE(ReadFile(out / "manifest.jsonl").empty()) << "listed before it was killed";
  const auto made = Contents(out);
  ASSERT_EQ(Run(args), 0) << Err();
  const auto files = Contents(out);
  for (const auto& [name, bytes] : made)
    if (name.ends_with(".mml") || name.ends_with(".mid")) {
      EXPECT_TRUE(files.at(name) == bytes) << name;
    }
}

// What a folder holds is never overwritten or mixed: a manifest that is not
// a batch's, a batch working in the folder, the records of a batch with more
// formats.
TEST_F(Batch, AFoldersManifestIsKeptFromOtherFilesOtherBatchesAndFewerFormats) {
  const fs::path foreign = dir_ / "foreign", busy = dir_ / "busy", more = dir_ / "more";
  fs::create_directory(foreign);
  std::ofstream(foreign / "manifest.jsonl") << "{\"id\":1,\"name\":\"mine\"}\n";
  ASSERT_EQ(Run({"batch", "--count", "3", "--seed", "1", "--out", more}), 0) << Err();
  const pid_t first = Start({"batch", "--count", "1000000", "--seed", "1", "--out", busy});
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!fs::exists(busy / "000040.mml") && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const std::string listedMore = ReadFile(more / "manifest.jsonl");
  const struct {
    fs::path out;
    std::string formats;
    int status;
    std::string message;
  } cases[] = {
      {foreign, "mid,mml", 1, "is not a batch's manifest"},
      {busy, "mid,mml", 1, "another batch is working in"},
      {more, "mid", 0, ""},
  };
  for (const auto& c : cases) {
    const std::string before = ReadFile(c.out / "manifest.jsonl");
    EXPECT_EQ(Wait(Start({"batch", "--count", "3", "--seed", "1", "--formats", c.formats, "--out", c.out})),
              c.status) << c.out;
    EXPECT_NE(Err().find(c.message), std::string::npos) << Err();
    if (c.out != busy) {
      EXPECT_EQ(ReadFile(c.out / "manifest.jsonl"), before);
    }
  }
  EXPECT_EQ(ReadFile(more / "manifest.jsonl"), listedMore);
  kill(first, SIGTERM);
  Wait(first);
  const std::vector<uint64_t> listed = ListedIndices(busy / "manifest.jsonl");
  EXPECT_EQ(std::set<uint64_t>(listed.begin(), listed.end()).size(), listed.size()) << "a phrase listed twice";
}

}  // namespace
}  // namespace volemo

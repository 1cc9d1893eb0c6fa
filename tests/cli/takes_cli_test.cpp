// volemo-cli's takes and presets, over a database in a folder of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <nlohmann/json.hpp>

#include "run_cli.h"
#include "take_store.h"

namespace volemo {
namespace {

class TakesCli : public ::testing::Test {
 protected:
  TakesCli() {
    std::string pattern = (fs::temp_directory_path() / "volemo-takes-cli-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    setenv("VOLEMO_DATA_DIR", dir_.c_str(), 1);
  }
  ~TakesCli() override {
    unsetenv("VOLEMO_DATA_DIR");
    fs::remove_all(dir_);
  }
  std::vector<nlohmann::json> ListJson(std::vector<std::string> more = {}) {
    std::vector<std::string> args = {"takes", "list", "--json"};
    args.insert(args.end(), more.begin(), more.end());
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    std::vector<nlohmann::json> lines;
    std::istringstream in(r.out);
    for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
    return lines;
  }
  fs::path dir_;
};

TEST_F(TakesCli, KeptPhrasesAreListedShownStarredExportedAndDeleted) {
  const Result plain = RunCli({"phrase", "--seed", "5"});
  EXPECT_TRUE(ListJson().empty());  // nothing is kept without --keep
  const Result first = RunCli({"phrase", "--seed", "5", "--keep"});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, plain.out);
  ASSERT_EQ(RunCli({"phrase", "--seed", "6", "--tempo", "abc", "--keep"}).status, 0);

  const std::vector<nlohmann::json> takes = ListJson();
  ASSERT_EQ(takes.size(), 2u);
  const nlohmann::json& newest = takes[0];
  EXPECT_EQ(newest["settings"]["spnTempo"], "abc");
  EXPECT_EQ(newest["operation"], "cli");
  EXPECT_EQ(newest["random_state"], 6);
  EXPECT_EQ(newest["starred"], false);
  EXPECT_EQ(takes[1]["mml"], first.out);  // ASCII: the same as UTF-8
  EXPECT_EQ(std::string(takes[1]["created"]).size(), 24u);
  const std::string id = std::to_string(int(takes[1]["id"]));

  EXPECT_EQ(RunCli({"takes", "show", id}).out, first.out);
  ASSERT_EQ(RunCli({"takes", "star", id}).status, 0);
  const std::vector<nlohmann::json> starred = ListJson({"--starred"});
  ASSERT_EQ(starred.size(), 1u);
  EXPECT_EQ(starred[0]["id"], takes[1]["id"]);
  EXPECT_EQ(ListJson({"--limit", "1"}).size(), 1u);

  for (const char* name : {"t.mml", "t.mid", "t.wav"})
    ASSERT_EQ(RunCli({"takes", "export", id, (dir_ / name).string()}).status, 0) << name;
  EXPECT_EQ(ReadFile(dir_ / "t.mml"), first.out);
  EXPECT_TRUE(ReadFile(dir_ / "t.mid").starts_with("MThd"));
  EXPECT_TRUE(ReadFile(dir_ / "t.wav").starts_with("RIFF"));

  ASSERT_EQ(RunCli({"takes", "delete", id}).status, 0);
  EXPECT_EQ(ListJson().size(), 1u);
  const struct {
    std::vector<std::string> args;
    int status;
  } failures[] = {
      {{"takes", "show", id}, 1},                                  // deleted
      {{"takes", "star", "x"}, 2},                                 // not an id
      {{"takes", "export", id, (dir_ / "t.txt").string()}, 2},     // no such kind of file
      {{"takes", "frobnicate"}, 2},
  };
  for (const auto& f : failures) EXPECT_EQ(RunCli(f.args).status, f.status) << f.args[1];
}

TEST_F(TakesCli, APresetSetsTheScaleAndControlsBeforeTheSetOptions) {
  const Result list = RunCli({"presets", "list"});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_NE(list.out.find("琉球音階の三線\t琉球音階\t(shipped)\n"), std::string::npos) << list.out;

  const Result r = RunCli({"phrase", "--seed", "3", "--preset", "琉球音階の三線", "--tempo", "99"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("Tempo=99;Channel(1);Voice(107)\r\n")) << r.out;
  EXPECT_EQ(RunCli({"pattern", "--preset", "ブルースのベース", "--seed", "3"}).status, 0);
  EXPECT_EQ(RunCli({"phrase", "--preset", "どこにもない"}).status, 2);
}

TEST_F(TakesCli, ADatabaseThatCannotBeReadStopsOnlyTheKeeping) {
  std::ofstream(dir_ / "takes.sqlite3") << std::string(4096, 'x');
  const Result r = RunCli({"phrase", "--seed", "5", "--keep"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, RunCli({"phrase", "--seed", "5"}).out);  // the phrase is still written
  EXPECT_NE(r.err.find("file is not a database"), std::string::npos) << r.err;
  const Result presets = RunCli({"presets", "list"});
  EXPECT_EQ(presets.status, 0);
  EXPECT_NE(presets.out.find("(shipped)"), std::string::npos);
}

// A phrase edited by hand may not compile: its export, whatever the kind of
// file, reports the compiler's message as the compile command prints it
// (it was shown as CP932 bytes read as UTF-8).
TEST_F(TakesCli, ExportOfATakeThatDoesNotCompileGivesTheCompilersMessage) {
  Take edited;
  edited.operation = "edit";
  edited.mml = "t120 [4 o4c\r\nz d\r\nz e]";
  const std::string id = std::to_string(TakeStore(TakesDatabasePath()).Add(edited).id);
  std::ofstream(dir_ / "edited.mml", std::ios::binary) << edited.mml;
  const Result compiled = RunCli({"compile", (dir_ / "edited.mml").string(), (dir_ / "edited.mid").string()});
  ASSERT_EQ(compiled.status, 1);
  ASSERT_NE(compiled.err.find("行目"), std::string::npos) << compiled.err;
  for (const char* file : {"x.wav", "nodir/x.mid", "x.mid", "x.flac"}) {
    const Result r = RunCli({"takes", "export", id, (dir_ / file).string()});
    EXPECT_EQ(r.status, 1) << file;
    EXPECT_EQ(r.err, "volemo-cli: " + compiled.err) << file;
    EXPECT_FALSE(fs::exists(dir_ / file)) << file;
  }
}

}  // namespace
}  // namespace volemo

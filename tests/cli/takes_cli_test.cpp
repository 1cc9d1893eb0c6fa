// volemo-cli's takes and presets, over a database in a folder of the test's own.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>

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

// A take keeps the line, parts and groove options it was made with; a
// preset holding them gives them to phrase, the options after it over them.
TEST_F(TakesCli, TakesAndPresetsCarryTheLinePartsAndGroove) {
  const std::vector<std::string> options = {"--smoothness", "80", "--parts", "bass,drums", "--meter", "3/4",
                                            "--swing", "60"};
  const auto phrase = [&](std::vector<std::string> args, bool withOptions) {
    args.insert(args.begin(), {"phrase", "--seed", "4"});
    if (withOptions) args.insert(args.end(), options.begin(), options.end());
    const Result r = RunCli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    return r.out;
  };
  const std::string kept = phrase({"--keep"}, true);
  const nlohmann::json parts = {{"smoothness", "80"}, {"parts", "bass,drums"}, {"meter", "3/4"}, {"swing", "60"}};
  EXPECT_EQ(ListJson().at(0)["parts"], parts);
  EXPECT_EQ(RunCli({"takes", "show", "1"}).out, kept);

  ControlValues values;
  for (const auto& [name, value] : parts.items()) values.emplace_back(name, value);
  TakeStore(dir_ / "takes.sqlite3").SavePreset({"mine", "Major", {}, false, values});
  EXPECT_EQ(phrase({"--preset", "mine"}, false), kept);
  EXPECT_EQ(phrase({"--preset", "mine", "--swing", "50"}, false),
            phrase({"--smoothness", "80", "--parts", "bass,drums", "--meter", "3/4"}, false));
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

// Takes in a folder that cannot be written (or a file that cannot) are
// still read; a change is refused, saying why. As root, the commands run as
// nobody, for whom the modes hold.
TEST_F(TakesCli, AReadOnlyDatabaseIsReadAndItsChangesRefusedSayingSo) {
  ASSERT_EQ(RunCli({"phrase", "--seed", "5", "--keep"}).status, 0);
  const std::string shown = RunCli({"takes", "show", "1"}).out;
  const bool root = geteuid() == 0;
  const std::string asUser = root ? "exec setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
  fs::permissions(dir_, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec);
  const fs::path db = dir_ / "takes.sqlite3";
  if (root) {
    ASSERT_EQ(chown(db.c_str(), 65534, 65534), 0);
  }
  const struct {
    fs::perms folder, file;
  } cases[] = {{fs::perms::owner_read | fs::perms::owner_exec, fs::perms::owner_read | fs::perms::owner_write},
               {fs::perms::owner_read | fs::perms::owner_exec, fs::perms::owner_read}};
  for (const auto& c : cases) {
    if (root) {
      ASSERT_EQ(chown(dir_.c_str(), 65534, 65534), 0);
    }
    fs::permissions(dir_, c.folder | fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(db, c.file | fs::perms::others_read);
    const Result list = RunCli({"takes", "list"}, asUser);
    EXPECT_EQ(list.status, 0) << list.err;
    EXPECT_TRUE(list.out.starts_with("1\t")) << list.out;
    const Result show = RunCli({"takes", "show", "1"}, asUser);
    EXPECT_EQ(show.status, 0) << show.err;
    EXPECT_EQ(show.out, shown);
    const Result star = RunCli({"takes", "star", "1"}, asUser);
    EXPECT_EQ(star.status, 1);
    EXPECT_NE(star.err.find("read-only"), std::string::npos) << star.err;
  }
  fs::permissions(dir_, fs::perms::owner_all);
  fs::permissions(db, fs::perms::owner_read | fs::perms::owner_write);
}

// Names written by the window (or another program) hold what they hold:
// each take stays one line, in the columns and in JSON, and a large limit
// reserves nothing.
TEST_F(TakesCli, EachTakeIsOneListLineWhateverItsNameHolds) {
  for (const char* seed : {"1", "2"}) ASSERT_EQ(RunCli({"phrase", "--seed", seed, "--keep"}).status, 0);
  {
    TakeStore store(dir_ / "takes.sqlite3");
    store.Rename(1, "a\tb\nc\\d");
    store.Rename(2, "\xFF\xFE\x80");
  }
  const struct {
    std::vector<std::string> args;
    std::string holds;
  } cases[] = {
      {{"takes", "list"}, "\ta\\tb\\nc\\\\d\t"},
      {{"takes", "list", "--limit", "100000000"}, "\ta\\tb\\nc\\\\d\t"},
      {{"takes", "list", "--json"}, "\"name\":\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\""},
  };
  for (const auto& c : cases) {
    const Result r = RunCli(c.args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out;
    EXPECT_NE(r.out.find(c.holds), std::string::npos) << r.out;
  }
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

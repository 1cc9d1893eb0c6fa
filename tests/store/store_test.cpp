// The take store on real SQLite files: what goes in comes out, the schema
// moves forward, pruning, several writers, a killed writer, and databases
// that cannot be used.
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <set>

#include "presets.h"
#include "schema.h"
#include "take_store.h"
#include "temp_dir.h"

namespace volemo {
namespace {

using test::TempDir;

Take SomeTake(const std::string& mml) {
  Take t;
  t.operation = "random-make-and-play";
  t.controls = {{"spnTempo", "110"}, {"cmbKey", "3"}};
  t.mml = mml;
  return t;
}

// A statement's first column of its first row, through a connection of
// the test's own.
std::string Query(const std::string& path, const char* sql) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_stmt* st = nullptr;
  std::string result = "(error)";
  if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
    result = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
  sqlite3_finalize(st);
  sqlite3_close(db);
  return result;
}

TEST(TakeStore, KeepsEveryFieldOfATake) {
  TempDir dir;
  Take t;
  t.created = "2026-12-08T01:40:12.345Z";
  t.operation = "edit";
  // Texts that an encoding could trip on: separators, escapes, Japanese.
  t.controls = {{"spnTempo", "a=b\\n\nc"}, {"cmbKey", "11"}, {"spnV", ""}, {"chkVoice", "0"}};
  t.scale = "琉球音階";
  t.weights = {10, 0, 0, 0, 7, 7, 0, 9, 0, 0, 0, 6};
  t.pattern = "N^^r Wmd\r\n";
  t.mml = "Tempo=90;\r\n[4 c d ]'\"\\";
  t.randomState = 0xFFFFFFFFu;
  t.starred = true;
  t.name = "名前 with 'quotes'";
  TakeStore store(dir / "takes.sqlite3");
  const int64_t parent = store.Add(SomeTake("x")).id;
  t.parent = parent;
  const TakeStore::Added added = store.Add(t);
  ASSERT_TRUE(added.stored);

  TakeStore reopened(dir / "takes.sqlite3");
  const std::optional<Take> back = reopened.Get(added.id);
  ASSERT_TRUE(back);
  EXPECT_EQ(back->id, added.id);
  for (const auto& [field, got, want] : {std::tuple{"created", back->created, t.created},
                                         {"operation", back->operation, t.operation},
                                         {"scale", back->scale, t.scale},
                                         {"pattern", back->pattern, t.pattern},
                                         {"mml", back->mml, t.mml},
                                         {"name", back->name, t.name}})
    EXPECT_EQ(got, want) << field;
  EXPECT_EQ(back->parent, parent);
  EXPECT_EQ(back->controls, t.controls);
  EXPECT_EQ(back->weights, t.weights);
  EXPECT_EQ(back->randomState, t.randomState);
  EXPECT_TRUE(back->starred);
  ASSERT_EQ(reopened.List().size(), 2u);
  EXPECT_EQ(reopened.List()[0].controls, t.controls);  // newest first

  // A take without a time gets the moment it was added.
  const Take now = *reopened.Get(reopened.Add(SomeTake("y")).id);
  EXPECT_EQ(now.created.size(), 24u) << now.created;
  EXPECT_TRUE(now.created.ends_with("Z"));
}

TEST(TakeStore, APhraseEqualToTheNewestIsNotStoredAgain) {
  TempDir dir;
  TakeStore store(dir / "t.sqlite3");
  const int64_t first = store.Add(SomeTake("c d e")).id;
  const TakeStore::Added again = store.Add(SomeTake("c d e"));
  EXPECT_FALSE(again.stored);
  EXPECT_EQ(again.id, first);
  store.Add(SomeTake("f g"));
  EXPECT_TRUE(store.Add(SomeTake("c d e")).stored);  // equal to an older one only
  EXPECT_EQ(store.List().size(), 3u);
}

TEST(TakeStore, StarsNamesAndDeletesAndForgetsADeletedParent) {
  TempDir dir;
  TakeStore store(dir / "t.sqlite3");
  const int64_t a = store.Add(SomeTake("a")).id;
  Take child = SomeTake("b");
  child.parent = a;
  const int64_t b = store.Add(child).id;
  EXPECT_TRUE(store.SetStarred(b, true));
  EXPECT_TRUE(store.Rename(b, "よい"));
  EXPECT_TRUE(store.Remove(a));
  EXPECT_FALSE(store.Remove(a));
  EXPECT_FALSE(store.SetStarred(a, true));
  const Take back = *store.Get(b);
  EXPECT_EQ(back.parent, std::nullopt);
  EXPECT_TRUE(back.starred);
  EXPECT_EQ(back.name, "よい");
  EXPECT_EQ(store.List(true).size(), 1u);
  // Ids are never given twice, even after the newest was deleted.
  store.Remove(b);
  EXPECT_GT(store.Add(SomeTake("c")).id, b);
}

TEST(TakeStore, PrunesUnstarredTakesToTheNewestButKeepsStarredOnes) {
  TempDir dir;
  TakeStore store(dir / "t.sqlite3");
  EXPECT_EQ(store.KeepUnstarred(), 1000);
  store.SetKeepUnstarred(3);
  std::vector<int64_t> ids;
  for (int i = 0; i < 6; ++i) ids.push_back(store.Add(SomeTake(std::to_string(i))).id);
  // 0..2 are gone; 3..5 are the newest three. Star 3, then add two more.
  store.SetStarred(ids[3], true);
  ids.push_back(store.Add(SomeTake("6")).id);
  ids.push_back(store.Add(SomeTake("7")).id);
  std::vector<std::string> kept;
  for (const Take& t : store.List()) kept.push_back(t.mml);
  EXPECT_EQ(kept, (std::vector<std::string>{"7", "6", "5", "3"}));
}

TEST(TakeStore, BringsEveryOlderSchemaForwardAndRefusesANewerOne) {
  const auto steps = SchemaSteps();
  for (size_t version = 0; version <= steps.size(); ++version) {
    SCOPED_TRACE(version);
    TempDir dir;
    const std::string path = dir / "t.sqlite3";
    {
      sqlite3* db = nullptr;
      sqlite3_open(path.c_str(), &db);
      for (size_t i = 0; i < version; ++i) ASSERT_EQ(sqlite3_exec(db, steps[i], nullptr, nullptr, nullptr), SQLITE_OK);
      // A take as the first schema wrote it.
      if (version >= 1)
        sqlite3_exec(db,
                     "INSERT INTO takes(created, operation, controls, scale, weights, pattern, mml, random_state)"
                     " VALUES('2026-01-01T00:00:00.000Z', 'make', 'spnTempo=99\n', 'Major', '10 0 1', 'N', 'c', 7)",
                     nullptr, nullptr, nullptr);
      sqlite3_exec(db, ("PRAGMA user_version=" + std::to_string(version)).c_str(), nullptr, nullptr, nullptr);
      sqlite3_close(db);
    }
    TakeStore store(path);
    EXPECT_EQ(Query(path, "PRAGMA user_version"), std::to_string(steps.size()));
    if (version >= 1) {
      ASSERT_EQ(store.List().size(), 1u);
      EXPECT_EQ(store.List()[0].controls, (ControlValues{{"spnTempo", "99"}}));
      EXPECT_EQ(store.List()[0].weights[2], 1);
      EXPECT_TRUE(store.List()[0].parts.empty());  // made before parts: made without them
    }
    store.SavePreset({"p", "Major", {}, false, {}});
    EXPECT_EQ(store.Presets().size(), 1u);
    EXPECT_EQ(store.Add(SomeTake("new")).stored, true);
  }

  TempDir dir;
  const std::string path = dir / "t.sqlite3";
  { TakeStore store(path); }
  const std::string newer = "PRAGMA user_version=" + std::to_string(steps.size() + 1);
  Query(path, newer.c_str());
  EXPECT_THROW(TakeStore{path}, StoreError);
  EXPECT_EQ(Query(path, "PRAGMA user_version"), std::to_string(steps.size() + 1));
}

// Runs body in a child process; its exit status.
template <class F>
int InChild(F body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(TakeStore, TwoWritersAtOnceLoseNothing) {
  TempDir dir;
  const std::string path = dir / "t.sqlite3";
  { TakeStore create(path); }
  constexpr int kEach = 150;
  std::vector<pid_t> children;
  for (int writer = 0; writer < 2; ++writer) {
    const pid_t pid = fork();
    if (pid == 0) {
      try {
        TakeStore store(path);
        for (int i = 0; i < kEach; ++i) store.Add(SomeTake(std::to_string(writer) + "/" + std::to_string(i)));
        store.SetLastSettings({"", "Major", {{"spnV", std::to_string(writer)}}, false, {}});
      } catch (...) {
        _exit(1);
      }
      _exit(0);
    }
    children.push_back(pid);
  }
  for (const pid_t pid : children) {
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  TakeStore store(path);
  std::set<std::string> phrases;
  for (const Take& t : store.List()) phrases.insert(t.mml);
  EXPECT_EQ(phrases.size(), 2u * kEach);
  EXPECT_EQ(Query(path, "PRAGMA integrity_check"), "ok");
}

TEST(TakeStore, AWriterKilledMidwayLeavesEveryTakeItHadAdded) {
  TempDir dir;
  const std::string path = dir / "t.sqlite3";
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  const pid_t pid = fork();
  if (pid == 0) {
    close(fds[0]);
    TakeStore store(path);
    store.SetKeepUnstarred(1'000'000);
    for (int i = 0;; ++i) {
      const int64_t id = store.Add(SomeTake("take " + std::to_string(i))).id;
      if (write(fds[1], &id, sizeof id) != sizeof id) _exit(1);
    }
  }
  close(fds[1]);
  std::vector<int64_t> returned;
  int64_t id = 0;
  while (returned.size() < 300 && read(fds[0], &id, sizeof id) == sizeof id) returned.push_back(id);
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  while (read(fds[0], &id, sizeof id) == sizeof id) returned.push_back(id);  // added before the kill
  close(fds[0]);
  ASSERT_GE(returned.size(), 300u);

  EXPECT_EQ(Query(path, "PRAGMA integrity_check"), "ok");
  TakeStore store(path);
  for (const int64_t added : returned) EXPECT_TRUE(store.Get(added)) << added;
}

TEST(TakeStore, ADatabaseThatCannotBeUsedThrowsAReasonNamingTheFile) {
  TempDir dir;
  {
    std::ofstream corrupt(dir / "corrupt.sqlite3", std::ios::binary);
    corrupt << std::string(8192, 'x');
  }
  std::ofstream(dir / "plain-file") << "not a folder";
  const struct {
    std::string path, reason;
  } cases[] = {
      {dir / "corrupt.sqlite3", "file is not a database"},
      {dir / "plain-file" + std::string("/takes.sqlite3"), "Not a directory"},
  };
  for (const auto& c : cases) {
    try {
      TakeStore store(c.path);
      ADD_FAILURE() << c.path << " opened";
    } catch (const StoreError& e) {
      EXPECT_NE(std::string(e.what()).find(c.path), std::string::npos) << e.what();
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
    }
  }

  // A full disk (the file may not grow): adding fails, and what was there stays.
  const std::string path = dir / "full.sqlite3";
  int64_t kept = 0;
  {
    TakeStore store(path);
    kept = store.Add(SomeTake("kept")).id;
  }
  const int status = InChild([&] {
    TakeStore store(path);
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{0, 0};
    setrlimit(RLIMIT_FSIZE, &limit);
    try {
      store.Add(SomeTake(std::string(100000, 'c')));
    } catch (const StoreError& e) {
      return std::string(e.what()).find(path) != std::string::npos ? 0 : 2;
    }
    return 1;
  });
  EXPECT_EQ(status, 0);
  TakeStore store(path);
  ASSERT_EQ(store.List().size(), 1u);
  EXPECT_EQ(store.List()[0].id, kept);
  EXPECT_EQ(Query(path, "PRAGMA integrity_check"), "ok");
}

TEST(TakeStore, PresetsAreSavedRenamedAndDeletedButShippedNamesAreNotTaken) {
  TempDir dir;
  TakeStore store(dir / "t.sqlite3");
  const Preset mine{"わたしの", "Dorian", {{"spnTempo", "140"}}, false, {}};
  store.SavePreset(mine);
  store.SavePreset({"b", "Major", {}, false, {}});
  EXPECT_TRUE(store.RenamePreset("わたしの", "a"));
  EXPECT_THROW(store.RenamePreset("a", "b"), StoreError);
  EXPECT_THROW(store.SavePreset({ShippedPresets()[0].name, "Major", {}, false, {}}), StoreError);
  EXPECT_THROW(store.SavePreset({"", "Major", {}, false, {}}), StoreError);
  const std::vector<Preset> stored = store.Presets();
  ASSERT_EQ(stored.size(), 2u);
  EXPECT_EQ(stored[0].name, "a");
  EXPECT_EQ(stored[0].controls, mine.controls);
  EXPECT_TRUE(store.RemovePreset("a"));
  EXPECT_EQ(AllPresets(&store).size(), ShippedPresets().size() + 1);

  // The settings kept for the next start, and whether to use them.
  EXPECT_FALSE(store.RestoreAtStart());
  EXPECT_FALSE(store.LastSettings());
  store.SetRestoreAtStart(true);
  store.SetLastSettings({"", "Dorian", {{"spnV", "99"}}, false, {}});
  EXPECT_TRUE(store.RestoreAtStart());
  EXPECT_EQ(store.LastSettings()->scale, "Dorian");
  EXPECT_EQ(store.LastSettings()->controls, (ControlValues{{"spnV", "99"}}));
}

TEST(TakeStore, PathFollowsTheDataDirVariables) {
  const struct {
    const char *dataDir, *xdg, *home, *expected;
  } cases[] = {
      {"/d/v", "/x", "/h", "/d/v/takes.sqlite3"},
      {nullptr, "/x", "/h", "/x/volemo/takes.sqlite3"},
      {nullptr, "relative", "/h", "/h/.local/share/volemo/takes.sqlite3"},
      {"", nullptr, "/h", "/h/.local/share/volemo/takes.sqlite3"},
  };
  const auto put = [](const char* name, const char* value) {
    if (value) setenv(name, value, 1);
    else unsetenv(name);
  };
  const std::string home = std::getenv("HOME") ? std::getenv("HOME") : "/";
  for (const auto& c : cases) {
    put("VOLEMO_DATA_DIR", c.dataDir);
    put("XDG_DATA_HOME", c.xdg);
    put("HOME", c.home);
    EXPECT_EQ(TakesDatabasePath(), c.expected);
  }
  put("HOME", home.c_str());
}

}  // namespace
}  // namespace volemo

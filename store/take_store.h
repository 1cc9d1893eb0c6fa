// Takes and presets in an SQLite database. One transaction per action,
// prepared statements, the WAL journal: two windows and the command line can
// use one file at once (a writer waits up to five seconds for another), and a
// process killed at any moment leaves every take whose Add had returned.
// Every failure throws StoreError; the callers go on without the store.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "take.h"

struct sqlite3;
struct sqlite3_stmt;

namespace volemo {

// $VOLEMO_DATA_DIR/takes.sqlite3 when that is set, else
// $XDG_DATA_HOME/volemo/takes.sqlite3 (default ~/.local/share/volemo/).
std::string TakesDatabasePath();

class TakeStore {
 public:
  static constexpr int kDefaultKeepUnstarred = 1000;

  // Opens the database at path, making it and its folder when missing, and
  // brings its schema up to date. A database written by a newer program is
  // refused, untouched. One that cannot be written (it or its folder) is
  // opened for reading: each change then throws, saying so.
  explicit TakeStore(const std::string& path);
  ~TakeStore();
  TakeStore(const TakeStore&) = delete;
  TakeStore& operator=(const TakeStore&) = delete;

  const std::string& path() const { return path_; }

  struct Added {
    int64_t id;   // the new take, or the newest one when the phrase was equal to it
    bool stored;  // false: the phrase equals the newest take and was not stored again
  };
  // Stores take (its id is ignored; an empty created means now), then
  // prunes unstarred takes beyond KeepUnstarred(), all in one transaction.
  Added Add(const Take& take);

  // Newest first; limit < 0: all.
  std::vector<Take> List(bool starredOnly = false, int limit = -1) const;
  std::optional<Take> Get(int64_t id) const;
  // Each is false when there is no such take.
  bool SetStarred(int64_t id, bool starred);
  bool Rename(int64_t id, const std::string& name);
  bool Remove(int64_t id);

  // How many unstarred takes are kept (the newest); starred ones stay for ever.
  int KeepUnstarred() const;
  void SetKeepUnstarred(int count);  // at least 1

  // The stored presets (shipped ones are not stored), by name.
  std::vector<Preset> Presets() const;
  void SavePreset(const Preset& preset);  // replaces one of the same name
  bool RenamePreset(const std::string& from, const std::string& to);  // throws when `to` exists
  bool RemovePreset(const std::string& name);

  // The settings the window had when it last closed, and whether to put them
  // back at start-up (off unless the user asked).
  std::optional<Preset> LastSettings() const;
  void SetLastSettings(const Preset& settings);
  bool RestoreAtStart() const;
  void SetRestoreAtStart(bool on);

 private:
  class Statement;
  Statement Prepare(const char* sql) const;
  [[noreturn]] void Fail() const;
  void Exec(const char* sql);
  void Open(const std::string& name, int flags);
  void Migrate();
  std::optional<std::string> Option(const char* key) const;
  void SetOption(const char* key, const std::string& value);
  template <class F>
  auto InTransaction(F&& work);

  std::string path_;
  sqlite3* db_ = nullptr;
  bool readOnly_ = false;
  mutable std::vector<std::pair<const char*, sqlite3_stmt*>> cache_;
};

}  // namespace volemo

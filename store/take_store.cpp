#include "take_store.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <type_traits>

#include "input_file.h"
#include "presets.h"
#include "schema.h"
#include "user_dirs.h"

namespace volemo {
namespace {

// Controls as lines of name=value; a backslash and a line break inside a
// value are escaped, so any text a spin field can hold comes back as it was.
std::string EncodeControls(const ControlValues& values) {
  std::string out;
  for (const auto& [name, value] : values) {
    out += name;
    out += '=';
    for (const char c : value) {
      if (c == '\\') out += "\\\\";
      else if (c == '\n') out += "\\n";
      else out += c;
    }
    out += '\n';
  }
  return out;
}

ControlValues DecodeControls(std::string_view text) {
  ControlValues values;
  values.reserve(static_cast<size_t>(std::count(text.begin(), text.end(), '\n')));
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(std::min(end + 1, text.size()));
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    std::string value(line.substr(eq + 1));
    if (value.find('\\') != std::string::npos) {
      value.clear();
      for (size_t i = eq + 1; i < line.size(); ++i) {
        if (line[i] == '\\' && i + 1 < line.size()) value += line[++i] == 'n' ? '\n' : line[i];
        else value += line[i];
      }
    }
    values.emplace_back(std::string(line.substr(0, eq)), std::move(value));
  }
  return values;
}

// path in a file: URI, its '?', '#' and '%' escaped.
std::string UriPath(const std::string& path) {
  std::string out;
  for (const char c : path) {
    if (c == '?' || c == '#' || c == '%') {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  return out;
}

std::string EncodeWeights(const std::array<int, 12>& weights) {
  std::string out;
  for (const int w : weights) out += (out.empty() ? "" : " ") + std::to_string(w);
  return out;
}

std::array<int, 12> DecodeWeights(std::string_view text) {
  std::array<int, 12> weights{};
  const char* p = text.data();
  const char* end = p + text.size();
  for (int& w : weights) {
    while (p < end && *p == ' ') ++p;
    p = std::from_chars(p, end, w).ptr;
  }
  return weights;
}

std::string NowIso8601() {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::system_clock::now().time_since_epoch())
                      .count();
  const time_t seconds = static_cast<time_t>(ms / 1000);
  tm utc{};
  gmtime_r(&seconds, &utc);
  char text[32];
  const size_t n = strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &utc);
  snprintf(text + n, sizeof text - n, ".%03dZ", static_cast<int>(ms % 1000));
  return text;
}

constexpr char kTakeColumns[] =
    "id, created, operation, parent, controls, scale, weights, pattern, mml, random_state, starred, name, parts";

}  // namespace

std::string TakesDatabasePath() {
  if (const char* dir = std::getenv("VOLEMO_DATA_DIR"); dir && *dir)
    return (std::filesystem::path(dir) / "takes.sqlite3").string();
  return (XdgBaseDir("XDG_DATA_HOME", ".local/share") / "volemo" / "takes.sqlite3").string();
}

// A cached prepared statement, reset for its next use when this goes.
class TakeStore::Statement {
 public:
  Statement(const TakeStore& store, sqlite3_stmt* st) : store_(store), st_(st) {}
  ~Statement() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
  }
  Statement(const Statement&) = delete;

  Statement& Bind(int i, int64_t v) {
    Check(sqlite3_bind_int64(st_, i, v));
    return *this;
  }
  Statement& Bind(int i, const std::string& text) {
    Check(sqlite3_bind_text(st_, i, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT));
    return *this;
  }
  // True while there is a row to read.
  bool Step() {
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc != SQLITE_DONE) store_.Fail();
    return false;
  }
  void Run() {
    while (Step()) {
    }
  }
  bool IsNull(int col) const { return sqlite3_column_type(st_, col) == SQLITE_NULL; }
  int64_t Int(int col) const { return sqlite3_column_int64(st_, col); }
  std::string Text(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, col));
    return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(st_, col))) : std::string();
  }
  std::string_view View(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, col));
    return p ? std::string_view(p, static_cast<size_t>(sqlite3_column_bytes(st_, col))) : std::string_view();
  }

  Take ReadTake() const {
    Take t;
    t.id = Int(0);
    t.created = Text(1);
    t.operation = Text(2);
    if (!IsNull(3)) t.parent = Int(3);
    t.controls = DecodeControls(View(4));
    t.scale = Text(5);
    t.weights = DecodeWeights(View(6));
    t.pattern = Text(7);
    t.mml = Text(8);
    t.randomState = static_cast<uint32_t>(Int(9));
    t.starred = Int(10) != 0;
    t.name = Text(11);
    t.parts = DecodeControls(View(12));
    return t;
  }

 private:
  void Check(int rc) const {
    if (rc != SQLITE_OK) store_.Fail();
  }
  const TakeStore& store_;
  sqlite3_stmt* st_;
};

TakeStore::TakeStore(const std::string& path) : path_(path) {
  if (const auto failure = CheckInputFile(path)) throw StoreError(path + ": " + failure->reason);
  std::error_code ec;
  const std::filesystem::path dir = std::filesystem::path(path).parent_path();
  if (!dir.empty()) std::filesystem::create_directories(dir, ec);
  if (ec) throw StoreError(path + ": " + ec.message());
  try {
    Open(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  } catch (const StoreError&) {
    // Takes that cannot be changed can still be read. A journal left by a
    // writer is read too where there is one; without one, and without
    // room to make it, only a file that nothing changes can be read.
    const std::string folder = dir.empty() ? "." : dir.string();
    if (access(path.c_str(), F_OK) != 0 || (access(path.c_str(), W_OK) == 0 && access(folder.c_str(), W_OK) == 0))
      throw;
    readOnly_ = true;
    const std::string uri = "file:" + UriPath(path);
    try {
      Open(uri + "?mode=ro", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    } catch (const StoreError&) {
      Open(uri + "?immutable=1", SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    }
  }
}

void TakeStore::Open(const std::string& name, int flags) {
  const int rc = sqlite3_open_v2(name.c_str(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
  try {
    if (rc != SQLITE_OK) Fail();
    // A writer waits for another (a second window, the command line)
    // instead of failing at once.
    sqlite3_busy_timeout(db_, 5000);
    // In WAL a commit is complete once written to the log: a process killed
    // afterwards loses nothing, and NORMAL spares the sync of every commit.
    if (!readOnly_)
      Exec("PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON; PRAGMA mmap_size=268435456");
    Migrate();
  } catch (...) {
    for (auto& [sql, st] : cache_) sqlite3_finalize(st);
    cache_.clear();
    sqlite3_close(db_);
    db_ = nullptr;
    throw;
  }
}

TakeStore::~TakeStore() {
  for (auto& [sql, st] : cache_) sqlite3_finalize(st);
  sqlite3_close(db_);
}

void TakeStore::Fail() const {
  if (readOnly_ && db_ && sqlite3_errcode(db_) == SQLITE_READONLY)
    throw StoreError(path_ + ": read-only (the file or its folder cannot be written): the takes can be read, not changed");
  if (!db_) throw StoreError(path_ + ": out of memory");
  // An input or output error is the system's: its reason says what failed
  // (a full disk, a file-size limit).
  const int system = (sqlite3_errcode(db_) & 0xFF) == SQLITE_IOERR ? sqlite3_system_errno(db_) : 0;
  throw StoreError(path_ + ": " + sqlite3_errmsg(db_) + (system ? std::string(" (") + std::strerror(system) + ")" : ""));
}

TakeStore::Statement TakeStore::Prepare(const char* sql) const {
  for (auto& [key, st] : cache_)
    if (key == sql) return Statement(*this, st);
  sqlite3_stmt* st = nullptr;
  if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &st, nullptr) != SQLITE_OK) Fail();
  cache_.emplace_back(sql, st);
  return Statement(*this, st);
}

void TakeStore::Exec(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail();
}

template <class F>
auto TakeStore::InTransaction(F&& work) {
  // IMMEDIATE takes the write lock at once, so two writers queue on the
  // busy timeout instead of one failing on upgrade from a read.
  Exec("BEGIN IMMEDIATE");
  try {
    if constexpr (std::is_void_v<decltype(work())>) {
      work();
      Exec("COMMIT");
    } else {
      auto result = work();
      Exec("COMMIT");
      return result;
    }
  } catch (...) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    throw;
  }
}

void TakeStore::Migrate() {
  const auto steps = SchemaSteps();
  const auto latest = static_cast<int64_t>(steps.size());
  const auto version = [this] {
    Statement st = Prepare("PRAGMA user_version");
    st.Step();
    return st.Int(0);
  };
  const auto refuseNewer = [&](int64_t v) {
    if (v > latest)
      throw StoreError(path_ + ": written by a newer Volemo (schema " + std::to_string(v) +
                       ", this one knows up to " + std::to_string(latest) + ")");
  };
  refuseNewer(version());
  if (version() == latest) return;
  // Re-read under the write lock: another program may have brought the
  // file forward meanwhile.
  InTransaction([&] {
    int64_t v = version();
    refuseNewer(v);
    for (; v < latest; ++v) Exec(steps[static_cast<size_t>(v)]);
    Exec(("PRAGMA user_version=" + std::to_string(latest)).c_str());
  });
}

TakeStore::Added TakeStore::Add(const Take& take) {
  return InTransaction([&] {
    {
      Statement newest = Prepare("SELECT id, mml FROM takes ORDER BY id DESC LIMIT 1");
      if (newest.Step() && newest.View(1) == take.mml) return Added{newest.Int(0), false};
    }
    const std::string created = take.created.empty() ? NowIso8601() : take.created;
    const std::string controls = EncodeControls(take.controls);
    const std::string weights = EncodeWeights(take.weights);
    // A parent deleted meanwhile (by another window) is recorded as none.
    Statement insert = Prepare(
        "INSERT INTO takes(created, operation, parent, controls, scale, weights, pattern, mml,"
        " random_state, starred, name, parts)"
        " VALUES(?1, ?2, (SELECT id FROM takes WHERE id = ?3), ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12)");
    insert.Bind(1, created).Bind(2, take.operation).Bind(3, take.parent.value_or(0));
    insert.Bind(4, controls).Bind(5, take.scale).Bind(6, weights).Bind(7, take.pattern);
    insert.Bind(8, take.mml).Bind(9, int64_t{take.randomState}).Bind(10, int64_t{take.starred});
    insert.Bind(11, take.name).Bind(12, EncodeControls(take.parts)).Run();
    const int64_t id = sqlite3_last_insert_rowid(db_);
    Prepare("DELETE FROM takes WHERE starred = 0 AND id <= (SELECT id FROM takes WHERE starred = 0"
            " ORDER BY id DESC LIMIT 1 OFFSET ?1)")
        .Bind(1, int64_t{KeepUnstarred()})
        .Run();
    return Added{id, true};
  });
}

std::vector<Take> TakeStore::List(bool starredOnly, int limit) const {
  static const std::string all = std::string("SELECT ") + kTakeColumns + " FROM takes ORDER BY id DESC LIMIT ?1";
  static const std::string starred =
      std::string("SELECT ") + kTakeColumns + " FROM takes WHERE starred = 1 ORDER BY id DESC LIMIT ?1";
  Statement st = Prepare(starredOnly ? starred.c_str() : all.c_str());
  st.Bind(1, int64_t{limit});
  std::vector<Take> takes;
  while (st.Step()) takes.push_back(st.ReadTake());
  return takes;
}

std::optional<Take> TakeStore::Get(int64_t id) const {
  static const std::string sql = std::string("SELECT ") + kTakeColumns + " FROM takes WHERE id = ?1";
  Statement st = Prepare(sql.c_str());
  st.Bind(1, id);
  if (!st.Step()) return std::nullopt;
  return st.ReadTake();
}

bool TakeStore::SetStarred(int64_t id, bool starred) {
  Prepare("UPDATE takes SET starred = ?2 WHERE id = ?1").Bind(1, id).Bind(2, int64_t{starred}).Run();
  return sqlite3_changes(db_) > 0;
}

bool TakeStore::Rename(int64_t id, const std::string& name) {
  Prepare("UPDATE takes SET name = ?2 WHERE id = ?1").Bind(1, id).Bind(2, name).Run();
  return sqlite3_changes(db_) > 0;
}

bool TakeStore::Remove(int64_t id) {
  Prepare("DELETE FROM takes WHERE id = ?1").Bind(1, id).Run();
  return sqlite3_changes(db_) > 0;
}

std::optional<std::string> TakeStore::Option(const char* key) const {
  Statement st = Prepare("SELECT value FROM options WHERE key = ?1");
  st.Bind(1, std::string(key));
  if (!st.Step()) return std::nullopt;
  return st.Text(0);
}

void TakeStore::SetOption(const char* key, const std::string& value) {
  Prepare("INSERT OR REPLACE INTO options(key, value) VALUES(?1, ?2)").Bind(1, std::string(key)).Bind(2, value).Run();
}

int TakeStore::KeepUnstarred() const {
  const std::optional<std::string> text = Option("keep_unstarred");
  int count = kDefaultKeepUnstarred;
  if (text) std::from_chars(text->data(), text->data() + text->size(), count);
  return std::max(count, 1);
}

void TakeStore::SetKeepUnstarred(int count) { SetOption("keep_unstarred", std::to_string(std::max(count, 1))); }

std::vector<Preset> TakeStore::Presets() const {
  Statement st = Prepare("SELECT name, scale, controls, parts FROM presets ORDER BY name");
  std::vector<Preset> presets;
  while (st.Step()) presets.push_back({st.Text(0), st.Text(1), DecodeControls(st.View(2)), false, DecodeControls(st.View(3))});
  return presets;
}

void TakeStore::SavePreset(const Preset& preset) {
  CheckPresetName(preset.name);
  Prepare("INSERT OR REPLACE INTO presets(name, scale, controls, parts) VALUES(?1, ?2, ?3, ?4)")
      .Bind(1, preset.name)
      .Bind(2, preset.scale)
      .Bind(3, EncodeControls(preset.controls))
      .Bind(4, EncodeControls(preset.parts))
      .Run();
}

bool TakeStore::RenamePreset(const std::string& from, const std::string& to) {
  CheckPresetName(to);
  return InTransaction([&] {
    Statement taken = Prepare("SELECT 1 FROM presets WHERE name = ?1");
    taken.Bind(1, to);
    if (to != from && taken.Step()) throw StoreError("a preset named \"" + to + "\" exists already");
    Prepare("UPDATE presets SET name = ?2 WHERE name = ?1").Bind(1, from).Bind(2, to).Run();
    return sqlite3_changes(db_) > 0;
  });
}

bool TakeStore::RemovePreset(const std::string& name) {
  Prepare("DELETE FROM presets WHERE name = ?1").Bind(1, name).Run();
  return sqlite3_changes(db_) > 0;
}

std::optional<Preset> TakeStore::LastSettings() const {
  const std::optional<std::string> controls = Option("last_controls");
  if (!controls) return std::nullopt;
  return Preset{"", Option("last_scale").value_or(""), DecodeControls(*controls), false,
                DecodeControls(Option("last_parts").value_or(""))};
}

void TakeStore::SetLastSettings(const Preset& settings) {
  InTransaction([&] {
    SetOption("last_scale", settings.scale);
    SetOption("last_controls", EncodeControls(settings.controls));
    SetOption("last_parts", EncodeControls(settings.parts));
  });
}

bool TakeStore::RestoreAtStart() const { return Option("restore_at_start").value_or("0") == "1"; }

void TakeStore::SetRestoreAtStart(bool on) { SetOption("restore_at_start", on ? "1" : "0"); }

}  // namespace volemo

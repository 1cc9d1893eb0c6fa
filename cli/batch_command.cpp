// volemo-cli batch: thousands of phrases into one folder, over every core,
// listed in a manifest; stopped at any point, the same command finishes it.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <limits>
#include <mutex>
#include <optional>
#include <thread>

#include "batch_manifest.h"
#include "arrangement_options.h"
#include "groove_options.h"
#include "batch_progress.h"
#include "commands.h"
#include "composer.h"
#include "cp932.h"
#include "file_contents.h"
#include "input_file.h"
#include "interrupts.h"
#include "midi_file.h"
#include "random_source.h"
#include "sound_render.h"
#include "use_vorlin_dll.h"
#include "translatable.h"
#include "language.h"
#include "message_format.h"

namespace volemo::cli {
namespace {

namespace fs = std::filesystem;

// In the order a phrase's files are listed.
constexpr std::array<std::string_view, 4> kFormats = {"mid", "mml", "wav", "flac"};

struct BatchOptions {
  uint64_t count = 0;
  std::string dir;  // ends with '/'
  unsigned jobs = std::max(1u, std::thread::hardware_concurrency());
  std::vector<std::string_view> formats;  // in the order of kFormats
  SessionOptions session;
};

const char kHelp[] = QT_TRANSLATE_NOOP("Message", R"(使い方: volemo-cli batch --count N --out DIR [--seed S] [--jobs J] [--formats LIST] [OPTIONS]
種 S, S+1, ..., S+N-1 で N 個のフレーズを作る。フレーズ i は、同じオプションで
'volemo-cli phrase --seed S+i' としたものと同じバイトになる。ファイルは
DIR/NNNNNN.mid など（NNNNNN = i）で、DIR/manifest.jsonl が各フレーズを一行に
記す: ファイル、種、設定、パターン、音の数、ティックと秒での長さ。
どこで止めたバッチも完全なファイルだけを残し、すべて記されている。同じ
コマンドをもう一度実行すれば残りを作る。

バッチのオプション:
  --count N             フレーズの数（1 以上）
  --out DIR             ファイルのフォルダ（なければ作る）
  --seed S              最初の種。既定: 時計から、または DIR にあるバッチの種
  --jobs J              同時に作るフレーズの数。既定: コアの数。
                          いくつでもファイルは同じ
  --formats LIST        どのファイルを作るか、コンマ区切りで: mid, mml, wav, flac
                          （既定 mid,mml）。音声ファイルは 'volemo-cli render' と
                          同じようにレンダリングし、ジョブごとに一フレーズ
)");

std::vector<std::string_view> ParseFormats(const std::string& list) {
  std::vector<std::string_view> formats;
  for (size_t start = 0; start <= list.size();) {
    const size_t end = std::min(list.find(',', start), list.size());
    const std::string_view name = std::string_view(list).substr(start, end - start);
    const auto it = std::find(kFormats.begin(), kFormats.end(), name);
    if (it == kFormats.end())
      throw UsageError(
          FormatMessage(QT_TRANSLATE_NOOP("Message", "--formats には mid, mml, wav, flac をコンマで区切って指定してください（%1 ではなく）"), {list}));
    formats.push_back(*it);
    start = end + 1;
  }
  std::sort(formats.begin(), formats.end(), [](std::string_view a, std::string_view b) {
    return std::find(kFormats.begin(), kFormats.end(), a) < std::find(kFormats.begin(), kFormats.end(), b);
  });
  formats.erase(std::unique(formats.begin(), formats.end()), formats.end());
  return formats;
}

BatchOptions ReadOptions(ArgumentReader& args) {
  BatchOptions o;
  std::string formats = "mid,mml";
  while (!args.AtEnd()) {
    if (auto v = args.TakeValue("--count")) {
      const long long count = ParseInteger(*v, "--count");
      if (count < 1) throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--count には 1 以上を指定してください（%1 ではなく）"), {*v}));
      o.count = static_cast<uint64_t>(count);
    } else if (auto v = args.TakeValue("--out")) {
      if (v->empty()) throw UsageError(QT_TRANSLATE_NOOP("Message", "--out にはフォルダを指定してください"));
      o.dir = v->back() == '/' ? *v : *v + '/';
    } else if (auto v = args.TakeValue("--jobs")) {
      const long long jobs = ParseInteger(*v, "--jobs");
      if (jobs < 1 || jobs > 1024)
        throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "--jobs には 1～1024 を指定してください（%1 ではなく）"), {*v}));
      o.jobs = static_cast<unsigned>(jobs);
    } else if (auto v = args.TakeValue("--formats")) {
      formats = *v;
    } else if (!TakeSessionOption(args, o.session)) {
      args.RejectNext();
    }
  }
  if (o.count == 0) throw UsageError(QT_TRANSLATE_NOOP("Message", "--count がありません"));
  if (o.dir.empty()) throw UsageError(QT_TRANSLATE_NOOP("Message", "--out がありません"));
  o.formats = ParseFormats(formats);
  return o;
}

// Held while a batch works in its folder: a second batch into the same
// folder would mix its lines and files into the first's.
class FolderLock {
 public:
  explicit FolderLock(const std::string& dir) : fd_(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    if (fd_ < 0)
      throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "フォルダ %1 を開けません: %2"), {dir, std::strerror(errno)}));
    if (flock(fd_, LOCK_EX | LOCK_NB) == 0) return;
    const int error = errno;
    close(fd_);
    if (error == EWOULDBLOCK)
      throw std::runtime_error(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "%1 では別のバッチが作業中です。終わるのを待つか、別のフォルダを指定してください"), {dir}));
    throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "フォルダ %1 をロックできません: %2"), {dir, std::strerror(error)}));
  }
  ~FolderLock() { close(fd_); }
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;

 private:
  int fd_;
};

// A batch that draws its first seed from the clock writes it down before
// its first phrase: run again before any phrase was listed, the same
// command still makes the same phrases.
std::optional<uint32_t> RecordedSeed(const std::string& path) {
  if (!fs::exists(path)) return std::nullopt;
  std::string text;
  if (const auto failure = ReadInputFile(path, 16, QT_TRANSLATE_NOOP("Message", "種としては大きすぎます"), text))
    throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 を読み込めません: %2"), {path, failure->reason}));
  try {
    const long long seed = ParseInteger(text.substr(0, text.find('\n')), path);
    if (seed >= 0 && seed <= std::numeric_limits<uint32_t>::max()) return static_cast<uint32_t>(seed);
  } catch (const UsageError&) {
  }
  throw std::runtime_error(
      FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 に種がありません。--seed を指定するか、ファイルを取り除いてください"), {path}));
}

class Batch {
 public:
  Batch(const BatchOptions& options, const Session& prepared, uint32_t firstSeed)
      : o_(options), prepared_(prepared), firstSeed_(firstSeed), settings_(SettingsOf(prepared)) {
    digits_ = 6;
    for (uint64_t n = o_.count - 1; n >= 1'000'000; n /= 10) ++digits_;
  }

  std::string Name(uint32_t index) const {
    char name[16];
    std::snprintf(name, sizeof name, "%0*u", digits_, index);
    return name;
  }

  // Keeps the manifest's records that are of this batch and whose files are
  // all there; throws for a record of another seed or other settings.
  void TakeOver(std::map<uint32_t, PhraseRecord> records) {
    for (auto& [index, r] : records) {
      if (r.seed != firstSeed_ + static_cast<uint64_t>(index) || r.settings != SettingsOf(Session(prepared_, r.seed)))
        throw std::runtime_error(FormatMessage(
            QT_TRANSLATE_NOOP("Message", "%1manifest.jsonl はフレーズ %2 を別の種か別の設定で記しています。そのバッチのオプションか、別のフォルダを指定してください"),
            {o_.dir, std::to_string(index)}));
      // A record of more files than this run makes (an earlier run with
      // more formats) stays as it is.
      const bool wanted = std::all_of(o_.formats.begin(), o_.formats.end(), [&](std::string_view f) {
        return std::find(r.files.begin(), r.files.end(), Name(index) + "." + std::string(f)) != r.files.end();
      });
      const bool complete =
          wanted && std::all_of(r.files.begin(), r.files.end(), [&](const auto& f) { return fs::exists(o_.dir + f); });
      if (complete) lines_[index] = ManifestLine(r);
    }
  }

  // Makes every phrase the manifest does not list. Returns the exit status.
  int Run() {
    ReplaceManifest(ManifestPath(), lines_);
    for (const auto& [index, line] : lines_) listed_.push_back(index);
    todo_ = o_.count - listed_.size();
    manifest_ = open(ManifestPath().c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    if (manifest_ < 0)
      throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 に書き込めません: %2"), {ManifestPath(), std::strerror(errno)}));

    Progress progress(todo_);
    std::vector<std::thread> workers;
    for (unsigned j = 0; j < std::min<uint64_t>(o_.jobs, std::max<uint64_t>(todo_, 1)); ++j)
      workers.emplace_back([this] { Work(); });
    {
      std::unique_lock lock(mutex_);
      while (finished_ < workers.size()) {
        progressChanged_.wait_for(lock, std::chrono::milliseconds(100));
        progress.Show(done_);
      }
    }
    for (std::thread& w : workers) w.join();
    progress.Show(done_);
    progress.End();
    FlushPending();
    close(manifest_);

    // In the order of the phrases, however far the work went.
    try {
      ReplaceManifest(ManifestPath(), lines_);
    } catch (const std::exception& e) {
      if (error_.empty()) error_ = e.what();
    }
    if (!error_.empty()) {
      std::cerr << "volemo-cli batch: " << Said(error_) << '\n';
      return 1;
    }
    if (done_ < todo_) {
      std::cerr << "volemo-cli batch: "
                << Said(FormatMessage(QT_TRANSLATE_NOOP("Message", "止めました。%2 に %1 個のフレーズができています。同じコマンドで残りを作ります。"),
                                      {std::to_string(lines_.size()), o_.dir}))
                << '\n';
      return 130;
    }
    return 0;
  }

 private:
  std::string ManifestPath() const { return o_.dir + "manifest.jsonl"; }

  void Work() {
    // A rendered phrase takes a hundred times as long as the others.
    const size_t chunk = Renders() ? 1 : 16;
    std::unique_ptr<SoundRenderer> renderer;
    std::vector<std::pair<uint32_t, std::string>> lines;
    while (!InterruptPending() && !failed_) {
      const uint64_t start = next_.fetch_add(chunk);
      if (start >= todo_) break;
      for (uint64_t k = start; k < std::min<uint64_t>(start + chunk, todo_) && !InterruptPending() && !failed_; ++k) {
        const uint32_t index = IndexToDo(k);
        try {
          lines.emplace_back(index, ManifestLine(MakePhrase(index, renderer)));
        } catch (const std::exception& e) {
          std::lock_guard lock(mutex_);
          if (error_.empty()) error_ = Name(index) + ": " + e.what();
          failed_ = true;
        }
      }
      Record(lines);
    }
    std::lock_guard lock(mutex_);
    ++finished_;
    progressChanged_.notify_one();
  }

  // The k-th index (from 0) that the manifest did not list: k plus the
  // listed indices at or below it, found among them in order.
  uint32_t IndexToDo(uint64_t k) const {
    uint64_t index = k;
    for (auto it = listed_.begin(); it != listed_.end();) {
      const auto below = std::upper_bound(it, listed_.end(), index);
      index += static_cast<uint64_t>(below - it);
      it = below;
      if (it == listed_.end() || *it > index) break;
    }
    return static_cast<uint32_t>(index);
  }

  bool Renders() const { return o_.formats.back() == "wav" || o_.formats.back() == "flac"; }

  PhraseRecord MakePhrase(uint32_t index, std::unique_ptr<SoundRenderer>& renderer) {
    PhraseRecord r;
    r.index = index;
    r.seed = firstSeed_ + index;
    Session session(prepared_, r.seed);
    // Only drawn weights make the settings differ from phrase to phrase.
    r.settings = o_.session.randomWeights ? SettingsOf(session) : settings_;
    const Arrangement arrangement = Compose(session);
    for (const music::Chord& chord : arrangement.chords) r.progression.push_back(chord.symbol);
    const std::string mml = session.settings.MmlText();
    r.pattern = session.settings.PatternText();

    std::string midi;
    if (!CompileMmlToBytes(mml, midi)) throw std::runtime_error(Utf8FromCp932(LastCompileMessage()));
    const MidiFile read = ParseMidiFile(midi);
    r.notes = read.notes;
    r.ticks = read.lastTick;
    r.seconds = read.seconds;
    for (std::string_view format : o_.formats) {
      const std::string name = Name(index) + "." + std::string(format);
      if (format == "wav" || format == "flac") {
        // Repeatable: a phrase sounds the same whichever job renders it
        // after which other; the jobs, not FluidSynth's workers, use the cores.
        if (!renderer) renderer = std::make_unique<SoundRenderer>(1, true);
        renderer->Render(read, o_.dir + name, o_.dir + name);
      } else if (const int error = ReplaceFileContents(o_.dir + name, format == "mid" ? midi : mml); error != 0) {
        throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 に書き込めません: %2"), {o_.dir + name, std::strerror(error)}));
      }
      r.files.push_back(name);
    }
    return r;
  }

  // The lines of complete phrases join the manifest in large writes; a
  // batch killed before a write only makes those phrases again.
  void Record(std::vector<std::pair<uint32_t, std::string>>& lines) {
    std::lock_guard lock(mutex_);
    for (auto& [index, line] : lines) {
      pending_ += line;
      lines_[index] = std::move(line);
    }
    done_ += lines.size();
    lines.clear();
    if (pending_.size() >= (1 << 16)) FlushPending();
  }

  void FlushPending() {
    for (size_t at = 0; at < pending_.size();) {
      const ssize_t n = write(manifest_, pending_.data() + at, pending_.size() - at);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        if (error_.empty()) error_ = "cannot write " + ManifestPath() + ": " + std::strerror(errno);
        failed_ = true;
        break;
      }
      at += static_cast<size_t>(n);
    }
    pending_.clear();
  }

  const BatchOptions& o_;
  const Session& prepared_;
  const uint32_t firstSeed_;
  const std::string settings_;  // of prepared_
  int digits_;
  std::vector<uint32_t> listed_;  // the indices taken over, in order
  uint64_t todo_ = 0;              // how many more phrases
  std::atomic<uint64_t> next_{0};
  std::atomic<bool> failed_{false};

  std::mutex mutex_;  // guards what follows
  std::condition_variable progressChanged_;
  std::map<uint32_t, std::string> lines_;
  std::string pending_;
  int manifest_ = -1;
  uint64_t done_ = 0;
  size_t finished_ = 0;  // workers
  std::string error_;
};

}  // namespace

int RunBatch(ArgumentReader& args) {
  if (args.TakeFlag("--help")) {
    std::cout << Said(kHelp) << '\n' << Said(kSessionOptionsHelp) << Said(kGrooveOptionsHelp) << '\n'
              << Said(kArrangementOptionsHelp);
    return 0;
  }
  const BatchOptions options = ReadOptions(args);
  const auto checkSeeds = [&](uint32_t first) {
    if (options.count - 1 > std::numeric_limits<uint32_t>::max() - first)
      throw UsageError(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 からの種は %2 個のフレーズの前に 4294967295 を超えます"),
                                     {std::to_string(first), std::to_string(options.count)}));
  };
  if (options.session.seed) checkSeeds(*options.session.seed);
  // An interrupt from here on lets the phrases in hand be finished and
  // listed, then ends the program by it.
  const DeferInterrupts untilListed;
  const Session prepared(options.session);
  std::error_code ec;
  fs::create_directories(options.dir, ec);
  if (ec) throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "フォルダ %1 を作れません: %2"), {options.dir, ec.message()}));
  const FolderLock lock(options.dir);

  std::map<uint32_t, PhraseRecord> records = ReadManifest(options.dir + "manifest.jsonl");
  const std::string seedPath = options.dir + "seed.txt";
  const std::optional<uint32_t> recorded = RecordedSeed(seedPath);
  uint32_t firstSeed = ClockSeed();
  if (options.session.seed) firstSeed = *options.session.seed;
  else if (!records.empty()) firstSeed = records.begin()->second.seed - records.begin()->first;
  else if (recorded) firstSeed = *recorded;
  checkSeeds(firstSeed);
  if ((!options.session.seed || recorded) && recorded != firstSeed) {
    if (const int error = ReplaceFileContents(seedPath, std::to_string(firstSeed) + "\n"); error != 0)
      throw std::runtime_error(FormatMessage(QT_TRANSLATE_NOOP("Message", "%1 に書き込めません: %2"), {seedPath, std::strerror(error)}));
  }

  Batch batch(options, prepared, firstSeed);
  batch.TakeOver(std::move(records));
  return batch.Run();
}

}  // namespace volemo::cli

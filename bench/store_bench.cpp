// Keeping a take and reading the list back, on a real file in a fresh
// temporary folder: each take is a default phrase with all its settings.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>

#include "composer.h"
#include "memory_settings.h"
#include "program_dir.h"
#include "scale_table.h"
#include "snapshot.h"
#include "take_store.h"

namespace volemo {
namespace {

struct Folder {
  Folder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "volemo-bench-XXXXXX").string();
    path = mkdtemp(pattern.data());
  }
  ~Folder() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

// A take as the window keeps it after F9: a new pattern and phrase.
Take DefaultTake(uint32_t seed) {
  EngineState state;
  MemorySettings settings(state);
  state.random.Seed(seed);
  settings.SetIndex("cmbScale", LoadScaleTable(state, ProgramDir() + "Scale.dat", [](auto&, auto&) {}));
  ApplyScale(settings, state);
  ComposePhrase(settings, state);
  return CaptureTake(settings, state, "random-make-and-play", seed);
}

// What the window does at start-up: open the database (here an existing
// one, with its schema up to date).
void BM_OpenStore(benchmark::State& bench) {
  Folder folder;
  const std::string path = (folder.path / "takes.sqlite3").string();
  { TakeStore create(path); }
  for (auto _ : bench) {
    TakeStore store(path);
    benchmark::DoNotOptimize(&store);
  }
}
BENCHMARK(BM_OpenStore)->Unit(benchmark::kMicrosecond);

// One user action: the newest take is read for the equality check, the
// take is inserted and the unstarred ones beyond 1,000 are pruned.
void BM_AddTake(benchmark::State& bench) {
  Folder folder;
  TakeStore store((folder.path / "takes.sqlite3").string());
  std::vector<Take> takes;
  for (uint32_t i = 0; i < 64; ++i) takes.push_back(DefaultTake(i));
  for (int i = 0; i < 1000; ++i) store.Add(takes[static_cast<size_t>(i) % takes.size()]);
  size_t next = 0;
  for (auto _ : bench) store.Add(takes[next++ % takes.size()]);
}
BENCHMARK(BM_AddTake)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The window's list: every take, newest first.
void BM_List10000Takes(benchmark::State& bench) {
  Folder folder;
  TakeStore store((folder.path / "takes.sqlite3").string());
  store.SetKeepUnstarred(20000);
  std::vector<Take> takes;
  for (uint32_t i = 0; i < 64; ++i) takes.push_back(DefaultTake(i));
  for (int i = 0; i < 10000; ++i) store.Add(takes[static_cast<size_t>(i) % takes.size()]);
  for (auto _ : bench) {
    const std::vector<Take> list = store.List();
    if (list.size() != 10000) bench.SkipWithError("wrong count");
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(BM_List10000Takes)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace volemo

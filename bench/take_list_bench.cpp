// The take list appearing with 10,000 takes: the store read, the model
// filled, and the widget painted once (offscreen).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <QApplication>
#include <filesystem>

#include "composer.h"
#include "memory_settings.h"
#include "program_dir.h"
#include "scale_table.h"
#include "snapshot.h"
#include "take_keeper.h"
#include "take_list.h"

namespace volemo {
namespace {

void BM_TakeListOf10000Appears(benchmark::State& bench) {
  std::string folder = (std::filesystem::temp_directory_path() / "volemo-bench-XXXXXX").string();
  mkdtemp(folder.data());
  setenv("VOLEMO_DATA_DIR", folder.c_str(), 1);
  EngineState state;
  MemorySettings settings(state);
  settings.SetIndex("cmbScale", LoadScaleTable(state, ProgramDir() + "Scale.dat", [](auto&, auto&) {}));
  ApplyScale(settings, state);
  {
    TakeStore store(TakesDatabasePath());
    store.SetKeepUnstarred(20000);
    for (uint32_t i = 0; i < 10000; ++i) {
      state.random.Seed(i % 64);
      settings.SetPatternText("");
      ComposePhrase(settings, state);
      store.Add(CaptureTake(settings, state, "random-make-and-play", i));
    }
  }
  TakeKeeper keeper(settings, state);
  for (auto _ : bench) {
    TakeList list(keeper);
    list.resize(760, 420);
    benchmark::DoNotOptimize(list.grab());
    if (list.model().rowCount() != 10000) bench.SkipWithError("wrong count");
  }
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_TakeListOf10000Appears)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace volemo

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

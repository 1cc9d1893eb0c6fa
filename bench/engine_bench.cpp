// How long one phrase takes to compose, and to re-roll.
#include <benchmark/benchmark.h>

#include "composer.h"
#include "memory_settings.h"
#include "program_dir.h"
#include "scale_table.h"

namespace volemo {
namespace {

// The state the window starts with: Scale.dat beside the program, Major in C.
struct StartedEngine {
  StartedEngine() {
    state.random.Seed(1);
    settings.SetIndex("cmbScale", LoadScaleTable(state, DataPath("Scale.dat"), [](auto&, auto&) {}));
    ApplyScale(settings, state);
  }
  EngineState state;
  MemorySettings settings{state};
};

// Defaults: 16 symbols drawn, 32 steps.
void BM_ComposeDefaultPhrase(benchmark::State& bench) {
  StartedEngine e;
  for (auto _ : bench) {
    e.settings.SetPatternText("");  // a new pattern every time, as on play
    ComposePhrase(e.settings, e.state);
    benchmark::DoNotOptimize(e.settings.MmlText().data());
  }
}
BENCHMARK(BM_ComposeDefaultPhrase);

// 64 drawn symbols and 64 steps, every step a chord or a double (two notes),
// over the widest range.
void BM_Compose64StepsTwoNotesEach(benchmark::State& bench) {
  StartedEngine e;
  e.settings.SetText("spnPatternCount", "64");
  e.settings.SetText("spnCount", "64");
  e.settings.SetText("spnOct1", "1");
  e.settings.SetText("spnOct2", "10");
  const int weights[] = {0, 0, 0, 0, 100, 100, 0};
  for (int i = 0; i < 7; ++i) e.settings.SetPosition("scrP" + std::to_string(i), weights[i]);
  for (auto _ : bench) {
    e.settings.SetPatternText("");
    ComposePhrase(e.settings, e.state);
    benchmark::DoNotOptimize(e.settings.MmlText().data());
  }
}
BENCHMARK(BM_Compose64StepsTwoNotesEach);

// As above with every scale weight 0: each of the 128 notes is taken only
// after 3001 rejected candidates, the longest a phrase can take.
void BM_Compose64StepsAllWeightsZero(benchmark::State& bench) {
  StartedEngine e;
  e.settings.SetText("spnPatternCount", "64");
  e.settings.SetText("spnCount", "64");
  const int weights[] = {0, 0, 0, 0, 100, 100, 0};
  for (int i = 0; i < 7; ++i) e.settings.SetPosition("scrP" + std::to_string(i), weights[i]);
  for (int i = 0; i < 12; ++i) e.settings.SetPosition("src" + std::to_string(i), 0);
  for (auto _ : bench) {
    e.settings.SetPatternText("");
    ComposePhrase(e.settings, e.state);
    benchmark::DoNotOptimize(e.settings.MmlText().data());
  }
}
BENCHMARK(BM_Compose64StepsAllWeightsZero)->Unit(benchmark::kMicrosecond);

// Every note of a default phrase redrawn and the MML written again: what
// the re-roll button and --reroll do.
void BM_RerollDefaultPhrase(benchmark::State& bench) {
  StartedEngine e;
  Phrase phrase = ComposePhrase(e.settings, e.state);
  for (auto _ : bench) {
    phrase.Reroll(e.settings, e.state);
    benchmark::DoNotOptimize(phrase.Mml().data());
  }
  bench.counters["notes"] = static_cast<double>(phrase.Notes().size());
}
BENCHMARK(BM_RerollDefaultPhrase)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace volemo

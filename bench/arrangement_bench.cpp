// Four parts over eight bars: composing them, and compiling the document.
#include <benchmark/benchmark.h>

#include "dvorlin/compile.h"

#include "arrangement.h"
#include "memory_settings.h"
#include "program_dir.h"
#include "scale_table.h"

namespace volemo {
namespace {

struct FourParts {
  FourParts() {
    state.random.Seed(1);
    settings.SetIndex("cmbScale", LoadScaleTable(state, DataPath("Scale.dat"), [](auto&, auto&) {}));
    ApplyScale(settings, state);
    parts.bass = parts.chords = parts.drums = true;
    parts.progression = "I vi IV V ii7 V7 Imaj7 Imaj7";  // eight bars
    parts.line.smoothness = 80;
    parts.line.maxLeap = 7;
    parts.line.chordPull = 70;
    parts.line.cadence = 100;
  }
  EngineState state;
  MemorySettings settings{state};
  ArrangementSettings parts;
};

void BM_ComposeFourPartsOverEightBars(benchmark::State& bench) {
  FourParts f;
  for (auto _ : bench) {
    f.settings.SetPatternText("");
    const Arrangement a = ComposeArrangement(f.settings, f.state, f.parts);
    benchmark::DoNotOptimize(a.parts.back().Mml().data());
  }
}
BENCHMARK(BM_ComposeFourPartsOverEightBars);

void BM_CompileFourPartsOverEightBars(benchmark::State& bench) {
  FourParts f;
  const std::string mml = ComposeArrangement(f.settings, f.state, f.parts).Mml();
  for (auto _ : bench) {
    const dvorlin::Performance p = dvorlin::Perform(mml);
    const std::vector<uint8_t> smf = dvorlin::WriteSmf(p.song);
    benchmark::DoNotOptimize(smf.data());
  }
}
BENCHMARK(BM_CompileFourPartsOverEightBars);

}  // namespace
}  // namespace volemo

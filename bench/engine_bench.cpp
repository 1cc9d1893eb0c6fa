// How long one phrase takes to compose, to re-roll, and to take a hand edit
// into its rewritten MML.
#include <benchmark/benchmark.h>

#include <algorithm>

#include "composer.h"
#include "memory_settings.h"
#include "note_edits.h"
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

// A hand edit of one note of a 64-step phrase with bends, chords, doubles,
// ties and rests, to its MML text: a key alone, and the edits that write
// the body anew. The note of step 5 has a rest after it to move into.
void BM_HandEditToMml(benchmark::State& bench) {
  StartedEngine e;
  e.settings.SetText("spnCount", "64");
  e.settings.SetPatternText("NmBW dNr^ NNrN BdWr");
  Phrase phrase = ComposePhrase(e.settings, e.state);
  const int64_t step = phrase.Frame().stepTicks;
  const PhraseNote note = *std::find_if(phrase.Notes().begin(), phrase.Notes().end(),
                                        [&](const PhraseNote& n) { return n.startTick == 5 * step; });
  bool back = false;
  for (auto _ : bench) {
    switch (bench.range(0)) {
      case 0: MoveNote(phrase, note.number, note.startTick, note.key + (back ? 0 : 2)); break;
      case 1: MoveNote(phrase, note.number, note.startTick + (back ? 0 : step), note.key); break;
      case 2: SetNoteLength(phrase, note.number, note.lengthTicks + (back ? 0 : step)); break;
      default: SetNoteVelocity(phrase, note.number, back ? 100 : 60); break;
    }
    benchmark::DoNotOptimize(phrase.Mml().data());
    back = !back;
  }
  bench.counters["notes"] = double(phrase.Notes().size());
}
BENCHMARK(BM_HandEditToMml)->ArgName("key0_start1_length2_velocity3")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace volemo

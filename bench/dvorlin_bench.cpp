// The MML compiler: a phrase as the composer writes it with the default
// settings (target: under 20 us), and a long document (target: at least
// 50 MB/s of MML text). Both in memory: parse, perform, write the SMF bytes.
#include <benchmark/benchmark.h>

#include <string>

#include "dvorlin/compile.h"
#include "long_document.h"

namespace {

// 32 sixteenth steps in two lines of 16, four passes: plain and muted notes,
// ties, rests, a chord, a double and a bend, with the gate changes the
// composer writes.
constexpr char kDefaultPhrase[] =
    "Tempo=110;Channel(1);Voice(1)\r\nv120l16[4 \r\n"
    "q100o4g^a>c ^q20d q100c^<a r^g^ Div{ef}^r^ q20e q100d^ r|\r\n"
    " c^q20<b q100>d ^'eg'^ rq20c q100<a^ gp%.T(-8192,0,!32)q100a^ r^ >c|\r\n"
    "\r\n]";

void CompileInMemory(benchmark::State& state, const std::string& mml) {
  for (auto _ : state) {
    const dvorlin::Performance performance = dvorlin::Perform(mml);
    if (!performance.ok()) {
      state.SkipWithError("the document does not compile");
      break;
    }
    benchmark::DoNotOptimize(dvorlin::WriteSmf(performance.song));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * mml.size()));
}

void BM_CompileDefaultPhrase(benchmark::State& state) { CompileInMemory(state, kDefaultPhrase); }
BENCHMARK(BM_CompileDefaultPhrase);

void BM_Compile100kNotes(benchmark::State& state) { CompileInMemory(state, volemo::bench::LongDocument()); }
BENCHMARK(BM_Compile100kNotes)->Unit(benchmark::kMillisecond);

}  // namespace

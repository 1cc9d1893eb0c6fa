// volemo-cli as the user meets it: whole processes, from the start of the
// process to its exit, beside /bin/true for the floor. Each benchmark is a
// row of the speed table that tools/compare_peers.sh prints beside other
// programs: a command line process, the compile of a long melody, the render
// of sixty seconds of piano, and a batch of 20,000 phrases.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "long_document.h"

namespace {

namespace fs = std::filesystem;

// The benchmark's files, removed at the end.
struct BenchDir {
  fs::path path;
  BenchDir() {
    std::string pattern = "/tmp/volemo-cli-bench-XXXXXX";
    if (!mkdtemp(pattern.data())) std::abort();
    path = pattern;
    std::ofstream(path / "long.mml", std::ios::binary) << volemo::bench::LongDocument();
    std::ifstream piano(VOLEMO_BENCH_DATA "/piano60.mml", std::ios::binary);
    std::ofstream(path / "piano60.mml", std::ios::binary) << piano.rdbuf();
  }
  ~BenchDir() {
    std::error_code ec;
    fs::remove_all(path, ec);
  }
};
const BenchDir dir;

// Runs the program to its end, its output thrown away; false on failure.
bool Run(const std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const bool started = posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0;
  posix_spawn_file_actions_destroy(&files);
  int status = 0;
  return started && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::vector<std::string> Cli(std::vector<std::string> args) {
  args.insert(args.begin(), VOLEMO_CLI);
  return args;
}

void Process(benchmark::State& state, const std::vector<std::string>& args) {
  for (auto _ : state)
    if (!Run(args)) state.SkipWithError("the command failed");
}

void BM_ProcessFloor(benchmark::State& state) { Process(state, {"/bin/true"}); }
BENCHMARK(BM_ProcessFloor)->Unit(benchmark::kMillisecond);

void BM_Version(benchmark::State& state) { Process(state, Cli({"--version"})); }
BENCHMARK(BM_Version)->Unit(benchmark::kMillisecond);

void BM_Phrase(benchmark::State& state) { Process(state, Cli({"phrase", "--seed", "1"})); }
BENCHMARK(BM_Phrase)->Unit(benchmark::kMillisecond);

void BM_Pattern(benchmark::State& state) { Process(state, Cli({"pattern", "--seed", "1"})); }
BENCHMARK(BM_Pattern)->Unit(benchmark::kMillisecond);

void BM_CompilePhrase(benchmark::State& state) {
  Run(Cli({"phrase", "--seed", "1", "--mid", dir.path / "phrase.mid"}));
  std::system((std::string(VOLEMO_CLI) + " phrase --seed 1 > " + (dir.path / "phrase.mml").string()).c_str());
  Process(state, Cli({"compile", dir.path / "phrase.mml", dir.path / "phrase.mid"}));
}
BENCHMARK(BM_CompilePhrase)->Unit(benchmark::kMillisecond);

void BM_Compile100kNotes(benchmark::State& state) {
  Process(state, Cli({"compile", dir.path / "long.mml", dir.path / "long.mid"}));
}
BENCHMARK(BM_Compile100kNotes)->Unit(benchmark::kMillisecond);

// realtime_x: seconds of sound per second of the process, SoundFont load
// included.
void BM_RenderPiano60s(benchmark::State& state) {
  Run(Cli({"compile", dir.path / "piano60.mml", dir.path / "piano60.mid"}));
  Process(state, Cli({"render", dir.path / "piano60.mid", dir.path / "piano60.wav"}));
  state.counters["realtime_x"] = benchmark::Counter(60.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RenderPiano60s)->Unit(benchmark::kMillisecond)->UseRealTime();

// 20,000 phrases with their .mid and .mml files and the manifest, into a
// new folder each time.
void BM_Batch20000(benchmark::State& state) {
  int run = 0;
  for (auto _ : state) {
    const std::string out = dir.path / ("batch" + std::to_string(run++));
    if (!Run(Cli({"batch", "--count", "20000", "--seed", "1", "--out", out}))) state.SkipWithError("batch failed");
  }
  state.counters["phrases_per_s"] = benchmark::Counter(20000.0 * state.iterations(), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_Batch20000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

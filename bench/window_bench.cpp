// The window as the user meets it: from starting Volemo to its window mapped
// on the X display (the row of the speed table that tools/compare_peers.sh
// prints beside Qsynth), and to its first painted content. Needs an X
// display: xvfb-run -a build/bin/window_bench
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

// What tools/startup_probe.c reports for one start of the window.
struct Start {
  double mappedMs = 0, paintedMs = 0;
};

bool StartWindow(Start& start) {
  FILE* probe = popen(VOLEMO_STARTUP_PROBE " 0 " VOLEMO_WINDOW " 2>/dev/null", "r");
  if (!probe) return false;
  const int read = std::fscanf(probe, "mapped_ms=%lf painted_ms=%lf", &start.mappedMs, &start.paintedMs);
  return pclose(probe) == 0 && read == 2;
}

void BM_WindowStart(benchmark::State& state) {
  if (!getenv("DISPLAY")) {
    state.SkipWithError("needs an X display: xvfb-run -a build/bin/window_bench");
    return;
  }
  // The takes of these starts, in a database as on a first start.
  std::string data = "/tmp/volemo-window-bench-XXXXXX";
  if (!mkdtemp(data.data())) std::abort();
  setenv("VOLEMO_DATA_DIR", data.c_str(), 1);
  setenv("QT_QPA_PLATFORM", "xcb", 1);
  double painted = 0;
  for (auto _ : state) {
    Start start;
    if (!StartWindow(start)) {
      state.SkipWithError("the window did not start");
      break;
    }
    state.SetIterationTime(start.mappedMs / 1000);
    painted += start.paintedMs;
  }
  state.counters["painted_ms"] = benchmark::Counter(painted, benchmark::Counter::kAvgIterations);
  std::filesystem::remove_all(data);
}
BENCHMARK(BM_WindowStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

}  // namespace

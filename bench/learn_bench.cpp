// How long learning the controls from a large MIDI file takes.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "memory_settings.h"
#include "piece_notes.h"
#include "program_dir.h"
#include "scale_table.h"
#include "style.h"

namespace volemo {
namespace {

std::string Vlq(uint32_t v) {
  std::string out(1, static_cast<char>(v & 0x7F));
  while (v >>= 7) out.insert(out.begin(), static_cast<char>((v & 0x7F) | 0x80));
  return out;
}

std::string Big(uint32_t v, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>(v >> (8 * i) & 0xFF);
  return out;
}

// A format 1 file of about 1 MB: a tempo track, then melody tracks of
// sixteenths over two octaves with varied lengths and velocities, a bend
// every bar, and a drum track.
std::string LargeMidiFile() {
  constexpr int kTracks = 4, kNotesPerTrack = 20000;
  std::string file = "MThd" + Big(6, 4) + Big(1, 2) + Big(kTracks + 1, 2) + Big(480, 2);
  const std::string tempo = Vlq(0) + "\xFF\x51\x03" + Big(500000, 3) + Vlq(0) + std::string("\xFF\x2F\x00", 3);
  file += "MTrk" + Big(static_cast<uint32_t>(tempo.size()), 4) + tempo;
  for (int t = 0; t < kTracks; ++t) {
    const int channel = t == kTracks - 1 ? 9 : t;
    std::string track;
    for (int i = 0; i < kNotesPerTrack; ++i) {
      const int key = 48 + (i * 7 + t * 5) % 24, length = 60 + (i % 3) * 20;
      if (i % 16 == 0) track += Vlq(0) + static_cast<char>(0xE0 | channel) + '\x00' + static_cast<char>(0x40 + i % 8);
      track += Vlq(0) + static_cast<char>(0x90 | channel) + static_cast<char>(key) + static_cast<char>(60 + i % 60);
      track += Vlq(length) + static_cast<char>(0x80 | channel) + static_cast<char>(key) + '\0';
      track += Vlq(120 - length);
      track += std::string("\xFF\x01\x00", 3);  // an empty text event takes the rest of the step
    }
    track += Vlq(0) + std::string("\xFF\x2F\x00", 3);
    file += "MTrk" + Big(static_cast<uint32_t>(track.size()), 4) + track;
  }
  return file;
}

void BM_LearnFromOneMegabyteFile(benchmark::State& bench) {
  const std::string path = (std::filesystem::temp_directory_path() / ("volemo-learn-bench-" + std::to_string(getpid()) + ".mid")).string();
  const std::string bytes = LargeMidiFile();
  std::ofstream(path, std::ios::binary) << bytes;
  // As volemo-cli's main sets it: freed memory stays with the process.
  mallopt(M_MMAP_THRESHOLD, 256 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
  mallopt(M_TOP_PAD, 32 << 20);
  EngineState state;
  MemorySettings settings(state);
  settings.SetIndex("cmbScale", LoadScaleTable(state, DataPath("Scale.dat"), [](auto&, auto&) {}));
  for (auto _ : bench) {
    const Style style = LearnStyle(ReadPieceNotes(path, {}), state);
    benchmark::DoNotOptimize(style.weights.data());
  }
  bench.counters["bytes"] = static_cast<double>(bytes.size());
  std::remove(path.c_str());
}
BENCHMARK(BM_LearnFromOneMegabyteFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace volemo

// The live player's sound on a machine without sound: FluidSynth's file
// driver writes it to a file that the tests read back. The file holds the
// sound since the last play, up to where it died away after a stop.
#pragma once

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "test_files.h"
#include "wav_reader.h"

namespace volemo::test {

// Call before the process's first SynthPlayer is made.
inline const std::string& UseFileSink() {
  static const std::string sink = [] {
    const std::string path = TestDir() + "sink.raw";
    setenv("VOLEMO_AUDIO_DRIVER", "file", 1);
    setenv("VOLEMO_AUDIO_FILE", path.c_str(), 1);
    return path;
  }();
  return sink;
}

// Waits until condition holds, for at most a minute; the result is the
// condition's, so a test fails rather than hangs.
inline bool Eventually(const std::function<bool()>& condition) {
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::minutes(1);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > giveUp) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

inline double SinkSeconds() {
  std::error_code ec;
  const auto bytes = std::filesystem::file_size(UseFileSink(), ec);
  return ec ? 0.0 : static_cast<double>(bytes) / (44100 * 4);
}

// The sink's sound once it holds at least the given length.
inline std::vector<int16_t> SinkSound(double seconds) {
  if (!Eventually([&] { return SinkSeconds() >= seconds; })) return {};
  return ReadRaw(UseFileSink());
}

// The sink's sound once nothing more is written to it, or after half a
// minute of writing (which a test's length check then catches).
inline std::vector<int16_t> SettledSinkSound() {
  for (double before = -1; before < 30;) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const double now = SinkSeconds();
    if (now == before) break;
    before = now;
  }
  return ReadRaw(UseFileSink());
}

}  // namespace volemo::test

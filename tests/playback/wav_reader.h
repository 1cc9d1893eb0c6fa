// Reads the renderer's WAV files back and measures the sound in them.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

#include "test_files.h"

namespace volemo::test {

struct Wav {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<int16_t> samples;  // interleaved

  size_t Frames() const { return channels ? samples.size() / channels : 0; }
  double Seconds() const { return rate ? static_cast<double>(Frames()) / rate : 0; }
};

inline uint32_t Little(const std::string& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | static_cast<uint8_t>(b.at(at + i));
  return v;
}

// Walks the RIFF chunks; throws when the file is not a complete WAV file.
inline Wav ReadWav(const std::string& path) {
  const std::string b = ReadFile(path);
  if (b.compare(0, 4, "RIFF") != 0 || b.compare(8, 4, "WAVE") != 0) throw std::runtime_error("not WAV");
  if (Little(b, 4, 4) + 8 != b.size()) throw std::runtime_error("RIFF size does not match the file");
  Wav wav;
  for (size_t at = 12; at + 8 <= b.size();) {
    const std::string id = b.substr(at, 4);
    const uint32_t size = Little(b, at + 4, 4);
    if (at + 8 + size > b.size()) throw std::runtime_error("chunk past the end");
    if (id == "fmt ") {
      wav.format = Little(b, at + 8, 2);
      wav.channels = Little(b, at + 10, 2);
      wav.rate = Little(b, at + 12, 4);
      wav.bits = Little(b, at + 22, 2);
    } else if (id == "data") {
      wav.samples.resize(size / 2);
      std::memcpy(wav.samples.data(), b.data() + at + 8, size / 2 * 2);
    }
    at += 8 + size + (size & 1);
  }
  return wav;
}

// Interleaved 16-bit stereo as in the sink file of the file driver.
inline std::vector<int16_t> ReadRaw(const std::string& path) {
  const std::string b = ReadFile(path);
  std::vector<int16_t> samples(b.size() / 2);
  std::memcpy(samples.data(), b.data(), samples.size() * 2);
  return samples;
}

// The left and right channels averaged, full scale 1.0, between two times.
inline std::vector<double> Mono(const std::vector<int16_t>& stereo, int rate, double from, double to) {
  std::vector<double> out;
  const size_t frames = stereo.size() / 2;
  for (size_t f = static_cast<size_t>(from * rate); f < frames && f < to * rate; ++f)
    out.push_back((stereo[2 * f] + stereo[2 * f + 1]) / 65536.0);
  return out;
}

inline double PeakOf(const std::vector<int16_t>& samples) {
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  return peak / 32768.0;
}

inline double Rms(const std::vector<double>& x) {
  double sum = 0;
  for (double v : x) sum += v * v;
  return x.empty() ? 0 : std::sqrt(sum / x.size());
}

inline double Dbfs(double level) { return 20 * std::log10(std::max(level, 1e-9)); }

// The strongest frequency between lo and hi Hz, in steps of 0.5 Hz.
inline double StrongestFrequency(const std::vector<double>& x, int rate, double lo, double hi) {
  double best = lo, bestPower = -1;
  for (double f = lo; f <= hi; f += 0.5) {
    const double w = 2 * std::numbers::pi * f / rate;
    double re = 0, im = 0;
    for (size_t n = 0; n < x.size(); ++n) {
      re += x[n] * std::cos(w * n);
      im -= x[n] * std::sin(w * n);
    }
    if (re * re + im * im > bestPower) {
      bestPower = re * re + im * im;
      best = f;
    }
  }
  return best;
}

// The first time, from start on, at which the level over 10 ms windows
// falls below floor (full scale 1.0); the end of the sound when it never does.
inline double LevelFallsBelow(const std::vector<int16_t>& stereo, int rate, double start, double floor) {
  const double end = static_cast<double>(stereo.size() / 2) / rate;
  for (double t = start; t < end; t += 0.01)
    if (Rms(Mono(stereo, rate, t, t + 0.01)) < floor) return t;
  return end;
}

}  // namespace volemo::test

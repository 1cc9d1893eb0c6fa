// The level every synthesizer of the program plays at, live or rendered.
#pragma once

#include <cmath>

namespace volemo {

inline constexpr double kSampleRate = 44100.0;

// FluidSynth's default of 0.2 leaves a piano phrase near -20 dBFS. At 0.8 a
// phrase at velocity 120 on the default piano peaks between about -7 dBFS
// (one line) and -4 dBFS (chords, tied notes ringing into the next).
inline constexpr double kSynthGain = 0.8;

// The loudest General MIDI voices (square and saw leads, organs) go past
// full scale at that gain. Above the knee the level bends smoothly towards
// full scale instead of being cut off: the slope is 1 at the knee and full
// scale is never reached.
inline float SoftClip(float x) {
  constexpr float kKnee = 0.7f;  // about -3 dBFS
  const float a = std::fabs(x);
  if (a <= kKnee) return x;
  const float bent = kKnee + (1.0f - kKnee) * std::tanh((a - kKnee) / (1.0f - kKnee));
  return x < 0 ? -bent : bent;
}

}  // namespace volemo

// A chord as pitch classes.
#pragma once

#include <string>
#include <vector>

namespace volemo::music {

struct Chord {
  int root = 0;            // pitch class 0 = C .. 11 = B
  std::vector<int> tones;  // pitch classes: the root first, then each stacked above the one before
  std::string symbol;      // "Am7", "F#", "C(D,G)"

  bool operator==(const Chord&) const = default;
};

// Bit p set for each pitch class p of the chord.
inline unsigned PitchMask(const Chord& chord) {
  unsigned mask = 0;
  for (int p : chord.tones) mask |= 1u << p;
  return mask;
}

}  // namespace volemo::music

#include "progression_table.h"

#include <array>

namespace volemo::music {
namespace {

// Four-bar loops of popular music, and two longer ones; in a minor or modal
// scale the chords are built from the scale, so the same numerals take its
// colour.
constexpr std::array<CommonProgression, 10> kProgressions = {{
    {"I V vi IV", 6},              // the loop of countless pop songs
    {"I vi IV V", 5},              // the fifties
    {"vi IV I V", 4},              // the same loop from the relative minor
    {"IV V iii vi", 4},            // the "royal road" of Japanese pop
    {"ii7 V7 Imaj7 Imaj7", 3},     // jazz's two-five-one
    {"I IV V IV", 3},              // rock and roll, blues-born
    {"I IV vi V", 2},
    {"I bVII IV I", 2},            // Mixolydian rock
    {"vi V IV V", 2},              // Aeolian, descending
    {"I V vi iii IV I IV V", 2},   // the canon
}};

}  // namespace

std::span<const CommonProgression> CommonProgressions() { return kProgressions; }

int ProgressionWeightTotal() {
  int total = 0;
  for (const CommonProgression& p : kProgressions) total += p.weight;
  return total;
}

const CommonProgression& ProgressionAt(int point) {
  for (const CommonProgression& p : kProgressions) {
    if (point < p.weight) return p;
    point -= p.weight;
  }
  return kProgressions.back();
}

}  // namespace volemo::music

#include "chord_names.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <utility>

namespace volemo::music {

std::string PitchName(int pitchClass) {
  static constexpr std::array<std::string_view, 12> kNames = {"C",  "C#", "D",  "Eb", "E",  "F",
                                                              "F#", "G",  "Ab", "A",  "Bb", "B"};
  return std::string(kNames[((pitchClass % 12) + 12) % 12]);
}

std::string ChordName(const std::vector<int>& tones) {
  if (tones.empty()) return {};
  static const std::array<std::pair<std::vector<int>, std::string_view>, 13> kShapes = {{
      {{4, 7}, ""},
      {{3, 7}, "m"},
      {{3, 6}, "dim"},
      {{4, 8}, "aug"},
      {{2, 7}, "sus2"},
      {{5, 7}, "sus4"},
      {{4, 7, 10}, "7"},
      {{3, 7, 10}, "m7"},
      {{4, 7, 11}, "maj7"},
      {{3, 6, 10}, "m7b5"},
      {{3, 6, 9}, "dim7"},
      {{5, 7, 10}, "7sus4"},
      {{3, 7, 11}, "mMaj7"},
  }};
  const int root = tones.front();
  std::vector<int> intervals;
  for (size_t i = 1; i < tones.size(); ++i) intervals.push_back(((tones[i] - root) % 12 + 12) % 12);
  std::sort(intervals.begin(), intervals.end());
  for (const auto& [shape, suffix] : kShapes)
    if (shape == intervals) return PitchName(root) + std::string(suffix);
  std::string name = PitchName(root) + "(";
  for (size_t i = 1; i < tones.size(); ++i) name += (i > 1 ? "," : "") + PitchName(tones[i]);
  return name + ")";
}

}  // namespace volemo::music

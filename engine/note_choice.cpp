#include "note_choice.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <utility>

#include "controls.h"

namespace volemo {
namespace {

constexpr std::array<std::string_view, 12> kNoteNames = {"c",  "c+", "d",  "d+", "e",  "f",
                                                         "f+", "g",  "g+", "a",  "a+", "b"};

// After this many rejected candidates the next one is taken as it is, so
// a scale whose weights are all 0 still yields a note (uniformly chosen).
constexpr int kMaxRejections = 3000;

}  // namespace

std::pair<int, int> NoteRange(const Settings& settings) {
  int low = settings.Index("cmbOct1") + ValueInRange(settings, "spnOct1") * 12;
  int high = settings.Index("cmbOct2") + ValueInRange(settings, "spnOct2") * 12;
  if (high < low) std::swap(low, high);
  return {low, high};
}

int PickNote(const Settings& settings, EngineState& state) { return PickNote(NoteRange(settings), state); }

int PickNote(std::pair<int, int> range, EngineState& state) {
  const auto [low, high] = range;

  int total = std::accumulate(state.weights.begin(), state.weights.end(), 0);
  if (total == 0) total = 1;
  std::array<int, 12> percent;
  for (size_t p = 0; p < percent.size(); ++p) percent[p] = 100 * state.weights[p] / total;

  for (int rejections = 0;; ++rejections) {
    const uint32_t r = state.random.Next(100);  // drawn before the candidate
    const int candidate = low + static_cast<int>(state.random.Next(static_cast<uint32_t>(high - low)));
    // A candidate above the highest key fails like a rejected one, with
    // the same draws, so phrases that never reach it stay as they were.
    if (candidate <= kHighestKey && static_cast<int>(r) < percent[candidate % 12]) return candidate;
    if (rejections == kMaxRejections) return std::min(candidate, kHighestKey);
  }
}

std::string NoteToMml(int& lastNote, int note) {
  const int octave = note / 12;
  const std::string_view name = kNoteNames[note % 12];
  std::string text;
  if (lastNote < 0) {
    text = "o" + std::to_string(octave);
  } else {
    const int diff = lastNote / 12 - octave;
    text.assign(diff < 0 ? -diff : diff, diff < 0 ? '>' : '<');
  }
  text += name;
  lastNote = note;
  return text;
}

std::string_view PitchClassName(int pitchClass) {
  static constexpr std::array<std::string_view, 12> kNames = {"C",  "C#", "D",  "D#", "E",  "F",
                                                              "F#", "G",  "G#", "A",  "A#", "B"};
  return kNames[pitchClass];
}

std::string NoteName(int note) { return std::string(PitchClassName(note % 12)) + std::to_string(note / 12); }

}  // namespace volemo

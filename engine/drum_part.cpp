#include <array>

#include "accompaniment.h"
#include "melody_line.h"
#include "part_writer.h"

namespace volemo {
namespace {

constexpr int64_t kSixteenth = kBeatTicks / 4;

// Chance in percent of each instrument on each sixteenth of the bar: kick
// on the beats' downbeats (always on the first), snare on the backbeats,
// closed hi-hat on the eighths and now and then between, the open hi-hat
// before the bar line.
struct DrumWeights {
  int key;
  std::array<int, 16> chance;
};
constexpr std::array<DrumWeights, 4> kDrums = {{
    {kKick, {100, 0, 5, 10, 0, 0, 15, 5, 70, 0, 25, 5, 0, 0, 15, 5}},
    {kSnare, {0, 0, 0, 3, 95, 0, 0, 5, 0, 3, 0, 5, 95, 0, 5, 10}},
    {kClosedHat, {85, 15, 85, 20, 85, 15, 85, 20, 85, 15, 85, 20, 85, 15, 60, 20}},
    {kOpenHat, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 25, 0}},
}};

// The instruments struck on the sixteenth s of the bar; the open hi-hat
// silences the closed one.
std::vector<int> DrawStep(int s, EngineState& state) {
  std::vector<int> keys;
  for (const DrumWeights& d : kDrums)
    if (static_cast<int>(state.random.Next(100)) < d.chance[s]) keys.push_back(d.key);
  if (keys.size() > 1 && keys.back() == kOpenHat) std::erase(keys, kClosedHat);
  if (s == 0 && (keys.empty() || keys.front() != kKick)) keys.insert(keys.begin(), kKick);
  return keys;
}

}  // namespace

Phrase ComposeDrums(int64_t bodyTicks, EngineState& state) {
  std::vector<PartHit> hits;
  std::vector<int> keys;
  for (int64_t t = 0; t < bodyTicks; t += kSixteenth) {
    const std::vector<int> step = DrawStep(static_cast<int>(t % kBarTicks / kSixteenth), state);
    if (step.empty()) continue;
    hits.push_back({t, std::min(kSixteenth, bodyTicks - t), static_cast<int>(step.size())});
    keys.insert(keys.end(), step.begin(), step.end());
  }
  Phrase drums = WritePart({"drums", 10, 0, 100, 100}, hits, keys, bodyTicks);
  // A redrawn hit becomes another instrument of its step: the first of the
  // step's draws that sounds, the bar's first kick staying.
  drums.SetKeyChooser([](const std::vector<PhraseNote>& n, size_t index, const Settings&, EngineState& s) {
    const PhraseNote& note = n[index];
    const int step = static_cast<int>(note.startTick % kBarTicks / kSixteenth);
    if (step == 0 && note.key == kKick) return kKick;
    const std::vector<int> drawn = DrawStep(step, s);
    return drawn.empty() ? note.key : drawn.front();
  });
  return drums;
}

}  // namespace volemo

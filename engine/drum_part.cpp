#include <algorithm>
#include <array>

#include "accompaniment.h"
#include "part_writer.h"

namespace volemo {
namespace {

constexpr int64_t kSixteenth = kWholeNoteTicks / 16;

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

// The sixteenth of a 4/4 bar whose chances a step of another meter takes:
// the bar's first, a backbeat for every other beat and a downbeat for the
// rest, an eighth or a sixteenth between them, and the last sixteenth
// before the bar line.
int CommonTimeStep(const Meter& meter, int64_t inBar) {
  if (meter == Meter{}) return static_cast<int>(inBar / kSixteenth);
  if (inBar == 0) return 0;
  if (inBar + kSixteenth == BarTicks(meter)) return 14;
  const std::vector<int> starts = BeatStarts(meter);
  const auto beat = std::upper_bound(starts.begin(), starts.end(), inBar) - starts.begin() - 1;
  const int64_t inBeat = inBar - starts[static_cast<size_t>(beat)];
  if (inBeat == 0) return beat % 2 == 1 ? 4 : 8;
  return inBeat % (2 * kSixteenth) == 0 ? 2 : 3;
}

// The instruments struck on the sixteenth s of a 4/4 bar, each instrument
// but the bar's first kick at density percent of its chance; the open
// hi-hat silences the closed one.
std::vector<int> DrawStep(int s, int density, EngineState& state) {
  std::vector<int> keys;
  for (const DrumWeights& d : kDrums)
    if (static_cast<int>(state.random.Next(100)) < ChanceAtDensity(d.chance[s], density)) keys.push_back(d.key);
  if (keys.size() > 1 && keys.back() == kOpenHat) std::erase(keys, kClosedHat);
  if (s == 0 && (keys.empty() || keys.front() != kKick)) keys.insert(keys.begin(), kKick);
  return keys;
}

}  // namespace

Phrase ComposeDrums(int64_t bodyTicks, const PartTime& time, const PartVoicing& voicing, EngineState& state) {
  const Meter meter = time.meter;
  const int density = voicing.density;
  std::vector<PartHit> hits;
  std::vector<int> keys;
  ForEachStep(bodyTicks, meter, kSixteenth, [&](int64_t barStart, int64_t in) {
    const std::vector<int> step = DrawStep(CommonTimeStep(meter, in), density, state);
    if (step.empty()) return;
    const int64_t t = barStart + in;
    hits.push_back({t, std::min({kSixteenth, bodyTicks - t, BarTicks(meter) - in}), static_cast<int>(step.size())});
    keys.insert(keys.end(), step.begin(), step.end());
  });
  Phrase drums = WritePart(VoiceOf("drums", voicing, 100, 100), hits, keys, bodyTicks, time);
  // A redrawn hit becomes another instrument of its step: the first of the
  // step's draws that sounds, the bar's first kick staying.
  drums.SetKeyChooser([meter, density](const std::vector<PhraseNote>& n, size_t index, const Settings&,
                                       EngineState& s) {
    const PhraseNote& note = n[index];
    const int step = CommonTimeStep(meter, note.startTick % BarTicks(meter));
    if (step == 0 && note.key == kKick) return kKick;
    const std::vector<int> drawn = DrawStep(step, density, s);
    return drawn.empty() ? note.key : drawn.front();
  });
  return drums;
}

}  // namespace volemo

#include <algorithm>
#include <map>

#include "accompaniment.h"
#include "part_steps.h"
#include "part_writer.h"

namespace volemo {
namespace {

constexpr int64_t kSixteenth = kWholeNoteTicks / 16;

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
std::vector<int> DrawStep(const DrumWeights& weights, int s, bool barFirst, int density, EngineState& state) {
  std::vector<int> keys;
  for (size_t i = 0; i < kDrumKeys.size(); ++i)
    if (static_cast<int>(state.random.Next(100)) < ChanceAtDensity(weights[i][static_cast<size_t>(s)], density))
      keys.push_back(kDrumKeys[i]);
  if (keys.size() > 1 && keys.back() == kOpenHat) std::erase(keys, kClosedHat);
  if (barFirst && (keys.empty() || keys.front() != kKick)) keys.insert(keys.begin(), kKick);
  return keys;
}

}  // namespace

Phrase ComposeDrums(int64_t bodyTicks, const PartTime& time, const PartVoicing& voicing, const DrumWeights& weights,
                    EngineState& state) {
  const Meter meter = time.meter;
  const int density = voicing.density;
  const PartOnsets onsets(voicing);
  std::vector<PartHit> hits;
  std::vector<int> keys;
  int index = 0;
  ForEachStep(bodyTicks, meter, kSixteenth, [&](int64_t barStart, int64_t in) {
    if (onsets.Euclidean() && !onsets.At(index++)) return;
    const bool barFirst = hits.empty() || hits.back().start < barStart;
    std::vector<int> step = DrawStep(weights, CommonTimeStep(meter, in), barFirst, density, state);
    if (step.empty() && onsets.Euclidean()) step.push_back(kClosedHat);
    if (step.empty()) return;
    const int64_t t = barStart + in;
    hits.push_back({t, std::min({kSixteenth, bodyTicks - t, BarTicks(meter) - in}), static_cast<int>(step.size())});
    keys.insert(keys.end(), step.begin(), step.end());
  });
  DropHits(hits, keys, voicing.stepProbability, state.random, BarTicks(time.meter));
  Phrase drums = WritePart(VoiceOf("drums", voicing, 100, 100), hits, keys, bodyTicks, time);
  // The groove moves where a hit sounds; its step is where it was drawn.
  std::map<int64_t, int64_t> drawnAt;  // of the hits it moved
  for (size_t i = 0, h = 0; h < hits.size(); i += static_cast<size_t>(hits[h++].count))
    if (i < drums.Notes().size() && drums.Notes()[i].startTick != hits[h].start)
      drawnAt.emplace(drums.Notes()[i].startTick, hits[h].start);
  // A redrawn hit becomes another instrument of its step: the first of the
  // step's draws that sounds, the bar's first kick staying.
  drums.SetKeyChooser([meter, density, weights, drawnAt](const std::vector<PhraseNote>& n, size_t index,
                                                         const Settings&, EngineState& s) {
    const PhraseNote& note = n[index];
    const auto place = drawnAt.find(note.startTick);
    const int64_t at = place == drawnAt.end() ? note.startTick : place->second;
    const int step = CommonTimeStep(meter, at % BarTicks(meter));
    const bool barFirst = FirstHitOfBar(n, index, BarTicks(meter));
    if (barFirst && note.key == kKick) return kKick;
    const std::vector<int> drawn = DrawStep(weights, step, barFirst, density, s);
    return drawn.empty() ? note.key : drawn.front();
  });
  return drums;
}

}  // namespace volemo

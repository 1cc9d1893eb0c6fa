#include "part_steps.h"

#include "euclidean_rhythm.h"

namespace volemo {

PartOnsets::PartOnsets(const PartVoicing& voicing) {
  if (voicing.euclid) onsets_ = EuclideanRhythm(voicing.euclid->onsets, voicing.euclid->steps, voicing.euclid->rotation);
}

void DropHits(std::vector<PartHit>& hits, std::vector<int>& keys, int percent, RandomSource& random,
              int64_t barTicks) {
  if (percent >= 100) return;
  std::vector<PartHit> kept;
  std::vector<int> keptKeys;
  size_t next = 0;
  for (const PartHit& hit : hits) {
    const bool sounds = static_cast<int>(random.Next(100)) < percent || (barTicks > 0 && hit.start % barTicks == 0);
    if (sounds) kept.push_back(hit);
    for (int k = 0; k < hit.count && next < keys.size(); ++k, ++next)
      if (sounds) keptKeys.push_back(keys[next]);
  }
  hits = std::move(kept);
  keys = std::move(keptKeys);
}

bool FirstHitOfBar(const std::vector<PhraseNote>& notes, size_t index, int64_t barTicks) {
  const int64_t start = notes[index].startTick;
  size_t i = index;
  while (i > 0 && notes[i - 1].startTick == start) --i;
  return i == 0 || notes[i - 1].startTick / barTicks != start / barTicks;
}

}  // namespace volemo

#include <algorithm>
#include <cstdlib>

#include "accompaniment.h"
#include "harmony.h"
#include "part_steps.h"
#include "part_writer.h"
#include "voice_leading.h"

namespace volemo {
namespace {

// The beat after the first nearest the middle of the bar (the first of two
// as near); 0 for a bar of one beat.
int64_t HalfBar(const Meter& meter) {
  const std::vector<int> starts = BeatStarts(meter);
  const int middle = BarTicks(meter) / 2;
  int64_t best = 0;
  for (size_t i = 1; i < starts.size(); ++i)
    if (best == 0 || std::abs(starts[i] - middle) < std::abs(best - middle)) best = starts[i];
  return best;
}

constexpr int64_t kEighth = kWholeNoteTicks / 8;

// Where the chords strike within the body.
std::vector<int64_t> CompingStarts(Comping comping, const PartOnsets& onsets, const Phrase& melody, int64_t bodyTicks,
                                   const Meter& meter) {
  const int64_t barTicks = BarTicks(meter), half = HalfBar(meter);
  std::vector<int64_t> starts;
  if (onsets.Euclidean()) {
    int step = 0;
    ForEachStep(bodyTicks, meter, kEighth, [&](int64_t barStart, int64_t in) {
      if (onsets.At(step++)) starts.push_back(barStart + in);
    });
    return starts;
  }
  for (int64_t bar = 0; bar < bodyTicks; bar += barTicks) {
    starts.push_back(bar);
    if (comping == Comping::Halves && half > 0 && bar + half < bodyTicks) starts.push_back(bar + half);
    if (comping != Comping::Accents) continue;
    for (const PhraseNote& n : melody.Notes())
      if (n.startTick > bar && n.startTick < std::min(bar + barTicks, bodyTicks) &&
          AccentAt(meter, n.startTick) != Accent::None && starts.back() != n.startTick)
        starts.push_back(n.startTick);
  }
  return starts;
}

}  // namespace

Phrase ComposeChords(const std::vector<music::Chord>& chords, int64_t bodyTicks, const PartTime& time,
                     const PartVoicing& voicing, Comping comping, const Phrase& melody, EngineState& state) {
  const int64_t bar = BarTicks(time.meter);
  const std::vector<int64_t> starts = CompingStarts(comping, PartOnsets(voicing), melody, bodyTicks, time.meter);
  const int low = voicing.low, high = voicing.high;
  // A chord is held to the next or the bar line, where its chord may change.
  std::vector<PartHit> hits;
  std::vector<int> keys, voiced;
  for (size_t i = 0; i < starts.size(); ++i) {
    const int64_t next = i + 1 < starts.size() ? starts[i + 1] : bodyTicks;
    hits.push_back({starts[i], std::min(next, (starts[i] / bar + 1) * bar) - starts[i], 1});
  }
  DropHits(hits, keys, voicing.stepProbability, state.random);
  for (PartHit& hit : hits) {
    const music::Chord& chord = ChordAt(chords, hit.start, bar);
    voiced = music::NearestInversion(chord.tones, voiced, low, high, (low + high) / 2);
    hit.count = static_cast<int>(voiced.size());
    keys.insert(keys.end(), voiced.begin(), voiced.end());
  }
  Phrase part = WritePart(VoiceOf("chords", voicing, 80, 95), hits, keys, bodyTicks, time);
  // A redrawn chord note keeps its pitch class and moves by an octave
  // within the range, when it can.
  part.SetKeyChooser([low, high](const std::vector<PhraseNote>& n, size_t index, const Settings&, EngineState& s) {
    const int key = n[index].key;
    const int moved = key + (s.random.Next(2) == 0 ? -12 : 12);
    if (moved >= low && moved <= high) return moved;
    const int other = 2 * key - moved;
    return other >= low && other <= high ? other : key;
  });
  return part;
}

}  // namespace volemo

#include <algorithm>
#include <cstdlib>

#include "accompaniment.h"
#include "harmony.h"
#include "part_steps.h"
#include "part_writer.h"

namespace volemo {
namespace {

constexpr int64_t kEighth = kWholeNoteTicks / 8;
// Chance in percent of a note on each eighth of a 4/4 bar after the first:
// the third beat most, the other beats less, the off-beats least. Other
// meters take the other beats' and the off-beats' chances.
constexpr int kEighthChance[8] = {100, 15, 35, 15, 60, 15, 35, 25};
constexpr int kBeatChance = 35, kOffBeatChance = 15;

int EighthChance(const Meter& meter, int64_t inBar, int density) {
  const int usual = meter == Meter{}               ? kEighthChance[inBar / kEighth]
                    : AccentAt(meter, inBar) != Accent::None ? kBeatChance
                                                             : kOffBeatChance;
  return ChanceAtDensity(usual, density);
}

struct BassRange {
  int low, high;
  // The key of pitch class p in the range nearest near.
  int Place(int p, int near) const {
    int best = -1;
    for (int key = low; key <= high; ++key)
      if (key % 12 == p && (best < 0 || std::abs(key - near) < std::abs(best - near))) best = key;
    return best;
  }
};

// A note of the bass after the chord's first: the root half the time, the
// fifth (the chord's third tone as stacked) three times in ten, else a
// scale tone a step from the note before towards the next chord's root.
int BassKey(const std::vector<music::Chord>& chords, int64_t bar, const BassRange& range,
            const std::vector<PhraseNote>& notes, size_t index, int previous, EngineState& state) {
  const PhraseNote& note = notes[index];
  const music::Chord& chord = ChordAt(chords, note.startTick, bar);
  if (previous < 0 || FirstHitOfBar(notes, index, bar))
    return range.Place(chord.root, previous < 0 ? (range.low + range.high) / 2 : previous);
  const uint32_t r = state.random.Next(100);
  if (r < 50) return range.Place(chord.root, previous);
  if (r < 80) return range.Place(chord.tones[std::min<size_t>(2, chord.tones.size() - 1)], previous);
  const int target = range.Place(ChordAt(chords, (note.startTick / bar + 1) * bar, bar).root, previous);
  const int direction = target >= previous ? 1 : -1;
  for (int step = 1; step <= 2; ++step) {
    const int key = previous + direction * step;
    if (key >= range.low && key <= range.high && state.weights[key % 12] > 0) return key;
  }
  return range.Place(chord.root, previous);
}

}  // namespace

Phrase ComposeBass(const std::vector<music::Chord>& chords, int64_t bodyTicks, const PartTime& time,
                   const PartVoicing& voicing, EngineState& state) {
  const int64_t bar = BarTicks(time.meter);
  const PartOnsets onsets(voicing);
  const auto barEnd = [bar](int64_t t) { return (t / bar + 1) * bar; };
  std::vector<PartHit> hits;
  int step = 0;
  ForEachStep(bodyTicks, time.meter, kEighth, [&](int64_t barStart, int64_t in) {
    const bool strikes = onsets.Euclidean() ? onsets.At(step++)
                                            : in == 0 || static_cast<int>(state.random.Next(100)) <
                                                             EighthChance(time.meter, in, voicing.density);
    if (!strikes) return;
    const int64_t t = barStart + in;
    if (!hits.empty()) hits.back().length = std::min(t, barEnd(hits.back().start)) - hits.back().start;
    hits.push_back({t, std::min({kEighth, bodyTicks - t, bar - in}), 1});
  });
  // Each note lasts until the next, or to the end of its bar.
  if (!hits.empty()) {
    PartHit& last = hits.back();
    last.length = std::min(bodyTicks, barEnd(last.start)) - last.start;
  }
  std::vector<int> keys;
  DropHits(hits, keys, voicing.stepProbability, state.random, BarTicks(time.meter));
  const BassRange range{voicing.low, voicing.high};
  std::vector<PhraseNote> notes(hits.size());
  for (size_t i = 0; i < hits.size(); ++i) notes[i].startTick = hits[i].start;
  for (size_t i = 0; i < hits.size(); ++i)
    keys.push_back(BassKey(chords, bar, range, notes, i, keys.empty() ? -1 : keys.back(), state));
  Phrase bass = WritePart(VoiceOf("bass", voicing, 100, 90), hits, keys, bodyTicks, time);
  bass.SetKeyChooser([chords, bar, range](const std::vector<PhraseNote>& n, size_t index, const Settings&,
                                          EngineState& s) {
    return BassKey(chords, bar, range, n, index, index > 0 ? n[index - 1].key : -1, s);
  });
  return bass;
}

}  // namespace volemo

#include <algorithm>
#include <cstdlib>

#include "accompaniment.h"
#include "harmony.h"
#include "part_writer.h"

namespace volemo {
namespace {

constexpr int64_t kEighth = kBeatTicks / 2;
// Chance in percent of a note on each eighth of the bar after the first:
// the third beat most, the other beats less, the off-beats least.
constexpr int kEighthChance[8] = {100, 15, 35, 15, 60, 15, 35, 25};
constexpr int kBassCentre = 40;

// The key of pitch class p in the bass's range nearest near.
int Place(int p, int near) {
  int best = -1;
  for (int key = kBassLow; key <= kBassHigh; ++key)
    if (key % 12 == p && (best < 0 || std::abs(key - near) < std::abs(best - near))) best = key;
  return best;
}

// A note of the bass after the chord's first: the root half the time, the
// fifth (the chord's third tone as stacked) three times in ten, else a
// scale tone a step from the note before towards the next chord's root.
int BassKey(const std::vector<music::Chord>& chords, const PhraseNote& note, int previous, EngineState& state) {
  const music::Chord& chord = ChordAt(chords, note.startTick);
  if (previous < 0 || note.startTick % kBarTicks == 0) return Place(chord.root, previous < 0 ? kBassCentre : previous);
  const uint32_t r = state.random.Next(100);
  if (r < 50) return Place(chord.root, previous);
  if (r < 80) return Place(chord.tones[std::min<size_t>(2, chord.tones.size() - 1)], previous);
  const int target = Place(ChordAt(chords, (note.startTick / kBarTicks + 1) * kBarTicks).root, previous);
  const int direction = target >= previous ? 1 : -1;
  for (int step = 1; step <= 2; ++step) {
    const int key = previous + direction * step;
    if (key >= kBassLow && key <= kBassHigh && state.weights[key % 12] > 0) return key;
  }
  return Place(chord.root, previous);
}

}  // namespace

Phrase ComposeBass(const std::vector<music::Chord>& chords, int64_t bodyTicks, EngineState& state) {
  std::vector<PartHit> hits;
  for (int64_t t = 0; t < bodyTicks; t += kEighth) {
    const int eighth = static_cast<int>(t % kBarTicks / kEighth);
    if (t % kBarTicks != 0 && static_cast<int>(state.random.Next(100)) >= kEighthChance[eighth]) continue;
    if (!hits.empty()) hits.back().length = t - hits.back().start;
    hits.push_back({t, std::min(kEighth, bodyTicks - t), 1});
  }
  // Each note lasts until the next, or to the end of its bar.
  if (!hits.empty()) {
    PartHit& last = hits.back();
    last.length = std::min(bodyTicks, (last.start / kBarTicks + 1) * kBarTicks) - last.start;
  }
  std::vector<PhraseNote> notes(hits.size());
  std::vector<int> keys;
  for (size_t i = 0; i < hits.size(); ++i) {
    notes[i].startTick = hits[i].start;
    keys.push_back(BassKey(chords, notes[i], keys.empty() ? -1 : keys.back(), state));
  }
  Phrase bass = WritePart({"bass", 2, 34, 100, 90}, hits, keys, bodyTicks);
  bass.SetKeyChooser([chords](const std::vector<PhraseNote>& n, size_t index, const Settings&, EngineState& s) {
    return BassKey(chords, n[index], index > 0 ? n[index - 1].key : -1, s);
  });
  return bass;
}

}  // namespace volemo

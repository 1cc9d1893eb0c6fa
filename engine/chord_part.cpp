#include <algorithm>

#include "accompaniment.h"
#include "harmony.h"
#include "part_writer.h"
#include "voice_leading.h"

namespace volemo {
namespace {

constexpr int kChordCentre = 64;

// Where the chords strike within the body.
std::vector<int64_t> CompingStarts(Comping comping, const Phrase& melody, int64_t bodyTicks) {
  std::vector<int64_t> starts;
  for (int64_t bar = 0; bar < bodyTicks; bar += kBarTicks) {
    starts.push_back(bar);
    if (comping == Comping::Halves && bar + kBarTicks / 2 < bodyTicks) starts.push_back(bar + kBarTicks / 2);
    if (comping != Comping::Accents) continue;
    for (const PhraseNote& n : melody.Notes())
      if (n.startTick > bar && n.startTick < std::min(bar + kBarTicks, bodyTicks) && n.startTick % kBeatTicks == 0 &&
          starts.back() != n.startTick)
        starts.push_back(n.startTick);
  }
  return starts;
}

}  // namespace

Phrase ComposeChords(const std::vector<music::Chord>& chords, int64_t bodyTicks, Comping comping,
                     const Phrase& melody) {
  const std::vector<int64_t> starts = CompingStarts(comping, melody, bodyTicks);
  std::vector<PartHit> hits;
  std::vector<int> keys, voicing;
  for (size_t i = 0; i < starts.size(); ++i) {
    const int64_t end = i + 1 < starts.size() ? starts[i + 1] : bodyTicks;
    const music::Chord& chord = ChordAt(chords, starts[i]);
    voicing = music::NearestInversion(chord.tones, voicing, kChordLow, kChordHigh, kChordCentre);
    hits.push_back({starts[i], end - starts[i], static_cast<int>(voicing.size())});
    keys.insert(keys.end(), voicing.begin(), voicing.end());
  }
  Phrase part = WritePart({"chords", 3, 5, 80, 95}, hits, keys, bodyTicks);
  // A redrawn chord note keeps its pitch class and moves by an octave
  // within the range, when it can.
  part.SetKeyChooser([](const std::vector<PhraseNote>& n, size_t index, const Settings&, EngineState& s) {
    const int key = n[index].key;
    const int moved = key + (s.random.Next(2) == 0 ? -12 : 12);
    if (moved >= kChordLow && moved <= kChordHigh) return moved;
    const int other = 2 * key - moved;
    return other >= kChordLow && other <= kChordHigh ? other : key;
  });
  return part;
}

}  // namespace volemo

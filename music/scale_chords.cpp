#include "scale_chords.h"

#include <algorithm>
#include <vector>

#include "chord_names.h"

namespace volemo::music {

std::optional<Chord> StackScaleTones(unsigned scaleMask, int root, int count) {
  std::vector<int> scale;
  for (int p = 0; p < 12; ++p)
    if (scaleMask >> p & 1) scale.push_back(p);
  const auto at = std::find(scale.begin(), scale.end(), root);
  if (scale.size() < 5 || scale.size() > 7 || at == scale.end()) return std::nullopt;
  const size_t first = static_cast<size_t>(at - scale.begin());
  Chord chord;
  chord.root = root;
  for (int k = 0; k < count; ++k) chord.tones.push_back(scale[(first + 2 * k) % scale.size()]);
  chord.symbol = ChordName(chord.tones);
  return chord;
}

}  // namespace volemo::music

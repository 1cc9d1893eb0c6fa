// Chords built from a scale: its own tones stacked, so that each scale
// gives chords of its own colour.
#pragma once

#include <optional>

#include "chord.h"

namespace volemo::music {

// Tertian harmony by stacking alternate scale tones (the scale's "thirds"):
// the root and the tones two, four (and six) places above it in the scale,
// counted upward and around the octave. scaleMask holds bit p for each
// pitch class p of the scale; count is 3 or 4. nullopt when the scale does
// not hold the root, or holds fewer than 5 or more than 7 tones (alternate
// tones of such a scale are no thirds: a triad's own tones, a cluster).
std::optional<Chord> StackScaleTones(unsigned scaleMask, int root, int count);

}  // namespace volemo::music

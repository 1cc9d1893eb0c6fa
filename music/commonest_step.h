// The step a piece moves in: its commonest time from one onset to the next.
#pragma once

#include <cstdint>
#include <span>

namespace volemo {

// onsets: note start times in ticks, in order; onsets within a 128th note
// of the one before count as one. Each time between two successive distinct onsets is read
// as the nearest of the note values 1, 2, 4, ... 64 (a whole note = four
// quarters of ticksPerQuarter), or as a triplet value 3, 6, ... 48 when it
// lies within 5 % of one; the value read most often is returned, the longer
// one on a tie. 0 when there are fewer than two distinct onsets.
int CommonestNoteValue(std::span<const int64_t> onsets, int ticksPerQuarter);

}  // namespace volemo

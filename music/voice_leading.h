// Chords in the inversion nearest the chord before them.
#pragma once

#include <vector>

namespace volemo::music {

// The voice-leading size of two chords as keys: with as many notes in
// each, the sum of the distances between the lowest and the lowest, the
// next and the next, and so on (the taxicab size of Tymoczko's voice-leading
// geometry); with a different count, each note's distance to the nearest
// note of the other chord, summed both ways.
int VoiceLeadingSize(const std::vector<int>& from, const std::vector<int>& to);

// The tones (pitch classes) in close position (all within an octave above
// the lowest, one inversion for each tone in the bass) between the keys low
// and high, that moves least from previous (keys, low
// to high); without a previous chord, the one nearest center. On a tie the
// lower. The keys low to high; empty when no inversion fits.
std::vector<int> NearestInversion(const std::vector<int>& tones, const std::vector<int>& previous, int low, int high,
                                  int center);

}  // namespace volemo::music

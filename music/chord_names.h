// Names of pitch classes and chords, as lead sheets write them.
#pragma once

#include <string>
#include <vector>

namespace volemo::music {

// C C# D Eb E F F# G Ab A Bb B: sharps and flats as keys most often name them.
std::string PitchName(int pitchClass);

// The root's name and the suffix of the chord the tones make above it
// ("", m, dim, aug, sus2, sus4, 7, m7, maj7, m7b5, dim7, 7sus4, mMaj7);
// tones of another shape are listed after the root: "C(D,G)".
std::string ChordName(const std::vector<int>& tones);

}  // namespace volemo::music

// Choosing each note of a phrase and writing it as MML note text.
#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "engine_state.h"
#include "settings.h"

namespace volemo {

// The highest key the compiler plays; the range reaches up to 131 (B10).
inline constexpr int kHighestKey = 127;

// A note number (octave * 12 + pitch class) in the range of cmbOct1/spnOct1
// to cmbOct2/spnOct2 (octaves clamped to their fields' range at use),
// weighted by the scale weights. Never above 127, the highest MIDI key.
int PickNote(const Settings& settings, EngineState& state);
// The same in a range NoteRange gave, for a phrase's many notes.
int PickNote(std::pair<int, int> range, EngineState& state);

// The lowest and the highest note of that range, low <= high; high may
// exceed 127.
std::pair<int, int> NoteRange(const Settings& settings);

// The note's MML text: an absolute octave for the first note of a phrase
// (lastNote < 0), relative octave marks after that. Sets lastNote to note.
std::string NoteToMml(int& lastNote, int note);

// C, C#, D ... B for 0..11: the names the key and range lists show.
std::string_view PitchClassName(int pitchClass);

// The note's name with its octave in the same numbering: C4 for 48, C#4
// for 49.
std::string NoteName(int note);

}  // namespace volemo

// Choosing each note of a phrase and writing it as MML note text.
#pragma once

#include <string>

#include "engine_state.h"
#include "settings.h"

namespace volemo {

// A note number (octave * 12 + pitch class) in the range of cmbOct1/spnOct1
// to cmbOct2/spnOct2 (octaves clamped to their fields' range at use),
// weighted by the scale weights.
int PickNote(const Settings& settings, EngineState& state);

// The note's MML text: an absolute octave for the first note of a phrase,
// relative octave marks after that. Updates state.lastNote.
std::string NoteToMml(EngineState& state, int note);

std::string NextNoteText(const Settings& settings, EngineState& state);

}  // namespace volemo

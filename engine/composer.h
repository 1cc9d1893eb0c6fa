// Turns the rhythm pattern and the settings into the MML document.
#pragma once

#include <cstdint>
#include <string>

#include "engine_state.h"
#include "melody_line.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

// Draws a pattern first when the pattern box is empty or holds only blanks
// and line breaks; puts the document in the MML box and reports it on the
// status line. The step count is capped at its field's maximum at use; a
// pattern without any step symbol is read once (its blanks, no notes).
// Returns the phrase with its notes, all unlocked.
Phrase ComposePhrase(Settings& settings, EngineState& state);

// What a melody adds to the phrase: the line's shape, the chords under it,
// at least minSteps steps (a progression's bars), and a text written before
// the header (a part's opening).
struct MelodyOptions {
  LineSettings line;
  ChordTimeline chords;
  int minSteps = 0;
  std::string opening;
};

// The same, with the melody as a line; default options give the same
// phrase as above. The phrase's Reroll and Mutate draw by the same line.
Phrase ComposePhrase(Settings& settings, EngineState& state, const MelodyOptions& options);

// Ticks of one step of the base note length (spnL's value), rounded to the
// nearest tick as the compiler does; 0 for a length the compiler refuses,
// and then the phrase's notes have no times.
int64_t StepTicks(int32_t noteValue);

}  // namespace volemo

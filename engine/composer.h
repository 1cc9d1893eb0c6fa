// Turns the rhythm pattern and the settings into the MML document.
#pragma once

#include <cstdint>

#include "engine_state.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

// Draws a pattern first when the pattern box is empty or holds only blanks
// and line breaks; puts the document in the MML box and reports it on the
// status line. The step count is capped at its field's maximum at use; a
// pattern without any step symbol is read once (its blanks, no notes).
// Returns the phrase with its notes, all unlocked.
Phrase ComposePhrase(Settings& settings, EngineState& state);

// Ticks of one step of the base note length (spnL's value), rounded to the
// nearest tick as the compiler does; 0 for a length the compiler refuses,
// and then the phrase's notes have no times.
int64_t StepTicks(int32_t noteValue);

}  // namespace volemo

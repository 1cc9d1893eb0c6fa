// Turns the rhythm pattern and the settings into the MML document.
#pragma once

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

}  // namespace volemo

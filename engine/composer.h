// Turns the rhythm pattern and the settings into the MML document.
#pragma once

#include "engine_state.h"
#include "settings.h"

namespace volemo {

// Draws a pattern first when the pattern box is empty; puts the document in
// the MML box and reports it on the status line.
void ComposePhrase(Settings& settings, EngineState& state);

}  // namespace volemo

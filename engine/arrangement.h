// A phrase with parts: the melody and, when asked for, a bass, chords and
// drums over one chord progression, each part a phrase of its own written
// into one MML document.
#pragma once

#include <string>
#include <vector>

#include "engine_state.h"
#include "melody_line.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

struct ArrangementSettings {
  LineSettings line;
};

struct Arrangement {
  std::vector<Phrase> parts;  // the melody first
  std::string Mml() const;
};

// Composes every part; without parts asked for, the melody alone with the
// line's settings, as ComposePhrase does. Puts the document in the MML box.
Arrangement ComposeArrangement(Settings& settings, EngineState& state, const ArrangementSettings& arrangement);

}  // namespace volemo

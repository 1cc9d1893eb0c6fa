// A phrase in sections: a form such as AA'BA' names each section by a
// letter, a prime marking a variation of the letter's section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine_state.h"
#include "groove_settings.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

struct FormSection {
  char letter = 'A';
  int primes = 0;
};

// Capital letters, each followed by any number of primes ('). Throws
// std::invalid_argument with the reason for an empty form or any other
// character.
std::vector<FormSection> ParseForm(std::string_view form);

// Each section groove.sectionBars bars of the meter (4/4 without one): a
// letter's first section is a new body (on a newly drawn pattern when the
// box was empty), its repeats the same notes, each primed form of it the
// letter's notes with groove.variation of them redrawn, the rhythm kept;
// every section written out once, in order, after a comment naming it.
// Throws std::invalid_argument for a form ParseForm refuses or sections
// that do not hold a whole number of steps.
Phrase ComposeForm(Settings& settings, EngineState& state, const GrooveSettings& groove);

}  // namespace volemo

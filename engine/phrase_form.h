// A phrase in sections: a form such as AA'BA' names each section by a
// letter, a prime marking a variation of the letter's section.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine_state.h"
#include "groove_settings.h"
#include "melody_line.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

struct FormSection {
  char letter = 'A';
  int primes = 0;

  // As the form writes it: A, A'.
  std::string Name() const { return std::string(1, letter) + std::string(size_t(primes), '\''); }
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
// chords: a chord a bar over the whole form (FormProgression); each new
// section's line runs by the line's settings over its own bars, its contour and cadence over the
// section; the variations draw by the same line. opening goes before the
// header. Throws std::invalid_argument for a form ParseForm refuses or
// sections that do not hold a whole number of steps.
Phrase ComposeForm(Settings& settings, EngineState& state, const GrooveSettings& groove, const LineSettings& line = {},
                   const ChordTimeline& chords = {}, const std::string& opening = {});

// The length of the whole form in ticks; 0 without a form. Throws as
// ParseForm does.
int64_t FormTicks(const GrooveSettings& groove);

}  // namespace volemo

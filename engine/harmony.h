// The chord progression under a phrase: typed, or drawn from the table of
// common progressions, its chords built from the scale where it can.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "chord.h"
#include "engine_state.h"
#include "groove_settings.h"
#include "melody_line.h"

namespace volemo {

// One chord per bar. "random" draws from the table, by a source of its own
// seeded from state's seed, so that the melody draws as it would without
// the progression; any other text is read as chord symbols (UTF-8) in the
// key. Drawn chords whose root the scale holds are its own tones stacked
// (for scales of 5 to 7 tones); every other chord is as written. Throws
// EngineError for a text that is no progression.
std::vector<music::Chord> MakeProgression(const std::string& text, int key, const EngineState& state);

// A progression text split by its section labels: "A: I vi IV V | B: ii V
// I" gives letter A and B their own; the text before the first label (all
// of it when there is none) plays under every letter without one.
struct SectionTexts {
  std::string common;
  std::map<char, std::string> letters;
};

// Throws EngineError for a letter labelled twice or a label without chords.
SectionTexts SplitSections(std::string_view text);

// Why the text is no progression (each section's, with its labels); empty
// when it is one.
std::string ProgressionError(std::string_view text);

// The chords a bar over the whole form, each section on its letter's
// progression from its first chord (a primed letter on its letter's), so
// that a repeated letter is the same notes over the same chords. A
// letter's "random" draws by a source of its own, "A: random" as a plain
// "random" does. Without a form, the progression the text gives every
// letter (or A). Throws EngineError for a text that is no progression or a
// letter of the form left without one.
std::vector<music::Chord> FormProgression(const std::string& text, int key, const EngineState& state,
                                          const GrooveSettings& groove);

// The pitch-class masks of the chords, a chord a bar of meter, for the melody.
ChordTimeline TimelineOf(const std::vector<music::Chord>& chords, const Meter& meter);

// The chord sounding at a tick of the body: chord i in bar i of barTicks,
// around again when the body is longer.
const music::Chord& ChordAt(const std::vector<music::Chord>& chords, int64_t tick, int64_t barTicks);

// Bit p set for each pitch class p the scale weights hold.
unsigned ScaleMask(const ScaleWeights& weights);

}  // namespace volemo

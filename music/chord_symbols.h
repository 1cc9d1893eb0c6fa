// Chord progressions as typed: Roman numerals relative to the key (I vi IV
// V, ii7 V7 I, bVII, vii°) or absolute names (Am F C G, F#m7, Bb).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "chord.h"

namespace volemo::music {

// One symbol in the key whose tonic is pitch class key. Roman numerals:
// an optional b or #, I..VII (upper case major, lower case minor), then
// ° or dim, 7 or maj7, sus4 in that order. Names: A..G, an optional # or b,
// then m, ° or dim, 7 or maj7, sus4. A 7 adds a minor seventh (a
// diminished one to a diminished chord), maj7 a major one; sus4 puts the
// fourth in place of the third. nullopt for anything else.
std::optional<Chord> ParseChordSymbol(std::string_view symbol, int key);

struct ParsedProgression {
  std::vector<Chord> chords;
  std::string error;  // empty when every symbol was read
};

// Symbols separated by blanks, commas, bar lines or hyphens. The error
// quotes the first symbol that is not one, or says there is none.
ParsedProgression ParseProgression(std::string_view text, int key);

}  // namespace volemo::music

// Random rhythm patterns of the seven symbols N r ^ m d W B.
#pragma once

#include <array>
#include <string_view>

#include "engine_state.h"
#include "settings.h"

namespace volemo {

// Symbol i is weighted by the slider kRhythmSymbolSliders[i].
inline constexpr std::string_view kRhythmSymbols = "Nr^mdWB";
inline constexpr std::array<std::string_view, 7> kRhythmSymbolSliders = {"scrP0", "scrP1", "scrP2", "scrP3",
                                                                         "scrP4", "scrP5", "scrP6"};

// Percentage of one symbol weight in total, as the pattern draw uses it.
int RhythmPercent(int weight, int total);

char DrawRhythmSymbol(const Settings& settings, RandomSource& random);
// A symbol that sounds (not ^ or r) by the same weights; N when they
// leave practically nothing else.
char DrawSoundingSymbol(const Settings& settings, RandomSource& random);

// Draws a pattern of spnPatternCount symbols (capped at the field's maximum
// at use; none for a count of 0 or less) in groups of four into the pattern
// box and reports it on the status line.
void MakeRandomPattern(Settings& settings, EngineState& state);

// Sets the seven symbol weights scrP0..scrP6 at random.
void RandomizePatternWeights(Settings& settings, EngineState& state);

}  // namespace volemo

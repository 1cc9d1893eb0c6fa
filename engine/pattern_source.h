// Where a drawn pattern comes from: symbol by symbol by their weights, or
// a Euclidean rhythm whose onsets' symbols are drawn by their weights.
#pragma once

#include "engine_state.h"
#include "groove_settings.h"
#include "settings.h"

namespace volemo {

// n steps, the onsets of EuclideanRhythm(k, n, r) each a sounding symbol
// (N m d W B) drawn by the weights, the other steps rests; in groups of
// four into the pattern box, reported on the status line. Throws
// std::invalid_argument for a rhythm EuclideanRhythm refuses.
void MakeEuclideanPattern(Settings& settings, EngineState& state, const EuclidSteps& euclid);

// The Euclidean pattern when groove asks for one, else MakeRandomPattern.
void DrawPattern(Settings& settings, EngineState& state, const GrooveSettings& groove);

}  // namespace volemo

// The controls that make phrases like a piece: what its notes say of the
// key and scale, the scale and rhythm weights, gates, range, step, tempo
// and loudness.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "control_values.h"
#include "engine_state.h"
#include "key_finding.h"
#include "piece_notes.h"

namespace volemo {

struct Style {
  int notes = 0;
  std::vector<int> tracks;        // from 1
  KeyMatch key;                   // scale indexes the scale list; -1 when it is empty
  std::string scaleName;          // CP932, as the scale list holds it; empty when none
  ScaleWeights weights{};         // C first, 0 to 10
  std::array<int, 7> rhythm{};    // N r ^ m d W B, 0 to 100
  std::string symbols;            // the piece read as rhythm symbols, one a step
  std::optional<int> gateN, gateM;  // percent; none without such notes
  int low = 0, high = 0;          // note numbers (C4 = 48), inside the range the controls can hold
  std::optional<int> noteValue;   // the step: l4, l8, l16 ...; none with a single onset
  int tempo = 120;                // beats a minute, inside the tempo field's range
  int velocity = 0;               // the median note-on velocity
};

// scales: the scale list (names and definitions) to find the key in.
Style LearnStyle(const PieceNotes& piece, const EngineState& scales);

// The step of the piece in its own ticks.
int64_t StepTicksOf(const PieceNotes& piece, const Style& style);

// The controls to set, in the order to set them: scale and key first (which
// put the scale's own weights on the sliders), then the learned weights,
// the rhythm weights, gates, range, step, tempo and velocity.
ControlValues StyleControls(const Style& style);

}  // namespace volemo

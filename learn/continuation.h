// The bars that follow a piece, drawn from what follows what in it.
#pragma once

#include "engine_state.h"
#include "memory_settings.h"
#include "phrase.h"
#include "piece_notes.h"
#include "style.h"

namespace volemo {

// The most steps a phrase holds (the step count field's maximum).
int MaxContinuationSteps();

// Composes `bars` bars of 4/4 in the style's step after the piece, with the
// settings already set to the style: the rhythm symbols drawn by a
// first-order model of the piece's symbols from its last one, then every
// note's key by a first-order model of the piece's intervals from its last
// note, kept in the style's range and on its pitch classes (weight above 0;
// an interval that leaves them is drawn again, then any interval of the
// piece that stays is taken, then the nearest key that does). Puts the
// pattern, step count and MML in the settings as composing does. Throws
// std::invalid_argument when the bars do not fit in a phrase.
Phrase ComposeContinuation(const PieceNotes& piece, const Style& style, int bars, EditableSettings& settings,
                           EngineState& state);

}  // namespace volemo

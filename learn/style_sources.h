// Where a style is learned from besides a MIDI file: the starred takes.
#pragma once

#include "piece_notes.h"
#include "take_store.h"

namespace volemo {

// The notes of every starred take, each compiled from its MML as it plays
// and put one after another from a bar's start. Takes whose MML does not
// compile (a hand edit) are passed over. Throws LearnError naming the
// database when no starred take gives a note.
PieceNotes StarredTakeNotes(const TakeStore& store);

}  // namespace volemo

// Hand edits of single notes of a phrase. A note's place is the notes of
// its start and key, which sound as one and are edited together; its step
// is the notes of its start, a chord that moves, lasts and sounds as loud
// as one. Every edit but a key alone writes the body anew (Phrase::Rewrite),
// so each throws std::logic_error for a phrase that is not Rewritable(),
// and std::out_of_range for a number that is not 1..Notes().size().
#pragma once

#include <cstdint>

#include "phrase.h"
#include "settings.h"

namespace volemo {

// The place to key (0..127) and its step to start (clamped into the body);
// a step that then reaches over the next ends where the next starts, and
// a note it lands in ends where it lands. At its own start only the key
// changes, and the rest of the text stays as it is.
void MoveNote(Phrase& phrase, int number, int64_t start, int key);

// The step's written length (at least a tick; up to the next step's start
// and the body's end).
void SetNoteLength(Phrase& phrase, int number, int64_t ticks);

// A note of one step (up to the next note) at start in the body, with the
// normal gate (scrGateN) and the velocity of the note before it (else of
// the first note, else 100). A note sounding there ends where it starts.
void AddNote(Phrase& phrase, const Settings& settings, int64_t start, int key);

// The place's notes, gone.
void RemoveNote(Phrase& phrase, int number);

// The step's velocity, 1..127.
void SetNoteVelocity(Phrase& phrase, int number, int velocity);

}  // namespace volemo

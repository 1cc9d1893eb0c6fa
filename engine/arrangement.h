// A phrase with parts: the melody and, when asked for, a bass, chords and
// drums over one chord progression, each part a phrase of its own written
// into one MML document.
#pragma once

#include <string>
#include <vector>

#include "accompaniment.h"
#include "chord.h"
#include "engine_state.h"
#include "groove_settings.h"
#include "melody_line.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

struct ArrangementSettings {
  LineSettings line;
  bool bass = false, chords = false, drums = false;
  std::string progression;  // chord symbols (UTF-8) or "random"; empty: no chords
  Comping comping = Comping::Halves;
  PartVoicing bassVoicing = kBassVoicing, chordVoicing = kChordVoicing, drumVoicing = kDrumVoicing;
  DrumWeights drumWeights = kDrumWeights;

  bool operator==(const ArrangementSettings&) const = default;
  bool HasParts() const { return bass || chords || drums; }
  // Chords when a progression is given; the chord part needs one.
  bool HasChords() const { return !progression.empty(); }
};

struct Arrangement {
  std::vector<std::string> names;  // "melody" first, then the parts asked for
  std::vector<Phrase> parts;       // parallel to names
  std::vector<music::Chord> chords;  // one a bar (over a form, every bar); empty without a progression
  int64_t bodyTicks = 0;
  int64_t barTicks = kWholeNoteTicks;  // of the meter
  std::string Mml() const;
  // Every part as one phrase, its MML Mml(), each note redrawn by its own
  // part's choice; the melody alone is that phrase itself.
  Phrase Whole() const;
  // The index in Whole()'s notes of each part's first note, and past the last.
  std::vector<size_t> FirstNotes() const;
};

// Where each part starts in a whole of wholeSize notes that a whole of parts
// starting at composed (its FirstNotes()) became: the melody may have
// changed its number of notes (a section copied over another), the parts
// after it keep theirs. composed itself when no such change fits.
std::vector<size_t> PartStarts(std::vector<size_t> composed, size_t wholeSize);

// Composes every part; without parts and progression, the melody alone with
// the line's settings, as ComposePhrase does. With a progression the body
// holds at least one bar for each chord; the groove shapes the melody.
// Puts the document in the MML box.
// Throws EngineError for a progression that cannot be read.
Arrangement ComposeArrangement(Settings& settings, EngineState& state, const ArrangementSettings& arrangement,
                               const GrooveSettings& groove = {});

}  // namespace volemo

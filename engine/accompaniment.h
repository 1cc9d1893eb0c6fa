// The parts that go with the melody over its chords: a bass, the chords
// themselves, and drums. Each draws from the engine's random source after
// the melody, so the melody is the same with or without them.
#pragma once

#include <vector>

#include "chord.h"
#include "engine_state.h"
#include "phrase.h"

namespace volemo {

enum class Comping { Whole, Halves, Accents };

// Keys 28..52 (a four-string bass), channel 2, fingered bass: each chord's
// root on its first step, then roots, fifths and passing scale tones on
// eighth notes, sparser than the melody.
Phrase ComposeBass(const std::vector<music::Chord>& chords, int64_t bodyTicks, EngineState& state);

// Each chord in 3 or 4 notes within keys 52..76, each in the inversion
// nearest the one before, on channel 3 (electric piano): a whole bar, two
// halves, or a hit on each beat where the melody starts a note (accents).
Phrase ComposeChords(const std::vector<music::Chord>& chords, int64_t bodyTicks, Comping comping,
                     const Phrase& melody);

// The General MIDI kit on channel 10 on sixteenth notes: kick, snare,
// closed and open hi-hat, each weighted by its place in the bar, and always
// a kick on a bar's first step.
Phrase ComposeDrums(int64_t bodyTicks, EngineState& state);

// The drum keys: kick, snare, closed hi-hat, open hi-hat.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46;
constexpr int kBassLow = 28, kBassHigh = 52;
constexpr int kChordLow = 52, kChordHigh = 76;

}  // namespace volemo

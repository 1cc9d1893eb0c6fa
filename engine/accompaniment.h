// The parts that go with the melody over its chords: a bass, the chords
// themselves, and drums. Each draws from the engine's random source after
// the melody, so the melody is the same with or without them.
#pragma once

#include <algorithm>
#include <vector>

#include "chord.h"
#include "engine_state.h"
#include "meter.h"
#include "phrase.h"

namespace volemo {

enum class Comping { Whole, Halves, Accents };

// Where a part plays: its channel and voice (0: none asked for), its keys
// (drums: unused) and how often it strikes, in percent of its usual chances
// (a bar's first note always stays).
struct PartVoicing {
  int channel = 1;
  int voice = 0;
  int low = 0, high = 127;
  int density = 100;

  bool operator==(const PartVoicing&) const = default;
};

// A part's chance in percent of striking where it usually strikes with
// usual percent, at density percent of its usual chances.
inline int ChanceAtDensity(int usual, int density) { return std::min(100, usual * density / 100); }

// How the bar and its beats fall, the bars of the meter; 4/4 without one.
struct PartTime {
  Meter meter;
  int repeats = 4;  // passes of the body, as the melody's
};

// Each chord's root on its first step, then roots, fifths and passing
// scale tones on eighth notes, sparser than the melody.
Phrase ComposeBass(const std::vector<music::Chord>& chords, int64_t bodyTicks, const PartTime& time,
                   const PartVoicing& voicing, EngineState& state);

// Each chord in 3 or 4 notes, each in the inversion nearest the one
// before: a whole bar, two halves (a bar's first beat and the one nearest
// its middle), or a hit on each beat where the melody starts a note.
Phrase ComposeChords(const std::vector<music::Chord>& chords, int64_t bodyTicks, const PartTime& time,
                     const PartVoicing& voicing, Comping comping, const Phrase& melody);

// The General MIDI kit on sixteenth notes: kick, snare, closed and open
// hi-hat, each weighted by its place in the bar, and always a kick on a
// bar's first step.
Phrase ComposeDrums(int64_t bodyTicks, const PartTime& time, const PartVoicing& voicing, EngineState& state);

// The drum keys: kick, snare, closed hi-hat, open hi-hat.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46;
// A four-string bass, fingered; an electric piano in the middle of the
// keyboard; the kit on channel 10.
constexpr PartVoicing kBassVoicing{2, 34, 28, 52, 100};
constexpr PartVoicing kChordVoicing{3, 5, 52, 76, 100};
constexpr PartVoicing kDrumVoicing{10, 0, 0, 127, 100};
// The fewest keys a bass or chord part needs: every pitch class once.
constexpr int kLeastPartRange = 12;

}  // namespace volemo

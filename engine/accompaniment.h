// The parts that go with the melody over its chords: a bass, the chords
// themselves, and drums. Each draws from the engine's random source after
// the melody, so the melody is the same with or without them.
#pragma once

#include <algorithm>
#include <array>
#include <vector>

#include "chord.h"
#include "engine_state.h"
#include "groove_settings.h"
#include "meter.h"
#include "phrase.h"

namespace volemo {

enum class Comping { Whole, Halves, Accents };

// Where a part plays: its channel and voice (0: none asked for), its keys
// (drums: unused) and how often it strikes, in percent of its usual chances
// (a bar's first note always stays); or a Euclidean rhythm of its own in
// place of those chances, and the chance in percent of each hit sounding.
struct PartVoicing {
  int channel = 1;
  int voice = 0;
  int low = 0, high = 127;
  int density = 100;
  std::optional<EuclidSteps> euclid;  // on the part's steps: eighths, the drums sixteenths
  int stepProbability = 100;

  bool operator==(const PartVoicing&) const = default;
};

// A part's chance in percent of striking where it usually strikes with
// usual percent, at density percent of its usual chances.
inline int ChanceAtDensity(int usual, int density) { return std::min(100, usual * density / 100); }

// How the bar and its beats fall, the bars of the meter; 4/4 without one.
struct PartTime {
  Meter meter;
  int repeats = 4;  // passes of the body, as the melody's
  // The melody's swing, accents and humanize (a hit on a bar line keeping
  // its time), drawn for each part from its own stream of the seed.
  GrooveSettings groove;
  uint32_t seed = 0;
};

// Each chord's root on its first step, then roots, fifths and passing
// scale tones on eighth notes, sparser than the melody. Under a Euclidean
// rhythm a note starts on each onset and the bar's first note, wherever
// the onsets put it, is the chord's root.
Phrase ComposeBass(const std::vector<music::Chord>& chords, int64_t bodyTicks, const PartTime& time,
                   const PartVoicing& voicing, EngineState& state);

// Each chord in 3 or 4 notes, each in the inversion nearest the one
// before: a whole bar, two halves (a bar's first beat and the one nearest
// its middle), or a hit on each beat where the melody starts a note; under
// a Euclidean rhythm a hit on each onset, held to the next or the bar line.
Phrase ComposeChords(const std::vector<music::Chord>& chords, int64_t bodyTicks, const PartTime& time,
                     const PartVoicing& voicing, Comping comping, const Phrase& melody, EngineState& state);

// The drum keys: kick, snare, closed hi-hat, open hi-hat.
constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46;
constexpr std::array<int, 4> kDrumKeys = {kKick, kSnare, kClosedHat, kOpenHat};

// Chance in percent (0 to 100) of each of kDrumKeys' instruments on each
// sixteenth of a 4/4 bar; another meter's steps take the chances of the
// sixteenths that stand where they stand in their bar.
using DrumWeights = std::array<std::array<int, 16>, 4>;
// Kick on the beats' downbeats, snare on the backbeats, closed hi-hat on
// the eighths and now and then between, the open hi-hat before the bar line.
constexpr DrumWeights kDrumWeights = {{
    {100, 0, 5, 10, 0, 0, 15, 5, 70, 0, 25, 5, 0, 0, 15, 5},
    {0, 0, 0, 3, 95, 0, 0, 5, 0, 3, 0, 5, 95, 0, 5, 10},
    {85, 15, 85, 20, 85, 15, 85, 20, 85, 15, 85, 20, 85, 15, 60, 20},
    {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 25, 0},
}};

// The General MIDI kit on sixteenth notes: kick, snare, closed and open
// hi-hat, each by its weight at its place in the bar, and always a kick on
// a bar's first step; an open hi-hat silences the closed one. Under a
// Euclidean rhythm only the onsets strike, each its drawn instruments or
// else the closed hi-hat, the bar's first onset with a kick.
Phrase ComposeDrums(int64_t bodyTicks, const PartTime& time, const PartVoicing& voicing, const DrumWeights& weights,
                    EngineState& state);

// A four-string bass, fingered; an electric piano in the middle of the
// keyboard; the kit on channel 10.
constexpr PartVoicing kBassVoicing{2, 34, 28, 52, 100, {}, 100};
constexpr PartVoicing kChordVoicing{3, 5, 52, 76, 100, {}, 100};
constexpr PartVoicing kDrumVoicing{10, 0, 0, 127, 100, {}, 100};
// The fewest keys a bass or chord part needs: every pitch class once.
constexpr int kLeastPartRange = 12;

}  // namespace volemo

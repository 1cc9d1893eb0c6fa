// The melody as a line: each key is weighed also by the note before it, by
// the contour's target at that point of the phrase and by the chord that
// sounds, and the phrase may close on the tonic or a chord tone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "engine_state.h"
#include "meter.h"
#include "note_choice.h"
#include "phrase.h"
#include "settings.h"

namespace volemo {

constexpr int64_t kBeatTicks = kWholeNoteTicks / 4;
constexpr int64_t kBarTicks = kWholeNoteTicks;  // a bar of 4/4

enum class Contour { Free, Arch, Rising, Falling, Wave };

// "free", "arch", "rising", "falling", "wave"; nullopt for another word.
std::optional<Contour> ContourNamed(std::string_view name);

struct LineSettings {
  int smoothness = 0;  // 0..100: how fast a key's weight falls with its distance from the note before
  int maxLeap = 0;     // the largest move in semitones; 0: no limit
  int turnBack = 0;    // percent: after a leap larger than a fifth, the next note steps back
  int cadence = 0;     // percent: the last note lands on the tonic or a tone of the sounding chord
  Contour contour = Contour::Free;
  int chordPull = 0;   // percent: on the first step of a beat, tones outside the chord lose that much weight

  bool operator==(const LineSettings&) const = default;
};

// The chords under the phrase body: one pitch-class mask (bit p = pitch
// class p) per bar of the meter, bar i taking chord i modulo their count.
// Empty: no chords.
struct ChordTimeline {
  std::vector<uint16_t> masks;
  Meter meter;
  uint16_t At(int64_t tick) const;
  // The first step of one of the meter's beats.
  bool OnBeat(int64_t tick) const;
};

class MelodyLine {
 public:
  // bodyTicks: the body's length, over which the contour runs; tonic: the
  // key's pitch class.
  MelodyLine(const LineSettings& line, ChordTimeline chords, int64_t bodyTicks, int tonic);

  // False when every note would be today's note choice (PickNote).
  bool Shapes() const;

  // The key of a note starting at startTick, after notes[0..index), in
  // range (NoteRange's).
  int Choose(const std::vector<PhraseNote>& notes, size_t index, int64_t startTick, std::pair<int, int> range,
             EngineState& state) const;

  // With the cadence's probability, the last note moved to the nearest
  // tonic (or tone of the chord sounding at it) in the range; draws only
  // when the cadence is above 0.
  void Cadence(std::vector<PhraseNote>& notes, const Settings& settings, EngineState& state) const;

  // For Phrase::SetKeyChooser: Choose, and the cadence again for the last
  // note; empty when the line chooses as the note choice does.
  Phrase::KeyChooser Chooser() const;

 private:
  LineSettings line_;
  // The smoothness's factor for a move of each distance in semitones.
  std::array<double, kHighestKey + 1> falloff_;
  ChordTimeline chords_;
  int64_t bodyTicks_;
  int tonic_;
};

}  // namespace volemo

// The MML compiler as a C++ library: MML text -> events -> Standard MIDI
// File bytes, all in memory. The C functions of dvorlin.h wrap it; the
// shared library exports only those.
//
// Texts are CP932 byte strings: the MML, and the messages of diagnostics
// (which quote the MML's own bytes).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dvorlin {

constexpr int kTicksPerQuarter = 480;

// One mistake in the MML, placed at its 1-based line and column (columns
// count characters, a double-byte character as one).
struct Diagnostic {
  int line = 0;
  int column = 0;
  std::string message;  // without the place
};

// A sounding note: length is what remains after the gate, never zero.
struct Note {
  uint32_t start = 0;
  uint32_t length = 0;
  uint8_t channel = 0;  // 0..15
  uint8_t key = 0;      // MIDI key 0..127
  uint8_t velocity = 0;
  uint8_t part = 0;  // index into Song::parts; 0 without parts
};

struct TempoChange {
  uint32_t tick = 0;
  uint32_t microsPerQuarter = 0;
};

// The time signature from tick on: numerator over 2^denominatorPower.
struct TimeSignature {
  uint32_t tick = 0;
  uint8_t numerator = 4;
  uint8_t denominatorPower = 2;
};

struct ProgramChange {
  uint32_t tick = 0;
  uint8_t channel = 0;
  uint8_t program = 0;  // 0..127
  uint8_t part = 0;
};

struct PitchBend {
  uint32_t tick = 0;
  uint8_t channel = 0;
  int16_t value = 0;  // -8192..8191
  uint8_t part = 0;
};

// The performed music. Notes are in order of start; notes of one key never
// overlap on one channel; tempos start with one at tick 0.
struct Song {
  std::vector<Note> notes;
  std::vector<TempoChange> tempos;
  std::vector<TimeSignature> meters;  // in order of time, at most one a tick; none: 4/4
  std::vector<ProgramChange> programs;
  std::vector<PitchBend> bends;  // in the order they take effect
  uint32_t endTick = 0;          // the end of the last note, bend or rest
  // Notes written with gate 0 (q0): they make no sound and no event, but a
  // picture of the music shows them. Length as written, ties included;
  // velocity 0. The first million only.
  std::vector<Note> silentNotes;
  // With Part commands: the parts' names (CP932), the text before the
  // first Part being part 0 with an empty name. Empty without them.
  std::vector<std::string> parts;
};

struct Performance {
  Song song;
  std::vector<Diagnostic> diagnostics;  // empty when the song is complete
  bool ok() const { return diagnostics.empty(); }
};

// Reads and plays the MML. Syntax mistakes are all reported (at most one per
// line); a mistake found while playing (a key out of range, a limit) stops
// the performance and is the only one reported.
Performance Perform(std::string_view mml);

// SMF format 1, division 480: a conductor track (the time signatures, 4/4
// until the first, and the tempos) and one track of channel events; with
// parts, one track for each part, named after it (part 0 only when it has
// events, without a name).
std::vector<uint8_t> WriteSmf(const Song& song);

// "L行目 C文字目: message" for each diagnostic, joined by CR LF (CP932).
std::string FormatDiagnostics(const std::vector<Diagnostic>& diagnostics);

}  // namespace dvorlin

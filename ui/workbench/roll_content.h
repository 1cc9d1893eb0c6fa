// What the piano roll shows of an MML text: its notes as they sound, read
// from the compiler's performance, so that a text edited by hand shows as
// faithfully as one the composer wrote.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dvorlin/compile.h"

namespace volemo {

struct RollNote {
  uint32_t start = 0;
  uint32_t length = 0;  // sounding length (after the gate); written length when silent
  uint8_t channel = 0;
  uint8_t key = 0;      // MIDI key
  bool silent = false;  // gate 0: shown, never heard
  int16_t bendAtStart = 0;  // the channel's bend when the note starts
  uint8_t part = 0;         // index into the song's parts
  uint8_t velocity = 0;     // 0 when silent

  bool operator==(const RollNote&) const = default;
};

struct RollContent {
  std::vector<RollNote> notes;  // of the first pass; by start, then key
  dvorlin::Song song;           // what is heard, every pass: bends, voice and tempo
  uint32_t endTick = 0;         // of the first pass
  int passes = 1;               // the song is this many equal passes of endTick each
  int lowKey = 0, highKey = -1;  // the keys the notes use; empty when high < low
  std::string message;           // the compiler's message (CP932) when the text has a mistake
};

// Reads what the compiler makes of mml. A text with a mistake shows as far
// as it was performed, with the message. A song made of equal passes (a
// phrase in a repeat) shows one pass, the shortest that holds at least
// minNotesPerPass notes.
RollContent ReadRoll(std::string_view mml, size_t minNotesPerPass = 1);

// The notes of after that before does not hold with the same part, key,
// start, length and velocity: what an operation that turned before into
// after changed. Indexes into after.notes, in order.
std::vector<int> ChangedNotes(const RollContent& before, const RollContent& after);

// A MIDI file of the one note at its own tick, after the voice and tempo in
// force there, for hearing it alone (played from its start tick).
std::vector<uint8_t> SingleNoteSmf(const RollContent& content, const RollNote& note);

}  // namespace volemo

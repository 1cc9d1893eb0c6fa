// The notes of a MIDI file to learn from, each with its length, loudness
// and whether a pitch bend moved it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "midi_file.h"

namespace volemo {

struct PieceNote {
  int64_t start = 0;   // ticks from the file's start
  int64_t length = 0;  // ticks sounding
  int key = 0;         // MIDI key
  int velocity = 0;
  bool bent = false;   // a pitch bend off the centre while it sounded
};

struct PieceNotes {
  std::vector<PieceNote> notes;  // by start, then key
  int ticksPerQuarter = 480;
  uint32_t firstTempo = 0;       // microseconds a quarter note; 0 when the file sets none
  std::vector<int> tracks;       // the tracks the notes came from, from 1
};

// Which notes to learn from: a track and a channel, both counted from 1,
// none meaning all. The drums (channel 10) count only when chosen by channel.
struct NoteSelection {
  std::optional<int> track;
  std::optional<int> channel;
};

// The selected notes of midi, named as `name` in the messages. Throws
// LearnError for a format 2 file (independent pieces, not one), a track the
// file does not have, or a selection without notes or with only drums.
PieceNotes ReadPieceNotes(const MidiFile& midi, const NoteSelection& selection, const std::string& name);

// Reads the file at path and its selected notes; throws LearnError naming
// the path for a file that cannot be read or is not a MIDI file too.
PieceNotes ReadPieceNotes(const std::string& path, const NoteSelection& selection);

}  // namespace volemo

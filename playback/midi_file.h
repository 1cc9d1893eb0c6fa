// A Standard MIDI File read whole into memory, checked, and measured.
#pragma once

#include <string>

namespace volemo {

struct MidiFile {
  std::string bytes;
  int lastTick = 0;       // the end of the longest track, in the file's ticks
  double seconds = 0.0;   // when that tick sounds, following the tempo changes
};

// Checks the chunk structure and every event, so that a file the
// synthesizer's player would quietly skip is reported instead. Throws
// PlayerError saying what is wrong (no file name).
MidiFile ParseMidiFile(std::string bytes);

// Reads and parses the file at path; throws PlayerError naming the path.
MidiFile ReadMidiFile(const std::string& path);

}  // namespace volemo

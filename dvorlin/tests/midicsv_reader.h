// Reads a MIDI file through midicsv, an independent reader, into the terms
// of the MML: channels 1..16, voices 1..128, bends -8192..8191.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace dvorlin::testing {

struct HeardNote {
  int channel, key, start, length, velocity;
  bool operator==(const HeardNote&) const = default;
};
struct HeardTempo {
  int tick, microsPerQuarter;
  bool operator==(const HeardTempo&) const = default;
};
struct HeardVoice {
  int tick, channel, voice;
  bool operator==(const HeardVoice&) const = default;
};
struct HeardBend {
  int tick, channel, value;
  bool operator==(const HeardBend&) const = default;
};

struct HeardFile {
  int format = -1, tracks = -1, division = -1;
  std::vector<HeardNote> notes;  // by start, then key
  std::vector<HeardTempo> tempos;
  std::vector<HeardVoice> voices;
  std::vector<HeardBend> bends;
  std::vector<int> trackEnds;  // tick of each End_track
  // Of each track after the conductor: its Title_t ("" without one) and
  // how many notes start in it.
  std::vector<std::string> trackNames;
  std::vector<int> trackNotes;
  std::string timeSignature;   // "4, 2, 24, 8"
  int lastNoteOff = 0;
  // What a correct file never has: a key started while it still sounds on
  // its channel, an off without an on, a note still on at the end.
  std::vector<std::string> faults;
};

// For failure messages: the fields in the order declared.
std::ostream& operator<<(std::ostream& out, const HeardNote& n);
std::ostream& operator<<(std::ostream& out, const HeardTempo& t);
std::ostream& operator<<(std::ostream& out, const HeardVoice& v);
std::ostream& operator<<(std::ostream& out, const HeardBend& b);

// Fails the running test if midicsv cannot read the file.
HeardFile ReadWithMidicsv(const std::string& path);

}  // namespace dvorlin::testing

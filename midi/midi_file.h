// A Standard MIDI File read whole into memory, checked, and measured.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace volemo {

// A bank select (controller 0 or 32) or a program change: what chooses the
// voice of a channel. data2 is 0 for a program change.
struct VoiceEvent {
  uint8_t status;
  uint8_t data1;
  uint8_t data2 = 0;
};

// Channel 10 of General MIDI, counted from 0: the drums.
constexpr int kDrumChannel = 9;

struct MidiFile {
  std::string bytes;
  int format = 0;          // as the header says: 0, 1 or 2
  uint16_t division = 0;   // the header's: ticks a quarter note, or SMPTE time when its top bit is set
  uint32_t firstTempo = 0;  // microseconds a quarter note of the earliest tempo change; 0 when none
  int lastTick = 0;       // the end of the longest track, in the file's ticks
  int notes = 0;          // note-ons of velocity above 0, in all tracks
  bool drumNotes = false;  // whether any of them is on channel 10, the drums'
  double seconds = 0.0;   // when that tick sounds, following the tempo changes
  std::vector<VoiceEvent> voiceEvents;  // each track's in its order, track after track
};

// A channel message of a file and when it sounds.
struct TimedEvent {
  double seconds;  // from the file's start, following the tempo changes
  int tick;
  uint8_t size;    // 2 or 3; 1 for a MIDI clock's messages (system real time)
  uint8_t bytes[3];
  int track = 0;   // the file's track it is in, from 0
};

// Checks the chunk structure and every event, so that a file the
// synthesizer's player would quietly skip is reported instead. Throws
// PlayerError saying what is wrong (no file name).
MidiFile ParseMidiFile(std::string bytes);

// The file without the tracks whose name (the track-name events before a
// track's first other event) is one of names, the header's track count
// lowered to match. Throws PlayerError as ParseMidiFile does for a file
// it cannot walk.
std::string WithoutTracks(std::string_view smf, const std::vector<std::string>& names);

// The channel messages of every track of a parsed file, in the order they
// sound (a track's own order among those at one tick, earlier tracks first).
std::vector<TimedEvent> TimedEvents(const MidiFile& midi);

// The channel messages of a parsed file track after track, each track's in
// its order, without their seconds: a large file's, without holding them all.
using ChannelMessageVisitor = std::function<void(const TimedEvent&)>;
void ForEachChannelMessage(const MidiFile& midi, const ChannelMessageVisitor& visit);

// When each MIDI clock of a parsed file falls, 24 a quarter note from its
// tick 0 up to its end, following the tempo changes; none for a file in
// SMPTE time.
std::vector<double> ClockSeconds(const MidiFile& midi);

// Reads and parses the file at path; throws PlayerError naming the path.
MidiFile ReadMidiFile(const std::string& path);

}  // namespace volemo

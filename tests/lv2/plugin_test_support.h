// What the plugin must play, worked out from volemo-cli's note list: the
// frames are the ticks under the test's tempo, the loop whole bars.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "lv2_host.h"

namespace volemo::lv2test {

// At 120 beats a minute and 48 kHz a quarter note (480 ticks) lasts 24000
// frames: 50 frames a tick, 96000 a 4/4 bar.
constexpr int64_t kFramesPerTick = 50;
constexpr int64_t kBarTicks = 1920;
constexpr int64_t kBarFrames = kBarTicks * kFramesPerTick;
// The transport starts after one stopped block, in which the worker
// composes the phrase of the ports the test set.
constexpr int64_t kStart = 64;

// Where tick falls with the transport rolling from kStart at 120.
inline int64_t At120(int64_t tick) { return kStart + tick * kFramesPerTick; }

struct Setting {
  const char* symbol;   // the plugin's port
  const char* control;  // volemo-cli's --set name for it
  int value;
};

// A part port's value and the volemo-cli option it stands for.
struct PartOption {
  const char* symbol;
  int value;
  const char* option;  // with its dashes; null for a further port of the option before
  const char* text;
};

struct CliNote {
  int64_t start, sounding;
  int key;
  std::string part;  // empty without parts
  int channel = 0;   // 0: the channel Expected is given
};

// volemo-cli phrase --seed seed --set ... [options] [--reroll]... --notes;
// notes that do not sound (gate 0) are left out.
std::vector<CliNote> CliNotes(uint32_t seed, const std::vector<Setting>& settings, int rerolls = 0,
                              const std::vector<PartOption>& options = {});

void Apply(Host& host, const std::vector<Setting>& settings, const std::vector<PartOption>& options = {});

// Sets the seed, the settings and the part ports, then runs the stopped block.
void Prepare(Host& host, uint32_t seed, const std::vector<Setting>& settings = {},
             const std::vector<PartOption>& options = {});

// A stretch of the timeline: the looped phrase's ticks [fromTick, toTick)
// at the frames frameOf gives. A cut stretch ends every note still
// sounding at toTick's frame (a relocation, a stop).
struct Stretch {
  int64_t fromTick, toTick;
  std::function<int64_t(int64_t)> frameOf;
  bool cut;
};

// Note-ons and note-offs, sorted by frame and bytes; a key that starts
// again on its channel while it sounds ends where it starts. Only frames
// before until. A velocity below 0: the note-ons' velocities are left out
// (see WithoutVelocities).
std::vector<MidiEvent> Expected(const std::vector<CliNote>& notes, int64_t loopTicks, int channel, int velocity,
                                const std::vector<Stretch>& stretches, int64_t until);

std::vector<MidiEvent> Sorted(std::vector<MidiEvent> events, int64_t until);
std::vector<MidiEvent> NoteOns(const std::vector<MidiEvent>& events);
// Every note-on's velocity set to 1, for phrases whose velocities the note
// list does not give.
std::vector<MidiEvent> WithoutVelocities(std::vector<MidiEvent> events);

// The transport rolling from bar 0 at 120 beats a minute.
Position Rolling(int64_t bar = 0, float barBeat = 0, float beatsPerMinute = 120);

std::string Describe(const std::vector<MidiEvent>& events);

}  // namespace volemo::lv2test

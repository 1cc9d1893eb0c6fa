// Standard MIDI Files written byte by byte, for the tests of the player and
// the renderer: each test states exactly what the file holds.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace volemo::test {

inline std::string Vlq(uint32_t v) {
  std::string out(1, static_cast<char>(v & 0x7F));
  while (v >>= 7) out.insert(out.begin(), static_cast<char>((v & 0x7F) | 0x80));
  return out;
}

inline std::string Big(uint32_t v, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out += static_cast<char>(v >> (8 * i) & 0xFF);
  return out;
}

inline std::string Chunk(const std::string& type, const std::string& data) {
  return type + Big(static_cast<uint32_t>(data.size()), 4) + data;
}

inline std::string Header(int format, int tracks, int division) {
  return Chunk("MThd", Big(format, 2) + Big(tracks, 2) + Big(division, 2));
}

inline std::string TempoEvent(int bpm) {
  return std::string("\xFF\x51\x03", 3) + Big(60000000 / bpm, 3);
}

inline const std::string kEndOfTrack("\xFF\x2F\x00", 3);

struct Note {
  int key;
  int start;   // ticks
  int length;  // ticks
  int velocity = 120;
};

// One track on channel 1 at 480 ticks per quarter: tempo, program, the
// setup events (raw bytes, at tick 0), the notes, and the end of the track
// at endTick (at the last note-off when -1).
inline std::string Smf(const std::vector<Note>& notes, int bpm = 120, int program = 0, int endTick = -1,
                       const std::string& setup = "") {
  struct Event {
    int tick;
    std::string bytes;
  };
  std::vector<Event> events{{0, TempoEvent(bpm)}, {0, std::string("\xC0", 1) + static_cast<char>(program)}};
  if (!setup.empty()) events.push_back({0, setup});
  int last = 0;
  for (const Note& n : notes) {
    events.push_back({n.start, std::string("\x90", 1) + static_cast<char>(n.key) + static_cast<char>(n.velocity)});
    events.push_back({n.start + n.length, std::string("\x80", 1) + static_cast<char>(n.key) + '\0'});
    last = std::max(last, n.start + n.length);
  }
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.tick < b.tick; });
  std::string track;
  int at = 0;
  for (const Event& e : events) {
    track += Vlq(e.tick - at) + e.bytes;
    at = e.tick;
  }
  track += Vlq((endTick < 0 ? last : endTick) - at) + kEndOfTrack;
  return Header(0, 1, 480) + Chunk("MTrk", track);
}

}  // namespace volemo::test

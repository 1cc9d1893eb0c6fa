#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <vector>

#include "dvorlin/compile.h"

namespace dvorlin {
namespace {

void PutVariableLength(std::vector<uint8_t>& out, uint32_t value) {
  uint8_t groups[5];
  int count = 0;
  groups[count++] = value & 0x7F;
  while (value >>= 7) groups[count++] = 0x80 | (value & 0x7F);
  while (count > 0) out.push_back(groups[--count]);
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  while (bytes-- > 0) out.push_back(static_cast<uint8_t>(value >> (8 * bytes)));
}

// One MTrk chunk, its length filled in when it ends. Channel messages use
// running status.
class TrackWriter {
 public:
  explicit TrackWriter(std::vector<uint8_t>& out) : out_(out) {
    out_.insert(out_.end(), {'M', 'T', 'r', 'k', 0, 0, 0, 0});
    start_ = out_.size();
  }

  void Channel(uint32_t tick, uint8_t status, uint8_t data) {
    Status(tick, status);
    out_.push_back(data);
  }
  void Channel(uint32_t tick, uint8_t status, uint8_t data1, uint8_t data2) {
    Status(tick, status);
    out_.push_back(data1);
    out_.push_back(data2);
  }

  void Meta(uint32_t tick, uint8_t type, std::initializer_list<uint8_t> data) {
    Delta(tick);
    out_.insert(out_.end(), {0xFF, type, static_cast<uint8_t>(data.size())});
    out_.insert(out_.end(), data);
    runningStatus_ = 0;
  }

  void End(uint32_t tick) {
    Meta(tick < lastTick_ ? lastTick_ : tick, 0x2F, {});
    const auto length = static_cast<uint32_t>(out_.size() - start_);
    for (int i = 0; i < 4; ++i) out_[start_ - 4 + i] = static_cast<uint8_t>(length >> (8 * (3 - i)));
  }

 private:
  void Status(uint32_t tick, uint8_t status) {
    Delta(tick);
    if (status != runningStatus_) out_.push_back(status);
    runningStatus_ = status;
  }

  // A delta time holds at most 28 bits; a longer gap is bridged by empty
  // text events, which players pass over. Like every meta event, they end
  // the running status.
  void Delta(uint32_t tick) {
    constexpr uint32_t kLongestDelta = 0x0FFFFFFF;
    uint32_t delta = tick - lastTick_;
    for (; delta > kLongestDelta; delta -= kLongestDelta) {
      PutVariableLength(out_, kLongestDelta);
      out_.insert(out_.end(), {0xFF, 0x01, 0x00});
      runningStatus_ = 0;
    }
    PutVariableLength(out_, delta);
    lastTick_ = tick;
  }

  std::vector<uint8_t>& out_;
  size_t start_ = 0;
  uint32_t lastTick_ = 0;
  uint8_t runningStatus_ = 0;
};

struct NoteOff {
  uint32_t tick;
  uint8_t channel;
  uint8_t key;
};

void WriteConductor(std::vector<uint8_t>& out, const Song& song) {
  TrackWriter track(out);
  track.Meta(0, 0x58, {4, 2, 24, 8});  // 4/4, a click every quarter
  for (const TempoChange& t : song.tempos)
    track.Meta(t.tick, 0x51, {static_cast<uint8_t>(t.microsPerQuarter >> 16),
                              static_cast<uint8_t>(t.microsPerQuarter >> 8),
                              static_cast<uint8_t>(t.microsPerQuarter)});
  track.End(song.endTick);
}

// Merges the four kinds of channel events in time. At one tick: note-offs
// first (so a key can start again where it ended), then program changes and
// bends, which must be in place when the notes of that tick start.
void WriteChannelTrack(std::vector<uint8_t>& out, const Song& song) {
  TrackWriter track(out);
  constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();
  std::vector<NoteOff> offs;  // a min-heap on tick: the notes sounding
  const auto laterOff = [](const NoteOff& x, const NoteOff& y) { return x.tick > y.tick; };
  size_t note = 0, program = 0, bend = 0;
  while (true) {
    const uint64_t offAt = offs.empty() ? kNever : offs.front().tick;
    const uint64_t programAt = program < song.programs.size() ? song.programs[program].tick : kNever;
    const uint64_t bendAt = bend < song.bends.size() ? song.bends[bend].tick : kNever;
    const uint64_t noteAt = note < song.notes.size() ? song.notes[note].start : kNever;
    if (offAt == kNever && programAt == kNever && bendAt == kNever && noteAt == kNever) break;
    if (offAt <= programAt && offAt <= bendAt && offAt <= noteAt) {
      std::pop_heap(offs.begin(), offs.end(), laterOff);
      const NoteOff off = offs.back();
      offs.pop_back();
      track.Channel(off.tick, 0x80 | off.channel, off.key, 64);
    } else if (programAt <= bendAt && programAt <= noteAt) {
      const ProgramChange& p = song.programs[program++];
      track.Channel(p.tick, 0xC0 | p.channel, p.program);
    } else if (bendAt <= noteAt) {
      const PitchBend& b = song.bends[bend++];
      const int value = b.value + 8192;
      track.Channel(b.tick, 0xE0 | b.channel, value & 0x7F, value >> 7);
    } else {
      const Note& n = song.notes[note++];
      track.Channel(n.start, 0x90 | n.channel, n.key, n.velocity);
      offs.push_back({n.start + n.length, n.channel, n.key});
      std::push_heap(offs.begin(), offs.end(), laterOff);
    }
  }
  track.End(song.endTick);
}

}  // namespace

std::vector<uint8_t> WriteSmf(const Song& song) {
  std::vector<uint8_t> out;
  out.reserve(64 + 8 * song.notes.size() + 4 * (song.bends.size() + song.programs.size() + song.tempos.size()));
  out.insert(out.end(), {'M', 'T', 'h', 'd'});
  PutBigEndian(out, 6, 4);
  PutBigEndian(out, 1, 2);  // format 1
  PutBigEndian(out, 2, 2);  // tracks
  PutBigEndian(out, kTicksPerQuarter, 2);
  WriteConductor(out, song);
  WriteChannelTrack(out, song);
  return out;
}

}  // namespace dvorlin

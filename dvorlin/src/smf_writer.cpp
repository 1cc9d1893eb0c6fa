#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <span>
#include <vector>

#include "dvorlin/compile.h"

namespace dvorlin {
namespace {

// The file's bytes. Each event is written through a plain pointer into
// room made for it beforehand: pushing bytes one by one onto a vector checks
// its capacity and reloads its end at every byte.
class Output {
 public:
  // The most bytes written into one Room: a delta time and a meta event
  // with four bytes of data.
  static constexpr size_t kMostAtOnce = 16;

  explicit Output(size_t expected) : bytes_(expected) {}

  uint8_t* Room(size_t most = kMostAtOnce) {
    if (bytes_.size() - used_ < most) bytes_.resize(2 * bytes_.size() + most);
    return bytes_.data() + used_;
  }
  void Wrote(const uint8_t* end) { used_ = static_cast<size_t>(end - bytes_.data()); }
  size_t size() const { return used_; }
  uint8_t* At(size_t offset) { return bytes_.data() + offset; }

  std::vector<uint8_t> Take() {
    bytes_.resize(used_);
    return std::move(bytes_);
  }

 private:
  std::vector<uint8_t> bytes_;
  size_t used_ = 0;
};

uint8_t* PutBytes(uint8_t* at, std::initializer_list<uint8_t> bytes) {
  for (const uint8_t b : bytes) *at++ = b;
  return at;
}

// Seven bits a byte, the highest first; each byte but the last has its top
// bit set.
uint8_t* PutVariableLength(uint8_t* at, uint32_t value) {
  int shift = 0;
  while (shift < 28 && value >> (shift + 7) != 0) shift += 7;
  for (; shift > 0; shift -= 7) *at++ = static_cast<uint8_t>(0x80 | ((value >> shift) & 0x7F));
  *at++ = value & 0x7F;
  return at;
}

uint8_t* PutBigEndian(uint8_t* at, uint32_t value, int bytes) {
  while (bytes-- > 0) *at++ = static_cast<uint8_t>(value >> (8 * bytes));
  return at;
}

// A channel message: a status byte and one or two data bytes.
struct ChannelMessage {
  uint32_t tick;
  uint8_t status;
  uint8_t data[2];
  uint8_t size;  // of data
};

// One MTrk chunk, its length filled in when it ends. Channel messages use
// running status.
class TrackWriter {
 public:
  explicit TrackWriter(Output& out) : out_(out) {
    out_.Wrote(PutBytes(out_.Room(), {'M', 'T', 'r', 'k', 0, 0, 0, 0}));
    start_ = out_.size();
  }

  void Channel(const ChannelMessage& m) {
    uint8_t* at = Delta(m.tick);
    if (m.status != runningStatus_) *at++ = m.status;
    runningStatus_ = m.status;
    // Both data bytes go into the room; size of them count.
    at[0] = m.data[0];
    at[1] = m.data[1];
    out_.Wrote(at + m.size);
  }

  void Meta(uint32_t tick, uint8_t type, std::initializer_list<uint8_t> data) {
    assert(data.size() <= 4);  // see kMostAtOnce
    uint8_t* at = PutBytes(Delta(tick), {0xFF, type, static_cast<uint8_t>(data.size())});
    out_.Wrote(PutBytes(at, data));
    runningStatus_ = 0;
  }

  // A track name: at most 127 bytes, so its length is one byte.
  void Name(std::string_view name) {
    assert(name.size() <= 127);
    out_.Room(Output::kMostAtOnce + name.size());  // Delta's Room then finds it
    uint8_t* at = PutBytes(Delta(0), {0xFF, 0x03, static_cast<uint8_t>(name.size())});
    std::memcpy(at, name.data(), name.size());
    out_.Wrote(at + name.size());
    runningStatus_ = 0;
  }

  void End(uint32_t tick) {
    Meta(tick < lastTick_ ? lastTick_ : tick, 0x2F, {});
    PutBigEndian(out_.At(start_ - 4), static_cast<uint32_t>(out_.size() - start_), 4);
  }

 private:
  // Returns where the event goes.
  uint8_t* Delta(uint32_t tick) {
    if (tick - lastTick_ > kLongestDelta) Bridge(tick);
    const uint32_t delta = tick - lastTick_;
    lastTick_ = tick;
    return PutVariableLength(out_.Room(), delta);
  }

  // A delta time holds at most 28 bits; a longer gap is bridged by empty
  // text events, which players pass over. Like every meta event, they end
  // the running status.
  void Bridge(uint32_t tick) {
    for (; tick - lastTick_ > kLongestDelta; lastTick_ += kLongestDelta) {
      out_.Wrote(PutBytes(PutVariableLength(out_.Room(), kLongestDelta), {0xFF, 0x01, 0x00}));
      runningStatus_ = 0;
    }
  }

  static constexpr uint32_t kLongestDelta = 0x0FFFFFFF;
  Output& out_;
  size_t start_ = 0;
  uint32_t lastTick_ = 0;
  uint8_t runningStatus_ = 0;
};

struct NoteOff {
  uint32_t tick;
  uint8_t channel;
  uint8_t key;
};

void WriteConductor(Output& out, const Song& song) {
  TrackWriter track(out);
  // 4/4 until the first signature; a signature before a tempo of its tick.
  auto meter = song.meters.begin();
  if (meter == song.meters.end() || meter->tick > 0) track.Meta(0, 0x58, {4, 2, 24, 8});
  const auto writeMetersTo = [&](uint64_t tick) {
    for (; meter != song.meters.end() && meter->tick <= tick; ++meter) {
      // A click a beat: a dotted quarter in compound eighths, else the unit.
      const bool compound = meter->denominatorPower == 3 && meter->numerator % 3 == 0 && meter->numerator > 3;
      const int clocks = compound ? 36 : 96 >> meter->denominatorPower;
      track.Meta(meter->tick, 0x58, {meter->numerator, meter->denominatorPower, static_cast<uint8_t>(std::max(clocks, 1)), 8});
    }
  };
  for (const TempoChange& t : song.tempos) {
    writeMetersTo(t.tick);
    track.Meta(t.tick, 0x51, {static_cast<uint8_t>(t.microsPerQuarter >> 16),
                              static_cast<uint8_t>(t.microsPerQuarter >> 8),
                              static_cast<uint8_t>(t.microsPerQuarter)});
  }
  writeMetersTo(std::numeric_limits<uint64_t>::max());
  track.End(song.endTick);
}

// Merges the four kinds of channel events in time. At one tick: note-offs
// first (so a key can start again where it ended), then program changes and
// bends, which must be in place when the notes of that tick start.
// A named track starts with its name.
struct ChannelEvents {
  // Views of their own: the song's lists would be read anew after every
  // byte written.
  std::span<const Note> notes;
  std::span<const ProgramChange> programs;
  std::span<const PitchBend> bends;
  std::string_view name;
};

void WriteChannelTrack(Output& out, const ChannelEvents& events, uint32_t endTick) {
  TrackWriter track(out);
  if (!events.name.empty()) track.Name(events.name);
  constexpr uint64_t kNever = std::numeric_limits<uint64_t>::max();
  const std::span<const Note> notes = events.notes;
  const std::span<const ProgramChange> programs = events.programs;
  const std::span<const PitchBend> bends = events.bends;
  std::vector<NoteOff> offs;  // a min-heap on tick: the notes sounding
  const auto laterOff = [](const NoteOff& x, const NoteOff& y) { return x.tick > y.tick; };
  size_t note = 0, program = 0, bend = 0;
  while (true) {
    const uint64_t offAt = offs.empty() ? kNever : offs.front().tick;
    const uint64_t programAt = program < programs.size() ? programs[program].tick : kNever;
    const uint64_t bendAt = bend < bends.size() ? bends[bend].tick : kNever;
    const uint64_t noteAt = note < notes.size() ? notes[note].start : kNever;
    if (offAt == kNever && programAt == kNever && bendAt == kNever && noteAt == kNever) break;
    ChannelMessage message;
    if (offAt <= programAt && offAt <= bendAt && offAt <= noteAt) {
      std::pop_heap(offs.begin(), offs.end(), laterOff);
      // Read field by field: the note-off was often stored just now, and
      // a copy of the whole would wait for the store to reach the cache.
      const NoteOff& off = offs.back();
      message = {off.tick, static_cast<uint8_t>(0x80 | off.channel), {off.key, 64}, 2};
      offs.pop_back();
    } else if (programAt <= bendAt && programAt <= noteAt) {
      const ProgramChange& p = programs[program++];
      message = {p.tick, static_cast<uint8_t>(0xC0 | p.channel), {p.program, 0}, 1};
    } else if (bendAt <= noteAt) {
      const PitchBend& b = bends[bend++];
      const int value = b.value + 8192;
      message = {b.tick, static_cast<uint8_t>(0xE0 | b.channel),
                 {static_cast<uint8_t>(value & 0x7F), static_cast<uint8_t>(value >> 7)}, 2};
    } else {
      const Note& n = notes[note++];
      message = {n.start, static_cast<uint8_t>(0x90 | n.channel), {n.key, n.velocity}, 2};
      offs.push_back({n.start + n.length, n.channel, n.key});
      std::push_heap(offs.begin(), offs.end(), laterOff);
    }
    track.Channel(message);
  }
  track.End(endTick);
}

// The events of one part, in the order the song holds them.
struct PartEvents {
  std::vector<Note> notes;
  std::vector<ProgramChange> programs;
  std::vector<PitchBend> bends;
};

std::vector<PartEvents> SplitByPart(const Song& song) {
  std::vector<PartEvents> parts(song.parts.size());
  for (const Note& n : song.notes) parts[n.part].notes.push_back(n);
  for (const ProgramChange& p : song.programs) parts[p.part].programs.push_back(p);
  for (const PitchBend& b : song.bends) parts[b.part].bends.push_back(b);
  return parts;
}

}  // namespace

std::vector<uint8_t> WriteSmf(const Song& song) {
  // Enough for most songs at once: a note takes two events of four or five
  // bytes.
  Output out(64 + 10 * song.notes.size() + 4 * (song.bends.size() + song.programs.size()) + 8 * song.tempos.size());
  uint8_t* at = PutBytes(out.Room(), {'M', 'T', 'h', 'd'});
  at = PutBigEndian(at, 6, 4);
  at = PutBigEndian(at, 1, 2);  // format 1
  std::vector<ChannelEvents> tracks;
  std::vector<PartEvents> parts;
  if (song.parts.empty()) {
    tracks.push_back({song.notes, song.programs, song.bends, {}});
  } else {
    parts = SplitByPart(song);
    for (size_t p = 0; p < parts.size(); ++p) {
      const PartEvents& e = parts[p];
      // The text before the first part is a track only when it plays.
      if (p == 0 && e.notes.empty() && e.programs.empty() && e.bends.empty()) continue;
      tracks.push_back({e.notes, e.programs, e.bends, song.parts[p]});
    }
  }
  at = PutBigEndian(at, static_cast<uint32_t>(1 + tracks.size()), 2);
  out.Wrote(PutBigEndian(at, kTicksPerQuarter, 2));
  WriteConductor(out, song);
  for (const ChannelEvents& track : tracks) WriteChannelTrack(out, track, song.endTick);
  return out.Take();
}

}  // namespace dvorlin

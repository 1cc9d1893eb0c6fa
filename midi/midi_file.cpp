#include "midi_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <vector>

#include "input_file.h"
#include "player_error.h"
#include "translatable.h"
#include "message_text.h"

namespace volemo {
namespace {

constexpr uint32_t kDefaultTempo = 500000;  // microseconds per quarter note (120 BPM)

struct TempoChange {
  int64_t tick;
  uint32_t microsPerQuarter;
};

// Reads big-endian numbers and variable-length quantities from a chunk;
// every read is bounds-checked and failures throw with the chunk's name.
class Reader {
 public:
  Reader(std::string_view data, std::string what) : data_(data), what_(std::move(what)) {}

  bool AtEnd() const { return pos_ >= data_.size(); }
  size_t Pos() const { return pos_; }

  uint8_t Byte() {
    if (pos_ >= data_.size()) Fail(QT_TRANSLATE_NOOP("Message", "途中で切れています"));
    return static_cast<uint8_t>(data_[pos_++]);
  }
  uint32_t Big(int n) {
    uint32_t v = 0;
    for (int i = 0; i < n; ++i) v = v << 8 | Byte();
    return v;
  }
  // At most four bytes, as the format allows (up to 0x0FFFFFFF).
  uint32_t Vlq() {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const uint8_t b = Byte();
      v = v << 7 | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    Fail(QT_TRANSLATE_NOOP("Message", "4 バイトを超える可変長の数値を含んでいます"));
  }
  std::string_view Take(uint32_t n) {
    if (n > data_.size() - pos_) Fail(QT_TRANSLATE_NOOP("Message", "途中で切れています"));
    std::string_view s = data_.substr(pos_, n);
    pos_ += n;
    return s;
  }
  // why: a reason marked for translation, as are the chunks' names.
  [[noreturn]] void Fail(const char* why) const {
    throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ファイルとして読めません（%1が%2）。"), {what_, why}));
  }

 private:
  std::string_view data_;
  std::string what_;
  size_t pos_ = 0;
};

// Walks one track, returning its end tick, collecting its tempo changes and
// voice events and counting its notes; and its channel messages into events
// and to visit when given.
int64_t ReadTrack(Reader& r, int track, std::vector<TempoChange>& tempos, MidiFile& midi,
                  std::vector<TimedEvent>* events, const ChannelMessageVisitor* visit) {
  int64_t tick = 0;
  uint8_t running = 0;
  while (!r.AtEnd()) {
    tick += r.Vlq();
    uint8_t status = r.Byte();
    if (status == 0xFF) {
      const uint8_t type = r.Byte();
      const std::string_view data = r.Take(r.Vlq());
      if (type == 0x51 && data.size() == 3) {
        const auto* d = reinterpret_cast<const uint8_t*>(data.data());
        const uint32_t tempo = d[0] << 16 | d[1] << 8 | d[2];
        if (tempo == 0) r.Fail(QT_TRANSLATE_NOOP("Message", "テンポ 0 を含んでいます"));
        tempos.push_back({tick, tempo});
      }
      if (type == 0x2F) break;  // end of track: anything after it is never played
      continue;
    }
    if (status == 0xF0 || status == 0xF7) {
      r.Take(r.Vlq());
      continue;
    }
    if (status > 0xF0) r.Fail(QT_TRANSLATE_NOOP("Message", "不明なステータスバイトを含んでいます"));
    uint8_t first;
    if (status < 0x80) {
      if (running == 0) r.Fail(QT_TRANSLATE_NOOP("Message", "ステータスのないデータで始まっています"));
      first = status;  // running status: the byte read was the first data byte
      status = running;
    } else {
      running = status;
      first = r.Byte();
    }
    const uint8_t kind = status & 0xF0;
    const uint8_t second = kind == 0xC0 || kind == 0xD0 ? 0 : r.Byte();
    if (kind == 0xC0 || (kind == 0xB0 && (first == 0 || first == 32))) midi.voiceEvents.push_back({status, first, second});
    if (kind == 0x90 && second > 0) {
      ++midi.notes;
      midi.drumNotes |= (status & 0x0F) == kDrumChannel;
    }
    if (events || visit) {
      const TimedEvent event{0.0, static_cast<int>(tick), static_cast<uint8_t>(kind == 0xC0 || kind == 0xD0 ? 2 : 3),
                             {status, first, second}, track};
      if (events) events->push_back(event);
      if (visit) (*visit)(event);
    }
  }
  return tick;
}

// Seconds at ticks, following the tempo changes (of any track: they apply
// to all of them).
class TempoMap {
 public:
  TempoMap(uint16_t division, std::vector<TempoChange> tempos) : division_(division), tempos_(std::move(tempos)) {
    std::stable_sort(tempos_.begin(), tempos_.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  }

  // For ticks in increasing order, each call going on from the last.
  double Seconds(int64_t tick) {
    if (division_ & 0x8000) {
      // SMPTE time: frames per second (29 stands for 29.97) times ticks per frame.
      const int fps = -static_cast<int8_t>(division_ >> 8);
      const double frameRate = fps == 29 ? 30000.0 / 1001.0 : fps;
      return tick / (frameRate * (division_ & 0xFF));
    }
    for (; next_ < tempos_.size() && tempos_[next_].tick < tick; ++next_) {
      seconds_ += static_cast<double>(tempos_[next_].tick - at_) * tempo_ / division_ / 1e6;
      at_ = tempos_[next_].tick;
      tempo_ = tempos_[next_].microsPerQuarter;
    }
    return seconds_ + static_cast<double>(tick - at_) * tempo_ / division_ / 1e6;
  }

 private:
  uint16_t division_;
  std::vector<TempoChange> tempos_;
  size_t next_ = 0;
  double seconds_ = 0.0;
  int64_t at_ = 0;
  uint32_t tempo_ = kDefaultTempo;
};

// Walks the whole file; events and visit, when given, receive the channel
// messages.
MidiFile Parse(std::string_view bytes, std::vector<TimedEvent>* events, const ChannelMessageVisitor* visit = nullptr,
               std::vector<double>* clocks = nullptr) {
  Reader file(bytes, QT_TRANSLATE_NOOP("Message", "ファイル"));
  if (bytes.compare(0, 4, "MThd") != 0)
    throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "MIDI ファイルではありません（先頭が MThd ではありません）。"));
  file.Take(4);
  const uint32_t headerLength = file.Big(4);
  if (headerLength < 6) file.Fail(QT_TRANSLATE_NOOP("Message", "短すぎるヘッダを持っています"));
  Reader header(file.Take(headerLength), QT_TRANSLATE_NOOP("Message", "ヘッダ"));
  const int format = static_cast<int>(header.Big(2));  // 0, 1 and 2 are all played as simultaneous tracks
  const uint32_t declaredTracks = header.Big(2);
  const uint16_t division = static_cast<uint16_t>(header.Big(2));
  if (division == 0 || ((division & 0x8000) && (division & 0xFF) == 0))
    header.Fail(QT_TRANSLATE_NOOP("Message", "時間の分解能 0 を指定しています"));

  MidiFile midi;
  midi.format = format;
  midi.division = division;
  std::vector<TempoChange> tempos;
  int64_t lastTick = 0;
  int tracks = 0;
  while (!file.AtEnd()) {
    const std::string_view type = file.Take(4);
    const uint32_t length = file.Big(4);
    const std::string_view data = file.Take(length);
    if (type != "MTrk") continue;  // unknown chunks are skipped, as the format asks
    ++tracks;
    Reader track(data, FormatMessage(QT_TRANSLATE_NOOP("Message", "トラック %1 "), {std::to_string(tracks)}));
    lastTick = std::max(lastTick, ReadTrack(track, tracks - 1, tempos, midi, events, visit));
  }
  if (tracks == 0 || declaredTracks == 0) file.Fail(QT_TRANSLATE_NOOP("Message", "トラックを持っていません"));
  if (lastTick > INT32_MAX) file.Fail(QT_TRANSLATE_NOOP("Message", "長すぎる時間を持っています"));

  const auto earliest = std::min_element(tempos.begin(), tempos.end(),
                                         [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  if (earliest != tempos.end()) midi.firstTempo = earliest->microsPerQuarter;
  if (clocks && !(division & 0x8000)) {
    TempoMap clockMap(division, tempos);
    for (int64_t clock = 0; clock * division < lastTick * 24; ++clock) clocks->push_back(clockMap.Seconds(clock * division / 24));
  }
  TempoMap tempoMap(division, std::move(tempos));
  if (events) {
    std::stable_sort(events->begin(), events->end(), [](const TimedEvent& a, const TimedEvent& b) { return a.tick < b.tick; });
    for (TimedEvent& e : *events) e.seconds = tempoMap.Seconds(e.tick);
  }
  midi.lastTick = static_cast<int>(lastTick);
  midi.seconds = tempoMap.Seconds(lastTick);
  return midi;
}

}  // namespace

MidiFile ParseMidiFile(std::string bytes) {
  MidiFile midi = Parse(bytes, nullptr);
  midi.bytes = std::move(bytes);
  return midi;
}

namespace {

// The track's name, when a track-name event comes before its first event
// of another kind; empty otherwise.
std::string TrackName(Reader& track) {
  while (!track.AtEnd()) {
    track.Vlq();
    if (track.Byte() != 0xFF) return {};
    const uint8_t type = track.Byte();
    const std::string_view data = track.Take(track.Vlq());
    if (type == 0x03) return std::string(data);
  }
  return {};
}

}  // namespace

std::string WithoutTracks(std::string_view smf, const std::vector<std::string>& names) {
  Parse(smf, nullptr);  // walkable, or the reason why not
  Reader file(smf, QT_TRANSLATE_NOOP("Message", "ファイル"));
  file.Take(4);
  std::string out(smf.substr(0, 8 + file.Big(4)));
  file.Take(static_cast<uint32_t>(out.size() - 8));
  int dropped = 0;
  while (!file.AtEnd()) {
    const size_t start = file.Pos();
    const std::string_view type = file.Take(4);
    const std::string_view data = file.Take(file.Big(4));
    Reader track(data, QT_TRANSLATE_NOOP("Message", "トラック"));
    if (type == "MTrk" && std::find(names.begin(), names.end(), TrackName(track)) != names.end()) {
      ++dropped;
      continue;
    }
    out += smf.substr(start, file.Pos() - start);
  }
  const int tracks = (uint8_t(out[10]) << 8 | uint8_t(out[11])) - dropped;
  out[10] = static_cast<char>(tracks >> 8);
  out[11] = static_cast<char>(tracks & 0xFF);
  return out;
}

std::vector<TimedEvent> TimedEvents(const MidiFile& midi) {
  std::vector<TimedEvent> events;
  Parse(midi.bytes, &events);
  return events;
}

std::vector<double> ClockSeconds(const MidiFile& midi) {
  std::vector<double> clocks;
  Parse(midi.bytes, nullptr, nullptr, &clocks);
  return clocks;
}

void ForEachChannelMessage(const MidiFile& midi, const ChannelMessageVisitor& visit) {
  Parse(midi.bytes, nullptr, &visit);
}

MidiFile ReadMidiFile(const std::string& path) {
  // Ten times what the compiler's longest piece makes.
  constexpr size_t kMostBytes = size_t{128} << 20;
  std::string bytes;
  if (const auto failure = ReadInputFile(path, kMostBytes, QT_TRANSLATE_NOOP("Message", "MIDI ファイルとしては大きすぎます（128 MiB まで）"), bytes))
    throw MakePlayerError(FormatMessage(QT_TRANSLATE_NOOP("Message", "MIDI ファイル \"%1\" を開けません。"), {path}), failure->reason);
  try {
    return ParseMidiFile(std::move(bytes));
  } catch (const PlayerError& e) {
    throw PlayerError(AboutFile(path, e.what()));
  }
}

}  // namespace volemo

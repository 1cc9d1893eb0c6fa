#include "port_player.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "playback_module.h"
#include "player_error.h"
#include "translatable.h"
#include "message_text.h"

namespace volemo {

std::vector<std::string> MidiPorts() {
  const char* text = nullptr;
  ThrowIfFailed(PlaybackModule().listPorts(&text));
  std::vector<std::string> ports;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) ports.push_back(line);
  return ports;
}

std::string FindMidiPort(const std::string& name) {
  const std::vector<std::string> ports = MidiPorts();
  if (std::find(ports.begin(), ports.end(), name) != ports.end()) return name;
  std::vector<std::string> matches;
  std::copy_if(ports.begin(), ports.end(), std::back_inserter(matches),
               [&](const std::string& port) { return port.find(name) != std::string::npos; });
  if (matches.size() == 1) return matches.front();
  std::string list;
  for (const std::string& port : ports) list += "\n  " + port;
  if (ports.empty()) list = "\n  （ポートがありません）";
  throw MakePlayerError(FormatMessage(matches.empty() ? QT_TRANSLATE_NOOP("Message", "MIDI ポート \"%1\" が見つかりません。出力ポート:%2")
                                                     : QT_TRANSLATE_NOOP("Message", "MIDI ポート \"%1\" がひとつに決まりません。出力ポート:%2"),
                                      {name, list}));
}

PortPlayer::PortPlayer(const std::string& port) : module_(PlaybackModule()), port_(port) {
  ThrowIfFailed(module_.openPort(port.c_str(), &output_));
}

PortPlayer::~PortPlayer() { module_.closePort(output_); }

void PortPlayer::Open(const MidiFile& midi) {
  Close();
  events_ = TimedEvents(midi);
  clockSeconds_ = ClockSeconds(midi);
  lastTick_ = midi.lastTick;
  division_ = midi.division;
  beatsPerMinute_ = midi.firstTempo > 0 ? 60e6 / midi.firstTempo : 120;
  seconds_ = midi.seconds;
}

void PortPlayer::Play(int fromTick) {
  if (!IsOpen()) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "演奏を開始できません（MIDI ファイルが開かれていません）。"));
  if (follow_) return FollowTransport();
  const auto first = std::find_if(events_.begin(), events_.end(), [&](const TimedEvent& e) { return e.tick >= fromTick; });
  startSeconds_ = fromTick > 0 && first != events_.end() ? first->seconds : 0;
  std::vector<VolemoMidiEvent> out;
  out.reserve(events_.size());
  if (clock_) {
    if (fromTick == 0 || division_ <= 0 || division_ >= 0x8000) {
      out.push_back({0, 1, {0xFA, 0, 0}});
    } else {
      // Song position in sixteenths, then continue.
      const int sixteenths = std::min(fromTick * 4 / division_, 0x3FFF);
      out.push_back({0, 3, {0xF2, static_cast<uint8_t>(sixteenths & 0x7F), static_cast<uint8_t>(sixteenths >> 7)}});
      out.push_back({0, 1, {0xFB, 0, 0}});
    }
  }
  for (const TimedEvent& e : events_) {
    const bool note = (e.bytes[0] & 0xE0) == 0x80;  // note-on or note-off
    if (e.tick < fromTick && note) continue;
    out.push_back({std::max(e.seconds - startSeconds_, 0.0), e.size, {e.bytes[0], e.bytes[1], e.bytes[2]}});
  }
  if (clock_) {
    for (const double s : clockSeconds_)
      if (s >= startSeconds_) out.push_back({s - startSeconds_, 1, {0xF8, 0, 0}});
    // In time order; at one time the start first, as pushed.
    std::stable_sort(out.begin(), out.end(),
                     [](const VolemoMidiEvent& a, const VolemoMidiEvent& b) { return a.seconds < b.seconds; });
  }
  ThrowIfFailed(module_.playPort(output_, out.data(), out.size(), seconds_ - startSeconds_, loop_ ? 1 : 0));
}

// The transport's timeline counts 480 ticks a quarter note, and ends each
// note it starts itself: a note-on goes with the ticks until its note-off.
void PortPlayer::FollowTransport() {
  if (division_ <= 0 || division_ >= 0x8000)
    throw MakePlayerError(
        QT_TRANSLATE_NOOP("Message", "SMPTE 時間の MIDI ファイルは JACK のトランスポートに合わせて演奏できません。"));
  const auto ticks = [&](int tick) { return static_cast<uint32_t>(std::llround(tick * 480.0 / division_)); };
  std::vector<VolemoTickEvent> out;
  for (auto e = events_.begin(); e != events_.end(); ++e) {
    const int kind = e->bytes[0] & 0xF0;
    const bool on = kind == 0x90 && e->bytes[2] > 0;
    if (kind == 0x80 || (kind == 0x90 && !on)) continue;
    uint32_t length = 0;
    if (on) {
      const auto ends = [&](const TimedEvent& o) {
        const int k = o.bytes[0] & 0xF0;
        return (o.bytes[0] & 0x0F) == (e->bytes[0] & 0x0F) && o.bytes[1] == e->bytes[1] &&
               (k == 0x80 || (k == 0x90 && o.bytes[2] == 0));
      };
      const auto off = std::find_if(std::next(e), events_.end(), ends);
      length = ticks((off != events_.end() ? off->tick : lastTick_)) - ticks(e->tick);
      if (length == 0) continue;  // a note that never sounds
    }
    out.push_back({ticks(e->tick), length, e->size, {e->bytes[0], e->bytes[1], e->bytes[2]}});
  }
  ThrowIfFailed(module_.followPort(output_, out.data(), out.size(), ticks(lastTick_), beatsPerMinute_, loop_ ? 1 : 0));
}

void PortPlayer::Stop() { module_.stopPort(output_); }

void PortPlayer::Close() {
  Stop();
  events_.clear();
  lastTick_ = 0;
}

void PortPlayer::SetLoop(bool loop) {
  loop_ = loop;
  module_.setPortLoop(output_, loop ? 1 : 0);
}

bool PortPlayer::IsPlaying() const { return module_.portPlaying(output_) != 0; }

std::string PortPlayer::Failure() const {
  const char* why = module_.portFailure(output_);
  return why ? why : "";
}

int PortPlayer::PositionTick() const {
  const double position = module_.portPosition(output_);
  if (position < 0) return -1;
  const double at = position + startSeconds_;
  const auto next = std::upper_bound(events_.begin(), events_.end(), at,
                                     [](double t, const TimedEvent& e) { return t < e.seconds; });
  return next == events_.begin() ? 0 : std::prev(next)->tick;
}

}  // namespace volemo

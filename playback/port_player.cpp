#include "port_player.h"

#include <algorithm>
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
  lastTick_ = midi.lastTick;
  seconds_ = midi.seconds;
}

void PortPlayer::Play(int fromTick) {
  if (!IsOpen()) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "演奏を開始できません（MIDI ファイルが開かれていません）。"));
  const auto first = std::find_if(events_.begin(), events_.end(), [&](const TimedEvent& e) { return e.tick >= fromTick; });
  startSeconds_ = fromTick > 0 && first != events_.end() ? first->seconds : 0;
  std::vector<VolemoMidiEvent> out;
  out.reserve(events_.size());
  for (const TimedEvent& e : events_) {
    const bool note = (e.bytes[0] & 0xE0) == 0x80;  // note-on or note-off
    if (e.tick < fromTick && note) continue;
    out.push_back({std::max(e.seconds - startSeconds_, 0.0), e.size, {e.bytes[0], e.bytes[1], e.bytes[2]}});
  }
  ThrowIfFailed(module_.playPort(output_, out.data(), out.size(), seconds_ - startSeconds_, loop_ ? 1 : 0));
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

// A phrase played into a MIDI port over the playback module (see
// PortOutput), as SoundPlayer plays one on the built-in synthesizer. Every
// function throws PlayerError, also when the module cannot be loaded.
#pragma once

#include <string>
#include <vector>

#include "midi_file.h"
#include "module_interface.h"

namespace volemo {

// The ports a phrase can be played into, one name each.
std::vector<std::string> MidiPorts();
// The port of this full name, or else the one port whose name contains
// it; the message names the ports when none or several do.
std::string FindMidiPort(const std::string& name);

class PortPlayer {
 public:
  // Connects client "Volemo", port "out" to the port of this full name.
  explicit PortPlayer(const std::string& port);
  ~PortPlayer();
  PortPlayer(const PortPlayer&) = delete;
  PortPlayer& operator=(const PortPlayer&) = delete;

  const std::string& Port() const { return port_; }
  void Open(const MidiFile& midi);
  // From fromTick on: what the file sets before it (voice, controllers,
  // bends) goes out at once.
  void Play(int fromTick = 0);
  void Stop();
  void Close();
  void SetLoop(bool loop);
  // On: plays follow the JACK transport (see PortOutput::Follow), from
  // bar 1 whatever fromTick; a play into a port that is not JACK's throws
  // PlayerError. Off at first.
  void SetFollowTransport(bool follow) { follow_ = follow; }
  bool FollowsTransport() const { return follow_; }
  // On: plays send MIDI clock, 24 a quarter note at the phrase's tempo,
  // after a start (or, from a later tick, its song position and continue),
  // and a stop at the end or on Stop. Not while following the transport.
  void SetClock(bool clock) { clock_ = clock; }
  bool IsOpen() const { return !events_.empty() || lastTick_ > 0; }
  bool IsPlaying() const;
  // Why the output ended (the port went away); empty while it works.
  std::string Failure() const;
  // The tick of the latest event sent, for a window to follow; -1 when not playing.
  int PositionTick() const;

 private:
  void FollowTransport();

  const VolemoPlayback& module_;
  const std::string port_;
  VolemoPort* output_ = nullptr;
  std::vector<TimedEvent> events_;
  std::vector<double> clockSeconds_;
  int lastTick_ = 0;
  int division_ = 480;
  double beatsPerMinute_ = 120;  // the file's first tempo
  double seconds_ = 0;
  double startSeconds_ = 0;  // of the play's first tick
  bool loop_ = false;
  bool follow_ = false;
  bool clock_ = false;
};

}  // namespace volemo

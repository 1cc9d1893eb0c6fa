// The player of the play, stop and save commands and of the workbench, over
// the playback module: open a MIDI file read into memory, play it in the
// background from its start or a later tick, stop, close, and ask whether it
// plays, how far, and whether the sound output failed. See SynthPlayer for
// what each does; each throws PlayerError as SynthPlayer's does. Without the
// module (it could not be loaded) Open and Play throw why, and nothing is
// open or playing.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <thread>

#include "midi_file.h"
#include "module_interface.h"
#include "player_error.h"
#include "port_player.h"

namespace volemo {

class SoundPlayer {
 public:
  // Loads the module and starts the synthesizer's SoundFont and sound
  // output, all in the background: the caller goes on at once.
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  void Open(const MidiFile& midi);
  void Play(int fromTick = 0);
  void Stop();
  void Close();
  // Kept until the module is there, and for every play after.
  void SetLoop(bool loop);
  // Where plays go from the next Open: the built-in synthesizer, the MIDI
  // port of this full name (none when empty), or both. Throws PlayerError
  // when the port cannot be opened, and plays then go to the built-in
  // synthesizer alone.
  void SetOutput(bool builtin, const std::string& port);
  // Plays into the port follow the JACK transport (see PortPlayer); kept
  // for every port chosen after.
  void SetFollowTransport(bool follow);
  // Plays into the port send MIDI clock (see PortPlayer); kept likewise.
  void SetClock(bool clock);
  // The port plays go to; empty for none.
  std::string OutputPort() const { return port_ ? port_->Port() : std::string(); }
  // Why the port's output ended, once: the port is let go, and plays go to
  // the built-in synthesizer. Empty while it works.
  std::string TakePortFailure();
  bool IsOpen() const;
  bool IsPlaying() const;
  void CheckOutput() const;
  int PositionTick() const;
  // How many pieces have been opened: tells whether the piece is still one
  // a caller opened.
  int Opens() const { return opens_; }

 private:
  // Waits for the start; true when it made the module's player.
  bool Started() const;

  const VolemoPlayback* module_ = nullptr;
  VolemoPlayer* player_ = nullptr;
  std::exception_ptr failure_;  // why not, when not
  bool loop_ = false;
  bool builtin_ = true;
  bool follow_ = false;
  bool clock_ = false;
  int opens_ = 0;
  std::unique_ptr<PortPlayer> port_;
  mutable std::thread start_;
};

}  // namespace volemo

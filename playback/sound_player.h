// The player of the play, stop and save commands and of the workbench, over
// the playback module: open a MIDI file, play it in the background from its
// start or a later tick, stop, close, and ask whether it plays, how far, and
// whether the sound output failed. See Player for what each does; each throws
// PlayerError as Player's does. Without the module (it could not be
// loaded) Open and Play throw why, and nothing is open or playing.
#pragma once

#include <exception>
#include <string>
#include <thread>

#include "module_interface.h"
#include "player_error.h"

namespace volemo {

class SoundPlayer {
 public:
  // Loads the module and starts the synthesizer's SoundFont and sound
  // output, all in the background: the caller goes on at once.
  SoundPlayer();
  ~SoundPlayer();
  SoundPlayer(const SoundPlayer&) = delete;
  SoundPlayer& operator=(const SoundPlayer&) = delete;

  void Open(const std::string& midPath);
  void Play(int fromTick = 0);
  void Stop();
  void Close();
  // Kept until the module is there, and for every play after.
  void SetLoop(bool loop);
  bool IsOpen() const;
  bool IsPlaying() const;
  void CheckOutput() const;
  int PositionTick() const;

 private:
  // Waits for the start; true when it made the module's player.
  bool Started() const;

  const VolemoPlayback* module_ = nullptr;
  VolemoPlayer* player_ = nullptr;
  std::exception_ptr failure_;  // why not, when not
  bool loop_ = false;
  mutable std::thread start_;
};

}  // namespace volemo

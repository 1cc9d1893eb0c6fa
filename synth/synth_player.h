// The player of the play, stop and save commands: open a MIDI file, play it
// from the start in the background, stop, close, and ask whether it plays.
#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <string>

#include "midi_file.h"
#include "player_error.h"

typedef struct _fluid_player_t fluid_player_t;

namespace volemo {

class ReleaseAtEnd;
class SharedSynth;

class SynthPlayer {
 public:
  // Starts the shared synthesizer's start-up (SoundFont and sound output)
  // in the background if this is the program's first player.
  SynthPlayer();
  ~SynthPlayer();
  SynthPlayer(const SynthPlayer&) = delete;
  SynthPlayer& operator=(const SynthPlayer&) = delete;

  // Reads the file into memory (the file is not held open) and makes sure
  // the synthesizer is ready, waiting for its SoundFont if need be, with the
  // file's voices read. Closes whatever was open first: one file at a time.
  // Throws PlayerError when the file is not a MIDI file, or there is no
  // SoundFont or sound output.
  void Open(const std::string& midPath);
  // The same for a file already read.
  void Open(MidiFile file);
  // Plays the open file from fromTick (its start by default; the voice,
  // tempo and bends set before that tick still apply) and returns at once.
  // Throws PlayerError when nothing is open or playing cannot start.
  void Play(int fromTick = 0);
  // Silences the phrase (its notes are released) and keeps the file open.
  void Stop();
  // Stop, then forget the file; nothing when nothing is open.
  void Close();

  // While on, a play starts over at the file's end, without a gap, until
  // Stop; turned off during a play, that play ends at the file's end.
  void SetLoop(bool loop);

  bool IsOpen() const { return file_.has_value(); }
  // True from Play until the last event has played and the last note has
  // died away, or until Stop, or until the sound output fails.
  bool IsPlaying() const;
  // Throws PlayerError with the reason when the sound output has failed
  // since Play, whereupon the phrase no longer sounds; the next Play tries
  // to open it again.
  void CheckOutput() const;
  // The tick of the open file the sound has reached (the file's own
  // division), for a window to follow; -1 when nothing has been played.
  int PositionTick() const;

 private:
  void DeleteFluidPlayer();

  SharedSynth& shared_;
  std::optional<MidiFile> file_;
  fluid_player_t* player_ = nullptr;
  std::atomic<bool> loop_{false};  // read on the rendering thread
  std::unique_ptr<ReleaseAtEnd> releaseAtEnd_;  // hooked into player_
};

}  // namespace volemo

// The real-time sound output: one of FluidSynth's audio drivers carrying the
// shared synthesizer's sound to the desktop's sound server or card, or a
// file on machines without sound.
#pragma once

#include <fluidsynth.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "file_output.h"

namespace volemo {

class AudioOutput {
 public:
  // Tries PulseAudio (which PipeWire desktops serve too), then ALSA, or only
  // the driver named by VOLEMO_AUDIO_DRIVER ("file": see FileOutput). Throws
  // PlayerError with the cause and the text of every attempt when none
  // opens.
  AudioOutput(fluid_settings_t* settings, fluid_synth_t* synth);
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // What a file output does after a Hold: Starts (emptied, it holds the
  // sound from here on), Goes on as it was, or Ends (kept as it is, and no
  // longer written: an idle program writes nothing).
  enum class Sound { Starts, Goes, Ends };

  // Runs fn while the synthesizer renders nothing: the sound thread renders
  // silence meanwhile instead of waiting for fn. A FluidSynth MIDI player
  // hooks into the rendering, so one may only be made or deleted in here.
  void Hold(const std::function<void()>& fn, Sound sound);

  // From the rendering thread, when the last phrase has ended by itself:
  // a file output ends once the sound has died away, as after Sound::Ends.
  void EndSound() {
    if (fileOutput_) fileOutput_->Pause();
  }

  // Empty while the sound goes out; otherwise the driver and why it
  // stopped. Asked from the player's thread only.
  std::string Failure() const;
  bool IsOpen() const { return (driver_ || fileOutput_) && Failure().empty(); }

 private:
  std::string Start(const std::string& driver);
  static int Render(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
  std::mutex renderMutex_;
  std::string driverName_;
  fluid_audio_driver_t* driver_ = nullptr;
  uint64_t driverMark_ = 0;  // the log's mark when driver_ started
  std::atomic<std::thread::id> soundThread_;  // the one that called Render last
  std::unique_ptr<FileOutput> fileOutput_;
  mutable std::string failure_;  // once found
};

}  // namespace volemo

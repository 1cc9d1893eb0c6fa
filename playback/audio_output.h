// The real-time sound output: one of FluidSynth's audio drivers carrying the
// shared synthesizer's sound to the desktop's sound server or card.
#pragma once

#include <fluidsynth.h>

#include <functional>
#include <mutex>
#include <string>

namespace volemo {

class AudioOutput {
 public:
  // Tries PulseAudio (which PipeWire desktops serve too), then ALSA, or only
  // the driver named by VOLEMO_AUDIO_DRIVER. Throws PlayerError with the
  // cause and FluidSynth's text of every attempt when none opens.
  AudioOutput(fluid_settings_t* settings, fluid_synth_t* synth);
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Runs fn while the synthesizer renders nothing. A FluidSynth MIDI player
  // hooks into the rendering, so one may only be made or deleted in here.
  // Throws PlayerError when the output does not come back afterwards; fn has
  // run by then and nothing renders until the output is opened again.
  void Hold(const std::function<void()>& fn);

  bool IsOpen() const { return driver_ != nullptr; }

 private:
  bool Start(const std::string& driver);
  static int Render(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

  fluid_settings_t* settings_;
  fluid_synth_t* synth_;
  std::string driverName_;
  fluid_audio_driver_t* driver_ = nullptr;
  std::mutex renderMutex_;
};

}  // namespace volemo

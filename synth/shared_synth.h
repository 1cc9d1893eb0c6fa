// The program's one real-time synthesizer. It is made, given its SoundFont
// and connected to the sound output in the background from the first SynthPlayer
// on, so that neither the window nor the first play waits for the SoundFont
// longer than it must; every phrase after that plays on it.
#pragma once

#include <fluidsynth.h>

#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <thread>

#include "audio_output.h"
#include "midi_file.h"
#include "resident_voices.h"
#include "soundfont.h"

namespace volemo {

class SharedSynth {
 public:
  static SharedSynth& Get();

  // Waits for the start-up, tries again whatever failed in it (a SoundFont
  // or a sound server may have appeared since), loads the SoundFont anew if
  // its file has been replaced, and returns the synthesizer. Throws
  // PlayerError when the SoundFont or the sound output is missing.
  fluid_synth_t* Ready();

  // Reads the file's voices from the SoundFont now, so that the sound thread
  // never has to (see ResidentVoices). Only after Ready(), and while nothing
  // plays. Throws PlayerError.
  void HoldVoicesOf(const MidiFile& file) { voices_->HoldVoicesOf(file); }

  // See AudioOutput::Hold. Only after Ready().
  void Hold(const std::function<void()>& fn, AudioOutput::Sound sound = AudioOutput::Sound::Goes) {
    output_->Hold(fn, sound);
  }
  void EndSound() { output_->EndSound(); }
  bool Rendering() const { return output_ && output_->IsOpen(); }
  // Why the sound output stopped; empty while it works. Only after Ready().
  std::string OutputFailure() const { return output_ ? output_->Failure() : ""; }
  fluid_synth_t* Synth() const { return synth_; }

  ~SharedSynth();
  SharedSynth(const SharedSynth&) = delete;
  SharedSynth& operator=(const SharedSynth&) = delete;

 private:
  SharedSynth();
  void StartUp();
  void LoadSoundFont();

  fluid_settings_t* settings_ = nullptr;
  fluid_synth_t* synth_ = nullptr;
  std::optional<LoadedSoundFont> soundFont_;
  std::unique_ptr<ResidentVoices> voices_;  // made once the SoundFont has loaded
  std::unique_ptr<AudioOutput> output_;
  std::thread startUp_;
};

// Settings both the live and the offline synthesizer start from, so that
// both sound the same.
fluid_settings_t* NewSynthSettings();
// A synthesizer, made one at a time in the process: FluidSynth sets up
// its default modulators at its first synthesizer after marking them done,
// and another made meanwhile copies them unset and sounds otherwise.
fluid_synth_t* NewSynth(fluid_settings_t* settings);

}  // namespace volemo

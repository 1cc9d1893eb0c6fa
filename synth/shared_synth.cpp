#include "shared_synth.h"

#include <mutex>

#include "fluid_log.h"
#include "output_level.h"
#include "player_error.h"
#include "soundfont.h"
#include "translatable.h"

namespace volemo {

fluid_settings_t* NewSynthSettings() {
  CaptureFluidLog();
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kSampleRate);
  fluid_settings_setnum(settings, "synth.gain", kSynthGain);
  // The General MIDI SoundFont's samples take some 125 MB of memory, of
  // which a phrase uses a few: only the voices in use are kept (see
  // ResidentVoices).
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  // Each phrase starts from a reset of our own; FluidSynth's player would
  // reset again two seconds after the end and cut what still rings.
  fluid_settings_setint(settings, "player.reset-synth", 0);
  return settings;
}

fluid_synth_t* NewSynth(fluid_settings_t* settings) {
  static std::mutex making;
  const std::lock_guard lock(making);
  return new_fluid_synth(settings);
}

SharedSynth& SharedSynth::Get() {
  static SharedSynth instance;
  return instance;
}

SharedSynth::SharedSynth() : startUp_(&SharedSynth::StartUp, this) {}

SharedSynth::~SharedSynth() {
  if (startUp_.joinable()) startUp_.join();
  output_.reset();  // the driver renders from synth_ until it is deleted
  if (synth_) delete_fluid_synth(synth_);
  if (settings_) delete_fluid_settings(settings_);
}

void SharedSynth::StartUp() {
  settings_ = NewSynthSettings();
  synth_ = NewSynth(settings_);
  if (!synth_) return;  // Ready() reports it
  // Failures are left for Ready() to retry and report on the window's thread.
  try {
    LoadSoundFont();
    output_ = std::make_unique<AudioOutput>(settings_, synth_);
  } catch (...) {
  }
}

void SharedSynth::LoadSoundFont() {
  if (soundFont_) {
    // FluidSynth keeps the old samples until the notes still ringing on
    // them have ended.
    voices_.reset();
    fluid_synth_sfunload(synth_, soundFont_->id, 1);
    soundFont_.reset();
  }
  soundFont_ = volemo::LoadSoundFont(synth_, SoundFontCandidates());
  voices_ = std::make_unique<ResidentVoices>(synth_);
}

fluid_synth_t* SharedSynth::Ready() {
  if (startUp_.joinable()) startUp_.join();
  if (!synth_) {
    const uint64_t mark = FluidLogMark();
    synth_ = NewSynth(settings_);
    if (!synth_) throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "シンセサイザーを作成できません。"), FluidErrorsSince(mark));
  }
  if (!soundFont_ || Replaced(*soundFont_)) LoadSoundFont();
  if (!Rendering()) {
    output_.reset();
    output_ = std::make_unique<AudioOutput>(settings_, synth_);
  }
  return synth_;
}

}  // namespace volemo

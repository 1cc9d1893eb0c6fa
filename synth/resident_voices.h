// Which voices of the SoundFont a synthesizer keeps in memory.
//
// With dynamic sample loading a synthesizer holds only the samples of the
// presets selected on its channels, and reads a preset's samples from the
// SoundFont file when a program change selects it: 1 to 16 ms, which on the
// sound thread would hold up the period being rendered and could be heard.
// So a phrase's voices are read before it plays, and pinned, so that the
// reset before each phrase does not let them go; the voices of the phrase
// before are let go once another phrase no longer needs them.
#pragma once

#include <fluidsynth.h>

#include <compare>
#include <set>

#include "midi_file.h"

namespace volemo {

class ResidentVoices {
 public:
  // Pins the voices a reset selects (the piano and the standard drum kit) for
  // good. After the SoundFont has loaded; sounding notes ring on.
  explicit ResidentVoices(fluid_synth_t* synth);
  ResidentVoices(const ResidentVoices&) = delete;
  ResidentVoices& operator=(const ResidentVoices&) = delete;

  // Reads and pins the voices the file's bank selects and program changes
  // choose, and lets go of the previous file's other voices. On the caller's
  // thread while no phrase plays; the channels are left set to the file's
  // voices until the reset before it plays. Throws PlayerError when a voice
  // cannot be read.
  void HoldVoicesOf(const MidiFile& file);

  // Every channel to the voice a reset selects (on channel 10 the drums',
  // unless it was made a melodic channel), without a reset's silencing of
  // every note.
  void SelectResetVoices();

 private:
  struct Preset {
    int sfont, bank, program;
    auto operator<=>(const Preset&) const = default;
  };
  Preset OnChannel(int channel) const;

  fluid_synth_t* synth_;
  std::set<Preset> always_;
  std::set<Preset> phrase_;
};

}  // namespace volemo

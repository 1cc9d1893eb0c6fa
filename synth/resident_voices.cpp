#include "resident_voices.h"

#include <string>

#include "fluid_log.h"
#include "player_error.h"
#include "translatable.h"

namespace volemo {

ResidentVoices::ResidentVoices(fluid_synth_t* synth) : synth_(synth) {
  SelectResetVoices();
  for (int channel = 0; channel < fluid_synth_count_midi_channels(synth_); ++channel) {
    const Preset preset = OnChannel(channel);
    if (preset.sfont >= 0 && always_.insert(preset).second)
      fluid_synth_pin_preset(synth_, preset.sfont, preset.bank, preset.program);
  }
}

void ResidentVoices::SelectResetVoices() {
  for (int channel = 0; channel < fluid_synth_count_midi_channels(synth_); ++channel) {
    fluid_synth_cc(synth_, channel, 0, 0);
    fluid_synth_cc(synth_, channel, 32, 0);
    fluid_synth_program_change(synth_, channel, 0);
  }
}

ResidentVoices::Preset ResidentVoices::OnChannel(int channel) const {
  // The preset FluidSynth chose, after its fallbacks for a bank or program
  // the SoundFont lacks, rather than the numbers the file asked for.
  fluid_preset_t* preset = fluid_synth_get_channel_preset(synth_, channel);
  if (!preset) return {-1, 0, 0};
  return {fluid_sfont_get_id(fluid_preset_get_sfont(preset)), fluid_preset_get_banknum(preset),
          fluid_preset_get_num(preset)};
}

void ResidentVoices::HoldVoicesOf(const MidiFile& file) {
  const uint64_t mark = FluidLogMark();
  // Every channel back to its voice after a reset, so that the last phrase's
  // voices are let go here rather than in the reset before playing; then the
  // file's events as it will play them. Selecting a preset reads its samples.
  SelectResetVoices();
  std::set<Preset> needed;
  for (const VoiceEvent& e : file.voiceEvents) {
    const int channel = e.status & 0x0F;
    if ((e.status & 0xF0) == 0xB0) {
      fluid_synth_cc(synth_, channel, e.data1, e.data2);
      continue;
    }
    fluid_synth_program_change(synth_, channel, e.data1);
    const Preset preset = OnChannel(channel);
    if (preset.sfont < 0 || always_.contains(preset) || !needed.insert(preset).second) continue;
    if (!phrase_.contains(preset)) fluid_synth_pin_preset(synth_, preset.sfont, preset.bank, preset.program);
  }
  for (const Preset& preset : phrase_)
    if (!needed.contains(preset)) fluid_synth_unpin_preset(synth_, preset.sfont, preset.bank, preset.program);
  phrase_ = std::move(needed);
  // A SoundFont file that has gone or cannot be read since it was loaded
  // leaves the voice silent.
  if (const std::string errors = OwnErrorsSince(mark); !errors.empty())
    throw MakePlayerError(QT_TRANSLATE_NOOP("Message", "SoundFont から音色を読み込めません。"), errors);
}

}  // namespace volemo

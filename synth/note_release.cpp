#include "note_release.h"

#include <utility>

namespace volemo {

void ReleaseAllNotes(fluid_synth_t* synth) {
  for (int channel = 0; channel < fluid_synth_count_midi_channels(synth); ++channel) {
    fluid_synth_cc(synth, channel, 64, 0);  // sustain
    fluid_synth_cc(synth, channel, 66, 0);  // sostenuto
    fluid_synth_all_notes_off(synth, channel);
  }
}

ReleaseAtEnd::ReleaseAtEnd(fluid_player_t* player, fluid_synth_t* synth, int lastTick,
                           std::function<void()> atEnd)
    : synth_(synth), lastTick_(lastTick), atEnd_(std::move(atEnd)) {
  fluid_player_set_tick_callback(player, OnTick, this);
}

int ReleaseAtEnd::OnTick(void* data, int tick) {
  auto* self = static_cast<ReleaseAtEnd*>(data);
  // The player has sent the events of this tick already, the last
  // note-offs among them. A loop starts over: its end releases again.
  if (tick < self->lastTick_) self->released_ = false;
  if (!self->released_ && tick >= self->lastTick_) {
    self->released_ = true;
    ReleaseAllNotes(self->synth_);
    self->atEnd_();
  }
  return FLUID_OK;
}

}  // namespace volemo

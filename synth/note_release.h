// No note may ring on once its phrase is gone or over.
#pragma once

#include <fluidsynth.h>

#include <functional>

namespace volemo {

// Pedals up, then every note released, so that each dies away as it would
// have at its own end.
void ReleaseAllNotes(fluid_synth_t* synth);

// Releases every note once a player reaches the end of its file, as a
// sequencer does at the end of a song: a note the file never ends would
// otherwise sound, and the phrase count as playing, for ever.
class ReleaseAtEnd {
 public:
  // Hooks into player, which must not outlive this object; before playing.
  // atEnd runs on the rendering thread after each release at the end.
  ReleaseAtEnd(fluid_player_t* player, fluid_synth_t* synth, int lastTick,
               std::function<void()> atEnd = [] {});
  ReleaseAtEnd(const ReleaseAtEnd&) = delete;
  ReleaseAtEnd& operator=(const ReleaseAtEnd&) = delete;

 private:
  static int OnTick(void* data, int tick);  // on the rendering thread

  fluid_synth_t* synth_;
  int lastTick_;
  std::function<void()> atEnd_;
  bool released_ = false;
};

}  // namespace volemo

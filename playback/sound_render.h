// Offline rendering over the playback module: see SynthRenderer. Each function
// throws PlayerError, also when the module cannot be loaded.
#pragma once

#include <functional>
#include <string>

#include "midi_file.h"
#include "module_interface.h"
#include "player_error.h"

namespace volemo {

class SoundRenderer {
 public:
  // A synthesizer of its own with threads workers (1 to 8); see SynthRenderer
  // for repeatable.
  SoundRenderer(int threads, bool repeatable);
  ~SoundRenderer();
  SoundRenderer(const SoundRenderer&) = delete;
  SoundRenderer& operator=(const SoundRenderer&) = delete;

  // To WAV, FLAC or Ogg Vorbis by outPath's extension (see SoundFormatOf);
  // name is the MIDI file's for messages. stop, asked after each block of
  // sound with the seconds rendered so far, ends the render with a message
  // when it returns true.
  void Render(const MidiFile& midi, const std::string& name, const std::string& outPath,
              const std::function<bool(double secondsRendered)>& stop = {});

 private:
  const VolemoPlayback& module_;
  VolemoRenderer* renderer_ = nullptr;
};

// Renders midi with every core.
void RenderSound(const MidiFile& midi, const std::string& name, const std::string& outPath,
                 const std::function<bool(double secondsRendered)>& stop = {});

}  // namespace volemo

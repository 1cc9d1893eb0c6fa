// Rendering a MIDI file to a sound file, without the sound output.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "midi_file.h"
#include "player_error.h"

namespace volemo {

class OfflineSynth;

// Asked after each block of sound with the seconds rendered so far; true
// ends the render.
using RenderStop = std::function<bool(double secondsRendered)>;

// A synthesizer of its own for rendering, so rendering never disturbs what
// plays live, and renderers render side by side. It keeps its SoundFont
// from one render to the next until the file is replaced.
class SynthRenderer {
 public:
  // threads: FluidSynth's workers for this synthesizer (1 to 8). A
  // synthesizer kept from one render to the next carries a trace of the
  // last into the next (the reverb's state, the order of its voices: a few
  // samples a step apart, a tail a little longer): with repeatable, every
  // render starts on a new one (a little slower) and sounds the same
  // whatever was rendered before. Workers take the voices as they come
  // free, so a block's sums may round another way from run to run: a
  // repeatable renderer has one, whatever threads says.
  SynthRenderer(int threads, bool repeatable);
  ~SynthRenderer();
  SynthRenderer(const SynthRenderer&) = delete;
  SynthRenderer& operator=(const SynthRenderer&) = delete;

  // Renders midi into a 44.1 kHz stereo file at outPath, 16-bit WAV or
  // FLAC or Ogg Vorbis by its name (see SoundFormatOf; any other name is
  // refused), written with libsndfile, as fast as the processor
  // allows, with the live player's SoundFont, level and sample-exact
  // timing. The sound lasts as long as the music, and longer only while its
  // last notes and their reverb still ring (down to -60 dBFS). name is the
  // MIDI file's for messages. Throws PlayerError; a file already at outPath
  // is replaced only by a complete new one. A failed write ends the render
  // at once; so does stop when it returns true.
  void Render(const MidiFile& midi, const std::string& name, const std::string& outPath,
              const RenderStop& stop = {});

 private:
  const int threads_;
  const bool repeatable_;
  std::unique_ptr<OfflineSynth> offline_;
};

}  // namespace volemo

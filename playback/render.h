// Rendering a MIDI file to a sound file, without the sound output.
#pragma once

#include <functional>
#include <string>

#include "player_error.h"

namespace volemo {

// Renders the MIDI file at midPath into a 44.1 kHz 16-bit stereo WAV file at
// wavPath as fast as the CPU allows, with the live player's SoundFont, level
// and sample-exact timing. The sound lasts as long as the music, and longer
// only while its last notes and their reverb still ring (down to -60 dBFS).
// Throws PlayerError; a file already at wavPath is replaced only by a
// complete new one. A failed write ends the render at once; so does stop,
// asked after each block of sound, when it returns true.
void RenderMidiToWav(const std::string& midPath, const std::string& wavPath,
                     const std::function<bool()>& stop = {});

}  // namespace volemo

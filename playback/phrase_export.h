// A phrase to a file chosen by its extension, as the take list and the
// command line export it.
#pragma once

#include <functional>
#include <string>

#include "player_error.h"

namespace volemo {

// True for the extensions ExportPhrase writes: .mid, .mml, .wav, .flac and
// .ogg (any letter case).
bool CanExportTo(const std::string& path);

// Writes mml (CP932) to path: .mml the text exactly as the box holds it,
// .mid compiled, a sound file compiled and rendered (see SoundFormatOf). An
// existing file is replaced only by a complete new one, and a render that
// fails or is stopped leaves nothing. Throws PlayerError: the compiler's
// message when the phrase does not compile, or the file that could not be
// written. While rendering, stop is asked after each block of sound with
// the share of the phrase done (0 to 1); true ends the render.
void ExportPhrase(const std::string& mml, const std::string& path,
                  const std::function<bool(double done)>& stop = {});

}  // namespace volemo

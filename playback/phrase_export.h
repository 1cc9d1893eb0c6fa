// A phrase to a file chosen by its extension, as the take list and the
// command line export it.
#pragma once

#include <string>

#include "player_error.h"

namespace volemo {

// True for the extensions ExportPhrase writes: .mid, .mml and .wav (any
// letter case).
bool CanExportTo(const std::string& path);

// Writes mml (CP932) to path: .mml the text exactly as the box holds it,
// .mid compiled, .wav compiled and rendered. An existing file is replaced
// only by a complete new one. Throws PlayerError: the compiler's message
// when the phrase does not compile, or the file that could not be written.
void ExportPhrase(const std::string& mml, const std::string& path);

}  // namespace volemo

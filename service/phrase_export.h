// The one way from a phrase's MML to a MIDI file, a sound file or a file on
// disk, for the window and the command line alike: the phrase is compiled
// into memory, and its bytes go to the player, the renderer, the port or
// the file writer. Nothing passes through a scratch file.
#pragma once

#include <functional>
#include <string>

#include "midi_file.h"
#include "player_error.h"
#include "use_vorlin_dll.h"

namespace volemo {

// The phrase's MIDI file, read as the player reads one. Throws
// CompileError with the compiler's message (UTF-8).
MidiFile CompilePhrase(const std::string& mml);

// True for the extensions ExportPhrase writes: .mid, .mml, .wav, .flac and
// .ogg (any letter case).
bool CanExportTo(const std::string& path);

// Writes mml (CP932) to path: .mml the text exactly as the box holds it,
// .mid compiled, a sound file compiled and rendered (see SoundFormatOf). An
// existing file is replaced only by a complete new one, and a render that
// fails or is stopped leaves nothing. Throws CompileError when the phrase
// does not compile, FileError or PlayerError when the file could not be
// written. While
// rendering, stop is asked after each block of sound with the share of the
// phrase done (0 to 1); true ends the render.
void ExportPhrase(const std::string& mml, const std::string& path,
                  const std::function<bool(double done)>& stop = {});

}  // namespace volemo

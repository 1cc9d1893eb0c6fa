// The one caller of the MML compiler library.
#pragma once

#include <string>

namespace volemo {

// Compiles mml (CP932) into a MIDI file at midiPath; true on success.
// The library's message is kept after every call, successful or not.
bool CompileMmlToMidi(const std::string& mml, const std::string& midiPath);
const std::string& LastCompileMessage();

}  // namespace volemo

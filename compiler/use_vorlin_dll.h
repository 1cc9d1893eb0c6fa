// The one caller of the MML compiler library.
#pragma once

#include <cstddef>
#include <string>

namespace volemo {

// The longest MML text the compiler takes, in bytes.
constexpr size_t kMostMmlBytes = size_t{16} << 20;

// Compiles mml (CP932) into a MIDI file at midiPath; true on success.
// The library's message is kept after every call, successful or not, for
// the calling thread.
bool CompileMmlToMidi(const std::string& mml, const std::string& midiPath);
// The same into memory: midi gets the file's bytes (none on failure).
bool CompileMmlToBytes(const std::string& mml, std::string& midi);
const std::string& LastCompileMessage();

}  // namespace volemo

// The one caller of the MML compiler library.
#pragma once

#include <cstddef>
#include <string>

#include "volemo_error.h"

namespace volemo {

// The longest MML text the compiler takes, in bytes.
constexpr size_t kMostMmlBytes = size_t{16} << 20;

// MML that does not compile: what() is the compiler's message in UTF-8,
// as the compile command prints it.
class CompileError : public Error {
 public:
  using Error::Error;
};

// Compiles mml (CP932) into a MIDI file at midiPath; true on success.
// The library's message is kept after every call, successful or not, for
// the calling thread.
bool CompileMmlToMidi(const std::string& mml, const std::string& midiPath);
// The same into memory: midi gets the file's bytes (none on failure).
bool CompileMmlToBytes(const std::string& mml, std::string& midi);
const std::string& LastCompileMessage();
// The MIDI file's bytes of mml (CP932); throws CompileError.
std::string CompileMml(const std::string& mml);

}  // namespace volemo

// Plays the instructions into a song: times, lengths after the gate, and
// the limits that keep any input bounded in time and memory.
#pragma once

#include <string_view>

#include "dvorlin/compile.h"
#include "program.h"
#include "reporter.h"

namespace dvorlin {

// Stops at the first mistake (reported with its place in mml); the song is
// then incomplete.
Song PerformProgram(const Program& program, std::string_view mml, Reporter& reporter);

}  // namespace dvorlin

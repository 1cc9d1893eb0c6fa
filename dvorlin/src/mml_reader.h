// Reads MML text into instructions, reporting every mistake it can place.
#pragma once

#include <string_view>

#include "program.h"
#include "reporter.h"

namespace dvorlin {

// The program is meant to be played only when nothing was reported.
Program ReadMml(std::string_view mml, Reporter& reporter);

}  // namespace dvorlin

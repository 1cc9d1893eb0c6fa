#pragma once

#include <string>

namespace volemo {

// The directory of the running program's file, ending with "/". Scale.dat
// and temp.mid are always taken relative to it, never to the working
// directory.
std::string ProgramDir();

}  // namespace volemo

#pragma once

#include <string>

namespace volemo {

// The directory of the running program's file, ending with "/". Scale.dat
// and temp.mid are always taken relative to it, never to the working
// directory.
std::string ProgramDir();

// The file NAME of the program's data (Scale.dat, manual/…): beside the
// program when it is there (the build tree, or a copy the user put beside an
// installed program, which wins), else in the installed data folder
// (../share/volemo/ from the program's folder). When neither exists, the
// path beside the program, so that a message names the place a user would
// put the file.
std::string DataPath(const std::string& name);
std::string DataPathIn(const std::string& programDir, const std::string& name);

}  // namespace volemo

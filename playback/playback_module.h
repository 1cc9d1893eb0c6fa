// The program's side of the playback module (module_interface.h): loaded on
// first use, from beside the program when it is there, or else wherever the
// dynamic linker finds libvolemo-playback.so (the program's run path,
// LD_LIBRARY_PATH, the system's library folders).
#pragma once

#include "module_interface.h"

namespace volemo {

// The module's table, loading the module on the first call (thread-safe).
// Throws PlayerError naming the module and the loader's reason when it
// cannot be loaded or is of another version; the next call tries again.
const VolemoPlayback& PlaybackModule();

// Throws PlayerError with message when the module's call failed.
void ThrowIfFailed(const char* message);

}  // namespace volemo

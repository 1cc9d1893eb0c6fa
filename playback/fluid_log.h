// FluidSynth and ALSA report through process-wide log hooks. The program
// keeps their error texts for its own messages instead of letting them reach
// the terminal.
#pragma once

#include <cstdint>
#include <string>

namespace volemo {

// Installs the hooks, once; call before creating any FluidSynth object.
void CaptureFluidLog();

// Errors are numbered as they arrive; a caller takes a mark before an
// operation and asks afterwards for what was reported since.
uint64_t FluidLogMark();
// FluidSynth's error texts since mark, joined by " / "; empty when none.
std::string FluidErrorsSince(uint64_t mark);
// ALSA's last error text since mark (it explains what FluidSynth's ALSA
// driver only calls a failure to open the device); empty when none.
std::string AlsaErrorSince(uint64_t mark);

}  // namespace volemo

// FluidSynth and ALSA report through process-wide log hooks. The program
// keeps their error texts for its own messages instead of letting them reach
// the terminal.
#pragma once

#include <cstdint>
#include <string>
#include <thread>

namespace volemo {

// Installs the hooks, once; call before creating any FluidSynth object.
void CaptureFluidLog();

// Errors are numbered as they arrive; a caller takes a mark before an
// operation and asks afterwards for what was reported since.
uint64_t FluidLogMark();
// FluidSynth's error texts since mark, joined by " / "; empty when none.
std::string FluidErrorsSince(uint64_t mark);
// The same, of the calling thread only: for an operation whose failure
// shows only in the log, which must not take a sound driver's errors,
// reported meanwhile on its own thread, for its own.
std::string OwnErrorsSince(uint64_t mark);
// FluidSynth's error texts since mark that the given thread reported outside
// the render callback, joined by " / ". An audio driver reports on its sound
// thread outside the callback only when it gives up.
std::string DriverErrorsSince(uint64_t mark, std::thread::id thread);

// Marks the sound thread's time inside the render callback (see
// DriverErrorsSince); no lock, no allocation.
class InsideRenderCallback {
 public:
  InsideRenderCallback();
  ~InsideRenderCallback();
  InsideRenderCallback(const InsideRenderCallback&) = delete;
  InsideRenderCallback& operator=(const InsideRenderCallback&) = delete;
};

// ALSA's last error text since mark (it explains what FluidSynth's ALSA
// driver only calls a failure to open the device); empty when none.
std::string AlsaErrorSince(uint64_t mark);

}  // namespace volemo

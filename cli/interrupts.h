// Interrupts (SIGINT, SIGTERM, SIGHUP) that never leave a half-written file.
#pragma once

namespace volemo::cli {

// While one lives, an interrupt does not end the program at once: it is
// held until the object goes, after the file being written has been renamed
// into place or removed, and then ends the program as it would have. Work
// that can stop early (a render) asks InterruptPending. Interrupts the
// program was started with ignored (nohup) stay ignored. One at a time.
class DeferInterrupts {
 public:
  DeferInterrupts();
  ~DeferInterrupts();
  DeferInterrupts(const DeferInterrupts&) = delete;
  DeferInterrupts& operator=(const DeferInterrupts&) = delete;
};

bool InterruptPending();

}  // namespace volemo::cli

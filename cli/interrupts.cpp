#include "interrupts.h"

#include <atomic>
#include <cerrno>
#include <csignal>

namespace volemo::cli {
namespace {

constexpr int kInterrupts[] = {SIGINT, SIGTERM, SIGHUP};

// Each side writes its own flag before it reads the other's, so an
// interrupt that arrives while the deferring ends is either seen by the
// handler as not deferred or by ~DeferInterrupts as pending.
std::atomic<bool> deferring{false};
std::atomic<int> pending{0};

// Ends the program by the signal, as if it had had no handler.
void EndBy(int signal) {
  std::signal(signal, SIG_DFL);
  std::raise(signal);  // inside the handler: delivered when it returns
}

void OnInterrupt(int signal) {
  const int savedErrno = errno;
  pending.store(signal);
  if (!deferring.load()) EndBy(signal);
  errno = savedErrno;
}

void InstallOnce() {
  static const bool installed = [] {
    for (const int signal : kInterrupts) {
      struct sigaction old {};
      sigaction(signal, nullptr, &old);
      if (old.sa_handler == SIG_IGN) continue;
      struct sigaction action {};
      action.sa_handler = OnInterrupt;
      action.sa_flags = SA_RESTART;  // the write under way goes on
      sigemptyset(&action.sa_mask);
      sigaction(signal, &action, nullptr);
    }
    return true;
  }();
  (void)installed;
}

}  // namespace

DeferInterrupts::DeferInterrupts() {
  InstallOnce();
  deferring.store(true);
}

DeferInterrupts::~DeferInterrupts() {
  deferring.store(false);
  if (const int signal = pending.load()) EndBy(signal);
}

bool InterruptPending() { return pending.load() != 0; }

}  // namespace volemo::cli

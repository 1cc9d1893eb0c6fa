#include "batch_progress.h"

#include <unistd.h>

#include <cstdio>
#include <string>

namespace volemo::cli {

Progress::Progress(size_t total) : total_(total), shown_(isatty(STDERR_FILENO) == 1) {}

void Progress::Show(size_t done) {
  if (!shown_ || total_ == 0) return;
  constexpr int kWidth = 30;
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  const double rate = seconds > 0 ? done / seconds : 0;
  const int filled = static_cast<int>(kWidth * done / total_);
  std::string left = "--:--";
  if (rate > 0) {
    const long s = static_cast<long>((total_ - done) / rate + 0.5);
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld", s / 60, s % 60);
    left = text;
  }
  std::fprintf(stderr, "\r[%s%s] %zu/%zu  %.0f/s  %s left ", std::string(filled, '#').c_str(),
               std::string(kWidth - filled, '.').c_str(), done, total_, rate, left.c_str());
  std::fflush(stderr);
}

void Progress::End() {
  if (shown_ && total_ > 0) std::fputc('\n', stderr);
}

}  // namespace volemo::cli

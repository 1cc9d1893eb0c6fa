// The batch's progress bar on standard error, when that is a terminal.
#pragma once

#include <chrono>
#include <cstddef>

namespace volemo::cli {

class Progress {
 public:
  explicit Progress(size_t total);
  // Redraws the bar: done of total, the rate, and the time left.
  void Show(size_t done);
  // Ends the bar's line.
  void End();

 private:
  const size_t total_;
  const bool shown_;
  const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace volemo::cli

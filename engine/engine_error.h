#pragma once

#include <stdexcept>
#include <string>

namespace volemo {

// A failure the user is told about in the error box. what() is UTF-8, as
// every exception text of the program: it becomes CP932 only where it
// enters a CP932 text (the status line, the MML box, a CP932 file).
class EngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace volemo

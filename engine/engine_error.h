#pragma once

#include <string>

#include "volemo_error.h"

namespace volemo {

// A failure the user is told about in the error box. what() is UTF-8, as
// every exception text of the program: it becomes CP932 only where it
// enters a CP932 text (the status line, the MML box, a CP932 file).
class EngineError : public Error {
 public:
  using Error::Error;
};

}  // namespace volemo

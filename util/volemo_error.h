// The base of every failure the user is told about, whichever part found
// it: what() is UTF-8, always. CP932 stays at the edges (the MML box and
// status line, CP932 files, the compiler's interface); a text crosses into
// an error here only converted.
#pragma once

#include <stdexcept>

namespace volemo {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace volemo

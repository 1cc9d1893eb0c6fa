// What cannot be learned from: the message names the file or the takes and
// says why, in Japanese as the window shows it.
#pragma once

#include <stdexcept>

namespace volemo {

class LearnError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace volemo

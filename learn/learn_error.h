// What cannot be learned from: the message names the file or the takes and
// says why, in Japanese as the window shows it.
#pragma once

#include "volemo_error.h"

namespace volemo {

class LearnError : public Error {
 public:
  using Error::Error;
};

}  // namespace volemo

#pragma once

#include <stdexcept>
#include <string>

namespace volemo {

// A failure the user is told about in the error box. what() is CP932 text.
class EngineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace volemo

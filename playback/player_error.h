#pragma once

#include <stdexcept>
#include <string_view>

namespace volemo {

// A failure of the player or the renderer that the user is told about in the
// error box. what() is UTF-8: the cause in Japanese, then FluidSynth's or
// the system's own text where there is one.
class PlayerError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Both texts UTF-8; the detail may be empty.
PlayerError MakePlayerError(std::string_view cause, std::string_view detail = {});

}  // namespace volemo

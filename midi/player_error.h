#pragma once

#include <string_view>

#include "volemo_error.h"

namespace volemo {

// A failure of the player or the renderer that the user is told about in the
// error box. what() is UTF-8: the cause in Japanese, then FluidSynth's or
// the system's own text where there is one.
class PlayerError : public Error {
 public:
  using Error::Error;
};

// Both texts UTF-8; the detail may be empty.
PlayerError MakePlayerError(std::string_view cause, std::string_view detail = {});

}  // namespace volemo

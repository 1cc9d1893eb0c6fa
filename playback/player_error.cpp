#include "player_error.h"

#include <string>

#include "cp932.h"

namespace volemo {

PlayerError MakePlayerError(std::string_view cause, std::string_view detail) {
  std::string text(cause);
  if (!detail.empty()) text.append(" ").append(detail);
  return PlayerError(Cp932FromUtf8Lossy(text));
}

}  // namespace volemo

#include "player_error.h"

#include <string>

namespace volemo {

PlayerError MakePlayerError(std::string_view cause, std::string_view detail) {
  std::string text(cause);
  if (!detail.empty()) text.append(" ").append(detail);
  return PlayerError(text);
}

}  // namespace volemo

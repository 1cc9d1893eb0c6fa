#include "window_place.h"

#include <algorithm>

namespace volemo {
namespace {

constexpr int kGap = 8;  // between the two windows' frames

}  // namespace

QRect PlaceBeside(const QRect& screen, const QRect& main, QSize wanted, int minWidth) {
  const int screenEnd = screen.x() + screen.width(), mainEnd = main.x() + main.width();
  const int roomRight = screenEnd - mainEnd - kGap, roomLeft = main.x() - screen.x() - kGap;
  const int height = std::min(wanted.height(), screen.height());
  const int y = std::clamp(main.y(), screen.y(), screen.y() + screen.height() - height);
  if (std::max(roomRight, roomLeft) >= minWidth) {
    if (roomRight >= wanted.width() || roomRight >= roomLeft) {
      const int width = std::min(wanted.width(), roomRight);
      return {mainEnd + kGap, y, width, height};
    }
    const int width = std::min(wanted.width(), roomLeft);
    return {main.x() - kGap - width, y, width, height};
  }
  const int width = std::min(wanted.width(), screen.width());
  return {std::clamp(main.x(), screen.x(), screenEnd - width), y, width, height};
}

}  // namespace volemo

// Where the workbench opens the first time, as a plain function of the
// screen and the main window, so that every case can be tried without one.
#pragma once

#include <QRect>
#include <QSize>

namespace volemo {

// The frame of a window of size `wanted` beside `main` on `screen`: at the
// right or the left of it, whichever has more room (the right when it has
// enough), narrowed to that room down to minWidth; with less room than
// that on both sides, over `main` from its top left corner. Always inside
// the screen where it fits, and never taller or wider than the screen.
QRect PlaceBeside(const QRect& screen, const QRect& main, QSize wanted, int minWidth);

}  // namespace volemo

// The toolbar's pictures, drawn in code on a 16 x 16 grid so that they stay
// sharp at any screen scale.
#pragma once

#include <QIcon>

namespace volemo {

enum class ToolbarPicture {
  SaveMidi,       // a sheet with a red arrow bending down into a floppy disk
  Play,           // a square key holding a black right-pointing triangle
  Stop,           // the same key holding a black square
  MakeAndPlay,    // a round grey disc with a green gem
  RandomAndPlay,  // the same disc with a red gem
  Workbench,      // a small piano roll: notes on a grid, one held by a pin
  DragOut,        // an eighth note on a sheet with a curved arrow leaving it
  Loop,           // a blue ring of an arrow, round to its own tail
  TakeBack,       // a blue arrow bending back to the left
  TakeForward,    // the same arrow bending on to the right
};

QIcon DrawToolbarPicture(ToolbarPicture picture);

}  // namespace volemo

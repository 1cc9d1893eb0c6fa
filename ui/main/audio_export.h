// Rendering the phrase to a sound file from the window, with a progress
// dialog that can cancel it.
#pragma once

#include <QString>
#include <string>

class QWidget;

namespace volemo {

// Compiles mml (CP932) and renders it into path (WAV, FLAC or Ogg Vorbis by
// its extension) on a thread of its own while the dialog shows how far it
// is. The file is made under a temporary name and renamed when complete.
// False when cancelled, and then nothing is left behind. Throws
// PlayerError when the phrase does not compile or the file cannot be
// written, also leaving nothing.
bool ExportAudio(QWidget* parent, const std::string& mml, const QString& path);

}  // namespace volemo

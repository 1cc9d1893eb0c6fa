// The one file dialog the save and open commands share. It remembers the
// last path and filter the user confirmed (or the file last opened), and
// proposes that path again under the current command's extension, so saving
// MML never offers to overwrite the MIDI file just saved, nor the reverse.
#pragma once

#include <QString>
#include <optional>

#include "gui_benri.h"

class QWidget;

namespace volemo {

class SaveDialog {
 public:
  struct Kind {
    QString filterLabel;  // e.g. "MIDI(*.mid)"
    QString extension;    // e.g. "mid"
  };
  static const Kind kMidi;
  static const Kind kMml;

  // The chosen file name, or nullopt when the user cancels.
  std::optional<QString> Ask(QWidget* parent, const Kind& kind);
  // The file to open, in the same folder; nullopt when the user cancels.
  std::optional<QString> AskOpen(QWidget* parent, const Kind& kind);
  // The sound file to render to: WAV, FLAC or Ogg Vorbis as the filter
  // chosen (remembered apart from the other commands' filter) says, unless
  // the name typed has one of those extensions itself.
  std::optional<QString> AskAudio(QWidget* parent);
  // A file opened some other way (dropped, named at start-up) is
  // remembered as if it had been chosen here.
  void Remember(const QString& path) { lastPath_ = path; }

 private:
  using Dialog = std::optional<SaveAnswer> (*)(QWidget*, const SaveRequest&);
  std::optional<QString> AskWith(QWidget* parent, const Kind& kind, Dialog dialog);

  QString lastPath_;
  int lastFilter_ = 0;
  int lastAudioFilter_ = 0;
};

}  // namespace volemo

// The one save dialog both save commands share. It remembers the last path
// and filter the user confirmed, and proposes that path again under the
// current command's extension, so saving MML never offers to overwrite the
// MIDI file just saved, nor the reverse.
#pragma once

#include <QString>
#include <optional>

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

 private:
  QString lastPath_;
  int lastFilter_ = 0;
};

}  // namespace volemo

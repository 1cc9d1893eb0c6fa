#include "save_dialog.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <iterator>

#include "gui_benri.h"

namespace volemo {
namespace {

// The remembered name with the extension of the command at hand; a name
// with some other extension keeps it and gets ours after it.
QString WithExtension(const QString& path, const QString& extension) {
  if (path.isEmpty()) return path;
  const QFileInfo info(path);
  const QString suffix = info.suffix().toLower();
  if (suffix == extension) return path;
  if (suffix == u"mid" || suffix == u"mml" || suffix == u"wav" || suffix == u"flac" || suffix == u"ogg")
    return path.left(path.size() - info.suffix().size()) + extension;
  return path + u'.' + extension;
}

const SaveDialog::Kind kAudio[] = {{QStringLiteral("WAV(*.wav)"), QStringLiteral("wav")},
                                   {QStringLiteral("FLAC(*.flac)"), QStringLiteral("flac")},
                                   {QStringLiteral("Ogg Vorbis(*.ogg)"), QStringLiteral("ogg")}};

}  // namespace

const SaveDialog::Kind SaveDialog::kMidi{QStringLiteral("MIDI(*.mid)"), QStringLiteral("mid")};
const SaveDialog::Kind SaveDialog::kMml{QStringLiteral("MML(*.mml)"), QStringLiteral("mml")};

std::optional<QString> SaveDialog::Ask(QWidget* parent, const Kind& kind) {
  return AskWith(parent, kind, &AskSaveFileName);
}

std::optional<QString> SaveDialog::AskOpen(QWidget* parent, const Kind& kind) {
  return AskWith(parent, kind, &AskOpenFileName);
}

std::optional<QString> SaveDialog::AskWith(QWidget* parent, const Kind& kind, Dialog dialog) {
  const SaveRequest request{WithExtension(lastPath_, kind.extension),
                            {kind.filterLabel, QCoreApplication::translate("volemo::SaveDialog", "全て (*)")},
                            lastFilter_,
                            kind.extension};
  const std::optional<SaveAnswer> answer = dialog(parent, request);
  if (!answer) return std::nullopt;
  lastPath_ = answer->fileName;
  lastFilter_ = answer->filterIndex;
  return answer->fileName;
}

std::optional<QString> SaveDialog::AskAudio(QWidget* parent) {
  const SaveDialog::Kind& kind = kAudio[lastAudioFilter_];
  SaveRequest request{WithExtension(lastPath_, kind.extension), {}, lastAudioFilter_, kind.extension};
  for (const SaveDialog::Kind& k : kAudio) request.filters << k.filterLabel;
  const std::optional<SaveAnswer> answer = AskSaveFileName(parent, request);
  if (!answer) return std::nullopt;
  lastAudioFilter_ = std::clamp(answer->filterIndex, 0, int(std::size(kAudio)) - 1);
  const QString suffix = QFileInfo(answer->fileName).suffix().toLower();
  const bool named = std::any_of(std::begin(kAudio), std::end(kAudio), [&](const Kind& k) { return k.extension == suffix; });
  lastPath_ = named ? answer->fileName : answer->fileName + u'.' + kAudio[lastAudioFilter_].extension;
  return lastPath_;
}

}  // namespace volemo

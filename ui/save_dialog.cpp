#include "save_dialog.h"

#include <QFileInfo>

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
  if (suffix == u"mid" || suffix == u"mml")
    return path.left(path.size() - info.suffix().size()) + extension;
  return path + u'.' + extension;
}

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
                            {kind.filterLabel, QStringLiteral("全て (*)")},
                            lastFilter_,
                            kind.extension};
  const std::optional<SaveAnswer> answer = dialog(parent, request);
  if (!answer) return std::nullopt;
  lastPath_ = answer->fileName;
  lastFilter_ = answer->filterIndex;
  return answer->fileName;
}

}  // namespace volemo

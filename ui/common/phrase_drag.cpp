#include "phrase_drag.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDrag>
#include <QFile>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <filesystem>

#include "cp932.h"
#include "error_boundary.h"
#include "toolbar_pictures.h"
#include "translation.h"
#include "use_vorlin_dll.h"
#include "user_dirs.h"

namespace volemo {
namespace {

const char* const kKeyNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};

// Claims a new file name in dir: stem.mid, else stem-2.mid, stem-3.mid...
// Made empty with O_EXCL, so that no earlier drag's file is ever replaced,
// even by another copy of the program dragging at the same moment.
std::filesystem::path ClaimNewFile(const std::filesystem::path& dir, const std::string& stem) {
  for (int n = 1;; ++n) {
    std::string name = stem;
    if (n > 1) name += '-' + std::to_string(n);
    const std::filesystem::path path = dir / (name + ".mid");
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0) {
      close(fd);
      return path;
    }
    if (errno != EEXIST)
      throw WindowError(QCoreApplication::translate("volemo::PhraseDrag", "ファイル \"%1\" を作成できません。 %2")
                            .arg(QFile::decodeName(path.c_str()), QString::fromLocal8Bit(std::strerror(errno)))
                            .toStdString());
  }
}

}  // namespace

QString DragFileStem(const Settings& settings, const EngineState& state) {
  const int scale = settings.Index("cmbScale");
  const int key = settings.Index("cmbKey");
  QString stem = scale >= 0 && size_t(scale) < state.scaleNames.size()
                     ? QString::fromStdString(Utf8FromCp932(state.scaleNames[size_t(scale)]))
                     : QStringLiteral("phrase");
  if (key >= 0 && key < 12) stem += u'_' + QString::fromLatin1(kKeyNames[key]);
  stem += QStringLiteral("_%1bpm").arg(settings.Value("spnTempo"));
  for (QChar& c : stem)
    if (c == u'/' || c == u'\\' || c.isSpace() || c.category() == QChar::Other_Control) c = u'_';
  return stem;
}

std::unique_ptr<QMimeData> PhraseDragData(const Settings& settings, const EngineState& state) {
  const std::filesystem::path dir = XdgBaseDir("XDG_CACHE_HOME", ".cache") / "volemo" / "drag";
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec)
    throw WindowError(QCoreApplication::translate("volemo::PhraseDrag", "フォルダ \"%1\" を作成できません。 %2")
                          .arg(QFile::decodeName(dir.c_str()), QString::fromStdString(ec.message()))
                          .toStdString());
  const std::string mml = settings.MmlText();
  const std::filesystem::path file = ClaimNewFile(dir, DragFileStem(settings, state).toStdString());
  if (!CompileMmlToMidi(mml, file.string())) {
    std::filesystem::remove(file, ec);
    return nullptr;
  }
  auto data = std::make_unique<QMimeData>();
  data->setUrls({QUrl::fromLocalFile(QFile::decodeName(file.c_str()))});
  // As the box shows it: text editors here end lines with LF alone.
  data->setText(QString::fromStdString(Utf8FromCp932(mml)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  return data;
}

void DragPhrase(QWidget& source, Settings& settings, const EngineState& state) {
  if (QString::fromStdString(settings.MmlText()).trimmed().isEmpty()) {
    settings.SetStatus(StatusText(QCoreApplication::translate("volemo::PhraseDrag", "ドラッグするフレーズがありません。")));
    return;
  }
  std::unique_ptr<QMimeData> data = PhraseDragData(settings, state);
  if (!data) {
    settings.SetStatus(LastCompileMessage());
    return;
  }
  auto* drag = new QDrag(&source);
  drag->setMimeData(data.release());
  drag->setPixmap(DrawToolbarPicture(ToolbarPicture::DragOut).pixmap(32, 32));
  drag->exec(Qt::CopyAction);
}

DragHandle::DragHandle(QWidget* parent) : QToolButton(parent) {
  setIcon(DrawToolbarPicture(ToolbarPicture::DragOut));
  setAutoRaise(true);
  setCursor(Qt::OpenHandCursor);
}

void DragHandle::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  pressedAt_ = event->position().toPoint();
  QToolButton::mousePressEvent(event);
}

void DragHandle::mouseMoveEvent(QMouseEvent* event) {
  if (pressed_ && (event->buttons() & Qt::LeftButton) &&
      (event->position().toPoint() - pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
    pressed_ = false;
    setDown(false);
    emit dragRequested();
    return;
  }
  QToolButton::mouseMoveEvent(event);
}

}  // namespace volemo

// The main window's files in and out: the open command, files dropped on
// the window and files named at start-up, and the audio export.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>

#include "audio_export.h"
#include "composer.h"
#include "cp932.h"
#include "error_boundary.h"
#include "frmMainU.h"
#include "parts_state.h"
#include "input_file.h"
#include "play_sequence.h"
#include "take_keeper.h"
#include "translation.h"
#include "use_vorlin_dll.h"

namespace volemo {
namespace {

// The first local file among the dropped ones that the window opens (MML or
// MIDI), or an empty string.
QString DroppedFile(const QMimeData* data) {
  if (!data || !data->hasUrls()) return {};
  for (const QUrl& url : data->urls()) {
    const QString suffix = QFileInfo(url.toLocalFile()).suffix().toLower();
    if (url.isLocalFile() && (suffix == u"mml" || suffix == u"mid")) return url.toLocalFile();
  }
  return {};
}

}  // namespace

void TfrmMain::OpenFile(const QString& path) {
  RunHandler([&] {
    if (QFileInfo(path).suffix().toLower() == u"mid")
      PlayMidiFile(path);
    else
      OpenMml(path);
  });
}

void TfrmMain::mnuOpenMmlClick() {
  if (const std::optional<QString> path = saveDialog_.AskOpen(this, SaveDialog::kMml)) OpenMml(*path);
}

void TfrmMain::OpenMml(const QString& path) {
  const std::string cannotOpen = tr("ファイル \"%1\" を開けません。 ").arg(path).toStdString();
  const std::string tooLong = tr("MML が長すぎます（16 MB まで）").toStdString();
  // Read up to twice the compiler's limit: the same text in UTF-16 is
  // twice as long as in CP932.
  std::string bytes;
  if (const auto failure = ReadInputFile(QFile::encodeName(path).toStdString(), 2 * kMostMmlBytes, tooLong, bytes))
    throw WindowError(cannotOpen + failure->reason);
  std::string mml;
  try {
    mml = Cp932FromTextFile(bytes);
  } catch (const EncodingError& e) {
    throw WindowError(cannotOpen + e.what());
  }
  // Refused before it reaches the box: the compiler would refuse it anyway.
  if (mml.size() > kMostMmlBytes) throw WindowError(cannotOpen + tooLong);
  const TakeCommand take(*takes_, "open");
  settings_->SetMmlText(mml);
  phrase_.reset();  // the text is no longer a composed phrase
  saveDialog_.Remember(path);
  settings_->SetStatus(StatusText(tr("開きました: %1").arg(QFileInfo(path).fileName())));
}

void TfrmMain::PlayMidiFile(const QString& path) {
  player().Close();
  player().Open(ReadMidiFile(QFile::encodeName(path).toStdString()));
  player().Play();
  playbackWatch_->start();
  settings_->SetStatus(StatusText(tr("演奏を開始しました: %1").arg(QFileInfo(path).fileName())));
}

void TfrmMain::mnuSaveAudioClick() {
  const TakeCommand take(*takes_, "save");
  if (settings_->MmlText().empty()) phrase_ = parts_->Compose(*settings_, state_);
  const std::optional<QString> target = saveDialog_.AskAudio(this);
  if (!target) return;
  if (ExportAudio(this, settings_->MmlText(), *target))
    settings_->SetStatus(StatusText(tr("書き出しました: %1").arg(QFileInfo(*target).fileName())));
  else
    settings_->SetStatus(StatusText(tr("書き出しを中止しました。")));
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
  const QString path = DroppedFile(event->mimeData());
  if (path.isEmpty()) return;
  event->acceptProposedAction();
  // After the drop has ended: the error box must not run inside the
  // desktop's drag and drop.
  QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove) {
    auto* drag = static_cast<QDragMoveEvent*>(event);
    if (DroppedFile(drag->mimeData()).isEmpty()) return false;
    drag->acceptProposedAction();
    return true;
  }
  if (event->type() == QEvent::Drop && !DroppedFile(static_cast<QDropEvent*>(event)->mimeData()).isEmpty()) {
    dropEvent(static_cast<QDropEvent*>(event));
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace volemo

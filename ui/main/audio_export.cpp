#include "audio_export.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <exception>
#include <memory>
#include <thread>

#include "gui_benri.h"
#include "phrase_export.h"

namespace volemo {
namespace {

// Between the window and the rendering thread, which only sets these.
struct Render {
  std::atomic<bool> cancel{false};
  std::atomic<int> permille{0};
  std::atomic<bool> done{false};
  std::exception_ptr failure;  // read once done
};

}  // namespace

bool ExportAudio(QWidget* parent, const std::string& mml, const QString& path) {
  auto render = std::make_shared<Render>();
  std::thread worker([render, mml, file = QFile::encodeName(path).toStdString()] {
    try {
      ExportPhrase(mml, file, [&](double done) {
        render->permille = int(done * 1000);
        return render->cancel.load();
      });
    } catch (...) {
      render->failure = std::current_exception();
    }
    render->done = true;
  });

  QProgressDialog dialog(QCoreApplication::translate("volemo::AudioExport", "%1 を書き出しています…").arg(QFileInfo(path).fileName()),
                         QCoreApplication::translate("volemo::AudioExport", "中止"), 0, 1000, parent);
  dialog.setObjectName(QStringLiteral("dlgExportAudio"));
  dialog.setWindowTitle(ApplicationTitle());
  dialog.setMinimumDuration(0);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  QTimer poll(&dialog);
  QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
    dialog.setValue(render->permille);
    if (render->done) dialog.accept();
  });
  poll.start(30);
  // Closed in any other way than by the end of the render: cancelled.
  const bool cancelled = RunModal(dialog) != QDialog::Accepted;
  render->cancel = cancelled;
  worker.join();
  if (render->failure && !cancelled) std::rethrow_exception(render->failure);
  return !render->failure;
}

}  // namespace volemo

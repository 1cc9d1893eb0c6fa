#include "error_boundary.h"

#include <QString>

#include <QCoreApplication>

#include "gui_benri.h"
#include "translation.h"

namespace volemo {

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowError(TranslatedMessage(QString::fromUtf8(e.what())));  // every exception text is UTF-8
  } catch (...) {
    ShowError(QCoreApplication::translate("volemo::ErrorBoundary", "原因不明のエラー"));
  }
}

}  // namespace volemo

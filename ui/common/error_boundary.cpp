#include "error_boundary.h"

#include <QString>

#include "gui_benri.h"

namespace volemo {

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ShowError(QString::fromUtf8(e.what()));  // every exception text is UTF-8
  } catch (...) {
    ShowError(QStringLiteral("原因不明のエラー"));
  }
}

}  // namespace volemo

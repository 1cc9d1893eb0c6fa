#include "error_boundary.h"

#include <QString>

#include "cp932.h"
#include "gui_benri.h"

namespace volemo {

void RunHandler(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const WindowError& e) {
    ShowError(QString::fromUtf8(e.what()));
  } catch (const EncodingError& e) {
    ShowError(QString::fromUtf8(e.what()));
  } catch (const std::exception& e) {
    // The engine's and the player's messages are CP932, like all their texts.
    ShowError(QString::fromStdString(Utf8FromCp932(e.what())));
  } catch (...) {
    ShowError(QStringLiteral("原因不明のエラー"));
  }
}

}  // namespace volemo

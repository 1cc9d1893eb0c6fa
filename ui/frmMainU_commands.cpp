// The main window's commands: playing, stopping, saving and copying the
// phrase, the engine commands behind the menus, and the help menu.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QUrl>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "composer.h"
#include "cp932.h"
#include "error_boundary.h"
#include "frmHelpU.h"
#include "frmMainU.h"
#include "gui_benri.h"
#include "play_sequence.h"
#include "rhythm_pattern.h"
#include "version_box.h"

namespace volemo {
namespace {

// The system's error text without its trailing blanks, control characters
// and periods.
QString SystemErrorText(const std::error_code& error) {
  QString text = QString::fromLocal8Bit(error.message());
  while (!text.isEmpty() && (text.back().unicode() <= 32 || text.back() == u'.')) text.chop(1);
  return text;
}

[[noreturn]] void ThrowCannotCreate(const QString& path, const std::error_code& error) {
  throw WindowError(QStringLiteral("ファイル \"%1\". %2 を作成できません")
                        .arg(path, SystemErrorText(error))
                        .toStdString());
}

std::filesystem::path LocalPath(const QString& name) {
  return std::filesystem::path(name.toStdString());
}

}  // namespace

void TfrmMain::mnuPatternRandomClick() { MakeRandomPattern(*settings_, state_); }

void TfrmMain::mnuPatternParamRandomClick() { RandomizePatternWeights(*settings_, state_); }

void TfrmMain::mnuPhraseMakeClick() { phrase_ = ComposePhrase(*settings_, state_); }

void TfrmMain::mnuPhrasePlayClick() {
  if (settings_->IsChecked("chkMakePattern")) {
    settings_->SetMmlText({});
    settings_->SetPatternText({});
  }
  if (settings_->MmlText().empty()) phrase_ = ComposePhrase(*settings_, state_);
  PlayMml(*settings_, player(), settings_->MmlText());
}

void TfrmMain::ToolButton5Click() { StopPlayback(player()); }

void TfrmMain::mnuPhraseMakeAndPlayClick() {
  phrase_ = ComposePhrase(*settings_, state_);
  mnuPhrasePlayClick();
}

void TfrmMain::mnuMakeAndPlayClick() {
  MakeRandomPattern(*settings_, state_);
  phrase_ = ComposePhrase(*settings_, state_);
  mnuPhrasePlayClick();
}

void TfrmMain::mnuSaveMidiClick() {
  const std::filesystem::path scratch = TempMidPath();
  if (!std::filesystem::exists(scratch)) {
    mnuPhrasePlayClick();
    QApplication::processEvents();
  }
  const std::optional<QString> target = saveDialog_.Ask(this, SaveDialog::kMidi);
  if (!target) return;
  ClosePlayer(player());  // frees the scratch file
  // Without a scratch file (its compile failed) there is nothing to save,
  // and the user must not be told it was saved.
  std::error_code error;
  std::filesystem::copy_file(scratch, LocalPath(*target),
                             std::filesystem::copy_options::overwrite_existing, error);
  if (error) ThrowCannotCreate(*target, error);
  settings_->SetStatus(Cp932FromUtf8("保存しました。"));
}

void TfrmMain::mnuSaveMmlClick() {
  if (settings_->MmlText().empty()) {
    phrase_ = ComposePhrase(*settings_, state_);
    QApplication::processEvents();
  }
  const std::optional<QString> target = saveDialog_.Ask(this, SaveDialog::kMml);
  if (!target) return;
  // Encoded before the file is touched: text CP932 cannot hold stops the
  // save with nothing written.
  const std::string text = settings_->MmlText();
  std::ofstream file(LocalPath(*target), std::ios::binary | std::ios::trunc);
  if (!file) ThrowCannotCreate(*target, std::error_code(errno, std::generic_category()));
  file.write(text.data(), std::streamsize(text.size()));
  file.close();
  if (!file) ThrowCannotCreate(*target, std::error_code(errno, std::generic_category()));
  settings_->SetStatus(Cp932FromUtf8("保存しました。"));
}

void TfrmMain::mnuCopyMMLClick() {
  // The desktop's clipboard carries Unicode: the box's text goes there as
  // it stands.
  const QString text = findChild<QPlainTextEdit*>(QStringLiteral("memMML"))->toPlainText();
  QApplication::clipboard()->setText(text);
  settings_->SetStatus(Cp932FromUtf8("クリップボードにコピー！！"));
  QApplication::beep();
}

void TfrmMain::mnuEasyHelpClick() { RunModal(*help_); }

void TfrmMain::mnuVersionClick() { ShowVersionBox(this); }

void TfrmMain::mnuToWebClick() {
  OpenDocument(QUrl::fromLocalFile(QString::fromStdString(ProgramDir()) + "manual/index.html")
                   .toString());
}

}  // namespace volemo

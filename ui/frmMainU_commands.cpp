// The main window's commands: playing, stopping, saving and copying the
// phrase, the engine commands behind the menus, and the help menu.
#include <QApplication>
#include <QCheckBox>
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
#include "frmWorkbench.h"
#include "gui_benri.h"
#include "play_sequence.h"
#include "rhythm_pattern.h"
#include "take_keeper.h"
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

void TfrmMain::mnuPhraseMakeClick() {
  const TakeCommand take(*takes_, "make");
  phrase_ = ComposePhrase(*settings_, state_);
}

void TfrmMain::mnuPhrasePlayClick() {
  TakeCommand take(*takes_, "edit");  // unless composed here: the text as the user left it
  if (settings_->IsChecked("chkMakePattern")) {
    settings_->SetMmlText({});
    settings_->SetPatternText({});
  }
  if (settings_->MmlText().empty()) {
    phrase_ = ComposePhrase(*settings_, state_);
    take.operation = "play";
  }
  PlayMml(*settings_, player(), settings_->MmlText());
}

void TfrmMain::ToolButton5Click() { StopPlayback(player()); }

void TfrmMain::mnuPhraseMakeAndPlayClick() {
  const TakeCommand take(*takes_, "make-and-play");
  phrase_ = ComposePhrase(*settings_, state_);
  mnuPhrasePlayClick();
}

void TfrmMain::mnuMakeAndPlayClick() {
  const TakeCommand take(*takes_, "random-make-and-play");
  MakeRandomPattern(*settings_, state_);
  phrase_ = ComposePhrase(*settings_, state_);
  mnuPhrasePlayClick();
}

void TfrmMain::mnuSaveMidiClick() {
  const TakeCommand take(*takes_, "save");
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
  const TakeCommand take(*takes_, "save");
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

void TfrmMain::mnuTakeBackClick() { takes_->Back(); }

void TfrmMain::mnuTakeForwardClick() { takes_->Forward(); }

// A take put back plays as it is (never composed anew) when the workbench's
// play-on-change says so (it is on until the workbench is made).
void TfrmMain::TakeRestored() {
  if (const auto it = takePhrases_.find(*takes_->current()); it != takePhrases_.end()) phrase_ = it->second;
  const auto* playOnChange = workbench_ ? workbench_->findChild<QCheckBox*>(QStringLiteral("chkPlayOnChange")) : nullptr;
  if (!playOnChange || playOnChange->isChecked()) PlayMml(*settings_, player(), settings_->MmlText());
}

void TfrmMain::mnuEasyHelpClick() { RunModal(*help_); }

void TfrmMain::mnuVersionClick() { ShowVersionBox(this); }

void TfrmMain::mnuToWebClick() {
  OpenDocument(QUrl::fromLocalFile(QString::fromStdString(ProgramDir()) + "manual/index.html")
                   .toString());
}

}  // namespace volemo

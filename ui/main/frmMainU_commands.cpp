// The main window's commands: playing, stopping, saving and copying the
// phrase, the engine commands behind the menus, and the help menu.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QFile>
#include <QUrl>
#include <optional>

#include "composer.h"
#include "cp932.h"
#include "error_boundary.h"
#include "file_contents.h"
#include "frmHelpU.h"
#include "frmMainU.h"
#include "parts_state.h"
#include "frmWorkbench.h"
#include "gui_benri.h"
#include "long_line_box.h"
#include "play_sequence.h"
#include "rhythm_pattern.h"
#include "take_keeper.h"
#include "translation.h"
#include "use_vorlin_dll.h"
#include "version_box.h"

namespace volemo {
namespace {

// The window shows the phrase just made before the save dialog opens. A
// key or click meanwhile waits for the command to end: run here, its
// command would be kept in this command's take.
void ShowPendingPaint() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

}  // namespace

void TfrmMain::mnuPatternRandomClick() { MakeRandomPattern(*settings_, state_); }

void TfrmMain::mnuPatternParamRandomClick() { RandomizePatternWeights(*settings_, state_); }

void TfrmMain::mnuPhraseMakeClick() {
  const TakeCommand take(*takes_, "make");
  phrase_ = parts_->Compose(*settings_, state_);
}

void TfrmMain::mnuPhrasePlayClick() {
  TakeCommand take(*takes_, "edit");  // unless composed here: the text as the user left it
  if (settings_->IsChecked("chkMakePattern")) {
    settings_->SetMmlText({});
    settings_->SetPatternText({});
  }
  if (settings_->MmlText().empty()) {
    phrase_ = parts_->Compose(*settings_, state_);
    take.operation = "play";
  }
  PlayMml(*settings_, player(), settings_->MmlText());
  playbackWatch_->start();
}

// For this play and every later one, the built-in synthesizer's and the
// workbench's alike.
void TfrmMain::mnuLoopPlayClick() {
  player().SetLoop(findChild<QAction*>(QStringLiteral("mnuLoopPlay"))->isChecked());
}

void TfrmMain::ToolButton5Click() { StopPlayback(player()); }

void TfrmMain::mnuPhraseMakeAndPlayClick() {
  const TakeCommand take(*takes_, "make-and-play");
  phrase_ = parts_->Compose(*settings_, state_);
  mnuPhrasePlayClick();
}

void TfrmMain::mnuMakeAndPlayClick() {
  const TakeCommand take(*takes_, "random-make-and-play");
  MakeRandomPattern(*settings_, state_);
  phrase_ = parts_->Compose(*settings_, state_);
  mnuPhrasePlayClick();
}

void TfrmMain::mnuSaveMidiClick() {
  const TakeCommand take(*takes_, "save");
  if (settings_->MmlText().empty()) {
    mnuPhrasePlayClick();
    ShowPendingPaint();
  }
  // The phrase on screen is what is saved, compiled now: temp.mid may hold
  // an earlier phrase, or another program's. Text that does not compile
  // leaves its message and nothing to save.
  std::string midi;
  if (!CompileMmlToBytes(settings_->MmlText(), midi)) {
    settings_->SetStatus(LastCompileMessage());
    return;
  }
  const std::optional<QString> target = saveDialog_.Ask(this, SaveDialog::kMidi);
  if (!target) return;
  player().Close();
  WriteWholeFile(QFile::encodeName(*target).toStdString(), midi);
  settings_->SetStatus(StatusText(tr("保存しました。")));
}

void TfrmMain::mnuSaveMmlClick() {
  const TakeCommand take(*takes_, "save");
  if (settings_->MmlText().empty()) {
    phrase_ = parts_->Compose(*settings_, state_);
    ShowPendingPaint();
  }
  const std::optional<QString> target = saveDialog_.Ask(this, SaveDialog::kMml);
  if (!target) return;
  // Encoded before the file is touched: text CP932 cannot hold stops the
  // save with nothing written.
  const std::string text = settings_->MmlText();
  WriteWholeFile(QFile::encodeName(*target).toStdString(), text);
  settings_->SetStatus(StatusText(tr("保存しました。")));
}

void TfrmMain::mnuCopyMMLClick() {
  // The desktop's clipboard carries Unicode: the box's text goes there as
  // it stands.
  const QString text = findChild<LongLineBox*>(QStringLiteral("memMML"))->Text();
  QApplication::clipboard()->setText(text);
  settings_->SetStatus(StatusText(tr("クリップボードにコピー！！")));
  QApplication::beep();
}

void TfrmMain::mnuTakeBackClick() { takes_->Back(); }

void TfrmMain::mnuTakeForwardClick() { takes_->Forward(); }

// A take put back plays as it is (never composed anew) when the workbench's
// play-on-change says so (it is on until the workbench is made).
void TfrmMain::TakeRestored() {
  if (const auto it = takePhrases_.find(*takes_->current()); it != takePhrases_.end()) {
    phrase_ = it->second.first;
    parts_->SetComposed(it->second.second);
  }
  const auto* playOnChange = workbench_ ? workbench_->findChild<QCheckBox*>(QStringLiteral("chkPlayOnChange")) : nullptr;
  if (!playOnChange || playOnChange->isChecked()) {
    PlayMml(*settings_, player(), settings_->MmlText());
    playbackWatch_->start();
  }
}

void TfrmMain::mnuEasyHelpClick() { RunModal(*help_); }

void TfrmMain::mnuVersionClick() { ShowVersionBox(this); }

void TfrmMain::mnuToWebClick() {
  const std::string manual =
      DataPath(CurrentLanguage() == Language::English ? "manual/en/index.html" : "manual/index.html");
  if (OpenDocument(QUrl::fromLocalFile(QString::fromStdString(manual)).toString())) return;
  // No xdg-open or no viewer: the user can still open the file by hand.
  settings_->SetStatus(StatusText(tr("マニュアルを開くアプリがありません。マニュアルの場所: %1").arg(QString::fromStdString(manual))));
}

}  // namespace volemo

// The parts in the main window's make: the workbench's panels of the parts
// and the groove, and a re-roll of one part alone.
#include <QCheckBox>

#include "cp932.h"
#include "frmMainU.h"
#include "frmWorkbench.h"
#include "groove_panel.h"
#include "panel_widgets.h"
#include "parts_panel.h"
#include "parts_state.h"
#include "play_sequence.h"
#include "take_keeper.h"

namespace volemo {

void TfrmMain::AddPartPanels() {
  // One tab for both, so that the tab bar asks for little of the roll's width.
  workbench_->AddPanel(InScrollArea({new PartsPanel(*parts_, [this](const std::string& name) { RerollPart(name); }),
                                     new GroovePanel(*parts_)}),
                       tr("パート"));
}

void TfrmMain::RerollPart(const std::string& name) {
  const TakeCommand take(*takes_, "reroll");
  const std::string why = WhyPhraseUnavailable(phrase_ ? &*phrase_ : nullptr, settings_->MmlText());
  if (!why.empty()) return settings_->SetStatus(why);
  if (!parts_->RerollPart(name, *phrase_, *settings_, state_))
    return settings_->SetStatus(Cp932FromUtf8(tr("このフレーズにそのパートはありません。").toStdString()));
  settings_->SetMmlText(phrase_->Mml());
  const auto* playOnChange = workbench_ ? workbench_->findChild<QCheckBox*>(QStringLiteral("chkPlayOnChange")) : nullptr;
  if (!playOnChange || playOnChange->isChecked()) {
    PlayMml(*settings_, player(), settings_->MmlText());
    playbackWatch_->start();
  }
  settings_->SetStatus(Cp932FromUtf8(tr("パートのロックしていない音を選び直しました。").toStdString()));
}

}  // namespace volemo

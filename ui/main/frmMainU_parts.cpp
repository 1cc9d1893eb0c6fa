// The parts in the main window's make: the workbench's panels of the parts
// and the groove, and a re-roll or mutate of one part alone.
#include "frmMainU.h"
#include "frmWorkbench.h"
#include "groove_panel.h"
#include "panel_widgets.h"
#include "parts_panel.h"
#include "parts_state.h"
#include "play_sequence.h"

namespace volemo {

void TfrmMain::AddPartPanels() {
  const auto changePart = [this](const std::string& name, PartOperation::Kind kind) {
    ChangePart(name, {kind, workbench_->MutateCount()});
  };
  // One tab for both, so that the tab bar asks for little of the roll's width.
  workbench_->AddPanel(InScrollArea({new PartsPanel(*parts_, changePart), new GroovePanel(*parts_)}), tr("パート"));
}

void TfrmMain::ChangePart(const std::string& name, PartOperation operation) {
  const bool mutate = operation.kind == PartOperation::kMutate;
  workbench_->ChangePhrase(mutate ? "mutate" : "reroll", [&](Phrase& phrase) -> PhraseChange {
    const QString part = PartsPanel::Title(name);
    const std::optional<int> redrawn = parts_->ChangePart(name, operation, phrase, *settings_, state_);
    if (!redrawn) return {false, tr("このフレーズにそのパートはありません。")};
    if (*redrawn == 0) return {false, tr("%1にロックしていない音がありません。").arg(part)};
    return {true, mutate ? tr("%1のロックしていない音から %2 個を選び直しました。").arg(part).arg(*redrawn)
                         : tr("%1のロックしていない音を選び直しました。").arg(part)};
  });
  if (player_ && player_->IsPlaying()) playbackWatch_->start();
}

// A part muted or soloed while the phrase plays is heard so at once, as on
// a mixer: the play goes on from where it is without the silent parts. A
// MIDI file or a note heard alone plays on as it is.
void TfrmMain::HearSilentParts() {
  if (!player_ || !PlaysMml(*player_)) return;
  PlayMml(*settings_, *player_, settings_->MmlText(), player_->PositionTick());
  playbackWatch_->start();
}

}  // namespace volemo

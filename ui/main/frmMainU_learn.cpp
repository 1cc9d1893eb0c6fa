// The main window's learning: the controls set from a MIDI file or from the
// starred takes, and a phrase made from them, kept as one take.
#include <QFile>
#include <cstdio>

#include "composer.h"
#include "cp932.h"
#include "error_boundary.h"
#include "frmMainU.h"
#include "parts_state.h"
#include "note_choice.h"
#include "style.h"
#include "style_sources.h"
#include "take_keeper.h"

namespace volemo {

void TfrmMain::mnuLearnMidiClick() {
  const std::optional<QString> path = saveDialog_.AskOpen(this, SaveDialog::kMidi);
  if (!path) return;
  LearnFrom(ReadPieceNotes(QFile::encodeName(*path).toStdString(), {}));
}

void TfrmMain::mnuLearnStarredClick() {
  if (!takes_->store()) throw WindowError("テイクのデータベースが使えないため、スター付きのテイクから学べません。");
  LearnFrom(StarredTakeNotes(*takes_->store()));
}

// Learned in full before anything changes: a file that cannot be learned
// from leaves the controls as they were. The earlier settings are the take
// before this one.
void TfrmMain::LearnFrom(const PieceNotes& piece) {
  const Style style = LearnStyle(piece, state_);
  const TakeCommand take(*takes_, "learn");
  for (const auto& [control, value] : StyleControls(style)) SetControl(*settings_, state_, control, value);
  phrase_ = parts_->Compose(*settings_, state_);
  std::string report = "学びました: ";
  if (style.key.scale >= 0) {
    const std::string key = NoteName(style.key.tonic);
    char score[32];
    std::snprintf(score, sizeof score, "%.2f", style.key.score);
    report += key.substr(0, key.size() - 1) + " " + Utf8FromCp932(style.scaleName) + "（一致度 " + score + "）、";
  }
  report += "ノート " + std::to_string(style.notes) + " 個";
  if (!style.tracks.empty()) {
    report += "、トラック";
    for (size_t i = 0; i < style.tracks.size(); ++i) report += (i ? "," : " ") + std::to_string(style.tracks[i]);
  }
  settings_->SetStatus(Cp932FromUtf8Lossy(report));
}

}  // namespace volemo

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
#include "translation.h"

namespace volemo {

void TfrmMain::mnuLearnMidiClick() {
  const std::optional<QString> path = saveDialog_.AskOpen(this, SaveDialog::kMidi);
  if (!path) return;
  LearnFrom(ReadPieceNotes(QFile::encodeName(*path).toStdString(), {}));
}

void TfrmMain::mnuLearnStarredClick() {
  if (!takes_->store()) throw WindowError(tr("テイクのデータベースが使えないため、スター付きのテイクから学べません。").toStdString());
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
  QString report = tr("学びました: ");
  if (style.key.scale >= 0) {
    const std::string key = NoteName(style.key.tonic);
    char score[32];
    std::snprintf(score, sizeof score, "%.2f", style.key.score);
    report += tr("%1 %2（一致度 %3）、")
                  .arg(QString::fromStdString(key.substr(0, key.size() - 1)),
                       ShownScaleName(QString::fromStdString(Utf8FromCp932(style.scaleName))), QString::fromLatin1(score));
  }
  report += tr("ノート %1 個").arg(style.notes);
  if (!style.tracks.empty()) {
    QString tracks;
    for (size_t i = 0; i < style.tracks.size(); ++i) tracks += (i ? u',' : u' ') + QString::number(style.tracks[i]);
    report += tr("、トラック") + tracks;
  }
  settings_->SetStatus(StatusText(report));
}

}  // namespace volemo

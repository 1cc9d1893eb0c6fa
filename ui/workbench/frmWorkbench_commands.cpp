// The workbench's operations: locks, re-roll and mutate of the composed
// phrase, and hearing the phrase from a place or one note alone.
#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "cp932.h"
#include "error_boundary.h"
#include "frmWorkbench.h"
#include "play_sequence.h"
#include "take_keeper.h"

namespace volemo {
namespace {

const char kAllLocked[] = "ロックしていない音がありません。";

}  // namespace

Phrase* TfrmWorkbench::EditablePhrase() {
  const std::string why = WhyPhraseUnavailable(links_.phrase ? &*links_.phrase : nullptr,
                                               links_.settings.MmlText());
  if (!why.empty()) {
    links_.settings.SetStatus(why);
    return nullptr;
  }
  return &*links_.phrase;
}

void TfrmWorkbench::PhraseChanged(const char* status) {
  const RollContent before = editor_.content();
  links_.settings.SetMmlText(links_.phrase->Mml());
  Refresh();
  editor_.ShowChanged(ChangedNotes(before, editor_.content()));
  if (playOnChange_->isChecked()) PlayMml(links_.settings, links_.player(), links_.phrase->Mml());
  links_.settings.SetStatus(Cp932FromUtf8(status));
}

void TfrmWorkbench::ToggleLock(int note) {
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  const int number = editor_.Number(note);
  if (number == 0) return;
  // The notes of one start and key sound as one (a chord of one key twice):
  // they are locked together, or a re-roll would pull them apart.
  const RollNote& n = editor_.content().notes[size_t(note)];
  const bool locked = !editor_.Locked(note);
  for (const PhraseNote& p : phrase->Notes())
    if (p.startTick == n.start && p.key == n.key) phrase->SetLocked(p.number, locked);
  Refresh();
  links_.settings.SetStatus(Cp932FromUtf8(
      (locked ? QStringLiteral("%1 番目の音をロックしました。") : QStringLiteral("%1 番目の音のロックを外しました。"))
          .arg(number)
          .toStdString()));
}

void TfrmWorkbench::SetAllLocked(bool locked) {
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  phrase->SetAllLocked(locked);
  Refresh();
  links_.settings.SetStatus(Cp932FromUtf8(locked ? "全ての音をロックしました。" : "全ての音のロックを外しました。"));
}

void TfrmWorkbench::Reroll() {
  if (links_.mmlBox.document()->isEmpty()) return Compose();
  const TakeCommand take(links_.takes, "reroll");
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  if (phrase->UnlockedCount() == 0) return links_.settings.SetStatus(Cp932FromUtf8(kAllLocked));
  phrase->Reroll(links_.settings, links_.state);
  PhraseChanged("ロックしていない音を選び直しました。");
}

void TfrmWorkbench::Mutate() {
  const TakeCommand take(links_.takes, "mutate");
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  if (phrase->UnlockedCount() == 0) return links_.settings.SetStatus(Cp932FromUtf8(kAllLocked));
  const int count = std::min(mutateCount_->value(), phrase->UnlockedCount());
  phrase->Mutate(mutateCount_->value(), links_.settings, links_.state);
  const std::string status =
      QStringLiteral("ロックしていない音から %1 個を選び直しました。").arg(count).toStdString();
  PhraseChanged(status.c_str());
}

void TfrmWorkbench::Compose() {
  links_.make.trigger();
  Refresh();
  if (playOnChange_->isChecked() && !links_.mmlBox.document()->isEmpty())
    PlayMml(links_.settings, links_.player(), links_.settings.MmlText());
}

// The preset's phrase, composed as a play would: from a new pattern when
// every play makes one.
void TfrmWorkbench::PresetLoaded() {
  const TakeCommand take(links_.takes, "preset");
  if (links_.settings.IsChecked("chkMakePattern")) links_.settings.SetPatternText({});
  Compose();
}

void TfrmWorkbench::PlayFrom(int tick) {
  PlayMml(links_.settings, links_.player(), links_.settings.MmlText(), tick);
}

void TfrmWorkbench::HearNote(int note) {
  const RollContent& content = editor_.content();
  const RollNote& n = content.notes[size_t(note)];
  // Played from memory: temp.mid keeps the phrase for saving.
  const std::vector<uint8_t> smf = SingleNoteSmf(content, n);
  SoundPlayer& player = links_.player();
  player.Open(ParseMidiFile(std::string(smf.begin(), smf.end())));
  player.Play(int(n.start));
}

}  // namespace volemo

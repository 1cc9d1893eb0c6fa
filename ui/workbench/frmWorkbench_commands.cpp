// The workbench's operations: locks, re-roll and mutate of the composed
// phrase, and hearing the phrase from a place or one note alone.
#include <QAction>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <algorithm>

#include "cp932.h"
#include "error_boundary.h"
#include "frmWorkbench.h"
#include "play_sequence.h"
#include "take_keeper.h"
#include "translation.h"

namespace volemo {
Phrase* TfrmWorkbench::EditablePhrase() {
  const std::string why = WhyPhraseUnavailable(links_.phrase ? &*links_.phrase : nullptr,
                                               links_.settings.MmlText());
  if (!why.empty()) {
    links_.settings.SetStatus(why);
    return nullptr;
  }
  return &*links_.phrase;
}

void TfrmWorkbench::PhraseChanged(const QString& status) {
  const RollContent before = editor_.content();
  links_.settings.SetMmlText(links_.phrase->Mml());
  Refresh();
  const std::vector<int> changed = ChangedNotes(before, editor_.content());
  editor_.ShowChanged(changed);
  if (playOnChange_->isChecked()) PlayMml(links_.settings, links_.player(), links_.phrase->Mml());
  std::vector<int> numbers;
  for (int note : changed)
    if (editor_.Number(note)) numbers.push_back(editor_.Number(note));
  std::sort(numbers.begin(), numbers.end());
  QStringList list;
  for (int number : numbers) list << QString::number(number);
  links_.settings.SetStatus(StatusText(
      list.isEmpty() ? status : status + tr("%1 音を変えました: %2").arg(list.size()).arg(list.join(QStringLiteral(", ")))));
}

void TfrmWorkbench::ToggleLock(int note) {
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  const int number = editor_.Number(note);
  if (number == 0) return;
  // The notes of one place (start, key and part) sound as one (a chord of
  // one key twice): they are locked together, or a re-roll would pull them
  // apart. Another part's note there (a bass C2 under the kick) keeps its
  // own lock.
  const NotePlace place = RollPlace(*phrase, note);
  const bool locked = !editor_.Locked(note);
  for (const PhraseNote& p : phrase->Notes())
    if (NotePlace{p.startTick, p.key, PartOfPhraseNote(*phrase, p.number)} == place)
      phrase->SetLocked(p.number, locked);
  Refresh();
  links_.settings.SetStatus(
      StatusText((locked ? tr("%1 番目の音をロックしました。") : tr("%1 番目の音のロックを外しました。")).arg(number)));
}

void TfrmWorkbench::SetAllLocked(bool locked) {
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  phrase->SetAllLocked(locked);
  Refresh();
  links_.settings.SetStatus(StatusText(locked ? tr("全ての音をロックしました。") : tr("全ての音のロックを外しました。")));
}

void TfrmWorkbench::Reroll() {
  if (links_.mmlBox.document()->isEmpty()) return Compose();
  const TakeCommand take(links_.takes, "reroll");
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  if (phrase->UnlockedCount() == 0) return links_.settings.SetStatus(StatusText(tr("ロックしていない音がありません。")));
  phrase->Reroll(links_.settings, links_.state);
  PhraseChanged(tr("ロックしていない音を選び直しました。"));
}

void TfrmWorkbench::RerollRhythm() {
  const TakeCommand take(links_.takes, "reroll-rhythm");
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  if (!phrase->Rewritable())
    return links_.settings.SetStatus(StatusText(tr("このフレーズは拍の刻みが分からないため、リズムを作り直せません。")));
  phrase->RerollRhythm(links_.settings, links_.state);
  PhraseChanged(tr("ロックした音の拍を残してリズムを選び直しました。"));
}

void TfrmWorkbench::Mutate() {
  const TakeCommand take(links_.takes, "mutate");
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  if (phrase->UnlockedCount() == 0) return links_.settings.SetStatus(StatusText(tr("ロックしていない音がありません。")));
  const int count = std::min(mutateCount_->value(), phrase->UnlockedCount());
  phrase->Mutate(mutateCount_->value(), links_.settings, links_.state);
  PhraseChanged(tr("ロックしていない音から %1 個を選び直しました。").arg(count));
}

void TfrmWorkbench::ChangePhrase(const char* operation, const std::function<PhraseChange(Phrase&)>& change) {
  const TakeCommand take(links_.takes, operation);
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  const PhraseChange done = change(*phrase);
  if (!done.changed) return links_.settings.SetStatus(StatusText(done.status));
  PhraseChanged(done.status);
}

int TfrmWorkbench::MutateCount() const { return mutateCount_->value(); }

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

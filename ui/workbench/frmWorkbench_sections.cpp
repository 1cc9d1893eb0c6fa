// The workbench's operations on the sections of a phrase composed in a
// form: re-roll, lock and copy to another letter, from the menu of a
// section's tab above the ruler.
#include <QMenu>
#include <algorithm>
#include <set>

#include "engine_error.h"
#include "error_boundary.h"
#include "form_sections.h"
#include "frmWorkbench.h"
#include "take_keeper.h"
#include "translation.h"

namespace volemo {
namespace {

QString NameOf(const RollEditor& editor, int section) {
  const auto& sections = editor.Marks().sections;
  return section >= 0 && size_t(section) < sections.size() ? QString::fromStdString(sections[size_t(section)].label)
                                                           : QString();
}

}  // namespace

int TfrmWorkbench::SectionAt(int64_t tick) const {
  const auto& sections = editor_.Marks().sections;
  for (size_t i = 0; i < sections.size(); ++i)
    if (tick >= sections[i].start && tick < sections[i].end) return int(i);
  return -1;
}

void TfrmWorkbench::SectionMenu(int section, int tick, const QPoint& where) {
  const QString name = NameOf(editor_, section);
  QMenu menu(this);
  menu.setObjectName(QStringLiteral("mnuSection"));
  const auto add = [&](QMenu& to, const QString& text, const char* object, auto work) {
    QAction* action = to.addAction(text);
    action->setObjectName(QString::fromLatin1(object));
    connect(action, &QAction::triggered, this, Handler(work));
    return action;
  };
  add(menu, tr("ここから演奏"), "actSectionPlay", [this, tick] { PlayFrom(tick); });
  menu.addSeparator();
  add(menu, tr("セクション %1 を作り直す").arg(name) + QStringLiteral("\tS"), "actSectionReroll", [this, section] { RerollSection(section); });
  add(menu, tr("セクション %1 をロック").arg(name), "actSectionLock", [this, section] { LockSection(section, true); });
  add(menu, tr("セクション %1 のロックを外す").arg(name), "actSectionUnlock",
      [this, section] { LockSection(section, false); });
  QMenu* copy = menu.addMenu(tr("セクション %1 をコピーして置き換える文字").arg(name));
  copy->setObjectName(QStringLiteral("mnuSectionCopy"));
  // Every letter of the form but the section's own (a primed section may
  // become its letter's plain notes).
  std::set<char> letters;
  for (const RollSpan& span : editor_.Marks().sections)
    if (!span.label.empty() && QString::fromStdString(span.label.substr(0, 1)) != name) letters.insert(span.label.front());
  for (char letter : letters)
    add(*copy, tr("%1 を %2 と同じにする").arg(QChar::fromLatin1(letter)).arg(name),
        "actSectionCopy", [this, section, letter] { CopySection(section, letter); });
  copy->setEnabled(!letters.empty());
  menu.exec(where);
}

void TfrmWorkbench::RerollSection(int section) {
  // Without a form the engine says so.
  if (section < 0 && !editor_.Marks().sections.empty())
    return links_.settings.SetStatus(StatusText(tr("作り直すセクションの音を選んでください。")));
  const TakeCommand take(links_.takes, "section-reroll");
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  const QString name = NameOf(editor_, section);
  try {
    volemo::RerollSection(*phrase, links_.groove(), size_t(std::max(section, 0)), links_.settings, links_.state);
  } catch (const EngineError& e) {
    return links_.settings.SetStatus(StatusText(TranslatedMessage(QString::fromUtf8(e.what()))));
  }
  PhraseChanged(tr("セクション %1 のロックしていない音を選び直しました。").arg(name));
}

void TfrmWorkbench::LockSection(int section, bool locked) {
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  try {
    volemo::LockSection(*phrase, links_.groove(), size_t(section), locked);
  } catch (const EngineError& e) {
    return links_.settings.SetStatus(StatusText(TranslatedMessage(QString::fromUtf8(e.what()))));
  }
  Refresh();
  const QString name = NameOf(editor_, section);
  links_.settings.SetStatus(StatusText(locked ? tr("セクション %1 の音をロックしました。").arg(name)
                                              : tr("セクション %1 の音のロックを外しました。").arg(name)));
}

void TfrmWorkbench::CopySection(int section, char letter) {
  const TakeCommand take(links_.takes, "section-copy");
  Phrase* phrase = EditablePhrase();
  if (!phrase) return;
  const QString name = NameOf(editor_, section);
  try {
    volemo::CopySection(*phrase, links_.groove(), size_t(section), letter, links_.settings, links_.state);
  } catch (const EngineError& e) {
    return links_.settings.SetStatus(StatusText(TranslatedMessage(QString::fromUtf8(e.what()))));
  }
  PhraseChanged(tr("%1 のセクションをセクション %2 と同じ音にしました。").arg(QChar::fromLatin1(letter)).arg(name));
}

}  // namespace volemo

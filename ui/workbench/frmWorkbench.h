// The phrase workbench: a window beside the main window that shows the
// phrase in the MML box on a piano roll, follows the sound with a
// playhead, and locks, re-rolls and mutates the composed phrase's notes,
// with the take list under the roll. The main window's commands are on its
// tool bar and their keys work here too; the status line shows what the
// main window's does. The roll is the three views of roll_views.h over one
// RollEditor; the operations are in frmWorkbench_commands.cpp, those on
// the form's sections in frmWorkbench_sections.cpp.
//
// The right side of the splitter "splitWorkbench" is free for panels beside
// the roll and the take list: AddPanel puts each on a tab of its own there.
#pragma once

#include <QList>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "engine_state.h"
#include "groove_settings.h"
#include "phrase.h"
#include "roll_editor.h"
#include "settings.h"
#include "sound_player.h"

class QAction;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QSpinBox;
class QSplitter;
class QTabWidget;

namespace volemo {

class RollNoteView;
class TakeKeeper;

// What the workbench shares with the main window.
struct WorkbenchLinks {
  Settings& settings;
  EngineState& state;
  std::optional<Phrase>& phrase;  // the last composed phrase, if any
  std::function<SoundPlayer&()> player;
  QPlainTextEdit& mmlBox;
  TakeKeeper& takes;  // re-roll and mutate keep their phrase as a take
  // The main window's commands for the tool bar (play, stop, loop, ...),
  // each one action in both windows: its key works in either.
  QList<QAction*> commands;
  QAction& make;  // the main window's make phrase: a preset loaded, or a first phrase
  // The chords, sections and groove of the last composed phrase, over a
  // roll of endTick ticks.
  std::function<RollMarks(int64_t endTick)> marks;
  // The groove and form the phrase is composed under, for the operations
  // on its sections.
  std::function<GrooveSettings()> groove;
  // The part, by name, of the phrase's note at an index, the phrase having
  // that many notes; empty when unknown.
  std::function<std::string(size_t index, size_t notes)> partOfNote;
};

// What a command from a panel did to the phrase: the status line's text,
// and whether the phrase changed (else the text says why not).
struct PhraseChange {
  bool changed = false;
  QString status;
};

class TfrmWorkbench : public QWidget {
  Q_OBJECT

 public:
  TfrmWorkbench(WorkbenchLinks links, QWidget* parent);
  ~TfrmWorkbench() override;

  // Whether the workbench was open when the program last ended.
  static bool WasOpen();

  RollEditor& editor() { return editor_; }
  // The workbench's own status line.
  QLabel& statusLine() { return *status_; }
  // A panel on a tab of its own beside the roll and the take list.
  void AddPanel(QWidget* panel, const QString& title);
  // A command from a panel, done as the workbench's own: kept as a take of
  // the operation, and a changed phrase shown and played as PhraseChanged
  // does.
  void ChangePhrase(const char* operation, const std::function<PhraseChange(Phrase&)>& change);
  // The notes a mutate redraws.
  int MutateCount() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QWidget* BuildRoll();
  void PlaceFirstTime();
  // The roll again from the MML box, and the operations on or off.
  void Refresh();
  // Where a note sounds: notes of one place show as one note on the roll.
  struct NotePlace {
    int64_t start;
    int key;
    std::string part;  // empty where the phrase's parts are not known
    auto operator<=>(const NotePlace&) const = default;
  };
  std::string PartOfPhraseNote(const Phrase& phrase, int number) const;
  NotePlace RollPlace(const Phrase& phrase, int note) const;
  void FollowPlayer();
  void SaveState(bool open);

  // Operations on the phrase (frmWorkbench_commands.cpp).
  void ToggleLock(int note);
  void SetAllLocked(bool locked);
  void Reroll();
  void RerollRhythm();
  void Mutate();
  void HearNote(int note);
  // Operations on one section of the form (frmWorkbench_sections.cpp): from
  // the menu of its tab on the ruler, or S for the selected note's.
  void SectionMenu(int section, int tick, const QPoint& where);
  void RerollSection(int section);
  void LockSection(int section, bool locked);
  void CopySection(int section, char letter);
  // The section of the form that holds tick; -1 for none.
  int SectionAt(int64_t tick) const;
  void PlayFrom(int tick);
  // A new phrase by the main window's make, played when play-on-change is on.
  void Compose();
  void PresetLoaded();
  // The phrase as the operations may change it, or null after saying why
  // not on the status line.
  Phrase* EditablePhrase();
  // Puts the phrase's new MML in the box, reports, and plays it when
  // play-on-change is on.
  void PhraseChanged(const QString& status);

  WorkbenchLinks links_;
  RollEditor editor_;
  RollNoteView* notes_ = nullptr;
  QScrollBar* scroll_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QTabWidget* panels_ = nullptr;
  QLabel* firstUse_ = nullptr;
  QPushButton* reroll_ = nullptr;
  QPushButton* rerollRhythm_ = nullptr;
  QPushButton* mutate_ = nullptr;
  QSpinBox* mutateCount_ = nullptr;
  QPushButton* lockAll_ = nullptr;
  QPushButton* unlockAll_ = nullptr;
  QCheckBox* playOnChange_ = nullptr;
  QLabel* state_ = nullptr;
  QLabel* status_ = nullptr;
  QTimer follow_;
  bool stale_ = true;  // the box changed while the window was hidden
  bool restored_ = false;  // the size and place the window was left at
};

}  // namespace volemo

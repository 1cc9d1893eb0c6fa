// The main window: every setting's control, the menus, the toolbar and the
// status line. frmMainU.cpp builds the window and its small handlers that
// keep controls in step; frmMainU_commands.cpp holds the commands; the
// settings record over the controls is WindowSettings.
#pragma once

#include <QMainWindow>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "engine_state.h"
#include "parts_state.h"
#include "phrase.h"
#include "sound_player.h"
#include "translation.h"
#include "save_dialog.h"
#include "window_settings.h"

class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QGridLayout;
class QTimer;
class QToolButton;
class QWidget;

namespace volemo {

class OutputMenu;
struct PieceNotes;
class SpinField;
class TakeKeeper;
class TfrmHelp;
class TfrmWorkbench;

class TfrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

  // What the tests look at besides the controls.
  Settings& settings() { return *settings_; }
  const EngineState& state() const { return state_; }
  // Made on first use, or once the window has painted itself.
  SoundPlayer& player();
  TakeKeeper& takes() { return *takes_; }

  // Opens a file as the desktop, a drop or the File menu hands it over: a
  // MIDI file (.mid) plays, any other is MML text for the MML box. A
  // failure shows in the error box and changes nothing.
  void OpenFile(const QString& path);

  // None: the toolbar is part of the window, not something to hide.
  QMenu* createPopupMenu() override { return nullptr; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // Drops on the text boxes, which would otherwise take a file's name as text.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Building the window.
  void BuildMenus();
  void BuildLanguageMenu();
  void BuildToolBar();
  QWidget* BuildScalePage();
  QWidget* BuildPatternPage();
  QWidget* BuildPatternColumn();
  QWidget* BuildPhraseColumn();
  SpinField* AddSpin(const char* name);
  QComboBox* AddPitchList(const char* name);
  QWidget* AddSliderRow(QGridLayout* grid, int row, const QString& left, const char* name,
                        const QString& right = {});

  // Start and end.
  void FormCreate();
  void FormClose();

  // Scale page and voice fields.
  void btnScaleSetClick();
  void src0Change(int tag, int position);
  void spnVoiceChange();
  void cmbVoiceChange(int index);
  void btnRndVoiceClick();

  // Commands.
  void mnuPatternRandomClick();
  void mnuPatternParamRandomClick();
  void mnuPhraseMakeClick();
  void mnuPhrasePlayClick();
  void mnuLoopPlayClick();
  void ToolButton5Click();
  void mnuPhraseMakeAndPlayClick();
  void mnuMakeAndPlayClick();
  void mnuOpenMmlClick();
  void mnuSaveMidiClick();
  void mnuSaveMmlClick();
  void mnuSaveAudioClick();
  void mnuCopyMMLClick();
  void mnuLearnMidiClick();
  void mnuLearnStarredClick();
  void LearnFrom(const PieceNotes& piece);
  void mnuWorkbenchClick();
  // The workbench's panels of the parts, and an operation on one part alone.
  void AddPartPanels();
  void ChangePart(const std::string& name, PartOperation operation);
  void HearSilentParts();

  // Files in and out (frmMainU_files.cpp).
  void OpenMml(const QString& path);
  void PlayMidiFile(const QString& path);

  // Takes.
  void mnuTakeBackClick();
  void mnuTakeForwardClick();
  void TakeRestored();

  // While a phrase plays, the window asks the player now and then whether
  // the sound output still works: the sound thread never touches widgets.
  void WatchPlayback();

  // Help menu.
  void mnuEasyHelpClick();
  void mnuVersionClick();
  void mnuToWebClick();
  void N2Click();
  void LanguageChosen(Language language);

  EngineState state_;
  std::unique_ptr<SoundPlayer> player_;
  QTimer* playbackWatch_ = nullptr;
  SaveDialog saveDialog_;
  std::unique_ptr<WindowSettings> settings_;
  TfrmHelp* help_ = nullptr;
  std::optional<Phrase> phrase_;  // the last composed, for the workbench
  PartsState* parts_ = nullptr;   // the settings of the parts it is composed under (frmMainU_parts.cpp)
  // The composed phrases of this run's takes, with their chords and parts:
  // a take put back can be re-rolled and mutated again, and the roll shows
  // its own chords.
  std::map<int64_t, std::pair<Phrase, ComposedParts>> takePhrases_;
  TfrmWorkbench* workbench_ = nullptr;  // made when first opened
  TakeKeeper* takes_ = nullptr;
  OutputMenu* outputMenu_ = nullptr;
};

}  // namespace volemo

#include "frmWorkbench.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <algorithm>
#include <map>
#include <utility>

#include "cp932.h"
#include "error_boundary.h"
#include "gui_benri.h"
#include "harmony.h"
#include "note_choice.h"
#include "phrase_drag.h"
#include "roll_note_edits.h"
#include "roll_views.h"
#include "take_list.h"
#include "window_place.h"
#include "translation.h"
#include "velocity_lane.h"

namespace volemo {
namespace {

// The sound's place is asked for this often while it plays, and at the
// slower rate only to notice that something has started.
constexpr int kFollowMs = 33;
constexpr int kIdleMs = 150;
// Narrower than this beside the main window, the roll and the take list
// are of little use: the workbench opens over the main window instead.
constexpr int kMinBesideWidth = 560;

QSettings Stored() { return QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")); }

QString KeyTip(const QString& tip, char key) { return tip + QStringLiteral(" (%1)").arg(QChar::fromLatin1(key)); }

// Its key is taken by the window's keyPressEvent, so that a key pressed
// while the button is unavailable still says why.
QPushButton* Button(const char* name, const QString& text, const QString& tip, char key) {
  auto* b = Named(new QPushButton(text), name);
  b->setToolTip(KeyTip(tip, key));
  return b;
}

// A menu item's text as a tool tip: "ループ再生(&L)" as "ループ再生".
QString WithoutMnemonic(QString text) {
  static const QRegularExpression mnemonic(QStringLiteral("\\(&.\\)|&"));
  return text.remove(mnemonic);
}

}  // namespace

TfrmWorkbench::TfrmWorkbench(WorkbenchLinks links, QWidget* parent)
    : QWidget(parent, Qt::Window), links_(std::move(links)) {
  setObjectName(QStringLiteral("frmWorkbench"));
  setWindowTitle(tr("フレーズの作業台 - Volemo"));
  BuildControls();
  if (const QByteArray geometry = Stored().value("workbench/geometry").toByteArray(); !geometry.isEmpty())
    restored_ = restoreGeometry(geometry);
  if (!restored_) PlaceFirstTime();

  // After the command that changed the box has ended: the main window sets
  // its phrase only once the composer has filled the box, and a command may
  // change the box more than once.
  connect(&links_.mmlBox, &QPlainTextEdit::textChanged, this, [this] {
    if (stale_) return;
    stale_ = true;
    QMetaObject::invokeMethod(this, Handler([this] {
      if (stale_ && isVisible()) Refresh();
    }), Qt::QueuedConnection);
  });
  connect(&follow_, &QTimer::timeout, this, Handler([this] { FollowPlayer(); }));
}

TfrmWorkbench::~TfrmWorkbench() {
  // The program ends with the workbench open: it opens again next time.
  if (isVisible()) SaveState(true);
}

bool TfrmWorkbench::WasOpen() { return Stored().value("workbench/open", false).toBool(); }

void TfrmWorkbench::SaveState(bool open) {
  QSettings stored = Stored();
  stored.setValue("workbench/open", open);
  stored.setValue("workbench/geometry", saveGeometry());
}

void TfrmWorkbench::BuildControls() {
  reroll_ = Button("btnReroll", tr("作り直す"), tr("ロックしていない音を全て選び直します"), 'R');
  rerollRhythm_ = Button("btnRerollRhythm", tr("リズムを作り直す"),
                         tr("ロックした音の拍は残し、ほかの拍のリズムと音を選び直します"), 'H');
  mutate_ = Button("btnMutate", tr("変異"), tr("ロックしていない音から指定の個数だけ選び直します"),
                   'M');
  mutateCount_ = Named(new QSpinBox, "spnMutateCount");
  mutateCount_->setRange(1, 128);  // 64 steps of two notes each
  mutateCount_->setValue(2);
  mutateCount_->setSuffix(tr(" 個"));
  mutateCount_->setToolTip(tr("変異で選び直す音の数"));
  lockAll_ = Button("btnLockAll", tr("全てロック"), tr("全ての音をロックします"), 'L');
  unlockAll_ = Button("btnUnlockAll", tr("全て解除"), tr("全ての音のロックを外します"), 'U');
  playOnChange_ = Named(new QCheckBox(tr("変更したら演奏する")), "chkPlayOnChange");
  playOnChange_->setChecked(true);

  // The main window's commands first, as on its tool bar.
  auto* commands = Named(new QToolBar, "barWorkbench");
  commands->setIconSize(QSize(16, 16));
  commands->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (QAction* action : links_.commands) {
    commands->addAction(action);
    // The key beside the name, as the main window's menu shows it.
    if (!action->shortcut().isEmpty())
      action->setToolTip(QStringLiteral("%1 (%2)").arg(WithoutMnemonic(action->text()),
                                                       action->shortcut().toString(QKeySequence::NativeText)));
  }

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(commands);
  buttons->addSpacing(12);
  for (QWidget* w : std::initializer_list<QWidget*>{reroll_, rerollRhythm_, mutate_, mutateCount_})
    buttons->addWidget(w);
  buttons->addSpacing(12);
  buttons->addWidget(lockAll_);
  buttons->addWidget(unlockAll_);
  buttons->addSpacing(12);
  buttons->addWidget(playOnChange_);
  buttons->addStretch(1);

  // The roll over the take list, both as wide as the window: the list's
  // columns need the width more than its rows need the height.
  auto* takes = new TakeList(links_.takes);
  auto* rollAndTakes = Named(new QSplitter(Qt::Vertical), "splitRoll");
  rollAndTakes->addWidget(BuildRoll());
  rollAndTakes->addWidget(takes);
  rollAndTakes->setStretchFactor(0, 3);
  rollAndTakes->setStretchFactor(1, 1);
  rollAndTakes->setChildrenCollapsible(false);

  panels_ = Named(new QTabWidget, "tabsPanels");
  panels_->hide();  // until a panel comes
  splitter_ = Named(new QSplitter(Qt::Horizontal), "splitWorkbench");
  splitter_->addWidget(rollAndTakes);
  splitter_->addWidget(panels_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setChildrenCollapsible(false);

  state_ = Named(new QLabel, "lblWorkbench");
  state_->setTextFormat(Qt::PlainText);
  state_->setWordWrap(true);
  auto* statusBar = Named(new QStatusBar, "sbarWorkbench");
  statusBar->setSizeGripEnabled(false);
  status_ = Named(new QLabel, "sbarWorkbenchText");
  status_->setTextFormat(Qt::PlainText);
  statusBar->addWidget(status_, 1);

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(6, 6, 6, 0);
  column->setSpacing(4);
  column->addLayout(buttons);
  column->addWidget(splitter_, 1);
  column->addWidget(state_);
  column->addWidget(statusBar);

  connect(takes, &TakeList::presetLoaded, this, Handler([this] { PresetLoaded(); }));
  connect(reroll_, &QPushButton::clicked, this, Handler([this] { Reroll(); }));
  connect(rerollRhythm_, &QPushButton::clicked, this, Handler([this] { RerollRhythm(); }));
  connect(mutate_, &QPushButton::clicked, this, Handler([this] { Mutate(); }));
  connect(lockAll_, &QPushButton::clicked, this, Handler([this] { SetAllLocked(true); }));
  connect(unlockAll_, &QPushButton::clicked, this, Handler([this] { SetAllLocked(false); }));
}

QWidget* TfrmWorkbench::BuildRoll() {
  auto* roll = new QWidget;
  auto* grid = new QGridLayout(roll);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  auto* ruler = new RollRuler(editor_);
  notes_ = new RollNoteView(editor_);
  scroll_ = Named(new QScrollBar(Qt::Horizontal), "rollScroll");
  auto* rows = Named(new QScrollBar(Qt::Vertical), "rollRows");
  grid->addWidget(new RollNameButton(editor_), 0, 0, Qt::AlignBottom);
  grid->addWidget(ruler, 0, 1);
  grid->addWidget(new RollKeyboard(editor_), 1, 0);
  grid->addWidget(notes_, 1, 1);
  grid->addWidget(rows, 1, 2);
  auto* velocities = new VelocityLane(editor_);
  grid->addWidget(velocities, 2, 1);
  grid->addWidget(scroll_, 3, 1);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(1, 1);
  // Over the empty roll, until there is a phrase.
  firstUse_ = Named(new QLabel(tr("まだフレーズがありません。F9 でランダムに作るか、「作り直す」(R) を押してください。")),
                    "lblFirstUse");
  firstUse_->setAttribute(Qt::WA_TransparentForMouseEvents);
  firstUse_->hide();
  grid->addWidget(firstUse_, 1, 1, Qt::AlignCenter);

  connect(&editor_, &RollEditor::viewChanged, this, [this, rows] {
    const QSignalBlocker quiet(scroll_), quietRows(rows);
    scroll_->setRange(0, std::max(0, editor_.ContentWidth() - editor_.ViewSize().width()));
    scroll_->setPageStep(editor_.ViewSize().width());
    scroll_->setValue(editor_.Scroll());
    rows->setRange(0, std::max(0, editor_.ContentHeight() - editor_.ViewSize().height()));
    rows->setPageStep(editor_.ViewSize().height());
    rows->setSingleStep(int(editor_.RowHeight()));
    rows->setValue(editor_.VerticalScroll());
    rows->setVisible(rows->maximum() > 0);
  });
  connect(scroll_, &QScrollBar::valueChanged, &editor_, &RollEditor::SetScroll);
  connect(rows, &QScrollBar::valueChanged, &editor_, &RollEditor::SetVerticalScroll);
  connect(ruler, &RollRuler::playFromRequested, this, [this](int tick) { RunHandler([&] { PlayFrom(tick); }); });
  connect(ruler, &RollRuler::sectionClicked, this, [this](int section, int tick, QPoint where) {
    RunHandler([&] { SectionMenu(section, tick, where); });
  });
  connect(notes_, &RollNoteView::dragRequested, this,
          Handler([this] { DragPhrase(*notes_, links_.settings, links_.state); }));
  connect(notes_, &RollNoteView::noteClicked, this, [this](int note, Qt::KeyboardModifiers modifiers) {
    RunHandler([&] {
      if (modifiers & (Qt::ShiftModifier | Qt::ControlModifier)) {
        HearNote(note);
      } else {
        ToggleLock(note);
      }
    });
  });
  auto* edits = new RollNoteEdits(
      editor_, *notes_,
      {links_.settings, links_.state, links_.takes, [this] { return EditablePhrase(); },
       [this](const QString& status) { PhraseChanged(status); }},
      this);
  connect(velocities, &VelocityLane::velocitySet, edits, &RollNoteEdits::SetVelocity);
  return roll;
}

void TfrmWorkbench::PlaceFirstTime() {
  // Tall enough for two octaves of readable rows above a few takes, and as
  // wide again as the panels beside them ask.
  const int panels = panels_->isHidden() ? 0 : panels_->sizeHint().width() + splitter_->handleWidth();
  const QSize wanted = QSize(900 + panels, 760).expandedTo(minimumSizeHint());
  resize(wanted);
  const QWidget* main = parentWidget();
  if (!main || !main->screen()) return;
  // The title bar and borders are the window manager's, as large as the
  // main window's: the whole of them must fit on the screen too.
  const QSize frame = main->frameGeometry().size() - main->geometry().size();
  const QRect place = PlaceBeside(main->screen()->availableGeometry(), main->frameGeometry(), wanted + frame,
                                  std::max(kMinBesideWidth, minimumSizeHint().width() + frame.width()));
  resize(place.size() - frame);
  move(place.topLeft());
}

void TfrmWorkbench::AddPanel(QWidget* panel, const QString& title) {
  panels_->addTab(panel, title);
  panels_->show();
  if (!restored_) PlaceFirstTime();
}

void TfrmWorkbench::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  SaveState(true);
  if (stale_) RunHandler([this] { Refresh(); });
  follow_.start(kIdleMs);
  notes_->setFocus();
}

void TfrmWorkbench::closeEvent(QCloseEvent* event) {
  follow_.stop();
  SaveState(false);
  event->accept();
}

std::string TfrmWorkbench::PartOfPhraseNote(const Phrase& phrase, int number) const {
  return links_.partOfNote ? links_.partOfNote(size_t(number - 1), phrase.Notes().size()) : std::string();
}

// A part is told apart only where the phrase's parts are known.
TfrmWorkbench::NotePlace TfrmWorkbench::RollPlace(const Phrase& phrase, int note) const {
  const RollNote& n = editor_.content().notes[size_t(note)];
  const bool parts = !phrase.Notes().empty() && !PartOfPhraseNote(phrase, 1).empty();
  return {n.start, n.key, parts ? editor_.PartOf(note) : std::string()};
}

void TfrmWorkbench::Refresh() {
  stale_ = false;
  std::string text, why;
  try {
    text = links_.settings.MmlText();
    why = WhyPhraseUnavailable(links_.phrase ? &*links_.phrase : nullptr, text);
  } catch (const EncodingError& error) {
    why = Cp932FromUtf8Lossy(error.what());
  }
  const Phrase* phrase = why.empty() ? &*links_.phrase : nullptr;
  // Each note on the roll is the phrase's note of the same start, key and
  // part; notes of one place are taken in text order. Two of them that
  // start together sound as one (a chord of one key twice), so a pass of
  // the repeat holds at least as many notes as there are places.
  std::multimap<NotePlace, const PhraseNote*> byPlace;
  size_t places = 0;
  if (phrase) {
    for (const PhraseNote& n : phrase->Notes()) {
      const NotePlace place{n.startTick, n.key, PartOfPhraseNote(*phrase, n.number)};
      places += byPlace.count(place) == 0;
      byPlace.emplace(place, &n);
    }
  }
  const auto [low, high] = NoteRange(links_.settings);
  editor_.SetKeyRange(low, std::min(high, 127));
  editor_.SetScale(ScaleMask(links_.state.weights), std::clamp(links_.settings.Index("cmbKey"), 0, 11));
  editor_.SetContent(ReadRoll(text, std::max<size_t>(places, 1)));
  // Only over the phrase they were composed with: a file or an edited text
  // has no chords to show.
  editor_.SetMarks(phrase && links_.marks ? links_.marks(editor_.content().endTick) : RollMarks{});
  if (phrase) {
    const auto& notes = editor_.content().notes;
    std::vector<int> numbers(notes.size(), 0);
    std::vector<bool> locked(notes.size(), false);
    for (size_t i = 0; i < notes.size(); ++i) {
      const auto [first, last] = byPlace.equal_range(RollPlace(*phrase, int(i)));
      if (first == last) continue;
      numbers[i] = first->second->number;
      // Locked when every note sounding as this one is (see ToggleLock).
      locked[i] = std::all_of(first, last, [](const auto& n) { return n.second->locked; });
      byPlace.erase(first);
    }
    editor_.SetNumbers(std::move(numbers), std::move(locked));
  }
  for (QWidget* w : std::initializer_list<QWidget*>{mutate_, mutateCount_, lockAll_, unlockAll_})
    w->setEnabled(phrase != nullptr);
  // Over parts the mutate draws from every part's notes; the parts tab
  // mutates one part alone.
  mutate_->setToolTip(KeyTip(editor_.content().song.parts.size() > 1
                                 ? tr("全てのパートのロックしていない音から指定の個数だけ選び直します")
                                 : tr("ロックしていない音から指定の個数だけ選び直します"),
                             'M'));
  // An empty box: re-roll makes the first phrase.
  const bool nothingYet = links_.mmlBox.document()->isEmpty();
  reroll_->setEnabled(phrase != nullptr || nothingYet);
  rerollRhythm_->setEnabled(phrase && phrase->Rewritable());
  firstUse_->setVisible(nothingYet);

  QString line;
  if (!editor_.content().message.empty()) {
    line = MessageText(editor_.content().message);
  } else if (!phrase) {
    line = MessageText(why);
  } else {
    line = tr("%1 音、ロック %2 音。クリックか Space でロック／解除、Shift+クリックか Enter でその音だけ、"
             "ルーラーのクリックか P でそこから演奏。←→↑↓ で音を選びます。")
               .arg(phrase->Notes().size())
               .arg(phrase->Notes().size() - size_t(phrase->UnlockedCount()));
  }
  if (editor_.content().passes > 1) line += tr("（%1 回繰り返し）").arg(editor_.content().passes);
  state_->setText(line);
}

void TfrmWorkbench::FollowPlayer() {
  SoundPlayer& player = links_.player();
  const RollContent& content = editor_.content();
  const int tick = player.IsPlaying() ? player.PositionTick() : -1;
  if (tick < 0 || content.endTick == 0 || uint64_t(tick) >= uint64_t{content.endTick} * content.passes) {
    editor_.SetPlayhead(-1);
    if (follow_.interval() != kIdleMs) follow_.setInterval(kIdleMs);
    return;
  }
  editor_.SetPlayhead(int(uint32_t(tick) % content.endTick));
  if (follow_.interval() != kFollowMs) follow_.setInterval(kFollowMs);
}

void TfrmWorkbench::keyPressEvent(QKeyEvent* event) {
  const bool zoomKey = event->modifiers() & Qt::ControlModifier;
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  const int middle = editor_.ViewSize().width() / 2;
  switch (event->key()) {
    case Qt::Key_Left: editor_.SelectNeighbour(-1, 0); break;
    case Qt::Key_Right: editor_.SelectNeighbour(1, 0); break;
    case Qt::Key_Up: editor_.SelectNeighbour(0, 1); break;
    case Qt::Key_Down: editor_.SelectNeighbour(0, -1); break;
    case Qt::Key_Home: editor_.Select(editor_.content().notes.empty() ? -1 : 0); break;
    case Qt::Key_End: editor_.Select(int(editor_.content().notes.size()) - 1); break;
    case Qt::Key_Space:
      if (editor_.Selected() >= 0) RunHandler([this] { ToggleLock(editor_.Selected()); });
      break;
    case Qt::Key_S:
      if (!plain) return QWidget::keyPressEvent(event);
      RunHandler([this] {
        RerollSection(editor_.Selected() >= 0 ? SectionAt(editor_.content().notes[size_t(editor_.Selected())].start) : -1);
      });
      break;
    case Qt::Key_R:
    case Qt::Key_H:
    case Qt::Key_M:
    case Qt::Key_L:
    case Qt::Key_U:
      if (!plain) return QWidget::keyPressEvent(event);
      RunHandler([this, key = event->key()] {
        if (key == Qt::Key_R) Reroll();
        if (key == Qt::Key_H) RerollRhythm();
        if (key == Qt::Key_M) Mutate();
        if (key == Qt::Key_L || key == Qt::Key_U) SetAllLocked(key == Qt::Key_L);
      });
      break;
    case Qt::Key_P:
      if (!plain) return QWidget::keyPressEvent(event);
      RunHandler([this] {
        PlayFrom(editor_.Selected() >= 0 ? int(editor_.content().notes[size_t(editor_.Selected())].start) : 0);
      });
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (editor_.Selected() >= 0) RunHandler([this] { HearNote(editor_.Selected()); });
      break;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      if (!zoomKey) return QWidget::keyPressEvent(event);
      editor_.ZoomAt(middle, 1.25);
      break;
    case Qt::Key_Minus:
      if (!zoomKey) return QWidget::keyPressEvent(event);
      editor_.ZoomAt(middle, 0.8);
      break;
    case Qt::Key_0:
      if (!zoomKey) return QWidget::keyPressEvent(event);
      editor_.ZoomAt(middle, 0.0);
      break;
    default: return QWidget::keyPressEvent(event);
  }
  event->accept();
}

}  // namespace volemo

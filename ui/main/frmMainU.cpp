#include "frmMainU.h"

#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <tuple>

#include "controls.h"
#include "cp932.h"
#include "error_boundary.h"
#include "frmHelpU.h"
#include "frmWorkbench.h"
#include "parts_state.h"
#include "gui_benri.h"
#include "long_line_box.h"
#include "output_menu.h"
#include "phrase_drag.h"
#include "play_sequence.h"
#include "random_source.h"
#include "scale_table.h"
#include "spin_field.h"
#include "take_keeper.h"
#include "toolbar_pictures.h"
#include "translation.h"
#include "voice_names.h"

namespace volemo {
namespace {

constexpr int kClientWidth = 611;
constexpr int kClientHeight = 440;  // below the menu bar

const char* const kPitchNames[12] = {"C",  "C#", "D",  "D#", "E",  "F",
                                     "F#", "G",  "G#", "A",  "A#", "B"};

QFont PixelFont(const char* family, int pixels, QFont::StyleHint fallback) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixels);
  font.setStyleHint(fallback);
  return font;
}

QString FromCp932(const std::string& text) {
  return QString::fromStdString(Utf8FromCp932(text));
}

QPlainTextEdit* TextBox(const char* name, int fontPixels) {
  auto* box = Named(new LongLineBox, name);
  box->setFont(PixelFont("IPAGothic", fontPixels, QFont::TypeWriter));
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Tab moves on to the next control, as in every other field of the window;
  // a tab character would mean nothing to the pattern or the compiler.
  box->setTabChangesFocus(true);
  return box;
}

QVBoxLayout* Column(QWidget* owner, int spacing = 2) {
  auto* column = new QVBoxLayout(owner);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(spacing);
  return column;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets) {
  auto* row = new QHBoxLayout;
  row->setSpacing(3);
  for (QWidget* w : widgets) row->addWidget(w);
  row->addStretch(1);
  return row;
}

}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(tr("Volemo - ランダムフレーズメイカー"));
  setWindowIcon(DrawToolbarPicture(ToolbarPicture::RandomAndPlay));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  // Dialogs and menus are windows of their own; they take the window's font too.
  setAttribute(Qt::WA_WindowPropagation);
  setFont(PixelFont("IPAPGothic", 12, QFont::SansSerif));
  // The menu bar stays in the window (whose height it is part of) even on
  // desktops with a global menu, and no time is spent looking for one.
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);

  BuildMenus();
  BuildToolBar();
  auto* pages = Named(new QTabWidget, "PageControl1");
  // In the window before its pages are added: every level that joins the
  // window later hands each control below it the font again, all before
  // the first paint.
  setCentralWidget(pages);
  pages->addTab(BuildScalePage(), tr("スケール"));
  pages->addTab(BuildPatternPage(), tr("パターン"));
  pages->setCurrentIndex(1);
  auto* sbar = Named(new QStatusBar, "sbar");
  sbar->setSizeGripEnabled(false);
  auto* text = Named(new QLabel, "sbarText");
  text->setTextFormat(Qt::PlainText);
  sbar->addWidget(text, 1);
  setStatusBar(sbar);
  setAcceptDrops(true);
  for (auto* box : findChildren<QPlainTextEdit*>()) box->viewport()->installEventFilter(this);

  setFixedSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height());
  if (const QScreen* screen = this->screen())
    move(screen->availableGeometry().center() - rect().center());

  playbackWatch_ = new QTimer(this);
  playbackWatch_->setInterval(100);
  connect(playbackWatch_, &QTimer::timeout, this, Handler([this] { WatchPlayback(); }));

  settings_ = std::make_unique<WindowSettings>(*this);
  RunHandler([this] { FormCreate(); });
  // Start-up stays as it is unless the user asked for the last settings.
  takes_ = new TakeKeeper(*settings_, state_, this);
  parts_ = new PartsState(this);
  takes_->SetParts(&parts_->settings());
  connect(takes_, &TakeKeeper::partsRestored, parts_, &PartsState::SettingsChanged);
  connect(parts_, &PartsState::silentChanged, this, Handler([this] { HearSilentParts(); }));
  RunHandler([this] { takes_->RestoreLastSettings(); });
  connect(takes_, &TakeKeeper::restored, this, Handler([this] { TakeRestored(); }));
  connect(takes_, &TakeKeeper::kept, this, [this](int64_t id) {
    RunHandler([&] {
      if (phrase_ && phrase_->Mml() == settings_->MmlText()) takePhrases_.insert_or_assign(id, std::pair(*phrase_, parts_->Composed()));
    });
  });
  help_ = new TfrmHelp(this);
  // Open again if it was open when the program last ended, once this window
  // is up.
  if (TfrmWorkbench::WasOpen())
    QMetaObject::invokeMethod(this, Handler([this] { mnuWorkbenchClick(); }), Qt::QueuedConnection);
}

// The workbench goes first: its panels work on the parts' state and the
// takes, and the box that had the focus still says its editing finished as
// the window closes.
TfrmMain::~TfrmMain() { delete workbench_; }

void TfrmMain::BuildMenus() {
  struct Item {
    const char* name;
    const char* text;  // nullptr: separator
    QKeySequence shortcut;
    void (TfrmMain::*handler)();
  };
  const auto addMenu = [this](const QString& title, std::initializer_list<Item> items) {
    QMenu* menu = menuBar()->addMenu(title);
    for (const Item& item : items) {
      if (!item.text) {
        menu->addSeparator();
        continue;
      }
      QAction* action = menu->addAction(tr(item.text));
      action->setObjectName(QString::fromLatin1(item.name));
      action->setShortcut(item.shortcut);
      connect(action, &QAction::triggered, this, Handler([this, h = item.handler] { (this->*h)(); }));
    }
  };
  addMenu(tr("ファイル(&F)"),
          {{"mnuOpenMml", QT_TR_NOOP("MMLファイルを開く(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O), &TfrmMain::mnuOpenMmlClick},
           {},
           {"mnuSaveMidi", QT_TR_NOOP("Midiファイルとして保存(&S)"), {}, &TfrmMain::mnuSaveMidiClick},
           {"mnuSaveMml", QT_TR_NOOP("MMLファイルとして保存(&A)"), {}, &TfrmMain::mnuSaveMmlClick},
           {"mnuSaveAudio", QT_TR_NOOP("オーディオファイルとして書き出す(&E)"), {}, &TfrmMain::mnuSaveAudioClick},
           {},
           {"mnuLearnMidi", QT_TR_NOOP("MIDIファイルから学ぶ…"), {}, &TfrmMain::mnuLearnMidiClick},
           {"mnuLearnStarred", QT_TR_NOOP("スター付きのテイクから学ぶ"), {}, &TfrmMain::mnuLearnStarredClick},
           {},
           {"mnuCopyMML", QT_TR_NOOP("フレーズをMMLでクリップボードにコピー"), {}, &TfrmMain::mnuCopyMMLClick},
           {},
           {"N2", QT_TR_NOOP("閉じる(&C)"), {}, &TfrmMain::N2Click}});
  addMenu(tr("パターン(&P)"),
          {{"mnuPatternRandom", QT_TR_NOOP("ランダムにパターンを作る"), QKeySequence(Qt::CTRL | Qt::Key_R),
            &TfrmMain::mnuPatternRandomClick},
           {"mnuPatternParamRandom", QT_TR_NOOP("パラメータをランダムに変更"), {},
            &TfrmMain::mnuPatternParamRandomClick}});
  addMenu(tr("フレーズ(&H)"),
          {{"mnuPhraseMake", QT_TR_NOOP("パターンを元にフレーズを作成"), {}, &TfrmMain::mnuPhraseMakeClick},
           {},
           {"mnuPhrasePlay", QT_TR_NOOP("フレーズの演奏"), {}, &TfrmMain::mnuPhrasePlayClick},
           {"mnuLoopPlay", QT_TR_NOOP("ループ再生(&L)"), QKeySequence(Qt::CTRL | Qt::Key_L), &TfrmMain::mnuLoopPlayClick},
           {"mnuPhraseMakeAndPlay", QT_TR_NOOP("パターンに沿ってフレーズを作成し演奏"),
            QKeySequence(Qt::Key_F5), &TfrmMain::mnuPhraseMakeAndPlayClick},
           {"mnuMakeAndPlay", QT_TR_NOOP("ランダムにフレーズを作成し演奏"), QKeySequence(Qt::Key_F9),
            &TfrmMain::mnuMakeAndPlayClick},
           {},
           {"mnuWorkbench", QT_TR_NOOP("フレーズの作業台(&W)"), QKeySequence(Qt::Key_F6), &TfrmMain::mnuWorkbenchClick}});
  outputMenu_ = new OutputMenu([this]() -> SoundPlayer& { return player(); },
                               [this](const std::string& why) { settings_->SetStatus(Cp932FromUtf8Lossy(why)); }, this);
  menuBar()->addMenu(outputMenu_);
  // The take list itself is in the workbench; its keys work in both windows.
  addMenu(tr("テイク(&T)"),
          {{"mnuTakeBack", QT_TR_NOOP("前のテイク"), QKeySequence(Qt::CTRL | Qt::Key_Z), &TfrmMain::mnuTakeBackClick},
           {"mnuTakeForward", QT_TR_NOOP("次のテイク"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z),
            &TfrmMain::mnuTakeForwardClick}});
  findChild<QAction*>(QStringLiteral("mnuLoopPlay"))->setCheckable(true);
  // Stop has no menu item; as an action it is on the workbench's tool bar.
  auto* stop = Named(new QAction(tr("停止"), this), "actStop");
  connect(stop, &QAction::triggered, this, Handler([this] { ToolButton5Click(); }));
  // The pictures are for the workbench's tool bar; the menus stay as they are.
  for (const auto& [name, picture] : {std::pair{"mnuPhrasePlay", ToolbarPicture::Play}, {"actStop", ToolbarPicture::Stop},
                                      {"mnuPhraseMakeAndPlay", ToolbarPicture::MakeAndPlay},
                                      {"mnuMakeAndPlay", ToolbarPicture::RandomAndPlay},
                                      {"mnuLoopPlay", ToolbarPicture::Loop}, {"mnuTakeBack", ToolbarPicture::TakeBack},
                                      {"mnuTakeForward", ToolbarPicture::TakeForward}}) {
    auto* action = findChild<QAction*>(QString::fromLatin1(name));
    action->setIcon(DrawToolbarPicture(picture));
    action->setIconVisibleInMenu(false);
  }
  // Also Ctrl+Y, as in most programs.
  findChild<QAction*>(QStringLiteral("mnuTakeForward"))
      ->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  BuildLanguageMenu();
  addMenu(tr("ヘルプ(&H)"),
          {{"mnuEasyHelp", QT_TR_NOOP("簡単な使い方"), {}, &TfrmMain::mnuEasyHelpClick},
           {},
           {"mnuVersion", QT_TR_NOOP("バージョン情報"), {}, &TfrmMain::mnuVersionClick},
           {},
           {"mnuToWeb", QT_TR_NOOP("サポートページへ"), {}, &TfrmMain::mnuToWebClick}});
}

// In the menu bar's corner, beside the menus: the menus themselves stay as
// they are. Named in both languages, so that a reader of either finds it.
void TfrmMain::BuildLanguageMenu() {
  auto* menu = Named(new QMenu(tr("表示言語 (Language)"), this), "mnuLanguage");
  auto* choices = new QActionGroup(menu);
  for (const auto& [language, name, label] : {std::tuple{Language::Japanese, "mnuJapanese", "日本語"},
                                              std::tuple{Language::English, "mnuEnglish", "English"}}) {
    QAction* action = Named(menu->addAction(QString::fromUtf8(label)), name);
    action->setCheckable(true);
    action->setChecked(language == CurrentLanguage());
    choices->addAction(action);
    connect(action, &QAction::triggered, this, Handler([this, language = language] { LanguageChosen(language); }));
  }
  auto* button = Named(new QToolButton, "btnLanguage");
  button->setMenu(menu);
  button->setPopupMode(QToolButton::InstantPopup);
  button->setAutoRaise(true);
  button->setText(menu->title());
  button->setToolTip(tr("表示言語を選びます（次の起動から）"));
  menuBar()->setCornerWidget(button, Qt::TopRightCorner);
}

// The windows are built in one language: the choice holds from the next start.
void TfrmMain::LanguageChosen(Language language) {
  StoreLanguage(language);
  settings_->SetStatus(StatusText(language == CurrentLanguage()
                                      ? tr("表示言語はこのままです。")
                                      : tr("表示言語は次の起動から変わります。")));
}

void TfrmMain::BuildToolBar() {
  auto* bar = Named(new QToolBar, "ToolBar1");
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  bar->setIconSize(QSize(16, 16));
  const auto button = [this, bar](const char* name, ToolbarPicture picture, const char* tip,
                                  void (TfrmMain::*handler)()) {
    auto* b = Named(new QToolButton, name);
    b->setIcon(DrawToolbarPicture(picture));
    b->setAutoRaise(true);
    if (tip) b->setToolTip(tr(tip));
    connect(b, &QToolButton::clicked, this, Handler([this, handler] { (this->*handler)(); }));
    bar->addWidget(b);
  };
  bar->addSeparator();
  button("ToolButton2", ToolbarPicture::SaveMidi, nullptr, &TfrmMain::mnuSaveMidiClick);
  auto* handle = Named(new DragHandle, "DragHandle");
  handle->setToolTip(tr("ここからフレーズをドラッグ (MIDI と MML)"));
  connect(handle, &DragHandle::dragRequested, this,
          Handler([this, handle] { DragPhrase(*handle, *settings_, state_); }));
  bar->addWidget(handle);
  bar->addSeparator();
  button("ToolButton4", ToolbarPicture::Play, nullptr, &TfrmMain::mnuPhrasePlayClick);
  button("ToolButton5", ToolbarPicture::Stop, nullptr, &TfrmMain::ToolButton5Click);
  bar->addSeparator();
  button("ToolButton7", ToolbarPicture::MakeAndPlay, QT_TR_NOOP("パターン作成演奏"),
         &TfrmMain::mnuPhraseMakeAndPlayClick);
  button("ToolButton8", ToolbarPicture::RandomAndPlay, QT_TR_NOOP("パターン変更して演奏"),
         &TfrmMain::mnuMakeAndPlayClick);
  bar->addSeparator();
  auto* remake = Named(new QCheckBox(tr("再生の度にパターンを作り直す")), "chkMakePattern");
  remake->setChecked(FindControl("chkMakePattern")->initial != 0);
  bar->addWidget(remake);
  bar->addSeparator();
  button("ToolButton9", ToolbarPicture::Workbench, QT_TR_NOOP("フレーズの作業台 (F6)"), &TfrmMain::mnuWorkbenchClick);
  addToolBar(bar);
}

SpinField* TfrmMain::AddSpin(const char* name) {
  const ControlInfo& c = *FindControl(name);
  auto* spin = Named(new SpinField(c.minimum, c.maximum, c.initial), name);
  const int digits = QString::number(c.maximum).size();
  spin->setFixedWidth(28 + 7 * digits);
  return spin;
}

QComboBox* TfrmMain::AddPitchList(const char* name) {
  auto* list = Named(new QComboBox, name);
  for (const char* pitch : kPitchNames) list->addItem(QString::fromLatin1(pitch));
  list->setCurrentIndex(FindControl(name)->initial);
  return list;
}

QWidget* TfrmMain::AddSliderRow(QGridLayout* grid, int row, const QString& left,
                                const char* name, const QString& right) {
  const ControlInfo& c = *FindControl(name);
  auto* slider = Named(new QSlider(Qt::Horizontal), name);
  slider->setRange(c.minimum, c.maximum);
  slider->setValue(c.initial);
  grid->addWidget(new QLabel(left), row, 0);
  grid->addWidget(slider, row, 1);
  if (!right.isEmpty()) grid->addWidget(new QLabel(right), row, 2);
  return slider;
}

QWidget* TfrmMain::BuildScalePage() {
  auto* page = Named(new QWidget, "TabSheet1");
  auto* outer = new QHBoxLayout(page);
  outer->setContentsMargins(8, 4, 8, 4);
  auto* column = new QVBoxLayout;
  column->setSpacing(2);
  outer->addLayout(column);
  outer->addStretch(1);

  auto* scales = Named(new QComboBox, "cmbScale");
  scales->setMinimumWidth(220);
  auto* keys = AddPitchList("cmbKey");
  auto* apply = Named(new QPushButton(QStringLiteral("↓")), "btnScaleSet");
  apply->setFixedWidth(40);
  column->addWidget(new QLabel(tr("スケールの選択")));
  column->addLayout(Row({scales}));
  column->addWidget(new QLabel(tr("キー")));
  column->addLayout(Row({keys, apply}));
  column->addSpacing(4);

  auto* grid = new QGridLayout;
  grid->setVerticalSpacing(0);
  grid->setHorizontalSpacing(8);
  auto* low = new QLabel(tr("低"));
  auto* high = new QLabel(tr("高"));
  auto* ends = new QHBoxLayout;
  ends->addWidget(low);
  ends->addStretch(1);
  ends->addWidget(high);
  grid->addLayout(ends, 0, 1);
  for (int i = 0; i < 12; ++i) {
    const std::string name = "src" + std::to_string(i);
    QWidget* slider = AddSliderRow(grid, i + 1, QString::fromLatin1(kPitchNames[i]), name.c_str());
    slider->setProperty("tag", i);
    slider->setFixedWidth(280);
    connect(static_cast<QSlider*>(slider), &QSlider::valueChanged, this,
            [this, i](int position) { RunHandler([&] { src0Change(i, position); }); });
  }
  column->addLayout(grid);
  column->addStretch(1);

  // Picking a scale or a key applies it as "↓" does; a selection made by
  // the program (activated is the user's pick only) applies nothing.
  connect(apply, &QPushButton::clicked, this, Handler([this] { btnScaleSetClick(); }));
  connect(scales, &QComboBox::activated, this, Handler([this] { btnScaleSetClick(); }));
  connect(keys, &QComboBox::activated, this, Handler([this] { btnScaleSetClick(); }));
  return page;
}

QWidget* TfrmMain::BuildPatternPage() {
  auto* page = Named(new QWidget, "TabSheet2");
  auto* columns = new QHBoxLayout(page);
  columns->setContentsMargins(2, 2, 2, 2);
  columns->setSpacing(4);
  columns->addWidget(BuildPatternColumn(), 1);
  columns->addWidget(BuildPhraseColumn(), 1);
  return page;
}

QWidget* TfrmMain::BuildPatternColumn() {
  auto* panel = new QWidget;
  auto* column = Column(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* make = Named(new QPushButton(tr("ランダム")), "btnPatternMake");
  auto* head = new QHBoxLayout;
  head->addWidget(new QLabel(tr("基本リズムパターン")));
  head->addStretch(1);
  head->addWidget(make);
  column->addLayout(head);
  auto* pattern = TextBox("memRythm", 16);
  pattern->setFixedHeight(72);
  column->addWidget(pattern);

  auto* group = new QGroupBox(tr("リズムパターンをランダムに作成するため"));
  auto* grid = new QGridLayout(group);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setVerticalSpacing(0);
  const struct {
    const char* symbol;
    const char* label;
  } symbols[7] = {{"N", QT_TR_NOOP("普通に発音")}, {"r", QT_TR_NOOP("休符")},   {"^", QT_TR_NOOP("タイ")},  {"m", QT_TR_NOOP("ミュート")},
                  {"d", QT_TR_NOOP("ダブル")},     {"W", QT_TR_NOOP("和音")}, {"B", QT_TR_NOOP("ベンド")}};
  for (int i = 0; i < 7; ++i) {
    const std::string name = "scrP" + std::to_string(i);
    AddSliderRow(grid, i, QString::fromLatin1(symbols[i].symbol), name.c_str(),
                 tr(symbols[i].label));
  }
  auto* weights = Named(new QPushButton(QStringLiteral("*")), "btnPatternRandom");
  weights->setFixedWidth(24);
  grid->addWidget(weights, 0, 3);
  auto* first = Named(new QCheckBox(tr("一文字目を必ず発音する")), "chkPatternPlayFirst");
  first->setChecked(FindControl("chkPatternPlayFirst")->initial != 0);
  grid->addWidget(first, 7, 0, 1, 4);
  grid->addLayout(Row({new QLabel(tr("パターン長")), AddSpin("spnPatternCount"),
                       new QLabel(tr("個"))}),
                  8, 0, 1, 4);

  auto* gates = new QGroupBox(tr("ゲートレート"));
  auto* gateGrid = new QGridLayout(gates);
  gateGrid->setContentsMargins(6, 0, 6, 2);
  gateGrid->setVerticalSpacing(0);
  AddSliderRow(gateGrid, 0, tr("通常(N)"), "scrGateN");
  AddSliderRow(gateGrid, 1, tr("ミュート時(m)"), "scrGateM");
  AddSliderRow(gateGrid, 2, tr("他のミュート率"), "scrMuteRate");
  grid->addWidget(gates, 9, 0, 1, 4);
  column->addWidget(group);
  column->addStretch(1);

  connect(make, &QPushButton::clicked, this, Handler([this] { mnuPatternRandomClick(); }));
  connect(weights, &QPushButton::clicked, this, Handler([this] { mnuPatternParamRandomClick(); }));
  return panel;
}

QWidget* TfrmMain::BuildPhraseColumn() {
  auto* panel = new QWidget;
  auto* column = Column(panel);
  column->setContentsMargins(0, 0, 0, 0);

  auto* group = new QGroupBox;
  auto* rows = Column(group, 3);
  rows->addLayout(Row({new QLabel(tr("基本音符")), AddSpin("spnL"),
                       new QLabel(tr("分音符×")), AddSpin("spnCount"),
                       new QLabel(tr("個"))}));
  rows->addLayout(Row({new QLabel(tr("音域")), AddSpin("spnOct1"),
                       AddPitchList("cmbOct1"), new QLabel(tr("～")),
                       AddSpin("spnOct2"), AddPitchList("cmbOct2")}));
  rows->addLayout(Row({new QLabel(tr("ベロシティ")), AddSpin("spnV")}));

  auto* voiceOn = Named(new QCheckBox(tr("音色")), "chkVoice");
  voiceOn->setChecked(FindControl("chkVoice")->initial != 0);
  SpinField* voice = AddSpin("spnVoice");
  auto* voices = Named(new QComboBox, "cmbVoice");
  for (const char* name : kVoiceNames) voices->addItem(QString::fromLatin1(name));
  voices->setCurrentIndex(FindControl("cmbVoice")->initial);
  voices->setMaxVisibleItems(20);
  // Wide enough for the longest name, reckoned from the font's letter width
  // rather than by measuring all 128 names, which the list would otherwise
  // do at every size request, a good share of the work before the window's
  // first paint. The names have no icons, so no room is kept for one.
  voices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  voices->setIconSize(QSize(0, 0));
  voices->setMinimumContentsLength(13);
  auto* randomVoice = Named(new QPushButton(QStringLiteral("*")), "btnRndVoice");
  randomVoice->setFixedWidth(24);
  rows->addLayout(Row({voiceOn, voice, voices, randomVoice}));
  rows->addLayout(Row({new QLabel(tr("テンポ")), AddSpin("spnTempo"),
                       new QLabel(tr("チャンネル")), AddSpin("spnCH")}));
  column->addWidget(group);

  column->addWidget(new QLabel(tr("オプション(MMLで)")));
  auto* options = TextBox("Memo1", 12);
  options->setFixedHeight(44);
  column->addWidget(options);
  column->addWidget(new QLabel(tr("作成されたフレーズ")));
  column->addWidget(TextBox("memMML", 13), 1);

  // Picking a name sets the number and a new number selects its name; the
  // program's selection of a name is not a pick, so the two never loop.
  connect(voice, &SpinField::changed, this, Handler([this] { spnVoiceChange(); }));
  connect(voices, &QComboBox::activated, this,
          [this](int index) { RunHandler([&] { cmbVoiceChange(index); }); });
  connect(randomVoice, &QPushButton::clicked, this, Handler([this] { btnRndVoiceClick(); }));
  return panel;
}

void TfrmMain::FormCreate() {
  state_.random.Seed(ClockSeed());
  state_.scaleDefinitions.clear();
  const int selected = LoadScaleTable(
      state_, DataPath("Scale.dat"), [](const std::string& text, const std::string& caption) {
        ShowWarning(TranslatedMessage(QString::fromStdString(text)), TranslatedMessage(QString::fromStdString(caption)));
      });
  auto* scales = findChild<QComboBox*>(QStringLiteral("cmbScale"));
  for (const std::string& name : state_.scaleNames) scales->addItem(ShownScaleName(FromCp932(name)));
  scales->setCurrentIndex(selected);
  ApplyScale(*settings_, state_);
}

void TfrmMain::closeEvent(QCloseEvent* event) {
  RunHandler([this] { FormClose(); });
  event->accept();
}

void TfrmMain::FormClose() {
  if (player_) player_->Close();
  takes_->KeepLastSettings();
}

SoundPlayer& TfrmMain::player() {
  if (!player_) {
    player_ = std::make_unique<SoundPlayer>();
    outputMenu_->Apply();
  }
  return *player_;
}

void TfrmMain::WatchPlayback() {
  if (player_ && player_->IsPlaying()) return;
  // Ended, stopped, or the output failed: this is the one time to say so.
  playbackWatch_->stop();
  if (const std::string why = player_ ? player_->TakePortFailure() : std::string(); !why.empty())
    return settings_->SetStatus(Cp932FromUtf8Lossy(why));
  if (player_) player_->CheckOutput();
}

bool TfrmMain::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  // The player loads the playback module and the SoundFont in the
  // background. It waits until the window has painted itself once, so that
  // the two do not compete for the processor while the user waits for the
  // window.
  if (event->type() == QEvent::UpdateRequest && !player_)
    QMetaObject::invokeMethod(this, Handler([this] { player(); }), Qt::QueuedConnection);
  return handled;
}

void TfrmMain::N2Click() { close(); }

void TfrmMain::mnuWorkbenchClick() {
  if (!workbench_) {
    QList<QAction*> commands;
    for (const char* name : {"mnuPhrasePlay", "actStop", "mnuLoopPlay", "mnuPhraseMakeAndPlay", "mnuMakeAndPlay",
                             "mnuTakeBack", "mnuTakeForward"})
      commands << findChild<QAction*>(QString::fromLatin1(name));
    workbench_ = new TfrmWorkbench({*settings_, state_, phrase_, [this]() -> SoundPlayer& { return player(); },
                                    *findChild<QPlainTextEdit*>(QStringLiteral("memMML")), *takes_, commands,
                                    *findChild<QAction*>(QStringLiteral("mnuPhraseMake")),
                                    [this](int64_t endTick) {
                                      const ComposedParts& composed = parts_->Composed();
                                      return MarksOf(parts_->Chords(), composed.groove, composed.stepProbability, endTick);
                                    },
                                    [this] { return parts_->Composed().groove; },
                                    [this](size_t index, size_t notes) { return parts_->PartOfNote(index, notes); }},
                                   this);
    settings_->AlsoShowStatusIn(workbench_->statusLine());
    AddPartPanels();
  }
  workbench_->show();
  workbench_->raise();
  workbench_->activateWindow();
}

void TfrmMain::btnScaleSetClick() { ApplyScale(*settings_, state_); }

void TfrmMain::src0Change(int tag, int position) { ScaleSliderChanged(state_, tag, position); }

void TfrmMain::spnVoiceChange() {
  // A number outside the voices (typed, not yet confirmed) selects no name.
  const int index = findChild<SpinField*>(QStringLiteral("spnVoice"))->value() - 1;
  auto* voices = findChild<QComboBox*>(QStringLiteral("cmbVoice"));
  voices->setCurrentIndex(index >= 0 && index < voices->count() ? index : -1);
}

void TfrmMain::cmbVoiceChange(int index) {
  findChild<SpinField*>(QStringLiteral("spnVoice"))->setValue(index + 1);
}

void TfrmMain::btnRndVoiceClick() {
  findChild<SpinField*>(QStringLiteral("spnVoice"))->setValue(int(state_.random.Next(128)) + 1);
}

}  // namespace volemo

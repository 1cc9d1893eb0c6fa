// The main window as it starts and as its controls follow each other:
// defaults and ranges, the scale sliders, the voice fields, start-up with a
// missing or odd scale file, the error box, and the help menu.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <memory>

#include <sys/stat.h>

#include "controls.h"
#include "engine_error.h"
#include "error_boundary.h"
#include "frmHelpU.h"
#include "frmMainU.h"
#include "player_error.h"
#include "spin_field.h"
#include "ui_test_support.h"

using namespace volemo;
using namespace volemo::test;

namespace {

// Two scales; "Major" is the second, so choosing it is not an accident of
// order.
const QByteArray kTwoScales = "Minor\r\nA0A\r\n\r\nMajor\r\nA0A0AA0A0A0A\r\n";

std::array<int, 12> SliderPositions(QWidget& window) {
  std::array<int, 12> positions{};
  for (int i = 0; i < 12; ++i)
    positions[i] = Find<QSlider>(window, ("src" + std::to_string(i)).c_str())->value();
  return positions;
}

// What a user does: the field's text replaced by typing.
void TypeInto(SpinField* field, const QString& text) {
  field->setFocus();
  field->findChild<QLineEdit*>()->selectAll();
  QTest::keyClicks(field, text);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Answerer> answerer_;
  std::unique_ptr<TfrmMain> window_;

  TfrmMain& Start() {
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get())) qFatal("window not active");
    return *window_;
  }

 private slots:
  void init() {
    answerer_ = std::make_unique<Answerer>();
    WriteScaleFile(kTwoScales);
  }
  void cleanup() {
    window_.reset();
    answerer_.reset();
  }

  void WindowIsFixedTitledAndJapanese() {
    TfrmMain& w = Start();
    QCOMPARE(w.windowTitle(), QStringLiteral("Volemo - ランダムフレーズメイカー"));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.width(), 611);
    QCOMPARE(w.height() - w.menuBar()->height(), 440);
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);

    // The fonts are found, not substituted, and hold the Japanese glyphs.
    QCOMPARE(QFontInfo(w.font()).family(), QStringLiteral("IPAPGothic"));
    QVERIFY(QFontMetrics(w.font()).inFontUcs4(U'音'));
    const struct {
      const char* name;
      int pixels;
    } boxes[] = {{"memRythm", 16}, {"memMML", 13}, {"Memo1", 12}};
    for (const auto& box : boxes) {
      const QFont font = Find<QPlainTextEdit>(w, box.name)->font();
      QCOMPARE(QFontInfo(font).family(), QStringLiteral("IPAGothic"));
      QCOMPARE(font.pixelSize(), box.pixels);
    }

    auto* pages = Find<QTabWidget>(w, "PageControl1");
    QCOMPARE(pages->count(), 2);
    QCOMPARE(pages->tabText(0), QStringLiteral("スケール"));
    QCOMPARE(pages->tabText(1), QStringLiteral("パターン"));
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("TabSheet2"));
    QVERIFY(Find<QStatusBar>(w, "sbar")->isVisible());
  }

  void EveryControlStartsAtItsDefaultWithItsRange() {
    TfrmMain& w = Start();
    for (const ControlInfo& c : AllControls()) {
      const char* name = c.name.data();
      QWidget* control = Find<QWidget>(w, name);
      switch (c.kind) {
        case ControlKind::Spin: {
          auto* spin = qobject_cast<SpinField*>(control);
          QVERIFY2(spin, name);
          QCOMPARE(spin->minimum(), c.minimum);
          QCOMPARE(spin->maximum(), c.maximum);
          QCOMPARE(spin->text(), QString::number(c.initial));
          break;
        }
        case ControlKind::Slider: {
          auto* slider = qobject_cast<QSlider*>(control);
          QVERIFY2(slider, name);
          QCOMPARE(slider->minimum(), c.minimum);
          QCOMPARE(slider->maximum(), c.maximum);
          if (!c.name.starts_with("src")) QCOMPARE(slider->value(), c.initial);
          break;
        }
        case ControlKind::List: {
          auto* list = qobject_cast<QComboBox*>(control);
          QVERIFY2(list, name);
          QVERIFY(!list->isEditable());
          if (c.maximum >= 0) {
            QCOMPARE(list->count(), c.maximum + 1);
            QCOMPARE(list->currentIndex(), c.initial);
          }
          break;
        }
        case ControlKind::Check: {
          auto* check = qobject_cast<QCheckBox*>(control);
          QVERIFY2(check, name);
          QCOMPARE(check->isChecked(), c.initial != 0);
          break;
        }
      }
    }
    auto* scales = Find<QComboBox>(w, "cmbScale");
    QCOMPARE(scales->count(), 2);
    QCOMPARE(scales->currentText(), QStringLiteral("Major"));
    auto* voices = Find<QComboBox>(w, "cmbVoice");
    QCOMPARE(voices->currentText(), QStringLiteral("GrandPiano"));
    QCOMPARE(voices->itemText(22), QStringLiteral("Hamonica"));
    QCOMPARE(voices->itemText(112), QStringLiteral("TibkleBell"));
    QCOMPARE(voices->itemText(127), QStringLiteral("Gunshot"));
    QCOMPARE(Find<QComboBox>(w, "cmbOct2")->currentText(), QStringLiteral("B"));
    QVERIFY(Find<QPlainTextEdit>(w, "memRythm")->toPlainText().isEmpty());
    QVERIFY(Find<QPlainTextEdit>(w, "memMML")->toPlainText().isEmpty());
    QVERIFY(Find<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
    QVERIFY(answerer_->boxes.empty());
  }

  void MenusAndToolbarCarryTheirNamesTextsAndShortcuts() {
    TfrmMain& w = Start();
    const struct {
      const char* name;
      const char* text;
      QKeySequence shortcut;
    } items[] = {
        {"mnuSaveMidi", "Midiファイルとして保存(&S)", {}},
        {"mnuSaveMml", "MMLファイルとして保存(&A)", {}},
        {"mnuCopyMML", "フレーズをMMLでクリップボードにコピー", {}},
        {"N2", "閉じる(&C)", {}},
        {"mnuPatternRandom", "ランダムにパターンを作る", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"mnuPatternParamRandom", "パラメータをランダムに変更", {}},
        {"mnuPhraseMake", "パターンを元にフレーズを作成", {}},
        {"mnuPhrasePlay", "フレーズの演奏", {}},
        {"mnuPhraseMakeAndPlay", "パターンに沿ってフレーズを作成し演奏", QKeySequence(Qt::Key_F5)},
        {"mnuMakeAndPlay", "ランダムにフレーズを作成し演奏", QKeySequence(Qt::Key_F9)},
        {"mnuWorkbench", "フレーズの作業台(&W)", QKeySequence(Qt::Key_F6)},
        {"mnuOpenMml", "MMLファイルを開く(&O)", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"mnuLoopPlay", "ループ再生(&L)", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"mnuEasyHelp", "簡単な使い方", {}},
        {"mnuVersion", "バージョン情報", {}},
        {"mnuToWeb", "サポートページへ", {}},
        {"mnuLearnMidi", "MIDIファイルから学ぶ…", {}},
        {"mnuLearnStarred", "スター付きのテイクから学ぶ", {}},
    };
    for (const auto& item : items) {
      auto* action = Find<QAction>(w, item.name);
      QCOMPARE(action->text(), QString::fromUtf8(item.text));
      QCOMPARE(action->shortcut(), item.shortcut);
    }
    // Each menu and the toolbar in order, "-" standing for a separator.
    QStringList menus;
    for (QAction* menu : w.menuBar()->actions()) {
      menus << menu->text();
      for (QAction* item : menu->menu()->actions()) menus << (item->isSeparator() ? "-" : item->objectName());
    }
    QCOMPARE(menus, QStringList({"ファイル(&F)", "mnuOpenMml", "-", "mnuSaveMidi", "mnuSaveMml", "mnuSaveAudio", "-", "mnuLearnMidi", "mnuLearnStarred", "-", "mnuCopyMML", "-", "N2",
                                 "パターン(&P)", "mnuPatternRandom", "mnuPatternParamRandom",
                                 "フレーズ(&H)", "mnuPhraseMake", "-", "mnuPhrasePlay", "mnuLoopPlay",
                                 "mnuPhraseMakeAndPlay", "mnuMakeAndPlay", "-", "mnuWorkbench",
                                 "出力(&O)", "テイク(&T)", "mnuTakeBack", "mnuTakeForward",
                                 "ヘルプ(&H)", "mnuEasyHelp", "-", "mnuVersion", "-", "mnuToWeb"}));
    auto* bar = Find<QToolBar>(w, "ToolBar1");
    QStringList tools;
    for (QAction* a : bar->actions()) tools << (a->isSeparator() ? "-" : bar->widgetForAction(a)->objectName());
    QCOMPARE(tools, QStringList({"-", "ToolButton2", "DragHandle", "-", "ToolButton4", "ToolButton5", "-", "ToolButton7",
                                 "ToolButton8", "-", "chkMakePattern", "-", "ToolButton9"}));
    for (const char* name : {"ToolButton2", "ToolButton4", "ToolButton5"})
      QVERIFY2(Find<QToolButton>(w, name)->toolTip().isEmpty(), name);
    for (const char* name : {"ToolButton2", "DragHandle", "ToolButton4", "ToolButton5", "ToolButton7", "ToolButton8",
                             "ToolButton9"}) {
      // Drawn pictures on a clear ground: the corner shows the toolbar.
      const QImage picture = Find<QToolButton>(w, name)->icon().pixmap(16, 16).toImage();
      QCOMPARE(picture.size(), QSize(16, 16));
      QVERIFY2(picture.pixelColor(0, 0).alpha() == 0, name);
      QVERIFY2(picture.pixelColor(8, 8).alpha() == 255, name);
    }
    QCOMPARE(Find<QToolButton>(w, "ToolButton7")->toolTip(), QStringLiteral("パターン作成演奏"));
    QCOMPARE(Find<QToolButton>(w, "ToolButton8")->toolTip(), QStringLiteral("パターン変更して演奏"));
    QCOMPARE(Find<QToolButton>(w, "ToolButton9")->toolTip(), QStringLiteral("フレーズの作業台 (F6)"));
    QCOMPARE(Find<QCheckBox>(w, "chkMakePattern")->text(), QStringLiteral("再生の度にパターンを作り直す"));
    // A right click on the menu bar or status bar offers no way to hide the toolbar.
    QCOMPARE(w.createPopupMenu(), nullptr);
  }

  void EveryPageCarriesItsTextsInReadingOrder() {
    TfrmMain& w = Start();
    // Labels as they read, [group titles], and name=caption of buttons and check boxes.
    const auto texts = [&w](const char* page) {
      QStringList found;
      for (QWidget* c : Find<QWidget>(w, page)->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(c)) found << label->text();
        else if (auto* group = qobject_cast<QGroupBox*>(c)) found << "[" + group->title() + "]";
        else if (auto* button = qobject_cast<QAbstractButton*>(c)) found << c->objectName() + "=" + button->text();
      }
      return found;
    };
    QCOMPARE(texts("TabSheet1"),
             QStringList({"スケールの選択", "キー", "btnScaleSet=↓", "低", "高", "C", "C#", "D", "D#", "E",
                          "F", "F#", "G", "G#", "A", "A#", "B"}));
    QCOMPARE(texts("TabSheet2"),
             QStringList({"基本リズムパターン", "btnPatternMake=ランダム", "[リズムパターンをランダムに作成するため]",
                          "N", "普通に発音", "r", "休符", "^", "タイ", "m", "ミュート", "d", "ダブル", "W", "和音",
                          "B", "ベンド", "btnPatternRandom=*", "chkPatternPlayFirst=一文字目を必ず発音する",
                          "パターン長", "個", "[ゲートレート]", "通常(N)", "ミュート時(m)", "他のミュート率", "[]",
                          "基本音符", "分音符×", "個", "音域", "～", "ベロシティ", "chkVoice=音色", "btnRndVoice=*",
                          "テンポ", "チャンネル", "オプション(MMLで)", "作成されたフレーズ"}));
  }

  void TabWalksEachPageTopToBottomLeftColumnFirst() {
    TfrmMain& w = Start();
    const auto walk = [](QWidget* first, int steps) {
      first->setFocus();
      QStringList names{QApplication::focusWidget()->objectName()};
      for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names << QApplication::focusWidget()->objectName();
      }
      return names;
    };
    const QStringList pattern = {
        "btnPatternMake", "memRythm", "scrP0", "scrP1", "scrP2", "scrP3", "scrP4", "scrP5",
        "scrP6", "btnPatternRandom", "chkPatternPlayFirst", "spnPatternCount", "scrGateN",
        "scrGateM", "scrMuteRate", "spnL", "spnCount", "spnOct1", "cmbOct1", "spnOct2",
        "cmbOct2", "spnV", "chkVoice", "spnVoice", "cmbVoice", "btnRndVoice", "spnTempo",
        "spnCH", "Memo1", "memMML"};
    QCOMPARE(walk(Find<QWidget>(w, "btnPatternMake"), pattern.size() - 1), pattern);
    // Tab leaves the text boxes and writes nothing into them.
    QVERIFY(Find<QPlainTextEdit>(w, "memRythm")->toPlainText().isEmpty());
    QVERIFY(Find<QPlainTextEdit>(w, "Memo1")->toPlainText().isEmpty());
    QVERIFY(Find<QPlainTextEdit>(w, "memMML")->toPlainText().isEmpty());

    Find<QTabWidget>(w, "PageControl1")->setCurrentIndex(0);
    QStringList scale = {"cmbScale", "cmbKey", "btnScaleSet"};
    for (int i = 0; i < 12; ++i) scale << QStringLiteral("src%1").arg(i);
    QCOMPARE(walk(Find<QWidget>(w, "cmbScale"), scale.size() - 1), scale);
  }

  void SlidersShowTheScaleInTheKeyAndFeedTheWeights() {
    TfrmMain& w = Start();
    const std::array<int, 12> major = {10, 0, 10, 0, 10, 10, 0, 10, 0, 10, 0, 10};
    QCOMPARE(SliderPositions(w), major);
    QCOMPARE(w.state().weights, major);

    // Picking key D moves the tonic to D.
    auto* keys = Find<QComboBox>(w, "cmbKey");
    keys->setFocus();
    QTest::keyClick(keys, Qt::Key_Down);
    QTest::keyClick(keys, Qt::Key_Down);
    QCOMPARE(keys->currentText(), QStringLiteral("D"));
    const std::array<int, 12> majorInD = {0, 10, 10, 0, 10, 0, 10, 10, 0, 10, 0, 10};
    QCOMPARE(SliderPositions(w), majorInD);
    QCOMPARE(w.state().weights, majorInD);

    // A slider edited by hand writes its weight; "↓" undoes the edit.
    auto* c = Find<QSlider>(w, "src0");
    c->setFocus();
    QTest::keyClick(c, Qt::Key_Right);
    QCOMPARE(w.state().weights[0], 1);
    QTest::mouseClick(Find<QPushButton>(w, "btnScaleSet"), Qt::LeftButton);
    QCOMPARE(w.state().weights, majorInD);

    // The record's SetPosition clamps and runs the handler on a real change.
    w.settings().SetPosition("src3", 42);
    QCOMPARE(c->parentWidget()->findChild<QSlider*>(QStringLiteral("src3"))->value(), 10);
    QCOMPARE(w.state().weights[3], 10);

    // Picking another scale applies it in the key at hand.
    auto* scales = Find<QComboBox>(w, "cmbScale");
    scales->setFocus();
    QTest::keyClick(scales, Qt::Key_Up);
    QCOMPARE(scales->currentText(), QStringLiteral("Minor"));
    QCOMPARE(SliderPositions(w), (std::array<int, 12>{0, 0, 10, 0, 10, 0, 0, 0, 0, 0, 0, 0}));

    // A selection made by the program applies nothing.
    keys->setCurrentIndex(0);
    QCOMPARE(w.state().weights[2], 10);
  }

  void VoiceNumberAndNameFollowEachOther() {
    TfrmMain& w = Start();
    auto* voice = Find<SpinField>(w, "spnVoice");
    auto* names = Find<QComboBox>(w, "cmbVoice");
    names->setFocus();
    QTest::keyClick(names, Qt::Key_End);  // picks "Gunshot"
    QCOMPARE(voice->text(), QStringLiteral("128"));

    TypeInto(voice, QStringLiteral("5"));
    QCOMPARE(names->currentText(), QStringLiteral("ElectricPiano1"));
    TypeInto(voice, QStringLiteral("200"));
    QCOMPARE(names->currentIndex(), -1);
    TypeInto(voice, QStringLiteral("0"));
    QCOMPARE(names->currentIndex(), -1);
    names->setFocus();  // leaving the field confirms 0 as 1
    QCOMPARE(voice->text(), QStringLiteral("1"));
    QCOMPARE(names->currentText(), QStringLiteral("GrandPiano"));

    for (int i = 0; i < 20; ++i) {
      QTest::mouseClick(Find<QPushButton>(w, "btnRndVoice"), Qt::LeftButton);
      QVERIFY(voice->value() >= 1 && voice->value() <= 128);
      QCOMPARE(names->currentIndex(), voice->value() - 1);
    }
  }

  void TheRecordReadsSpinFieldsAsTyped() {
    TfrmMain& w = Start();
    TypeInto(Find<SpinField>(w, "spnTempo"), QStringLiteral("-"));
    QCOMPARE(w.settings().Value("spnTempo"), 30);
    QCOMPARE(w.settings().Text("spnTempo"), std::string("-"));
    TypeInto(Find<SpinField>(w, "spnCount"), QStringLiteral("200"));
    QCOMPARE(w.settings().Value("spnCount"), 200);
    Find<QPlainTextEdit>(w, "memMML")->setFocus();
    QCOMPARE(w.settings().Value("spnCount"), 64);
    QCOMPARE(w.settings().Text("spnCount"), std::string("64"));
  }

  void TextBoxesHoldTheEngineTextsWithCrLf() {
    TfrmMain& w = Start();
    const std::string text = Cp932("[4 o4c\r\n  ど]\r\n");
    w.settings().SetMmlText(text);
    QCOMPARE(Find<QPlainTextEdit>(w, "memMML")->toPlainText(), QStringLiteral("[4 o4c\n  ど]\n"));
    QCOMPARE(w.settings().MmlText(), text);
    w.settings().SetPatternText("NrN^");
    QCOMPARE(w.settings().PatternText(), std::string("NrN^"));
    w.settings().SetStatus(Cp932("一行目\r\n二行目\r\n"));
    QCOMPARE(StatusText(w), QStringLiteral("一行目 二行目 "));
  }

  void StartWithoutScaleFileWarnsThenReportsTheListIndex() {
    RemoveScaleFile();
    TfrmMain& w = Start();
    QCOMPARE(answerer_->boxes.size(), size_t(2));
    QCOMPARE(answerer_->boxes[0].kind, ModalAnswerer::Box::Warning);
    QCOMPARE(answerer_->boxes[0].caption, QStringLiteral("読み込みエラー"));
    QCOMPARE(answerer_->boxes[0].text, QStringLiteral("スケール定義ファイル\"Scale.dat\"がありません。"));
    QCOMPARE(answerer_->boxes[1].kind, ModalAnswerer::Box::Error);
    QCOMPARE(answerer_->boxes[1].caption, ApplicationTitle());
    QCOMPARE(answerer_->boxes[1].text, QStringLiteral("リストのインデックスが範囲を超えています (-1)"));
    QCOMPARE(Find<QComboBox>(w, "cmbScale")->count(), 0);
    QCOMPARE(SliderPositions(w), (std::array<int, 12>{}));
    QVERIFY(w.isVisible());

    // Pressing "↓" with no scale fails the same way, and the window carries on.
    QTest::mouseClick(Find<QPushButton>(w, "btnScaleSet"), Qt::LeftButton);
    QCOMPARE(answerer_->boxes.size(), size_t(3));
    QCOMPARE(answerer_->boxes[2].text, answerer_->boxes[1].text);
  }

  // A scale file that cannot be read, or is no file to read (a FIFO would
  // hold the start for ever), ends loading in the cannot-open box alone.
  void StartWithAnUnreadableScaleFileShowsOnlyTheCannotOpenBox() {
    const std::string path = InProgramDir("Scale.dat");
    const struct {
      void (*make)(const std::string&);
      QString reason;
    } cases[] = {
        {[](const std::string& p) { std::filesystem::create_directory(p); }, QStringLiteral("Is a directory")},
        {[](const std::string& p) { mkfifo(p.c_str(), 0600); }, QStringLiteral("通常のファイルではありません")},
    };
    for (const auto& c : cases) {
      RemoveScaleFile();
      c.make(path);
      answerer_->boxes.clear();
      TfrmMain& w = Start();
      RemoveScaleFile();
      QCOMPARE(answerer_->boxes.size(), size_t(1));  // no warning, no list-index box
      const auto& box = answerer_->boxes[0];
      QCOMPARE(box.kind, ModalAnswerer::Box::Error);
      QCOMPARE(box.caption, ApplicationTitle());
      QCOMPARE(box.text, QStringLiteral("ファイル \"%1\" は開けません。 %2.").arg(QString::fromStdString(path), c.reason));
      QCOMPARE(Find<QComboBox>(w, "cmbScale")->count(), 0);
      QCOMPARE(SliderPositions(w), (std::array<int, 12>{}));
      QCOMPARE(w.state().weights, (std::array<int, 12>{}));
      QVERIFY(w.isVisible());
    }
  }

  // A scale file without "Major" first says so, naming the file; the
  // list-index box follows as when the file is missing.
  void StartWithoutMajorSaysWhatTheFileLacksThenReportsTheListIndex() {
    const QString path = QString::fromStdString(InProgramDir("Scale.dat"));
    const struct {
      QByteArray bytes;
      int scales;
      QString lacks;
    } cases[] = {
        {"", 0, QStringLiteral("スケールがありません")},
        {"\x89PNG\r\n\x1a\n", 1, QStringLiteral("\"Major\" という名前のスケールがありません")},
        {"Minor\nA0A\nDorian\nA0A0\n", 2, QStringLiteral("\"Major\" という名前のスケールがありません")},
    };
    for (const auto& c : cases) {
      WriteScaleFile(c.bytes);
      answerer_->boxes.clear();
      TfrmMain& w = Start();
      QCOMPARE(Find<QComboBox>(w, "cmbScale")->count(), c.scales);
      QCOMPARE(Find<QComboBox>(w, "cmbScale")->currentIndex(), -1);
      QCOMPARE(answerer_->boxes.size(), size_t(2));
      QCOMPARE(answerer_->boxes[0].kind, ModalAnswerer::Box::Warning);
      QCOMPARE(answerer_->boxes[0].caption, QStringLiteral("読み込みエラー"));
      QCOMPARE(answerer_->boxes[0].text, QStringLiteral("スケール定義ファイル\"%1\"に%2。").arg(path, c.lacks));
      QCOMPARE(answerer_->boxes[1].kind, ModalAnswerer::Box::Error);
      QCOMPARE(answerer_->boxes[1].text, QStringLiteral("リストのインデックスが範囲を超えています (-1)"));
    }
  }

  // Whatever part of the program raised it, a message reaches the box as
  // it was written: file names keep characters such as "é".
  void EveryKindOfExceptionShowsItsTextAsWritten() {
    const QString text = QStringLiteral("ファイル \"/tmp/café.mid\" を開けません。");
    const std::string utf8 = text.toStdString();
    const std::function<void()> throwers[] = {
        [&] { throw EngineError(utf8); },
        [&] { throw MakePlayerError(utf8); },
        [&] { throw WindowError(utf8); },
        [&] { throw std::runtime_error(utf8); },
    };
    for (const auto& thrower : throwers) RunHandler(thrower);
    QCOMPARE(answerer_->boxes.size(), std::size(throwers));
    for (const auto& box : answerer_->boxes) QCOMPARE(box.text, ErrorBoxText(text));
  }

  void ErrorBoxEndsTheMessageWithAPeriodOnlyAfterLettersDigitsAndJapanese() {
    QCOMPARE(ErrorBoxText(QStringLiteral("abc")), QStringLiteral("abc."));
    QCOMPARE(ErrorBoxText(QStringLiteral("code 7")), QStringLiteral("code 7."));
    QCOMPARE(ErrorBoxText(QStringLiteral("を作成できません")), QStringLiteral("を作成できません."));
    QCOMPARE(ErrorBoxText(QStringLiteral("終わり。")), QStringLiteral("終わり。."));
    QCOMPARE(ErrorBoxText(QStringLiteral("(-1)")), QStringLiteral("(-1)"));
    QCOMPARE(ErrorBoxText(QStringLiteral("done.")), QStringLiteral("done."));
    QCOMPARE(ErrorBoxText(QStringLiteral("a-")), QStringLiteral("a-"));
    QCOMPARE(ErrorBoxText(QString()), QString());
  }

  void HelpWindowOpensModallyClosesByItsButtonAndOpensAgain() {
    TfrmMain& w = Start();
    for (int round = 0; round < 2; ++round) {
      bool sawPicture = false;
      answerer_->whileModal.push_back([&](QDialog& help) {
        QCOMPARE(QApplication::activeModalWidget(), &help);  // the main window waits
        QCOMPARE(help.windowTitle(), QStringLiteral("frmHelp"));
        const QPixmap picture = help.findChild<QLabel*>(QStringLiteral("Image1"))->pixmap();
        sawPicture = picture.size() == QSize(338, 160);
        QTest::mouseClick(help.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
      });
      Find<QAction>(w, "mnuEasyHelp")->trigger();
      QVERIFY(sawPicture);
      QVERIFY(!w.findChild<TfrmHelp*>()->isVisible());
    }
  }

  void VersionBoxIsCaptionedWithTheTitleAndAnswersEnterAndEsc() {
    TfrmMain& w = Start();
    int result = -1;
    answerer_->whileModal.push_back([&](QDialog& box) {
      QVERIFY(box.findChild<QLabel*>()->text().contains(QStringLiteral(VOLEMO_TEST_VERSION)));
      QTest::keyClick(&box, Qt::Key_Return);
      result = box.result();
    });
    answerer_->whileModal.push_back([&](QDialog& box) {
      QTest::keyClick(&box, Qt::Key_Escape);
      result = box.isVisible() ? -1 : box.result();
    });
    Find<QAction>(w, "mnuVersion")->trigger();
    QCOMPARE(result, int(QDialog::Accepted));
    Find<QAction>(w, "mnuVersion")->trigger();
    QCOMPARE(result, int(QDialog::Rejected));
    QCOMPARE(answerer_->modalTitles, (std::vector<QString>{ApplicationTitle(), ApplicationTitle()}));
  }

  void SupportPageIsTheManualBesideTheProgramAndSaysWhereWhenNothingOpensIt() {
    TfrmMain& w = Start();
    const QString manual = QString::fromStdString(InProgramDir("manual/index.html"));
    Find<QAction>(w, "mnuToWeb")->trigger();
    QCOMPARE(answerer_->openedDocuments, std::vector<QString>{QUrl::fromLocalFile(manual).toString()});
    QCOMPARE(StatusText(w), QString());
    answerer_->desktopOpensDocuments = false;
    Find<QAction>(w, "mnuToWeb")->trigger();
    QCOMPARE(StatusText(w),
             QStringLiteral("マニュアルを開くアプリがありません。マニュアルの場所: ") + manual);
  }

  // The translator stays installed for the tests after this one, as in the program.
  void QtsOwnDialogTextsAreJapanese() {
    QCOMPARE(LoadQtJapanese(), QString());
    const std::pair<const char*, const char*> texts[] = {
        {"QFileDialog", "%1 already exists.\nDo you want to replace it?"},
        {"QFileDialog", "Save As"},
        {"QPlatformTheme", "&Yes"},
        {"QWidgetTextControl", "&Copy"},
    };
    QStringList translated;
    for (const auto& [context, text] : texts) translated << QCoreApplication::translate(context, text);
    QCOMPARE(translated.join(u'|'),
             QStringLiteral("%1 は既に存在します。\n置き換えますか?|名前を付けて保存|はい(&Y)|コピー(&C)"));
  }

  void ApplicationTitleIsTheProgramNameUpToItsFirstDotLowerCasedAfterItsFirstLetter() {
    QCOMPARE(ApplicationTitleOf(QStringLiteral("Volemo")), QStringLiteral("Volemo"));
    QCOMPARE(ApplicationTitleOf(QStringLiteral("VOLEMO.bin.old")), QStringLiteral("Volemo"));
    QCOMPARE(ApplicationTitleOf(QStringLiteral("volemo")), QStringLiteral("volemo"));
    QCOMPARE(ApplicationTitle(), QStringLiteral("main_window_test"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"

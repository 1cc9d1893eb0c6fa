// The workbench driven as a person would: real clicks at the notes'
// rectangles, its buttons and keys, with the real engine, compiler and
// player (sound goes to a file sink).
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>
#include <functional>
#include <memory>

#include "frmMainU.h"
#include "frmWorkbench.h"
#include "note_choice.h"
#include "roll_content.h"
#include "roll_views.h"
#include "spin_field.h"
#include "take_keeper.h"
#include "window_place.h"
#include "ui_test_support.h"
#include "workbench_window.h"

using namespace volemo;
using namespace volemo::test;

namespace {

// Every kind of step but the chord, whose two notes may come out as one key
// and sound as one note.
const char kPattern[] = "NmNN dN^N rBNN Nm^N";

struct Place {
  uint32_t start, length;
  bool silent;
  bool operator==(const Place&) const = default;
};

}  // namespace

class WorkbenchTest : public QObject, WorkbenchWindow {
  Q_OBJECT

  QString BenchStatus() { return Find<QLabel>(Bench(), "sbarWorkbenchText")->text(); }
  std::string LastOperation() {
    const std::vector<Take> takes = W().takes().store()->List();
    return takes.empty() ? std::string() : takes.front().operation;
  }
  void Press(const char* button) { QTest::mouseClick(Find<QPushButton>(Bench(), button), Qt::LeftButton); }
  void ClickNote(int note, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(Notes(), Qt::LeftButton, modifiers, Editor().NoteRect(note).center());
  }
  std::vector<Place> Rhythm() {
    std::vector<Place> places;
    for (const RollNote& n : Editor().content().notes) places.push_back({n.start, n.length, n.silent});
    return places;
  }
  std::vector<int> Keys() {
    std::vector<int> keys;
    for (const RollNote& n : Editor().content().notes) keys.push_back(n.key);
    return keys;
  }
  // A composed phrase of the pattern, 32 steps, in the box and on the roll.
  void Compose(const char* pattern = kPattern) {
    W().settings().SetPatternText(pattern);
    Find<QAction>(W(), "mnuPhraseMake")->trigger();
    QTRY_VERIFY(Editor().Number(0) == 1);
    QVERIFY(Editor().content().notes.size() >= 20);
    QCOMPARE(Editor().content().passes, 4);
  }

 private slots:
  void init() { OpenWorkbench(); }

  void cleanup() {
    CloseWindow();
    QVERIFY(QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")).value("workbench/open").toBool());
  }

  void ClicksAndKeysLockAndUnlockWithAPinModifierClickOnlyPlays() {
    Compose();
    ClickNote(3);
    const int number = Editor().Number(3);
    QVERIFY(number > 0);
    QVERIFY(Editor().Locked(3));
    QCOMPARE(StatusText(W()), QStringLiteral("%1 番目の音をロックしました。").arg(number));
    // The pin is drawn above the note, in its own red, and leaves the note
    // in sight: its middle keeps the melody's colour.
    Notes()->PaintBackground();
    const QImage roll = Notes()->grab().toImage();
    const QRect r = Editor().NoteRect(3);
    QVERIFY(!Editor().LockMarkRect(3).intersects(r));
    QCOMPARE(roll.pixelColor(Editor().LockMarkRect(3).center()), QColor(200, 20, 30));
    QCOMPARE(roll.pixelColor(r.center()), QColor(70, 120, 190));
    ClickNote(3);
    QVERIFY(!Editor().Locked(3));

    QTest::keyClick(Notes(), Qt::Key_Home);
    QTest::keyClick(Notes(), Qt::Key_Right);
    QTest::keyClick(Notes(), Qt::Key_Space);
    QCOMPARE(Editor().Selected(), 1);
    QVERIFY(Editor().Locked(1));

    ClickNote(5, Qt::ShiftModifier);
    QVERIFY(!Editor().Locked(5));
    QVERIFY(W().player().IsPlaying());

    Press("btnLockAll");
    QCOMPARE(StatusText(W()), QStringLiteral("全ての音をロックしました。"));
    for (int i = 0; i < int(Editor().content().notes.size()); ++i) QVERIFY(Editor().Locked(i));
    const QString mml = Mml();
    QTest::keyClick(Notes(), Qt::Key_M);
    QCOMPARE(StatusText(W()), QStringLiteral("ロックしていない音がありません。"));
    QCOMPARE(Mml(), mml);
    QTest::keyClick(Notes(), Qt::Key_U);
    QCOMPARE(StatusText(W()), QStringLiteral("全ての音のロックを外しました。"));
    QVERIFY(!Editor().Locked(0));
  }

  void RerollKeepsLockedNotesAndTheRhythmAndPlays() {
    Compose();
    for (int note : {0, 4, 9}) ClickNote(note);
    const std::vector<Place> rhythm = Rhythm();
    const std::vector<int> before = Keys();
    for (int round = 0; round < 5; ++round) {
      QTest::keyClick(Notes(), Qt::Key_R);
      QVERIFY(StatusText(W()).startsWith(QStringLiteral("ロックしていない音を選び直しました。")));
      QCOMPARE(BenchStatus(), StatusText(W()));
      QVERIFY(Rhythm() == rhythm);
      for (int note : {0, 4, 9}) {
        QCOMPARE(Keys()[size_t(note)], before[size_t(note)]);
        QVERIFY(Editor().Locked(note));
      }
    }
    QVERIFY(Keys() != before);
    QVERIFY(W().player().IsPlaying());
  }

  void MutateChangesAtMostKNotesAndPlaysOnlyWhenAsked() {
    Compose();
    Find<QCheckBox>(Bench(), "chkPlayOnChange")->setChecked(false);
    Find<QSpinBox>(Bench(), "spnMutateCount")->setValue(3);
    ClickNote(2);
    for (int round = 0; round < 8; ++round) {
      const std::vector<int> before = Keys();
      const std::vector<Place> rhythm = Rhythm();
      Press("btnMutate");
      QVERIFY(Rhythm() == rhythm);
      // The status lists the notes whose keys changed, by number (one
      // note a place here: the pattern has no chord).
      QStringList numbers;
      for (size_t i = 0; i < before.size(); ++i)
        if (before[i] != Keys()[i]) numbers << QString::number(Editor().Number(int(i)));
      QCOMPARE(StatusText(W()), QStringLiteral("ロックしていない音から 3 個を選び直しました。") +
                                    (numbers.isEmpty() ? QString()
                                                       : QStringLiteral("%1 音を変えました: %2")
                                                             .arg(numbers.size())
                                                             .arg(numbers.join(QStringLiteral(", ")))));
      QVERIFY2(numbers.size() <= 3, qPrintable(numbers.join(',')));
      QCOMPARE(Keys()[2], before[2]);
    }
    QVERIFY(!W().player().IsPlaying());
  }

  void AnEditedBoxShowsOnTheRollAndIsNeverOverwritten() {
    Compose();
    auto* box = Find<QPlainTextEdit>(W(), "memMML");
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, " o4c");
    const QString edited = Mml();
    const QString why = QStringLiteral("MMLが作成後に書き換えられているため、ノートの操作はできません（書き換えたMMLはそのまま残します）。");
    QTRY_COMPARE(Editor().content().passes, 1);  // the added note ends the repeats
    QCOMPARE(Editor().content().notes.back().key, 48);
    QCOMPARE(Editor().Number(0), 0);
    QCOMPARE(Find<QLabel>(Bench(), "lblWorkbench")->text(), why);
    for (const char* name : {"btnReroll", "btnMutate", "btnLockAll", "btnUnlockAll"})
      QVERIFY2(!Find<QPushButton>(Bench(), name)->isEnabled(), name);
    ClickNote(0);
    QCOMPARE(StatusText(W()), why);
    QTest::keyClick(Notes(), Qt::Key_Space);
    QTest::keyClick(Notes(), Qt::Key_R);
    QCOMPARE(Mml(), edited);
    QVERIFY(!Editor().Locked(0));
  }

  void PlayheadFollowsThePlayerFromTheRulerAndScrollsWhenZoomed() {
    Compose();
    // Zoomed in four times around the left edge: most of the phrase lies
    // beyond the view.
    for (int i = 0; i < 6; ++i) {
      QWheelEvent wheel(QPointF(0, 10), Notes()->mapToGlobal(QPointF(0, 10)), {}, QPoint(0, 120),
                        Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
      QApplication::sendEvent(Notes(), &wheel);
    }
    QVERIFY(Editor().Zoom() > 3.5);
    QCOMPARE(Editor().Scroll(), 0);
    auto* ruler = Find<RollRuler>(Bench(), "rollRuler");
    const int x = ruler->width() * 3 / 4;
    const int from = Editor().TickAt(x);
    QTest::mouseClick(ruler, Qt::LeftButton, {}, QPoint(x, 5));
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QTRY_VERIFY(Editor().Playhead() >= from);
    const int first = Editor().Playhead();
    QTRY_VERIFY(Editor().Playhead() != first);
    QTRY_VERIFY(Editor().Scroll() > 0);  // the page turned with the sound
    QTest::mouseClick(Find<QToolButton>(W(), "ToolButton5"), Qt::LeftButton);
    QTRY_COMPARE(Editor().Playhead(), -1);
  }

  // Only C4 in the range: every chord is C4 twice, which sounds as one note.
  void AChordOfOneKeyTwiceShowsAsOneNoteOnOnePassWithItsNumber() {
    Find<SpinField>(W(), "spnOct2")->setValue(4);
    Find<QComboBox>(W(), "cmbOct2")->setCurrentIndex(0);
    Compose("NW");
    QCOMPARE(Editor().content().notes.size(), size_t(32));
    for (int i = 0; i < 32; ++i) QCOMPARE(Editor().Number(i), i % 2 ? 3 * (i / 2) + 2 : 3 * (i / 2) + 1);
    // A click locks both notes of the chord: re-rolls over a wider range
    // leave them one note.
    ClickNote(1);
    const uint32_t start = Editor().content().notes[1].start;
    Find<SpinField>(W(), "spnOct2")->setValue(5);
    for (int round = 0; round < 3; ++round) {
      QTest::keyClick(Notes(), Qt::Key_R);
      int atStart = 0;
      for (const RollNote& n : Editor().content().notes) atStart += n.start == start;
      QCOMPARE(atStart, 1);
    }
  }

  // Keys pressed in the workbench and its tool bar's buttons: the main
  // window's commands, one after another on the same takes.
  void TheMainWindowsCommandsWorkFromTheWorkbench() {
    const auto key = [this](int k, Qt::KeyboardModifiers m = {}) { QTest::keyClick(Notes(), Qt::Key(k), m); };
    const auto button = [this](const char* action) {
      QWidget* b = Find<QToolBar>(Bench(), "barWorkbench")->widgetForAction(Find<QAction>(W(), action));
      QVERIFY(b);
      QTest::mouseClick(b, Qt::LeftButton);
    };
    std::vector<QString> phrases;
    const struct {
      const char* name;
      std::function<void()> press;
      std::function<void()> check;
    } commands[] = {
        {"F9", [&] { key(Qt::Key_F9); }, [&] {
           QCOMPARE(LastOperation(), std::string("random-make-and-play"));
           QVERIFY(W().player().IsPlaying());
         }},
        {"stop", [&] { button("actStop"); }, [&] { QVERIFY(!W().player().IsPlaying()); }},
        {"F5", [&] { key(Qt::Key_F5); }, [&] {
           QCOMPARE(LastOperation(), std::string("make-and-play"));
           QVERIFY(W().player().IsPlaying());
         }},
        {"play", [&] { button("actStop"); button("mnuPhrasePlay"); }, [&] {
           QCOMPARE(LastOperation(), std::string("play"));  // a new pattern on every play
           QVERIFY(W().player().IsPlaying());
         }},
        {"loop", [&] { key(Qt::Key_L, Qt::ControlModifier); },
         [&] { QVERIFY(Find<QAction>(W(), "mnuLoopPlay")->isChecked()); }},
        {"undo", [&] { key(Qt::Key_Z, Qt::ControlModifier); }, [&] { QCOMPARE(Mml(), phrases.at(2)); }},
        {"redo", [&] { key(Qt::Key_Y, Qt::ControlModifier); }, [&] { QCOMPARE(Mml(), phrases.at(3)); }},
    };
    for (const auto& c : commands) {
      W().settings().SetStatus("-");
      c.press();
      c.check();
      QVERIFY2(!QTest::currentTestFailed(), c.name);
      QVERIFY2(BenchStatus() == StatusText(W()), c.name);
      QVERIFY2(QApplication::activeWindow() == &Bench(), c.name);
      phrases.push_back(Mml());
    }
    QCOMPARE(W().takes().store()->List().size(), size_t(3));
    QTRY_VERIFY(Editor().Number(0) > 0);  // the roll follows (a chord may put note 2 first)
  }

  // The preset's scale and controls make a phrase at once, heard when
  // play-on-change is on, kept as one take.
  void LoadingAPresetComposesAndPlaysWithItsSettings() {
    Compose();
    const QString before = Mml();
    const size_t takes = W().takes().store()->List().size();
    auto* presets = Find<QComboBox>(Bench(), "cmbPreset");
    presets->setCurrentText(QStringLiteral("琉球音階の三線"));
    QTest::mouseClick(Find<QPushButton>(Bench(), "btnPresetLoad"), Qt::LeftButton);
    QVERIFY(Mml() != before);
    QVERIFY(Mml().contains(QStringLiteral("Tempo=120;Channel(1);Voice(107)")));
    QVERIFY(W().player().IsPlaying());
    QCOMPARE(W().takes().store()->List().size(), takes + 1);
    QCOMPARE(LastOperation(), std::string("preset"));
    QTRY_VERIFY(Editor().Number(0) > 0 && Find<QPushButton>(Bench(), "btnMutate")->isEnabled());

    QTest::mouseClick(Find<QToolButton>(W(), "ToolButton5"), Qt::LeftButton);
    Find<QCheckBox>(Bench(), "chkPlayOnChange")->setChecked(false);
    presets->setCurrentText(QStringLiteral("都節音階の箏"));
    QTest::mouseClick(Find<QPushButton>(Bench(), "btnPresetLoad"), Qt::LeftButton);
    QVERIFY(Mml().contains(QStringLiteral("Tempo=72;Channel(1);Voice(108)")));
    QVERIFY(!W().player().IsPlaying());
  }

  void WithNothingComposedTheRollSaysWhatToDoAndRerollMakesTheFirstPhrase() {
    auto* hint = Find<QLabel>(Bench(), "lblFirstUse");
    QVERIFY(Mml().isEmpty());
    QVERIFY(hint->isVisible());
    QVERIFY(hint->text().contains(QStringLiteral("F9")) && hint->text().contains(QStringLiteral("作り直す")));
    QVERIFY(Find<QPushButton>(Bench(), "btnReroll")->isEnabled());
    QTest::keyClick(Notes(), Qt::Key_R);
    QVERIFY(!Mml().isEmpty());
    QCOMPARE(LastOperation(), std::string("make"));
    QVERIFY(W().player().IsPlaying());
    QTRY_VERIFY(!hint->isVisible());
    QTRY_VERIFY(Editor().Number(0) > 0);
  }

  // Screens, main windows and what opens where, worked out by hand.
  void OpensBesideTheMainWindowWhereThereIsRoomElseOverIt_data() {
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("right, narrowed") << QRect(0, 0, 1920, 1080) << QRect(654, 300, 611, 470)
                                     << QRect(1273, 300, 647, 640);
    QTest::newRow("right, whole") << QRect(0, 0, 2560, 1440) << QRect(100, 100, 611, 470)
                                  << QRect(719, 100, 900, 640);
    QTest::newRow("left") << QRect(0, 0, 1920, 1080) << QRect(1300, 200, 611, 470) << QRect(392, 200, 900, 640);
    QTest::newRow("over, small screen") << QRect(0, 0, 800, 600) << QRect(94, 50, 611, 470)
                                        << QRect(0, 0, 800, 600);
    QTest::newRow("raised to fit") << QRect(0, 0, 1920, 1080) << QRect(0, 800, 611, 270)
                                   << QRect(619, 440, 900, 640);
    QTest::newRow("over, second screen") << QRect(1920, 0, 1280, 1024) << QRect(2200, 100, 611, 470)
                                         << QRect(2200, 100, 900, 640);
  }

  void OpensBesideTheMainWindowWhereThereIsRoomElseOverIt() {
    QFETCH(QRect, screen);
    QFETCH(QRect, main);
    QFETCH(QRect, expected);
    QCOMPARE(PlaceBeside(screen, main, QSize(900, 640), 560), expected);
  }

  void RemembersWhetherItWasOpenAndItsSize() {
    Bench().resize(1000, 600);
    window_.reset();  // the program ends with it open and starts again
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QTRY_VERIFY(W().findChild<TfrmWorkbench*>() && Bench().isVisible());
    QCOMPARE(Bench().size(), QSize(1000, 600));
    Bench().close();
    window_.reset();
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QCoreApplication::processEvents();
    QVERIFY(!W().findChild<TfrmWorkbench*>());
    QTest::keyClick(&W(), Qt::Key_F6);  // for cleanup()
  }

  void RollReadsTheSoundingNotesOnePassOfARepeatAndSilentOutlines_data() {
    QTest::addColumn<QByteArray>("mml");
    QTest::addColumn<int>("minNotes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << QByteArray("l16 o4 c d q50 e f") << 1
                           << "1x480: 0+120:C4 120+120:D4 240+60:E4 360+60:F4";
    QTest::newRow("silent") << QByteArray("[4 l16 o4 q100 c q0 d]") << 1 << "4x240: 0+120:C4 120+120:D4s";
    QTest::newRow("unequal passes") << QByteArray("[2 l16 c] d") << 1
                                    << "1x360: 0+120:C5 120+120:C5 240+120:D5";
    QTest::newRow("shortest pass") << QByteArray("[3 l16 c c]") << 1 << "6x120: 0+120:C5";
    QTest::newRow("pass of the phrase") << QByteArray("[3 l16 c c]") << 2
                                        << "3x240: 0+120:C5 120+120:C5";
    QTest::newRow("bends repeat") << QByteArray("[2 l16 p%.T(-8192,0,!32) c]") << 1 << "2x120: 0+120:C5~-8192";
    QTest::newRow("bend differs") << QByteArray("l16 p%.T(-8192,0,!32) c p%100 c") << 1
                                  << "1x240: 0+120:C5~-8192 120+120:C5~100";
    QTest::newRow("mistake") << QByteArray("l16 c d o10 b") << 1 << "1x240: 0+120:C5 120+120:D5 !";
  }

  void RollReadsTheSoundingNotesOnePassOfARepeatAndSilentOutlines() {
    QFETCH(QByteArray, mml);
    QFETCH(int, minNotes);
    QFETCH(QString, expected);
    const RollContent c = ReadRoll(mml.toStdString(), size_t(minNotes));
    QString got = QStringLiteral("%1x%2:").arg(c.passes).arg(c.endTick);
    for (const RollNote& n : c.notes)
      got += QStringLiteral(" %1+%2:%3%4%5")
                 .arg(n.start)
                 .arg(n.length)
                 .arg(QString::fromStdString(NoteName(n.key)), n.silent ? "s" : "",
                      n.bendAtStart ? QStringLiteral("~%1").arg(n.bendAtStart) : QString());
    if (!c.message.empty()) got += QStringLiteral(" !");
    QCOMPARE(got, expected);
  }
};

QTEST_MAIN(WorkbenchTest)
#include "workbench_test.moc"

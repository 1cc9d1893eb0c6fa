// What the piano roll shows: rows that stay put from take to take and are
// tall enough to read, short notes that can be hit, the notes an operation
// changed, the names' numbering, and the parts, chords, sections and
// meters of an arrangement at their times. With VOLEMO_PICTURES set to a
// folder, the pictures of the README are saved there.
#include <QAction>
#include <QGridLayout>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>
#include <map>
#include <memory>
#include <set>

#include "arrangement.h"
#include "frmMainU.h"
#include "frmWorkbench.h"
#include "harmony.h"
#include "memory_settings.h"
#include "roll_content.h"
#include "roll_marks.h"
#include "roll_views.h"
#include "ui_test_support.h"
#include "workbench_window.h"

using namespace volemo;
using namespace volemo::test;

namespace {

// The piano roll's views as the workbench lays them out.
struct Roll {
  explicit Roll(QSize size) {
    auto* grid = new QGridLayout(&widget);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    grid->addWidget(new RollNameButton(editor), 0, 0, Qt::AlignBottom);
    grid->addWidget(ruler = new RollRuler(editor), 0, 1);
    grid->addWidget(new RollKeyboard(editor), 1, 0);
    grid->addWidget(notes = new RollNoteView(editor), 1, 1);
    widget.resize(size);
    widget.show();
  }
  RollEditor editor;
  QWidget widget;
  RollRuler* ruler = nullptr;
  RollNoteView* notes = nullptr;
};

void SavePicture(QWidget& widget, const char* name) {
  const QByteArray folder = qgetenv("VOLEMO_PICTURES");
  if (folder.isEmpty()) return;
  // The layout a changed text asks for comes with the next turn of the
  // event loop: the picture is of what the window shows then.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  QVERIFY(widget.grab().save(QString::fromLocal8Bit(folder) + "/" + name));
}

// The marks are these labels, each `length` ticks long from the start, and
// the ruler paints each from its start to its end, above the bars.
void CheckLabels(const Roll& roll, const std::vector<RollSpan>& spans, RollRuler::Band band,
                 const std::vector<const char*>& labels, int length) {
  QCOMPARE(spans.size(), labels.size());
  for (size_t i = 0; i < spans.size(); ++i) {
    QCOMPARE(QString::fromStdString(spans[i].label), QString::fromUtf8(labels[i]));
    const QRect r = roll.ruler->MarkRect(spans[i], band);
    QCOMPARE(r.left(), roll.editor.X(int64_t(i) * length));
    QCOMPARE(r.right() + 1, roll.editor.X(int64_t(i + 1) * length));
    QVERIFY(r.bottom() < roll.ruler->height() - 18);
  }
}

// The C major scale's weights, as the Major line of the scale file gives
// them in C.
constexpr ScaleWeights kCMajor{4, 0, 2, 0, 3, 2, 0, 3, 0, 2, 0, 1};

Arrangement ComposeInCMajor(uint32_t seed, const ArrangementSettings& parts, const GrooveSettings& groove) {
  EngineState state;
  state.random.Seed(seed);
  state.weights = kCMajor;
  MemorySettings settings(state);
  return ComposeArrangement(settings, state, parts, groove);
}

}  // namespace

class RollTest : public QObject, WorkbenchWindow {
  Q_OBJECT

  void OpenWindow() {
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTest::keyClick(&W(), Qt::Key_F6);
    QVERIFY(QTest::qWaitForWindowExposed(&Bench()));
  }
  void Compose() {
    W().settings().SetPatternText("NmNN dN^N rBNN Nm^N");
    Find<QAction>(W(), "mnuPhraseMake")->trigger();
    QTRY_VERIFY(Editor().Number(0) == 1);
  }

 private slots:
  void init() {
    CopyShippedScaleFile();
    QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")).clear();
    answerer_ = std::make_unique<Answerer>();
    OpenWindow();
  }

  void cleanup() {
    window_.reset();
    answerer_.reset();
  }

  // The default range, C4 to B5, at the workbench's default size: every
  // row in sight, each at least 14 px; a locked note keeps its place on
  // screen through re-rolls that reach other keys.
  void RowsAreReadableAndStayPutBetweenTakes() {
    Compose();
    QVERIFY(Editor().RowHeight() >= 14);
    QVERIFY(Editor().BottomKey() <= 48 && Editor().TopKey() >= 71);
    QVERIFY(Editor().ContentHeight() <= Editor().ViewSize().height());
    QTest::mouseClick(Notes(), Qt::LeftButton, {}, Editor().NoteRect(3).center());
    QVERIFY(Editor().Locked(3));
    const QRect locked = Editor().NoteRect(3);
    std::set<std::pair<int, int>> extremes;
    // Until two takes reach different lowest or highest keys, which the
    // default weights soon give.
    for (int round = 0; round < 50 && extremes.size() < 2; ++round) {
      QTest::keyClick(Notes(), Qt::Key_R);
      QCOMPARE(Editor().NoteRect(3), locked);
      extremes.insert({Editor().content().lowKey, Editor().content().highKey});
    }
    QCOMPARE(extremes.size(), size_t(2));
  }

  // After a mutate exactly the notes whose key changed are outlined.
  void TheNotesAnOperationChangedAreOutlined() {
    Compose();
    Find<QSpinBox>(Bench(), "spnMutateCount")->setValue(4);
    for (int note : {1, 6}) QTest::mouseClick(Notes(), Qt::LeftButton, {}, Editor().NoteRect(note).center());
    std::vector<int> before;
    for (const RollNote& n : Editor().content().notes) before.push_back(n.key);
    QTest::keyClick(Notes(), Qt::Key_M);
    int outlined = 0;
    for (size_t i = 0; i < before.size(); ++i) {
      QCOMPARE(Editor().Changed(int(i)), Editor().content().notes[i].key != before[i]);
      outlined += Editor().Changed(int(i));
    }
    QVERIFY(outlined <= 4);
    SavePicture(*Notes()->parentWidget(), "roll-changed.png");
  }

  // A note dragged two rows up shows where it goes: its new row marked
  // across the roll and its key on the keyboard, while the rest of the roll
  // stays. Escape gives the drag up and leaves the roll as it was; a
  // release makes the edit and takes the marks away.
  void ADraggedNoteShowsItsNewRowUntilReleased() {
    Compose();
    const auto& notes = Editor().content().notes;
    int note = -1;
    // One alone at its start, from the middle on (for the picture).
    for (size_t i = notes.size() / 2; i < notes.size() && note < 0; ++i) {
      const bool alone = (i == 0 || notes[i - 1].start != notes[i].start) &&
                         (i + 1 == notes.size() || notes[i + 1].start != notes[i].start);
      if (alone && !notes[i].silent && Editor().Number(int(i)) && Editor().NoteRect(int(i)).width() >= 12 &&
          notes[i].key + 3 <= Editor().TopKey())
        note = int(i);
    }
    QVERIFY(note >= 0);
    const int key = notes[size_t(note)].key;
    const int target = Editor().InScale(key + 2) ? key + 2 : key + 3;  // the scale's key the way it goes
    const QString mml = Mml();
    auto* keyboard = Find<RollKeyboard>(Bench(), "rollKeyboard");
    const QRect r = Editor().NoteRect(note);
    const QPoint to = r.center() - QPoint(0, int(std::lround(2 * Editor().RowHeight())));
    const int rowY = (Editor().Y(target) + Editor().RowBottom(target)) / 2;
    const auto keyColour = [&] { return keyboard->grab().toImage().pixelColor(10, rowY); };
    const QImage before = Notes()->grab().toImage();
    const QColor keyBefore = keyColour();

    QTest::mousePress(Notes(), Qt::LeftButton, {}, r.center());
    QTest::mouseMove(Notes(), r.center() - QPoint(0, 8));
    QTest::mouseMove(Notes(), to);
    QCOMPARE(keyColour(), QColor(255, 176, 40));
    const QImage dragging = Notes()->grab().toImage();
    // The row between its other notes, which stay as they were.
    int marked = 0, samples = 0;
    for (int x = 0; x < dragging.width(); x += 3) {
      const int under = Editor().NoteAt(QPoint(x, rowY));
      if (under >= 0 && under != note) continue;
      ++samples;
      marked += dragging.pixel(x, rowY) != before.pixel(x, rowY);
    }
    QVERIFY2(samples > 100 && marked == samples, qPrintable(QStringLiteral("%1 of %2").arg(marked).arg(samples)));
    // Far from the note and its row, nothing changed.
    const int farY = rowY > Notes()->height() / 2 ? 2 : Notes()->height() - 2;
    for (int x = 0; x < dragging.width(); x += 3) QCOMPARE(dragging.pixel(x, farY), before.pixel(x, farY));
    SavePicture(*Notes()->parentWidget(), "roll-drag.png");

    QTest::keyClick(Notes(), Qt::Key_Escape);
    QTest::mouseRelease(Notes(), Qt::LeftButton, {}, to);
    QCOMPARE(Mml(), mml);
    QCOMPARE(keyColour(), keyBefore);
    QCOMPARE(Notes()->grab().toImage(), before);

    QTest::mousePress(Notes(), Qt::LeftButton, {}, r.center());
    QTest::mouseMove(Notes(), r.center() - QPoint(0, 8));
    QTest::mouseMove(Notes(), to);
    QTest::mouseRelease(Notes(), Qt::LeftButton, {}, to);
    QTRY_VERIFY(Mml() != mml);
    QTRY_COMPARE(int(Editor().content().notes[size_t(note)].key), target);
    QVERIFY(keyColour() != QColor(255, 176, 40));
  }

  void ChangedNotesAreThoseBeforeDidNotHold_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QList<int>>("changed");
    QTest::newRow("same") << QByteArray("l8 c d e f") << QByteArray("l8 c d e f") << QList<int>{};
    QTest::newRow("one key") << QByteArray("l8 c d e f") << QByteArray("l8 c d g f") << QList<int>{2};
    QTest::newRow("longer") << QByteArray("l8 c d e f") << QByteArray("l8 c d e4 f") << QList<int>{2, 3};
    QTest::newRow("later") << QByteArray("l8 c d") << QByteArray("l8 r c d") << QList<int>{0, 1};
    QTest::newRow("another part") << QByteArray("Part(melody) c Part(bass) r")
                                  << QByteArray("Part(melody) r Part(bass) c") << QList<int>{0};
  }

  void ChangedNotesAreThoseBeforeDidNotHold() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QList<int>, changed);
    const std::vector<int> got = ChangedNotes(ReadRoll(before.toStdString()), ReadRoll(after.toStdString()));
    QCOMPARE(QList<int>(got.begin(), got.end()), changed);
  }

  // The numbering changes from the keyboard's corner, and is remembered.
  void NoteNamesCountC4As48Or60() {
    QCOMPARE(Editor().KeyName(60), QStringLiteral("C5"));
    QTest::mouseClick(Find<QToolButton>(Bench(), "btnNoteNames"), Qt::LeftButton);
    QCOMPARE(Editor().KeyName(60), QStringLiteral("C4"));
    QCOMPARE(Editor().KeyName(11), QStringLiteral("B-1"));
    QCOMPARE(Find<QToolButton>(Bench(), "btnNoteNames")->text(), QStringLiteral("C4=60"));
    window_.reset();
    OpenWindow();
    QCOMPARE(Editor().KeyName(61), QStringLiteral("C#4"));
  }

  // A 64th note among whole notes, and two 64ths in a row, on a roll of
  // seven bars: each at least 4 px wide, and a click at its middle hits it.
  void ShortNotesAreWideEnoughToHit_data() {
    QTest::addColumn<QByteArray>("mml");
    QTest::addColumn<int>("note");
    QTest::newRow("among whole notes") << QByteArray("l1 c c c l64 d l1 e e e") << 3;
    QTest::newRow("first of two") << QByteArray("l1 c c c l64 d e l1 f f f") << 3;
    QTest::newRow("second of two") << QByteArray("l1 c c c l64 d e l1 f f f") << 4;
  }

  void ShortNotesAreWideEnoughToHit() {
    QFETCH(QByteArray, mml);
    QFETCH(int, note);
    Roll roll(QSize(760, 300));
    roll.editor.SetContent(ReadRoll(mml.toStdString()));
    const QRect r = roll.editor.NoteRect(note);
    QVERIFY2(r.width() >= 4, qPrintable(QString::number(r.width())));
    QSignalSpy clicked(roll.notes, &RollNoteView::noteClicked);
    QTest::mouseClick(roll.notes, Qt::LeftButton, {}, r.center());
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(clicked[0][0].toInt(), note);
  }

  // Bars and beats as the text's time signature and the marks' beats count
  // them; ticks worked out by hand (480 a quarter).
  void TheGridFollowsTheMeter_data() {
    QTest::addColumn<QByteArray>("mml");
    QTest::addColumn<QString>("beats");  // the marks' beats; empty: none
    QTest::addColumn<QString>("lines");  // | a bar, . a beat
    QTest::newRow("no signature") << QByteArray("l1 c c") << "" << "|0 .480 .960 .1440 |1920 .2400";
    QTest::newRow("3/4") << QByteArray("Meter(3/4) l2. c c") << "" << "|0 .480 .960 |1440 .1920 .2400";
    QTest::newRow("6/8 in two") << QByteArray("Meter(6/8) l2. c c") << "" << "|0 .720 |1440 .2160";
    QTest::newRow("7/8 2+2+3") << QByteArray("Meter(7/8) l8 [14 c]") << "" << "|0 .480 .960 |1680 .2160";
    QTest::newRow("7/8 3+2+2") << QByteArray("Meter(7/8) l8 [14 c]") << "3+2+2" << "|0 .720 .1200 |1680 .2400";
    QTest::newRow("a change") << QByteArray("Meter(2/4) l2 c Meter(3/4) l2. c") << ""
                              << "|0 .480 |960 .1440 .1920 |2400";
  }

  void TheGridFollowsTheMeter() {
    QFETCH(QByteArray, mml);
    QFETCH(QString, beats);
    QFETCH(QString, lines);
    RollEditor editor;
    editor.SetContent(ReadRoll(mml.toStdString()));
    if (!beats.isEmpty()) {
      RollMarks marks;
      marks.meter = ParseMeter("7/8");
      marks.meter->beats = ParseBeats(beats.toStdString(), *marks.meter);
      editor.SetMarks(marks);
    }
    QString got;
    for (const RollEditor::GridLine& line : editor.Grid(0, 2400))
      got += (got.isEmpty() ? "" : " ") + QString(line.bar ? "|" : ".") + QString::number(line.tick);
    QCOMPARE(got, lines);
  }

  // Four parts over I vi IV V in C, the melody's steps sounding at 60 %:
  // the chord symbols stand at their bars, the other parts each in one
  // colour of its own, the melody's notes paler than at 100 %.
  void PartsAndChordSymbolsStandAtTheirBars() {
    ArrangementSettings parts;
    parts.bass = parts.chords = parts.drums = true;
    parts.progression = "I vi IV V";
    GrooveSettings groove;
    groove.stepProbability = 60;
    const Arrangement arrangement = ComposeInCMajor(11, parts, groove);

    Roll roll(QSize(900, 800));
    roll.editor.SetScale(ScaleMask(kCMajor), 0);
    roll.editor.SetKeyRange(48, 71);
    roll.editor.SetContent(ReadRoll(arrangement.Mml(), arrangement.parts.front().Notes().size()));
    const int64_t end = roll.editor.content().endTick;
    QCOMPARE(end, 4 * 1920);
    roll.editor.SetMarks(MarksOf(arrangement.chords, groove, {}, end));
    QTRY_COMPARE(roll.notes->y(), 18 + 15);  // the ruler grew by a strip
    CheckLabels(roll, roll.editor.Marks().chords, RollRuler::kChords, {"C", "Am", "F", "G"}, 1920);

    roll.notes->PaintBackground();
    const QImage picture = roll.notes->grab().toImage();
    std::map<std::string, std::set<QRgb>> colours;
    const int count = int(roll.editor.content().notes.size());
    for (int i = 0; i < count; ++i) {
      const QRect r = roll.editor.NoteRect(i);
      bool alone = !roll.editor.content().notes[size_t(i)].silent && QRect(QPoint(), picture.size()).contains(r);
      for (int j = 0; j < count && alone; ++j) alone = j == i || !roll.editor.NoteRect(j).intersects(r);
      if (alone) colours[roll.editor.PartOf(i)].insert(picture.pixel(r.center()));
    }
    // The melody's faded notes take some of each row's shade.
    QCOMPARE(colours.size(), size_t(4));
    for (QRgb melody : colours["melody"]) QVERIFY(qGray(melody) > qGray(QColor(70, 120, 190).rgb()));
    std::set<QRgb> others;
    for (const char* part : {"bass", "chords", "drums"}) {
      QVERIFY2(colours[part].size() == 1, part);
      others.insert(*colours[part].begin());
    }
    QCOMPARE(others.size(), size_t(3));
    SavePicture(roll.widget, "roll-parts.png");
  }

  // AA'B in sections of two bars of 3/4: each section's label at its start
  // (2880 ticks apart), above the bars.
  void SectionsStandAtTheirBars() {
    GrooveSettings groove;
    groove.form = "AA'B";
    groove.variation = 2;
    groove.meter = ParseMeter("3/4");
    const Arrangement melody = ComposeInCMajor(5, {}, groove);

    Roll roll(QSize(760, 300));
    roll.editor.SetContent(ReadRoll(melody.Mml(), melody.parts.front().Notes().size()));
    QCOMPARE(roll.editor.content().endTick, uint32_t(3 * 2880));
    roll.editor.SetMarks(MarksOf(melody.chords, groove, {}, roll.editor.content().endTick));
    QTRY_COMPARE(roll.notes->y(), 18 + 15);  // the ruler grew by a strip
    CheckLabels(roll, roll.editor.Marks().sections, RollRuler::kSections, {"A", "A'", "B"}, 2880);
  }
};

QTEST_MAIN(RollTest)
#include "roll_test.moc"

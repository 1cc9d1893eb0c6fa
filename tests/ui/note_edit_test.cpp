// Hand editing on the workbench's roll with real mouse drags at the notes'
// rectangles and the velocity bars: each edit checked in the MML box and
// in what the real compiler plays of it (the roll's content), then undone
// and redone with the keys.
#include <QPushButton>
#include <QtTest>
#include <algorithm>

#include "roll_content.h"
#include "velocity_lane.h"
#include "workbench_window.h"

using namespace volemo;
using namespace volemo::test;

namespace {

// Single notes on steps 0-3, 5-8, 10-14 of sixteenths (120 ticks), at the
// normal gate of 100: every note fills its step.
const char kPattern[] = "NNNN rNNN NrNN NNNr";
constexpr uint32_t kStep = 120;

bool InCMajor(int key) { return (0b101010110101 >> (key % 12)) & 1; }

struct Heard {
  uint32_t start, length;
  int key, velocity;
  bool operator==(const Heard&) const = default;
};

}  // namespace

class NoteEditTest : public QObject, WorkbenchWindow {
  Q_OBJECT

  VelocityLane* Lane() { return Find<VelocityLane>(Bench(), "rollVelocity"); }
  // What the compiler plays of the box, one pass, as the roll reads it.
  std::vector<Heard> Played() {
    std::vector<Heard> heard;
    for (const RollNote& n : Editor().content().notes) heard.push_back({n.start, n.length, n.key, n.velocity});
    return heard;
  }
  int NoteStartingAt(uint32_t tick) {
    const auto& notes = Editor().content().notes;
    for (size_t i = 0; i < notes.size(); ++i)
      if (notes[i].start == tick) return int(i);
    return -1;
  }
  void Drag(QWidget* on, QPoint from, QPoint to, Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(on, Qt::LeftButton, modifiers, from);
    QTest::mouseMove(on, from + (to - from) / 2);
    QTest::mouseMove(on, to);
    QTest::mouseRelease(on, Qt::LeftButton, modifiers, to);
  }
  // The edit's MML and notes; then Ctrl+Z gives back the text and notes
  // before it, and Ctrl+Shift+Z the edit's again.
  void ExpectUndoAndRedo(const QString& before, const std::vector<Heard>& heardBefore) {
    const QString after = Mml();
    const std::vector<Heard> heardAfter = Played();
    QVERIFY(after != before);
    QTest::keyClick(Notes(), Qt::Key_Z, Qt::ControlModifier);
    QTRY_COMPARE(Mml(), before);
    QTRY_VERIFY(Played() == heardBefore);
    QTest::keyClick(Notes(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_COMPARE(Mml(), after);
    QTRY_VERIFY(Played() == heardAfter);
  }

 private slots:
  void init() {
    OpenWorkbench();
    if (QTest::currentTestFailed()) return;
    Bench().resize(900, 480);
    W().settings().SetPatternText(kPattern);
    Find<QAction>(W(), "mnuPhraseMake")->trigger();
    QTRY_VERIFY(Editor().Number(0) == 1);
    QCOMPARE(int(Editor().content().notes.size()), 26);
  }

  void cleanup() { CloseWindow(); }

  // Each edit by the mouse: what the compiler then plays, against the notes
  // before it, derived by hand from the pattern's steps.
  void EachMouseEditChangesTheTextAndTheNotesAndUndoes_data() {
    QTest::addColumn<QString>("edit");
    for (const char* edit : {"pitch", "chromatic", "length", "start", "past the end", "add", "delete", "velocity"})
      QTest::newRow(edit) << QString::fromLatin1(edit);
  }
  void EachMouseEditChangesTheTextAndTheNotesAndUndoes() {
    QFETCH(QString, edit);
    const QString before = Mml();
    const std::vector<Heard> heard = Played();
    std::vector<Heard> expected = heard;
    const double row = Editor().RowHeight();
    const int third = NoteStartingAt(3 * kStep);  // a rest follows it
    QVERIFY(third >= 0);
    const QRect r = Editor().NoteRect(third);
    const int stepWidth = int(kStep * Editor().PixelsPerTick());
    const int key = heard[size_t(third)].key;
    if (edit == "pitch") {
      // Two rows up; off the scale, on to the next row (the one of the
      // two nearest that lies the way it was dragged).
      const int wanted = InCMajor(key + 2) ? key + 2 : key + 3;
      Drag(Notes(), r.center(), r.center() - QPoint(0, int(2 * row)));
      expected[size_t(third)].key = wanted;
      QCOMPARE(StatusText(W()), QStringLiteral("音の高さを変えました。1 音を変えました: 4"));
    } else if (edit == "chromatic") {
      Drag(Notes(), r.center(), r.center() - QPoint(0, int(std::lround(row))), Qt::ShiftModifier);
      expected[size_t(third)].key = key + 1;
    } else if (edit == "length") {
      // Up to the next note, over the rest: twice as long.
      Drag(Notes(), QPoint(r.right() - 1, r.center().y()), QPoint(r.right() - 1 + stepWidth, r.center().y()));
      expected[size_t(third)].length = 2 * kStep;
    } else if (edit == "start") {
      Drag(Notes(), r.center(), r.center() + QPoint(stepWidth, 0));
      expected[size_t(third)].start = 4 * kStep;
    } else if (edit == "past the end") {
      // The last note (step 30) dragged five steps on stops on the last step.
      const QRect last = Editor().NoteRect(int(heard.size()) - 1);
      Drag(Notes(), last.center(), last.center() + QPoint(5 * stepWidth, 0));
      expected.back().start = 31 * kStep;
    } else if (edit == "add") {
      // In the rest of step 9, on the row of an in-scale key.
      int added = Editor().KeyAt(Notes()->height() / 2);
      while (!InCMajor(added)) ++added;
      const QPoint at(Editor().X(9 * kStep) + stepWidth / 2, (Editor().Y(added) + Editor().RowBottom(added)) / 2);
      QTest::mouseDClick(Notes(), Qt::LeftButton, {}, at);
      const auto place = std::find_if(expected.begin(), expected.end(), [](const Heard& h) { return h.start > 9 * kStep; });
      expected.insert(place, Heard{9 * kStep, kStep, added, heard.front().velocity});
    } else if (edit == "delete") {
      QTest::mouseClick(Notes(), Qt::LeftButton, {}, r.center());
      QTest::keyClick(Notes(), Qt::Key_Delete);
      expected.erase(expected.begin() + third);
    } else if (edit == "velocity") {
      const QRect bar = Lane()->BarRect(third, 127);
      const int y = Lane()->height() - int(std::lround(64 / 127.0 * (Lane()->height() - 2)));
      Drag(Lane(), QPoint(bar.center().x(), bar.bottom() - 2), QPoint(bar.center().x(), y));
      QVERIFY(std::abs(Lane()->VelocityAt(y) - 64) <= 2);
      expected[size_t(third)].velocity = Lane()->VelocityAt(y);
    }
    QTRY_VERIFY(Mml() != before);
    // Chords of the roll come by key, so the edited order is the roll's.
    std::vector<Heard> played = Played();
    QCOMPARE(played.size(), expected.size());
    for (size_t i = 0; i < played.size(); ++i) {
      QCOMPARE(played[i].start, expected[i].start);
      QCOMPARE(played[i].length, expected[i].length);
      QCOMPARE(played[i].key, expected[i].key);
      QCOMPARE(played[i].velocity, expected[i].velocity);
    }
    // The box holds the phrase's own text: its operations still work.
    QVERIFY(Find<QPushButton>(Bench(), "btnReroll")->isEnabled());
    ExpectUndoAndRedo(before, heard);
  }

  // After a hand edit the phrase still locks and re-rolls by key and by
  // rhythm: the locked, moved note stays where it was put.
  void AnEditedPhraseStillLocksAndRerolls() {
    const int third = NoteStartingAt(3 * kStep);
    const QRect r = Editor().NoteRect(third);
    Drag(Notes(), r.center(), r.center() + QPoint(int(kStep * Editor().PixelsPerTick()), 0));
    int moved = -1;
    QTRY_VERIFY((moved = NoteStartingAt(4 * kStep)) >= 0);
    const int key = Editor().content().notes[size_t(moved)].key;
    QTest::mouseClick(Notes(), Qt::LeftButton, {}, Editor().NoteRect(moved).center());
    QVERIFY(Editor().Locked(moved));
    for (auto [operation, status] : {std::pair(Qt::Key_R, "ロックしていない音を選び直しました。"),
                                     std::pair(Qt::Key_H, "ロックした音の拍を残してリズムを選び直しました。"),
                                     std::pair(Qt::Key_M, "ロックしていない音から 2 個を選び直しました。")}) {
      QTest::keyClick(Notes(), operation);
      QVERIFY2(StatusText(W()).startsWith(QString::fromUtf8(status)), qPrintable(StatusText(W())));
      moved = NoteStartingAt(4 * kStep);
      QVERIFY(moved >= 0);
      QCOMPARE(int(Editor().content().notes[size_t(moved)].key), key);
      QVERIFY(Editor().Locked(moved));
    }
  }
};

QTEST_MAIN(NoteEditTest)
#include "note_edit_test.moc"

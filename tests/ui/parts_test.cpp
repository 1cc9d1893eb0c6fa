// The workbench's parts and groove panel over the real window, compiler and
// player (sound goes to a file sink): a part turned off leaves the compiled
// file, a muted one leaves what plays, a part's mutate touches that part
// alone; a form's sections are worked on from their tabs above the ruler.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSettings>
#include <QtTest>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <tuple>

#include "frmMainU.h"
#include "frmWorkbench.h"
#include "play_sequence.h"
#include "roll_views.h"
#include "take_keeper.h"
#include "ui_test_support.h"
#include "use_vorlin_dll.h"

using namespace volemo;
using namespace volemo::test;

namespace {

// Whether the file holds a track of that name.
bool HasTrack(const std::string& smf, const std::string& name) {
  return smf.find(std::string("\xFF\x03", 2) + char(name.size()) + name) != std::string::npos;
}

}  // namespace

class PartsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Answerer> answerer_;
  std::unique_ptr<TfrmMain> window_;
  TfrmMain& W() { return *window_; }
  QCheckBox* Box(const char* name) { return Find<QCheckBox>(*Find<TfrmWorkbench>(W(), "frmWorkbench"), name); }
  std::string Make() {
    W().settings().SetPatternText("NmNN dN^N rBNN Nm^N");
    Find<QAction>(W(), "mnuPhraseMake")->trigger();
    std::string smf;
    if (!CompileMmlToBytes(W().settings().MmlText(), smf)) qFatal("the phrase does not compile");
    return smf;
  }

 private slots:
  void init() {
    CopyShippedScaleFile();
    QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")).clear();
    answerer_ = std::make_unique<Answerer>();
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    QTest::keyClick(&W(), Qt::Key_F6);
  }

  void APartTurnedOffLeavesTheCompiledFile() {
    QVERIFY(!HasTrack(Make(), "bass"));
    Box("chkPartBass")->setChecked(true);
    Box("chkPartDrums")->setChecked(true);
    std::string smf = Make();
    QVERIFY(HasTrack(smf, "bass") && HasTrack(smf, "drums") && HasTrack(smf, "melody"));
    Box("chkPartBass")->setChecked(false);
    smf = Make();
    QVERIFY(!HasTrack(smf, "bass") && HasTrack(smf, "drums"));
  }

  // The bass's own 3-in-8 rhythm rotated by one: its first note waits an
  // eighth, off the bar line.
  void ThePartsOwnEuclideanRhythmShapesItsPart() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    Box("chkPartBass")->setChecked(true);
    Find<QSpinBox>(workbench, "spnEuclidStepsBass")->setValue(8);
    Find<QSpinBox>(workbench, "spnEuclidOnsetsBass")->setValue(3);
    Find<QSpinBox>(workbench, "spnEuclidRotationBass")->setValue(1);
    const auto bassWaitsAnEighth = [this] {
      Make();
      const std::string mml = W().settings().MmlText();
      const size_t body = mml.find("[4 ", mml.find("Part(bass)"));
      return body != std::string::npos && mml.compare(body, 12, "[4 \r\nr%240 o") == 0;
    };
    QVERIFY(!bassWaitsAnEighth());
    Box("chkEuclidBass")->setChecked(true);
    QVERIFY(bassWaitsAnEighth());
  }

  // A part's own step probability fades that part's notes on the roll,
  // and only that part's.
  void APartsStepProbabilityFadesItsNotes() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    Box("chkPartBass")->setChecked(true);
    Find<QSpinBox>(workbench, "spnStepProbabilityBass")->setValue(50);
    Make();
    RollEditor& roll = workbench.editor();
    // The roll takes the phrase and its marks once the command has ended.
    const auto percents = [&] {
      std::map<std::string, std::set<int>> of;
      for (int i = 0; i < int(roll.content().notes.size()); ++i) of[roll.PartOf(i)].insert(roll.StepProbability(i));
      return of;
    };
    QTRY_COMPARE(percents()["bass"], std::set<int>{50});
    QCOMPARE(percents()["melody"], std::set<int>{100});
  }

  // The part settings as a preset keeps them.
  std::map<std::string, std::string> Kept() {
    std::map<std::string, std::string> kept;
    for (const auto& [name, value] : W().takes().CaptureSettings("").parts) kept[name] = value;
    return kept;
  }

  // A number typed digit by digit is taken whole: "45" passes 4, below the
  // octave a part's keys span, and "12" passes 1, fewer steps than onsets.
  void NumbersTypedIntoThePanelsAreTakenWhole() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    QApplication::setActiveWindow(&workbench);
    QVERIFY(QTest::qWaitForWindowActive(&workbench));
    Box("chkPartBass")->setChecked(true);
    Box("chkEuclidBass")->setChecked(true);
    for (const auto& [name, typed] : {std::pair{"spnHighBass", "45"}, {"spnEuclidOnsetsBass", "5"},
                                      {"spnEuclidStepsBass", "12"}}) {
      auto* spin = Find<QSpinBox>(workbench, name);
      spin->setFocus();
      QTRY_VERIFY(spin->hasFocus());
      spin->selectAll();
      QTest::keyClicks(spin, QString::fromLatin1(typed));
      QTest::keyClick(spin, Qt::Key_Tab);
    }
    QCOMPARE(Kept()["bass-range"], std::string("28-45"));
    QCOMPARE(Kept()["bass-euclid"], std::string("5,12,0"));
  }

  // A text refused says why beside its box, where the eye is, and keeps
  // nothing else from being taken.
  void ARefusedTextSaysWhyBesideItsBox() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    QScrollArea* area = nullptr;
    for (QWidget* w = Find<QWidget>(workbench, "pnlParts"); w && !area; w = w->parentWidget())
      area = qobject_cast<QScrollArea*>(w);
    QVERIFY(area);
    Find<QComboBox>(workbench, "cmbMeter")->setCurrentText(QStringLiteral("7/8"));
    for (const auto& [name, text, why] : {std::tuple{"txtProgression", "I XIV V", "XIV"}, {"txtBeats", "3+3", "3+3"},
                                          {"txtForm", "AB!", "AB!"}}) {
      auto* box = Find<QLineEdit>(workbench, name);
      area->ensureWidgetVisible(box);
      box->setText(QString::fromLatin1(text));
      emit box->editingFinished();
      // The messages in sight, once the panel has made room for them.
      const auto said = [&] {
        QStringList said;
        for (QLabel* label : workbench.findChildren<QLabel*>())
          if (label->objectName().endsWith(QStringLiteral("Message")) && !label->text().isEmpty() &&
              !label->visibleRegion().isEmpty())
            said << label->text();
        return said;
      };
      QTRY_VERIFY2(!said().filter(QString::fromLatin1(why)).isEmpty(), name);
      QCOMPARE(box->text(), QString::fromLatin1(text));
    }
    Find<QSpinBox>(workbench, "spnSwing")->setValue(62);
    QCOMPARE(Kept()["swing"], std::string("62"));
  }

  // The panels' boxes still say their editing finished as the window
  // closes: the parts they work on are still there.
  void TheWindowClosesWithTheCursorInAPanelsBox() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    QApplication::setActiveWindow(&workbench);
    auto* progression = Find<QLineEdit>(workbench, "txtProgression");
    progression->setFocus();
    QTRY_VERIFY(progression->hasFocus());
    QTest::keyClicks(progression, QStringLiteral("ii V I"));
    window_.reset();
  }

  // Weights set in the drums' dialog make the drums: the snare at 0 on
  // every step is never heard, at 100 on a step always; a cancel leaves
  // the weights as they were. The button is bold while they are not the
  // defaults.
  void TheDrumWeightsDialogShapesTheDrums() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    Box("chkPartDrums")->setChecked(true);
    const auto snares = [&] {
      const RollEditor& roll = workbench.editor();
      int count = 0;
      for (int i = 0; i < int(roll.content().notes.size()); ++i)
        count += roll.PartOf(i) == "drums" && roll.content().notes[size_t(i)].key == 38 ? 1 : 0;
      return count;
    };
    const auto snare = [](QDialog& d, int step) {
      return Find<QSpinBox>(d, ("spnDrumWeightSnare" + std::to_string(step)).c_str());
    };
    const auto weigh = [&](std::function<void(QDialog&)> action) {
      answerer_->whileModal.push_back(std::move(action));
      Find<QPushButton>(workbench, "btnDrumWeights")->click();
    };
    weigh([&](QDialog& d) {
      for (int step = 1; step <= 16; ++step) snare(d, step)->setValue(0);
      Find<QPushButton>(d, "btnDrumWeightsOk")->click();
    });
    Make();
    QTRY_COMPARE(snares(), 0);
    const auto bold = [&] { return Find<QPushButton>(workbench, "btnDrumWeights")->font().bold(); };
    QVERIFY(bold());
    weigh([&](QDialog& d) {
      Find<QPushButton>(d, "btnDrumWeightsDefault")->click();
      QCOMPARE(snare(d, 13)->value(), 95);
      snare(d, 5)->setValue(100);
      Find<QPushButton>(d, "btnDrumWeightsOk")->click();
    });
    Make();
    QTRY_VERIFY(snares() > 0);
    weigh([&](QDialog& d) { snare(d, 5)->setValue(0); });  // closed without OK
    weigh([&](QDialog& d) {
      QCOMPARE(snare(d, 5)->value(), 100);
      Find<QPushButton>(d, "btnDrumWeightsDefault")->click();
      Find<QPushButton>(d, "btnDrumWeightsOk")->click();
    });
    QVERIFY(!bold());
  }

  void AMutedPartLeavesWhatPlaysAndSoloLeavesTheOthers() {
    Box("chkPartBass")->setChecked(true);
    Box("chkPartDrums")->setChecked(true);
    Make();
    const auto play = [&] {
      Find<QAction>(W(), "mnuPhrasePlay")->trigger();
      return W().player().IsPlaying() ? ReadBytes(std::filesystem::path(TempMidPath())) : std::string();
    };
    Box("chkMuteBass")->setChecked(true);
    std::string heard = play();
    QVERIFY(!HasTrack(heard, "bass") && HasTrack(heard, "drums") && HasTrack(heard, "melody"));
    Box("chkSoloDrums")->setChecked(true);
    heard = play();
    QVERIFY(!HasTrack(heard, "bass") && HasTrack(heard, "drums") && !HasTrack(heard, "melody"));
    Box("chkSoloDrums")->setChecked(false);
    Box("chkMuteBass")->setChecked(false);
    heard = play();
    QVERIFY(HasTrack(heard, "bass") && HasTrack(heard, "drums") && HasTrack(heard, "melody"));
    // Muted while it plays, the bass is left out at once and the play goes on.
    QVERIFY(W().player().IsPlaying());
    Box("chkMuteBass")->setChecked(true);
    QVERIFY(W().player().IsPlaying());
    heard = ReadBytes(std::filesystem::path(TempMidPath()));
    QVERIFY(!HasTrack(heard, "bass") && HasTrack(heard, "drums"));
    // Something else opened since (a MIDI file, a note heard alone) plays
    // on: a solo does not put the phrase back in its place.
    const int opensBefore = W().player().Opens();
    W().player().Open(ParseMidiFile(std::string(heard)));
    W().player().Play();
    Box("chkSoloDrums")->setChecked(true);
    QCOMPARE(W().player().Opens(), opensBefore + 1);
  }

  // A part's mutate redraws at most the mutate's count of that part's
  // unlocked notes, over phrases of several seeds, and no other note; every
  // lock stays.
  void APartsMutateRedrawsOnlyThatPartsUnlockedNotes() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    RollEditor& roll = workbench.editor();
    for (const char* part : {"chkPartBass", "chkPartChords", "chkPartDrums"}) Box(part)->setChecked(true);
    const int k = 3;
    Find<QSpinBox>(workbench, "spnMutateCount")->setValue(k);
    // Each part's notes on the roll: start, key, locked.
    const auto parts = [&] {
      std::map<std::string, std::vector<std::tuple<uint32_t, int, bool>>> of;
      for (int i = 0; i < int(roll.content().notes.size()); ++i)
        of[roll.PartOf(i)].emplace_back(roll.content().notes[size_t(i)].start, roll.content().notes[size_t(i)].key,
                                        roll.Locked(i));
      return of;
    };
    const auto unlocked = [&] {
      for (int i = 0; i < int(roll.content().notes.size()); ++i)
        if (roll.Locked(i)) return false;
      return true;
    };
    int redrawn = 0;
    for (int seed = 0; seed < 6; ++seed) {
      Make();
      // The roll takes the new phrase, none of its notes locked, once the
      // command has ended.
      QTRY_VERIFY(parts().size() == 4 && unlocked());
      // The first bass note and the melody's first locked.
      for (const char* part : {"bass", "melody"})
        for (int i = 0; i < int(roll.content().notes.size()); ++i)
          if (roll.PartOf(i) == part) {
            roll.Select(i);
            QTest::keyClick(&workbench, Qt::Key_Space);
            break;
          }
      const auto before = parts();
      QVERIFY(std::get<2>(before.at("bass").front()) && std::get<2>(before.at("melody").front()));
      QTest::mouseClick(Find<QPushButton>(workbench, "btnMutateBass"), Qt::LeftButton);
      const auto after = parts();
      QVERIFY(StatusText(W()).startsWith(QStringLiteral("ベースのロックしていない音から ")));
      for (const char* other : {"melody", "chords", "drums"}) QCOMPARE(after.at(other), before.at(other));
      const auto &bassBefore = before.at("bass"), &bassAfter = after.at("bass");
      QCOMPARE(bassAfter.size(), bassBefore.size());
      QCOMPARE(bassAfter.front(), bassBefore.front());
      int changed = 0;
      for (size_t i = 0; i < bassBefore.size(); ++i) {
        QCOMPARE(std::get<0>(bassAfter[i]), std::get<0>(bassBefore[i]));
        QCOMPARE(std::get<2>(bassAfter[i]), std::get<2>(bassBefore[i]));
        changed += std::get<1>(bassAfter[i]) != std::get<1>(bassBefore[i]);
      }
      QVERIFY(changed <= k);
      // A mutate whose keys came out as they were keeps no new take.
      if (changed > 0) QCOMPARE(W().takes().store()->List().front().operation, std::string("mutate"));
      redrawn += changed;
    }
    QVERIFY(redrawn > 0);

    // With every note locked the part says so and keeps its notes.
    QTest::mouseClick(Find<QPushButton>(workbench, "btnLockAll"), Qt::LeftButton);
    const std::string mml = W().settings().MmlText();
    QTest::mouseClick(Find<QPushButton>(workbench, "btnMutateBass"), Qt::LeftButton);
    QCOMPARE(StatusText(W()), QStringLiteral("ベースにロックしていない音がありません。"));
    QCOMPARE(W().settings().MmlText(), mml);
  }

  // The bass's C2 under the bar's first kick (both key 36) is another
  // part's note: locking one leaves the other free.
  void ALockTakesOnlyThatPartsNoteOfItsStartAndKey() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    RollEditor& roll = workbench.editor();
    Box("chkPartBass")->setChecked(true);
    Box("chkPartDrums")->setChecked(true);
    Find<QSpinBox>(workbench, "spnLowBass")->setValue(30);
    Find<QSpinBox>(workbench, "spnHighBass")->setValue(41);
    Find<QLineEdit>(workbench, "txtProgression")->setText(QStringLiteral("I"));
    Make();
    const auto firstAt36 = [&](const char* part) {
      for (int i = 0; i < int(roll.content().notes.size()); ++i)
        if (roll.PartOf(i) == part && roll.content().notes[size_t(i)].start == 0 &&
            roll.content().notes[size_t(i)].key == 36)
          return i;
      return -1;
    };
    QTRY_VERIFY(firstAt36("bass") >= 0 && firstAt36("drums") >= 0);
    roll.Select(firstAt36("bass"));
    QTest::keyClick(&workbench, Qt::Key_Space);
    QVERIFY(roll.Locked(firstAt36("bass")));
    QVERIFY(!roll.Locked(firstAt36("drums")));
  }

  // The roll shows the chords of the phrase composed over them, and none
  // once the text is no longer that phrase.
  void TheRollShowsTheChordsOfTheComposedPhrase() {
    auto* progression = Find<QLineEdit>(*Find<TfrmWorkbench>(W(), "frmWorkbench"), "txtProgression");
    progression->setText(QStringLiteral("I vi IV V"));
    emit progression->editingFinished();
    Make();
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    QTRY_VERIFY(!workbench.editor().Marks().chords.empty());
    std::vector<std::string> symbols;
    for (const auto& chord : workbench.editor().Marks().chords) symbols.push_back(chord.label);
    QCOMPARE(std::vector<std::string>(symbols.begin(), symbols.begin() + 4),
             (std::vector<std::string>{"C", "Am", "F", "G"}));
    W().settings().SetMmlText("t120 o4 l4 cdef");
    QTRY_VERIFY(workbench.editor().Marks().chords.empty());
  }

  // A take put back shows the chords it was composed over, not the last
  // phrase's.
  void ATakePutBackShowsItsOwnChords() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    auto* progression = Find<QLineEdit>(workbench, "txtProgression");
    const auto firstSymbol = [&] {
      const auto& chords = workbench.editor().Marks().chords;
      return chords.empty() ? std::string() : chords.front().label;
    };
    progression->setText(QStringLiteral("vi IV"));
    emit progression->editingFinished();
    Make();
    QTRY_COMPARE(firstSymbol(), std::string("Am"));
    progression->setText(QStringLiteral("V I"));
    emit progression->editingFinished();
    Make();
    QTRY_COMPARE(firstSymbol(), std::string("G"));
    W().takes().Back();
    QTRY_COMPARE(firstSymbol(), std::string("Am"));
  }

  // A click on a section's tab opens its menu; the test picks an item as a
  // person would and the menu closes.
  void ChooseFromSectionMenu(int section, const char* item) {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    auto* ruler = Find<RollRuler>(workbench, "rollRuler");
    const QRect tab = ruler->MarkRect(workbench.editor().Marks().sections[size_t(section)], RollRuler::kSections);
    bool chosen = false;
    QTimer::singleShot(0, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->findChildren<QAction*>(QString::fromLatin1(item))) {
        action->trigger();
        chosen = true;
        break;
      }
      menu->close();
    });
    QTest::mouseClick(ruler, Qt::RightButton, {}, tab.center());
    QVERIFY2(chosen, item);
  }
  // The roll's notes of each section of a bar: start in the section, key, locked.
  std::vector<std::vector<std::tuple<uint32_t, int, bool>>> Sections() {
    const RollEditor& editor = Find<TfrmWorkbench>(W(), "frmWorkbench")->editor();
    std::vector<std::vector<std::tuple<uint32_t, int, bool>>> sections(4);
    for (size_t i = 0; i < editor.content().notes.size(); ++i) {
      const auto& n = editor.content().notes[i];
      sections.at(n.start / 1920).emplace_back(n.start % 1920, n.key, editor.Locked(int(i)));
    }
    return sections;
  }

  void ASectionIsRerolledLockedAndCopiedFromItsTab() {
    auto& workbench = *Find<TfrmWorkbench>(W(), "frmWorkbench");
    auto* form = Find<QLineEdit>(workbench, "txtForm");
    form->setText(QStringLiteral("ABAB"));
    emit form->editingFinished();
    Find<QSpinBox>(workbench, "spnSectionBars")->setValue(1);
    Make();
    QTRY_COMPARE(workbench.editor().Marks().sections.size(), size_t(4));
    const auto before = Sections();

    ChooseFromSectionMenu(3, "actSectionReroll");
    auto after = Sections();
    QCOMPARE(after[0], before[0]);
    QCOMPARE(after[2], before[2]);
    QCOMPARE(after[1], after[3]);
    QVERIFY(after[1] != before[1]);
    QCOMPARE(W().takes().store()->List().front().operation, std::string("section-reroll"));

    ChooseFromSectionMenu(2, "actSectionLock");
    after = Sections();
    for (size_t s = 0; s < 4; ++s)
      for (const auto& note : after[s]) QCOMPARE(std::get<2>(note), s == 2);

    ChooseFromSectionMenu(0, "actSectionCopy");
    after = Sections();
    QCOMPARE(after[1], after[0]);
    QCOMPARE(after[3], after[0]);
    QCOMPARE(W().takes().store()->List().front().operation, std::string("section-copy"));
    QVERIFY(W().settings().MmlText().find("\r\n// B\r\n") != std::string::npos);

    // The sections are the phrase's until the next one is composed.
    form->setText(QStringLiteral("AB"));
    emit form->editingFinished();
    ChooseFromSectionMenu(3, "actSectionReroll");
    QCOMPARE(workbench.editor().Marks().sections.size(), size_t(4));
    QCOMPARE(Sections()[2], after[2]);
    QVERIFY(Sections()[3] != after[3]);

    // S re-rolls the section of the selected note.
    after = Sections();
    for (size_t i = 0; i < workbench.editor().content().notes.size(); ++i)
      if (workbench.editor().content().notes[i].start / 1920 == 1) {
        workbench.editor().Select(int(i));
        break;
      }
    QTest::keyClick(&workbench, Qt::Key_S);
    QVERIFY(Sections()[1] != after[1]);
    QCOMPARE(Sections()[0], after[0]);
  }

  void cleanup() {
    SetSilentParts({});
    window_.reset();
    answerer_.reset();
  }
};

QTEST_MAIN(PartsTest)
#include "parts_test.moc"

// The workbench's parts panel over the real window, compiler and player
// (sound goes to a file sink): a part turned off leaves the compiled file,
// a muted one leaves what plays.
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QtTest>
#include <memory>

#include "frmMainU.h"
#include "frmWorkbench.h"
#include "play_sequence.h"
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

  void cleanup() {
    SetSilentParts({});
    window_.reset();
    answerer_.reset();
  }
};

QTEST_MAIN(PartsTest)
#include "parts_test.moc"

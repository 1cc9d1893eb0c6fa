// Every command of the main window with the real engine, compiler and
// player (sound goes to a file sink): its effect and its status line.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

#include <sys/resource.h>

#include "StrUnit.h"
#include "cp932.h"
#include "frmMainU.h"
#include "play_sequence.h"
#include "ui_test_support.h"
#include "use_vorlin_dll.h"

using namespace volemo;
using namespace volemo::test;
namespace fs = std::filesystem;

namespace {

// A mistake on each of two lines, so the compiler's message has two lines
// joined by CR LF.
const char kBadMml[] = "t120 [4 o4c\r\nz d\r\nz e]";

// Lowers the limit on the size of files this process writes, and puts it
// back; a write past it fails with EFBIG instead of ending the process.
class FileSizeLimit {
 public:
  FileSizeLimit() {
    getrlimit(RLIMIT_FSIZE, &old_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
  }
  ~FileSizeLimit() { Restore(); }
  void Lower(rlim_t bytes) {
    rlimit lowered = old_;
    lowered.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  void Restore() {
    setrlimit(RLIMIT_FSIZE, &old_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit old_{};
  void (*oldHandler_)(int) = SIG_DFL;
};

}  // namespace

class CommandsTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Answerer> answerer_;
  std::unique_ptr<TfrmMain> window_;
  std::unique_ptr<QTemporaryDir> dir_;
  fs::path scratch_;

  TfrmMain& W() { return *window_; }
  QString Mml() { return Find<QPlainTextEdit>(W(), "memMML")->toPlainText(); }
  void Click(const char* name) { QTest::mouseClick(Find<QToolButton>(W(), name), Qt::LeftButton); }
  void Trigger(const char* name) { Find<QAction>(W(), name)->trigger(); }
  QString InDir(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }
  void Answer(const QString& path, int filter = 0) {
    answerer_->saveAnswers.push_back(SaveAnswer{path, filter});
  }
  // Play replays the box as it stands, as the user may have edited it.
  void KeepTheBoxOnPlay() { Find<QCheckBox>(W(), "chkMakePattern")->setChecked(false); }
  // The box's text compiled, as Save MIDI must write it.
  std::string CompiledBox() {
    const std::string probe = InDir("probe.mid").toStdString();
    if (!CompileMmlToMidi(W().settings().MmlText(), probe)) qFatal("the box does not compile");
    std::string bytes = ReadBytes(probe);
    fs::remove(probe);
    return bytes;
  }
  const Answerer::ShownBox& OnlyErrorBox() {
    if (answerer_->boxes.size() != 1 || answerer_->boxes[0].kind != ModalAnswerer::Box::Error)
      qFatal("expected exactly one error box");
    return answerer_->boxes[0];
  }

 private slots:
  void initTestCase() {
    scratch_ = InProgramDir("temp.mid");
    QCOMPARE(QString::fromStdString(TempMidPath()), QString::fromStdString(scratch_.string()));
  }

  void init() {
    CopyShippedScaleFile();
    fs::remove(scratch_);
    answerer_ = std::make_unique<Answerer>();
    dir_ = std::make_unique<QTemporaryDir>();
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QVERIFY(answerer_->boxes.empty());
  }

  void cleanup() {
    window_.reset();
    answerer_.reset();
    dir_.reset();
  }

  void EngineCommandsFillTheBoxesAndSaySo() {
    QTest::keyClick(&W(), Qt::Key_R, Qt::ControlModifier);
    QCOMPARE(StatusText(W()), QStringLiteral("ランダムなパターンを作成"));
    QVERIFY(!Find<QPlainTextEdit>(W(), "memRythm")->toPlainText().isEmpty());

    const int before = Find<QSlider>(W(), "scrP0")->value() + Find<QSlider>(W(), "scrP2")->value();
    Trigger("mnuPatternParamRandom");
    const int after = Find<QSlider>(W(), "scrP0")->value() + Find<QSlider>(W(), "scrP2")->value();
    QVERIFY(before != after || Find<QSlider>(W(), "scrP6")->value() != 0);

    Trigger("mnuPhraseMake");
    QCOMPARE(StatusText(W()), QStringLiteral("MMLフレーズを作成しました。"));
    QVERIFY(Mml().contains(QStringLiteral("[4 ")));
    QVERIFY(!fs::exists(scratch_));  // making is not playing
  }

  void PlayMakesANewPhraseCompilesTempMidAndStartsThePlayer() {
    Click("ToolButton4");
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QVERIFY(fs::file_size(scratch_) > 14);
    QCOMPARE(ReadBytes(scratch_).substr(0, 4), std::string("MThd"));
    QVERIFY(W().player().IsOpen());
    QVERIFY(W().player().IsPlaying());
    QVERIFY(!Mml().isEmpty());
    QVERIFY(!Find<QPlainTextEdit>(W(), "memRythm")->toPlainText().isEmpty());
  }

  void PlayWithoutRemakingPlaysTheEditedBox() {
    KeepTheBoxOnPlay();
    Trigger("mnuPhraseMake");
    const QString edited = Mml() + QStringLiteral("\n");
    Find<QPlainTextEdit>(W(), "memMML")->setPlainText(edited);
    Trigger("mnuPhrasePlay");
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QCOMPARE(Mml(), edited);
    QVERIFY(W().player().IsPlaying());
  }

  void FailedCompileShowsTheMessageOnOneLineAndKeepsTheLastTempMid() {
    QVERIFY(!CompileMmlToMidi(kBadMml, (dir_->path() + "/probe.mid").toStdString()));
    const std::string message = LastCompileMessage();
    QVERIFY2(message.find("\r\n") != std::string::npos, "the probe needs a two-line message");

    Click("ToolButton4");  // a good phrase first
    const std::string good = ReadBytes(scratch_);
    KeepTheBoxOnPlay();
    W().settings().SetMmlText(kBadMml);
    Click("ToolButton4");
    QCOMPARE(StatusText(W()), QString::fromStdString(Utf8FromCp932(ReplaceCrLfWithBlank(message))));
    QVERIFY(!StatusText(W()).contains(u'\r') && !StatusText(W()).contains(u'\n'));
    QVERIFY(!W().player().IsOpen());
    QCOMPARE(ReadBytes(scratch_), good);
    QVERIFY(answerer_->boxes.empty());
  }

  void StopStopsAndClosesOnlyWhilePlaying() {
    Click("ToolButton5");  // nothing open: nothing happens
    QVERIFY(answerer_->boxes.empty());
    Click("ToolButton4");
    QVERIFY(W().player().IsPlaying());
    Click("ToolButton5");
    QVERIFY(!W().player().IsPlaying());
    QVERIFY(!W().player().IsOpen());
  }

  void LoopPlayRepeatsUntilStoppedOrTurnedOff() {
    KeepTheBoxOnPlay();
    W().settings().SetMmlText("t240 o4 c8");  // an eighth at 240: 0.125 s
    Trigger("mnuLoopPlay");
    Click("ToolButton4");
    QTest::qWait(600);  // well past the phrase's end: started over
    QVERIFY(W().player().IsPlaying());
    Click("ToolButton5");
    QVERIFY(!W().player().IsPlaying());
    Click("ToolButton4");
    Trigger("mnuLoopPlay");  // off: this play ends at the phrase's end
    QTRY_VERIFY(!W().player().IsPlaying());
  }

  void F5AndF9MakeAndPlay() {
    QTest::keyClick(&W(), Qt::Key_F5);
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QVERIFY(W().player().IsPlaying());
    Click("ToolButton5");
    QTest::keyClick(&W(), Qt::Key_F9);
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QVERIFY(W().player().IsPlaying());
    Click("ToolButton8");
    QVERIFY(W().player().IsPlaying());
    QVERIFY(answerer_->boxes.empty());
  }

  void SaveMidiBeforeAnyPlayPlaysFirstThenSavesWhatWasPlayed() {
    Answer(InDir("phrase.mid"));
    Trigger("mnuSaveMidi");
    QCOMPARE(answerer_->saveRequests.size(), size_t(1));
    const SaveRequest& asked = answerer_->saveRequests[0];
    QCOMPARE(asked.filters, QStringList({QStringLiteral("MIDI(*.mid)"), QStringLiteral("全て (*)")}));
    QCOMPARE(asked.defaultSuffix, QStringLiteral("mid"));
    QVERIFY(asked.fileName.isEmpty());
    QVERIFY(fs::exists(scratch_));
    QCOMPARE(ReadBytes(InDir("phrase.mid").toStdString()), ReadBytes(scratch_));
    QCOMPARE(StatusText(W()), QStringLiteral("保存しました。"));
    QVERIFY(!W().player().IsOpen());  // closed before the save
  }

  // What is saved is the phrase in the box, whatever temp.mid holds.
  void SaveMidiSavesThePhraseInTheBoxNotTheLastTempMid() {
    WriteBytes(scratch_, "MThd left by an earlier run");
    Answer(InDir("first.mid"));
    Click("ToolButton2");  // an empty box: the phrase is made and played first
    QVERIFY(!Mml().isEmpty());
    QCOMPARE(ReadBytes(InDir("first.mid").toStdString()), CompiledBox());

    KeepTheBoxOnPlay();
    W().settings().SetMmlText("t120 [4 o4c d e]");  // edited, not played
    Answer(InDir("edited.mid"));
    Click("ToolButton2");
    QCOMPARE(ReadBytes(InDir("edited.mid").toStdString()), CompiledBox());
    QCOMPARE(StatusText(W()), QStringLiteral("保存しました。"));
  }

  void SaveMidiOfTextThatDoesNotCompileShowsTheMessageAndSavesNothing() {
    Click("ToolButton4");  // a good temp.mid from an earlier phrase
    KeepTheBoxOnPlay();
    W().settings().SetMmlText(kBadMml);
    Answer(InDir("none.mid"));
    Trigger("mnuSaveMidi");
    QVERIFY(!CompileMmlToMidi(kBadMml, InDir("probe.mid").toStdString()));
    QCOMPARE(StatusText(W()), QString::fromStdString(Utf8FromCp932(ReplaceCrLfWithBlank(LastCompileMessage()))));
    QVERIFY(answerer_->saveRequests.empty());  // nothing to save: no name is asked for
    QVERIFY(answerer_->boxes.empty());
    QVERIFY(!QFile::exists(InDir("none.mid")));
  }

  // A save that cannot be written whole (a full disk; here a file size
  // limit) leaves the file it was to replace as it was, leaves no temporary
  // file behind, and the box gives the system's reason.
  void SaveThatCannotBeWrittenKeepsTheOldFileAndGivesTheReason() {
    for (const char* command : {"mnuSaveMml", "mnuSaveMidi"}) {
      answerer_->boxes.clear();
      W().settings().SetStatus("");
      W().settings().SetMmlText("t120 [4 o4c d e f g a b >c]");
      const QString target = InDir("kept.x");
      WriteBytes(target.toStdString(), "the old file");
      Answer(target);
      FileSizeLimit limit;
      answerer_->onSaveAnswer = [&limit] { limit.Lower(8); };
      Trigger(command);
      limit.Restore();
      answerer_->onSaveAnswer = nullptr;
      QCOMPARE(QString::fromStdString(ReadBytes(target.toStdString())), QStringLiteral("the old file"));
      QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList{QStringLiteral("kept.x")});
      QCOMPARE(OnlyErrorBox().text, QStringLiteral("ファイル \"%1\" を作成できません。 %2.")
                                        .arg(target, QString::fromLocal8Bit(std::strerror(EFBIG))));
      // The take store shares the size limit and may say takes are not kept;
      // the save itself must not claim success.
      QVERIFY(StatusText(W()) != QStringLiteral("保存しました。"));
    }
  }

  void CancelledSaveWritesNothing() {
    Trigger("mnuSaveMml");  // no answer queued: the user cancels
    Click("ToolButton2");
    QCOMPARE(answerer_->saveRequests.size(), size_t(2));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
    QVERIFY(StatusText(W()) != QStringLiteral("保存しました。"));
  }

  void SaveMmlWritesTheBoxBytesExactly() {
    const std::string text = Cp932("t110 [4 o4c\r\n; ドレミ\r\nd]");  // no final line break
    W().settings().SetMmlText(text);
    Answer(InDir("phrase.mml"));
    Trigger("mnuSaveMml");
    QCOMPARE(answerer_->saveRequests[0].defaultSuffix, QStringLiteral("mml"));
    QCOMPARE(answerer_->saveRequests[0].filters.front(), QStringLiteral("MML(*.mml)"));
    QCOMPARE(ReadBytes(InDir("phrase.mml").toStdString()), text);
    QCOMPARE(StatusText(W()), QStringLiteral("保存しました。"));
  }

  void SaveMmlOfAnEmptyBoxMakesThePhraseWithoutPlaying() {
    Answer(InDir("made.mml"));
    Trigger("mnuSaveMml");
    QVERIFY(!Mml().isEmpty());
    QCOMPARE(ReadBytes(InDir("made.mml").toStdString()), W().settings().MmlText());
    QVERIFY(!W().player().IsOpen());
    QVERIFY(!fs::exists(scratch_));
  }

  void SaveMmlRefusesTextCp932CannotHoldAndWritesNothing() {
    Find<QPlainTextEdit>(W(), "memMML")->setPlainText(QStringLiteral("t120 [4 o4c] 🎵 ♪"));
    Answer(InDir("emoji.mml"));
    Trigger("mnuSaveMml");
    QVERIFY2(OnlyErrorBox().text.contains(QStringLiteral("🎵")), qPrintable(OnlyErrorBox().text));
    QVERIFY(!QFile::exists(InDir("emoji.mml")));
    QVERIFY(StatusText(W()).isEmpty());
  }

  void SaveToAPlaceThatCannotBeCreatedReportsItAndCarriesOn() {
    W().settings().SetMmlText("t120 [4 c]");
    Answer(QStringLiteral("/nonexistent-volemo-dir/x.mml"));
    Trigger("mnuSaveMml");
    const auto& box = OnlyErrorBox();
    QCOMPARE(box.text, QStringLiteral("ファイル \"/nonexistent-volemo-dir/x.mml\" を作成できません。 %1.")
                           .arg(QString::fromLocal8Bit(std::strerror(ENOENT))));
    QCOMPARE(box.caption, ApplicationTitle());
    QVERIFY(StatusText(W()).isEmpty());
    // The failed command was abandoned; the window still works.
    Trigger("mnuPhraseMake");
    QCOMPARE(StatusText(W()), QStringLiteral("MMLフレーズを作成しました。"));
  }

  void OneSaveDialogRemembersThePathAndFilterUnderEachCommandsExtension() {
    Answer(InDir("song.mid"), 1);
    Trigger("mnuSaveMidi");
    Answer(InDir("other.mml"), 0);
    Trigger("mnuSaveMml");
    Trigger("mnuSaveMidi");  // cancelled
    const auto& asked = answerer_->saveRequests;
    QCOMPARE(asked.size(), size_t(3));
    QCOMPARE(asked[1].fileName, InDir("song.mml"));
    QCOMPARE(asked[1].filterIndex, 1);
    QCOMPARE(asked[2].fileName, InDir("other.mid"));
    QCOMPARE(asked[2].filterIndex, 0);
  }

  void CopyMmlPutsTheBoxTextOnTheClipboard() {
    Trigger("mnuCopyMML");  // an empty box copies empty text
    QCOMPARE(QApplication::clipboard()->text(), QString());
    QCOMPARE(StatusText(W()), QStringLiteral("クリップボードにコピー！！"));
    W().settings().SetStatus("");
    Find<QPlainTextEdit>(W(), "memMML")->setPlainText(QStringLiteral("t120 [4 o4c\n; ドレミ♪]"));
    Trigger("mnuCopyMML");
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("t120 [4 o4c\n; ドレミ♪]"));
    QCOMPARE(StatusText(W()), QStringLiteral("クリップボードにコピー！！"));
  }

  void ClosingTheWindowClosesThePlayer() {
    Click("ToolButton4");
    QVERIFY(W().player().IsPlaying());
    Trigger("N2");
    QVERIFY(!W().isVisible());
    QVERIFY(!W().player().IsOpen());
  }
};

QTEST_MAIN(CommandsTest)
#include "commands_test.moc"

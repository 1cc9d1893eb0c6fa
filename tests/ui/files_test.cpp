// Phrases in and out of the main window: files opened from the menu and
// dropped on the window.
#include <QAction>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QApplication>
#include <QClipboard>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sys/stat.h>
#include <memory>

#include <sndfile.h>

#include "cp932.h"
#include "frmMainU.h"
#include "phrase_drag.h"
#include "roll_views.h"
#include "spin_field.h"
#include "ui_test_support.h"
#include "use_vorlin_dll.h"

using namespace volemo;
using namespace volemo::test;

class FilesTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Answerer> answerer_;
  std::unique_ptr<TfrmMain> window_;
  std::unique_ptr<QTemporaryDir> dir_;

  TfrmMain& W() { return *window_; }
  QString InDir(const char* name) { return dir_->filePath(QString::fromLatin1(name)); }
  // Drops the files on target as the desktop would; true when it was taken.
  bool Drop(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    data.setText(path);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    QApplication::processEvents();  // the file opens once the drop has ended
    return drop.isAccepted();
  }

 private slots:
  void init() {
    // Read when the first window's player starts, in the test's own folder.
    qputenv("VOLEMO_AUDIO_FILE", "sink.raw");
    CopyShippedScaleFile();
    answerer_ = std::make_unique<Answerer>();
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CACHE_HOME", dir_->filePath(QStringLiteral("cache")).toLocal8Bit());
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  void cleanup() {
    window_.reset();
    answerer_.reset();
    dir_.reset();
  }

  // A file that would hold the window (a FIFO, a device, one beyond the
  // compiler's limit) or is not text is refused at once, naming it and
  // why, and changes nothing; a text in UTF-16 opens.
  void FilesThatCannotBeOpenedAreRefusedAtOnceNamingThem() {
    QVERIFY(mkfifo(InDir("fifo.mml").toLocal8Bit().constData(), 0600) == 0);
    QVERIFY(mkfifo(InDir("fifo.mid").toLocal8Bit().constData(), 0600) == 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/zero"), InDir("zero.mml")));
    std::string longLine((size_t{16} << 20) + 2, 'c');
    WriteBytes(InDir("long.mml"), longLine);
    WriteBytes(InDir("utf16.mml"), std::string("\xFF\xFEt\0" "9\0 \0\xB9\x30", 10));
    WriteBytes(InDir("binary.mml"), std::string("MThd\0\0\0\x06", 8));
    const QString notRegular = QStringLiteral("通常のファイルではありません");
    const struct {
      const char* file;
      QString reason;  // empty: opens
      std::string box = "";
    } cases[] = {
        {"fifo.mml", notRegular},
        {"zero.mml", notRegular},
        {"fifo.mid", notRegular},
        {"long.mml", QStringLiteral("MML が長すぎます（16 MB まで）")},
        {"binary.mml", QStringLiteral("1行目に制御文字 \"<00>\"")},
        {"utf16.mml", {}, "t9 \x83\x58"},
    };
    for (const auto& c : cases) {
      W().settings().SetMmlText("old");
      answerer_->boxes.clear();
      W().OpenFile(InDir(c.file));
      if (c.reason.isEmpty()) {
        QCOMPARE(W().settings().MmlText(), c.box);
        QVERIFY(answerer_->boxes.empty());
        continue;
      }
      QCOMPARE(W().settings().MmlText(), std::string("old"));
      QCOMPARE(answerer_->boxes.size(), size_t(1));
      QVERIFY2(answerer_->boxes[0].text.contains(InDir(c.file)), qPrintable(answerer_->boxes[0].text));
      QVERIFY2(answerer_->boxes[0].text.contains(c.reason), qPrintable(answerer_->boxes[0].text));
    }
  }

  // The file sink holds a play's sound and ends once the sound has died
  // away after the play, stopped or over by itself: an idle window writes
  // nothing.
  void TheFileSinkIsWrittenOnlyWhilePlaying() {
    const struct {
      const char* name;
      const char* mml;
      bool stopped;
    } cases[] = {
        {"stopped", "t120 @17 l1 o4 c c c c", true},
        {"over by itself", "t120 @17 l4 o4 c", false},
    };
    const auto size = [] { return std::filesystem::file_size("sink.raw"); };
    for (const auto& c : cases) {
      const QString midi = InDir("organ.mid");
      QVERIFY(CompileMmlToMidi(c.mml, midi.toStdString()));
      W().OpenFile(midi);
      QVERIFY2(W().player().IsPlaying(), c.name);
      QTest::qWait(300);
      if (c.stopped) QTest::mouseClick(Find<QToolButton>(W(), "ToolButton5"), Qt::LeftButton);
      QTRY_VERIFY_WITH_TIMEOUT(!W().player().IsPlaying(), 10000);
      bool settled = false;
      for (int i = 0; i < 50 && !settled; ++i) {
        const auto before = size();
        QTest::qWait(200);
        settled = size() == before;
      }
      QVERIFY2(settled, qPrintable(QStringLiteral("%1: %2").arg(c.name).arg(size())));
      QVERIFY2(size() > 44100 * 4 / 10, c.name);  // the sound before the end is kept
    }
  }

  // A megabyte line pasted into the MML box is held in short paragraphs, as
  // one opened from a file is, so that the box paints and the window goes
  // on taking events; the text read back is the line as pasted.
  void ALongLinePastedIntoTheMmlBoxKeepsTheWindowGoing() {
    const std::string line(1 << 20, 'c');
    auto* box = Find<QPlainTextEdit>(W(), "memMML");
    W().settings().SetMmlText("");
    QApplication::clipboard()->setText(QString::fromStdString(line));
    QTest::keySequence(box, QKeySequence::Paste);
    box->viewport()->grab();
    bool eventTaken = false;
    QTimer::singleShot(0, [&] { eventTaken = true; });
    QTRY_VERIFY_WITH_TIMEOUT(eventTaken, 60000);
    QCOMPARE(W().settings().MmlText(), line);
    for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next())
      QVERIFY2(block.length() <= 8192, qPrintable(QString::number(block.length())));
  }

  // Every way in takes the same encodings: the box holds CP932 either way,
  // and a file CP932 cannot hold changes nothing and says why.
  void OpenedAndDroppedMmlFilesFillTheBoxInEitherEncoding() {
    const struct {
      const char* file;
      std::string bytes;
      std::string box;  // empty: refused
    } cases[] = {
        {"sjis.mml", "t120 o4 c \x83\x58", "t120 o4 c \x83\x58"},
        {"utf8.mml", "\xEF\xBB\xBF" "t90 d ス", "t90 d \x83\x58"},
        {"accent.mml", "t90 d é", ""},
    };
    for (const bool dropped : {false, true}) {
      for (const auto& c : cases) {
        W().settings().SetMmlText("old");
        answerer_->boxes.clear();
        const QString path = InDir(c.file);
        WriteBytes(path, c.bytes);
        if (dropped) {
          QVERIFY(Drop(Find<QPlainTextEdit>(W(), "memMML")->viewport(), path));
        } else {
          answerer_->openAnswers.push_back(SaveAnswer{path, 0});
          Find<QAction>(W(), "mnuOpenMml")->trigger();
        }
        if (c.box.empty()) {
          QCOMPARE(W().settings().MmlText(), std::string("old"));
          QCOMPARE(answerer_->boxes.size(), size_t(1));
          QVERIFY(answerer_->boxes[0].text.contains(QStringLiteral("\"é\"")));
        } else {
          QCOMPARE(W().settings().MmlText(), c.box);
          QCOMPARE(StatusText(W()), QStringLiteral("開きました: ") + QString::fromLatin1(c.file));
          QVERIFY(answerer_->boxes.empty());
        }
      }
    }
    // The file dialogs share their memory: the next one starts at the file opened.
    answerer_->openAnswers.push_back(std::nullopt);
    Find<QAction>(W(), "mnuOpenMml")->trigger();
    QCOMPARE(answerer_->openRequests.back().fileName, InDir("utf8.mml"));
  }

  // Each drag hands out a file of its own: the phrase's MIDI as the box
  // compiles now, beside the box's text; a file handed out earlier stays.
  void DragCarriesANewMidiFileOfThePhraseAndItsMml() {
    Find<QComboBox>(W(), "cmbKey")->setCurrentIndex(3);
    Find<SpinField>(W(), "spnTempo")->setValue(95);
    Find<QAction>(W(), "mnuPhraseMake")->trigger();
    const QString folder = dir_->filePath(QStringLiteral("cache/volemo/drag/"));
    QStringList files;
    for (int i = 0; i < 2; ++i) {
      const std::unique_ptr<QMimeData> data = PhraseDragData(W().settings(), W().state());
      QVERIFY(data);
      QCOMPARE(data->urls().size(), 1);
      files << data->urls()[0].toLocalFile();
      QCOMPARE(data->text(), Find<QPlainTextEdit>(W(), "memMML")->toPlainText());
    }
    QCOMPARE(files, QStringList({folder + "Major_D#_95bpm.mid", folder + "Major_D#_95bpm-2.mid"}));
    const QString probe = InDir("probe.mid");
    QVERIFY(CompileMmlToMidi(W().settings().MmlText(), probe.toStdString()));
    for (const QString& file : files) QCOMPARE(ReadBytes(file), ReadBytes(probe));

    // Text that does not compile hands out nothing.
    W().settings().SetMmlText("t120 [4 o4c");
    QVERIFY(!PhraseDragData(W().settings(), W().state()));
    QCOMPARE(QDir(folder).count(), 4u);  // ".", "..", and the two

    // The workbench's roll asks for the drag when pressed between its notes and moved.
    Find<QAction>(W(), "mnuWorkbench")->trigger();
    auto* notes = W().findChild<RollNoteView*>(QStringLiteral("rollNotes"));
    QSignalSpy drags(notes, &RollNoteView::dragRequested);
    QTest::mousePress(notes, Qt::LeftButton, {}, QPoint(1, 1));
    QMouseEvent move(QEvent::MouseMove, QPointF(40, 1), notes->mapToGlobal(QPointF(40, 1)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(notes, &move);
    QCOMPARE(drags.count(), 1);
  }

  // The filter chosen names the format of a name typed without one; the
  // FLAC and Ogg Vorbis files decode to as many frames as the WAV file.
  void AudioExportWritesEachFormatAndCancelLeavesNothing() {
    W().settings().SetMmlText("t150 o4 c8 e8 g4");
    const auto waitForTheEnd = [](QDialog& d) { QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 60000); };
    const struct {
      const char* file;
      int format;
    } outputs[] = {{"p.wav", SF_FORMAT_WAV | SF_FORMAT_PCM_16},
                   {"p.flac", SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
                   {"p.ogg", SF_FORMAT_OGG | SF_FORMAT_VORBIS}};
    std::vector<sf_count_t> frames;
    for (int filter = 0; filter < 3; ++filter) {
      answerer_->saveAnswers.push_back(SaveAnswer{InDir("p"), filter});
      answerer_->whileModal.push_back(waitForTheEnd);
      Find<QAction>(W(), "mnuSaveAudio")->trigger();
      QCOMPARE(StatusText(W()), QStringLiteral("書き出しました: ") + QString::fromLatin1(outputs[filter].file));
      SF_INFO info{};
      SNDFILE* file = sf_open(InDir(outputs[filter].file).toLocal8Bit().constData(), SFM_READ, &info);
      QVERIFY2(file, sf_strerror(nullptr));
      sf_close(file);
      QCOMPARE(info.format, outputs[filter].format);
      QCOMPARE(info.samplerate, 44100);
      frames.push_back(info.frames);
    }
    QVERIFY(frames[0] > 44100 / 2);
    QCOMPARE(frames[1], frames[0]);
    QCOMPARE(frames[2], frames[0]);

    // Part way through four minutes of phrase, cancelled.
    W().settings().SetMmlText("t60 [16 o4 c1 e1 g1 c1]");
    answerer_->saveAnswers.push_back(SaveAnswer{InDir("long.flac"), 0});
    answerer_->whileModal.push_back([](QDialog& d) {
      auto& progress = static_cast<QProgressDialog&>(d);
      QTRY_VERIFY_WITH_TIMEOUT(progress.value() > 0, 60000);
      progress.cancel();
    });
    Find<QAction>(W(), "mnuSaveAudio")->trigger();
    QCOMPARE(StatusText(W()), QStringLiteral("書き出しを中止しました。"));
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"p.flac", "p.ogg", "p.wav"}));
    QVERIFY(answerer_->boxes.empty());
  }

  // The compiler's message reads in the error box as the compile command
  // prints it (it was CP932 shown as UTF-8), and nothing is written.
  void AudioExportOfTextThatDoesNotCompileShowsTheCompilersMessage() {
    const std::string bad = "t120 [4 o4c\r\nz d\r\nz e]";
    QVERIFY(!CompileMmlToMidi(bad, InDir("probe.mid").toStdString()));
    const QString message = QString::fromStdString(Utf8FromCp932(LastCompileMessage()));
    QVERIFY(message.contains(QStringLiteral("行目")));
    W().settings().SetMmlText(bad);
    for (const char* file : {"bad.wav", "bad.ogg"}) {
      answerer_->boxes.clear();
      answerer_->saveAnswers.push_back(SaveAnswer{InDir(file), 0});
      answerer_->whileModal.push_back([](QDialog& d) { QTRY_VERIFY_WITH_TIMEOUT(!d.isVisible(), 60000); });
      Find<QAction>(W(), "mnuSaveAudio")->trigger();
      QCOMPARE(answerer_->boxes.size(), size_t(1));
      QCOMPARE(answerer_->boxes[0].text, message + QStringLiteral("."));  // the box ends every text so
      QVERIFY(!QFile::exists(InDir(file)));
    }
  }

  void DroppedMidiPlaysAndOtherFilesAreNotTaken() {
    const QString midi = InDir("drop.mid");
    QVERIFY(CompileMmlToMidi("t240 o4 c d e f g", midi.toStdString()));
    QVERIFY(Drop(&W(), midi));
    QVERIFY(W().player().IsPlaying());
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました: drop.mid"));

    WriteBytes(InDir("notes.txt"), "c d e");
    QVERIFY(!Drop(&W(), InDir("notes.txt")));
  }
};

QTEST_MAIN(FilesTest)
#include "files_test.moc"

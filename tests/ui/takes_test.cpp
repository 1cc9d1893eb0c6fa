// The takes in the real window: kept by F9, stepped through with the undo
// keys, restored from the list with their settings, starred, exported, the
// presets, and a database that cannot be used.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QInputDialog>
#include <QHeaderView>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <functional>
#include <fstream>
#include <memory>

#include "control_values.h"
#include "cp932.h"
#include "frmMainU.h"
#include "play_sequence.h"
#include "spin_field.h"
#include "take_keeper.h"
#include "take_list.h"
#include "take_list_model.h"
#include "ui_test_support.h"
#include "use_vorlin_dll.h"

using namespace volemo;
using namespace volemo::test;
namespace fs = std::filesystem;

namespace {

// What a take restores: every control, the weights and both boxes.
struct Shown {
  ControlValues controls;
  ScaleWeights weights;
  std::string pattern, mml;
  bool operator==(const Shown&) const = default;
};

}  // namespace

class TakesTest : public QObject {
  Q_OBJECT

  std::unique_ptr<Answerer> answerer_;
  std::unique_ptr<QTemporaryDir> data_;
  std::unique_ptr<TfrmMain> window_;

  TfrmMain& W() { return *window_; }
  Shown Now() {
    Settings& s = W().settings();
    return {CaptureControls(s), W().state().weights, s.PatternText(), s.MmlText()};
  }
  void OpenWindow() {
    window_ = std::make_unique<TfrmMain>();
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QApplication::setActiveWindow(window_.get());
    QTest::keyClick(window_.get(), Qt::Key(key), modifiers);
  }
  TakeList& List() {
    Find<QAction>(W(), "mnuWorkbench")->trigger();
    return *Find<TakeList>(W(), "takeList");
  }
  QTableView& Table() { return *Find<QTableView>(W(), "takeTable"); }
  QSortFilterProxyModel& Proxy() { return *static_cast<QSortFilterProxyModel*>(Table().model()); }
  // The cell of the take with this id, as the table shows it.
  QModelIndex Index(int64_t id, int column) {
    return Proxy().mapFromSource(List().model().index(List().model().RowOf(id), column));
  }
  // Clicks the row of the take with this id.
  void ClickTake(int64_t id) {
    auto* proxy = static_cast<QSortFilterProxyModel*>(Table().model());
    const QModelIndex index = proxy->mapFromSource(List().model().index(List().model().RowOf(id), 0));
    QVERIFY(index.isValid());
    Table().scrollTo(index);
    QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, Table().visualRect(index).center());
  }

 private slots:
  void init() {
    CopyShippedScaleFile();
    answerer_ = std::make_unique<Answerer>();
    data_ = std::make_unique<QTemporaryDir>();
    qputenv("VOLEMO_DATA_DIR", data_->path().toUtf8());
    OpenWindow();
  }

  void cleanup() {
    window_.reset();
    answerer_.reset();
    data_.reset();
  }

  void F9ThreeTimesThenUndoAndRedoStepThroughTheTakes() {
    std::vector<Shown> shown;
    std::vector<std::string> played;  // the MIDI file each press played
    for (int i = 0; i < 3; ++i) {
      Key(Qt::Key_F9);
      shown.push_back(Now());
      played.push_back(ReadBytes(TempMidPath()));
    }
    QCOMPARE(W().takes().store()->List().size(), size_t(3));

    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(Now() == shown[0]);
    Key(Qt::Key_Z, Qt::ControlModifier);  // the first take has no parent: it stays
    QVERIFY(Now() == shown[0]);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(Now() == shown[1]);
    Key(Qt::Key_Y, Qt::ControlModifier);
    QVERIFY(Now() == shown[2]);
    QCOMPARE(W().takes().store()->List().size(), size_t(3));  // stepping keeps nothing new

    // The command line sees the same three, and each MML compiles to the
    // very MIDI file that was played.
    QProcess cli;
    cli.start(QStringLiteral(VOLEMO_CLI), {"takes", "list", "--json"});
    QVERIFY(cli.waitForFinished(10000));
    const QList<QByteArray> lines = cli.readAllStandardOutput().trimmed().split('\n');
    QCOMPARE(lines.size(), 3);
    for (int i = 0; i < 3; ++i) {
      const QJsonObject take = QJsonDocument::fromJson(lines[2 - i]).object();  // newest first
      QCOMPARE(take["operation"].toString(), QStringLiteral("random-make-and-play"));
      const fs::path mid = fs::path(data_->path().toStdString()) / "check.mid";
      QVERIFY(CompileMmlToMidi(Cp932FromUtf8(take["mml"].toString().toStdString()), mid.string()));
      QVERIFY(ReadBytes(mid) == played[static_cast<size_t>(i)]);
    }
  }

  void SelectingATakeRestoresItsSettingsAndPlaysIt() {
    Key(Qt::Key_F9);
    const Shown first = Now();
    // Change settings of every kind, as a hand would, and make another.
    Find<QComboBox>(W(), "cmbScale")->setCurrentIndex(5);
    Find<QComboBox>(W(), "cmbKey")->setCurrentIndex(7);
    QTest::mouseClick(Find<QPushButton>(W(), "btnScaleSet"), Qt::LeftButton);
    Find<QSlider>(W(), "src3")->setValue(9);
    Find<QSlider>(W(), "scrP6")->setValue(40);
    Find<SpinField>(W(), "spnTempo")->setText(QStringLiteral("150"));
    Find<SpinField>(W(), "spnVoice")->setText(QStringLiteral("74"));
    Find<QCheckBox>(W(), "chkPatternPlayFirst")->setChecked(false);
    Key(Qt::Key_F9);
    const Shown second = Now();
    QVERIFY(!(second.controls == first.controls));

    const std::vector<Take> takes = W().takes().store()->List();
    List();
    W().settings().SetStatus("-");
    ClickTake(takes[1].id);
    QVERIFY(Now() == first);
    QCOMPARE(Find<QComboBox>(W(), "cmbVoice")->currentIndex(), 0);  // the name followed the number
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QCOMPARE(ReadBytes(TempMidPath()).substr(0, 4), std::string("MThd"));

    Find<QCheckBox>(W(), "chkPlayOnChange")->setChecked(false);
    W().settings().SetStatus("-");
    ClickTake(takes[0].id);
    QVERIFY(Now() == second);
    QCOMPARE(Find<QComboBox>(W(), "cmbVoice")->currentText(), QStringLiteral("Flute"));
    QCOMPARE(StatusText(W()), QStringLiteral("-"));
    // A command from an older take starts a new way; nothing is lost.
    ClickTake(takes[1].id);
    Find<QAction>(W(), "mnuPhraseMake")->trigger();
    const std::vector<Take> after = W().takes().store()->List();
    QCOMPARE(after.size(), size_t(3));
    QCOMPARE(after[0].parent, std::optional<int64_t>(takes[1].id));
    QCOMPARE(after[0].operation, std::string("make"));
  }

  void AHandEditedPhraseIsKeptWhenPlayedOrSaved() {
    Find<QCheckBox>(W(), "chkMakePattern")->setChecked(false);
    const struct {
      const char* mml;
      std::function<void()> command;
      const char* operation;
    } cases[] = {
        {"t120 o4 c d e", [this] { QTest::mouseClick(Find<QToolButton>(W(), "ToolButton4"), Qt::LeftButton); }, "edit"},
        {"t120 o4 e d c", [this] {
           answerer_->saveAnswers.push_back(SaveAnswer{data_->filePath(QStringLiteral("s.mml")), 0});
           Find<QAction>(W(), "mnuSaveMml")->trigger();
         }, "save"},
    };
    for (const auto& c : cases) {
      Find<QPlainTextEdit>(W(), "memMML")->setPlainText(QString::fromLatin1(c.mml));
      c.command();
      c.command();  // the same text again: not kept twice
      const std::vector<Take> takes = W().takes().store()->List();
      QCOMPARE(takes.front().mml, std::string(c.mml));
      QCOMPARE(takes.front().operation, std::string(c.operation));
    }
    QCOMPARE(W().takes().store()->List().size(), size_t(2));
  }

  void ARerollInTheWorkbenchIsKeptAndATakePutBackCanBeRerolledAgain() {
    List();
    Key(Qt::Key_F9);
    const int64_t before = *W().takes().current();
    QTRY_VERIFY(Find<QPushButton>(W(), "btnReroll")->isEnabled());  // the roll follows the box
    QTest::mouseClick(Find<QPushButton>(W(), "btnReroll"), Qt::LeftButton);
    const Take rerolled = W().takes().store()->List().front();
    QCOMPARE(rerolled.operation, std::string("reroll"));
    QCOMPARE(rerolled.parent, std::optional<int64_t>(before));
    QCOMPARE(Cp932FromUtf8(rerolled.mml), W().settings().MmlText());

    // Back to the phrase before: it can be re-rolled again, on a new branch.
    Key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(*W().takes().current(), before);
    QCoreApplication::processEvents();
    QTest::mouseClick(Find<QPushButton>(W(), "btnReroll"), Qt::LeftButton);
    const Take again = W().takes().store()->List().front();
    QCOMPARE(again.operation, std::string("reroll"));
    QCOMPARE(again.parent, std::optional<int64_t>(before));
    QVERIFY(again.id != rerolled.id);
  }

  void StarsFilterAndExport() {
    for (int i = 0; i < 3; ++i) Key(Qt::Key_F9);
    const std::vector<Take> takes = W().takes().store()->List();
    List();
    ClickTake(takes[1].id);
    QTest::mouseClick(Find<QPushButton>(W(), "btnStarTake"), Qt::LeftButton);
    QVERIFY(W().takes().store()->Get(takes[1].id)->starred);
    Find<QCheckBox>(W(), "chkStarredOnly")->setChecked(true);
    QCOMPARE(Table().model()->rowCount(), 1);
    Find<QCheckBox>(W(), "chkStarredOnly")->setChecked(false);
    QCOMPARE(Table().model()->rowCount(), 3);

    // One take to a file of the kind its name says.
    const QString mml = data_->filePath(QStringLiteral("one.mml"));
    answerer_->saveAnswers.push_back(SaveAnswer{mml, 1});
    QTest::mouseClick(Find<QPushButton>(W(), "btnExportTakes"), Qt::LeftButton);
    QCOMPARE(ReadBytes(mml.toStdString()), Cp932FromUtf8(takes[1].mml));

    // Several: one file each in the chosen folder, named by number.
    Table().selectAll();
    answerer_->saveAnswers.push_back(SaveAnswer{data_->filePath(QStringLiteral("x.mid")), 0});
    QTest::mouseClick(Find<QPushButton>(W(), "btnExportTakes"), Qt::LeftButton);
    for (const Take& t : takes) {
      const std::string bytes = ReadBytes(data_->filePath(QString::number(t.id) + ".mid").toStdString());
      QCOMPARE(bytes.substr(0, 4), std::string("MThd"));
    }
    QVERIFY(answerer_->boxes.empty());

    // Two without a star are kept from the next take on; the starred one stays.
    Find<QSpinBox>(W(), "spnKeepTakes")->setValue(2);
    Key(Qt::Key_F9);
    QCOMPARE(Table().model()->rowCount(), 3);
    QVERIFY(W().takes().store()->Get(takes[1].id));
  }

  // A star toggles where it is clicked, and only the star: the take shown
  // stays, and nothing plays.
  void ClickingAStarTogglesItWithoutLoadingOrPlaying() {
    for (int i = 0; i < 2; ++i) Key(Qt::Key_F9);
    StopPlayback(W().player());
    const Shown shown = Now();
    const int64_t older = W().takes().store()->List()[1].id;
    List();
    for (const bool starred : {true, false}) {
      QTest::mouseClick(Table().viewport(), Qt::LeftButton, {}, Table().visualRect(Index(older, TakeListModel::kStar)).center());
      QCOMPARE(W().takes().store()->Get(older)->starred, starred);
      QVERIFY(Now() == shown);
      QVERIFY(!W().player().IsPlaying());
      QCOMPARE(*W().takes().current(), W().takes().store()->List()[0].id);
    }
  }

  void FiltersByScaleAndByOperation() {
    List();
    Key(Qt::Key_F9);
    QTRY_VERIFY(Find<QPushButton>(W(), "btnReroll")->isEnabled());
    QTest::mouseClick(Find<QPushButton>(W(), "btnReroll"), Qt::LeftButton);
    QTest::mouseClick(Find<QPushButton>(W(), "btnMutate"), Qt::LeftButton);
    Find<QComboBox>(W(), "cmbScale")->setCurrentText(QStringLiteral("琉球音階"));
    QTest::mouseClick(Find<QPushButton>(W(), "btnScaleSet"), Qt::LeftButton);
    Key(Qt::Key_F9);
    const struct {
      const char* scale;
      const char* operation;
      std::vector<std::string> operations;  // of the rows shown, newest first
    } cases[] = {
        {"", "", {"random-make-and-play", "mutate", "reroll", "random-make-and-play"}},
        {"", "作り直し", {"reroll"}},
        {"", "新しいフレーズ", {"random-make-and-play", "random-make-and-play"}},
        {"琉球音階", "", {"random-make-and-play"}},
        {"Major", "変異", {"mutate"}},
        {"琉球音階", "変異", {}},
    };
    auto* scales = Find<QComboBox>(W(), "cmbTakeScale");
    auto* operations = Find<QComboBox>(W(), "cmbTakeOperation");
    QCOMPARE(operations->count(), 4);  // all, and the three ways these takes were made
    for (const auto& c : cases) {
      scales->setCurrentIndex(std::max(scales->findData(QString::fromUtf8(c.scale)), 0));
      operations->setCurrentIndex(std::max(operations->findData(QString::fromUtf8(c.operation)), 0));
      std::vector<std::string> shown;
      for (int row = 0; row < Table().model()->rowCount(); ++row)
        shown.push_back(List().model().TakeAt(Proxy().mapToSource(Proxy().index(row, 0)).row()).operation);
      QVERIFY2(shown == c.operations, c.operation);
    }
  }

  // Tempo and voice as the file sets them, whatever the controls say; no
  // scale, which a file does not name.
  void ATakeOfAnOpenedFileIsLabelledFromTheFile() {
    const struct {
      const char* mml;
      const char* tempo;
      const char* voice;
    } files[] = {
        {"Tempo=96;Voice(74) l8 o4 c d e", "96", "74 Flute"},
        {"l8 o4 c d e", "120", "—"},  // the compiler's tempo, no voice asked for
    };
    Find<SpinField>(W(), "spnVoice")->setText(QStringLiteral("5"));
    List();
    for (const auto& f : files) {
      const QString path = data_->filePath(QStringLiteral("song.mml"));
      WriteBytes(path, f.mml);
      answerer_->openAnswers.push_back(SaveAnswer{path, 0});
      Find<QAction>(W(), "mnuOpenMml")->trigger();
      const auto cell = [this](int column) { return Proxy().index(0, column).data().toString(); };
      QCOMPARE(cell(TakeListModel::kOperation), QStringLiteral("開いたファイル"));
      QCOMPARE(cell(TakeListModel::kTempo), QString::fromUtf8(f.tempo));
      QCOMPARE(cell(TakeListModel::kVoice), QString::fromUtf8(f.voice));
      QCOMPARE(cell(TakeListModel::kScale), QStringLiteral("—"));
    }
  }

  // Under the roll the list is as wide as the workbench less its panels: in
  // a wide one no title is cut, and the pattern column takes the width added.
  void TheListsColumnsFollowTheWindowsWidth() {
    List();
    Key(Qt::Key_F9);
    QWidget* bench = Table().window();
    QHeaderView* header = Table().horizontalHeader();
    bench->resize(1590, 640);
    QCoreApplication::processEvents();
    for (int column = 0; column < TakeListModel::kColumnCount; ++column)
      QVERIFY2(header->sectionSize(column) >= header->sectionSizeHint(column), qPrintable(QString::number(column)));
    const int narrow = header->sectionSize(TakeListModel::kPattern), narrowList = Table().width();
    bench->resize(2180, 640);
    QCoreApplication::processEvents();
    QVERIFY(Table().width() > narrowList + 500);
    QCOMPARE(header->sectionSize(TakeListModel::kPattern), narrow + Table().width() - narrowList);
  }

  void PresetsLoadSaveRenameDeleteAndTheStartUpChoice() {
    List();
    auto* presets = Find<QComboBox>(W(), "cmbPreset");
    presets->setCurrentText(QStringLiteral("琉球音階の三線"));
    QTest::mouseClick(Find<QPushButton>(W(), "btnPresetLoad"), Qt::LeftButton);
    QCOMPARE(W().settings().Text("spnVoice"), std::string("107"));
    QCOMPARE(Find<QComboBox>(W(), "cmbScale")->currentText(), QStringLiteral("琉球音階"));

    const auto answerName = [this](const char* name) {
      answerer_->whileModal.push_back([name](QDialog& d) {
        static_cast<QInputDialog&>(d).setTextValue(QString::fromUtf8(name));
        d.accept();
      });
    };
    Find<SpinField>(W(), "spnTempo")->setText(QStringLiteral("133"));
    answerName("わたしの");
    QTest::mouseClick(Find<QPushButton>(W(), "btnPresetSave"), Qt::LeftButton);
    answerName("改名");
    QTest::mouseClick(Find<QPushButton>(W(), "btnPresetRename"), Qt::LeftButton);
    QCOMPARE(presets->currentText(), QStringLiteral("改名"));
    QCOMPARE(W().takes().store()->Presets().at(0).name, std::string("改名"));
    QTest::mouseClick(Find<QPushButton>(W(), "btnPresetDelete"), Qt::LeftButton);
    QVERIFY(W().takes().store()->Presets().empty());
    presets->setCurrentIndex(0);  // shipped: refused with a box
    QTest::mouseClick(Find<QPushButton>(W(), "btnPresetDelete"), Qt::LeftButton);
    QCOMPARE(answerer_->boxes.size(), size_t(1));

    // Off (the default): the next start is as ever, whatever was left.
    window_.reset();
    OpenWindow();
    QCOMPARE(W().settings().Text("spnTempo"), std::string("110"));
    List();
    QVERIFY(!Find<QCheckBox>(W(), "chkRestoreAtStart")->isChecked());
    Find<QCheckBox>(W(), "chkRestoreAtStart")->setChecked(true);
    Find<SpinField>(W(), "spnTempo")->setText(QStringLiteral("144"));
    window_->close();
    window_.reset();
    OpenWindow();
    QCOMPARE(W().settings().Text("spnTempo"), std::string("144"));
  }

  // The controls learned make a phrase kept as one take, and undo puts the
  // earlier settings back; what cannot be learned from changes nothing.
  void LearningSetsTheControlsAsOneTakeAndUndoRestoresThem() {
    Key(Qt::Key_F9);
    const Shown before = Now();
    const QString song = data_->filePath(QStringLiteral("song.mid"));
    QVERIFY(CompileMmlToMidi("Tempo=96;\r\nv100l8o4defgab>cd<a", song.toStdString()));
    answerer_->openAnswers.push_back(SaveAnswer{song, 0});
    Find<QAction>(W(), "mnuLearnMidi")->trigger();
    QVERIFY(answerer_->boxes.empty());
    QCOMPARE(W().settings().Text("spnTempo"), std::string("96"));
    QVERIFY(StatusText(W()).startsWith(QStringLiteral("学びました: ")));
    QVERIFY(StatusText(W()).contains(QStringLiteral("ノート 9 個")));
    QCOMPARE(W().takes().store()->List().size(), size_t(2));
    QCOMPARE(W().takes().store()->List()[0].operation, std::string("learn"));
    const Shown learned = Now();
    Key(Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(Now() == before);

    const QString bad = data_->filePath(QStringLiteral("bad.mid"));
    std::ofstream(bad.toStdString()) << "not MIDI";
    answerer_->openAnswers.push_back(SaveAnswer{bad, 0});
    Find<QAction>(W(), "mnuLearnMidi")->trigger();
    QCOMPARE(answerer_->boxes.size(), size_t(1));
    QVERIFY(answerer_->boxes[0].text.contains(bad));
    QVERIFY(Now() == before);
    Find<QAction>(W(), "mnuLearnStarred")->trigger();  // none starred
    QCOMPARE(answerer_->boxes.size(), size_t(2));
    QVERIFY(Now() == before);
    QCOMPARE(W().takes().store()->List().size(), size_t(2));

    QVERIFY(W().takes().store()->SetStarred(W().takes().store()->List()[0].id, true));
    Find<QAction>(W(), "mnuLearnStarred")->trigger();
    QCOMPARE(answerer_->boxes.size(), size_t(2));
    QVERIFY(StatusText(W()).startsWith(QStringLiteral("学びました: ")));
    QCOMPARE(W().takes().store()->List().size(), size_t(3));
    QVERIFY(!(Now() == learned));
  }

  void ADatabaseThatCannotBeReadIsToldOnceAndTheWindowWorksOn() {
    window_.reset();
    std::ofstream(data_->filePath(QStringLiteral("takes.sqlite3")).toStdString()) << std::string(4096, 'x');
    OpenWindow();
    QVERIFY(StatusText(W()).startsWith(QStringLiteral("テイクを記録できません: ")));
    QVERIFY(StatusText(W()).contains(QStringLiteral("file is not a database")));
    QVERIFY(W().takes().store() == nullptr);
    Key(Qt::Key_F9);
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QVERIFY(!W().settings().MmlText().empty());
    QVERIFY(!List().isEnabled());
    Key(Qt::Key_Z, Qt::ControlModifier);  // nothing to step to, nothing said
    QCOMPARE(StatusText(W()), QStringLiteral("演奏を開始しました。"));
    QVERIFY(answerer_->boxes.empty());
  }
};

QTEST_MAIN(TakesTest)
#include "takes_test.moc"

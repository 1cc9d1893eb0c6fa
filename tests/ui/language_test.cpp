// The window in each language: every window and dialog opened, the commands
// that leave a status text run, and every text a person can read gathered
// (widgets, menus, tooltips, tabs, list entries, column titles, status
// texts, boxes and the file dialogs' filters). In English none holds a
// Japanese character but the Japanese scales' own names (and the language
// menu's 日本語); in Japanese the specified texts are there as they were.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "cp932.h"
#include "frmMainU.h"
#include "translation.h"
#include "ui_test_support.h"

using namespace volemo;
using namespace volemo::test;

namespace {

bool IsJapanese(QChar c) {
  const char16_t u = c.unicode();
  return (u >= 0x3000 && u <= 0x30FF) ||  // punctuation, kana
         (u >= 0x4E00 && u <= 0x9FFF) ||  // kanji
         (u >= 0xFF00 && u <= 0xFFEF);    // full-width forms
}

void AddActions(QStringList& texts, const QList<QAction*>& actions) {
  for (QAction* a : actions) texts << a->text() << a->toolTip() << a->statusTip();
}

// Every text the widget and those inside it show or tell on hovering.
QStringList TextsOf(QWidget& root) {
  QStringList texts;
  QList<QWidget*> widgets = root.findChildren<QWidget*>();
  widgets.prepend(&root);
  for (QWidget* w : widgets) {
    texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
    AddActions(texts, w->actions());
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* button = qobject_cast<QToolButton*>(w); button && button->menu()) {
      texts << button->menu()->title();
      AddActions(texts, button->menu()->actions());
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* menu = qobject_cast<QMenu*>(w)) {
      emit menu->aboutToShow();  // the output menu fills itself now
      texts << menu->title();
      AddActions(texts, menu->actions());
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i) << tabs->tabToolTip(i);
    if (auto* list = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < list->count(); ++i) texts << list->itemText(i);
    if (auto* spin = qobject_cast<QSpinBox*>(w)) texts << spin->prefix() << spin->suffix() << spin->specialValueText();
    if (auto* edit = qobject_cast<QLineEdit*>(w)) texts << edit->placeholderText();
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model())
      for (int i = 0; i < view->model()->columnCount(); ++i)
        texts << view->model()->headerData(i, Qt::Horizontal).toString();
  }
  texts.removeAll(QString());
  return texts;
}

// What each language shows for the same place: the window's specified
// Japanese and its English.
const struct {
  const char* japanese;
  const char* english;
} kSamples[] = {
    {"Volemo - ランダムフレーズメイカー", "Volemo - Random Phrase Maker"},
    {"ファイル(&F)", "&File"},
    {"MMLファイルを開く(&O)", "&Open MML file…"},
    {"フレーズの作業台(&W)", "Phrase &workbench"},
    {"ヘルプ(&H)", "&Help"},
    {"パターン作成演奏", "Make and play along the pattern"},
    {"スケールの選択", "Scale"},
    {"リズムパターンをランダムに作成するため", "For making random rhythm patterns"},
    {"分音符×", "th note ×"},
    {"作成されたフレーズ", "Phrase made"},
    {"表示言語 (Language)", "Language"},
    {"都節音階", "都節音階 (Miyako-bushi)"},
    {"フレーズの作業台 - Volemo", "Phrase Workbench - Volemo"},
    {"作り直す", "Re-roll"},
    {"スケールとキー", "Scale and key"},
    {"都節音階の箏", "Miyako-bushi koto"},
    {"出力(&O)", "&Output"},
    {"内蔵シンセ", "Built-in synthesizer"},
    {"プリセットの名前", "Preset name"},
    {"全て (*)", "All files (*)"},
    {"MMLフレーズを作成しました。", "MML phrase made."},
    {"全ての音をロックしました。", "All notes locked."},
    {"付属のプリセット「都節音階の箏」は削除できません。", "The shipped preset \"Miyako-bushi koto\" cannot be deleted."},
    {"マニュアルを開くアプリがありません。マニュアルの場所: ", "No program to open the manual. The manual is at: "},
    {"1行目 3文字目: \"x\" は未定義の命令です。 2行目 4文字目: \"q\" の後に数がありません。",
     "Line 1, column 3: \"x\" is no command. Line 2, column 4: \"q\" needs a number after it."},
    {"和音進行を読めません: \"H\" は和音ではありません。", "Cannot read the chord progression: \"H\" is not a chord:"},
    {"形式を読めません: 形式は大文字の並びで", "Cannot read Form: a form is capital letters"},
};

// Whether a text begins with the sample (a status text ends with a path).
bool FindsText(const QStringList& texts, const char* sample) {
  const QString s = QString::fromUtf8(sample);
  return std::any_of(texts.begin(), texts.end(), [&](const QString& t) { return t.startsWith(s); });
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

  // Opens every window and dialog of the program in the language and
  // gathers what they show.
  QStringList Walk(QStringList& scaleNames) {
    CopyShippedScaleFile();
    Answerer answerer;
    answerer.desktopOpensDocuments = false;
    TfrmMain w;
    w.show();
    QStringList texts;
    const auto status = [&] { texts << StatusText(w); };
    const auto walk = [&](QDialog& dialog) { texts << TextsOf(dialog); };
    for (const char* command : {"mnuPatternRandom", "mnuPhraseMake", "mnuCopyMML", "mnuToWeb", "mnuEnglish"}) {
      Find<QAction>(w, command)->trigger();
      status();
    }
    Find<QAction>(w, "mnuWorkbench")->trigger();
    auto* bench = Find<QWidget>(w, "frmWorkbench");
    for (const char* button : {"btnLockAll", "btnReroll", "btnUnlockAll", "btnMutate", "btnReroll"}) {
      QTest::mouseClick(Find<QPushButton>(*bench, button), Qt::LeftButton);
      status();
    }
    answerer.whileModal = {walk, walk, walk, walk};
    Find<QPushButton>(*bench, "btnDrumWeights")->click();
    Find<QAction>(w, "mnuEasyHelp")->trigger();
    Find<QAction>(w, "mnuVersion")->trigger();
    QTest::mouseClick(Find<QPushButton>(*bench, "btnPresetSave"), Qt::LeftButton);
    // The shipped koto preset, which cannot be deleted: its error box.
    auto* presets = Find<QComboBox>(*bench, "cmbPreset");
    presets->setCurrentIndex(presets->findData(QStringLiteral("都節音階の箏")));
    QTest::mouseClick(Find<QPushButton>(*bench, "btnPresetDelete"), Qt::LeftButton);
    Find<QAction>(w, "mnuSaveMml")->trigger();
    for (const SaveRequest& r : answerer.saveRequests) texts << r.filters << r.fileName;
    for (const auto& box : answerer.boxes) texts << box.caption << box.text;
    for (const QString& document : answerer.openedDocuments) texts << document;  // the manual
    // The messages of the compiler and of the panels' settings.
    Find<QPlainTextEdit>(w, "memMML")->setPlainText(QStringLiteral("c x\r\nc8 q"));
    Find<QAction>(w, "mnuSaveMidi")->trigger();
    status();
    for (const auto& [field, text] : {std::pair{"txtProgression", "I H"}, {"txtForm", "A1"}}) {
      auto* edit = Find<QLineEdit>(*bench, field);
      edit->setText(QString::fromUtf8(text));
      emit edit->editingFinished();
    }
    texts << TextsOf(w) << TextsOf(*bench);
    for (const std::string& name : w.state().scaleNames) scaleNames << QString::fromStdString(Utf8FromCp932(name));
    return texts;
  }

 private slots:
  void english() {
    QCOMPARE(InstallTranslations(Language::English, QStringLiteral(VOLEMO_TEST_TRANSLATIONS)), QString());
    QStringList scales;
    const QStringList texts = Walk(scales);
    const QStringList japaneseScales = scales.filter(QRegularExpression(QStringLiteral("[\\x{3040}-\\x{9FFF}]")));
    QCOMPARE(japaneseScales.size(), 6);
    QStringList japanese;
    for (QString text : texts) {
      if (text == u"日本語") continue;  // the language menu names each language in its own script
      for (const QString& scale : japaneseScales) text.remove(scale);
      if (std::any_of(text.begin(), text.end(), IsJapanese)) japanese << text;
    }
    japanese.removeDuplicates();
    QVERIFY2(japanese.isEmpty(), qPrintable(japanese.join(u'\n')));
    for (const auto& sample : kSamples)
      QVERIFY2(FindsText(texts, sample.english), sample.english);
    QVERIFY(texts.size() > 300);
    QVERIFY(!texts.filter(QRegularExpression(QStringLiteral("/manual/en/index\\.html$"))).isEmpty());
  }

  void japanese() {
    QCOMPARE(InstallTranslations(Language::Japanese, QStringLiteral(VOLEMO_TEST_TRANSLATIONS)), QString());
    QStringList scales;
    const QStringList texts = Walk(scales);
    for (const auto& sample : kSamples) {
      QVERIFY2(FindsText(texts, sample.japanese), sample.japanese);
      QVERIFY2(!texts.contains(QString::fromUtf8(sample.english)), sample.english);
    }
    QVERIFY(!texts.filter(QRegularExpression(QStringLiteral("[^n]/manual/index\\.html$"))).isEmpty());
  }

  // The README's pictures of the English window: with VOLEMO_SCREENSHOTS
  // naming a folder, the main window and the workbench with a phrase are
  // drawn there (main-window-en.png, workbench-en.png).
  void screenshots() {
    const QString folder = qEnvironmentVariable("VOLEMO_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("VOLEMO_SCREENSHOTS names no folder");
    QCOMPARE(InstallTranslations(Language::English, QStringLiteral(VOLEMO_TEST_TRANSLATIONS)), QString());
    CopyShippedScaleFile();
    Answerer answerer;
    TfrmMain w;
    w.show();
    for (const char* command : {"mnuPatternRandom", "mnuPhraseMake", "mnuWorkbench"}) Find<QAction>(w, command)->trigger();
    auto* bench = Find<QWidget>(w, "frmWorkbench");
    QTest::qWait(200);
    QVERIFY(w.grab().save(folder + QStringLiteral("/main-window-en.png")));
    QVERIFY(bench->grab().save(folder + QStringLiteral("/workbench-en.png")));
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

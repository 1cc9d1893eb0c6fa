// The window playing into a MIDI port chosen in its menu "出力", against a
// JACK server and a receiving client of the test's own.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "frmMainU.h"
#include "jack_test_support.h"
#include "play_sequence.h"
#include "ui_test_support.h"

using namespace volemo;
using namespace volemo::test;

namespace {

// The menu as it opens, and its item of this text, once there: the menu
// asks for the ports on a thread of its own.
QAction* OutputItem(TfrmMain& window, const QString& text) {
  auto* menu = Find<QMenu>(window, "mnuOutput");
  emit menu->aboutToShow();
  QAction* found = nullptr;
  const bool shown = QTest::qWaitFor([&] {
    for (QAction* item : menu->actions())
      if (item->text() == text) found = item;
    return found != nullptr;
  }, 20000);
  if (!shown) qFatal("no output item %s", qPrintable(text));
  return found;
}

}  // namespace

class PortsTest : public QObject {
  Q_OBJECT

 private slots:
  void PlaysIntoTheChosenPortAndEndsWhenItGoesAway() {
    CopyShippedScaleFile();
    QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")).remove(QStringLiteral("output"));  // a run before
    const Answerer answerer;
    const JackServer server;
    auto monitor = std::make_unique<MidiMonitor>();
    auto window = std::make_unique<TfrmMain>();
    window->show();
    const auto play = [&](const char* mml) {
      window->settings().SetMmlText(mml);
      QTest::mouseClick(Find<QToolButton>(*window, "ToolButton4"), Qt::LeftButton);
    };
    const QString port = QStringLiteral("midi-monitor:input");
    OutputItem(*window, port)->trigger();
    OutputItem(*window, QStringLiteral("内蔵シンセ"))->trigger();  // the port alone
    QCOMPARE(QString::fromStdString(window->player().OutputPort()), port);
    QVERIFY(!OutputItem(*window, QStringLiteral("内蔵シンセ"))->isChecked());
    Find<QCheckBox>(*window, "chkMakePattern")->setChecked(false);

    const std::string differs = PlayedNotesDifferFrom(TempMidPath(), *monitor, [&] {
      play("t240 o4 l8 c d e f g >c");
      QVERIFY(QTest::qWaitFor([&] { return !window->player().IsPlaying(); }, 20000));
    });
    QCOMPARE(QString::fromStdString(differs), QString());

    // A port that goes away mid-phrase ends the play, and the status line says why.
    const size_t before = monitor->Received().size();
    play("t60 o4 c1 d1 e1 f1");
    QTRY_VERIFY_WITH_TIMEOUT(monitor->Received().size() > before, 20000);
    monitor->Vanish();
    QTRY_COMPARE_WITH_TIMEOUT(StatusText(*window),
                              QStringLiteral("MIDI ポート \"midi-monitor:input\" への出力が途切れました（ポートがなくなりました）。"),
                              20000);
    QVERIFY(!window->player().IsPlaying());
    QVERIFY(answerer.boxes.empty());

    // Remembered by its name: a window made later shows it missing.
    window = std::make_unique<TfrmMain>();
    QVERIFY(OutputItem(*window, port + QStringLiteral("（見つかりません）"))->isChecked());
  }
};

QTEST_MAIN(PortsTest)
#include "ports_test.moc"

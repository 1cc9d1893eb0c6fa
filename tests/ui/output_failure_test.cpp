// The window when the sound output fails while a phrase plays (its file
// sink is a full disk): one error box with the reason, learnt by polling
// the player.
#include <QToolButton>
#include <QtTest>

#include "frmMainU.h"
#include "ui_test_support.h"

using namespace volemo;
using namespace volemo::test;

class OutputFailureTest : public QObject {
  Q_OBJECT

 private slots:
  void FailedOutputEndsThePlayWithOneErrorBox() {
    CopyShippedScaleFile();
    Answerer answerer;
    TfrmMain window;
    window.show();
    QTest::mouseClick(Find<QToolButton>(window, "ToolButton4"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!answerer.boxes.empty(), 60000);
    QCOMPARE(answerer.boxes.size(), size_t(1));
    QCOMPARE(answerer.boxes[0].kind, ModalAnswerer::Box::Error);
    QVERIFY2(answerer.boxes[0].text.startsWith(QStringLiteral("演奏中に音声出力が止まりました。 file: /dev/full: ")),
             qPrintable(answerer.boxes[0].text));
    QVERIFY(!window.player().IsPlaying());
  }
};

QTEST_MAIN(OutputFailureTest)
#include "output_failure_test.moc"

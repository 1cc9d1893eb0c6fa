// The workbench as it first opens on a common desktop screen (1920 x 1080,
// beside or over the main window): every control shows whole, those of
// the panels beside the roll without scrolling sideways, and the help line
// under the roll has the height its wrapped text needs.
#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

#include "workbench_window.h"

using namespace volemo;
using namespace volemo::test;

namespace {

// What a person reads or sets, not the parts a spin box or list is made of.
bool IsControl(const QWidget* w) {
  if (qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<const QComboBox*>(w->parentWidget()))
    return false;
  return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) || qobject_cast<const QLabel*>(w);
}

// Wide enough for what it shows: a tool button without a picture its text,
// the rest their own least width.
bool WideEnough(const QWidget* w) {
  if (const auto* tool = qobject_cast<const QToolButton*>(w); tool && tool->icon().isNull())
    return tool->fontMetrics().horizontalAdvance(tool->text()) <= tool->width();
  return w->width() >= w->minimumSizeHint().width();
}

QString Name(const QWidget* w) {
  const auto* label = qobject_cast<const QLabel*>(w);
  const auto* button = qobject_cast<const QAbstractButton*>(w);
  return QStringLiteral("%1 %2 \"%3\"")
      .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
           label ? label->text() : button ? button->text() : QString());
}

}  // namespace

class WorkbenchLayoutTest : public QObject, WorkbenchWindow {
  Q_OBJECT

 private slots:
  void init() { OpenWorkbench(); }
  void cleanup() { CloseWindow(); }

  void AtItsFirstSizeEveryControlAndTheHelpLineShowWhole() {
    QVERIFY(Bench().screen()->availableGeometry().width() >= 1920);
    W().settings().SetPatternText("NmNN dN^N rBNN Nm^N");
    Find<QAction>(W(), "mnuPhraseMake")->trigger();
    QTRY_VERIFY(Editor().Number(0) == 1);
    QVERIFY(Bench().frameGeometry().intersected(Bench().screen()->availableGeometry()) == Bench().frameGeometry());

    auto* panels = Find<QTabWidget>(Bench(), "tabsPanels");
    QVERIFY(panels->isVisible() && panels->count() > 0);
    int checked = 0;
    for (int tab = 0; tab < panels->count(); ++tab) {
      panels->setCurrentIndex(tab);
      auto* area = qobject_cast<QScrollArea*>(panels->widget(tab));
      QVERIFY(area);
      QCOMPARE(area->horizontalScrollBar()->maximum(), 0);
      for (QWidget* w : area->widget()->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(area->widget()) || !IsControl(w)) continue;
        const QRect r(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
        QVERIFY2(r.left() >= 0 && r.right() < area->viewport()->width(), qPrintable(Name(w)));
        QVERIFY2(WideEnough(w), qPrintable(Name(w)));
        ++checked;
      }
    }
    QVERIFY(checked > 40);

    // The rest: wholly in sight, none narrower than it needs.
    for (QWidget* w : Bench().findChildren<QWidget*>()) {
      if (!w->isVisible() || !IsControl(w) || panels->isAncestorOf(w)) continue;
      QVERIFY2(w->visibleRegion() == QRegion(w->rect()), qPrintable(Name(w)));
      QVERIFY2(WideEnough(w), qPrintable(Name(w)));
    }
    for (const char* name : {"lblWorkbench", "sbarWorkbenchText"}) {
      auto* label = Find<QLabel>(Bench(), name);
      QVERIFY(!label->text().isEmpty());
      const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap, label->text());
      QVERIFY2(needed.height() <= label->contentsRect().height(), name);
    }
    if (qEnvironmentVariableIsSet("VOLEMO_PICTURES"))
      QVERIFY(Bench().grab().save(qEnvironmentVariable("VOLEMO_PICTURES") + "/workbench-first-size.png"));
  }
};

QTEST_MAIN(WorkbenchLayoutTest)
#include "workbench_layout_test.moc"

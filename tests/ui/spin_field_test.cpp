// The spin field on its own: what its text and value are, when it clamps,
// how it steps, and which keys it refuses.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QVBoxLayout>
#include <QtTest>

#include "spin_field.h"

using volemo::SpinField;

class SpinFieldTest : public QObject {
  Q_OBJECT

  QWidget* window_ = nullptr;
  SpinField* field_ = nullptr;  // 1..64, starts at 16
  QLineEdit* other_ = nullptr;  // somewhere for the focus to go

  QLineEdit* Edit() { return field_->findChild<QLineEdit*>(); }
  void Type(const QString& text) {
    field_->setFocus();
    Edit()->selectAll();
    QTest::keyClicks(field_, text);
  }
  void LeaveField() {
    other_->setFocus();
    QCoreApplication::processEvents();
  }

 private slots:
  void init() {
    window_ = new QWidget;
    field_ = new SpinField(1, 64, 16);
    other_ = new QLineEdit;
    auto* layout = new QVBoxLayout(window_);
    layout->addWidget(field_);
    layout->addWidget(other_);
    window_->show();
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() { delete window_; }

  void StartsAtItsInitialValue() {
    QCOMPARE(field_->text(), QStringLiteral("16"));
    QCOMPARE(field_->value(), 16);
    SpinField below(30, 300, 5), above(1, 16, 99);
    QCOMPARE(below.text(), QStringLiteral("30"));
    QCOMPARE(above.text(), QStringLiteral("16"));
  }

  void ReadsDecimalAndHexText() {
    const struct {
      const char* text;
      int value;
    } cases[] = {{"  7", 7},   {"+9", 9},      {"-3", -3},  {"$10", 16},
                 {"0x1f", 31}, {"X20", 32},   {"1.5", 1},  {"", 1},
                 {"12a", 1},   {"2147483648", 1}, {"-2147483648", -2147483647 - 1}};
    for (const auto& c : cases) {
      Edit()->setText(QString::fromLatin1(c.text));
      QCOMPARE(field_->text(), QString::fromLatin1(c.text));
      QVERIFY2(field_->value() == c.value, c.text);
    }
  }

  void TypedNumberOutsideTheRangeStaysUntilFocusLeaves() {
    Type(QStringLiteral("200"));
    QCOMPARE(field_->text(), QStringLiteral("200"));
    QCOMPARE(field_->value(), 200);
    LeaveField();
    QCOMPARE(field_->text(), QStringLiteral("64"));
    QCOMPARE(field_->value(), 64);

    Type(QStringLiteral("-5"));
    QCOMPARE(field_->value(), -5);
    LeaveField();
    QCOMPARE(field_->text(), QStringLiteral("1"));
  }

  void TextThatIsNoNumberSurvivesFocusLossAndReadsAsTheMinimum() {
    field_->setFocus();
    Edit()->setText(QStringLiteral("abc"));  // pasted: not filtered
    LeaveField();
    QCOMPARE(field_->text(), QStringLiteral("abc"));
    QCOMPARE(field_->value(), 1);
    field_->stepBy(1);  // the up arrow steps from the minimum
    QCOMPARE(field_->text(), QStringLiteral("2"));
  }

  void ArrowsStepByOneWithinTheRange() {
    field_->setFocus();
    QTest::keyClick(field_, Qt::Key_Up);
    QCOMPARE(field_->text(), QStringLiteral("17"));
    QTest::keyClick(field_, Qt::Key_Down);
    QTest::keyClick(field_, Qt::Key_Down);
    QCOMPARE(field_->text(), QStringLiteral("15"));
    field_->setValue(64);
    field_->stepBy(1);
    QCOMPARE(field_->text(), QStringLiteral("64"));
    Edit()->setText(QStringLiteral("200"));  // typed, not yet confirmed
    field_->stepBy(1);
    QCOMPARE(field_->text(), QStringLiteral("64"));
    Edit()->setText(QStringLiteral("-2147483648"));
    field_->stepBy(-1);  // no overflow below the 32-bit minimum
    QCOMPARE(field_->text(), QStringLiteral("1"));
  }

  void HeldArrowRepeatsAfter400msThenEvery100ms() {
    QCOMPARE(field_->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatThreshold, nullptr, field_), 400);
    QCOMPARE(field_->style()->styleHint(QStyle::SH_SpinBox_ClickAutoRepeatRate, nullptr, field_), 100);
  }

  void ProgramSetValueClampsAndCountsAsOneChange() {
    QSignalSpy changes(field_, &SpinField::changed);
    field_->setValue(99);
    QCOMPARE(field_->text(), QStringLiteral("64"));
    QCOMPARE(changes.count(), 1);
    field_->setValue(64);  // the same text: no change
    QCOMPARE(changes.count(), 1);
    field_->setValue(-7);
    QCOMPARE(field_->text(), QStringLiteral("1"));
    QCOMPARE(changes.count(), 2);
  }

  void RefusesKeysOtherThanDigitsSignsAndControlCharacters() {
    Type(QStringLiteral("1a2+-"));
    QCOMPARE(field_->text(), QStringLiteral("12+-"));
    QSignalSpy finished(field_, &QAbstractSpinBox::editingFinished);
    QTest::keyClick(field_, Qt::Key_Return);
    QTest::keyClick(field_, Qt::Key_Enter);
    QCOMPARE(finished.count(), 0);
    QCOMPARE(field_->text(), QStringLiteral("12+-"));
    QTest::keyClick(field_, Qt::Key_Backspace);
    QCOMPARE(field_->text(), QStringLiteral("12+"));
    const QString separator = QLocale().decimalPoint();
    QTest::keyClicks(field_, separator + QStringLiteral(" x"));
    QCOMPARE(field_->text(), QStringLiteral("12+") + separator);
  }

  void DeleteKeyEditsAsTheDesktopSendsIt() {
    // X11 puts the character DEL (127) in the Delete key's event.
    field_->setFocus();
    Edit()->setCursorPosition(0);
    QTest::sendKeyEvent(QTest::Click, field_, Qt::Key_Delete, QString(QChar(127)), Qt::NoModifier);
    QCOMPARE(field_->text(), QStringLiteral("6"));
    Edit()->selectAll();
    QTest::sendKeyEvent(QTest::Click, field_, Qt::Key_Delete, QString(QChar(127)), Qt::ShiftModifier);
    QCOMPARE(field_->text(), QString());  // Shift+Delete cuts
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("6"));
  }

  void TakesNoInputMethodText() {
    // The desktop asks the focused field whether an input method may
    // compose into it; a number field takes its keys directly.
    field_->setFocus();
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QCoreApplication::sendEvent(QApplication::focusObject(), &query);
    QCOMPARE(query.value(Qt::ImEnabled).toBool(), false);
  }

  void PastedTextIsNotFiltered() {
    QApplication::clipboard()->setText(QStringLiteral("x5 y"));
    field_->setFocus();
    Edit()->selectAll();
    QTest::keyClick(field_, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field_->text(), QStringLiteral("x5 y"));
    QCOMPARE(field_->value(), 1);
  }
};

QTEST_MAIN(SpinFieldTest)
#include "spin_field_test.moc"

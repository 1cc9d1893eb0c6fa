#include "spin_field.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QProxyStyle>
#include <algorithm>

#include "spin_value.h"

namespace volemo {
namespace {

// A held arrow repeats after 400 ms and then every 100 ms, whatever the
// desktop style would choose.
class RepeatStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_SpinBox_ClickAutoRepeatThreshold) return 400;
    if (hint == SH_SpinBox_ClickAutoRepeatRate) return 100;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};

QStyle* SharedRepeatStyle() {
  // Owned by the application so it outlives every field and follows the
  // application style.
  static QStyle* style = [] {
    auto* s = new RepeatStyle;
    s->setParent(qApp);
    return s;
  }();
  return style;
}

// Digits, the signs, the decimal separator and control characters other
// than Enter (backspace, copy, cut, paste, undo) may be typed.
bool MayType(const QKeyEvent& event) {
  // Ctrl with a letter is a control character, whether or not the platform
  // puts that character in the event's text.
  if (event.modifiers() & Qt::ControlModifier) return true;
  const QString text = event.text();
  if (text.isEmpty()) return true;  // navigation and arrow keys carry no text
  const QChar c = text.front();
  // X11 gives the Delete key the character DEL (127): an editing key, as
  // backspace is.
  if (c.unicode() < 32 || c.unicode() == 127) return c != u'\r' && c != u'\n';
  return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' ||
         QString(c) == QLocale().decimalPoint();
}

}  // namespace

SpinField::SpinField(int minimum, int maximum, int initial, QWidget* parent)
    : QAbstractSpinBox(parent), minimum_(minimum), maximum_(maximum) {
  setStyle(SharedRepeatStyle());
  setKeyboardTracking(true);
  setCorrectionMode(CorrectToPreviousValue);  // never used: every text is acceptable
  lineEdit()->setText(QString::number(std::clamp(initial, minimum, maximum)));
  connect(lineEdit(), &QLineEdit::textChanged, this, &SpinField::changed);
}

int32_t SpinField::value() const {
  return SpinValue(text().toStdString(), minimum_);
}

void SpinField::setText(const QString& text) {
  if (text != lineEdit()->text()) lineEdit()->setText(text);
}

void SpinField::setValue(int v) {
  const QString t = QString::number(std::clamp(v, minimum_, maximum_));
  if (t != lineEdit()->text()) lineEdit()->setText(t);
}

void SpinField::stepBy(int steps) {
  const int64_t next = int64_t{value()} + steps;
  setValue(static_cast<int>(std::clamp<int64_t>(next, minimum_, maximum_)));
}

QValidator::State SpinField::validate(QString&, int&) const {
  // Any text may stand in the field; pasted text is not filtered.
  return QValidator::Acceptable;
}

QVariant SpinField::inputMethodQuery(Qt::InputMethodQuery query) const {
  // Keys reach the field as typed, so that the rule on typed characters
  // holds: an input method would commit full-width digits and kana, which
  // no key event ever sees.
  if (query == Qt::ImEnabled) return false;
  return QAbstractSpinBox::inputMethodQuery(query);
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const {
  return StepUpEnabled | StepDownEnabled;
}

void SpinField::keyPressEvent(QKeyEvent* event) {
  if (!MayType(*event)) {
    QApplication::beep();
    event->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(event);
}

void SpinField::focusOutEvent(QFocusEvent* event) {
  // A number outside the range becomes the nearest bound; text that is not
  // a number stays as it is.
  if (const auto n = ParseSpinText(text().toStdString())) {
    if (*n < minimum_ || *n > maximum_) setValue(*n);
  }
  QAbstractSpinBox::focusOutEvent(event);
}

}  // namespace volemo

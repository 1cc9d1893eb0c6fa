// The numeric spin field: a text box with up and down arrows whose text is
// whatever the user typed. Its value is read from that text every time it is
// asked for, and the range is enforced only when the focus leaves or the
// program sets a value, so a half-typed number is never rewritten under the
// user's fingers.
#pragma once

#include <QAbstractSpinBox>
#include <cstdint>

namespace volemo {

class SpinField : public QAbstractSpinBox {
  Q_OBJECT

 public:
  SpinField(int minimum, int maximum, int initial, QWidget* parent = nullptr);

  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }

  // The text read as a number, or the minimum when it is not one; never
  // clamped.
  int32_t value() const;
  // Clamps v into the range and shows it; a different text counts as a
  // change of the field.
  void setValue(int v);
  // Shows text as if typed: not clamped, a change of the field when it differs.
  void setText(const QString& text);

  void stepBy(int steps) override;
  QValidator::State validate(QString& input, int& pos) const override;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 signals:
  // Every change of the text, typed or set by the program.
  void changed();

 protected:
  StepEnabled stepEnabled() const override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int minimum_, maximum_;
};

}  // namespace volemo

// A plain text box that stays quick with lines of any length. Qt lays out
// a paragraph whole, so a line of megabytes would take seconds for each
// keystroke; here a long line is held as paragraphs of a few thousand
// characters, each after the first marked as joined to the one before.
// The marks are block formats, so undo and redo keep them; the text read
// back, copied or dragged out has them taken away again.
#pragma once

#include <QPlainTextEdit>

namespace volemo {

class LongLineBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  using QPlainTextEdit::QPlainTextEdit;

  // As setPlainText and toPlainText, with lines exactly as given.
  void SetText(const QString& text);
  QString Text() const;

 protected:
  QMimeData* createMimeDataFromSelection() const override;
  void insertFromMimeData(const QMimeData* source) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // The plain text between two places, without the joins' breaks.
  QString Joined(int from, int to) const;
};

}  // namespace volemo

// The text box that holds long lines in joined pieces: whatever is typed,
// pasted, copied or undone, the text read back is the text as edited, with
// no break where a piece ends.
#include <QApplication>
#include <QClipboard>
#include <QtTest>

#include "long_line_box.h"

using namespace volemo;

class LongLineBoxTest : public QObject {
  Q_OBJECT

  // A line of n characters that tells every place apart.
  static QString Line(qsizetype n, char16_t first = u'a') {
    QString line(n, u' ');
    for (qsizetype i = 0; i < n; ++i) line[i] = QChar(char16_t(first + i % 23));
    return line;
  }

 private slots:
  void EditsAcrossPiecesKeepTheText() {
    const QString longLine = Line(10000);
    const QString text = QStringLiteral("t120\n") + longLine + QStringLiteral("\nend");
    const qsizetype join = 5 + 4096;  // where the first piece of the long line ends
    using Edit = std::function<void(LongLineBox&)>;
    const auto at = [](LongLineBox& box, qsizetype place) {
      QTextCursor cursor = box.textCursor();
      cursor.setPosition(int(place));
      box.setTextCursor(cursor);
    };
    // Places in the text as read back; a join adds one place in the box.
    const struct {
      const char* name;
      Edit edit;
      QString expected;
    } cases[] = {
        {"nothing", [](LongLineBox&) {}, text},
        {"typed after a join",
         [&](LongLineBox& box) {
           at(box, join + 1);
           QTest::keyClicks(&box, QStringLiteral("xy"));
         },
         QString(text).insert(join, QStringLiteral("xy"))},
        {"new line at a join",
         [&](LongLineBox& box) {
           at(box, join + 1);
           QTest::keyClick(&box, Qt::Key_Return);
         },
         QString(text).insert(join, u'\n')},
        {"backspace at a join",
         [&](LongLineBox& box) {
           at(box, join + 1);
           QTest::keyClick(&box, Qt::Key_Backspace);
         },
         QString(text).remove(join - 1, 1)},
        {"delete at a join",
         [&](LongLineBox& box) {
           at(box, join);
           QTest::keyClick(&box, Qt::Key_Delete);
         },
         QString(text).remove(join, 1)},
        {"long line pasted into a piece",
         [&](LongLineBox& box) {
           at(box, 7);
           QApplication::clipboard()->setText(Line(9000, u'A'));
           box.paste();
         },
         QString(text).insert(7, Line(9000, u'A'))},
        {"cut across a join and pasted back at the end",
         [&](LongLineBox& box) {
           QTextCursor cursor = box.textCursor();
           cursor.setPosition(int(join - 10));
           cursor.setPosition(int(join + 11), QTextCursor::KeepAnchor);
           box.setTextCursor(cursor);
           box.cut();
           box.moveCursor(QTextCursor::End);
           box.paste();
         },
         QString(text).remove(join - 10, 20) + text.mid(join - 10, 20)},
    };
    for (const auto& c : cases) {
      LongLineBox box;
      box.SetText(text);
      QVERIFY2(box.blockCount() > 3, c.name);  // the long line is in pieces
      c.edit(box);
      QCOMPARE(box.Text(), c.expected);
      while (box.document()->isUndoAvailable()) box.undo();
      QCOMPARE(box.Text(), text);
      while (box.document()->isRedoAvailable()) box.redo();
      QCOMPARE(box.Text(), c.expected);
    }
  }
};

QTEST_MAIN(LongLineBoxTest)
#include "long_line_box_test.moc"

#include "long_line_box.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <vector>

namespace volemo {
namespace {

constexpr int kJoined = QTextFormat::UserProperty + 1;
// A paragraph this long lays out in well under a frame, in any wrap mode.
constexpr qsizetype kPiece = 4096;

bool IsJoined(const QTextBlock& block) { return block.blockFormat().boolProperty(kJoined); }

QTextBlockFormat Format(const QTextBlockFormat& base, bool joined) {
  QTextBlockFormat format = base;
  if (joined) {
    format.setProperty(kJoined, true);
  } else {
    format.clearProperty(kJoined);
  }
  return format;
}

// A text with its long lines cut into pieces, and for each of its line
// breaks whether it is a cut.
struct Pieces {
  QString text;
  std::vector<bool> cuts;
};

Pieces Cut(const QString& text) {
  Pieces pieces;
  pieces.text.reserve(text.size() + text.size() / kPiece);
  for (qsizetype line = 0;;) {
    qsizetype end = text.indexOf(u'\n', line);
    if (end < 0) end = text.size();
    for (qsizetype piece = line; piece < end;) {
      qsizetype size = std::min(kPiece, end - piece);
      // Never between the halves of a surrogate pair.
      if (piece + size < end && text[piece + size - 1].isHighSurrogate()) --size;
      if (piece > line) {
        pieces.text += u'\n';
        pieces.cuts.push_back(true);
      }
      pieces.text += QStringView(text).mid(piece, size);
      piece += size;
    }
    if (end == text.size()) return pieces;
    pieces.text += u'\n';
    pieces.cuts.push_back(false);
    line = end + 1;
  }
}

// Marks the paragraphs after block, one for each cut or line break; new
// paragraphs take the format of the one they were split from, joined or not.
void MarkJoins(QTextBlock block, const std::vector<bool>& cuts) {
  for (const bool cut : cuts) {
    block = block.next();
    if (IsJoined(block) != cut) QTextCursor(block).setBlockFormat(Format(block.blockFormat(), cut));
  }
}

}  // namespace

void LongLineBox::SetText(const QString& text) {
  const Pieces pieces = Cut(text);
  setPlainText(pieces.text);
  if (pieces.text.size() == text.size()) return;
  document()->setUndoRedoEnabled(false);  // a new text starts a new history
  MarkJoins(document()->begin(), pieces.cuts);
  document()->setUndoRedoEnabled(true);
}

QString LongLineBox::Text() const { return Joined(0, document()->characterCount() - 1); }

QString LongLineBox::Joined(int from, int to) const {
  // The document's own text, read as it is stored: a copy of a range through
  // a cursor would build a second document of it.
  QString text = document()->toRawText();
  if (from > 0 || to < text.size()) text = text.mid(from, to - from);
  // Each join's break is the character just before its paragraph.
  std::vector<int> breaks;
  const QTextBlock last = document()->findBlock(to);
  for (QTextBlock block = document()->findBlock(from); block != last;) {
    block = block.next();
    if (IsJoined(block)) breaks.push_back(block.position() - 1 - from);
  }
  // The breaks taken out in one pass, the rest read as plain text reads it.
  QChar* kept = text.data();
  auto next = breaks.begin();
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (next != breaks.end() && i == *next) {
      ++next;
      continue;
    }
    const QChar c = text[i];
    *kept++ = c == QChar::ParagraphSeparator || c == QChar::LineSeparator ? QChar(u'\n')
              : c == QChar::Nbsp                                          ? QChar(u' ')
                                                                          : c;
  }
  text.truncate(kept - text.data());
  return text;
}

QMimeData* LongLineBox::createMimeDataFromSelection() const {
  const QTextCursor cursor = textCursor();
  auto* data = new QMimeData;
  data->setText(Joined(cursor.selectionStart(), cursor.selectionEnd()));
  return data;
}

void LongLineBox::insertFromMimeData(const QMimeData* source) {
  if (isReadOnly() || !source || !source->hasText()) return;
  QString text = source->text();
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(u'\r', u'\n');
  const Pieces pieces = Cut(text);
  QTextCursor cursor = textCursor();
  cursor.beginEditBlock();
  cursor.removeSelectedText();
  const QTextBlock before = cursor.block();
  cursor.insertText(pieces.text);
  MarkJoins(before, pieces.cuts);
  cursor.endEditBlock();
  setTextCursor(cursor);
  ensureCursorVisible();
}

void LongLineBox::keyPressEvent(QKeyEvent* event) {
  QTextCursor cursor = textCursor();
  if (isReadOnly()) return QPlainTextEdit::keyPressEvent(event);
  // Backspace and Delete next to a join take the character beyond it, as
  // they would in a line wrapped there.
  if (!cursor.hasSelection() && event->modifiers() == Qt::NoModifier) {
    const QTextBlock block = cursor.block();
    const bool back = event->key() == Qt::Key_Backspace && cursor.atBlockStart() && IsJoined(block) &&
                      block.previous().length() > 1;
    const bool forward = event->key() == Qt::Key_Delete && cursor.atBlockEnd() && IsJoined(block.next()) &&
                         block.next().length() > 1;
    if (back || forward) {
      cursor.setPosition(back ? cursor.position() - 1 : cursor.position() + 1);
      cursor.movePosition(back ? QTextCursor::PreviousCharacter : QTextCursor::NextCharacter,
                          QTextCursor::KeepAnchor);
      cursor.removeSelectedText();
      setTextCursor(cursor);
      return;
    }
  }
  // A line broken inside a joined piece starts a line of its own.
  if (event->matches(QKeySequence::InsertParagraphSeparator) ||
      event->matches(QKeySequence::InsertLineSeparator)) {
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.insertBlock(Format(cursor.blockFormat(), false));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
    return;
  }
  QPlainTextEdit::keyPressEvent(event);
}

}  // namespace volemo

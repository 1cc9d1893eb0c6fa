// The MML box with the longest text the compiler takes (16 MB) as one line:
// putting it in and painting, and a keystroke in its middle. The floor is
// a plain box given the same text already broken into short lines. Then the
// box's text read back, as each play and take does, and a line of a
// megabyte pasted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPixmap>

#include "long_line_box.h"

namespace volemo {
namespace {

constexpr qsizetype kSize = qsizetype{16} << 20;

QString Text(bool broken) {
  QString text(kSize, u'c');
  for (qsizetype i = 0; i < kSize; i += 8) text[i] = u' ';
  if (broken)
    for (qsizetype i = 4000; i < kSize; i += 4001) text[i] = u'\n';
  return text;
}

template <class Box>
void Run(benchmark::State& state, bool broken) {
  const QString text = Text(broken);
  Box box;
  box.resize(600, 300);
  QPixmap target(box.size());
  for (auto _ : state) {
    if constexpr (std::is_same_v<Box, LongLineBox>) {
      box.SetText(text);
    } else {
      box.setPlainText(text);
    }
    box.render(&target);
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(int(kSize / 2));
    box.setTextCursor(cursor);
    QKeyEvent key(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    QApplication::sendEvent(&box, &key);
    box.render(&target);
  }
}

void BM_OneLineOf16MB(benchmark::State& state) { Run<LongLineBox>(state, false); }
void BM_Floor_ShortLinesOf16MB(benchmark::State& state) { Run<QPlainTextEdit>(state, true); }

void ReadBack(benchmark::State& state, bool broken) {
  LongLineBox box;
  box.SetText(Text(broken));
  for (auto _ : state) benchmark::DoNotOptimize(box.Text());
}

void BM_ReadBack_OneLineOf16MB(benchmark::State& state) { ReadBack(state, false); }
void BM_ReadBack_ShortLinesOf16MB(benchmark::State& state) { ReadBack(state, true); }

void BM_PasteOneLineOf1MB(benchmark::State& state) {
  QApplication::clipboard()->setText(QString(qsizetype{1} << 20, u'c'));
  LongLineBox box;
  box.resize(600, 300);
  QPixmap target(box.size());
  for (auto _ : state) {
    box.SetText({});
    box.paste();
    box.render(&target);
  }
}

BENCHMARK(BM_OneLineOf16MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_Floor_ShortLinesOf16MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadBack_OneLineOf16MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadBack_ShortLinesOf16MB)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PasteOneLineOf1MB)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace volemo

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
}

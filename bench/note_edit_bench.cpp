// What a hand edit costs: the edit to the rewritten MML text (a key alone,
// and the edits that write the body anew), and one repaint of the roll
// while a note is dragged.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "composer.h"
#include "memory_settings.h"
#include "note_edits.h"
#include "roll_content.h"
#include "roll_editor.h"
#include "roll_views.h"

namespace volemo {
namespace {

// 64 steps with bends, chords, doubles, ties and rests; the note of step 5
// has a rest after it.
struct Composed {
  Composed() {
    state.random.Seed(1);
    settings.SetText("spnCount", "64");
    settings.SetPatternText("NmBW dNr^ NNrN BdWr");
    phrase = ComposePhrase(settings, state);
  }
  // The number of the note starting at tick.
  int NumberAt(int64_t tick) const {
    for (const PhraseNote& n : phrase.Notes())
      if (n.startTick == tick) return n.number;
    return 0;
  }
  EngineState state;
  MemorySettings settings{state};
  Phrase phrase;
};

enum Edit { kKey, kStart, kLength, kVelocity };

void BM_HandEditToMml(benchmark::State& bench) {
  Composed c;
  const int64_t step = c.phrase.Frame().stepTicks;
  const int number = c.NumberAt(5 * step);
  const PhraseNote note = c.phrase.Note(number);
  bool back = false;
  for (auto _ : bench) {
    switch (Edit(bench.range(0))) {
      case kKey: MoveNote(c.phrase, number, note.startTick, note.key + (back ? 0 : 2)); break;
      case kStart: MoveNote(c.phrase, number, note.startTick + (back ? 0 : step), note.key); break;
      case kLength: SetNoteLength(c.phrase, number, note.lengthTicks + (back ? 0 : step)); break;
      case kVelocity: SetNoteVelocity(c.phrase, number, back ? 100 : 60); break;
    }
    benchmark::DoNotOptimize(c.phrase.Mml().data());
    back = !back;
  }
  bench.counters["notes"] = double(c.phrase.Notes().size());
}
BENCHMARK(BM_HandEditToMml)->ArgName("key0_start1_length2_velocity3")->DenseRange(0, 3)->Unit(benchmark::kMicrosecond);

// One step of a drag: the note shown a row higher or back, the roll's
// picture painted anew and put on the screen's buffer.
void BM_DragRepaintOf64Steps(benchmark::State& bench) {
  Composed c;
  RollEditor editor;
  RollNoteView view(editor);
  editor.SetContent(ReadRoll(c.phrase.Mml(), c.phrase.Notes().size()));
  std::vector<int> numbers(editor.content().notes.size());
  for (size_t i = 0; i < numbers.size(); ++i) numbers[i] = int(i) + 1;
  editor.SetNumbers(numbers, std::vector<bool>(numbers.size(), false));
  view.resize(700, 300);
  editor.SetViewSize(view.size());
  const int note = 5;
  const RollNote original = editor.content().notes[note];
  QPixmap target(700, 300);
  bool back = false;
  for (auto _ : bench) {
    RollNote shown = original;
    if (!back) shown.key = uint8_t(shown.key + 1);
    editor.SetNote(note, shown);
    view.PaintBackground();
    view.render(&target);
    back = !back;
  }
  bench.counters["notes"] = double(editor.content().notes.size());
}
BENCHMARK(BM_DragRepaintOf64Steps)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace volemo

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

// How long the workbench's piano roll takes to paint: the whole roll after a
// change (grid, notes, bends, pins, keyboard and ruler), and one step of
// the playhead while the phrase plays, and one step of a note's drag.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "composer.h"
#include "memory_settings.h"
#include "roll_content.h"
#include "roll_editor.h"
#include "roll_views.h"

namespace volemo {
namespace {

// A 64-step phrase drawn from the default weights with bends and chords,
// every fourth note locked, on a roll the workbench's default size.
struct Roll {
  Roll() {
    state.random.Seed(1);
    settings.SetText("spnPatternCount", "64");
    settings.SetText("spnCount", "64");
    settings.SetPosition("scrP5", 20);
    settings.SetPosition("scrP6", 20);
    const Phrase phrase = ComposePhrase(settings, state);
    editor.SetContent(ReadRoll(phrase.Mml(), phrase.Notes().size()));
    const size_t count = editor.content().notes.size();
    std::vector<int> numbers(count);
    std::vector<bool> locked(count);
    for (size_t i = 0; i < count; ++i) {
      numbers[i] = int(i) + 1;
      locked[i] = i % 4 == 0;
    }
    editor.SetNumbers(numbers, locked);
    keyboard.resize(44, 300);
    ruler.resize(700, 18);
    notes.resize(700, 300);
    editor.SetViewSize(notes.size());
    editor.Select(3);
  }
  EngineState state;
  MemorySettings settings{state};
  RollEditor editor;
  RollKeyboard keyboard{editor};
  RollRuler ruler{editor};
  RollNoteView notes{editor};
};

void BM_PaintRollOf64Steps(benchmark::State& bench) {
  Roll roll;
  QPixmap target(744, 320);
  for (auto _ : bench) {
    roll.notes.PaintBackground();
    roll.keyboard.render(&target);
    roll.ruler.render(&target, QPoint(44, 0));
    roll.notes.render(&target, QPoint(44, 18));
  }
  bench.counters["notes"] = double(roll.editor.content().notes.size());
  bench.counters["passes"] = roll.editor.content().passes;  // 4: one pass of 64 steps on the roll
}
BENCHMARK(BM_PaintRollOf64Steps)->Unit(benchmark::kMillisecond);

// What the window does 30 times a second while the phrase plays: the two
// strips the playhead leaves and enters, from the kept picture.
void BM_PlayheadStep(benchmark::State& bench) {
  Roll roll;
  roll.notes.PaintBackground();
  QPixmap target(700, 300);
  int tick = 0;
  for (auto _ : bench) {
    const int oldX = roll.editor.X(tick);
    tick = (tick + 37) % int(roll.editor.content().endTick);
    roll.editor.SetPlayhead(tick);
    const int newX = roll.editor.X(tick);
    roll.notes.render(&target, QPoint(oldX - 2, 0), QRegion(oldX - 2, 0, 5, 300));
    roll.notes.render(&target, QPoint(newX - 2, 0), QRegion(newX - 2, 0, 5, 300));
  }
}
BENCHMARK(BM_PlayheadStep)->Unit(benchmark::kMicrosecond);

// One step of a note's drag: the note shown a row higher (or back) with
// its row, key and span marked, and the note view, keyboard and ruler put
// on the screen's buffer.
void BM_DragRepaint(benchmark::State& bench) {
  Roll roll;
  const RollNote original = roll.editor.content().notes[5];
  roll.editor.DragNote(5, original, original.length);
  roll.notes.PaintBackground();
  QPixmap target(744, 320);
  bool back = false;
  for (auto _ : bench) {
    RollNote shown = original;
    if (!back) shown.key = uint8_t(shown.key + 1);
    roll.editor.DragNote(5, shown, shown.length);
    roll.notes.render(&target, QPoint(44, 18));
    roll.keyboard.render(&target);
    roll.ruler.render(&target, QPoint(44, 0));
    back = !back;
  }
}
BENCHMARK(BM_DragRepaint)->Unit(benchmark::kMillisecond);

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

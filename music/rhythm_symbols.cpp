#include "rhythm_symbols.h"

#include <algorithm>
#include <cmath>

namespace volemo {
namespace {

int64_t StepOf(int64_t tick, int64_t step) {
  const int64_t shifted = tick + step / 4;
  return shifted >= 0 ? shifted / step : -((-shifted + step - 1) / step);
}

// Whole steps, halves rounded up.
int64_t RoundedSteps(int64_t ticks, int64_t step) { return (2 * ticks + step) / (2 * step); }

}  // namespace

// Quantisation of note onsets and durations to a step grid, each step classified by its onsets (chord, subdivision, single note) or by what sounds through it (tie, rest).
RhythmReading ReadRhythm(std::span<const TimedNote> notes, int64_t stepTicks) {
  RhythmReading reading;
  if (notes.empty() || stepTicks < 1) return reading;
  // Onsets this close are one onset: the notes of a chord played by hand.
  const int64_t together = std::max<int64_t>(1, stepTicks / 8);
  int64_t next = StepOf(notes.front().start, stepTicks);  // the first step not yet written
  for (size_t first = 0; first < notes.size();) {
    const int64_t step = StepOf(notes[first].start, stepTicks);
    size_t last = first + 1;
    while (last < notes.size() && StepOf(notes[last].start, stepTicks) == step) ++last;
    reading.symbols.append(static_cast<size_t>(std::max<int64_t>(0, step - next)), 'r');

    int onsets = 1;
    int64_t end = 0;
    for (size_t i = first; i < last; ++i) {
      if (i > first && notes[i].start - notes[i - 1].start >= together) ++onsets;
      end = std::max(end, notes[i].start + notes[i].length);
    }
    int64_t written = std::max<int64_t>(1, RoundedSteps(end - step * stepTicks, stepTicks));
    if (last < notes.size()) written = std::min(written, StepOf(notes[last].start, stepTicks) - step);

    if (onsets > 1) {
      reading.symbols += 'd';
    } else if (last - first > 1) {
      reading.symbols += 'W';
    } else {
      const TimedNote& note = notes[first];
      const int gate = static_cast<int>(std::min<int64_t>(100, (200 * note.length + written * stepTicks) / (2 * written * stepTicks)));
      const bool muted = !note.bent && 2 * note.length < written * stepTicks;
      reading.symbols += note.bent ? 'B' : muted ? 'm' : 'N';
      (muted ? reading.mutedGates : reading.normalGates).push_back(gate);
    }
    reading.symbols.append(static_cast<size_t>(written - 1), '^');
    next = step + written;
    first = last;
  }
  return reading;
}

}  // namespace volemo

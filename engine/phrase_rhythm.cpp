// A new rhythm under the locked notes: the free steps drawn again as a
// drawn pattern's symbols, then the keys of the notes they make.
#include <algorithm>
#include <stdexcept>
#include <vector>

#include "controls.h"
#include "phrase.h"
#include "rhythm_pattern.h"
#include "step_sounds.h"

namespace volemo {

void Phrase::RerollRhythm(const Settings& settings, EngineState& state) {
  if (!Rewritable()) throw std::logic_error("this phrase does not know its steps and cannot take a new rhythm");
  const int64_t step = frame_.stepTicks, body = frame_.bodyTicks;
  const size_t steps = static_cast<size_t>((body + step - 1) / step);

  // A step in which a locked note sounds (its written length) is the
  // note's: only the others are drawn again.
  std::vector<PhraseNote> notes;
  std::vector<bool> held(steps, false);
  for (const PhraseNote& n : notes_) {
    if (!n.locked) continue;
    notes.push_back(n);
    const int64_t end = std::min(body, n.startTick + std::max<int64_t>(n.lengthTicks, 1));
    for (int64_t s = n.startTick / step; s * step < end; ++s) held[static_cast<size_t>(s)] = true;
  }

  const StepSounds sounds(settings);
  const int velocity = std::clamp(ValueInRange(settings, "spnV"), 1, 127);
  std::vector<size_t> tied;  // the notes a tie in the next step lengthens
  for (size_t s = 0; s < steps; ++s) {
    if (held[s]) {
      tied.clear();
      continue;
    }
    const int64_t start = static_cast<int64_t>(s) * step, length = std::min(step, body - start);
    const char symbol = DrawRhythmSymbol(settings, state.random);
    if (symbol == '^') {
      for (size_t k : tied) notes[k].lengthTicks += length;
      continue;
    }
    tied.clear();
    const StepSound sound = sounds.Of(symbol, start, length, state.random);
    for (size_t i = 0; i < sound.count; ++i) {
      // A half of a one-tick double has no length to write: the other half
      // sounds alone.
      if (sound.notes[i].length <= 0) continue;
      PhraseNote n;
      n.startTick = sound.notes[i].start;
      n.lengthTicks = sound.notes[i].length;
      n.gate = sound.gate;
      n.velocity = velocity;
      n.symbol = symbol;
      notes.push_back(n);
      if (i >= sound.tiedFrom) tied.push_back(notes.size() - 1);
    }
  }
  Rewrite(std::move(notes));
  Redraw(UnlockedIndexes(), settings, state);  // every unlocked note is new
}

}  // namespace volemo

// Hand edits of a phrase: one key in place, or the whole body written anew
// from its notes, so that the MML always says what the notes are.
#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>
#include <utility>

#include "mml_tokens.h"
#include "note_choice.h"
#include "phrase.h"

namespace volemo {
namespace {

// A length as MML writes it: nothing for one step, exact ticks otherwise.
std::string LengthText(int64_t ticks, int64_t step) { return ticks == step ? std::string() : TicksLength(ticks); }

}  // namespace

void CheckKey(int key) {
  if (key < 0 || key > kHighestKey) throw std::out_of_range("no MIDI key " + std::to_string(key));
}

void Phrase::SetKey(int number, int key) {
  const size_t index = IndexOf(number);
  CheckKey(key);
  notes_[index].key = key;
  Write();
}

void Phrase::Rewrite(std::vector<PhraseNote> notes) {
  if (!Rewritable()) throw std::logic_error("this phrase does not know its body's frame and cannot be rewritten");
  const int64_t body = frame_.bodyTicks, step = frame_.stepTicks;
  for (const PhraseNote& n : notes)
    if (n.startTick < 0 || n.startTick >= body)
      throw std::invalid_argument("a note at tick " + std::to_string(n.startTick) + " lies outside the body of " +
                                  std::to_string(body) + " ticks");
  std::stable_sort(notes.begin(), notes.end(),
                   [](const PhraseNote& a, const PhraseNote& b) { return a.startTick < b.startTick; });

  std::vector<std::string> texts{frame_.head};
  int64_t now = 0, line = 0;
  int gate = -1, velocity = -1;
  for (size_t first = 0, last = 0; first < notes.size(); first = last) {
    const int64_t start = notes[first].startTick;
    int64_t length = std::numeric_limits<int64_t>::max();
    for (last = first; last < notes.size() && notes[last].startTick == start; ++last)
      length = std::min(length, notes[last].lengthTicks);
    const int64_t next = last < notes.size() ? notes[last].startTick : body;
    length = std::clamp<int64_t>(length, 1, next - start);
    const bool chord = last - first > 1;

    std::string& before = texts.back();
    if (first > 0 && start / (kStepsPerLine * step) != line) before += kLineEnd;
    line = start / (kStepsPerLine * step);
    if (start > now) before += 'r' + LengthText(start - now, step);
    const int noteGate = std::clamp(notes[first].gate, 0, 100);
    const int noteVelocity = std::clamp(notes[first].velocity, 1, 127);
    if (noteGate != gate) before += 'q' + std::to_string(noteGate);
    if (noteVelocity != velocity) before += 'v' + std::to_string(noteVelocity);
    gate = noteGate;
    velocity = noteVelocity;
    // The bent step's slide, as the composer writes it.
    if (!chord && notes[first].symbol == 'B') before += kBendSlide;
    if (chord) before += '\'';
    for (size_t k = first; k < last; ++k) {
      PhraseNote& n = notes[k];
      n.lengthTicks = length;
      n.gate = noteGate;
      n.velocity = noteVelocity;
      n.soundingTicks = SoundingTicks(length, noteGate);
      if (chord) n.symbol = 'W';
      texts.emplace_back();
    }
    texts.back() += (chord ? "'" : "") + LengthText(length, step);
    now = start + length;
  }
  if (now < body) texts.back() += 'r' + LengthText(body - now, step);
  texts.back() += frame_.tail;
  for (size_t i = 0; i < notes.size(); ++i) notes[i].number = static_cast<int>(i) + 1;
  texts_ = std::move(texts);
  notes_ = std::move(notes);
  Write();
}

}  // namespace volemo

#include "note_edits.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

namespace volemo {
namespace {

bool SamePlace(const PhraseNote& a, const PhraseNote& b) { return a.startTick == b.startTick && a.key == b.key; }

// The phrase's notes with f applied to those of the step of note number
// (f is told whether the note is of its place too).
template <class F>
std::vector<PhraseNote> WithStep(const Phrase& phrase, int number, F f) {
  const PhraseNote target = phrase.Note(number);
  std::vector<PhraseNote> notes = phrase.Notes();
  for (PhraseNote& n : notes)
    if (n.startTick == target.startTick) f(n, SamePlace(n, target));
  return notes;
}

}  // namespace

void MoveNote(Phrase& phrase, int number, int64_t start, int key) {
  CheckKey(key);
  const PhraseNote target = phrase.Note(number);
  start = std::clamp<int64_t>(start, 0, std::max<int64_t>(phrase.Frame().bodyTicks - 1, 0));
  if (start == target.startTick) {
    for (const PhraseNote& n : std::vector<PhraseNote>(phrase.Notes()))
      if (SamePlace(n, target)) phrase.SetKey(n.number, key);
    return;
  }
  phrase.Rewrite(WithStep(phrase, number, [&](PhraseNote& n, bool place) {
    n.startTick = start;
    if (place) n.key = key;
  }));
}

void SetNoteLength(Phrase& phrase, int number, int64_t ticks) {
  phrase.Rewrite(WithStep(phrase, number, [&](PhraseNote& n, bool) { n.lengthTicks = std::max<int64_t>(ticks, 1); }));
}

void AddNote(Phrase& phrase, const Settings& settings, int64_t start, int key) {
  CheckKey(key);
  if (!phrase.Rewritable()) throw std::logic_error("this phrase cannot be rewritten");
  if (start < 0 || start >= phrase.Frame().bodyTicks)
    throw std::invalid_argument("no tick " + std::to_string(start) + " in the body");
  std::vector<PhraseNote> notes = phrase.Notes();
  PhraseNote added;
  added.startTick = start;
  added.lengthTicks = phrase.Frame().stepTicks;
  added.key = key;
  added.gate = settings.Position("scrGateN");
  added.velocity = notes.empty() ? 100 : notes.front().velocity;
  for (const PhraseNote& n : notes)
    if (n.startTick < start) added.velocity = n.velocity;
  notes.push_back(added);
  phrase.Rewrite(std::move(notes));
}

void RemoveNote(Phrase& phrase, int number) {
  const PhraseNote target = phrase.Note(number);
  std::vector<PhraseNote> notes = phrase.Notes();
  std::erase_if(notes, [&](const PhraseNote& n) { return SamePlace(n, target); });
  phrase.Rewrite(std::move(notes));
}

void SetNoteVelocity(Phrase& phrase, int number, int velocity) {
  phrase.Rewrite(WithStep(phrase, number, [&](PhraseNote& n, bool) { n.velocity = std::clamp(velocity, 1, 127); }));
}

}  // namespace volemo

#include "phrase.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "cp932.h"
#include "note_choice.h"
#include "translatable.h"

namespace volemo {

int64_t SoundingTicks(int64_t ticks, int gate) { return gate == 0 ? 0 : std::max<int64_t>(1, ticks * gate / 100); }

Phrase::Phrase(std::vector<std::string> texts, std::vector<PhraseNote> notes)
    : texts_(std::move(texts)), notes_(std::move(notes)) {
  if (texts_.size() != notes_.size() + 1) throw std::invalid_argument("a phrase needs one text more than notes");
  for (size_t i = 0; i < notes_.size(); ++i) notes_[i].number = static_cast<int>(i) + 1;
  Write();
}

void Phrase::Write() {
  mml_.clear();
  int lastNote = -1;
  for (size_t i = 0; i < notes_.size(); ++i) {
    mml_ += texts_[i];
    if (notes_[i].startsPart) lastNote = -1;
    notes_[i].textBegin = mml_.size();
    mml_ += NoteToMml(lastNote, notes_[i].key);
    notes_[i].textEnd = mml_.size();
  }
  mml_ += texts_.back();
}

size_t Phrase::IndexOf(int number) const {
  if (number < 1 || static_cast<size_t>(number) > notes_.size())
    throw std::out_of_range("no note " + std::to_string(number) + " in a phrase of " +
                            std::to_string(notes_.size()) + " notes");
  return static_cast<size_t>(number) - 1;
}

void Phrase::SetLocked(int number, bool locked) { notes_[IndexOf(number)].locked = locked; }

void Phrase::SetAllLocked(bool locked) {
  for (PhraseNote& n : notes_) n.locked = locked;
}

int Phrase::UnlockedCount() const {
  return static_cast<int>(std::count_if(notes_.begin(), notes_.end(), [](const PhraseNote& n) { return !n.locked; }));
}

std::vector<size_t> Phrase::UnlockedIndexes() const {
  std::vector<size_t> unlocked;
  for (size_t i = 0; i < notes_.size(); ++i)
    if (!notes_[i].locked) unlocked.push_back(i);
  return unlocked;
}

void Phrase::Redraw(const std::vector<size_t>& indexes, const Settings& settings, EngineState& state) {
  for (size_t i : indexes) notes_[i].key = chooser_ ? chooser_(notes_, i, settings, state) : PickNote(settings, state);
  Write();
}

void Phrase::Reroll(const Settings& settings, EngineState& state) { Redraw(UnlockedIndexes(), settings, state); }

void Phrase::Mutate(int k, const Settings& settings, EngineState& state) {
  if (k < 0) throw std::invalid_argument("cannot mutate " + std::to_string(k) + " notes");
  std::vector<size_t> unlocked = UnlockedIndexes();
  const size_t chosen = std::min(static_cast<size_t>(k), unlocked.size());
  if (chosen < unlocked.size()) {
    // The first `chosen` places of a shuffle, then back into text order.
    for (size_t i = 0; i < chosen; ++i) {
      const size_t j = i + state.random.Next(static_cast<uint32_t>(unlocked.size() - i));
      std::swap(unlocked[i], unlocked[j]);
    }
    unlocked.resize(chosen);
    std::sort(unlocked.begin(), unlocked.end());
  }
  Redraw(unlocked, settings, state);
}

std::string WhyPhraseUnavailable(const Phrase* phrase, std::string_view boxText) {
  if (!phrase) {
    static const std::string none = Cp932FromUtf8(QT_TRANSLATE_NOOP("Message", "フレーズがまだありません。先にフレーズを作成してください。"));
    return none;
  }
  if (phrase->Mml() != boxText) {
    static const std::string edited = Cp932FromUtf8(
        QT_TRANSLATE_NOOP("Message", "MMLが作成後に書き換えられているため、ノートの操作はできません（書き換えたMMLはそのまま残します）。"));
    return edited;
  }
  return {};
}

}  // namespace volemo

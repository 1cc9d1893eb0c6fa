#include "continuation.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

#include "message_format.h"
#include "translatable.h"

#include "composer.h"
#include "controls.h"
#include "transition_model.h"

namespace volemo {
namespace {

// Draws of an interval that leaves the range or the scale before any
// interval of the piece that stays is taken instead.
constexpr int kIntervalDraws = 16;
constexpr int kDefaultNoteValue = 16;

// The phrase with each note's key replaced, its text and timing kept.
Phrase WithKeys(const Phrase& phrase, const std::vector<int>& keys) {
  std::vector<std::string> texts;
  std::vector<PhraseNote> notes = phrase.Notes();
  size_t at = 0;
  for (size_t i = 0; i < notes.size(); ++i) {
    texts.push_back(phrase.Mml().substr(at, notes[i].textBegin - at));
    at = notes[i].textEnd;
    notes[i].key = keys[i];
  }
  texts.push_back(phrase.Mml().substr(at));
  return Phrase(std::move(texts), std::move(notes));
}

class KeyWalk {
 public:
  KeyWalk(const PieceNotes& piece, const Style& style) : style_(style) {
    std::vector<int> intervals;
    for (size_t i = 1; i < piece.notes.size(); ++i) intervals.push_back(piece.notes[i].key - piece.notes[i - 1].key);
    model_.Learn(intervals);
    key_ = piece.notes.back().key;
    interval_ = intervals.empty() ? 0 : intervals.back();
  }

  int Next(RandomSource& random) {
    for (int draw = 0; draw < kIntervalDraws && model_.Total(interval_) > 0; ++draw) {
      const int interval = model_.Pick(interval_, random.Next(static_cast<uint32_t>(model_.Total(interval_))));
      if (Allowed(key_ + interval)) return Step(interval);
    }
    int total = 0;
    for (const auto& [interval, count] : model_.Counts())
      if (Allowed(key_ + interval)) total += count;
    if (total > 0) {
      uint32_t left = random.Next(static_cast<uint32_t>(total));
      for (const auto& [interval, count] : model_.Counts()) {
        if (!Allowed(key_ + interval)) continue;
        if (left < static_cast<uint32_t>(count)) return Step(interval);
        left -= static_cast<uint32_t>(count);
      }
    }
    int nearest = -1;
    for (int key = style_.low; key <= style_.high; ++key)
      if (Allowed(key) && (nearest < 0 || std::abs(key - key_) < std::abs(nearest - key_))) nearest = key;
    return Step(nearest < 0 ? 0 : nearest - key_);
  }

 private:
  bool Allowed(int key) const { return key >= style_.low && key <= style_.high && style_.weights[key % 12] > 0; }
  int Step(int interval) {
    interval_ = interval;
    key_ += interval;
    return key_;
  }

  const Style& style_;
  TransitionModel model_;
  int key_ = 0, interval_ = 0;
};

}  // namespace

int MaxContinuationSteps() { return FindControl("spnCount")->maximum; }

Phrase ComposeContinuation(const PieceNotes& piece, const Style& style, int bars, EditableSettings& settings,
                           EngineState& state) {
  const int stepsPerBar = style.noteValue.value_or(kDefaultNoteValue);
  if (bars < 1 || bars > MaxContinuationSteps() / stepsPerBar)
    throw std::invalid_argument(FormatMessage(
        QT_TRANSLATE_NOOP("Message", "l%1 の歩みの続きは 1～%2 小節で指定してください（%3 ではなく）"),
        {std::to_string(stepsPerBar), std::to_string(MaxContinuationSteps() / stepsPerBar), std::to_string(bars)}));
  TransitionModel rhythm;
  const std::vector<int> symbols(style.symbols.begin(), style.symbols.end());
  rhythm.Learn(symbols);
  int symbol = symbols.empty() ? 'N' : symbols.back();
  std::string pattern;
  for (int i = 0; i < bars * stepsPerBar; ++i) {
    if (rhythm.Total(symbol) > 0) symbol = rhythm.Pick(symbol, state.random.Next(static_cast<uint32_t>(rhythm.Total(symbol))));
    // Grouped in fours as a drawn pattern is, without a blank where a line
    // of the MML ends.
    if (i % 4 == 0 && i % 16 != 0) pattern += ' ';
    pattern += static_cast<char>(symbol);
  }
  settings.SetText("spnCount", std::to_string(bars * stepsPerBar));
  settings.SetPatternText(pattern);
  const Phrase drawn = ComposePhrase(settings, state);

  KeyWalk walk(piece, style);
  std::vector<int> keys;
  for (size_t i = 0; i < drawn.Notes().size(); ++i) keys.push_back(walk.Next(state.random));
  Phrase phrase = WithKeys(drawn, keys);
  if (!keys.empty()) state.lastNote = keys.back();
  settings.SetMmlText(phrase.Mml());
  return phrase;
}

}  // namespace volemo

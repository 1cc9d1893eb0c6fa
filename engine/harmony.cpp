#include "harmony.h"

#include <cctype>

#include "message_format.h"
#include "translatable.h"

#include "chord_symbols.h"
#include "engine_error.h"
#include "phrase_form.h"
#include "progression_table.h"
#include "scale_chords.h"

namespace volemo {

unsigned ScaleMask(const ScaleWeights& weights) {
  unsigned mask = 0;
  for (int p = 0; p < 12; ++p)
    if (weights[p] > 0) mask |= 1u << p;
  return mask;
}

namespace {

// A drawn progression is the draw'th of its stream, so that each letter's
// is a draw of its own and A's the one a plain "random" makes.
std::vector<music::Chord> Progression(const std::string& text, int key, const EngineState& state, uint32_t draw) {
  const bool drawn = text == "random";
  std::string symbols = text;
  if (drawn) {
    RandomSource own = Stream(state.random.seed(), 0x9E3779B9u);
    const auto total = static_cast<uint32_t>(music::ProgressionWeightTotal());
    for (uint32_t skipped = 0; skipped < draw; ++skipped) own.Next(total);
    const auto point = static_cast<int>(own.Next(total));
    symbols = std::string(music::ProgressionAt(point).numerals);
  }
  music::ParsedProgression parsed = music::ParseProgression(symbols, key);
  if (!parsed.error.empty()) throw EngineError(parsed.error);
  if (drawn) {
    const unsigned scale = ScaleMask(state.weights);
    for (music::Chord& chord : parsed.chords)
      if (auto own = music::StackScaleTones(scale, chord.root, static_cast<int>(chord.tones.size()))) chord = *own;
  }
  return parsed.chords;
}

std::string_view TrimSeparators(std::string_view text) {
  constexpr std::string_view kSeparators = " \t\r\n,|-";
  const size_t first = text.find_first_not_of(kSeparators);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kSeparators) - first + 1);
}

// A label: a capital letter and a colon at the start of a word.
bool LabelAt(std::string_view text, size_t at) {
  return at + 1 < text.size() && std::isupper(static_cast<unsigned char>(text[at])) && text[at + 1] == ':' &&
         (at == 0 || std::string_view(" \t\r\n,|-").find(text[at - 1]) != std::string_view::npos);
}

}  // namespace

std::vector<music::Chord> MakeProgression(const std::string& text, int key, const EngineState& state) {
  return Progression(text, key, state, 0);
}

SectionTexts SplitSections(std::string_view text) {
  SectionTexts result;
  std::string* into = &result.common;
  char letter = 0;
  const auto close = [&] {
    if (letter && TrimSeparators(*into).empty())
      throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "セクション %1 の進行に和音がありません"),
                                      {std::string(1, letter)}));
  };
  for (size_t at = 0; at < text.size(); ++at) {
    if (!LabelAt(text, at)) {
      *into += text[at];
      continue;
    }
    close();
    letter = text[at++];
    if (result.letters.count(letter))
      throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "セクション %1 の進行が二度あります"),
                                      {std::string(1, letter)}));
    into = &result.letters[letter];
  }
  close();
  result.common = std::string(TrimSeparators(result.common));
  for (auto& [_, own] : result.letters) own = std::string(TrimSeparators(own));
  return result;
}

std::string ProgressionError(std::string_view text) {
  try {
    const SectionTexts texts = SplitSections(text);
    std::vector<std::string> all;
    if (!texts.common.empty() || texts.letters.empty()) all.push_back(texts.common);
    for (const auto& [_, own] : texts.letters) all.push_back(own);
    for (const std::string& own : all)
      if (own != "random")
        if (const music::ParsedProgression parsed = music::ParseProgression(own, 0); !parsed.error.empty())
          return parsed.error;
  } catch (const EngineError& e) {
    return e.what();
  }
  return {};
}

std::vector<music::Chord> FormProgression(const std::string& text, int key, const EngineState& state,
                                          const GrooveSettings& groove) {
  const SectionTexts texts = SplitSections(text);
  const auto of = [&](char letter) {
    if (const auto own = texts.letters.find(letter); own != texts.letters.end())
      return Progression(own->second, key, state, static_cast<uint32_t>(letter - 'A'));
    if (texts.common.empty())
      throw EngineError(FormatMessage(QT_TRANSLATE_NOOP("Message", "セクション %1 に進行がありません"),
                                      {std::string(1, letter)}));
    return Progression(texts.common, key, state, 0);
  };
  // A labelled letter the form never plays would be dropped without a word;
  // a phrase without a form is section A.
  const std::string form = groove.form.empty() ? "A" : groove.form;
  for (const auto& [letter, own] : texts.letters)
    if (form.find(letter) == std::string::npos)
      throw EngineError(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "フォームにないセクション %1 に進行があります（フォームのないフレーズはセクション A だけです）"),
          {std::string(1, letter)}));
  if (groove.form.empty()) return of('A');
  std::map<char, std::vector<music::Chord>> letters;
  std::vector<music::Chord> bars;
  for (const FormSection& section : ParseForm(groove.form)) {
    if (!letters.count(section.letter)) letters[section.letter] = of(section.letter);
    const std::vector<music::Chord>& chords = letters[section.letter];
    for (int bar = 0; bar < groove.sectionBars; ++bar) bars.push_back(chords[static_cast<size_t>(bar) % chords.size()]);
  }
  return bars;
}

ChordTimeline TimelineOf(const std::vector<music::Chord>& chords, const Meter& meter) {
  ChordTimeline timeline;
  timeline.meter = meter;
  for (const music::Chord& c : chords) timeline.masks.push_back(static_cast<uint16_t>(music::PitchMask(c)));
  return timeline;
}

const music::Chord& ChordAt(const std::vector<music::Chord>& chords, int64_t tick, int64_t barTicks) {
  return chords[static_cast<size_t>(tick / barTicks) % chords.size()];
}

}  // namespace volemo

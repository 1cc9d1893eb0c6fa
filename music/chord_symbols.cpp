#include "chord_symbols.h"

#include <array>
#include <utility>

#include "message_format.h"
#include "translatable.h"

#include "chord_names.h"

namespace volemo::music {
namespace {

bool TakePrefix(std::string_view& text, std::string_view prefix) {
  if (!text.starts_with(prefix)) return false;
  text.remove_prefix(prefix.size());
  return true;
}

// I..VII in one letter case: the semitones of the major scale's degree;
// the longest numeral first so that "IV" is not read as "I".
std::optional<int> TakeNumeral(std::string_view& text, bool upper) {
  static constexpr std::array<std::pair<std::string_view, int>, 7> kUpper = {
      {{"VII", 11}, {"III", 4}, {"IV", 5}, {"VI", 9}, {"II", 2}, {"V", 7}, {"I", 0}}};
  static constexpr std::array<std::pair<std::string_view, int>, 7> kLower = {
      {{"vii", 11}, {"iii", 4}, {"iv", 5}, {"vi", 9}, {"ii", 2}, {"v", 7}, {"i", 0}}};
  for (const auto& [numeral, semitones] : upper ? kUpper : kLower)
    if (TakePrefix(text, numeral)) return semitones;
  return std::nullopt;
}

// The chord from its root and what follows the root; nullopt when
// something is left over.
std::optional<Chord> Build(int root, bool minor, std::string_view rest) {
  bool diminished = false;
  if (TakePrefix(rest, "\u00b0") || TakePrefix(rest, "dim")) {
    diminished = true;
    minor = true;
  }
  int seventh = 0;
  if (TakePrefix(rest, "maj7")) {
    seventh = 11;
  } else if (TakePrefix(rest, "7")) {
    seventh = diminished ? 9 : 10;
  }
  const bool sus4 = TakePrefix(rest, "sus4");
  if (!rest.empty()) return std::nullopt;
  const int third = sus4 ? 5 : minor ? 3 : 4;
  const int fifth = diminished ? 6 : 7;
  Chord chord;
  chord.root = (root % 12 + 12) % 12;
  for (int interval : {0, third, fifth, seventh})
    if (interval != 0 || chord.tones.empty()) chord.tones.push_back((chord.root + interval) % 12);
  chord.symbol = ChordName(chord.tones);
  return chord;
}

}  // namespace

std::optional<Chord> ParseChordSymbol(std::string_view symbol, int key) {
  if (symbol.empty()) return std::nullopt;
  const char first = symbol.front();
  if (first >= 'A' && first <= 'G') {
    static constexpr std::array<int, 7> kNatural = {9, 11, 0, 2, 4, 5, 7};  // A..G
    int root = kNatural[first - 'A'];
    symbol.remove_prefix(1);
    if (TakePrefix(symbol, "#")) ++root;
    else if (TakePrefix(symbol, "b")) --root;
    // "m" but not the "maj7" that follows a major chord's root.
    const bool minor = !symbol.starts_with("maj") && TakePrefix(symbol, "m");
    return Build(root, minor, symbol);
  }
  int shift = 0;
  if (TakePrefix(symbol, "b")) shift = -1;
  else if (TakePrefix(symbol, "#")) shift = 1;
  for (bool upper : {true, false}) {
    std::string_view rest = symbol;
    if (const std::optional<int> degree = TakeNumeral(rest, upper)) return Build(key + *degree + shift, !upper, rest);
  }
  return std::nullopt;
}

ParsedProgression ParseProgression(std::string_view text, int key) {
  ParsedProgression result;
  constexpr std::string_view kSeparators = " \t\r\n,|-";
  for (size_t at = 0; at < text.size();) {
    at = text.find_first_not_of(kSeparators, at);
    if (at == std::string_view::npos) break;
    const size_t end = std::min(text.find_first_of(kSeparators, at), text.size());
    const std::string_view symbol = text.substr(at, end - at);
    const std::optional<Chord> chord = ParseChordSymbol(symbol, key);
    if (!chord) {
      result.error = FormatMessage(
          QT_TRANSLATE_NOOP("Message", "\"%1\" は和音ではありません。ローマ数字（I vi IV V, ii7, bVII, vii°）か名前（Am, F#m7, Bb）で書いてください"),
          {symbol});
      result.chords.clear();
      return result;
    }
    result.chords.push_back(*chord);
    at = end;
  }
  if (result.chords.empty()) result.error = QT_TRANSLATE_NOOP("Message", "進行に和音がありません");
  return result;
}

}  // namespace volemo::music

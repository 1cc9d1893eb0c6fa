#include "meter.h"

#include <charconv>
#include <numeric>
#include <stdexcept>

#include "message_format.h"
#include "translatable.h"

namespace volemo {
namespace {

// The whole of text as a positive integer below 1000, else 0.
int SmallNumber(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > 999) return 0;
  return value;
}

// Calls f with the tick in the bar of each beat's start, in order, until f
// returns true.
template <typename F>
void ForEachBeatStart(const Meter& meter, F f) {
  int unit = 0;
  for (int b : meter.beats) {
    if (f(unit * kWholeNoteTicks / meter.denominator)) return;
    unit += b;
  }
}

}  // namespace

// Simple meters are counted in their unit, compound ones (6/8, 9/8, 12/8) in dotted beats of three units, and the other odd eighth meters in twos closed by a three (7/8 as 2+2+3).
Meter ParseMeter(std::string_view text) {
  const std::string bad = FormatMessage(
      QT_TRANSLATE_NOOP("Message", "拍子は N/D（N は 1～32、D は 2, 4, 8, 16, 32 のいずれか）で書いてください。\"%1\" は書けません"),
      {text});
  const size_t slash = text.find('/');
  if (slash == std::string_view::npos) throw std::invalid_argument(bad);
  Meter m;
  m.numerator = SmallNumber(text.substr(0, slash));
  m.denominator = SmallNumber(text.substr(slash + 1));
  const int d = m.denominator;
  if (m.numerator < 1 || m.numerator > 32 || (d != 2 && d != 4 && d != 8 && d != 16 && d != 32))
    throw std::invalid_argument(bad);
  m.beats.clear();
  if (d < 8 || m.numerator <= 2) {
    m.beats.assign(m.numerator, 1);
  } else if (m.numerator % 3 == 0) {
    m.beats.assign(m.numerator / 3, 3);
  } else if (m.numerator % 2 == 0) {
    m.beats.assign(m.numerator / 2, 2);
  } else {
    m.beats.assign((m.numerator - 3) / 2, 2);
    m.beats.push_back(3);
  }
  return m;
}

std::vector<int> ParseBeats(std::string_view text, const Meter& meter) {
  std::vector<int> beats;
  for (size_t start = 0;;) {
    const size_t plus = text.find('+', start);
    const int beat = SmallNumber(text.substr(start, plus == std::string_view::npos ? plus : plus - start));
    if (beat == 0)
      throw std::invalid_argument(FormatMessage(
          QT_TRANSLATE_NOOP("Message", "拍は 2+2+3 のように + でつないだ数で書いてください。\"%1\" は書けません"), {text}));
    beats.push_back(beat);
    if (plus == std::string_view::npos) break;
    start = plus + 1;
  }
  if (std::accumulate(beats.begin(), beats.end(), 0) != meter.numerator)
    throw std::invalid_argument(FormatMessage(QT_TRANSLATE_NOOP("Message", "拍 %1 では %2/%3 の小節を満たしません"),
                                              {text, std::to_string(meter.numerator), std::to_string(meter.denominator)}));
  return beats;
}

std::string BeatsText(const std::vector<int>& beats) {
  std::string text;
  for (int b : beats) text += (text.empty() ? "" : "+") + std::to_string(b);
  return text;
}

int BarTicks(const Meter& meter) { return meter.numerator * kWholeNoteTicks / meter.denominator; }

std::vector<int> BeatStarts(const Meter& meter) {
  std::vector<int> starts;
  ForEachBeatStart(meter, [&](int start) {
    starts.push_back(start);
    return false;
  });
  return starts;
}

// Asked for every step a phrase draws: no list of the starts is built.
Accent AccentAt(const Meter& meter, long long tick) {
  const long long inBar = tick % BarTicks(meter);
  if (inBar == 0) return Accent::Bar;
  bool beat = false;
  ForEachBeatStart(meter, [&](int start) { return beat = start == inBar; });
  return beat ? Accent::Beat : Accent::None;
}

}  // namespace volemo

#include "melody_line.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "note_choice.h"

namespace volemo {
namespace {

constexpr int kFifth = 7;
// The contour's pull: a key's weight halves for every this many semitones
// between it and the contour's target, gently enough that the scale and the
// line still choose.
constexpr double kContourHalving = 4.0;

bool HasPitch(uint16_t mask, int key) { return (mask >> (key % 12)) & 1; }

// One of weights' indexes, each with a chance proportional to its weight;
// -1 when they are all 0. One draw.
int DrawWeighted(const std::vector<double>& weights, RandomSource& random) {
  double total = 0;
  for (double w : weights) total += w;
  if (total <= 0) return -1;
  constexpr uint32_t kResolution = 1u << 31;
  const double x = (random.Next(kResolution) + 0.5) / kResolution * total;
  double sum = 0;
  int last = -1;
  for (size_t i = 0; i < weights.size(); ++i) {
    if (weights[i] <= 0) continue;
    last = static_cast<int>(i);
    sum += weights[i];
    if (x < sum) return last;
  }
  return last;
}

}  // namespace

std::optional<Contour> ContourNamed(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, Contour>, 5> kNames = {{
      {"free", Contour::Free},
      {"arch", Contour::Arch},
      {"rising", Contour::Rising},
      {"falling", Contour::Falling},
      {"wave", Contour::Wave},
  }};
  for (const auto& [n, c] : kNames)
    if (n == name) return c;
  return std::nullopt;
}

uint16_t ChordTimeline::At(int64_t tick) const {
  if (masks.empty()) return 0;
  return masks[static_cast<size_t>(tick / BarTicks(meter)) % masks.size()];
}

bool ChordTimeline::OnBeat(int64_t tick) const { return AccentAt(meter, tick) != Accent::None; }

MelodyLine::MelodyLine(const LineSettings& line, ChordTimeline chords, int64_t bodyTicks, int tonic)
    : line_(line), chords_(std::move(chords)), bodyTicks_(bodyTicks), tonic_(tonic) {
  // The weight halves for every semitone at smoothness 100 (every two at
  // 50, ...); a repeated note counts as a whole-tone step, so that a smooth
  // line still moves rather than stands.
  for (size_t distance = 0; distance < falloff_.size(); ++distance)
    falloff_[distance] = std::exp2(-line_.smoothness / 100.0 * (distance == 0 ? 2 : distance));
}

bool MelodyLine::Shapes() const {
  return line_.smoothness > 0 || line_.maxLeap > 0 || line_.turnBack > 0 || line_.contour != Contour::Free ||
         (line_.chordPull > 0 && !chords_.masks.empty());
}

int MelodyLine::Choose(const std::vector<PhraseNote>& notes, size_t index, int64_t startTick,
                       std::pair<int, int> range, EngineState& state) const {
  if (!Shapes()) return PickNote(range, state);
  auto [low, high] = range;
  high = std::min(high, kHighestKey);
  low = std::min(low, high);
  const int previous = index > 0 ? notes[index - 1].key : -1;
  const int before = index > 1 ? notes[index - 2].key : -1;
  const uint16_t chord = chords_.At(startTick);
  const bool pulled = chord != 0 && line_.chordPull > 0 && chords_.OnBeat(startTick);

  // The scale's weight, with the chord's pull on the first step of a beat:
  // a chord tone outside the scale still counts there, so that a full pull
  // always finds a chord tone.
  auto tonal = [&](int key) -> double {
    const double w = state.weights[key % 12];
    if (!pulled) return w;
    return HasPitch(chord, key) ? std::max(w, 1.0) : w * (100 - line_.chordPull) / 100.0;
  };

  std::vector<double> weights(high - low + 1);
  if (line_.turnBack > 0 && previous >= 0 && before >= 0 && std::abs(previous - before) > kFifth &&
      static_cast<int>(state.random.Next(100)) < line_.turnBack) {
    const int back = previous > before ? -1 : 1;
    for (int step = 1; step <= 2; ++step) {
      const int key = previous + back * step;
      if (key >= low && key <= high) weights[key - low] = tonal(key);
    }
    const int chosen = DrawWeighted(weights, state.random);
    if (chosen >= 0) return low + chosen;
  }

  double target = 0;
  const double t = bodyTicks_ > 0 ? std::clamp(static_cast<double>(startTick) / bodyTicks_, 0.0, 1.0) : 0.0;
  const double span = high - low;
  switch (line_.contour) {
    case Contour::Free: break;
    case Contour::Arch: target = low + span * std::sin(std::numbers::pi * t); break;
    case Contour::Rising: target = low + span * t; break;
    case Contour::Falling: target = high - span * t; break;
    case Contour::Wave: target = low + span * (1 - std::cos(4 * std::numbers::pi * t)) / 2; break;
  }

  for (bool leapLimit : {true, false}) {
    for (int key = low; key <= high; ++key) {
      double w = tonal(key);
      if (previous >= 0) {
        const int distance = std::abs(key - previous);
        if (leapLimit && line_.maxLeap > 0 && distance > line_.maxLeap) w = 0;
        w *= falloff_[distance];
      }
      if (line_.contour != Contour::Free) w *= std::exp2(-std::abs(key - target) / kContourHalving);
      weights[key - low] = w;
    }
    const int chosen = DrawWeighted(weights, state.random);
    if (chosen >= 0) return low + chosen;
  }
  // Nothing weighted at all (every scale weight 0): any key of the range.
  return low + static_cast<int>(state.random.Next(static_cast<uint32_t>(high - low + 1)));
}

void MelodyLine::Cadence(std::vector<PhraseNote>& notes, const Settings& settings, EngineState& state) const {
  if (line_.cadence <= 0 || notes.empty()) return;
  if (static_cast<int>(state.random.Next(100)) >= line_.cadence) return;
  PhraseNote& last = notes.back();
  const uint16_t chord = chords_.At(last.startTick);
  const uint16_t goal = chord != 0 ? chord : static_cast<uint16_t>(1u << tonic_);
  const int from = notes.size() > 1 ? notes[notes.size() - 2].key : last.key;
  auto [low, high] = NoteRange(settings);
  high = std::min(high, kHighestKey);
  int best = -1;
  for (int key = low; key <= high; ++key)
    if (HasPitch(goal, key) && (best < 0 || std::abs(key - from) < std::abs(best - from))) best = key;
  if (best < 0) return;
  last.key = best;
  // A tonic beyond the largest leap from the note before is reached by
  // moving the notes before it, as few as need, each to the scale tone
  // nearest its own key within the leap of the note after it.
  if (line_.maxLeap <= 0) return;
  for (size_t i = notes.size() - 1; i-- > 0;) {
    const int next = notes[i + 1].key;
    if (std::abs(notes[i].key - next) <= line_.maxLeap) return;
    int nearest = -1;
    for (int key = std::max(low, next - line_.maxLeap); key <= std::min(high, next + line_.maxLeap); ++key)
      if (state.weights[key % 12] > 0 && (nearest < 0 || std::abs(key - notes[i].key) < std::abs(nearest - notes[i].key)))
        nearest = key;
    if (nearest < 0) return;
    notes[i].key = nearest;
  }
}

Phrase::KeyChooser MelodyLine::Chooser() const {
  if (!Shapes() && line_.cadence <= 0) return {};
  return [line = *this](const std::vector<PhraseNote>& notes, size_t index, const Settings& settings,
                        EngineState& state) {
    int key = line.Choose(notes, index, notes[index].startTick, NoteRange(settings), state);
    if (index + 1 == notes.size() && line.line_.cadence > 0) {
      std::vector<PhraseNote> closing(notes.begin(), notes.end());
      closing.back().key = key;
      line.Cadence(closing, settings, state);
      key = closing.back().key;
    }
    return key;
  };
}

}  // namespace volemo

#include "commonest_step.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>

namespace volemo {
namespace {

constexpr std::array kStraightValues = {1, 2, 4, 8, 16, 32, 64};
constexpr std::array kTripletValues = {3, 6, 12, 24, 48};
// A swung pair of steps lands near triplet values without being triplets:
// only a time this close to a triplet value is read as one.
constexpr double kTripletTolerance = 0.05;

int NoteValueOf(double ticks, int ticksPerQuarter) {
  // The ratio of the two lengths, the larger over the smaller: its logarithm
  // is their distance on a logarithmic scale.
  const auto distance = [&](int value) {
    const double ratio = ticks * value / (4.0 * ticksPerQuarter);
    return std::max(ratio, 1 / ratio);
  };
  for (int value : kTripletValues)
    if (distance(value) < std::exp(kTripletTolerance)) return value;
  int best = kStraightValues.front();
  for (int value : kStraightValues)
    if (distance(value) < distance(best)) best = value;
  return best;
}

}  // namespace

// The mode of the inter-onset intervals, each quantised to the nearest note value on a logarithmic scale.
int CommonestNoteValue(std::span<const int64_t> onsets, int ticksPerQuarter) {
  // Notes starting within a 128th of each other are heard as starting
  // together: a chord played by hand is not a run of the shortest notes.
  const int64_t together = std::max(1, ticksPerQuarter / 32);
  std::map<int, int> counts;  // note value -> times read
  for (size_t i = 1, last = 0; i < onsets.size(); ++i) {
    if (onsets[i] - onsets[last] < together) continue;
    ++counts[NoteValueOf(static_cast<double>(onsets[i] - onsets[last]), ticksPerQuarter)];
    last = i;
  }
  int best = 0, bestCount = 0;
  for (const auto& [value, count] : counts)  // longer values (smaller numbers) first: they win ties
    if (count > bestCount) best = value, bestCount = count;
  return best;
}

}  // namespace volemo

#include "voice_leading.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace volemo::music {
namespace {

int NearestDistance(int key, const std::vector<int>& keys) {
  int best = INT_MAX;
  for (int k : keys) best = std::min(best, std::abs(k - key));
  return best;
}

}  // namespace

int VoiceLeadingSize(const std::vector<int>& from, const std::vector<int>& to) {
  int size = 0;
  if (from.size() == to.size()) {
    for (size_t i = 0; i < from.size(); ++i) size += std::abs(from[i] - to[i]);
    return size;
  }
  for (int k : from) size += NearestDistance(k, to);
  for (int k : to) size += NearestDistance(k, from);
  return size;
}

std::vector<int> NearestInversion(const std::vector<int>& tones, const std::vector<int>& previous, int low, int high,
                                  int center) {
  std::vector<int> best, keys;  // keys: reused by each base, as chords are voiced for every hit
  int bestCost = INT_MAX;
  for (int base = low; base <= high; ++base) {
    if (std::find(tones.begin(), tones.end(), base % 12) == tones.end()) continue;
    // Close position over base: each tone at its first key at or above it,
    // all within the octave.
    keys.clear();
    for (int p : tones) keys.push_back(base + ((p - base) % 12 + 12) % 12);
    std::sort(keys.begin(), keys.end());
    if (keys.back() > high) continue;
    int cost = 0;
    if (previous.empty()) {
      for (int k : keys) cost += std::abs(k - center);
    } else {
      cost = VoiceLeadingSize(previous, keys);
    }
    if (cost < bestCost) {
      bestCost = cost;
      best = keys;
    }
  }
  return best;
}

}  // namespace volemo::music

#include "transition_model.h"

#include <stdexcept>
#include <string>

namespace volemo {

// A first-order Markov chain: transition probabilities estimated by counting successive pairs (maximum likelihood); an unseen state falls back to the state frequencies.
void TransitionModel::Learn(std::span<const int> sequence) {
  for (size_t i = 0; i < sequence.size(); ++i) {
    if (i > 0) ++rows_[sequence[i - 1]][sequence[i]];
    ++all_[sequence[i]];
  }
}

const std::map<int, int>& TransitionModel::Followers(int from) const {
  const auto row = rows_.find(from);
  return row == rows_.end() ? all_ : row->second;
}

int TransitionModel::Total(int from) const {
  int total = 0;
  for (const auto& [state, count] : Followers(from)) total += count;
  return total;
}

int TransitionModel::Pick(int from, uint32_t draw) const {
  uint32_t left = draw;
  for (const auto& [state, count] : Followers(from)) {
    if (left < static_cast<uint32_t>(count)) return state;
    left -= static_cast<uint32_t>(count);
  }
  throw std::out_of_range("draw " + std::to_string(draw) + " beyond the " + std::to_string(Total(from)) +
                          " transitions from " + std::to_string(from));
}

}  // namespace volemo

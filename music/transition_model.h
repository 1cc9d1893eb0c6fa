// A table of which state follows which, learned by counting.
#pragma once

#include <cstdint>
#include <map>
#include <span>

namespace volemo {

class TransitionModel {
 public:
  // Counts every pair of neighbours in sequence, and every state.
  void Learn(std::span<const int> sequence);

  // How often each state followed `from`, by state. A state that nothing
  // ever followed (the last of the sequence, or one never seen) has the
  // counts of the whole sequence instead (Counts()).
  const std::map<int, int>& Followers(int from) const;
  int Total(int from) const;  // the sum of Followers(from)

  // The follower a draw of 0 to Total(from) - 1 picks: each follower takes
  // as many draws as it was counted, in the order of the states. Throws
  // std::out_of_range for a draw outside that.
  int Pick(int from, uint32_t draw) const;

  // How often each state stands in the sequences learned.
  const std::map<int, int>& Counts() const { return all_; }

 private:
  std::map<int, std::map<int, int>> rows_;
  std::map<int, int> all_;
};

}  // namespace volemo

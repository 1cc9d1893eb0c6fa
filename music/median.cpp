#include "median.h"

#include <algorithm>

namespace volemo {

// The (lower) median: the value at rank floor((n - 1) / 2) of the sorted list.
int Median(std::vector<int> values) {
  if (values.empty()) return 0;
  const auto middle = values.begin() + static_cast<std::ptrdiff_t>((values.size() - 1) / 2);
  std::nth_element(values.begin(), middle, values.end());
  return *middle;
}

}  // namespace volemo

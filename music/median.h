// The middle of a list of values.
#pragma once

#include <vector>

namespace volemo {

// The lower of the two middle values for an even count; 0 for none.
int Median(std::vector<int> values);

}  // namespace volemo

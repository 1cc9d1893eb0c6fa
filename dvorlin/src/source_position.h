// Turns byte offsets in the MML into the line and column a person sees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dvorlin {

struct Place {
  int line = 0;    // 1-based
  int column = 0;  // 1-based, in characters
};

// Built only once something has to be reported, so a clean compile never
// pays for it. CR LF, a lone CR and a lone LF each end one line.
class LineIndex {
 public:
  explicit LineIndex(std::string_view text);
  Place Locate(size_t offset) const;

 private:
  std::string_view text_;
  std::vector<uint32_t> lineStarts_;  // texts are far below 4 GB
};

}  // namespace dvorlin

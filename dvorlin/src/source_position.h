// Turns byte offsets in the MML into the line and column a person sees.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace dvorlin {

// Built only once something has to be reported, so a clean compile never
// pays for it. CR LF, a lone CR and a lone LF each end one line.
class LineIndex {
 public:
  explicit LineIndex(std::string_view text);
  // 1-based. The line costs a search; the column a walk along the line, so
  // it is asked for only when a message is kept.
  int Line(size_t offset) const;
  int Column(int line, size_t offset) const;

 private:
  std::string_view text_;
  std::vector<uint32_t> lineStarts_;  // texts are far below 4 GB
};

}  // namespace dvorlin

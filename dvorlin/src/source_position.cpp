#include "source_position.h"

#include <algorithm>

#include "cp932_bytes.h"

namespace dvorlin {

LineIndex::LineIndex(std::string_view text) : text_(text) {
  lineStarts_.push_back(0);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') lineStarts_.push_back(static_cast<uint32_t>(i + 1));
  }
}

Place LineIndex::Locate(size_t offset) const {
  offset = std::min(offset, text_.size());
  const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), static_cast<uint32_t>(offset));
  const size_t lineStart = *(after - 1);
  int column = 1;
  for (size_t pos = lineStart; pos < offset; pos += CharSize(text_, pos)) ++column;
  return {static_cast<int>(after - lineStarts_.begin()), column};
}

}  // namespace dvorlin

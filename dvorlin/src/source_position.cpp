#include "source_position.h"

#include <algorithm>

#include "cp932.h"

namespace dvorlin {

using volemo::CharSize;

LineIndex::LineIndex(std::string_view text) : text_(text) {
  lineStarts_.push_back(0);
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    if (text[i] == '\r' || text[i] == '\n') lineStarts_.push_back(static_cast<uint32_t>(i + 1));
  }
}

int LineIndex::Line(size_t offset) const {
  offset = std::min(offset, text_.size());
  const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), static_cast<uint32_t>(offset));
  return static_cast<int>(after - lineStarts_.begin());
}

int LineIndex::Column(int line, size_t offset) const {
  offset = std::min(offset, text_.size());
  int column = 1;
  for (size_t pos = lineStarts_[line - 1]; pos < offset; pos += CharSize(text_, pos)) ++column;
  return column;
}

}  // namespace dvorlin

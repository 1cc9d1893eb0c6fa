#pragma once

#include <string_view>

namespace volemo {

// Text without its leading and trailing characters of code 32 or less
// (blanks, line breaks, tabs and other control characters).
inline std::string_view TrimControlAndBlank(std::string_view text) {
  auto isSpace = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
  while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace volemo

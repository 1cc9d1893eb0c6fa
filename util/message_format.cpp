#include "message_format.h"

namespace volemo {

std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
  std::string text;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const size_t n = i + 1 < pattern.size() ? size_t(pattern[i + 1] - '1') : args.size();
    if (pattern[i] == '%' && n < args.size()) {
      text += args.begin()[n];
      ++i;
    } else {
      text += pattern[i];
    }
  }
  return text;
}

}  // namespace volemo

#include "StrUnit.h"

#include "cp932.h"

namespace volemo {

std::string ReplaceCrLfWithBlank(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      out += ' ';
      i += 2;
    } else if (IsLeadByte(c) && i + 1 < text.size()) {
      // A lead byte takes the next byte with it, whatever that byte is, so
      // a CR LF is never matched across the two bytes of one character.
      out.append(text, i, 2);
      i += 2;
    } else {
      out += static_cast<char>(c);
      ++i;
    }
  }
  return out;
}

}  // namespace volemo

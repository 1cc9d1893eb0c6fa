// Byte-level facts about CP932 text that the compiler needs without
// converting it: where characters begin and end.
#pragma once

#include <cstddef>
#include <string_view>

namespace dvorlin {

inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// Bytes of the character starting at pos (a lead byte at the very end
// stands alone).
inline size_t CharSize(std::string_view s, size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() ? 2 : 1;
}

// The longest prefix of s of at most limit bytes that does not cut a
// double-byte character in two.
inline size_t WholeCharPrefix(std::string_view s, size_t limit) {
  size_t pos = 0;
  while (pos < s.size()) {
    const size_t next = pos + CharSize(s, pos);
    if (next > limit) break;
    pos = next;
  }
  return pos;
}

}  // namespace dvorlin

// Byte-level facts about CP932 text that the compiler needs without
// converting it: where characters begin and end.
#pragma once

#include <cstddef>
#include <string_view>

namespace dvorlin {

inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
inline bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Bytes of the character starting at pos. A lead byte takes the next byte
// only when that one can follow it: a lead byte before a blank, a line
// break or the end is a broken character of its own, and what follows it
// is read as usual.
inline size_t CharSize(std::string_view s, size_t pos) {
  return IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() &&
                 IsTrailByte(static_cast<unsigned char>(s[pos + 1]))
             ? 2
             : 1;
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

// Conversions between the program's CP932 byte strings and UTF-8 (the
// locale's encoding and Qt's).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "volemo_error.h"

namespace volemo {

// What() names the first character that could not be converted, in a
// Japanese sentence for the error box (UTF-8).
class EncodingError : public Error {
 public:
  using Error::Error;
};

// Throws EncodingError naming the first character CP932 cannot hold.
std::string Cp932FromUtf8(std::string_view utf8);
// For texts that must be shown whatever they hold (file names in messages):
// characters CP932 cannot hold, and bytes that are not UTF-8, become "?".
std::string Cp932FromUtf8Lossy(std::string_view utf8);
// Bytes that are not valid CP932 come out as U+FFFD.
std::string Utf8FromCp932(std::string_view cp932);

// The byte-level facts of CP932 text, for reading it without converting it.
// A lead byte (0x81-0x9F, 0xE0-0xFC) begins a double-byte character only
// with a trail byte after it (0x40-0x7E, 0x80-0xFC): before anything else
// (a blank, a line break, the end) it is a broken character of its own, and
// what follows it is read as usual.
inline bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
inline bool IsTrailByte(unsigned char b) { return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFC); }

// Bytes of the character starting at pos: 1 or 2.
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

// A text file's bytes as CP932, whichever of the two encodings it is in:
// a file that is UTF-8 (it starts with the byte order mark, or it holds
// characters beyond ASCII and is valid UTF-8 throughout) is converted, and
// throws EncodingError when CP932 cannot hold one of its characters; so is
// one in UTF-16 with its byte order mark; any other file is taken as CP932,
// as it is. A text holding NUL or another control character than tab and
// line breaks (a binary file) throws EncodingError naming its line.
std::string Cp932FromTextFile(std::string_view bytes);

}  // namespace volemo

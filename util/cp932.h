// Conversions between the program's CP932 byte strings and UTF-8 (the
// locale's encoding and Qt's).
#pragma once

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

// A text file's bytes as CP932, whichever of the two encodings it is in:
// a file that is UTF-8 (it starts with the byte order mark, or it holds
// characters beyond ASCII and is valid UTF-8 throughout) is converted, and
// throws EncodingError when CP932 cannot hold one of its characters; any
// other file is taken as CP932, as it is.
std::string Cp932FromTextFile(std::string_view bytes);

}  // namespace volemo

// Conversions between the program's CP932 byte strings and UTF-8 (the
// locale's encoding and Qt's).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace volemo {

// What() names the first character that could not be converted, in a
// Japanese sentence for the error box (UTF-8).
class EncodingError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws EncodingError naming the first character CP932 cannot hold.
std::string Cp932FromUtf8(std::string_view utf8);
// For texts that must be shown whatever they hold (file names in messages):
// characters CP932 cannot hold, and bytes that are not UTF-8, become "?".
std::string Cp932FromUtf8Lossy(std::string_view utf8);
// Bytes that are not valid CP932 come out as U+FFFD.
std::string Utf8FromCp932(std::string_view cp932);

}  // namespace volemo

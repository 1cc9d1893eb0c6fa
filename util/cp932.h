// Conversions between the program's CP932 byte strings and UTF-8 (the
// locale's encoding and Qt's).
#pragma once

#include <string>
#include <string_view>

namespace volemo {

// Throws EncodingError naming the first character CP932 cannot hold.
std::string Cp932FromUtf8(std::string_view utf8);
// Bytes that are not valid CP932 come out as U+FFFD.
std::string Utf8FromCp932(std::string_view cp932);

}  // namespace volemo

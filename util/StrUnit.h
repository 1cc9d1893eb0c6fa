// Double-byte-aware text operations on CP932 byte strings.
#pragma once

#include <string>
#include <string_view>

namespace volemo {

// Replaces every CR LF by one blank, never matching across the two bytes of
// a double-byte character. As the status line has always done, a lead byte
// takes the next byte with it whatever that is (see IsLeadByte).
std::string ReplaceCrLfWithBlank(std::string_view text);

}  // namespace volemo

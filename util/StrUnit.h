// Double-byte-aware text operations on CP932 byte strings.
#pragma once

#include <string>
#include <string_view>

namespace volemo {

// True for the first byte of a two-byte CP932 character.
bool IsLeadByte(unsigned char c);

// Replaces every CR LF by one blank, never matching across the two bytes of
// a double-byte character.
std::string ReplaceCrLfWithBlank(std::string_view text);

}  // namespace volemo

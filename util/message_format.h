// Filling a message's template, apart from the translations so that a
// library that only makes messages (the MML compiler) carries no tables.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace volemo {

// The template with %1..%9 replaced by the arguments in order; a % before
// anything else, or before a number with no argument, stays as it is.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace volemo

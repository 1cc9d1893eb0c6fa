// The tables of the libraries' messages, one a language, generated from
// translations/volemo_LANG.ts (the Message context) by the build.
#pragma once

#include <span>
#include <string_view>
#include <utility>

namespace volemo {

struct MessageTable {
  std::string_view language;
  std::span<const std::pair<const char*, const char*>> messages;  // Japanese template, translation
};

extern const std::span<const MessageTable> kMessageTables;

}  // namespace volemo

// The libraries' messages in more than one language. A message is a Japanese
// template marked with QT_TRANSLATE_NOOP("Message", ...) (translatable.h),
// its %1, %2, ... filled by FormatMessage; TranslateMessage finds the
// template a finished message came from and gives it in another language,
// by the tables built from translations/volemo_LANG.ts. The same tables serve
// the window and the command line, which has no Qt.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace volemo {

// The template with %1..%9 replaced by the arguments in order.
std::string FormatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

// The message in the language ("en"); as it is in Japanese ("ja"), in a
// language without a table, or when no template matches. A message may
// carry a detail after its template, after a blank (a system's or a
// library's own reason), which stays as it is.
std::string TranslateMessage(std::string_view message, std::string_view language);

}  // namespace volemo

// The libraries' messages in more than one language. A message is a Japanese
// template marked with QT_TRANSLATE_NOOP("Message", ...) (translatable.h),
// its %1, %2, ... filled by FormatMessage; TranslateMessage finds the
// template a finished message came from and gives it in another language,
// by the tables built from translations/volemo_LANG.ts. The same tables serve
// the window and the command line, which has no Qt.
#pragma once

#include <string>
#include <string_view>

#include "message_format.h"

namespace volemo {

// The message in the language ("en"); as it is in Japanese ("ja"), in a
// language without a table, or when no template matches. Of the templates
// that match, the one with the most text of its own is taken. A message may
// carry a detail after its template: after a blank or a line break (a
// system's or a library's own reason, the next line), or right after a
// template that ends in a blank (a lead-in such as a place in a text). The
// arguments and the detail are translated in turn when they are messages
// too, and stay as they are when not.
std::string TranslateMessage(std::string_view message, std::string_view language);

// "name": message, the message about a file (or the takes) that it names.
std::string AboutFile(std::string_view name, std::string_view message);

}  // namespace volemo

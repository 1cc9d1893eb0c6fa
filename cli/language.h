// The language of volemo-cli's messages from the engine and its libraries:
// Japanese (their own) unless --lang en before the command, or VOLEMO_LANG=en,
// asks for English. The command line's own texts (usage, options) are in
// English either way, and the documents it writes never change.
#pragma once

#include <string>
#include <string_view>

namespace volemo::cli {

// "ja" or "en"; false for any other.
bool SetLanguage(std::string_view code);
// From VOLEMO_LANG, when it names a language.
void TakeLanguageFromEnvironment();

// A message of the libraries in the chosen language.
std::string Said(const std::string& message);

}  // namespace volemo::cli

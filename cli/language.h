// The language of volemo-cli's help and of the messages from the engine and
// its libraries: Japanese (their own) unless --lang en before the command,
// or VOLEMO_LANG=en, asks for English. Both are Japanese templates marked for
// the translations (message_text.h); the documents the program writes, the
// option names and the usage errors never change.
#pragma once

#include <string>
#include <string_view>

namespace volemo::cli {

// "ja" or "en"; false for any other.
bool SetLanguage(std::string_view code);
// From VOLEMO_LANG, when it names a language.
void TakeLanguageFromEnvironment();

// A message of the libraries, or a help text, in the chosen language.
std::string Said(const std::string& message);

}  // namespace volemo::cli

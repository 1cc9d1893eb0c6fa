#include "language.h"

#include <cstdlib>

#include "message_text.h"

namespace volemo::cli {
namespace {

const char* language = "ja";

}  // namespace

bool SetLanguage(std::string_view code) {
  for (const char* known : {"ja", "en"})
    if (code == known) {
      language = known;
      return true;
    }
  return false;
}

void TakeLanguageFromEnvironment() {
  if (const char* code = std::getenv("VOLEMO_LANG")) SetLanguage(code);
}

std::string Said(const std::string& message) { return TranslateMessage(message, language); }

}  // namespace volemo::cli

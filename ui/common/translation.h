// The window's languages: Japanese, the program's own (the texts in the
// source), and the translations built from translations/ beside the program.
// Also where texts cross between the languages and the engine: status texts,
// the libraries' messages, and scale names.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

namespace volemo {

enum class Language { Japanese, English };

// "ja" and "en", as --lang, VOLEMO_LANG and the stored choice spell them.
std::optional<Language> LanguageFromCode(std::string_view code);
const char* LanguageCode(Language language);

// The language last chosen in the window's menu; Japanese when none was.
bool HasStoredLanguage();
Language StoredLanguage();
void StoreLanguage(Language language);

// Installs the program's translation for the language and Qt's own from
// folder (a Japanese program needs only Qt's). Returns the files that could
// not be loaded, empty when all were.
QString InstallTranslations(Language language, const QString& folder);
// The folder of the program's translations: beside the program, else the
// installed data folder.
QString TranslationsFolder();
// The language whose translations are installed now.
Language CurrentLanguage();

// A status text as the settings hold it (CP932; a character CP932 lacks
// becomes "?").
std::string StatusText(const QString& text);

// A message of the libraries below the window (CP932 bytes, or UTF-8 for
// TranslatedMessage) in the user's language (message_text.h); a message the
// libraries did not mark for translation stays as it is.
QString MessageText(const std::string& cp932);
QString TranslatedMessage(const QString& text);

// A scale's name as the lists show it: in a language other than Japanese, a
// Japanese scale keeps its own name with its romanised form beside it.
QString ShownScaleName(const QString& name);

// A preset's name as the list shows it: a shipped preset's in the user's
// language, any other as it was saved.
QString ShownPresetName(const QString& name);

}  // namespace volemo

#include "translation.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>
#include <vector>

#include "cp932.h"
#include "gui_benri.h"
#include "message_text.h"
#include "program_dir.h"
#include "translatable.h"

namespace volemo {
namespace {

Language current = Language::Japanese;
// The translators InstallTranslations put in, taken out by the next call.
std::vector<QTranslator*> installed;

// The Japanese names of the scales Scale.dat ships; their translations are
// the romanised forms.
[[maybe_unused]] const char* const kJapaneseScales[] = {
    QT_TRANSLATE_NOOP("Scale", "民謡音階"), QT_TRANSLATE_NOOP("Scale", "都節音階"),
    QT_TRANSLATE_NOOP("Scale", "律音階"),   QT_TRANSLATE_NOOP("Scale", "琉球音階"),
    QT_TRANSLATE_NOOP("Scale", "陰音階"),   QT_TRANSLATE_NOOP("Scale", "平調子"),
};

QSettings Stored() { return QSettings(QStringLiteral("Volemo"), QStringLiteral("Volemo")); }

}  // namespace

std::optional<Language> LanguageFromCode(std::string_view code) {
  if (code == "ja") return Language::Japanese;
  if (code == "en") return Language::English;
  return std::nullopt;
}

const char* LanguageCode(Language language) { return language == Language::English ? "en" : "ja"; }

bool HasStoredLanguage() { return LanguageFromCode(Stored().value("language").toString().toStdString()).has_value(); }

Language StoredLanguage() {
  return LanguageFromCode(Stored().value("language").toString().toStdString()).value_or(Language::Japanese);
}

void StoreLanguage(Language language) { Stored().setValue("language", QString::fromLatin1(LanguageCode(language))); }

QString TranslationsFolder() { return QString::fromStdString(DataPath("translations")); }

QString InstallTranslations(Language language, const QString& folder) {
  current = language;
  for (QTranslator* t : installed) {
    QCoreApplication::removeTranslator(t);
    delete t;
  }
  installed.clear();
  const QString code = QString::fromLatin1(LanguageCode(language));
  QString missing;
  if (QTranslator* qt = LoadQtTranslation(code, missing)) {
    QCoreApplication::installTranslator(qt);
    installed.push_back(qt);
  }
  if (language == Language::Japanese) return missing;
  auto* translator = new QTranslator(QCoreApplication::instance());
  const QString name = QStringLiteral("volemo_") + code;
  if (translator->load(name, folder)) {
    QCoreApplication::installTranslator(translator);
    installed.push_back(translator);
  } else {
    delete translator;
    if (!missing.isEmpty()) missing += QStringLiteral(", ");
    missing += folder + u'/' + name + QStringLiteral(".qm");
  }
  return missing;
}

Language CurrentLanguage() { return current; }

std::string StatusText(const QString& text) { return Cp932FromUtf8Lossy(text.toStdString()); }

QString MessageText(const std::string& cp932) {
  return TranslatedMessage(QString::fromStdString(Utf8FromCp932(cp932)));
}

QString TranslatedMessage(const QString& text) {
  if (current == Language::Japanese) return text;
  return QString::fromStdString(TranslateMessage(text.toStdString(), LanguageCode(current)));
}

QString ShownScaleName(const QString& name) {
  if (current == Language::Japanese) return name;
  const QString romanised = QCoreApplication::translate("Scale", name.toUtf8().constData());
  return romanised == name ? name : name + QStringLiteral(" (") + romanised + u')';
}

QString ShownPresetName(const QString& name) {
  return QCoreApplication::translate("Preset", name.toUtf8().constData());
}

}  // namespace volemo

#include "utilities/Localization/LanguageSettings.h"

#include "utilities/PathProvider.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QTranslator>

namespace Corvane::Utilities::Localization {

const QString LanguageSettings::DEFAULT_LOCALE = QStringLiteral("en_US");
const QString LanguageSettings::ARABIC_LOCALE = QStringLiteral("ar_SA");
const char* const LanguageSettings::LANGUAGE_NAME_SOURCE = "LanguageName";

namespace {

QString nativeName(const QString& locale)
{
    QString name = QLocale(locale).nativeLanguageName();
    if (name.isEmpty())
        return locale;
    name[0] = name.at(0).toUpper();
    return name;
}

QString displayName(const QString& locale, const QString& qmPath, const char* context, const char* disambiguation)
{
    QTranslator translator;
    if (translator.load(qmPath)) {
        const QString translated = translator.translate(context, LanguageSettings::LANGUAGE_NAME_SOURCE, disambiguation);
        if (!translated.isEmpty())
            return translated;
    }
    return nativeName(locale);
}

} // namespace

QList<LocaleData> LanguageSettings::locales(const char* context, const char* disambiguation, const QString& folder)
{
    const QDir translations(folder.isEmpty() ? PathProvider::translationsPath() : folder);
    const QString prefix = QCoreApplication::applicationName() + u'_';

    QList<LocaleData> result{LocaleData(DEFAULT_LOCALE, nativeName(DEFAULT_LOCALE))};
    const QStringList files = translations.entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        const QString locale = file.mid(prefix.size()).chopped(3);
        if (locale.isEmpty() || locale == DEFAULT_LOCALE)
            continue;
        result.append(LocaleData(locale, displayName(locale, translations.filePath(file), context, disambiguation)));
    }
    return result;
}

} // namespace Corvane::Utilities::Localization

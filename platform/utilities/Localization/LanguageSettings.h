#pragma once

#include "utilities/Localization/LocaleData.h"

#include <QList>
#include <QString>

namespace Corvane::Utilities::Localization {

class LanguageSettings
{
public:
    LanguageSettings() = delete;

    // The language used when none is chosen.
    static const QString DEFAULT_LOCALE;
    // The one language laid out right to left.
    static const QString ARABIC_LOCALE;
    // Source text whose translation in a program's translation context is
    // the language's own name ("Italiano" in the Italian file).
    static const char* const LANGUAGE_NAME_SOURCE;

    // The languages the running program offers: DEFAULT_LOCALE first, then
    // one per translation file "<application name>_<locale>.qm" in folder
    // (PathProvider::translationsPath() when empty), ordered by locale. The
    // display name is the file's translation of LANGUAGE_NAME_SOURCE in
    // context (with disambiguation), else the language's native name.
    static QList<LocaleData> locales(const char* context, const char* disambiguation = nullptr,
                                     const QString& folder = QString());
};

} // namespace Corvane::Utilities::Localization

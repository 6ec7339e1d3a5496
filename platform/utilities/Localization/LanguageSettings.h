#pragma once

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
};

} // namespace Corvane::Utilities::Localization

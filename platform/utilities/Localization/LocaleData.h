#pragma once

#include <QString>

namespace Corvane::Utilities::Localization {

// One language the programs offer: its locale id ("en", "ar", ...) and the
// name shown to the user, in that language.
class LocaleData
{
public:
    LocaleData() = default;
    LocaleData(const QString& locale, const QString& displayName)
        : m_locale(locale)
        , m_displayName(displayName)
    {
    }

    QString locale() const { return m_locale; }
    QString displayName() const { return m_displayName; }

    bool operator==(const LocaleData&) const = default;

private:
    QString m_locale;
    QString m_displayName;
};

} // namespace Corvane::Utilities::Localization

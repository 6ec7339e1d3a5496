#include "utilities/InitSettings.h"

#include "utilities/PathProvider.h"

#include <QSettings>

namespace Corvane::Utilities {

const QString InitSettings::DOMAIN_NAME_KEY = QStringLiteral("domain_name");
const QString InitSettings::SOFTWARE_UPDATE_LINK_KEY = QStringLiteral("software_update_link");
const QString InitSettings::LOCALE_KEY = QStringLiteral("locale");

namespace {

struct Values
{
    QString domainName = QStringLiteral("www.talvera.example");
    QString softwareUpdateLink = QStringLiteral("https://updates.talvera.example/linux");
    QString locale = QStringLiteral("en_US");
};

Values& values()
{
    static Values v;
    return v;
}

QString readString(const QSettings& settings, const QString& key, const QString& fallback)
{
    const QString value = settings.value(key).toString().trimmed();
    return value.isEmpty() ? fallback : value;
}

} // namespace

void InitSettings::readSettings()
{
    const Values defaults;
    const QSettings settings(PathProvider::iniFilePath(), QSettings::IniFormat);
    Values& current = values();
    current.domainName = readString(settings, DOMAIN_NAME_KEY, defaults.domainName);
    current.softwareUpdateLink = readString(settings, SOFTWARE_UPDATE_LINK_KEY, defaults.softwareUpdateLink);
    current.locale = readString(settings, LOCALE_KEY, defaults.locale);
}

QString InitSettings::domainName()
{
    return values().domainName;
}

QString InitSettings::softwareUpdateLink()
{
    return values().softwareUpdateLink;
}

QString InitSettings::locale()
{
    return values().locale;
}

} // namespace Corvane::Utilities

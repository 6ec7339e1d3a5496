#include "utilities/InitSettings.h"

#include "utilities/Localization/LanguageSettings.h"
#include "utilities/PathProvider.h"

#include <QSettings>

namespace Corvane::Utilities {

const QString InitSettings::DOMAIN_NAME_KEY = QStringLiteral("domain_name");
const QString InitSettings::SOFTWARE_UPDATE_LINK_KEY = QStringLiteral("software_update_link");
const QString InitSettings::LOCALE_KEY = QStringLiteral("locale");
const QString InitSettings::MAX_DESCRIPTION_CHARS_KEY = QStringLiteral("max_description_chars");
const QString InitSettings::SPLASH_IMAGE_FILE_KEY = QStringLiteral("splash_image_file");
const QString InitSettings::LOGO_FILE_NAME_KEY = QStringLiteral("logo_file_name");

namespace {

struct Values
{
    QString domainName = QStringLiteral("www.talvera.example");
    QString softwareUpdateLink = QStringLiteral("https://updates.talvera.example/linux");
    QString locale = Localization::LanguageSettings::DEFAULT_LOCALE;
    int maxDescriptionChars = 40;
    QString splashImageFile = PathProvider::dataPath() + QStringLiteral("/images/splash.png");
    QString logoFileName = PathProvider::dataPath() + QStringLiteral("/images/logo.png");
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

int readPositiveInt(const QSettings& settings, const QString& key, int fallback)
{
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok && value > 0 ? value : fallback;
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
    current.maxDescriptionChars = readPositiveInt(settings, MAX_DESCRIPTION_CHARS_KEY, defaults.maxDescriptionChars);
    current.splashImageFile = readString(settings, SPLASH_IMAGE_FILE_KEY, defaults.splashImageFile);
    current.logoFileName = readString(settings, LOGO_FILE_NAME_KEY, defaults.logoFileName);
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

int InitSettings::maxDescriptionChars()
{
    return values().maxDescriptionChars;
}

QString InitSettings::splashImageFile()
{
    return values().splashImageFile;
}

QString InitSettings::logoFileName()
{
    return values().logoFileName;
}

const double InitSettings::MIN_SCALE = 0.5;
const double InitSettings::MAX_SCALE = 1.5;

int InitSettings::gadgetMinWidth()
{
    return 150;
}

int InitSettings::gadgetMinHeight()
{
    return 150;
}

int InitSettings::gadgetMaxWidth()
{
    return 450;
}

int InitSettings::gadgetMaxHeight()
{
    return 450;
}

int InitSettings::gadgetMinTransparency()
{
    return 0;
}

int InitSettings::gadgetMaxTransparency()
{
    return 80;
}

} // namespace Corvane::Utilities

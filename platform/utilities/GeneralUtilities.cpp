#include "utilities/GeneralUtilities.h"

#include "utilities/CustomApplicationIniSettings.h"
#include "utilities/Globals.h"
#include "utilities/InitSettings.h"
#include "utilities/Localization/TranslatorsManager.h"
#include "utilities/PathProvider.h"

#include <QDate>
#include <QProcess>

namespace Corvane::Utilities {

bool GeneralUtilities::startUpdater(const QStringList& arguments)
{
    // The Updater speaks the language of the program that starts it.
    QStringList withLocale = arguments;
    const QString locale = Localization::TranslatorsManager::instance()->currentLocale();
    if (!locale.isEmpty() && !arguments.contains(Globals::UPDATER_LOCALE_ARGUMENT_SWITCH))
        withLocale << Globals::UPDATER_LOCALE_ARGUMENT_SWITCH << locale;
    return QProcess::startDetached(PathProvider::updaterFilePath(), withLocale);
}

bool GeneralUtilities::startAutoUpdateIfNeeded()
{
    CustomApplicationIniSettings settings;
    settings.readSettings();
    const QDate today = QDate::currentDate();
    if (!settings.showUpdatesOnStartup() || settings.lastUpdateCheck() == today)
        return false;
    if (!startUpdater(autoUpdateArguments(settings.iniSettingsPath(), InitSettings::locale())))
        return false;
    settings.setLastUpdateCheck(today);
    settings.writeSettings();
    return true;
}

QStringList GeneralUtilities::autoUpdateArguments(const QString& iniPath, const QString& locale)
{
    return {Globals::UPDATER_INI_FILE_LOCATION_ARGUMENT_SWITCH, iniPath,
            Globals::UPDATER_LOCALE_ARGUMENT_SWITCH, locale,
            Globals::UPDATER_AUTOMATIC_UPDATE_ARGUMENT_SWITCH};
}

bool GeneralUtilities::isIPAddressValid(QString& address, QChar blank, bool normalize)
{
    QString compact = address;
    compact.remove(u' ');
    if (!blank.isNull())
        compact.remove(blank);
    const QStringList parts = compact.split(u'.');
    if (parts.size() != 4)
        return false;
    QStringList numbers;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return false;
        bool ok = false;
        const int value = part.toInt(&ok, 10);
        if (!ok || value < 0 || value > 255 || !part.at(0).isDigit())
            return false;
        numbers.append(QString::number(value));
    }
    if (normalize)
        address = numbers.join(u'.');
    return true;
}

} // namespace Corvane::Utilities

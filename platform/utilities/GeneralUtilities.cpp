#include "utilities/GeneralUtilities.h"

#include "utilities/CustomApplicationIniSettings.h"
#include "utilities/Globals.h"
#include "utilities/InitSettings.h"
#include "utilities/PathProvider.h"

#include <QDate>
#include <QProcess>

namespace Corvane::Utilities {

bool GeneralUtilities::startUpdater(const QStringList& arguments)
{
    return QProcess::startDetached(PathProvider::updaterFilePath(), arguments);
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

} // namespace Corvane::Utilities

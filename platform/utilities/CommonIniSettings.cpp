#include "utilities/CommonIniSettings.h"

#include <QFileInfo>
#include <QSettings>

namespace Corvane::Utilities {

const QString CommonIniSettings::SHOW_UPDATES_ON_STARTUP_KEY = QStringLiteral("show_updates_on_startup");
const QString CommonIniSettings::LAST_UPDATE_CHECK_KEY = QStringLiteral("last_update_check");
const bool CommonIniSettings::SHOW_UPDATES_BUILD_DEFAULT = CORVANE_SHOW_UPDATES_ON_STARTUP_DEFAULT;

bool CommonIniSettings::showUpdatesOnStartup() const
{
    return m_showUpdatesOnStartup.value_or(m_showUpdatesDefault);
}

void CommonIniSettings::setShowUpdatesOnStartup(bool show)
{
    m_showUpdatesOnStartup = show;
}

QDate CommonIniSettings::lastUpdateCheck() const
{
    return m_lastUpdateCheck.value_or(QDate());
}

void CommonIniSettings::setLastUpdateCheck(const QDate& date)
{
    m_lastUpdateCheck = date;
}

void CommonIniSettings::readCommonSettings(const QSettings& settings)
{
    clearCommonSettings();
    if (settings.contains(SHOW_UPDATES_ON_STARTUP_KEY))
        m_showUpdatesOnStartup = settings.value(SHOW_UPDATES_ON_STARTUP_KEY).toBool();
    if (settings.contains(LAST_UPDATE_CHECK_KEY))
        m_lastUpdateCheck = QDate::fromString(settings.value(LAST_UPDATE_CHECK_KEY).toString(), Qt::ISODate);
}

void CommonIniSettings::readSystemDefaults(const QStringList& paths)
{
    for (const QString& path : paths) {
        if (!QFileInfo::exists(path))
            continue;
        const QSettings settings(path, QSettings::IniFormat);
        if (settings.contains(SHOW_UPDATES_ON_STARTUP_KEY)) {
            m_showUpdatesDefault = settings.value(SHOW_UPDATES_ON_STARTUP_KEY).toBool();
            return;
        }
    }
}

void CommonIniSettings::writeCommonSettings(QSettings& settings) const
{
    if (m_showUpdatesOnStartup)
        settings.setValue(SHOW_UPDATES_ON_STARTUP_KEY, *m_showUpdatesOnStartup);
    if (m_lastUpdateCheck)
        settings.setValue(LAST_UPDATE_CHECK_KEY, m_lastUpdateCheck->toString(Qt::ISODate));
}

void CommonIniSettings::clearCommonSettings()
{
    m_showUpdatesOnStartup.reset();
    m_showUpdatesDefault = SHOW_UPDATES_BUILD_DEFAULT;
    m_lastUpdateCheck.reset();
}

} // namespace Corvane::Utilities

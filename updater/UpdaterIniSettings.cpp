#include "UpdaterIniSettings.h"

#include "utilities/PathProvider.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace Corvane::Updater {

const QString UpdaterIniSettings::LAST_OPENED_PATH = QStringLiteral("last_opened_path");

UpdaterIniSettings* UpdaterIniSettings::instance()
{
    static UpdaterIniSettings settings;
    return &settings;
}

void UpdaterIniSettings::readSettings()
{
    const QSettings settings(Utilities::PathProvider::iniFilePath(), QSettings::IniFormat);
    if (settings.contains(LAST_OPENED_PATH))
        setLastOpenedDirPath(settings.value(LAST_OPENED_PATH).toString());
}

void UpdaterIniSettings::writeSettings() const
{
    if (!m_isSet)
        return;
    const QString path = Utilities::PathProvider::iniFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.setValue(LAST_OPENED_PATH, m_lastOpenedDirPath);
}

std::optional<QString> UpdaterIniSettings::lastOpenedDirPath() const
{
    return m_isSet ? std::optional<QString>(m_lastOpenedDirPath) : std::nullopt;
}

void UpdaterIniSettings::setLastOpenedDirPath(const QString& path)
{
    m_lastOpenedDirPath = path;
    m_isSet = true;
}

} // namespace Corvane::Updater

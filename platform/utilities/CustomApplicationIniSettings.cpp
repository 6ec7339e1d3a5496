#include "utilities/CustomApplicationIniSettings.h"

#include "utilities/PathProvider.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace Corvane::Utilities {

CustomApplicationIniSettings* CustomApplicationIniSettings::instance()
{
    static CustomApplicationIniSettings settings;
    return &settings;
}

QString CustomApplicationIniSettings::iniSettingsPath() const
{
    return m_iniSettingsPath.isEmpty() ? PathProvider::iniFilePath() : m_iniSettingsPath;
}

void CustomApplicationIniSettings::setIniSettingsPath(const QString& path)
{
    m_iniSettingsPath = path;
}

void CustomApplicationIniSettings::readSettings()
{
    const QString path = iniSettingsPath();
    const QSettings settings(path, QSettings::IniFormat);
    readCommonSettings(settings);
    readSystemDefaults(PathProvider::systemConfigFilePaths(QFileInfo(path).fileName()));
}

bool CustomApplicationIniSettings::writeSettings() const
{
    const QString path = iniSettingsPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    writeCommonSettings(settings);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace Corvane::Utilities

#pragma once

#include "utilities/CommonIniSettings.h"

namespace Corvane::Utilities {

// The ini file of one program: by default the running program's own
// (PathProvider::iniFilePath()); the Updater points it at the file of the
// program that started it.
class CustomApplicationIniSettings : public CommonIniSettings
{
public:
    static CustomApplicationIniSettings* instance();

    CustomApplicationIniSettings() = default;

    QString iniSettingsPath() const;
    void setIniSettingsPath(const QString& path);

    // Replaces the values held with those of the file; where it does not
    // set a key, the system-wide file of the same name decides
    // (PathProvider::systemConfigFilePaths()).
    void readSettings();
    // Writes the values held into the file, keeping its other keys; false
    // when the file cannot be written.
    bool writeSettings() const;

private:
    QString m_iniSettingsPath;
};

} // namespace Corvane::Utilities

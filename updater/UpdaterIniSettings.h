#pragma once

#include <QString>

#include <optional>

namespace Corvane::Updater {

// The Updater's own ini file (PathProvider::iniFilePath()): the folder last
// chosen for a download, under "last_opened_path".
class UpdaterIniSettings
{
public:
    static const QString LAST_OPENED_PATH;

    // The one object of the program; nothing is read on creation.
    static UpdaterIniSettings* instance();

    UpdaterIniSettings() = default;

    void readSettings();
    // Writes the folder, only when one was set or read.
    void writeSettings() const;

    // The folder, when one was set or read.
    std::optional<QString> lastOpenedDirPath() const;
    void setLastOpenedDirPath(const QString& path);

private:
    bool m_isSet = false;
    QString m_lastOpenedDirPath;
};

} // namespace Corvane::Updater

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

class QSettings;

namespace Corvane::Utilities {

// The keys that every program keeps in its ini file about automatic update
// checks. Only values that were read or set are written back, so writing
// never replaces a key of the file with a default. Where the user's file
// does not set the start-up check, the system-wide files decide, and
// without them the build's default (CMake option
// CORVANE_SHOW_UPDATES_ON_STARTUP).
class CommonIniSettings
{
public:
    static const QString SHOW_UPDATES_ON_STARTUP_KEY; // "show_updates_on_startup"
    static const QString LAST_UPDATE_CHECK_KEY;       // "last_update_check", ISO date
    // The start-up check's default when no file sets it.
    static const bool SHOW_UPDATES_BUILD_DEFAULT;

    virtual ~CommonIniSettings() = default;

    // Whether the program checks for updates at start-up.
    bool showUpdatesOnStartup() const;
    void setShowUpdatesOnStartup(bool show);

    // Day of the last automatic check; invalid when none was made.
    QDate lastUpdateCheck() const;
    void setLastUpdateCheck(const QDate& date);

protected:
    // Replaces the values held with those of the user's file.
    void readCommonSettings(const QSettings& settings);
    // Takes the start-up check's default from the first of these files,
    // most important first, that sets it.
    void readSystemDefaults(const QStringList& paths);
    void writeCommonSettings(QSettings& settings) const;
    void clearCommonSettings();

private:
    std::optional<bool> m_showUpdatesOnStartup;
    bool m_showUpdatesDefault = SHOW_UPDATES_BUILD_DEFAULT;
    std::optional<QDate> m_lastUpdateCheck;
};

} // namespace Corvane::Utilities

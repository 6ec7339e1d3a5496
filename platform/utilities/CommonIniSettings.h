#pragma once

#include <QDate>
#include <QString>

#include <optional>

class QSettings;

namespace Corvane::Utilities {

// The keys that every program keeps in its ini file about automatic update
// checks. Only values that were read or set are written back, so writing
// never replaces a key of the file with a default.
class CommonIniSettings
{
public:
    static const QString SHOW_UPDATES_ON_STARTUP_KEY; // "show_updates_on_startup"
    static const QString LAST_UPDATE_CHECK_KEY;       // "last_update_check", ISO date

    virtual ~CommonIniSettings() = default;

    // Whether the program checks for updates at start-up (default true).
    bool showUpdatesOnStartup() const;
    void setShowUpdatesOnStartup(bool show);

    // Day of the last automatic check; invalid when none was made.
    QDate lastUpdateCheck() const;
    void setLastUpdateCheck(const QDate& date);

protected:
    void readCommonSettings(const QSettings& settings);
    void writeCommonSettings(QSettings& settings) const;
    void clearCommonSettings();

private:
    std::optional<bool> m_showUpdatesOnStartup;
    std::optional<QDate> m_lastUpdateCheck;
};

} // namespace Corvane::Utilities

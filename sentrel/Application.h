#pragma once

#include "utilities/SingleInstanceApplication.h"

#include <QString>

namespace Corvane::Sentrel {

// The program's application object: one instance per user session, file
// open requests of the desktop as a signal, the end of the desktop session,
// and the user's autostart entry.
class Application : public Utilities::SingleInstanceApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv, const QString& key);

    // True once the desktop session asked the program to save its data.
    static bool s_isShuttingDown;
    static void setShuttingDown();

    QString lastFileOpenPath() const { return m_lastFileOpenPath; }

    // The autostart entry: "<XDG config>/autostart/<application name>.desktop".
    static QString autostartFilePath();
    static QByteArray createDesktopEntryData();
    static bool runAtStartup();
    // Writes the entry (atomically, never over an existing one) or removes
    // it. Returns false when the file could not be written or removed.
    static bool setRunAtStartup(bool on);

    // program as the first word of a desktop entry's Exec key.
    static QString quotedExecProgram(const QString& program);

Q_SIGNALS:
    void fileNameArgument(const QString& fileName);

protected:
    bool event(QEvent* event) override;

private:
    void onCommitDataRequest();

    QString m_lastFileOpenPath;
};

} // namespace Corvane::Sentrel

#pragma once

#include <QChar>
#include <QStringList>

namespace Corvane::Utilities {

// Small program-level services.
class GeneralUtilities
{
public:
    GeneralUtilities() = delete;

    // Starts the Updater (PathProvider::updaterFilePath()) as a detached
    // process with these arguments; no arguments mean an interactive check.
    static bool startUpdater(const QStringList& arguments);

    // Starts the Updater's automatic check when the running program's ini
    // file allows it ("show_updates_on_startup", see CommonIniSettings) and no
    // automatic check was started today. The Updater gets this program's
    // ini file and locale before the automatic switch, because it stops
    // reading its arguments at that switch. Returns whether it was started.
    static bool startAutoUpdateIfNeeded();

    // The arguments of an automatic check for a program with this ini file
    // and locale.
    static QStringList autoUpdateArguments(const QString& iniPath, const QString& locale);

    // True for a dotted IPv4 address of four numbers 0..255 of one to three
    // digits each. Characters equal to blank (the blank of an input mask,
    // none when null) and spaces are ignored. With normalize a valid address
    // is rewritten in place without blanks and leading zeros
    // ("010.1.1.1" -> "10.1.1.1").
    static bool isIPAddressValid(QString& address, QChar blank = QChar(), bool normalize = false);
};

} // namespace Corvane::Utilities

#pragma once

#include <QStringList>

namespace Corvane::Updater {

// The Updater's command line. Each switch is honoured once, compared
// exactly; reading stops at the automatic switch, and a switch that needs a
// value but stands last is ignored. Other arguments are ignored.
struct UpdaterArguments
{
    enum ArgumentSwitch {
        AutomaticUpdate = 0,
        IniFileLocation = 1,
        Locale = 2,
    };

    bool automatic = false;
    // The calling program's ini file; empty when not given.
    QString iniPath;
    // Locale of the texts; empty when not given (or given empty).
    QString locale;

    // Reads arguments as QCoreApplication::arguments() gives them (the
    // program's path first).
    static UpdaterArguments parse(const QStringList& arguments);
};

} // namespace Corvane::Updater

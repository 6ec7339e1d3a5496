#pragma once

#include <QString>

namespace Corvane::Utilities {

// Product identity shared by the programs and libraries.
class Globals
{
public:
    Globals() = delete;

    // Command-line switches of the Updater: start an automatic (silent unless
    // something new is found) check, name the calling program's ini file, and
    // name the locale of the Updater's texts. The last two take a value.
    static const QString UPDATER_AUTOMATIC_UPDATE_ARGUMENT_SWITCH;
    static const QString UPDATER_INI_FILE_LOCATION_ARGUMENT_SWITCH;
    static const QString UPDATER_LOCALE_ARGUMENT_SWITCH;

    // Display name of the skin built into the Gadgets library.
    static QString defaultSkinName();
    // Name of the product family, shown above the version.
    static QString productFamily();
    // Number of the company whose brand the programs carry: 1 Corvane,
    // 2 Talvera.
    static int company();

    // Names of the shared libraries whose translation files
    // ("<name>_<locale>.qm") are loaded with each program's own.
    static QString gadgetsLibName();
    static QString devicesLibName();
    // The texts of the other platform layers (this one included), which
    // every program loads.
    static QString platformLibName();
    // Application name of the project editor, as named in messages that
    // send the user to it.
    static QString configuratorAppName();
    // Application name of the control program, shown on its tray icon.
    static QString sentrelAppName();

    // Key under which one program of one organisation runs as a single
    // instance per user session.
    static QString appKey(const QString& applicationName, const QString& organisationName);

    // Drops Qt debug messages unless the environment variable CORVANE_DEBUG
    // is set; warnings and errors still reach the previous handler.
    static void installNoDebugOutputMsgHandlerIfNeeded();
};

} // namespace Corvane::Utilities

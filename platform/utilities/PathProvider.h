#pragma once

#include <QString>
#include <QStringList>

namespace Corvane::Utilities {

// Where the programs find and keep their files.
//
// The user's files (program ini files, the active project, the user
// settings) live in "<XDG config>/corvane"; the environment variable
// CORVANE_CONFIG_DIR replaces that folder. Files installed with the programs
// (the software information file, the demo project, translations) live in
// "<prefix>/share/corvane", found from the running program's folder
// "<prefix>/bin"; the environment variable CORVANE_DATA_DIR replaces it.
class PathProvider
{
public:
    PathProvider() = delete;

    // Extension of project files, with its dot.
    static const QString CONFIG_PROJECT_EXTENSION;
    // File name of the demo project shipped with the programs.
    static const QString DEMO_PROJECT_FILENAME;
    // File name of the installed software information (INFOSW) file.
    static const QString INFOSW_FILENAME;
    // File name of the Updater program.
    static const QString UPDATER_PROGRAM_NAME;

    // The user's configuration folder (created on demand by the writers).
    static QString configPath();
    // The programs' folder in the user's cache: "<XDG cache>/corvane".
    static QString cachePath();
    // The folder of the files installed with the programs.
    static QString dataPath();
    static QString translationsPath();
    // The folder of the skin files (zip archives) offered to the user.
    static QString skinsDirPath();

    // The active project, the one Sentrel reads.
    static QString configPrjFullName();
    // The working copy of a project (the target of loading the active
    // project and the staging file of activation), in the user's cache
    // folder: never beside the active project.
    static QString configTempFullName();
    static QString demoProjectFullName();
    // The user settings file of Sentrel.
    static QString currentUserConfigFileName();
    static QString configInfoSwFullName();
    // The running program's own ini file, named after the application name.
    static QString iniFilePath();
    // The system-wide counterparts of a file of the user's configuration
    // folder, most important first: "<folder>/corvane/<fileName>" for each
    // folder of XDG_CONFIG_DIRS (default /etc/xdg). Administrators and
    // distributions set defaults there; the user's own file overrides them.
    static QStringList systemConfigFilePaths(const QString& fileName);
    // The Updater program: CORVANE_UPDATER when set, else the program beside
    // the running one.
    static QString updaterFilePath();
    // The user's documents folder (the home folder when the desktop names
    // none): where file dialogs start when nothing better is known.
    static QString userDocumentsPath();
};

} // namespace Corvane::Utilities

#include "utilities/PathProvider.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace Corvane::Utilities {

const QString PathProvider::CONFIG_PROJECT_EXTENSION = QStringLiteral(".vtprj");
const QString PathProvider::DEMO_PROJECT_FILENAME = QStringLiteral("demo.vtprj");
const QString PathProvider::INFOSW_FILENAME = QStringLiteral("INFOSW.xml");
const QString PathProvider::UPDATER_PROGRAM_NAME = QStringLiteral("corvane-updater");

namespace {

const QString FolderName = QStringLiteral("corvane");

QString environmentPath(const char* name)
{
    return QDir::cleanPath(qEnvironmentVariable(name));
}

QString inFolder(const QString& folder, const QString& fileName)
{
    return QDir(folder).filePath(fileName);
}

} // namespace

QString PathProvider::configPath()
{
    if (qEnvironmentVariableIsSet("CORVANE_CONFIG_DIR"))
        return environmentPath("CORVANE_CONFIG_DIR");
    return inFolder(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation), FolderName);
}

QString PathProvider::cachePath()
{
    return inFolder(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation), FolderName);
}

QString PathProvider::dataPath()
{
    if (qEnvironmentVariableIsSet("CORVANE_DATA_DIR"))
        return environmentPath("CORVANE_DATA_DIR");
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/") + FolderName);
}

QString PathProvider::translationsPath()
{
    return inFolder(dataPath(), QStringLiteral("translations"));
}

QString PathProvider::skinsDirPath()
{
    return inFolder(dataPath(), QStringLiteral("skins"));
}

QString PathProvider::configPrjFullName()
{
    return inFolder(configPath(), QStringLiteral("ActiveProject") + CONFIG_PROJECT_EXTENSION);
}

QString PathProvider::configTempFullName()
{
    return inFolder(cachePath(), QStringLiteral("WorkingProject") + CONFIG_PROJECT_EXTENSION);
}

QString PathProvider::demoProjectFullName()
{
    return inFolder(dataPath(), DEMO_PROJECT_FILENAME);
}

QString PathProvider::currentUserConfigFileName()
{
    return inFolder(configPath(), QStringLiteral("UserConfiguration.xml"));
}

QString PathProvider::configInfoSwFullName()
{
    return inFolder(dataPath(), INFOSW_FILENAME);
}

QString PathProvider::iniFilePath()
{
    return inFolder(configPath(), QCoreApplication::applicationName() + QStringLiteral(".ini"));
}

QStringList PathProvider::systemConfigFilePaths(const QString& fileName)
{
    // The first location is the user's own folder.
    QStringList folders = QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
    if (!folders.isEmpty())
        folders.removeFirst();
    QStringList paths;
    for (const QString& folder : std::as_const(folders))
        paths.append(inFolder(inFolder(folder, FolderName), fileName));
    return paths;
}

QString PathProvider::updaterFilePath()
{
    if (qEnvironmentVariableIsSet("CORVANE_UPDATER"))
        return environmentPath("CORVANE_UPDATER");
    return inFolder(QCoreApplication::applicationDirPath(), UPDATER_PROGRAM_NAME);
}

QString PathProvider::userDocumentsPath()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

} // namespace Corvane::Utilities

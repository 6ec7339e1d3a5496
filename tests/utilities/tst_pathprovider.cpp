#include "utilities/PathProvider.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using Corvane::Utilities::PathProvider;

class tst_PathProvider : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void redirectedByEnvironment();
    void defaultsFollowXdgAndInstallPrefix();
    void workingProjectLivesInCacheApartFromActiveProject();
    void userDocumentsFollowTheDesktopsUserFolders();
};

void tst_PathProvider::redirectedByEnvironment()
{
    qputenv("CORVANE_CONFIG_DIR", "/tmp/cfg/");
    qputenv("CORVANE_DATA_DIR", "/tmp/data");
    QCoreApplication::setApplicationName("Probe");

    QCOMPARE(PathProvider::configPath(), QString("/tmp/cfg"));
    QCOMPARE(PathProvider::iniFilePath(), QString("/tmp/cfg/Probe.ini"));
    QCOMPARE(PathProvider::configPrjFullName(), QString("/tmp/cfg/ActiveProject.vtprj"));
    QCOMPARE(PathProvider::currentUserConfigFileName(), QString("/tmp/cfg/UserConfiguration.xml"));
    QCOMPARE(PathProvider::configInfoSwFullName(), QString("/tmp/data/INFOSW.xml"));
    QCOMPARE(PathProvider::demoProjectFullName(), QString("/tmp/data/") + PathProvider::DEMO_PROJECT_FILENAME);
    QVERIFY(PathProvider::DEMO_PROJECT_FILENAME.endsWith(PathProvider::CONFIG_PROJECT_EXTENSION));
    QCOMPARE(PathProvider::CONFIG_PROJECT_EXTENSION, QString(".vtprj"));
}

void tst_PathProvider::defaultsFollowXdgAndInstallPrefix()
{
    qunsetenv("CORVANE_CONFIG_DIR");
    qunsetenv("CORVANE_DATA_DIR");
    qunsetenv("CORVANE_UPDATER");
    qputenv("XDG_CONFIG_HOME", "/tmp/xdg-config");

    QCOMPARE(PathProvider::configPath(), QString("/tmp/xdg-config/corvane"));
    const QDir programs(QCoreApplication::applicationDirPath());
    QCOMPARE(PathProvider::dataPath(), QDir::cleanPath(programs.filePath("../share/corvane")));
    QCOMPARE(PathProvider::updaterFilePath(), programs.filePath("corvane-updater"));
}

void tst_PathProvider::workingProjectLivesInCacheApartFromActiveProject()
{
    qputenv("XDG_CACHE_HOME", "/tmp/xdg-cache");
    for (const char* config : {"/tmp/cfg", ""}) {
        if (*config)
            qputenv("CORVANE_CONFIG_DIR", config);
        else
            qunsetenv("CORVANE_CONFIG_DIR");
        const QString working = PathProvider::configTempFullName();
        QCOMPARE(QFileInfo(working).absolutePath(), QString("/tmp/xdg-cache/corvane"));
        QVERIFY(working.endsWith(PathProvider::CONFIG_PROJECT_EXTENSION));
        QVERIFY(QFileInfo(working).absolutePath() != QFileInfo(PathProvider::configPrjFullName()).absolutePath());
    }
}

void tst_PathProvider::userDocumentsFollowTheDesktopsUserFolders()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));

    // No user folders named: the documents folder of the home folder.
    const QString documents = PathProvider::userDocumentsPath();
    QVERIFY(QDir::isAbsolutePath(documents));
    QVERIFY(documents.startsWith(QDir::homePath()));

    QFile userDirs(config.filePath("user-dirs.dirs"));
    QVERIFY(userDirs.open(QIODevice::WriteOnly));
    userDirs.write("XDG_DOCUMENTS_DIR=\"$HOME/Papers\"\n");
    userDirs.close();
    QCOMPARE(PathProvider::userDocumentsPath(), QDir::homePath() + QStringLiteral("/Papers"));
}

QTEST_GUILESS_MAIN(tst_PathProvider)
#include "tst_pathprovider.moc"

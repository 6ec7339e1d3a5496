#include <QCoreApplication>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Installs the build into a temporary prefix and checks the Configurator's
// files there; a child process with XDG_DATA_DIRS on the prefix finds the
// project file type through QMimeDatabase.
class tst_ConfiguratorInstall : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void installsEveryFile();
};

void tst_ConfiguratorInstall::installsEveryFile()
{
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(QStringLiteral(CMAKE_COMMAND), {"--install", QStringLiteral(BUILD_DIR), "--prefix", prefix.path()});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());

    const QStringList files{"bin/corvane-configurator",
                            "libexec/corvane/corvane-activate-project",
                            "share/applications/corvane-configurator.desktop",
                            "share/icons/hicolor/scalable/apps/corvane-configurator.svg",
                            "share/icons/hicolor/48x48/apps/corvane-configurator.png",
                            "share/mime/packages/talvera-vtprj.xml",
                            "share/corvane/images/splash.png",
                            "share/corvane/images/logo.png",
                            "share/corvane/images/brand.png"};
    for (const QString& file : files)
        QVERIFY2(QFileInfo::exists(prefix.filePath(file)), qPrintable(file));
    QVERIFY(QFileInfo(prefix.filePath("bin/corvane-configurator")).isExecutable());
    QVERIFY(QFileInfo(prefix.filePath("libexec/corvane/corvane-activate-project")).isExecutable());

    QFile desktop(prefix.filePath("share/applications/corvane-configurator.desktop"));
    QVERIFY(desktop.open(QIODevice::ReadOnly));
    const QByteArray entry = desktop.readAll();
    QVERIFY(entry.contains("\nExec=corvane-configurator %f\n"));
    QVERIFY(entry.contains("\nMimeType=text/x-vtprj;\n"));

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("XDG_DATA_DIRS", prefix.filePath("share"));
    environment.insert("XDG_DATA_HOME", prefix.filePath("empty-home"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {"--mime-of", "x.vtprj"});
    QVERIFY(child.waitForFinished(30000));
    QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray("text/x-vtprj"));
}

int main(int argc, char** argv)
{
    if (argc == 3 && qstrcmp(argv[1], "--mime-of") == 0) {
        QCoreApplication application(argc, argv);
        const QMimeType type = QMimeDatabase().mimeTypeForFile(QString::fromLocal8Bit(argv[2]), QMimeDatabase::MatchExtension);
        printf("%s\n", qPrintable(type.name()));
        return 0;
    }
    QCoreApplication application(argc, argv);
    tst_ConfiguratorInstall test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_configuratorinstall.moc"

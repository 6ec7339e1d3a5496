#include "Application.h"

#include "FullDisk.h"
#include "devices/serialization/AtomicFileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileOpenEvent>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using Corvane::Devices::Serialization::AtomicFileWriter;
using Corvane::Sentrel::Application;

class tst_Application : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void desktopEntryText();
    void quotedExecProgram_data();
    void quotedExecProgram();
    void enablingTwiceKeepsTheFirstEntry();
    void disablingWithoutEntryDoesNothing();
    void unwritableFolderIsReported();
    void fullDiskLeavesNoEntry();
    void realFullDiskLeavesNoEntry();
    void fileOpenEventIsSignalled();
    void sessionEndMarksShuttingDown();

private:
    QString entry() const { return Application::autostartFilePath(); }
};

void tst_Application::init()
{
    QFile::remove(entry());
}

void tst_Application::desktopEntryText()
{
    const QString program = QDir::cleanPath(QCoreApplication::applicationFilePath());
    const QByteArray expected = "[Desktop Entry]\n"
                                "Encoding=UTF-8\n"
                                "Name=TalveraVantrel\n"
                                "Comment=Configuration and control of Corvane devices\n"
                                "Exec="
                                + Application::quotedExecProgram(program).toUtf8()
                                + " %f\n"
                                  "Icon=TalveraVantrel\n"
                                  "MimeType=text/x-vtprj\n"
                                  "Terminal=false\n"
                                  "Type=Application\n";
    QCOMPARE(Application::createDesktopEntryData(), expected);
    // The entry starts this very program, by its absolute path.
    QVERIFY(QDir::isAbsolutePath(program));
    QCOMPARE(Application::autostartFilePath(),
             qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/autostart/TalveraVantrel.desktop"));
}

void tst_Application::quotedExecProgram_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("exec");

    QTest::newRow("plain") << "/usr/bin/sentrel" << "/usr/bin/sentrel";
    QTest::newRow("blank") << "/opt/my apps/sentrel" << "\"/opt/my apps/sentrel\"";
    QTest::newRow("dollar and quote") << "/opt/a$b\"c/sentrel" << "\"/opt/a\\\\$b\\\\\"c/sentrel\"";
    QTest::newRow("backslash") << "/opt/a\\b/sentrel" << "\"/opt/a\\\\\\\\b/sentrel\"";
}

void tst_Application::quotedExecProgram()
{
    QFETCH(QString, program);
    QFETCH(QString, exec);
    QCOMPARE(Application::quotedExecProgram(program), exec);
}

void tst_Application::enablingTwiceKeepsTheFirstEntry()
{
    QVERIFY(!Application::runAtStartup());
    QVERIFY(Application::setRunAtStartup(true));
    QVERIFY(Application::runAtStartup());
    QFile file(entry());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), Application::createDesktopEntryData());
    file.close();

    // A second enabling leaves the user's own edits alone.
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Desktop Entry]\nName=Edited\n");
    file.close();
    QVERIFY(Application::setRunAtStartup(true));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("[Desktop Entry]\nName=Edited\n"));
    file.close();

    QVERIFY(Application::setRunAtStartup(false));
    QVERIFY(!Application::runAtStartup());
}

void tst_Application::disablingWithoutEntryDoesNothing()
{
    QVERIFY(Application::setRunAtStartup(false));
    QVERIFY(!Application::runAtStartup());
    QVERIFY(!QFileInfo::exists(entry()));
}

void tst_Application::unwritableFolderIsReported()
{
    // The autostart folder is a file: the entry cannot be written.
    const QString folder = QFileInfo(entry()).absolutePath();
    QDir(folder).removeRecursively();
    QFile blocker(folder);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY(!Application::setRunAtStartup(true));
    QVERIFY(!Application::runAtStartup());
    QFile::remove(folder);
}

void tst_Application::fullDiskLeavesNoEntry()
{
    // An entry cut short would count as enabled and never be written again.
    FullDisk::setBudget(20);
    const AtomicFileWriter::WriteCall previous = AtomicFileWriter::setWriteCall(&FullDisk::limitedWrite);
    const bool enabled = Application::setRunAtStartup(true);
    AtomicFileWriter::setWriteCall(previous);
    QVERIFY(!enabled);
    QVERIFY(!Application::runAtStartup());
    QVERIFY(Application::setRunAtStartup(true));
    QCOMPARE(QFileInfo(entry()).size(), Application::createDesktopEntryData().size());
}

void tst_Application::realFullDiskLeavesNoEntry()
{
    const QString folder = FullDisk::smallFileSystemFolder(64 * 1024);
    if (folder.isEmpty())
        return; // ran in a child, or skipped
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    QVERIFY(QDir().mkpath(QFileInfo(entry()).absolutePath()));
    QVERIFY(FullDisk::fill(folder));
    QVERIFY(!Application::setRunAtStartup(true));
    QVERIFY(!Application::runAtStartup());
}

void tst_Application::fileOpenEventIsSignalled()
{
    auto* application = static_cast<Application*>(QCoreApplication::instance());
    QSignalSpy spy(application, &Application::fileNameArgument);
    QFileOpenEvent event(QStringLiteral("/home/user/house.vtprj"));
    QVERIFY(QCoreApplication::sendEvent(application, &event));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("/home/user/house.vtprj"));
    QCOMPARE(application->lastFileOpenPath(), QStringLiteral("/home/user/house.vtprj"));
}

void tst_Application::sessionEndMarksShuttingDown()
{
    QVERIFY(!Application::s_isShuttingDown);
    Application::setShuttingDown();
    QVERIFY(Application::s_isShuttingDown);
    Application::setShuttingDown();
    QVERIFY(Application::s_isShuttingDown);
}

int main(int argc, char** argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    Application application(argc, argv, QStringLiteral("CorvaneTest.") + QUuid::createUuid().toString(QUuid::Id128));
    application.setApplicationName(QStringLiteral("TalveraVantrel"));
    tst_Application test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"

// The program as a whole: two real starts of sentrel.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class tst_Main : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondStartHandsOverAndEnds();

private:
    QString readLog() const;
    QTemporaryDir m_home;
};

QString tst_Main::readLog() const
{
    QFile log(m_home.path() + "/state/corvane/TalveraVantrel.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

void tst_Main::secondStartHandsOverAndEnds()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"CORVANE_CONFIG_DIR", "CORVANE_DATA_DIR", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char* folder : {"config", "data", "state", "runtime"}) {
        QVERIFY(QDir(m_home.path()).mkpath(folder));
        environment.insert(QStringLiteral("XDG_%1_HOME").arg(QString(folder).toUpper()), m_home.path() + "/" + folder);
    }
    QFile::setPermissions(m_home.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                          | QFileDevice::ExeOwner);
    environment.insert("XDG_RUNTIME_DIR", m_home.path() + "/runtime");

    // Where the second start runs: a project, a folder, a pipe, a text.
    QTemporaryDir work;
    QVERIFY(QDir(work.path()).mkpath("sub"));
    QVERIFY(QFile::copy(QStringLiteral(DEMO_PROJECT), work.path() + "/house.vtprj"));
    QVERIFY(QFile::setPermissions(work.path() + "/house.vtprj", QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QCOMPARE(mkfifo(QFile::encodeName(work.path() + "/pipe.vtprj").constData(), 0600), 0);
    QFile text(work.path() + "/notes.txt");
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a project");
    text.close();

    QProcess first;
    first.setProcessEnvironment(environment);
    first.start(QStringLiteral(SENTREL), {"/noserver", "/logverbose", QStringLiteral(DEMO_PROJECT)});
    QVERIFY(first.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_home.path() + "/runtime/Talvera.TalveraVantrel.instance"), 15000);

    QProcess second;
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(work.path());
    second.start(QStringLiteral(SENTREL),
                 {"/NoServer", "house.vtprj", "sub", "pipe.vtprj", "notes.txt", "/dev/zero", "missing.vtprj"});
    QVERIFY(second.waitForFinished(15000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);

    const QString folder = QDir(work.path()).canonicalPath();
    const QString project = folder + "/house.vtprj";
    QTRY_VERIFY_WITH_TIMEOUT(readLog().contains("A later start opens the project " + project), 10000);
    // What the running program passed over comes in one line, each refusal
    // with its reason.
    const QStringList passedOver = readLog().split('\n').filter("A later start handed over");
    QCOMPARE(passedOver.size(), 1);
    QVERIFY(passedOver.first().contains("switches 1, repeats 0, refused 5 ("));
    for (const QString& refused : {folder + "/sub", folder + "/pipe.vtprj", folder + "/notes.txt",
                                   QStringLiteral("/dev/zero"), QStringLiteral("missing.vtprj")})
        QVERIFY2(passedOver.first().contains(refused + ": "), qPrintable(refused));
    QCOMPARE(first.state(), QProcess::Running);

    first.terminate();
    QVERIFY(first.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"

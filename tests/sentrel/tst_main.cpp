// The program as a whole: two real starts of sentrel.
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class tst_Main : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondStartHandsOverAndEnds();
    void laterStartLogsTheArgumentsItDrops();
    void startWithoutPrivateFolderRunsUnguardedAndSaysSo();

private:
    QProcessEnvironment environment() const;
    QString readLog() const;
    QTemporaryDir m_home;
};

QString tst_Main::readLog() const
{
    QFile log(m_home.path() + "/state/corvane/TalveraVantrel.log");
    return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

// The user's folders in the test's own home; the runtime folder private.
QProcessEnvironment tst_Main::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"CORVANE_CONFIG_DIR", "CORVANE_DATA_DIR", "DISPLAY", "WAYLAND_DISPLAY"})
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char* folder : {"config", "data", "state", "cache", "runtime"}) {
        QDir(m_home.path()).mkpath(folder);
        environment.insert(QStringLiteral("XDG_%1_HOME").arg(QString(folder).toUpper()), m_home.path() + "/" + folder);
    }
    QFile::setPermissions(m_home.path() + "/runtime", QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                          | QFileDevice::ExeOwner);
    environment.insert("XDG_RUNTIME_DIR", m_home.path() + "/runtime");
    return environment;
}

void tst_Main::secondStartHandsOverAndEnds()
{
    const QProcessEnvironment environment = this->environment();

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

// A later start whose arguments exceed the hand-over's limit ends before
// the program sets up its log; the line about what it dropped reaches the
// log all the same.
void tst_Main::laterStartLogsTheArgumentsItDrops()
{
    // The running instance: a listener that takes whatever comes.
    const QString socket = m_home.path() + "/runtime/Talvera.TalveraVantrel.instance";
    QLocalServer::removeServer(socket);
    QLocalServer running;
    QVERIFY(running.listen(socket));
    connect(&running, &QLocalServer::newConnection, this, [&running] {
        while (QLocalSocket* socket = running.nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, socket, [socket] { socket->readAll(); });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        }
    });

    // Twelve arguments of 100,000 characters: more than the 1 MiB limit.
    QStringList arguments{"/logwarnings"};
    for (int i = 0; i < 12; ++i)
        arguments.append(QString(100000, QChar(u'a' + i)));
    QProcess later;
    later.setProcessEnvironment(environment());
    later.start(QStringLiteral(SENTREL), arguments);
    QVERIFY(later.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(later.state(), QProcess::NotRunning, 15000);
    QCOMPARE(later.exitStatus(), QProcess::NormalExit);
    QCOMPARE(later.exitCode(), 0);
    QVERIFY(readLog().contains("exceed the hand-over limit"));
}

// No private folder for the socket (the cache folder is a file, the runtime
// folder unset): the program runs without single-instance protection and
// its log says so.
void tst_Main::startWithoutPrivateFolderRunsUnguardedAndSaysSo()
{
    QProcessEnvironment environment = this->environment();
    environment.remove("XDG_RUNTIME_DIR");
    QFile cache(m_home.path() + "/cache-file");
    QVERIFY(cache.open(QIODevice::WriteOnly));
    cache.close();
    environment.insert("XDG_CACHE_HOME", cache.fileName());

    QProcess lone;
    lone.setProcessEnvironment(environment);
    lone.start(QStringLiteral(SENTREL), {"/noserver", "/logwarnings"});
    QVERIFY(lone.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(readLog().contains("without single-instance protection"), 15000);
    QCOMPARE(lone.state(), QProcess::Running);
    lone.terminate();
    QVERIFY(lone.waitForFinished(10000));
}

QTEST_GUILESS_MAIN(tst_Main)
#include "tst_main.moc"

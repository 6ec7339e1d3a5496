// Runs the Updater program as the user and the other programs start it.
#include "HttpTestServer.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

class tst_UpdaterProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void automaticCheckWithNothingNewEndsAlone_data();
    void automaticCheckWithNothingNewEndsAlone();
    void failedCheckLogsItsCause();
    void secondStartHandsOverAndEnds();
    void simultaneousStartsLeaveOneInstance();

private:
    QProcess* start(const QStringList& arguments);

    QTemporaryDir m_dir;
    HttpTestServer m_server;
};

void tst_UpdaterProgram::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_server.listen());
    QDir(m_dir.path()).mkpath("config");
    QDir(m_dir.path()).mkpath("data");
    QDir(m_dir.path()).mkpath("runtime");
    QFile(m_dir.filePath("runtime")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QFile infoSw(m_dir.filePath("data/INFOSW.xml"));
    QVERIFY(infoSw.open(QIODevice::WriteOnly));
    infoSw.write("<INFOSW><SW_INIT><SOFTWARE_FRIENDLY_NAME>Vantrel</SOFTWARE_FRIENDLY_NAME><BRAND>Talvera</BRAND>"
                 "<BRANDCODE>TL</BRANDCODE><SPLASH_MESSAGE>Hello</SPLASH_MESSAGE><STAGE>4</STAGE>"
                 "<VERSION><V>2</V><R>0</R><B>93</B></VERSION></SW_INIT></INFOSW>");
    infoSw.close();

    QSettings ini(m_dir.filePath("config/TalveraVantrelUpdater.ini"), QSettings::IniFormat);
    ini.setValue("software_update_link", m_server.url("/updates").toString());
}

QProcess* tst_UpdaterProgram::start(const QStringList& arguments)
{
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("CORVANE_CONFIG_DIR", m_dir.filePath("config"));
    environment.insert("CORVANE_DATA_DIR", m_dir.filePath("data"));
    environment.insert("XDG_RUNTIME_DIR", m_dir.filePath("runtime"));
    environment.insert("XDG_STATE_HOME", m_dir.filePath("state"));
    environment.remove("http_proxy");
    environment.remove("HTTP_PROXY");
    process->setProcessEnvironment(environment);
    process->start(UPDATER_PROGRAM, arguments);
    return process;
}

void tst_UpdaterProgram::automaticCheckWithNothingNewEndsAlone_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("up to date")
        << 200
        << QByteArray("<UPDATES><KIT version=\"2.0.93\" stage=\"4\" os=\"3\" architecture=\"2\" package=\"3\" "
                      "link=\"k.deb\" size=\"1\" sha256=\"")
               + QByteArray(64, '0') + "\"/><KIT version=\"2.0.93\" stage=\"4\" os=\"3\" architecture=\"2\" "
                                       "package=\"4\" link=\"k.tar.gz\" size=\"1\" sha256=\"" + QByteArray(64, '0')
               + "\"/></UPDATES>";
    QTest::newRow("server error") << 500 << QByteArray();
}

void tst_UpdaterProgram::automaticCheckWithNothingNewEndsAlone()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);

    m_server.setResponse("/updates/Vantrel/check.xml", status, body);
    QProcess* updater = start({"/automaticupdate"});
    QVERIFY(updater->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(updater->state(), QProcess::NotRunning, 10000);
    QCOMPARE(updater->exitStatus(), QProcess::NormalExit);
    QCOMPARE(updater->exitCode(), 0);
    QVERIFY(m_server.requestedPaths().contains("/updates/Vantrel/check.xml"));
}

void tst_UpdaterProgram::failedCheckLogsItsCause()
{
    // The user sees only "Unable to contact the remote server"; the log
    // file says why.
    m_server.setResponse("/updates/Vantrel/check.xml", 500, "oops");
    QProcess* updater = start({"/automaticupdate"});
    QVERIFY(updater->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(updater->state(), QProcess::NotRunning, 10000);
    QCOMPARE(updater->exitCode(), 0);

    QFile log(m_dir.filePath("state/corvane/TalveraVantrelUpdater.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QString expected = "Update check of " + m_server.url("/updates/Vantrel/check.xml").toString()
        + " failed: HTTP 500 Internal Server Error";
    QVERIFY2(QString::fromUtf8(log.readAll()).contains(expected), qPrintable(expected));
}

void tst_UpdaterProgram::secondStartHandsOverAndEnds()
{
    HttpTestServer::Response silent;
    silent.neverAnswer = true;
    m_server.setResponse("/updates/Vantrel/check.xml", silent);
    const int requestsBefore = m_server.requestedPaths().size();
    QProcess* first = start({});
    QVERIFY(first->waitForStarted());
    // The first instance is running its check.
    QTRY_COMPARE_WITH_TIMEOUT(m_server.requestedPaths().size(), requestsBefore + 1, 10000);
    const int requests = m_server.requestedPaths().size();

    QProcess* second = start({"/automaticupdate"});
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);
    QCOMPARE(m_server.requestedPaths().size(), requests); // the second start checked nothing
    QCOMPARE(first->state(), QProcess::Running);

    first->kill();
    QVERIFY(first->waitForFinished(5000));
}

void tst_UpdaterProgram::simultaneousStartsLeaveOneInstance()
{
    HttpTestServer::Response silent;
    silent.neverAnswer = true;
    m_server.setResponse("/updates/Vantrel/check.xml", silent);
    const int requestsBefore = m_server.requestedPaths().size();
    QList<QProcess*> updaters{start({}), start({}), start({})};

    auto running = [&updaters] {
        return std::count_if(updaters.cbegin(), updaters.cend(),
                             [](const QProcess* p) { return p->state() != QProcess::NotRunning; });
    };
    QTRY_COMPARE_WITH_TIMEOUT(running(), 1, 10000);
    QTest::qWait(200);
    QCOMPARE(running(), 1);
    QCOMPARE(m_server.requestedPaths().size(), requestsBefore + 1);
    for (QProcess* updater : updaters) {
        if (updater->state() == QProcess::NotRunning) {
            QCOMPARE(updater->exitCode(), 0);
        } else {
            updater->kill();
            QVERIFY(updater->waitForFinished(5000));
        }
    }
}

QTEST_GUILESS_MAIN(tst_UpdaterProgram)
#include "tst_updaterprogram.moc"

#include "TerminationSignal.h"

#include "devices/UserConfigurationProperties.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"

#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using Corvane::Sentrel::TerminationSignal;

class tst_TerminationSignal : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signalsReachTheEventLoopOnce();
    void oneWatchAtATime();
    void endPutsBackThePreviousAction();
    void sigtermWritesPendingSettingsAndEnds();

private:
    static bool isIgnored();
};

bool tst_TerminationSignal::isIgnored()
{
    struct sigaction action = {};
    ::sigaction(SIGTERM, nullptr, &action);
    return action.sa_handler == SIG_IGN;
}

// Two signals before the event loop runs make one notice.
void tst_TerminationSignal::signalsReachTheEventLoopOnce()
{
    TerminationSignal watch;
    QVERIFY(watch.isWatching());
    QSignalSpy received(&watch, &TerminationSignal::received);
    QCOMPARE(::raise(SIGTERM), 0);
    QCOMPARE(::raise(SIGTERM), 0);
    QCOMPARE(received.count(), 0);
    QTRY_COMPARE(received.count(), 1);
    QCOMPARE(::raise(SIGTERM), 0);
    QTRY_COMPARE(received.count(), 2);
}

void tst_TerminationSignal::oneWatchAtATime()
{
    TerminationSignal first;
    TerminationSignal second;
    QVERIFY(first.isWatching());
    QVERIFY(!second.isWatching());
    QSignalSpy received(&first, &TerminationSignal::received);
    QCOMPARE(::raise(SIGTERM), 0);
    QTRY_COMPARE(received.count(), 1);
}

void tst_TerminationSignal::endPutsBackThePreviousAction()
{
    // Ignored before: ignored again after, not the default that would end
    // this test.
    ::signal(SIGTERM, SIG_IGN);
    {
        TerminationSignal watch;
        QVERIFY(!isIgnored());
    }
    QVERIFY(isIgnored());
    ::signal(SIGTERM, SIG_DFL);
    // A later watch works again.
    TerminationSignal watch;
    QVERIFY(watch.isWatching());
}

// The session ends the program with SIGTERM while a move of the gadget is
// still to be written: the program writes it and ends normally.
void tst_TerminationSignal::sigtermWritesPendingSettingsAndEnds()
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("CORVANE_CONFIG_DIR", home.path() + "/config");
    environment.insert("CORVANE_DATA_DIR", home.path() + "/data");
    environment.insert("XDG_STATE_HOME", home.path() + "/state");
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TERMINATED_PROGRAM), {});
    QVERIFY(program.waitForStarted());
    QVERIFY(program.waitForReadyRead(30000));
    const QStringList moved = QString::fromLatin1(program.readLine()).split(' ');
    QCOMPARE(moved.size(), 3);
    const QPoint position(moved.at(1).toInt(), moved.at(2).toInt());

    const QString file = home.path() + "/config/UserConfiguration.xml";
    Corvane::Devices::UserConfigurationProperties written;
    if (QFileInfo::exists(file)) {
        QVERIFY(Corvane::Devices::Serialization::UserConfigurationXmlSerializer::read(file, QUuid(), &written, false));
        QVERIFY(written.gui().position() != position);
    }
    QCOMPARE(::kill(pid_t(program.processId()), SIGTERM), 0);
    QVERIFY(program.waitForFinished(30000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QString error;
    QVERIFY2(Corvane::Devices::Serialization::UserConfigurationXmlSerializer::read(file, QUuid(), &written, false,
                                                                                   &error),
             qPrintable(error));
    QCOMPARE(written.gui().position(), position);
}

QTEST_GUILESS_MAIN(tst_TerminationSignal)
#include "tst_terminationsignal.moc"

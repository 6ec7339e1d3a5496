#include "utilities/SingleInstanceGuard.h"

#include "LogCapture.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include <thread>

using Corvane::Utilities::SingleInstanceGuard;

namespace {

QString uniqueKey()
{
    return QStringLiteral("CorvaneTest.") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

class tst_SingleInstanceGuard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void firstStartListens();
    void secondStartHandsOverArguments();
    void keysAreSeparate();
    void staleSocketIsReplaced();
    void longArgumentListsKeepTheirEnd_data();
    void longArgumentListsKeepTheirEnd();
    void oversizedHandOverIsRefusedWithALogLine();
};

void tst_SingleInstanceGuard::firstStartListens()
{
    SingleInstanceGuard first(uniqueKey());
    QVERIFY(!first.start({"prog"}));
    QVERIFY(!first.isRunning());
    QVERIFY(first.isListening());
}

void tst_SingleInstanceGuard::secondStartHandsOverArguments()
{
    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    QVERIFY(!first.start({"prog"}));
    QSignalSpy received(&first, &SingleInstanceGuard::argumentsReceived);

    const QStringList arguments{"prog", "/locale", "it_IT", "/home/u/My Project.vtprj", QString::fromUtf8("√ü")};
    SingleInstanceGuard second(key);
    QVERIFY(second.start(arguments));
    QVERIFY(second.isRunning());
    QVERIFY(!second.isListening());
    QVERIFY(received.wait());
    QCOMPARE(received.at(0).at(0).toStringList(), arguments);

    SingleInstanceGuard third(key);
    QVERIFY(third.start({"prog", "again"}));
    QTRY_COMPARE(received.count(), 2);
    QCOMPARE(received.at(1).at(0).toStringList(), (QStringList{"prog", "again"}));
}

void tst_SingleInstanceGuard::keysAreSeparate()
{
    SingleInstanceGuard first(uniqueKey());
    SingleInstanceGuard other(uniqueKey());
    QVERIFY(!first.start({"a"}));
    QVERIFY(!other.start({"b"}));
    QVERIFY(other.isListening());
}

void tst_SingleInstanceGuard::staleSocketIsReplaced()
{
    const QString key = uniqueKey();
    // A socket file left behind by an instance that crashed.
    QFile stale(SingleInstanceGuard::socketPath(key));
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.close();

    SingleInstanceGuard guard(key);
    QVERIFY(!guard.start({"prog"}));
    QVERIFY(guard.isListening());
}


// A later start's arguments travel whole when they fit the hand-over's size
// limit; beyond it the program path and the last arguments that fit are
// handed over, and the start warns of what it dropped.
void tst_SingleInstanceGuard::longArgumentListsKeepTheirEnd_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("fits");
    QTest::newRow("10,000 arguments") << 10000 << true;
    QTest::newRow("30,000 arguments") << 30000 << false;
}

void tst_SingleInstanceGuard::longArgumentListsKeepTheirEnd()
{
    QFETCH(int, count);
    QFETCH(bool, fits);
    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    QVERIFY(!first.start({"prog"}));
    QSignalSpy received(&first, &SingleInstanceGuard::argumentsReceived);

    QStringList arguments{"prog"};
    for (int i = 0; i < count; ++i)
        arguments.append(QStringLiteral("/home/user/projects/house-%1.vtprj").arg(i, 5, 10, QLatin1Char('0')));
    // The later start blocks until its bytes are taken: it runs in a thread
    // of its own, as it would in a process of its own.
    bool handedOver = false;
    QStringList warnings;
    std::thread later([&] {
        SingleInstanceGuard guard(key);
        handedOver = guard.start(arguments);
        warnings = guard.warnings();
    });
    const bool arrived = received.wait(10000);
    later.join();
    QVERIFY(handedOver);
    QVERIFY(arrived);
    const QStringList argumentsReceived = received.at(0).at(0).toStringList();
    QCOMPARE(argumentsReceived.first(), QStringLiteral("prog"));
    QCOMPARE(argumentsReceived.last(), arguments.last());
    QCOMPARE(argumentsReceived.size() == arguments.size(), fits);
    QCOMPARE(argumentsReceived,
             QStringList{"prog"} + arguments.mid(arguments.size() - argumentsReceived.size() + 1));
    QCOMPARE(warnings.join(u'\n').contains("hand-over limit"), !fits);
}

// A client that does not keep to the limit: the running instance drops what
// it sends, unread, and says so.
void tst_SingleInstanceGuard::oversizedHandOverIsRefusedWithALogLine()
{
    const QString key = uniqueKey();
    SingleInstanceGuard first(key);
    QVERIFY(!first.start({"prog"}));
    QSignalSpy received(&first, &SingleInstanceGuard::argumentsReceived);
    LogCapture log;
    QLocalSocket client;
    client.connectToServer(SingleInstanceGuard::socketPath(key));
    QVERIFY(client.waitForConnected(2000));
    // The length of the hand-over comes first: this one announces 2 GiB.
    client.write(QByteArray(4096, '\x7f'));
    QTRY_VERIFY(log.contains("hand-over limit"));
    QCOMPARE(received.count(), 0);
}

QTEST_GUILESS_MAIN(tst_SingleInstanceGuard)
#include "tst_singleinstanceguard.moc"

#include "utilities/SingleInstanceGuard.h"

#include <QFile>
#include <QLocalServer>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

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

QTEST_GUILESS_MAIN(tst_SingleInstanceGuard)
#include "tst_singleinstanceguard.moc"

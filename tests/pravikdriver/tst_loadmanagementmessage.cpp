#include "pravikdriver/UserMessages/LoadManagementMessage.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::LoadManagementMessage;

class tst_LoadManagementMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typesAndFrameCounts_data();
    void typesAndFrameCounts();
    void autoUpdateState();
    void monthTotal();
    void loadStatusBits_data();
    void loadStatusBits();
    void counter();
    void invalidMessages();
};

void tst_LoadManagementMessage::typesAndFrameCounts_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("frames");

    QTest::newRow("auto update") << 1801200 << 1 << 1;
    QTest::newRow("instant energy") << 1800113 << 2 << 1;
    QTest::newRow("instant gas") << 1801130 << 2 << 1;
    QTest::newRow("instant heat") << 1801132 << 2 << 1;
    QTest::newRow("instant water") << 1801134 << 2 << 1;
    QTest::newRow("month total") << 1800052 << 5 << 1;
    QTest::newRow("month per day new") << 1800513 << 6 << 31;
    QTest::newRow("month per day previous year") << 1800514 << 6 << 31;
    QTest::newRow("month per day old") << 1800510 << 6 << 25;
    QTest::newRow("month per hour new") << 1800512 << 7 << 25;
    QTest::newRow("month per hour old") << 1800057 << 7 << 19;
    QTest::newRow("day per hour new") << 1800511 << 8 << 25;
    QTest::newRow("day per hour old") << 1800056 << 8 << 10;
    QTest::newRow("load status") << 1800071 << 9 << 1;
    QTest::newRow("counter") << 1800072 << 10 << 1;
    QTest::newRow("unknown") << 1800999 << 0 << 0;
}

void tst_LoadManagementMessage::typesAndFrameCounts()
{
    QFETCH(int, dimension);
    QFETCH(int, type);
    QFETCH(int, frames);
    QCOMPARE(LoadManagementMessage::dimensionTypeToMessageType(dimension), type);
    QCOMPARE(LoadManagementMessage::messagesCount(dimension), frames);
}

void tst_LoadManagementMessage::autoUpdateState()
{
    const LoadManagementMessage message(Message(4, 18, "51", 0, 1801200, { 2, 255 }, 1));
    QVERIFY(message.isValid());
    QCOMPARE(message.type(), 1);
    QCOMPARE(message.energyType(), 2);
    QCOMPARE(message.period(), 255);
    QCOMPARE(message.address(), QStringLiteral("51"));
}

void tst_LoadManagementMessage::monthTotal()
{
    const LoadManagementMessage message(Message(101, 18, "51", 0, 1800052, { 26, 3, 9999 }, 2));
    QCOMPARE(message.type(), 5);
    QCOMPARE(message.year(), 26);
    QCOMPARE(message.month(), 3);
    QCOMPARE(message.values(), QList<int> { 9999 });
}

void tst_LoadManagementMessage::loadStatusBits_data()
{
    QTest::addColumn<QList<int>>("bits");
    QTest::addColumn<int>("force");
    QTest::addColumn<int>("enable");

    QTest::newRow("forced on") << QList<int> { 0, 1, 0, 0, 0, 1 } << 1 << 1;
    QTest::newRow("forced off") << QList<int> { 0, 0, 0, 0, 0, 1 } << 2 << 1;
    QTest::newRow("disabled") << QList<int> { 1, 0, 1, 1, 1, 0 } << 2 << 2;
    QTest::newRow("short") << QList<int> { 0, 1 } << 1 << 0;
    QTest::newRow("not a bit") << QList<int> { 0, 7, 0, 0, 0, 3 } << 0 << 0;
}

void tst_LoadManagementMessage::loadStatusBits()
{
    QFETCH(QList<int>, bits);
    QFETCH(int, force);
    QFETCH(int, enable);
    const LoadManagementMessage message(Message(101, 18, "71", 0, 1800071, bits, 0));
    QCOMPARE(message.type(), 9);
    QCOMPARE(message.forceField(), force);
    QCOMPARE(message.enableField(), enable);
}

void tst_LoadManagementMessage::counter()
{
    const LoadManagementMessage message(Message(101, 18, "71", 0, 1800072, { 2, 55, 9, 12, 2026, 14, 30 }, 1));
    QCOMPARE(message.type(), 10);
    QCOMPARE(message.counterNumber(), 2);
    QCOMPARE(message.values().first(), 55);
    QCOMPARE(message.day(), 9);
    QCOMPARE(message.month(), 12);
    QCOMPARE(message.year(), 2026);
    QCOMPARE(message.hour(), 14);
    QCOMPARE(message.minute(), 30);
}

void tst_LoadManagementMessage::invalidMessages()
{
    QVERIFY(!LoadManagementMessage(Message(101, 18, "51", 0, 1800999, { 1 }, 0)).isValid());
    QVERIFY(!LoadManagementMessage(Message(101, 1, "51", 0, 1800113, { 1 }, 0)).isValid());
    QVERIFY(!LoadManagementMessage(Message::createInstantEnergyMessage("51")).isValid());
    QVERIFY(!LoadManagementMessage(Message::withOptionalValues(101, 18, "51", 0, 1800113, { {} }, 0)).isValid());
    QVERIFY(!LoadManagementMessage().isValid());
}

QTEST_GUILESS_MAIN(tst_LoadManagementMessage)
#include "tst_loadmanagementmessage.moc"

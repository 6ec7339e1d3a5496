#include "pravikdriver/UserMessages/LightSensorMessage.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::LightSensorMessage;

class tst_LightSensorMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void gatewayTypeReports_data();
    void gatewayTypeReports();
    void readingOnTheLightingSystem();
    void readingOnTheExtendedSystemTakesItsAddressFromTheParameters();
    void readingWithoutValue();
};

void tst_LightSensorMessage::gatewayTypeReports_data()
{
    QTest::addColumn<int>("dimension");
    QTest::addColumn<int>("type");
    QTest::newRow("type 1") << 101300030 << 1;
    QTest::newRow("type 2") << 101300031 << 2;
}

void tst_LightSensorMessage::gatewayTypeReports()
{
    QFETCH(int, dimension);
    QFETCH(int, type);
    const LightSensorMessage message(Message(101, 1, QString(), 0, dimension, { 5, 127, 9 }, 0));
    QVERIFY(message.isTypeReport());
    QCOMPARE(message.reportedGatewayType(), type);
    QVERIFY(!message.isLuxValueValid());
}

void tst_LightSensorMessage::readingOnTheLightingSystem()
{
    const LightSensorMessage message(Message(4, 1, "15", 0, 100006, { 420 }, 0));
    QVERIFY(!message.isTypeReport());
    QCOMPARE(message.where(), QStringLiteral("15"));
    QCOMPARE(message.readingKind(), 0);
    QVERIFY(message.isLuxValueValid());
    QCOMPARE(message.luxValue(), 420);
}

void tst_LightSensorMessage::readingOnTheExtendedSystemTakesItsAddressFromTheParameters()
{
    Message raw(101, 24, "37", 0, 2400006, { 105, 4, 3, 880, 2 }, 3);
    raw.setParameterMinWidth(0, 4);
    raw.setParameterMinWidth(2, 2);
    const LightSensorMessage message(raw);
    QCOMPARE(message.where(), QStringLiteral("0105#4#03"));
    QCOMPARE(message.readingKind(), 1);
    QCOMPARE(message.luxValue(), 880);
}

void tst_LightSensorMessage::readingWithoutValue()
{
    const LightSensorMessage message(Message(101, 24, "37", 0, 2400006, { 15 }, 1));
    QCOMPARE(message.where(), QStringLiteral("15"));
    QVERIFY(!message.isLuxValueValid());
    QVERIFY(!LightSensorMessage::canDecode(Message::createLightSensorStatusMessage("15", false)));
}

QTEST_GUILESS_MAIN(tst_LightSensorMessage)
#include "tst_lightsensormessage.moc"

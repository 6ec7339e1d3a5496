#include "pravikdriver/UserMessages/LightsMessage.h"

#include <QTest>

#include <climits>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::UserMessages::LightsMessage;

Q_DECLARE_METATYPE(Message)

class tst_LightsMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
    void otherMessagesAreNotLights();
};

void tst_LightsMessage::decode_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<bool>("on");
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("dimmer100");
    QTest::addColumn<int>("errorType");

    const QString where = QStringLiteral("12");
    QTest::newRow("off") << Message(3, 1, where, 100000, 0) << false << 0 << false << -1;
    QTest::newRow("on") << Message::createSwitchLightMessage(where, true) << true << -1 << false << -1;
    QTest::newRow("ten steps") << Message::createDimmer10Message(where, 7) << true << 70 << false << -1;
    QTest::newRow("percent") << Message(101, 1, where, 0, 100001, { 137, 0 }, 0) << true << 37 << true << -1;
    QTest::newRow("percent zero") << Message(4, 1, where, 0, 100001, { 100, 0 }, 0) << false << 0 << true << -1;
    QTest::newRow("percent out of range") << Message(4, 1, where, 0, 100001, { 900, 0 }, 0) << true << 100 << true
                                          << -1;
    QTest::newRow("percent lowest int") << Message(4, 1, where, 0, 100001, { INT_MIN, 0 }, 0) << false << 0 << true
                                        << -1;
    QTest::newRow("percent highest int") << Message(4, 1, where, 0, 100001, { INT_MAX, 0 }, 0) << true << 100 << true
                                         << -1;
    QTest::newRow("fault") << Message(4, 1, where, 0, 100030, { 2 }, 0) << false << -1 << false << 2;
    QTest::newRow("fault cleared") << Message(4, 1, where, 0, 100030, { 0 }, 0) << false << -1 << false << 0;
}

void tst_LightsMessage::decode()
{
    QFETCH(Message, message);
    QFETCH(bool, on);
    QFETCH(int, level);
    QFETCH(bool, dimmer100);
    QFETCH(int, errorType);

    QVERIFY(LightsMessage::canDecode(message));
    const LightsMessage light(message);
    QCOMPARE(light.where(), QStringLiteral("12"));
    QCOMPARE(light.isOn(), on);
    QCOMPARE(light.level(), level);
    QCOMPARE(light.isDimmer100(), dimmer100);
    QCOMPARE(light.errorType(), errorType);
    QCOMPARE(light.hasError(), errorType > 0);
    QCOMPARE(light.isDiagnostic(), errorType >= 0);
}

void tst_LightsMessage::otherMessagesAreNotLights()
{
    QVERIFY(!LightsMessage::canDecode(Message(4, 1, "12", 0, 100007, { 0, 0, 5 }, 0)));
    QVERIFY(!LightsMessage::canDecode(Message::createLightStatusMessage("12")));
    QVERIFY(!LightsMessage::canDecode(Message(3, 2, "12", 100001, 0)));
    QCOMPARE(LightsMessage::convertDimmer10Value(5), 50);
    QCOMPARE(LightsMessage::convertDimmer10Value(12), 100);
    QCOMPARE(LightsMessage::convertDimmer10Value(INT_MAX), 100);
    QCOMPARE(LightsMessage::convertDimmer10Value(INT_MIN), 0);
}

QTEST_GUILESS_MAIN(tst_LightsMessage)
#include "tst_lightsmessage.moc"

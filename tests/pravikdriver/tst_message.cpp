#include "pravikdriver/Message.h"
#include "pravikdriver/UserMessages/SoundMessage.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::Value;
using Corvane::PravikDriver::UserMessages::SoundMessage;

Q_DECLARE_METATYPE(Message)

namespace {

const QString METER = QStringLiteral("51");

QList<int> values(const Message& message)
{
    QList<int> result;
    for (const Value<int>& value : message.parameters())
        result.append(value.value());
    return result;
}

} // namespace

class tst_Message : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void energyFactories_data();
    void energyFactories();
    void serverStatusDimensions();
    void equalityIncludesPriority();
    void parameterMinWidthKeepsLeadingZeros();
    void absentParametersAreInvalid();
    void emptyMessage();
    void lightSensorRequestOnExtendedSystemCarriesAddressTokens();
    void soundFactoriesTellAreaAndSourceApart();
};

void tst_Message::energyFactories_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("dimension");
    QTest::addColumn<QList<int>>("parameters");
    QTest::addColumn<int>("dimensionParameters");

    QTest::newRow("instant energy") << Message::createInstantEnergyMessage(METER) << 0 << 1800113 << QList<int>() << 0;
    QTest::newRow("instant gas") << Message::createInstantGasMessage(METER) << 0 << 1801130 << QList<int>() << 0;
    QTest::newRow("instant heat") << Message::createInstantHeatMessage(METER) << 0 << 1801132 << QList<int>() << 0;
    QTest::newRow("instant water") << Message::createInstantWaterMessage(METER) << 0 << 1801134 << QList<int>() << 0;
    QTest::newRow("auto update") << Message::createStartAutoUpdateMessage(METER, 2, 255) << 0 << 1801200
                                 << QList<int> { 2, 255 } << 1;
    QTest::newRow("month total") << Message::createMonthTotalMessage(METER, 26, 3) << 0 << 1800052
                                 << QList<int> { 26, 3 } << 2;
    QTest::newRow("day per hour old") << Message::createDayPerHourMessage(METER, 3, 9, true) << 1800052 << 0
                                      << QList<int> { 3, 9 } << 0;
    QTest::newRow("day per hour new") << Message::createDayPerHourMessage(METER, 3, 9, false) << 1800057 << 0
                                      << QList<int> { 3, 9 } << 0;
    QTest::newRow("month per day old") << Message::createMonthPerDayMessage(METER, 3, true) << 1800056 << 0
                                       << QList<int> { 3 } << 0;
    QTest::newRow("month per day new") << Message::createMonthPerDayMessage(METER, 3, false) << 1800059 << 0
                                       << QList<int> { 3 } << 0;
    QTest::newRow("month per hour old") << Message::createMonthPerHourMessage(METER, 3, true) << 1800053 << 0
                                        << QList<int> { 3 } << 0;
    QTest::newRow("month per hour new") << Message::createMonthPerHourMessage(METER, 3, false) << 1800058 << 0
                                        << QList<int> { 3 } << 0;
    QTest::newRow("month per day previous year") << Message::createMonthPerDayPrevMessage(METER, 3) << 1800510 << 0
                                                 << QList<int> { 3 } << 0;
    QTest::newRow("force on") << Message::createForceActuatorMessage(METER, true) << 1800073 << 0 << QList<int>() << 0;
    QTest::newRow("force off") << Message::createForceActuatorMessage(METER, false) << 1800074 << 0 << QList<int>()
                               << 0;
    QTest::newRow("load status") << Message::createLoadActuatorStatusMessage(METER) << 0 << 1800071 << QList<int>()
                                 << 0;
    QTest::newRow("counter") << Message::createAskCountersMessage(METER, 2) << 0 << 1800072 << QList<int> { 2 } << 1;
}

void tst_Message::energyFactories()
{
    QFETCH(Message, message);
    QFETCH(int, command);
    QFETCH(int, dimension);
    QFETCH(QList<int>, parameters);
    QFETCH(int, dimensionParameters);

    QCOMPARE(message.systemType(), 18);
    QCOMPARE(message.address(), METER);
    QCOMPARE(message.commandType(), command);
    QCOMPARE(message.dimension(), dimension);
    QCOMPARE(values(message), parameters);
    QCOMPARE(message.dimensionParameterCount(), dimensionParameters);
}

void tst_Message::serverStatusDimensions()
{
    for (int setting : { 10, 11, 12, 27, 16, 19, 22 }) {
        const Message message = Message::createServerStatusMessage(setting);
        QCOMPARE(message.systemType(), 13);
        QCOMPARE(message.dimension(), 1300000 + setting);
    }
}

void tst_Message::equalityIncludesPriority()
{
    Message sent = Message::createSwitchLightMessage(QStringLiteral("12"), true);
    sent.setPriority(1);
    Message expected = Message::createSwitchLightMessage(QStringLiteral("12"), true);
    QVERIFY(sent != expected);
    expected.setPriority(sent.priority());
    QVERIFY(sent == expected);
    QVERIFY(sent != Message::createSwitchLightMessage(QStringLiteral("12"), false));
}

void tst_Message::parameterMinWidthKeepsLeadingZeros()
{
    Message message(101, 24, QString(), 0, 2400006, { 1, 5, 300 }, 2);
    message.setParameterMinWidth(0, 2);
    message.setParameterMinWidth(2, 2);
    message.setParameterMinWidth(9, 3);
    QCOMPARE(message.rawParameters(), (QStringList { "01", "5", "300" }));
    QCOMPARE(values(message), (QList<int> { 1, 5, 300 }));
    QVERIFY(message != Message(101, 24, QString(), 0, 2400006, { 1, 5, 300 }, 2));
}

void tst_Message::absentParametersAreInvalid()
{
    const Message message = Message::withOptionalValues(4, 4, QStringLiteral("4#11"), 0, 400022, { 0, {}, {}, {} }, 0);
    const QList<Value<int>> parameters = message.parameters();
    QCOMPARE(parameters.size(), 4);
    QVERIFY(parameters.at(0).isValid());
    QVERIFY(!parameters.at(1).isValid());
    QVERIFY(!parameters.at(3).isValid());
    // One parameter alone reads the same, and nothing past either end.
    for (int index = 0; index < parameters.size(); ++index)
        QCOMPARE(message.parameter(index), parameters.at(index));
    QVERIFY(!message.parameter(-1).isValid());
    QVERIFY(!message.parameter(4).isValid());
}

void tst_Message::emptyMessage()
{
    QVERIFY(Message().isEmpty());
    QVERIFY(Message::Empty.isEmpty());
    QVERIFY(!Message::createLightStatusMessage(QStringLiteral("12")).isEmpty());
}

void tst_Message::lightSensorRequestOnExtendedSystemCarriesAddressTokens()
{
    const Message message = Message::createLightSensorStatusMessage(QStringLiteral("0105#4#03"), true);
    QCOMPARE(message.systemType(), 24);
    QCOMPARE(message.address(), QString());
    QCOMPARE(message.rawParameters(), (QStringList { "0105", "4", "03" }));
    QCOMPARE(message.dimensionParameterCount(), 3);
    const Message plain = Message::createLightSensorStatusMessage(QStringLiteral("15"), false);
    QCOMPARE(plain.systemType(), 1);
    QCOMPARE(plain.address(), QStringLiteral("15"));
}

void tst_Message::soundFactoriesTellAreaAndSourceApart()
{
    QVERIFY(SoundMessage::createSetAreaSourceMessage("4#2", 2, 3) != SoundMessage::createSetAreaSourceMessage("4#2", 2, 4));
    QVERIFY(SoundMessage::createSetAreaSourceMessage("4#2", 2, 3) != SoundMessage::createSetAreaSourceMessage("4#2", 1, 3));
    QVERIFY(SoundMessage::createSwitchAmplifierMessage("3#2#1", true, 2)
            != SoundMessage::createSwitchAmplifierMessage("3#2#1", false, 2));
    QVERIFY(SoundMessage::createActiveAmbRequestMessage("6", true)
            != SoundMessage::createActiveAmbRequestMessage("6", false));
}

QTEST_GUILESS_MAIN(tst_Message)
#include "tst_message.moc"

#include "pravikdriver/UserMessages/TemperatureMessage.h"

#include <QTest>

using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::Value;
using Corvane::PravikDriver::UserMessages::TemperatureMessage;

Q_DECLARE_METATYPE(Message)

namespace {

// Every field as text, "-" when the message does not give it.
QString fields(const TemperatureMessage& m)
{
    const auto i = [](const Value<int>& v) { return v.isValid() ? QString::number(v.value()) : QStringLiteral("-"); };
    const auto f = [](const Value<float>& v) { return v.isValid() ? QString::number(v.value()) : QStringLiteral("-"); };
    const QString locked = m.isLocked().isValid() ? QString::number(m.isLocked().value()) : QStringLiteral("-");
    return QStringList { f(m.temperature()), f(m.setpoint()), i(m.offset()), i(m.fancoilSetup()),
                         i(m.airConditionerMode()), i(m.airConditionerSpeed()), i(m.airConditionerSwing()),
                         i(m.zoneStatus()), locked }
        .join(QLatin1Char(' '));
}

} // namespace

class tst_TemperatureMessage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data();
    void decode();
};

void tst_TemperatureMessage::decode_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("expected");

    const QString zone = QStringLiteral("12");
    // temperature setpoint offset fancoil mode speed swing status locked
    QTest::newRow("temperature") << Message(101, 4, zone, 0, 400000, { 215 }, 0) << "21.5 - - - - - - - -";
    QTest::newRow("external probe") << Message(4, 4, zone, 0, 400015, { 4, 250, 1 }, 0) << "25 - - - - - - - -";
    QTest::newRow("setpoint") << Message(101, 4, zone, 0, 400014, { 205, 3 }, 0) << "- 20.5 - - - - - - -";
    QTest::newRow("offset") << Message(101, 4, zone, 0, 400013, { 12 }, 0) << "- - 12 - - - - - -";
    QTest::newRow("fancoil") << Message(4, 4, zone, 0, 400011, { 2 }, 0) << "- - - 2 - - - - -";
    QTest::newRow("air conditioner") << Message(4, 4, zone, 0, 400022, { 3, 210, 2, 1 }, 0)
                                     << "- 21 - - 3 2 1 - -";
    QTest::newRow("air conditioner off")
        << Message::withOptionalValues(4, 4, zone, 0, 400022, { 0, {}, {}, {} }, 0) << "- - - - 0 - - - -";
    QTest::newRow("automatic") << Message(3, 4, zone, 400311, 0) << "- - - - - - - 3 -";
    QTest::newRow("off") << Message(3, 4, zone, 400203, 0) << "- - - - - - - 0 -";
    QTest::newRow("protection") << Message(3, 4, zone, 400102, 0) << "- - - - - - - 1 -";
    QTest::newRow("manual") << Message(3, 4, zone, 400210, 0) << "- - - - - - - 2 -";
    QTest::newRow("locked") << Message(3, 4, "#0", 400021, 0) << "- - - - - - - - 1";
    QTest::newRow("unlocked") << Message(3, 4, "#0", 400020, 0) << "- - - - - - - - 0";
    QTest::newRow("request") << Message::createTemperatureStatusMessage(zone) << "- - - - - - - - -";
}

void tst_TemperatureMessage::decode()
{
    QFETCH(Message, message);
    QFETCH(QString, expected);
    const TemperatureMessage temperature(message);
    QCOMPARE(temperature.where(), message.address());
    QCOMPARE(fields(temperature), expected);
}

QTEST_GUILESS_MAIN(tst_TemperatureMessage)
#include "tst_temperaturemessage.moc"

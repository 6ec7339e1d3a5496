#include "pravikdriver/Address.h"

#include <QTest>

using Corvane::PravikDriver::Address;

namespace {

const int NONE = -1;
const int POINT = 1;
const int GROUP = 2;
const int AMBIENT = 3;
const int GENERAL = 4;
// The first field of a group, ambient or general device address is the
// device library's marker; the text never shows it.
const int MARKER = 99;

} // namespace

class tst_Address : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toString_data();
    void toString();
    void parse_data();
    void parse();
    void soundSourceTextsMatchWithoutEventPrefix();
    void amplifierTextsCarryTheArea_data();
    void amplifierTextsCarryTheArea();
    void toTokensKeepWidths();
    void invalidTexts_data();
    void invalidTexts();
};

void tst_Address::toString_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<QString>("text");

    const auto row = [](const char* name, int kind, int type, int direction, QList<int> fields, const char* text) {
        QTest::newRow(name) << kind << type << direction << fields << QString::fromLatin1(text);
    };
    // Bus devices, the same text in every direction.
    row("light point", POINT, Address::Light, 0, { 1, 2, NONE, NONE }, "12");
    row("light point compare", POINT, Address::Light, 1, { 1, 2, NONE, NONE }, "12");
    row("light point two digits", POINT, Address::Light, 0, { 10, 5, NONE, NONE }, "1005");
    row("light point zero", POINT, Address::Light, 0, { 1, 0, NONE, NONE }, "0100");
    row("light private bus", POINT, Address::Light, 0, { 1, 2, Address::PRIVATE_BUS, NONE }, "12#3");
    row("light local bus", POINT, Address::Light, 0, { 1, 2, Address::LOCAL_BUS, 3 }, "12#4#03");
    row("light ambient", AMBIENT, Address::Light, 0, { MARKER, 5, NONE, NONE }, "5");
    row("light ambient zero", AMBIENT, Address::Light, 0, { MARKER, 0, NONE, NONE }, "00");
    row("light ambient ten", AMBIENT, Address::Light, 0, { MARKER, 10, NONE, NONE }, "10");
    row("light group", GROUP, Address::Light, 0, { MARKER, 7, NONE, NONE }, "#7");
    row("light group local bus", GROUP, Address::Light, 0, { MARKER, 7, Address::LOCAL_BUS, 1 }, "#7#4#01");
    row("light general", GENERAL, Address::Light, 0, { MARKER, NONE, NONE, NONE }, "0");
    row("shutter", POINT, Address::Automation, 0, { 2, 3, NONE, NONE }, "23");
    row("scenario", POINT, Address::Scenario, 0, { 1, 4, NONE, NONE }, "14");
    row("cen", POINT, Address::Cen, 0, { 3, 1, NONE, NONE }, "31");
    // Meters and loads: the area alone, behind each family's own prefix.
    row("energy meter", POINT, Address::EnergyMeter, 0, { 1, NONE, NONE, NONE }, "51");
    row("energy meter compare", POINT, Address::EnergyMeter, 1, { 12, NONE, NONE, NONE }, "512");
    row("energy meter local bus", POINT, Address::EnergyMeter, 0, { 3, NONE, Address::LOCAL_BUS, 1 }, "53");
    row("load", POINT, Address::Load, 0, { 1, NONE, NONE, NONE }, "71#0");
    row("load compare", POINT, Address::Load, 1, { 63, NONE, NONE, NONE }, "763#0");
    // Thermoregulation
    row("probe", POINT, Address::TemperatureProbe, 0, { 1, 2, NONE, NONE }, "1#12");
    row("external probe", POINT, Address::ExternalProbe, 0, { 3, NONE, NONE, NONE }, "2#3");
    row("zone 99", POINT, Address::Zone99, 0, { 1, 2, NONE, NONE }, "12");
    row("zone 99 compare", POINT, Address::Zone99, 1, { 1, 2, NONE, NONE }, "12");
    row("zone text", POINT, Address::ZoneText, 0, { 1, 2, NONE, NONE }, "#12");
    row("zone 4", POINT, Address::Zone4, 0, { 3, NONE, NONE, NONE }, "3");
    row("every zone", GENERAL, Address::ZoneText, 0, { MARKER, NONE, NONE, NONE }, "#0");
    row("every zone compare", GENERAL, Address::Zone99, 1, { MARKER, NONE, NONE, NONE }, "#0");
    row("basic air conditioner", POINT, Address::BasicAirConditioner, 0, { 1, 1, NONE, NONE }, "3#11");
    row("advanced air conditioner", POINT, Address::AdvancedAirConditioner, 0, { 2, 1, NONE, NONE }, "4#21");
    // Sound
    row("source request", POINT, Address::SoundSource, 0, { 3, NONE, NONE, NONE }, "2#3");
    row("source status", POINT, Address::SoundSource, 2, { 3, NONE, NONE, NONE }, "2#3");
    row("source message", POINT, Address::SoundSource, 1, { 3, NONE, NONE, NONE }, "5#2#3");
    row("general sound", GENERAL, Address::SoundSource, 2, { MARKER, NONE, NONE, NONE }, "6");
    row("general sound request", GENERAL, Address::SoundSource, 0, { MARKER, NONE, NONE, NONE }, "6");
    row("amplifier", POINT, Address::Amplifier, 2, { 3, 5, NONE, NONE }, "3#3#5");
    row("area", POINT, Address::Amplifier, 0, { 2, 0, NONE, NONE }, "4#2");
    row("ambient amplifier", AMBIENT, Address::Amplifier, 0, { MARKER, 4, NONE, NONE }, "4#4");
    row("general amplifier", GENERAL, Address::Amplifier, 0, { MARKER, NONE, NONE, NONE }, "5#0");
}

void tst_Address::toString()
{
    QFETCH(int, kind);
    QFETCH(int, deviceType);
    QFETCH(int, direction);
    QFETCH(QList<int>, fields);
    QFETCH(QString, text);

    const Address address(kind, Address::DeviceType(deviceType), fields[0], fields[1], fields[2], fields[3]);
    QCOMPARE(address.toString(Address::Direction(direction)), text);
}

void tst_Address::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("ambient");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("bus");
    QTest::addColumn<int>("interface");

    QTest::newRow("point") << "12" << POINT << NONE << NONE << Address::NO_BUS << NONE;
    QTest::newRow("point local") << "1005#4#02" << POINT << NONE << NONE << Address::LOCAL_BUS << 2;
    QTest::newRow("ambient") << "5" << AMBIENT << 5 << NONE << Address::NO_BUS << NONE;
    QTest::newRow("ambient zero") << "00" << AMBIENT << 0 << NONE << Address::NO_BUS << NONE;
    QTest::newRow("ambient ten private") << "10#3" << AMBIENT << 10 << NONE << Address::PRIVATE_BUS << NONE;
    QTest::newRow("group") << "#7" << GROUP << NONE << 7 << Address::NO_BUS << NONE;
    QTest::newRow("group three") << "#3" << GROUP << NONE << 3 << Address::NO_BUS << NONE;
    QTest::newRow("group local") << "#7#4#01" << GROUP << NONE << 7 << Address::LOCAL_BUS << 1;
    QTest::newRow("general") << "0" << GENERAL << NONE << NONE << Address::NO_BUS << NONE;
    QTest::newRow("general private") << "0#3" << GENERAL << NONE << NONE << Address::PRIVATE_BUS << NONE;
}

void tst_Address::parse()
{
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(int, ambient);
    QFETCH(int, group);
    QFETCH(int, bus);
    QFETCH(int, interface);

    const Address address(text);
    QVERIFY(address.isValid());
    QCOMPARE(address.kind(), kind);
    QCOMPARE(address.ambient(), ambient);
    QCOMPARE(address.group(), group);
    QCOMPARE(address.bus(), bus);
    QCOMPARE(address.interface(), interface);
    // The text of the parsed address is the text itself.
    QCOMPARE(Address(address.kind(), Address::Light, address.area(), address.kind() == POINT ? address.point()
                                                                                            : qMax(address.ambient(), address.group()),
                     address.bus(), address.interface())
                 .toString(Address::Send),
             text);
}

void tst_Address::soundSourceTextsMatchWithoutEventPrefix()
{
    const Address source(POINT, Address::SoundSource, 4, NONE, NONE, NONE);
    const QString compared = source.toString(Address::Compare);
    QCOMPARE(compared, QStringLiteral("5#") + source.toString(Address::SoundStatus));
    QCOMPARE(QString(compared).remove(QStringLiteral("5#")), source.toString(Address::SoundStatus));
}

void tst_Address::amplifierTextsCarryTheArea_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QList<int>>("fields");
    QTest::addColumn<int>("area");

    QTest::newRow("point") << POINT << QList<int> { 3, 5, NONE, NONE } << 3;
    QTest::newRow("area address") << POINT << QList<int> { 6, 0, NONE, NONE } << 6;
    QTest::newRow("ambient") << AMBIENT << QList<int> { MARKER, 4, NONE, NONE } << 4;
    QTest::newRow("general") << GENERAL << QList<int> { MARKER, NONE, NONE, NONE } << 0;
}

void tst_Address::amplifierTextsCarryTheArea()
{
    QFETCH(int, kind);
    QFETCH(QList<int>, fields);
    QFETCH(int, area);

    const Address address(kind, Address::Amplifier, fields[0], fields[1], fields[2], fields[3]);
    const QStringList parts = address.toString(Address::Send).split(Address::DELIMITER);
    QVERIFY(parts.size() >= 2);
    QCOMPARE(parts.at(1).toInt(), area);
}

void tst_Address::toTokensKeepWidths()
{
    const QList<Address::Token> tokens = Address::toTokens(QStringLiteral("0105#4#03"));
    const QList<Address::Token> expected { { 105, 4 }, { 4, 1 }, { 3, 2 } };
    QCOMPARE(tokens, expected);
    const Address address(POINT, Address::LightSensor, 1, 5, Address::LOCAL_BUS, 3);
    QCOMPARE(address.toTokens(Address::Compare), (QList<Address::Token> { { 15, 2 }, { 4, 1 }, { 3, 2 } }));
}

void tst_Address::invalidTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QString();
    QTest::newRow("letters") << QStringLiteral("ab");
    QTest::newRow("three digits") << QStringLiteral("123");
    QTest::newRow("sound") << QStringLiteral("5#2#1");
    QTest::newRow("hash only") << QStringLiteral("#");
}

void tst_Address::invalidTexts()
{
    QFETCH(QString, text);
    const Address address(text);
    QVERIFY(!address.isValid());
    QCOMPARE(address.toString(Address::Send), QString());
}

QTEST_GUILESS_MAIN(tst_Address)
#include "tst_address.moc"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/SensorDeviceProperties.h"
#include "devices/ShutterDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/SoundSourceDeviceProperties.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "devices/validation/ConfigurationValidator.h"

#include <QTest>

#include <functional>

using namespace Corvane::Devices;
using namespace Corvane::Devices::Validation;

using Fragment = std::function<void(Configuration&, int serverId)>;
Q_DECLARE_METATYPE(Fragment)

namespace {

const DeviceAddress LIGHT(1, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1);

// A valid project: one gateway with a light; the fragment adds or breaks something.
std::unique_ptr<Configuration> projectWith(const Fragment& fragment)
{
    auto project = std::make_unique<Configuration>();
    const int server = project->addDevice(new WebServerDeviceProperties(
        0, DeviceNetworkAddress(0, QStringLiteral("192.168.1.2"), 0, QStringLiteral("12345")),
        QStringLiteral("Home")));
    project->addDevice(server, new ActuatorDeviceProperties(0, 2003, LIGHT, QStringLiteral("Hall")));
    fragment(*project, server);
    return project;
}

WebServerDeviceProperties* server(Configuration& project)
{
    return project.webServers().first();
}

void addGateway(Configuration& project, const QString& name, const DeviceNetworkAddress& net)
{
    project.addDevice(new WebServerDeviceProperties(0, net, name));
}

} // namespace

class tst_ConfigurationValidator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rules_data();
    void rules();
    void defaultDevicesAreValid();
    void issuesReportsErrorsAndWarnings();
    void sharedAddressNamesEveryDevice_data();
    void sharedAddressNamesEveryDevice();
    void differentKindsShareNoAddress_data();
    void differentKindsShareNoAddress();
    void ipAddressForms_data();
    void ipAddressForms();
    void temperaturesReadFromFileNamed();
};

void tst_ConfigurationValidator::rules_data()
{
    QTest::addColumn<Fragment>("fragment");
    QTest::addColumn<int>("itemType");
    QTest::addColumn<int>("errorType");
    QTest::addColumn<QString>("message");

    QTest::newRow("default ip") << Fragment([](Configuration& p, int) {
        server(p)->setNetAddress(server(p)->networkAddress().cloneWithIP(DeviceNetworkAddress::IP_DEFAULT_VALUE));
    }) << 0 << 0 << "Device \"Home\": the IP address is not set.";
    QTest::newRow("malformed ip") << Fragment([](Configuration& p, int) {
        server(p)->setNetAddress(server(p)->networkAddress().cloneWithIP(QStringLiteral("192.168.1.300")));
    }) << 0 << 0 << "Device \"Home\": the IP address \"192.168.1.300\" is not valid.";
    QTest::newRow("duplicate ip") << Fragment([](Configuration& p, int) {
        addGateway(p, QStringLiteral("Garage"), DeviceNetworkAddress(0, QStringLiteral("192.168.001.002"), 0, QStringLiteral("12345")));
    }) << 0 << 1 << "Several gateways use the IP address 192.168.1.2.";
    QTest::newRow("univocal code not set") << Fragment([](Configuration& p, int) {
        server(p)->setNetAddress(server(p)->networkAddress().cloneWithType(1));
    }) << 0 << 2 << "Device \"Home\": the univocal code is not set.";
    QTest::newRow("duplicate univocal code") << Fragment([](Configuration& p, int) {
        server(p)->setNetAddress(server(p)->networkAddress().cloneWithType(1).cloneWithUC(77));
        addGateway(p, QStringLiteral("Garage"), DeviceNetworkAddress(1, QString(), 77, QStringLiteral("12345")));
    }) << 0 << 2 << "Several gateways use the univocal code 77.";
    QTest::newRow("short password") << Fragment([](Configuration& p, int) {
        server(p)->setNetAddress(server(p)->networkAddress().cloneWithPass(QStringLiteral("1234")));
    }) << 0 << 3 << "Device \"Home\": the password must have 5 to 9 digits.";
    QTest::newRow("password with letters") << Fragment([](Configuration& p, int) {
        server(p)->setNetAddress(server(p)->networkAddress().cloneWithPass(QStringLiteral("12a45")));
    }) << 0 << 3 << "Device \"Home\": the password must have 5 to 9 digits.";
    QTest::newRow("invalid address") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new ActuatorDeviceProperties(0, 2003, DeviceAddress(40, 1, 3, 1), QStringLiteral("Porch")));
    }) << 0 << 4 << "Device \"Porch\": the address is not valid.";
    QTest::newRow("invalid group") << Fragment([](Configuration& p, int) {
        p.devices().first()->setAddress(LIGHT.clone(QList<int>{0}));
    }) << 0 << 4 << "Device \"Hall\": the group 0 is not valid.";
    QTest::newRow("scheduled item with default address") << Fragment([](Configuration& p, int s) {
        auto* scenario = new ScenarioDeviceProperties(0, 9002, DeviceAddress(), QStringLiteral("Holiday"));
        scenario->setItems(ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 1, DeviceAddress::defaultAddress()),
                           ScheduledScenarioItem(), ScheduledScenarioItem(), ScheduledScenarioItem());
        p.addDevice(s, scenario);
    }) << 0 << 5 << "Device \"Holiday\": the address of the enable command is not set.";
    QTest::newRow("cen plus button above 31") << Fragment([](Configuration& p, int s) {
        auto* scenario = new ScenarioDeviceProperties(0, 9002, DeviceAddress(), QStringLiteral("Holiday"));
        scenario->setItems(ScheduledScenarioItem(), ScheduledScenarioItem(),
                           ScheduledScenarioItem(true, ScheduledScenarioItem::CenPlus, 40, DeviceAddress(5, -1, -1, -1)),
                           ScheduledScenarioItem());
        p.addDevice(s, scenario);
    }) << 0 << 5 << "Device \"Holiday\": the push button of the start command must be between 0 and 31.";
    QTest::newRow("scenario number") << Fragment([](Configuration& p, int s) {
        auto* scenario = new ScenarioDeviceProperties(0, 1002, DeviceAddress::defaultAddress(), QStringLiteral("Night"));
        scenario->setScenarioNumber(17);
        p.addDevice(s, scenario);
    }) << 0 << 11 << "Device \"Night\": the scenario number must be between 1 and 16.";
    QTest::newRow("min above max") << Fragment([](Configuration& p, int s) {
        auto* ac = new ThermoregulationDeviceProperties(0, 4003, LIGHT, QStringLiteral("AC"));
        ac->setMinTemperature(30);
        ac->setMaxTemperature(20);
        p.addDevice(s, ac);
    }) << 0 << 6 << "Device \"AC\": the temperatures (minimum 30, maximum 20, step 0.5) must lie between 5 and 40, the minimum below the maximum.";
    QTest::newRow("min below the allowed range") << Fragment([](Configuration& p, int s) {
        auto* ac = new ThermoregulationDeviceProperties(0, 4003, LIGHT, QStringLiteral("AC"));
        ac->setMinTemperature(2.5);
        p.addDevice(s, ac);
    }) << 0 << 6 << "Device \"AC\": the temperatures (minimum 2.5, maximum 30, step 0.5) must lie between 5 and 40, the minimum below the maximum.";
    QTest::newRow("max above the allowed range") << Fragment([](Configuration& p, int s) {
        auto* ac = new ThermoregulationDeviceProperties(0, 4003, LIGHT, QStringLiteral("AC"));
        ac->setMaxTemperature(45.125);
        p.addDevice(s, ac);
    }) << 0 << 6 << "Device \"AC\": the temperatures (minimum 16, maximum 45.125, step 0.5) must lie between 5 and 40, the minimum below the maximum.";
    QTest::newRow("too many sound sources") << Fragment([](Configuration& p, int s) {
        for (int area = 1; area <= 4; ++area)
            p.addDevice(s, new SoundSourceDeviceProperties(0, 23001, DeviceAddress(area, -1, -1, -1), QStringLiteral("Radio")));
        p.addDevice(s, new SoundSourceDeviceProperties(0, 23002, DeviceAddress(4, -1, -1, -1), QStringLiteral("CD")));
    }) << 0 << 7 << "Gateway \"Home\": 5 sound sources, at most 4 are allowed.";
    QTest::newRow("duplicate sound source") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new SoundSourceDeviceProperties(0, 23001, DeviceAddress(2, -1, -1, -1), QStringLiteral("Radio")));
        p.addDevice(s, new SoundSourceDeviceProperties(0, 23002, DeviceAddress(2, -1, -1, -1), QStringLiteral("CD")));
    }) << 0 << 8 << "Gateway \"Home\": several sound sources use the address 2.";
    QTest::newRow("tariff out of range") << Fragment([](Configuration& p, int s) {
        auto* meter = new EnergyDeviceProperties(0, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Meter"));
        meter->setTariff(100001);
        p.addDevice(s, meter);
    }) << 0 << 11 << "Device \"Meter\": the tariff is out of range.";
    QTest::newRow("unit of another meter") << Fragment([](Configuration& p, int s) {
        auto* meter = new EnergyDeviceProperties(0, 7051, DeviceAddress(1, -1, -1, -1), QStringLiteral("Meter"));
        meter->setMeasurementUnit(DeviceEnums::Litre);
        p.addDevice(s, meter);
    }) << 0 << 11 << "Device \"Meter\": the unit does not suit the meter.";
    QTest::newRow("too many commands") << Fragment([](Configuration& p, int s) {
        auto* ac = new ThermoregulationDeviceProperties(0, 4001, LIGHT, QStringLiteral("AC"));
        for (int i = 0; i < ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT; ++i)
            ac->addCommand(new ThermoregulationCommandProperties(DeviceAddress(1, -1, -1, -1), QStringLiteral("C")));
        ac->setShowOffCommand(true);
        p.addDevice(s, ac);
    }) << 0 << 9 << "Device \"AC\": the device has more than 10 commands.";
    QTest::newRow("too many devices") << Fragment([](Configuration& p, int s) {
        for (int i = 0; i < ConfigurationValidator::DEFAULT_MAX_DEVICES_PER_TYPE; ++i)
            p.addDevice(s, new ActuatorDeviceProperties(
                0, 2003, DeviceAddress(1 + i % 10, 1 + (i / 10) % 15, DeviceAddress::LEVEL_LOCAL_BUS, 1 + i / 150),
                QStringLiteral("L")));
    }) << 0 << 10 << "The project holds 501 devices of one kind; at most 500 are allowed.";
    QTest::newRow("empty description") << Fragment([](Configuration& p, int) {
        p.devices().first()->setDescription(QStringLiteral("  "));
    }) << 1 << 20 << "The device at Lighting, row 1: the description is empty.";
    QTest::newRow("unnamed gateway") << Fragment([](Configuration& p, int) {
        server(p)->setDescription(QString());
    }) << 1 << 20 << "The device at Plant list, row 1: the description is empty.";
    QTest::newRow("duplicate address") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new ActuatorDeviceProperties(0, 2001, LIGHT.clone(1), QStringLiteral("Twin")));
    }) << 1 << 21 << "The address A1 PL1 is shared by \"Hall\" and \"Twin\".";
    QTest::newRow("no gateway") << Fragment([](Configuration& p, int s) {
        p.removeDevice(s);
    }) << 1 << 22 << "The project has no gateway.";
}

void tst_ConfigurationValidator::rules()
{
    QFETCH(Fragment, fragment);
    QFETCH(int, itemType);
    QFETCH(int, errorType);
    QFETCH(QString, message);

    const auto project = projectWith(fragment);
    QList<ValidationItem> items;
    const bool valid = ConfigurationValidator::validate(project.get(), items);

    QStringList texts;
    const ValidationItem* found = nullptr;
    for (const ValidationItem& item : items) {
        texts << item.itemString();
        if (item.itemString() == message)
            found = &item;
    }
    QVERIFY2(found, qPrintable(texts.join(QLatin1Char('\n'))));
    QCOMPARE(int(found->itemType()), itemType);
    QCOMPARE(found->errorType(), errorType);
    QCOMPARE(valid, itemType != ValidationItem::Error);
    // Only the rule under test fires, except where the project cannot break
    // one rule alone (more sources than areas means a shared area too).
    QVERIFY2(items.size() == 1 || errorType == ValidationItem::TooManySoundSources,
             qPrintable(texts.join(QLatin1Char('\n'))));
    if (errorType != ValidationItem::NoWebServer)
        QVERIFY(!found->deviceIds().isEmpty());
}

void tst_ConfigurationValidator::defaultDevicesAreValid()
{
    // The devices the Configurator adds to a page start valid.
    const DeviceAddress bus(DeviceAddress::DEFAULT_AREA_VALUE, DeviceAddress::DEFAULT_POINT_VALUE,
                            DeviceAddress::LEVEL_PRIVATE_RISER, DeviceAddress::DEFAULT_INTERFACE_VALUE);
    const DeviceAddress sensor(DeviceAddress::DEFAULT_AREA_VALUE, DeviceAddress::DEFAULT_POINT_VALUE,
                               DeviceAddress::DEFAULT_LEVEL_VALUE, DeviceAddress::EMPTY_INT_VALUE);
    const DeviceAddress probe(DeviceAddress::DEFAULT_AREA_VALUE, DeviceAddress::DEFAULT_POINT_VALUE,
                              DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE);
    const DeviceAddress areaOnly(DeviceAddress::DEFAULT_AREA_VALUE, DeviceAddress::EMPTY_INT_VALUE,
                                 DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE);
    const auto project = projectWith([&](Configuration& p, int s) {
        p.devices().first()->setAddress(bus);
        p.addDevice(s, new SensorDeviceProperties(0, 21002, sensor, QStringLiteral("Sensor")));
        p.addDevice(s, new ShutterDeviceProperties(0, 3001, bus, QStringLiteral("Shutter")));
        p.addDevice(s, new ScenarioDeviceProperties(0, 1002, DeviceAddress::defaultAddress(), QStringLiteral("Scenario")));
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 8003, probe, QStringLiteral("Probe")));
        p.addDevice(s, new AmplifierDeviceProperties(0, bus, QStringLiteral("Amplifier")));
        p.addDevice(s, new SoundSourceDeviceProperties(0, 23001, areaOnly, QStringLiteral("Sound source")));
        p.addDevice(s, new EnergyDeviceProperties(0, 7051, areaOnly, QStringLiteral("Interface"), 0));
        p.addDevice(s, new LoadDeviceProperties(0, 18001, areaOnly, QStringLiteral("Load"), true));
    });
    QList<ValidationItem> items;
    QVERIFY(ConfigurationValidator::validate(project.get(), items));
    for (const ValidationItem& item : items)
        qWarning("%s", qPrintable(item.itemString()));
    QVERIFY(items.isEmpty());
}

void tst_ConfigurationValidator::issuesReportsErrorsAndWarnings()
{
    const auto clean = projectWith([](Configuration&, int) {});
    QCOMPARE(ConfigurationValidator::issues(clean.get()), 0);
    const auto broken = projectWith([](Configuration& p, int) {
        p.devices().first()->setDescription(QString());
        server(p)->setNetAddress(server(p)->networkAddress().cloneWithPass(QString()));
    });
    QCOMPARE(ConfigurationValidator::issues(broken.get()),
             ConfigurationValidator::HAS_ERRORS | ConfigurationValidator::HAS_WARNINGS);
    QVERIFY(!ConfigurationValidator::configurationHasErrorsMessage().isEmpty());
}

void tst_ConfigurationValidator::sharedAddressNamesEveryDevice_data()
{
    QTest::addColumn<Fragment>("fragment");
    QTest::addColumn<QStringList>("messages");

    QTest::newRow("three lights") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new ActuatorDeviceProperties(0, 2001, LIGHT, QStringLiteral("Twin")));
        p.addDevice(s, new ActuatorDeviceProperties(0, 2002, LIGHT, QStringLiteral("Porch")));
    }) << QStringList{"The address A1 PL1 is shared by \"Hall\", \"Twin\" and \"Porch\"."};
    // Two pairs of one size: each line names its own pair.
    QTest::newRow("two pairs") << Fragment([](Configuration& p, int s) {
        const DeviceAddress other(2, 3, DeviceAddress::LEVEL_PRIVATE_RISER, 1);
        p.addDevice(s, new ActuatorDeviceProperties(0, 2001, LIGHT, QStringLiteral("Twin")));
        p.addDevice(s, new ActuatorDeviceProperties(0, 2003, other, QStringLiteral("Kitchen")));
        p.addDevice(s, new ActuatorDeviceProperties(0, 2003, other, QStringLiteral("Pantry")));
    }) << QStringList{"The address A1 PL1 is shared by \"Hall\" and \"Twin\".",
                      "The address A2 PL3 is shared by \"Kitchen\" and \"Pantry\"."};
    QTest::newRow("unnamed devices by page and row") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new ShutterDeviceProperties(0, 3001, LIGHT, QStringLiteral("Blind")));
        p.addDevice(s, new ShutterDeviceProperties(0, 3001, LIGHT, QString()));
        p.addDevice(s, new ActuatorDeviceProperties(0, 2001, LIGHT, QString()));
    }) << QStringList{"The address A1 PL1 is shared by \"Hall\" and the device at Lighting, row 2.",
                      "The address A1 PL1 is shared by \"Blind\" and the device at Automation, row 2."};
    QTest::newRow("unnamed device behind a second plant") << Fragment([](Configuration& p, int) {
        addGateway(p, QStringLiteral("Garage"), DeviceNetworkAddress(0, QStringLiteral("192.168.1.3"), 0, QStringLiteral("12345")));
        const int garage = p.webServers().last()->id();
        p.addDevice(garage, new ActuatorDeviceProperties(0, 2003, LIGHT, QStringLiteral("Door")));
        p.addDevice(garage, new ActuatorDeviceProperties(0, 2003, LIGHT, QString()));
    }) << QStringList{"The address A1 PL1 is shared by \"Door\" and the device at Garage > Lighting, row 2."};
}

void tst_ConfigurationValidator::sharedAddressNamesEveryDevice()
{
    QFETCH(Fragment, fragment);
    QFETCH(QStringList, messages);

    const auto project = projectWith(fragment);
    QList<ValidationItem> items;
    ConfigurationValidator::validate(project.get(), items);
    QStringList shared;
    for (const ValidationItem& item : items) {
        if (item.errorType() == ValidationItem::DuplicateAddress) {
            shared << item.itemString();
            QVERIFY(item.deviceIds().size() >= 2);
        }
    }
    QCOMPARE(shared, messages);
}

void tst_ConfigurationValidator::differentKindsShareNoAddress_data()
{
    QTest::addColumn<Fragment>("fragment");
    QTest::addColumn<bool>("shared");

    const DeviceAddress zone(1, 1, DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE);
    // A scenario of a scenario module and a Scenario PLUS: systems of their own.
    QTest::newRow("scenario and scenario plus") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new ScenarioDeviceProperties(0, 1002, DeviceAddress::defaultAddress(), QStringLiteral("Night")));
        auto* plus = new ScenarioDeviceProperties(0, 1003, DeviceAddress::defaultAddress(), QStringLiteral("Evening"));
        plus->setLevel(100);
        p.addDevice(s, plus);
    }) << false;
    QTest::newRow("zone and external probe") << Fragment([zone](Configuration& p, int s) {
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 8003, zone, QStringLiteral("Living")));
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 8001, zone, QStringLiteral("Garden")));
    }) << false;
    QTest::newRow("probe and air conditioner") << Fragment([zone](Configuration& p, int s) {
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 8002, zone, QStringLiteral("Living")));
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 4001, zone, QStringLiteral("AC")));
    }) << false;
    QTest::newRow("light and shutter") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new ShutterDeviceProperties(0, 3001, LIGHT, QStringLiteral("Blind")));
    }) << false;
    // Zones of both kinds are known by their zone number alone.
    QTest::newRow("two kinds of zone") << Fragment([zone](Configuration& p, int s) {
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 8003, zone, QStringLiteral("Living")));
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 8004, zone, QStringLiteral("Kitchen")));
    }) << true;
    QTest::newRow("two scenario plus") << Fragment([](Configuration& p, int s) {
        p.addDevice(s, new ScenarioDeviceProperties(0, 1003, DeviceAddress::defaultAddress(), QStringLiteral("Evening")));
        p.addDevice(s, new ScenarioDeviceProperties(0, 1003, DeviceAddress::defaultAddress(), QStringLiteral("Late")));
    }) << true;
}

void tst_ConfigurationValidator::differentKindsShareNoAddress()
{
    QFETCH(Fragment, fragment);
    QFETCH(bool, shared);

    const auto project = projectWith(fragment);
    QList<ValidationItem> items;
    ConfigurationValidator::validate(project.get(), items);
    QStringList texts;
    bool found = false;
    for (const ValidationItem& item : items) {
        texts << item.itemString();
        found = found || item.errorType() == ValidationItem::DuplicateAddress;
    }
    QVERIFY2(found == shared, qPrintable(texts.join(QLatin1Char('\n'))));
}

void tst_ConfigurationValidator::ipAddressForms_data()
{
    QTest::addColumn<QString>("ip");
    QTest::addColumn<bool>("valid");

    QTest::newRow("plain") << "10.0.0.1" << true;
    QTest::newRow("masked with zeros") << "010.000.000.001" << true;
    QTest::newRow("three parts") << "10.0.1" << false;
    QTest::newRow("part above 255") << "10.0.0.256" << false;
    QTest::newRow("empty part") << "10..0.1" << false;
    QTest::newRow("sign") << "+1.0.0.1" << false;
    QTest::newRow("letters") << "a.b.c.d" << false;
}

void tst_ConfigurationValidator::ipAddressForms()
{
    QFETCH(QString, ip);
    QFETCH(bool, valid);
    QCOMPARE(ConfigurationValidator::isIpAddressValid(ip), valid);
}


void tst_ConfigurationValidator::temperaturesReadFromFileNamed()
{
    const auto project = projectWith([](Configuration& p, int s) {
        p.addDevice(s, new ThermoregulationDeviceProperties(0, 4003, LIGHT, QStringLiteral("AC")));
    });
    QByteArray data = Serialization::XmlSerializer::writeData(*project);
    QVERIFY(data.contains(R"(min="16")"));
    data.replace(R"(min="16")", R"(min="2.25")");
    const std::unique_ptr<Configuration> read(Serialization::XmlSerializer::readData(data));
    QVERIFY(read);
    QList<ValidationItem> items;
    QVERIFY(!ConfigurationValidator::validate(read.get(), items));
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first().itemString(),
             QString("Device \"AC\": the temperatures (minimum 2.25, maximum 30, step 0.5) must lie between 5 and 40, "
                     "the minimum below the maximum."));
}

QTEST_GUILESS_MAIN(tst_ConfigurationValidator)
#include "tst_configurationvalidator.moc"

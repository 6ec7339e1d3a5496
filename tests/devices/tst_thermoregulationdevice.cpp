#include "ProjectFixture.h"

#include "devices/ItemKey.h"
#include "devices/ThermoregulationDevice.h"
#include "devices/serialization/XmlSerializer.h"

#include <QTest>

#include <memory>

using namespace Corvane::Devices;

class tst_ThermoregulationDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commandsOfBasicAirConditioner();
    void offCommandOfTheProject();
    void deviceOwnsCopyOfProperties();
    void capabilities_data();
    void capabilities();
};

void tst_ThermoregulationDevice::commandsOfBasicAirConditioner()
{
    ThermoregulationDeviceProperties properties(4, 4001, DeviceAddress(), QStringLiteral("AC"));
    properties.setShowOffCommand(true);
    const int cool = properties.addCommand(new ThermoregulationCommandProperties(DeviceAddress(2, -1, -1, -1), QStringLiteral("Cool")));
    const int heat = properties.addCommand(new ThermoregulationCommandProperties(DeviceAddress(3, -1, -1, -1), QStringLiteral("Heat")));
    ThermoregulationDevice device(properties, 1);

    const int off = ThermoregulationDevice::OFF_COMMAND_SUB_ID;
    QCOMPARE(device.orderedCommands(), (QList<int>{off, cool, heat}));
    device.setCommandsOrder({heat, 99, cool});
    QCOMPARE(device.orderedCommands(), (QList<int>{heat, cool, off}));
    // Id 0 is the device itself, not a command.
    QVERIFY(!device.hasCommandWithId(0));
    QCOMPARE(device.displayName(0), QStringLiteral("AC"));
    // An order stored before the OFF command had its own id.
    device.setCommandsOrder({heat, 0, cool});
    QCOMPARE(device.orderedCommands(), (QList<int>{heat, off, cool}));
    QCOMPARE(device.getCommandAddress(heat).area(), 3);
    QVERIFY(device.getCommandAddress(42).isEmpty());
    device.setCommandText(cool, QStringLiteral("Summer"));
    QVERIFY(device.isCustomCommandText(cool));
    QCOMPARE(device.displayName(cool), QStringLiteral("Summer"));
    QCOMPARE(device.displayName(ItemKey::INVALID_SUB_ID), QStringLiteral("AC"));
    device.setCommandText(cool, QString());
    QCOMPARE(device.getCommandText(cool), QStringLiteral("Cool"));
    QVERIFY(!properties.getCommand(ThermoregulationCommandProperties::EMPTY_ID));
}

// The demo project's bedroom air conditioner keeps its OFF command under id 0
// in the file; at run time the command is a part of the device like the
// others, under a positive id, and the file is written back as it was read.
void tst_ThermoregulationDevice::offCommandOfTheProject()
{
    const std::unique_ptr<Configuration> project(
        Serialization::XmlSerializer::read(ProjectFixture::demoProjectPath()));
    QVERIFY(project);
    const auto* properties = dynamic_cast<const ThermoregulationDeviceProperties*>(project->getDeviceById(23));
    QVERIFY(properties && properties->showOffCommand());
    const ThermoregulationDevice device(*properties, 1);
    const int off = ThermoregulationDevice::OFF_COMMAND_SUB_ID;
    QVERIFY(off > 0);
    QCOMPARE(device.orderedCommands(), (QList<int>{off, 1, 2}));
    QCOMPARE(device.getCommandText(off), QStringLiteral("Off"));
    QCOMPARE(device.getCommandAddress(off).area(), 1);
    QCOMPARE(device.displayName(off), QStringLiteral("Off"));

    const QByteArray written = Serialization::XmlSerializer::writeData(*project);
    QVERIFY(written.contains("<off id=\"0\" description=\"Off\">"));
    const std::unique_ptr<Configuration> again(Serialization::XmlSerializer::readData(written));
    QVERIFY(again);
    QCOMPARE(Serialization::XmlSerializer::writeData(*again), written);
}

void tst_ThermoregulationDevice::deviceOwnsCopyOfProperties()
{
    auto properties = std::make_unique<ThermoregulationDeviceProperties>(4, 4001, DeviceAddress(), QStringLiteral("AC"));
    properties->addCommand(new ThermoregulationCommandProperties(DeviceAddress(2, -1, -1, -1), QStringLiteral("Cool")));
    ThermoregulationDevice device(*properties, 1);
    properties.reset();
    QCOMPARE(device.name(), QStringLiteral("AC"));
    QCOMPARE(device.orderedCommands().size(), 1);
}

void tst_ThermoregulationDevice::capabilities_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("fancoil");
    QTest::addColumn<bool>("airConditioner");
    QTest::addColumn<bool>("slider");

    QTest::newRow("99-zone zone") << 8003 << true << false << true;
    QTest::newRow("4-zone zone") << 8004 << true << false << true;
    QTest::newRow("probe") << 8002 << false << false << false;
    QTest::newRow("basic AC") << 4001 << false << true << false;
    QTest::newRow("advanced AC") << 4003 << false << true << true;
}

void tst_ThermoregulationDevice::capabilities()
{
    QFETCH(int, type);
    QFETCH(bool, fancoil);
    QFETCH(bool, airConditioner);
    QFETCH(bool, slider);

    ThermoregulationDeviceProperties properties(4, type, DeviceAddress(), QString());
    properties.setHasFancoil(true);
    properties.setAirConditioningModes({0, 2});
    properties.setFanSettings({1});
    properties.setSwingPresence(true);
    const ThermoregulationDevice device(properties, 1);

    QCOMPARE(device.supportsFancoil(), fancoil);
    QCOMPARE(device.isAirconditioner(), airConditioner);
    QCOMPARE(device.hasSliderValue(), slider);
    const bool advanced = type == 4003;
    QCOMPARE(device.supportsAirConditionerMode(2), advanced);
    QVERIFY(!device.supportsAirConditionerMode(1));
    QCOMPARE(device.supportsAirConditionerSpeed(1), advanced);
    QCOMPARE(device.supportsAirConditionerSwing(1), advanced);
}

QTEST_GUILESS_MAIN(tst_ThermoregulationDevice)
#include "tst_thermoregulationdevice.moc"

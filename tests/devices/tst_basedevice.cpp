#include "devices/ActuatorDevice.h"
#include "devices/AmplifierDevice.h"
#include "devices/ScenarioDevice.h"
#include "devices/ShutterDevice.h"

#include <QTest>

#include <memory>

using namespace Corvane::Devices;

class tst_BaseDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameAndCustomName();
    void keepsItsPropertiesAfterTheProjectIsGone();
    void lightSteps_data();
    void lightSteps();
    void familyQueries();
};

void tst_BaseDevice::nameAndCustomName()
{
    const ActuatorDeviceProperties properties(4, 2003, DeviceAddress::defaultAddress(), QStringLiteral("Hall"));
    ActuatorDevice device(properties, 1);
    QCOMPARE(device.name(), QStringLiteral("Hall"));
    QVERIFY(!device.hasCustomName());
    device.setCustomName(QStringLiteral("  Entrance "));
    QCOMPARE(device.name(), QStringLiteral("Entrance"));
    device.setCustomName(QStringLiteral("   "));
    QCOMPARE(device.name(), QStringLiteral("Hall"));
    QCOMPARE(device.serverId(), 1);
    QCOMPARE(device.familyCode(), 1);
    QVERIFY(!device.isStatusKnown());
}

void tst_BaseDevice::keepsItsPropertiesAfterTheProjectIsGone()
{
    auto properties = std::make_unique<ShutterDeviceProperties>(7, 3001, DeviceAddress(2, 3, 3, 1), QStringLiteral("Blind"));
    ShutterDevice device(*properties, 2);
    properties->setDescription(QStringLiteral("Changed later"));
    properties.reset();
    QCOMPARE(device.name(), QStringLiteral("Blind"));
    QCOMPARE(device.address().point(), 3);
    QVERIFY(!device.properties().observer());
}

void tst_BaseDevice::lightSteps_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("slider");
    QTest::addColumn<bool>("steps");
    QTest::addColumn<double>("step");

    QTest::newRow("switch") << 2003 << false << false << 1.0;
    QTest::newRow("dimmer 100") << 2001 << true << false << 1.0;
    QTest::newRow("dimmer 10") << 2002 << true << true << 10.0;
    QTest::newRow("dimmer 10 DALI") << 2006 << true << true << 10.0;
}

void tst_BaseDevice::lightSteps()
{
    QFETCH(int, type);
    QFETCH(bool, slider);
    QFETCH(bool, steps);
    QFETCH(double, step);
    ActuatorDevice device(ActuatorDeviceProperties(1, type, DeviceAddress(), QString()), 1);
    QCOMPARE(device.hasSliderValue(), slider);
    QCOMPARE(device.hasValueSteps(), steps);
    QCOMPARE(device.valueStep(), step);
    QCOMPARE(device.invalidValueSteps().isEmpty(), !steps);
    device.setLevel(150);
    device.setIsOn(true);
    QCOMPARE(device.currentValue(), 100.0);
    device.setErrorType(ActuatorDevice::LoadError);
    QVERIFY(device.hasError());
}

void tst_BaseDevice::familyQueries()
{
    ShutterDevice shutter(ShutterDeviceProperties(1, 3001, DeviceAddress(), QString()), 1);
    shutter.setOpening(true);
    shutter.setClosing(true);
    QVERIFY(!shutter.isOpening());
    QVERIFY(shutter.isClosing());

    AmplifierDevice general(AmplifierDeviceProperties(2, DeviceAddress(DeviceAddress::ADDRESS_GEN, -1, -1, -1), QString()), 1);
    QVERIFY(general.isGeneral());
    general.setVolume(40);
    QCOMPARE(general.volume(), AmplifierDevice::MAX_VOLUME);

    ScenarioDevice plus(ScenarioDeviceProperties(3, 1003, DeviceAddress(), QString()), 1);
    QVERIFY(plus.hasSliderValue());
    // Usable while its gateway is connected, which a status request finds out.
    QVERIFY(plus.takesPartInStatusRequest());
    QVERIFY(!plus.supportsRefresh());
    ScenarioDevice scenario(ScenarioDeviceProperties(4, 1002, DeviceAddress(), QString()), 1);
    QVERIFY(!scenario.hasSliderValue());
}

QTEST_GUILESS_MAIN(tst_BaseDevice)
#include "tst_basedevice.moc"

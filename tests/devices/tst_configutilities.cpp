#include "devices/ConfigUtilities.h"
#include "devices/DeviceEnums.h"
#include "devices/DeviceTypeTable.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/StringConsts.h"

#include <QFile>
#include <QMetaEnum>
#include <QVariant>
#include <QTest>

using namespace Corvane::Devices;

class tst_ConfigUtilities : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressString_data();
    void addressString();
    void everyIconExists();
    void everyTypeHasAName();
    void scenarioParameters();
    void metaTypes();
};

void tst_ConfigUtilities::addressString_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<QString>("text");

    QTest::newRow("light on riser") << 2003 << DeviceAddress(1, 5, 3, 2) << "A1 PL5";
    QTest::newRow("light on local bus") << 2003 << DeviceAddress(1, 5, 4, 2) << "A1 PL5 I2";
    QTest::newRow("general") << 2003 << DeviceAddress(DeviceAddress::ADDRESS_GEN, -1, 3, 1) << "GEN";
    QTest::newRow("group") << 3001 << DeviceAddress(DeviceAddress::ADDRESS_GR, 12, 3, 1) << "GR 12";
    QTest::newRow("sound source") << 23002 << DeviceAddress(3, -1, -1, -1) << "A3";
    QTest::newRow("zone with slave") << 8002 << DeviceAddress(0, 4, 1, -1) << "A0 PL4 L1";
    QTest::newRow("energy") << 7051 << DeviceAddress(200, -1, -1, -1) << "A200";
}

void tst_ConfigUtilities::addressString()
{
    QFETCH(int, deviceType);
    QFETCH(DeviceAddress, address);
    QFETCH(QString, text);
    QCOMPARE(ConfigUtilities::addressString(address, deviceType), text);
}

void tst_ConfigUtilities::everyIconExists()
{
    for (const DeviceTypeInfo& row : DeviceTypeTable::rows())
        QVERIFY2(ConfigUtilities::hasIconForDevice(row.type), qPrintable(QString::number(row.type)));
    QVERIFY(!ConfigUtilities::hasIconForDevice(1234));
    const QStringList paths = {
        ConfigUtilities::getBoolIconPath(0), ConfigUtilities::getBoolIconPath(1),
        ConfigUtilities::getAddressValueIconPath(1), ConfigUtilities::getAddressValueIconPath(DeviceAddress::ADDRESS_GEN),
        ConfigUtilities::getAddressValueIconPath(DeviceAddress::ADDRESS_AMB), ConfigUtilities::getAddressValueIconPath(DeviceAddress::ADDRESS_GR),
        ConfigUtilities::getAddressLevelIconPath(3), ConfigUtilities::getAddressLevelIconPath(4),
        ConfigUtilities::getSoundSystemIconPath(0), ConfigUtilities::getSoundSystemIconPath(1),
    };
    for (const QString& path : paths)
        QVERIFY2(QFile::exists(path), qPrintable(path));
}

void tst_ConfigUtilities::everyTypeHasAName()
{
    for (const DeviceTypeInfo& row : DeviceTypeTable::rows())
        QVERIFY(!StringConsts::getDeviceTypeString(row.type).startsWith(QStringLiteral("Unknown")));
    for (int unit = 0; unit <= 8; ++unit)
        QVERIFY(!StringConsts::getMeasurementUnitString(unit).isEmpty());
}

void tst_ConfigUtilities::scenarioParameters()
{
    ScenarioDeviceProperties scenario(1, 1002, DeviceAddress(2, 3, 3, 1), QString());
    scenario.setScenarioNumber(4);
    QCOMPARE(ConfigUtilities::getScenarioParamsString(scenario), QStringLiteral("A2 PL3, scenario 4"));
    // Only A of a scenario PLUS address counts, whatever its other fields hold.
    ScenarioDeviceProperties plus(3, 1003, DeviceAddress(5, -1, 3, -1), QString());
    plus.setLevel(60);
    QCOMPARE(ConfigUtilities::getScenarioParamsString(plus), QStringLiteral("A5, level 60"));
    ScenarioDeviceProperties scheduled(2, 9002, DeviceAddress(), QString());
    scheduled.setItems(ScheduledScenarioItem(), ScheduledScenarioItem(),
                       ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 1, DeviceAddress(1, 1, 3, 1)),
                       ScheduledScenarioItem());
    QCOMPARE(ConfigUtilities::getScenarioParamsString(scheduled), QStringLiteral("start"));
}

void tst_ConfigUtilities::metaTypes()
{
    const QMetaEnum currencies = QMetaEnum::fromType<DeviceEnums::Currency>();
    QCOMPARE(currencies.keyCount(), 5);
    QCOMPARE(QMetaType::fromType<DeviceAddress>().name(), "Corvane::Devices::DeviceAddress");
    // A variant of another type gives the empty address.
    QVERIFY(QVariant(42).value<DeviceAddress>().isEmpty());
    for (int i = 0; i < currencies.keyCount(); ++i)
        QVERIFY(!StringConsts::getCurrencyString(currencies.value(i)).isEmpty());
}

QTEST_GUILESS_MAIN(tst_ConfigUtilities)
#include "tst_configutilities.moc"

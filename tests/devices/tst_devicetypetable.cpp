#include "devices/DeviceTypeTable.h"
#include "devices/EnergyDeviceProperties.h"

#include <QTest>

using namespace Corvane::Devices;

class tst_DeviceTypeTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void defaultTypeBelongsToGroup();
    void energyTypeOfMeter_data();
    void energyTypeOfMeter();
};

void tst_DeviceTypeTable::rows_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("familyCode");
    QTest::addColumn<QList<int>>("pageTypes");

    QTest::newRow("switch") << 2003 << 1 << 1 << QList<int>{2000};
    QTest::newRow("shutter") << 3001 << 2 << 5 << QList<int>{3000};
    QTest::newRow("scheduled scenario") << 9002 << 3 << 2 << QList<int>{1000};
    QTest::newRow("air conditioner") << 4003 << 4 << 6 << QList<int>{8000};
    QTest::newRow("combined sensor") << 21002 << 5 << 4 << QList<int>{20000, 21000};
    QTest::newRow("webserver") << 22001 << 6 << 7 << QList<int>{22000};
    QTest::newRow("radio") << 23001 << 7 << 8 << QList<int>{23000};
    QTest::newRow("amplifier") << 23003 << 8 << 9 << QList<int>{23000};
    QTest::newRow("gas meter") << 7071 << 9 << 10 << QList<int>{7000};
    QTest::newRow("load") << 18002 << 10 << 11 << QList<int>{18000};
    QTest::newRow("unknown") << 1234 << 0 << 0 << QList<int>{};
}

void tst_DeviceTypeTable::rows()
{
    QFETCH(int, type);
    QFETCH(int, group);
    QFETCH(int, familyCode);
    QFETCH(QList<int>, pageTypes);

    const DeviceTypeInfo info = DeviceTypeTable::info(type);
    QCOMPARE(int(info.group), group);
    QCOMPARE(info.familyCode, familyCode);
    QList<int> pages;
    for (ConfigPage::PageType page : info.pageTypes)
        pages.append(page);
    QCOMPARE(pages, pageTypes);
}

void tst_DeviceTypeTable::defaultTypeBelongsToGroup()
{
    const QList<int> expected = {2003, 3001, 1002, 8003, 21002, 22001, 23001, 23003, 7051, 18001};
    for (int group = 1; group <= 10; ++group) {
        const auto deviceGroup = BaseDeviceProperties::DeviceGroup(group);
        QCOMPARE(DeviceTypeTable::defaultType(deviceGroup), expected.at(group - 1));
        QCOMPARE(DeviceTypeTable::group(DeviceTypeTable::defaultType(deviceGroup)), deviceGroup);
    }
}

void tst_DeviceTypeTable::energyTypeOfMeter_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("energyType");
    QTest::addColumn<int>("defaultUnit");

    QTest::newRow("electricity") << 7051 << 1 << 0;
    QTest::newRow("gas") << 7071 << 2 << 1;
    QTest::newRow("domestic hot water") << 7081 << 3 << 1;
    QTest::newRow("heating or cooling") << 7091 << 3 << 0;
    QTest::newRow("water") << 7061 << 4 << 1;
}

void tst_DeviceTypeTable::energyTypeOfMeter()
{
    QFETCH(int, type);
    QFETCH(int, energyType);
    QFETCH(int, defaultUnit);
    QCOMPARE(int(EnergyDeviceProperties::energyTypeForDeviceType(type)), energyType);
    const EnergyDeviceProperties meter(1, type, DeviceAddress(), QString());
    QCOMPARE(int(meter.energyType()), energyType);
    QCOMPARE(meter.measurementUnit(), defaultUnit);
    QCOMPARE(meter.energyDeviceType(), 0);
}

QTEST_GUILESS_MAIN(tst_DeviceTypeTable)
#include "tst_devicetypetable.moc"

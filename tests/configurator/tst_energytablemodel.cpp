#include "ProjectFixture.h"

#include "devices/ActuatorDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/StringConsts.h"
#include "tablemodels/EnergyTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Configurator::TableModels;
using namespace Corvane::Devices;
using ConfiguratorTest::areaOnly;
using ConfiguratorTest::reported;


class tst_EnergyTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void energyCells();
    void familyChangeRefreshesTheUnit();
    void energyWrites();
    void otherDevicesShowNothing();
};

void tst_EnergyTableModel::energyCells()
{
    EnergyDeviceProperties meter(1, 7061, areaOnly(12), "Water", DeviceEnums::Litre);
    meter.setEnergyDeviceType(1);
    meter.setIsEconomicEvaluationEnabled(true);
    EnergyTableModel model({&meter});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(model.columnCount(), 6);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Family"));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QString("Type"));
    QCOMPARE(model.headerData(5, Qt::Horizontal).toString(), QString("Economic evaluation"));
    QVERIFY(!model.headerData(1, Qt::Vertical).isValid());
    QCOMPARE(model.index(0, 2).data().toString(), QString("A12"));
    QCOMPARE(model.index(0, 3).data().toString(), StringConsts::getMeasurementUnitString(DeviceEnums::Litre));
    QCOMPARE(model.index(0, 4).data().toString(), StringConsts::getEnergyTypeString(1));
    QCOMPARE(model.index(0, 5).data().toString(), QString("Enabled"));
    QCOMPARE(model.index(0, 0).data().toString(), QString("Water"));
}

void tst_EnergyTableModel::familyChangeRefreshesTheUnit()
{
    EnergyDeviceProperties meter(1, 7061, areaOnly(1), "Water", DeviceEnums::Litre);
    EnergyTableModel model({&meter});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

    QVERIFY(model.setData(model.index(0, 1), 7051));
    QCOMPARE(meter.measurementUnit(), int(DeviceEnums::KiloWattHour));
    QVERIFY(reported(changes, model.index(0, 3)));
    QCOMPARE(model.index(0, 3).data().toString(), StringConsts::getMeasurementUnitString(DeviceEnums::KiloWattHour));
}

void tst_EnergyTableModel::energyWrites()
{
    EnergyDeviceProperties meter(1, 7061, areaOnly(1), "Water", DeviceEnums::Litre);
    EnergyTableModel model({&meter});
    QVERIFY(model.setData(model.index(0, 2), 200));
    QCOMPARE(meter.address().area(), 200);
    QVERIFY(model.setData(model.index(0, 3), int(DeviceEnums::CubicFoot)));
    QCOMPARE(meter.measurementUnit(), int(DeviceEnums::CubicFoot));
    QVERIFY(model.setData(model.index(0, 4), 1));
    QCOMPARE(meter.energyDeviceType(), 1);
    QVERIFY(!model.setData(model.index(0, 4), 0, Qt::DisplayRole));
    QCOMPARE(meter.energyDeviceType(), 1);
}

void tst_EnergyTableModel::otherDevicesShowNothing()
{
    ActuatorDeviceProperties light(1, 2003, DeviceAddress::defaultAddress(), "Light");
    EnergyTableModel energy({&light});
    for (int column = 0; column < 5; ++column) {
        QVERIFY(!energy.index(0, column).data().isValid());
    }
    QVERIFY(!energy.setData(energy.index(0, 0), "x"));
    QCOMPARE(light.description(), QString("Light"));
}

QTEST_MAIN(tst_EnergyTableModel)
#include "tst_energytablemodel.moc"

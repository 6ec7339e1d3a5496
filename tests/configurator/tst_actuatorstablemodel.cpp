#include "devices/ActuatorDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "tablemodels/ActuatorsTableModel.h"
#include "tablemodels/AutomationTableModel.h"
#include "tablemodels/SensorsTableModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using namespace Corvane::Configurator::TableModels;
using Corvane::Devices::ActuatorDeviceProperties;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::DeviceAddress;

class tst_ActuatorsTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pulAndGroupsFlagsByAddressClass_data();
    void pulAndGroupsFlagsByAddressClass();
    void sensorsShowThreeSections();
};

void tst_ActuatorsTableModel::pulAndGroupsFlagsByAddressClass_data()
{
    QTest::addColumn<int>("area");
    QTest::addColumn<bool>("editable");

    QTest::newRow("point") << 3 << true;
    QTest::newRow("general") << DeviceAddress::ADDRESS_GEN << false;
    QTest::newRow("ambient") << DeviceAddress::ADDRESS_AMB << false;
    QTest::newRow("group") << DeviceAddress::ADDRESS_GR << false;
}

void tst_ActuatorsTableModel::pulAndGroupsFlagsByAddressClass()
{
    QFETCH(int, area);
    QFETCH(bool, editable);

    ActuatorDeviceProperties light(1, 2003, DeviceAddress(area, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1), "Light");
    const QList<BaseDeviceProperties*> devices{&light};
    ActuatorsTableModel lights(devices);
    AutomationTableModel automation(devices);
    for (ActuatorsTableModel* model : {&lights, static_cast<ActuatorsTableModel*>(&automation)}) {
        QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model->columnCount(), 5);
        for (Column column : {Column::Pul, Column::Groups}) {
            const Qt::ItemFlags flags = model->flags(model->index(0, model->columnIndex(column)));
            QCOMPARE(flags == Qt::NoItemFlags, !editable);
            QCOMPARE(flags.testFlag(Qt::ItemIsEditable), editable);
        }
        for (Column column : {Column::Description, Column::Type, Column::Address})
            QVERIFY(model->flags(model->index(0, model->columnIndex(column))).testFlag(Qt::ItemIsEditable));
    }
}

void tst_ActuatorsTableModel::sensorsShowThreeSections()
{
    ActuatorDeviceProperties light(1, 2003, DeviceAddress(1, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1), "Light");
    SensorsTableModel sensors({&light});
    QAbstractItemModelTester tester(&sensors, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(sensors.columnCount(), 3);
    QCOMPARE(sensors.headerData(2, Qt::Horizontal).toString(), QString("Address"));
    QVERIFY(!sensors.headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!sensors.index(0, 3).isValid());
}

QTEST_MAIN(tst_ActuatorsTableModel)
#include "tst_actuatorstablemodel.moc"

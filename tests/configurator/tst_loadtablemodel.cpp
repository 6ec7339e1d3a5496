#include "ProjectFixture.h"

#include "devices/ConfigUtilities.h"
#include "devices/DeviceAddress.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "tablemodels/LoadTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Configurator::TableModels;
using namespace Corvane::Devices;
using ConfiguratorTest::areaOnly;
using ConfiguratorTest::reported;


class tst_LoadTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadCells();
    void controlledOnlyLoadHasNoEvaluation();
    void otherDevicesShowNothing();
};

void tst_LoadTableModel::loadCells()
{
    LoadDeviceProperties load(1, 18002, areaOnly(40), "Oven", false);
    LoadTableModel model({&load});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Central unit presence"));
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Type"));
    QCOMPARE(model.index(0, 1).data().toString(), ConfigUtilities::getYesNoString(false));
    QVERIFY(model.index(0, 1).data(Qt::DecorationRole).isValid());
    QCOMPARE(model.index(0, 2).data().toString(), QString("A40"));
    QCOMPARE(model.index(0, 4).data().toString(), QString("Disabled"));

    QVERIFY(model.setData(model.index(0, 1), true));
    QVERIFY(load.hasCentralUnit());
    QVERIFY(model.setData(model.index(0, 2), 63));
    QCOMPARE(load.address().area(), 63);
}

void tst_LoadTableModel::controlledOnlyLoadHasNoEvaluation()
{
    LoadDeviceProperties load(1, 18002, areaOnly(4), "Oven");
    load.setIsEconomicEvaluationEnabled(true);
    LoadTableModel model({&load});
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(model.flags(model.index(0, 4)).testFlag(Qt::ItemIsEditable));
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);

    QVERIFY(model.setData(model.index(0, 3), 18001));
    QVERIFY(!load.isEconomicEvaluationEnabled());
    QCOMPARE(model.flags(model.index(0, 4)), Qt::NoItemFlags);
    QVERIFY(reported(changes, model.index(0, 4)));
    // Back to a type with evaluation: it stays off until edited.
    QVERIFY(model.setData(model.index(0, 3), 18002));
    QVERIFY(!load.isEconomicEvaluationEnabled());
    QVERIFY(model.flags(model.index(0, 4)).testFlag(Qt::ItemIsEditable));
}

void tst_LoadTableModel::otherDevicesShowNothing()
{
    EnergyDeviceProperties meter(1, 7051, areaOnly(1), "Meter");
    LoadTableModel loads({&meter});
    for (int column = 0; column < 5; ++column)
        QVERIFY(!loads.index(0, column).data().isValid());
}

QTEST_MAIN(tst_LoadTableModel)
#include "tst_loadtablemodel.moc"

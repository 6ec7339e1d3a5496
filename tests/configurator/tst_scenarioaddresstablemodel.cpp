#include "ProjectFixture.h"
#include "devices/DeviceAddress.h"
#include "tablemodels/ScenarioAddressTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::BaseAddressTreeModel;
using Corvane::Configurator::TableModels::ScenarioAddressTableModel;
using Corvane::Devices::DeviceAddress;

namespace {

const int RISER = DeviceAddress::LEVEL_PRIVATE_RISER;
const int LOCAL = DeviceAddress::LEVEL_LOCAL_BUS;

QStringList captions(const ScenarioAddressTableModel& model)
{
    QStringList shown;
    const QModelIndex header = model.index(0, 0);
    for (int row = 0; row < model.rowCount(header); ++row)
        shown.append(model.index(row, 0, header).data().toString());
    return shown;
}

QModelIndex valueCell(const ScenarioAddressTableModel& model, const QString& caption)
{
    const QModelIndex header = model.index(0, 0);
    for (int row = 0; row < model.rowCount(header); ++row) {
        if (model.index(row, 0, header).data().toString() == caption)
            return model.index(row, BaseAddressTreeModel::TextColumn, header);
    }
    return {};
}

const QStringList WITHOUT_INTERFACE{"Scenario number", "A", "PL", "Level"};
const QStringList WITH_INTERFACE{"Scenario number", "A", "PL", "Level", "Interface address"};

} // namespace

class tst_ScenarioAddressTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsShown_data();
    void rowsShown();
    void levelEditShowsAndHidesInterface_data();
    void levelEditShowsAndHidesInterface();
    void resultKeepsHiddenInterface();
    void valueListsAskForAreaZero();
};

void tst_ScenarioAddressTableModel::rowsShown_data()
{
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("private riser") << DeviceAddress(2, 5, RISER, 1) << WITHOUT_INTERFACE;
    QTest::newRow("local bus") << DeviceAddress(2, 5, LOCAL, 7) << WITH_INTERFACE;
    QTest::newRow("empty level") << DeviceAddress(2, 5, DeviceAddress::EMPTY_INT_VALUE, 1) << WITHOUT_INTERFACE;
}

void tst_ScenarioAddressTableModel::rowsShown()
{
    QFETCH(DeviceAddress, address);
    QFETCH(QStringList, rows);

    ScenarioAddressTableModel model(address, 9);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.index(0, 0).data().toString(), QString("Scenario command"));
    QCOMPARE(captions(model), rows);
    QCOMPARE(model.addressType(), 2);
    QCOMPARE(valueCell(model, "Scenario number").data().toString(), QString("9"));
    QCOMPARE(model.additionalParameter(), 9);
}

void tst_ScenarioAddressTableModel::levelEditShowsAndHidesInterface_data()
{
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("riser to local bus shows it last") << DeviceAddress(2, 5, RISER, 1) << LOCAL << WITH_INTERFACE;
    QTest::newRow("local bus to riser hides it") << DeviceAddress(2, 5, LOCAL, 1) << RISER << WITHOUT_INTERFACE;
    QTest::newRow("another level leaves it shown") << DeviceAddress(2, 5, LOCAL, 1) << 7 << WITH_INTERFACE;
    QTest::newRow("another level leaves it hidden") << DeviceAddress(2, 5, RISER, 1) << 7 << WITHOUT_INTERFACE;
}

void tst_ScenarioAddressTableModel::levelEditShowsAndHidesInterface()
{
    QFETCH(DeviceAddress, address);
    QFETCH(int, level);
    QFETCH(QStringList, rows);

    ScenarioAddressTableModel model(address, 1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(model.setData(valueCell(model, "Level"), level, Qt::DisplayRole));
    QCOMPARE(captions(model), rows);
    // Row signals, never a reset: a reset would close the committing combo.
    QCOMPARE(reset.count(), 0);
}

void tst_ScenarioAddressTableModel::resultKeepsHiddenInterface()
{
    DeviceAddress before(3, 6, LOCAL, 8, 1, {4});
    ScenarioAddressTableModel model(before, 12);
    QVERIFY(model.setData(valueCell(model, "Level"), RISER, Qt::DisplayRole));
    QVERIFY(model.setData(valueCell(model, "Scenario number"), 14, Qt::DisplayRole));
    // PUL and groups are not the dialog's: the result holds none.
    QCOMPARE(model.createAddress(), DeviceAddress(3, 6, RISER, 8));
    QCOMPARE(model.additionalParameter(), 14);
}

void tst_ScenarioAddressTableModel::valueListsAskForAreaZero()
{
    ScenarioAddressTableModel model(DeviceAddress(7, 5, RISER, 1), 1);
    QList<int> points;
    model.getPointIdValues(points);
    QList<int> levels;
    model.getLevelValues(levels);
    QList<int> areas;
    model.getAreaIdValues(areas);
    QVERIFY(!points.isEmpty());
    QVERIFY(!areas.isEmpty());
    QCOMPARE(levels, (QList<int>{RISER, LOCAL}));
    QVERIFY(areas.contains(7));
}

QTEST_MAIN(tst_ScenarioAddressTableModel)
#include "tst_scenarioaddresstablemodel.moc"

#include "devices/DeviceAddress.h"
#include "tablemodels/ScheduledCENAddressModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::BaseAddressTreeModel;
using Corvane::Configurator::TableModels::ScheduledCENAddressModel;
using Corvane::Devices::DeviceAddress;

namespace {

const int RISER = DeviceAddress::LEVEL_PRIVATE_RISER;
const int LOCAL = DeviceAddress::LEVEL_LOCAL_BUS;

QStringList captions(const ScheduledCENAddressModel& model)
{
    QStringList shown;
    const QModelIndex header = model.index(0, 0);
    for (int row = 0; row < model.rowCount(header); ++row)
        shown.append(model.index(row, 0, header).data().toString());
    return shown;
}

QModelIndex levelCell(const ScheduledCENAddressModel& model)
{
    return model.index(2, BaseAddressTreeModel::TextColumn, model.index(0, 0));
}

} // namespace

class tst_ScheduledCENAddressModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void interfaceFollowsTheLevel_data();
    void interfaceFollowsTheLevel();
    void result();
    void valueLists();
};

void tst_ScheduledCENAddressModel::interfaceFollowsTheLevel_data()
{
    QTest::addColumn<int>("startLevel");
    QTest::addColumn<int>("newLevel");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");

    const QStringList three{"A", "PL", "Level"};
    const QStringList four{"A", "PL", "Level", "Interface address"};
    QTest::newRow("riser to local bus") << RISER << LOCAL << three << four;
    QTest::newRow("local bus to riser") << LOCAL << RISER << four << three;
    QTest::newRow("local bus to local bus") << LOCAL << LOCAL << four << four;
    QTest::newRow("other level keeps it hidden") << RISER << 9 << three << three;
}

void tst_ScheduledCENAddressModel::interfaceFollowsTheLevel()
{
    QFETCH(int, startLevel);
    QFETCH(int, newLevel);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    ScheduledCENAddressModel model(DeviceAddress(4, 7, startLevel, 2));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.index(0, 0).data().toString(), QString("CEN command address"));
    QCOMPARE(captions(model), before);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(model.setData(levelCell(model), newLevel, Qt::DisplayRole));
    QCOMPARE(captions(model), after);
    QCOMPARE(reset.count(), 0);
}

void tst_ScheduledCENAddressModel::result()
{
    ScheduledCENAddressModel model(DeviceAddress(4, 7, LOCAL, 2, 1, {3}));
    QVERIFY(model.setData(levelCell(model), RISER, Qt::DisplayRole));
    QCOMPARE(model.createAddress(), DeviceAddress(4, 7, RISER, 2));
    QCOMPARE(model.additionalParameter(), 0);
    QCOMPARE(model.addressType(), 4);
}

void tst_ScheduledCENAddressModel::valueLists()
{
    ScheduledCENAddressModel model(DeviceAddress(4, 7, RISER, 2));
    QList<int> areas;
    model.getAreaIdValues(areas);
    QList<int> points;
    model.getPointIdValues(points);
    QList<int> levels;
    model.getLevelValues(levels);
    QList<int> interfaces;
    model.getInterfaceValues(interfaces);
    for (const QList<int>* values : {&areas, &points, &levels, &interfaces})
        QVERIFY(!values->isEmpty());
    QVERIFY(levels.contains(LOCAL));
}

QTEST_MAIN(tst_ScheduledCENAddressModel)
#include "tst_scheduledcenaddressmodel.moc"

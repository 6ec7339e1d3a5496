#include "ProjectFixture.h"
#include "devices/DeviceAddress.h"
#include "devices/ScheduledScenarioItem.h"
#include "tablemodels/ScenarioItemModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::ScenarioItemModel;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ScheduledScenarioItem;

Q_DECLARE_METATYPE(Corvane::Devices::ScheduledScenarioItem)

namespace {

const int RISER = DeviceAddress::LEVEL_PRIVATE_RISER;
const int LOCAL = DeviceAddress::LEVEL_LOCAL_BUS;

QModelIndex value(const ScenarioItemModel& model, int row)
{
    return model.index(row, ScenarioItemModel::COLUMN_VALUE_INDEX);
}

} // namespace

class tst_ScenarioItemModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsFollowPresence_data();
    void rowsFollowPresence();
    void cells_data();
    void cells();
    void commandTypeSnapsTheAddress();
    void writes();
    void help();
};

void tst_ScenarioItemModel::rowsFollowPresence_data()
{
    QTest::addColumn<bool>("presence");
    QTest::addColumn<int>("rows");

    QTest::newRow("absent shows Presence only") << false << 1;
    QTest::newRow("present shows all four") << true << 4;
}

void tst_ScenarioItemModel::rowsFollowPresence()
{
    QFETCH(bool, presence);
    QFETCH(int, rows);

    ScenarioItemModel model(ScheduledScenarioItem(!presence, ScheduledScenarioItem::Cen, 5, DeviceAddress(2, 3, RISER, 1)));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QVERIFY(model.setData(value(model, ScenarioItemModel::ROW_PRESENCE_INDEX), presence, Qt::EditRole));
    QCOMPARE(model.rowCount(), rows);
    QCOMPARE(inserted.count(), presence ? 1 : 0);
    QCOMPARE(removed.count(), presence ? 0 : 1);
    QCOMPARE(reset.count(), 0);
    QVERIFY(ConfiguratorTest::reported(changed, value(model, 0)));
    QCOMPARE(value(model, 0).data().toString(), presence ? QString("Yes") : QString("No"));
    // Writing the same presence again changes no row.
    QVERIFY(model.setData(value(model, 0), presence, Qt::EditRole));
    QCOMPARE(inserted.count() + removed.count(), 1);
}

void tst_ScenarioItemModel::cells_data()
{
    QTest::addColumn<ScheduledScenarioItem>("item");
    QTest::addColumn<QStringList>("shown");

    QTest::newRow("CEN shows the whole address")
        << ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 200, DeviceAddress(2, 3, LOCAL, 5))
        << QStringList{"Yes", "CEN", "A2 PL3 I5", "200"};
    QTest::newRow("CEN PLUS shows only A")
        << ScheduledScenarioItem(true, ScheduledScenarioItem::CenPlus, 7, DeviceAddress(1500, 3, RISER, 1))
        << QStringList{"Yes", "CEN PLUS", "1500", "7"};
}

void tst_ScenarioItemModel::cells()
{
    QFETCH(ScheduledScenarioItem, item);
    QFETCH(QStringList, shown);

    ScenarioItemModel model(item);
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts.append(value(model, row).data().toString());
    QCOMPARE(texts, shown);
    QCOMPARE(model.index(0, 0).data().toString(), QString("Presence"));
    QCOMPARE(model.index(3, 0).data().toString(), QString("Button number"));
    QVERIFY(!model.index(0, 0).data(Qt::EditRole).isValid());
    QCOMPARE(value(model, 2).data(Qt::EditRole).value<DeviceAddress>(), item.address());
    QCOMPARE(value(model, 1).data(Qt::UserRole).toInt(), int(item.cenType()));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(value(model, 0)) & Qt::ItemIsEditable);
}

void tst_ScenarioItemModel::commandTypeSnapsTheAddress()
{
    // A 500 is no CEN area: switching to CEN snaps it at once.
    ScenarioItemModel model(ScheduledScenarioItem(true, ScheduledScenarioItem::CenPlus, 200, DeviceAddress(500, 3, RISER, 1)));
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(value(model, ScenarioItemModel::ROW_CEN_TYPE_INDEX), 0, Qt::EditRole));
    QCOMPARE(model.cenType(), 0);
    QVERIFY(model.address().area() != 500);
    QVERIFY(ConfiguratorTest::reported(changed, value(model, ScenarioItemModel::ROW_ADDRESS_INDEX)));
    // The button number stays, even out of the new range.
    QCOMPARE(model.createItem().pushButton(), 200);
}

void tst_ScenarioItemModel::writes()
{
    ScenarioItemModel model(ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 1, DeviceAddress(2, 3, RISER, 1)));
    QVERIFY(!model.setData(model.index(0, 0), false, Qt::EditRole));
    QVERIFY(!model.setData(QModelIndex(), false, Qt::EditRole));
    QVERIFY(model.setData(value(model, 3), 31, Qt::DisplayRole));
    QVERIFY(model.setData(value(model, 2), QVariant::fromValue(DeviceAddress(4, 5, RISER, 1)), Qt::EditRole));
    QCOMPARE(model.createItem(), ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 31, DeviceAddress(4, 5, RISER, 1)));
    // A value that is no address gives the empty address.
    QVERIFY(model.setData(value(model, 2), QString("A4"), Qt::EditRole));
    QCOMPARE(model.address(), DeviceAddress());
}

void tst_ScenarioItemModel::help()
{
    ScenarioItemModel model(ScheduledScenarioItem(true, ScheduledScenarioItem::Cen, 1, DeviceAddress(2, 3, RISER, 1)));
    QCOMPARE(model.getHelpMessage(value(model, 0)).text(), QString("Set whether scenario is available"));
    QCOMPARE(model.getHelpMessage(value(model, 2)).caption(), QString("Address"));
    QCOMPARE(model.getHelpMessage(value(model, 3)).text(), QString());
    QCOMPARE(model.getHelpMessage(QModelIndex()).caption(), QString());
}

QTEST_MAIN(tst_ScenarioItemModel)
#include "tst_scenarioitemmodel.moc"

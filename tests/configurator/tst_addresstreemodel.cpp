#include "DeviceTreeItem.h"
#include "devices/DeviceAddress.h"
#include "tablemodels/AddressTreeModel.h"
#include "tablemodels/SensorAddressModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::AddressTreeModel;
using Corvane::Configurator::TableModels::BaseAddressTreeModel;
using Corvane::Configurator::TableModels::SensorAddressModel;
using Corvane::Devices::DeviceAddress;

namespace {

const int GEN = DeviceAddress::ADDRESS_GEN;
const int AMB = DeviceAddress::ADDRESS_AMB;
const int RISER = DeviceAddress::LEVEL_PRIVATE_RISER;
const int LOCAL = DeviceAddress::LEVEL_LOCAL_BUS;

QStringList captions(const AddressTreeModel& model)
{
    QStringList shown;
    const QModelIndex header = model.index(0, 0);
    for (int row = 0; row < model.rowCount(header); ++row)
        shown.append(model.index(row, 0, header).data().toString());
    return shown;
}

QModelIndex valueCell(const AddressTreeModel& model, const QString& caption)
{
    const QModelIndex header = model.index(0, 0);
    for (int row = 0; row < model.rowCount(header); ++row) {
        if (model.index(row, 0, header).data().toString() == caption)
            return model.index(row, BaseAddressTreeModel::TextColumn, header);
    }
    return {};
}

} // namespace

class tst_AddressTreeModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsShown_data();
    void rowsShown();
    void editShowsAndHidesRows_data();
    void editShowsAndHidesRows();
    void snappedInTheSameEdit();
    void hiddenRowsKeepTheirValues();
    void valueListsByAddressType();
    void helpMessages();
};

void tst_AddressTreeModel::rowsShown_data()
{
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("point on riser") << DeviceAddress(1, 2, RISER, 1) << QStringList{"A", "PL", "Level"};
    QTest::newRow("point on local bus") << DeviceAddress(1, 2, LOCAL, 5)
                                        << QStringList{"A", "PL", "Level", "Interface address"};
    QTest::newRow("general on riser") << DeviceAddress(GEN, -1, RISER, 1) << QStringList{"A", "Level"};
    QTest::newRow("general on local bus") << DeviceAddress(GEN, -1, LOCAL, 3)
                                          << QStringList{"A", "Level", "Interface address"};
}

void tst_AddressTreeModel::rowsShown()
{
    QFETCH(DeviceAddress, address);
    QFETCH(QStringList, rows);

    AddressTreeModel model(address, 1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.index(0, 0).data().toString(), QString("KWB Address"));
    QCOMPARE(captions(model), rows);
    QCOMPARE(model.createAddress(), DeviceAddress(address.area(), address.point(), address.level(), address.interface()));
}

void tst_AddressTreeModel::editShowsAndHidesRows_data()
{
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("value");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("text");

    QTest::newRow("A to general hides PL") << DeviceAddress(1, 2, RISER, 1) << "A" << GEN
                                           << QStringList{"A", "Level"} << "GEN";
    QTest::newRow("A from general brings PL after A")
        << DeviceAddress(GEN, 2, LOCAL, 1) << "A" << 4 << QStringList{"A", "PL", "Level", "Interface address"} << "4";
    QTest::newRow("level to local bus shows interface")
        << DeviceAddress(1, 2, RISER, 1) << "Level" << LOCAL << QStringList{"A", "PL", "Level", "Interface address"}
        << "Local bus";
    QTest::newRow("level to riser hides interface")
        << DeviceAddress(1, 2, LOCAL, 1) << "Level" << RISER << QStringList{"A", "PL", "Level"} << "Private riser";
}

void tst_AddressTreeModel::editShowsAndHidesRows()
{
    QFETCH(DeviceAddress, address);
    QFETCH(QString, field);
    QFETCH(int, value);
    QFETCH(QStringList, rows);
    QFETCH(QString, text);

    AddressTreeModel model(address, 1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
    QSignalSpy layouts(&model, &QAbstractItemModel::layoutChanged);
    QSignalSpy inserts(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removes(&model, &QAbstractItemModel::rowsRemoved);

    QVERIFY(model.setData(valueCell(model, field), value, Qt::DisplayRole));
    QCOMPARE(captions(model), rows);
    QCOMPARE(valueCell(model, field).data().toString(), text);
    // Rows come and go with row signals: a reset would close the combo that
    // is committing.
    QCOMPARE(resets.count(), 0);
    QCOMPARE(layouts.count(), 0);
    QCOMPARE(inserts.count() + removes.count(), 1);
}

void tst_AddressTreeModel::snappedInTheSameEdit()
{
    // PL 15 is allowed under area 1 but not under the ambient address.
    AddressTreeModel model(DeviceAddress(1, 15, RISER, 1), 1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    const QModelIndex pl = valueCell(model, "PL");

    QVERIFY(model.setData(valueCell(model, "A"), AMB, Qt::DisplayRole));
    QCOMPARE(model.createAddress(), DeviceAddress(AMB, 10, RISER, 1));
    QCOMPARE(valueCell(model, "PL").data().toString(), QString("10"));
    bool plReported = false;
    for (const QList<QVariant>& change : changes)
        plReported |= change.at(0).value<QModelIndex>().row() == pl.row();
    QVERIFY(plReported);
}

void tst_AddressTreeModel::hiddenRowsKeepTheirValues()
{
    AddressTreeModel model(DeviceAddress(3, 7, LOCAL, 6), 1);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(model.setData(valueCell(model, "Level"), RISER, Qt::DisplayRole));
    QVERIFY(model.setData(valueCell(model, "A"), GEN, Qt::DisplayRole));
    QCOMPARE(captions(model), (QStringList{"A", "Level"}));
    QCOMPARE(model.createAddress(), DeviceAddress(GEN, 7, RISER, 6));
    // Back again: the rows come back with what they held.
    QVERIFY(model.setData(valueCell(model, "A"), 3, Qt::DisplayRole));
    QVERIFY(model.setData(valueCell(model, "Level"), LOCAL, Qt::DisplayRole));
    QCOMPARE(captions(model), (QStringList{"A", "PL", "Level", "Interface address"}));
    QCOMPARE(valueCell(model, "PL").data().toString(), QString("7"));
    QCOMPARE(valueCell(model, "Interface address").data().toString(), QString("6"));
}

void tst_AddressTreeModel::valueListsByAddressType()
{
    AddressTreeModel lights(DeviceAddress(GEN, -1, RISER, 1), 1);
    SensorAddressModel sensor(DeviceAddress(1, 1, RISER, -1));
    QCOMPARE(sensor.addressType(), 6);
    QList<int> areas;
    lights.getAreaIdValues(areas);
    QVERIFY(areas.contains(GEN) && areas.contains(AMB));
    QList<int> points{99};
    lights.getPointIdValues(points);
    QVERIFY2(points.isEmpty(), "the general address has no PL");
    sensor.getAreaIdValues(areas);
    QCOMPARE(areas.first(), 1);
    QCOMPARE(areas.last(), 9);
    sensor.getPointIdValues(points);
    QCOMPARE(points.size(), 9);
}

void tst_AddressTreeModel::helpMessages()
{
    AddressTreeModel model(DeviceAddress(1, 2, LOCAL, 1), 1);
    QVERIFY(model.getHelpMessage(model.index(0, 0)).caption().isEmpty());
    QCOMPARE(model.getHelpMessage(valueCell(model, "PL")).text(), QString("Enter value of PL configurator"));
    QCOMPARE(model.getHelpMessage(valueCell(model, "Interface address")).caption(), QString("Interface address"));
    QCOMPARE(model.flags(valueCell(model, "A")) & Qt::ItemIsEditable, Qt::ItemIsEditable);
    QCOMPARE(model.flags(valueCell(model, "A").siblingAtColumn(0)) & Qt::ItemIsEditable, Qt::NoItemFlags);
}

QTEST_MAIN(tst_AddressTreeModel)
#include "tst_addresstreemodel.moc"

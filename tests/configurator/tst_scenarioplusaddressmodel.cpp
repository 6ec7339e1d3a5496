#include "devices/DeviceAddress.h"
#include "editdelegates/AddressEditDelegate.h"
#include "tablemodels/ScenarioPlusAddressModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QStyleOptionViewItem>
#include <QTest>

using Corvane::Configurator::EditDelegates::AddressEditDelegate;
using Corvane::Configurator::TableModels::BaseAddressTreeModel;
using Corvane::Configurator::TableModels::ScenarioPlusAddressModel;
using Corvane::Devices::DeviceAddress;

class tst_ScenarioPlusAddressModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows();
    void comboRanges_data();
    void comboRanges();
    void result();
    void helpOfTheAddress();
};

void tst_ScenarioPlusAddressModel::rows()
{
    ScenarioPlusAddressModel model(DeviceAddress(40, -1, -1, -1), 75);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QModelIndex header = model.index(0, 0);
    QCOMPARE(header.data().toString(), QString("Scenario PLUS command"));
    QCOMPARE(model.rowCount(header), 2);
    QCOMPARE(model.index(0, 0, header).data().toString(), QString("Level"));
    QCOMPARE(model.index(0, 1, header).data().toString(), QString("75"));
    QCOMPARE(model.index(1, 0, header).data().toString(), QString("Address"));
    QCOMPARE(model.index(1, 1, header).data().toString(), QString("40"));
    QCOMPARE(model.addressType(), 3);
}

void tst_ScenarioPlusAddressModel::comboRanges_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("current");

    QTest::newRow("level 0..100") << 0 << 101 << 100 << 75;
    QTest::newRow("address 0..255") << 1 << 256 << 255 << 40;
}

void tst_ScenarioPlusAddressModel::comboRanges()
{
    QFETCH(int, row);
    QFETCH(int, count);
    QFETCH(int, last);
    QFETCH(int, current);

    ScenarioPlusAddressModel model(DeviceAddress(40, -1, -1, -1), 75);
    AddressEditDelegate delegate;
    QWidget parent;
    const QModelIndex cell = model.index(row, BaseAddressTreeModel::TextColumn, model.index(0, 0));
    auto* combo = qobject_cast<QComboBox*>(delegate.createEditor(&parent, QStyleOptionViewItem(), cell));
    QVERIFY(combo);
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->itemData(0).toInt(), 0);
    QCOMPARE(combo->itemData(count - 1).toInt(), last);
    QCOMPARE(combo->currentData().toInt(), current);
}

void tst_ScenarioPlusAddressModel::result()
{
    ScenarioPlusAddressModel model(DeviceAddress(40, 3, 4, 5, 1, {2}), 75);
    const QModelIndex header = model.index(0, 0);
    QVERIFY(model.setData(model.index(0, 1, header), 0, Qt::DisplayRole));
    QVERIFY(model.setData(model.index(1, 1, header), 255, Qt::DisplayRole));
    QCOMPARE(model.createAddress(), DeviceAddress(255, -1, -1, -1));
    QCOMPARE(model.additionalParameter(), 0);
}

void tst_ScenarioPlusAddressModel::helpOfTheAddress()
{
    ScenarioPlusAddressModel model(DeviceAddress(40, -1, -1, -1), 75);
    const QModelIndex header = model.index(0, 0);
    QCOMPARE(model.getHelpMessage(model.index(1, 1, header)).text(), QString("Set the address of the Scenario PLUS"));
    QCOMPARE(model.getHelpMessage(model.index(0, 1, header)).text(), QString("Set scenario level"));
}

QTEST_MAIN(tst_ScenarioPlusAddressModel)
#include "tst_scenarioplusaddressmodel.moc"

#include "editdelegates/AddressEditDelegate.h"
#include "tablemodels/TempSensorExtAddressModel.h"
#include "tablemodels/TempSensorNAddressModel.h"
#include "tablemodels/ThermoregNotControlledAddrModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QTest>
#include <QWidget>

#include <memory>

using namespace Corvane::Configurator;
using namespace Corvane::Configurator::TableModels;
using Corvane::Devices::DeviceAddress;

namespace {

const int E = DeviceAddress::EMPTY_INT_VALUE;

QStringList captions(const BaseAddressTreeModel& model)
{
    QStringList list;
    const QModelIndex header = model.index(0, 0);
    for (int row = 0; row < model.rowCount(header); ++row)
        list << model.index(row, 0, header).data().toString();
    return list;
}

// The values the address dialog's combo offers for a row.
QList<int> offered(BaseAddressTreeModel& model, int row)
{
    EditDelegates::AddressEditDelegate delegate;
    QWidget parent;
    const QModelIndex cell = model.index(row, BaseAddressTreeModel::TextColumn, model.index(0, 0));
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), cell));
    auto* combo = qobject_cast<QComboBox*>(editor.get());
    QList<int> values;
    for (int i = 0; combo && i < combo->count(); ++i)
        values << combo->itemData(i).toInt();
    return values;
}

QList<int> range(int first, int last)
{
    QList<int> values;
    for (int value = first; value <= last; ++value)
        values << value;
    return values;
}

} // namespace

// The three probe address models side by side: rows, offered values and
// the address they build.
class tst_ThermoregNotControlledAddrModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows_data();
    void rows();
    void editOneRow_data();
    void editOneRow();
    void helpOfThirdRow_data();
    void helpOfThirdRow();
};

void tst_ThermoregNotControlledAddrModel::rows_data()
{
    QTest::addColumn<int>("addressType");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QList<int>>("firstValues");
    QTest::addColumn<QList<int>>("secondValues");

    QTest::newRow("external probe") << 7 << QStringList{"N"} << range(1, 9) << QList<int>();
    // ZB of ZA 3: zones 30 to 39.
    QTest::newRow("probe zone") << 8 << QStringList{"ZA", "ZB"} << range(0, 9) << range(0, 9);
    QTest::newRow("slave") << 9 << QStringList{"ZA", "ZB", "Slave"} << range(0, 9) << range(0, 9);
    QTest::newRow("zone with N") << 12 << QStringList{"ZA", "ZB", "N"} << range(0, 9) << range(0, 9);
}

void tst_ThermoregNotControlledAddrModel::rows()
{
    QFETCH(int, addressType);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, firstValues);
    QFETCH(QList<int>, secondValues);

    const DeviceAddress address(3, 4, 2, E);
    std::unique_ptr<BaseAddressTreeModel> model;
    if (addressType == 7)
        model = std::make_unique<TempSensorExtAddressModel>(address);
    else if (addressType == 8)
        model = std::make_unique<TempSensorNAddressModel>(address);
    else
        model = std::make_unique<ThermoregNotControlledAddrModel>(address, addressType);
    QAbstractItemModelTester tester(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(model->addressType(), addressType);
    QCOMPARE(::captions(*model), captions);
    QCOMPARE(offered(*model, 0), firstValues);
    if (captions.size() > 1)
        QCOMPARE(offered(*model, 1), secondValues);
    if (captions.size() > 2)
        QCOMPARE(offered(*model, 2), range(1, 9));
}

void tst_ThermoregNotControlledAddrModel::editOneRow_data()
{
    QTest::addColumn<int>("addressType");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("value");
    QTest::addColumn<DeviceAddress>("expected");

    QTest::newRow("N") << 7 << 0 << 6 << DeviceAddress(6, E, E, E);
    QTest::newRow("ZB keeps ZA") << 8 << 1 << 7 << DeviceAddress(3, 7, E, E);
    QTest::newRow("ZA keeps ZB") << 8 << 0 << 0 << DeviceAddress(0, 4, E, E);
    QTest::newRow("slave") << 9 << 2 << 5 << DeviceAddress(3, 4, 5, E);
    QTest::newRow("zone N keeps zone") << 12 << 2 << 9 << DeviceAddress(3, 4, 9, E);
}

void tst_ThermoregNotControlledAddrModel::editOneRow()
{
    QFETCH(int, addressType);
    QFETCH(int, row);
    QFETCH(int, value);
    QFETCH(DeviceAddress, expected);

    // PUL and groups stay the device's: the models build neither.
    const DeviceAddress address(3, 4, 2, E, 1, {5});
    std::unique_ptr<BaseAddressTreeModel> model;
    if (addressType == 7)
        model = std::make_unique<TempSensorExtAddressModel>(address);
    else if (addressType == 8)
        model = std::make_unique<TempSensorNAddressModel>(address);
    else
        model = std::make_unique<ThermoregNotControlledAddrModel>(address, addressType);
    const QModelIndex cell = model->index(row, BaseAddressTreeModel::TextColumn, model->index(0, 0));
    QVERIFY(model->setData(cell, value, Qt::DisplayRole));
    if (addressType == 7)
        expected = DeviceAddress(value, E, E, E);
    QCOMPARE(model->createAddress(), expected);
    QCOMPARE(cell.data().toString(), QString::number(value));
}

void tst_ThermoregNotControlledAddrModel::helpOfThirdRow_data()
{
    QTest::addColumn<int>("addressType");
    QTest::addColumn<QString>("caption");

    QTest::newRow("slave") << 9 << "Slave";
    QTest::newRow("N") << 12 << "N";
}

void tst_ThermoregNotControlledAddrModel::helpOfThirdRow()
{
    QFETCH(int, addressType);
    QFETCH(QString, caption);

    ThermoregNotControlledAddrModel model(DeviceAddress(1, 1, 1, E), addressType);
    const QModelIndex header = model.index(0, 0);
    const HelpMessage third = model.getHelpMessage(model.index(2, 1, header));
    QCOMPARE(third.caption(), caption);
    QCOMPARE(third.text(), QString("Enter value of %1 configurator").arg(caption));
    QCOMPARE(model.getHelpMessage(model.index(0, 1, header)).caption(), QString("ZA"));
    QCOMPARE(model.getHelpMessage(model.index(1, 1, header)).text(), QString("Enter value of ZB configurator"));
}

QTEST_MAIN(tst_ThermoregNotControlledAddrModel)
#include "tst_thermoregnotcontrolledaddrmodel.moc"

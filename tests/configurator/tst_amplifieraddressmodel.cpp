#include "ProjectFixture.h"
#include "devices/DeviceAddress.h"
#include "devices/addressverification/AddressVerifier.h"
#include "tablemodels/AmplifierAddressModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

using Corvane::Configurator::TableModels::AmplifierAddressModel;
using Corvane::Configurator::TableModels::BaseAddressTreeModel;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::AddressVerification::AddressVerifier;

namespace {

QModelIndex cell(const AmplifierAddressModel& model, int row)
{
    return model.index(row, BaseAddressTreeModel::TextColumn, model.index(0, 0));
}

} // namespace

class tst_AmplifierAddressModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rows();
    void snappedRowsAreReported_data();
    void snappedRowsAreReported();
    void help();
};

void tst_AmplifierAddressModel::rows()
{
    AmplifierAddressModel model(DeviceAddress(3, 4, 7, 8, 1, {2}), 15);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.index(0, 0).data().toString(), QString("Multimedia Address"));
    QCOMPARE(model.rowCount(model.index(0, 0)), 2);
    QCOMPARE(model.index(0, 0, model.index(0, 0)).data().toString(), QString("A"));
    QCOMPARE(model.index(1, 0, model.index(0, 0)).data().toString(), QString("PF"));
    QCOMPARE(cell(model, 0).data().toString(), QString("3"));
    QCOMPARE(cell(model, 1).data().toString(), QString("4"));
    QCOMPARE(model.createAddress(), DeviceAddress(3, 4, -1, -1));
}

void tst_AmplifierAddressModel::snappedRowsAreReported_data()
{
    QTest::addColumn<int>("addressType");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("value");

    // The all-areas rules have no area 0: the A is snapped.
    QTest::newRow("A out of the all-areas rules") << 16 << 0 << 0;
    QTest::newRow("PF out of range") << 15 << 1 << 40;
}

void tst_AmplifierAddressModel::snappedRowsAreReported()
{
    QFETCH(int, addressType);
    QFETCH(int, row);
    QFETCH(int, value);

    AmplifierAddressModel model(DeviceAddress(3, 4, -1, -1), addressType);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    // What a view reading the cell at each change would show.
    QStringList shown;
    connect(&model, &QAbstractItemModel::dataChanged, this, [&](const QModelIndex& first, const QModelIndex& last) {
        const QModelIndex watched = cell(model, row);
        if (first.parent() == watched.parent() && first.row() <= row && row <= last.row())
            shown.append(watched.data().toString());
    });
    QVERIFY(model.setData(cell(model, row), value, Qt::DisplayRole));

    const DeviceAddress snapped = AddressVerifier::validate(model.createAddress(), addressType);
    QCOMPARE(model.createAddress(), snapped);
    QVERIFY(AddressVerifier::isValid(model.createAddress(), addressType));
    // The snapped row shows its new value at once.
    const int snappedValue = row == 0 ? snapped.area() : snapped.point();
    QVERIFY(snappedValue != value);
    QCOMPARE(cell(model, row).data(Qt::EditRole).toString(), QString::number(snappedValue));
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.last(), QString::number(snappedValue));
}

void tst_AmplifierAddressModel::help()
{
    AmplifierAddressModel model(DeviceAddress(3, 4, -1, -1), 15);
    QCOMPARE(model.getHelpMessage(model.index(0, 0)).text(), QString("Insert multimedia address (A, PF)"));
    QCOMPARE(model.getHelpMessage(cell(model, 1)).caption(), QString("PF"));
    QCOMPARE(model.getHelpMessage(cell(model, 0)).text(), QString("Enter value of A configurator"));
}

QTEST_MAIN(tst_AmplifierAddressModel)
#include "tst_amplifieraddressmodel.moc"

#include "ProjectFixture.h"
#include "devices/DeviceAddress.h"
#include "devices/StringConsts.h"
#include "devices/Utilities.h"
#include "tablemodels/SoundSourceDeviceModel.h"

#include <QAbstractItemModelTester>
#include <QIcon>
#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::SoundSourceDeviceModel;
using Corvane::Devices::DeviceAddress;

namespace {

const DeviceAddress ADDRESS(3, 1, DeviceAddress::LEVEL_PRIVATE_RISER, 1);

QModelIndex value(const SoundSourceDeviceModel& model, int row)
{
    return model.index(row, SoundSourceDeviceModel::COLUMN_VALUE_INDEX);
}

} // namespace

class tst_SoundSourceDeviceModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cells();
    void writes_data();
    void writes();
    void help();
};

void tst_SoundSourceDeviceModel::initTestCase()
{
    ConfiguratorTest::initResources();
}

void tst_SoundSourceDeviceModel::cells()
{
    SoundSourceDeviceModel model(ADDRESS, "Radio", 23002, 41, 14);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.index(0, 0).data().toString(), QString("Address"));
    QCOMPARE(model.index(1, 0).data().toString(), QString("Description"));
    QCOMPARE(model.index(2, 0).data().toString(), QString("Type"));
    QCOMPARE(value(model, 0).data().toString(), QString("A3"));
    QCOMPARE(value(model, 0).data(Qt::EditRole).value<DeviceAddress>(), ADDRESS);
    QCOMPARE(value(model, 1).data(Qt::UserRole).toString(), QString("Radio"));
    QCOMPARE(value(model, 2).data().toString(), Corvane::Devices::StringConsts::getDeviceTypeString(23002));
    QCOMPARE(value(model, 2).data(Qt::UserRole).toInt(), 23002);
    QVERIFY(!value(model, 2).data(Qt::DecorationRole).value<QIcon>().isNull());
    QCOMPARE(model.originalDeviceId(), 41);
    QCOMPARE(model.addressType(), 14);
    QVERIFY(model.flags(value(model, 1)) & Qt::ItemIsEditable);
    QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsEditable));
}

void tst_SoundSourceDeviceModel::writes_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("type");

    QTest::newRow("address") << 0 << QVariant::fromValue(DeviceAddress(4, 1, 3, 1)) << DeviceAddress(4, 1, 3, 1) << "Radio" << 23001;
    QTest::newRow("not an address") << 0 << QVariant(4) << DeviceAddress() << "Radio" << 23001;
    QTest::newRow("description") << 1 << QVariant("Kitchen radio") << ADDRESS << "Kitchen radio" << 23001;
    QTest::newRow("type") << 2 << QVariant(23004) << ADDRESS << "Radio" << 23004;
}

void tst_SoundSourceDeviceModel::writes()
{
    QFETCH(int, row);
    QFETCH(QVariant, value);
    QFETCH(DeviceAddress, address);
    QFETCH(QString, description);
    QFETCH(int, type);

    SoundSourceDeviceModel model(ADDRESS, "Radio", 23001, Corvane::Devices::Utilities::emtpyDeviceId(), 13);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(!model.setData(model.index(row, 0), value, Qt::EditRole));
    QVERIFY(model.setData(::value(model, row), value, Qt::DisplayRole));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.address(), address);
    QCOMPARE(model.description(), description);
    QCOMPARE(model.deviceType(), type);
}

void tst_SoundSourceDeviceModel::help()
{
    SoundSourceDeviceModel model(ADDRESS, "Radio", 23001, 1, 13);
    QCOMPARE(model.getHelpMessage(value(model, 0)).text(), QString("Assign an address to the sound source"));
    QCOMPARE(model.getHelpMessage(value(model, 1)).text(), QString("Set the description of the sound source"));
    QCOMPARE(model.getHelpMessage(model.index(2, 0)).text(), QString("Choose the proper source type"));
    QCOMPARE(model.getHelpMessage(QModelIndex()).caption(), QString());
}

QTEST_MAIN(tst_SoundSourceDeviceModel)
#include "tst_soundsourcedevicemodel.moc"

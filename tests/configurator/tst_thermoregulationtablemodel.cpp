#include "devices/ThermoregulationDeviceProperties.h"
#include "tablemodels/ThermoregulationTableModel.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane::Configurator::TableModels;
using namespace Corvane::Devices;

namespace {

std::unique_ptr<ThermoregulationDeviceProperties> makeDevice(int type)
{
    return std::make_unique<ThermoregulationDeviceProperties>(1, type, DeviceAddress(1, 2, -1, -1), "Zone");
}

ThermoregulationCommandProperties* command(int area)
{
    return new ThermoregulationCommandProperties(DeviceAddress(area, -1, -1, -1), "Cool");
}

} // namespace

class tst_ThermoregulationTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columns();
    void flagsByType_data();
    void flagsByType();
    void commandsCount_data();
    void commandsCount();
    void parametersText_data();
    void parametersText();
    void fancoilWrite();
    void commandsCellLeavesDevice();
    void typeChangeRefreshesRow();
    void outsideIndexes();
};

void tst_ThermoregulationTableModel::columns()
{
    auto device = makeDevice(8003);
    ThermoregulationTableModel model({device.get()});
    QCOMPARE(model.columnCount(), 5);
    QCOMPARE(model.columnIndex(Column::Pul), -1);
    QCOMPARE(model.columnIndex(Column::Groups), -1);
    QCOMPARE(model.columnIndex(Column::Unit), -1);
    QCOMPARE(model.headerData(3, Qt::Horizontal).toString(), QString("Fancoil"));
    QCOMPARE(model.headerData(4, Qt::Horizontal).toString(), QString("Commands/Parameters"));
}

void tst_ThermoregulationTableModel::flagsByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("fancoil");
    QTest::addColumn<bool>("commands");

    QTest::newRow("external probe") << 8001 << false << false;
    QTest::newRow("probe") << 8002 << false << false;
    QTest::newRow("99-zone zone") << 8003 << true << false;
    QTest::newRow("4-zone zone") << 8004 << true << false;
    QTest::newRow("basic air conditioner") << 4001 << false << true;
    QTest::newRow("advanced air conditioner") << 4003 << false << true;
}

void tst_ThermoregulationTableModel::flagsByType()
{
    QFETCH(int, type);
    QFETCH(bool, fancoil);
    QFETCH(bool, commands);

    auto device = makeDevice(type);
    ThermoregulationTableModel model({device.get()});
    const Qt::ItemFlags editable = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
    const auto flags = [&model](int column) { return model.flags(model.index(0, column)) & ~Qt::ItemNeverHasChildren; };
    QCOMPARE(flags(3), fancoil ? editable : Qt::ItemFlags());
    QCOMPARE(flags(4), commands ? editable : Qt::ItemFlags());
    QCOMPARE(flags(0), editable);
    // Not applying still shows the flag.
    QCOMPARE(model.index(0, 3).data().toString(), QString("No"));
}

void tst_ThermoregulationTableModel::commandsCount_data()
{
    QTest::addColumn<int>("favourites");
    QTest::addColumn<bool>("offShown");
    QTest::addColumn<QString>("text");

    QTest::newRow("three and OFF") << 3 << true << "4 command(s) configured";
    QTest::newRow("three without OFF") << 3 << false << "3 command(s) configured";
    QTest::newRow("none") << 0 << false << "0 command(s) configured";
    QTest::newRow("only OFF") << 0 << true << "1 command(s) configured";
}

void tst_ThermoregulationTableModel::commandsCount()
{
    QFETCH(int, favourites);
    QFETCH(bool, offShown);
    QFETCH(QString, text);

    auto device = makeDevice(4001);
    for (int i = 0; i < favourites; ++i)
        device->addCommand(command(i + 1));
    device->setShowOffCommand(offShown);
    ThermoregulationTableModel model({device.get()});
    QCOMPARE(model.index(0, 4).data(Qt::DisplayRole).toString(), text);
    QCOMPARE(model.index(0, 4).data(Qt::EditRole).toString(), text);
}

void tst_ThermoregulationTableModel::parametersText_data()
{
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("step");
    QTest::addColumn<QString>("text");

    QTest::newRow("no trailing zeros") << 16.0 << 30.0 << 0.5 << "Min - 16, Max - 30, Step - 0.5";
    QTest::newRow("eighths") << 16.125 << 29.875 << 1.0 << "Min - 16.125, Max - 29.875, Step - 1";
    QTest::newRow("six significant digits") << 18.1234567 << 26.0 << 0.5 << "Min - 18.1235, Max - 26, Step - 0.5";
}

void tst_ThermoregulationTableModel::parametersText()
{
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, step);
    QFETCH(QString, text);

    auto device = makeDevice(4003);
    device->setMinTemperature(min);
    device->setMaxTemperature(max);
    device->setStep(step);
    ThermoregulationTableModel model({device.get()});
    QCOMPARE(model.index(0, 4).data().toString(), text);
}

void tst_ThermoregulationTableModel::fancoilWrite()
{
    auto device = makeDevice(8004);
    ThermoregulationTableModel model({device.get()});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(!model.setData(model.index(0, 3), true, Qt::DisplayRole));
    QVERIFY(!device->hasFancoil());
    QVERIFY(model.setData(model.index(0, 3), 1, Qt::EditRole));
    QVERIFY(device->hasFancoil());
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.index(0, 3).data().toString(), QString("Yes"));
    QVERIFY(!model.index(0, 3).data(Qt::DecorationRole).isNull());
}

void tst_ThermoregulationTableModel::commandsCellLeavesDevice()
{
    auto device = makeDevice(4001);
    ThermoregulationTableModel model({device.get()});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0, 4), QString("5 command(s) configured")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(device->commandsCount(), 0);
    QCOMPARE(device->description(), QString("Zone"));
}

void tst_ThermoregulationTableModel::typeChangeRefreshesRow()
{
    auto device = makeDevice(8003);
    device->setHasFancoil(true);
    ThermoregulationTableModel model({device.get()});
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0, 1), 4001));
    QCOMPARE(device->deviceType(), 4001);
    QVERIFY(!device->hasFancoil());
    QVERIFY(changed.count() >= 1);
    QCOMPARE(changed.last().at(0).toModelIndex(), model.index(0, 0));
    QCOMPARE(changed.last().at(1).toModelIndex(), model.index(0, 4));
    QCOMPARE(model.index(0, 4).data().toString(), QString("0 command(s) configured"));
}

void tst_ThermoregulationTableModel::outsideIndexes()
{
    auto device = makeDevice(4001);
    ThermoregulationTableModel model({device.get()});
    ThermoregulationTableModel other({device.get()});
    QCOMPARE(model.flags(QModelIndex()), Qt::ItemIsEnabled);
    QVERIFY(!model.data(other.index(0, 0)).isValid());
    QVERIFY(!model.data(model.index(1, 0)).isValid());
    QVERIFY(!model.setData(QModelIndex(), true));
    QVERIFY(!model.setData(other.index(0, 3), true));
}

QTEST_MAIN(tst_ThermoregulationTableModel)
#include "tst_thermoregulationtablemodel.moc"

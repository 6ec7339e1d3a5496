#include "DeviceTreeItem.h"
#include "devices/ConfigUtilities.h"
#include "devices/WebServerDeviceProperties.h"
#include "tablemodels/GatewayTreeModel.h"

#include <QAbstractItemModelTester>
#include <QPointer>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>

using Corvane::Configurator::TableModels::GatewayTreeModel;
using namespace Corvane::Devices;

namespace {

QList<int> fields(const GatewayTreeModel& model)
{
    QList<int> result;
    for (int row = 0; row < model.rowCount(); ++row)
        result.append(model.getFieldType(model.index(row, 1)));
    return result;
}

} // namespace

class tst_GatewayTreeModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsByAddressType_data();
    void rowsByAddressType();
    void values();
    void writes_data();
    void writes();
    void descriptionSignalsOnce();
    void addressTypeSwapsRowsWithRowSignals();
    void helpMessages();
    void withoutGateway();
    void addressRowsDieWithTheModel();
};

void tst_GatewayTreeModel::addressRowsDieWithTheModel()
{
    using Corvane::Configurator::DeviceTreeItem;
    WebServerDeviceProperties server(1, DeviceNetworkAddress(0, "10.0.0.2", 77, "12345"), "Home");
    auto* model = new GatewayTreeModel(&server);
    QTableView view;
    view.setModel(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto rowItem = [model](GatewayTreeModel::FieldType field) {
        return QPointer<DeviceTreeItem>(
            static_cast<DeviceTreeItem*>(model->index(model->rowOf(field), 1).internalPointer()));
    };
    // The page shows the IP row, then the univocal code row in its place.
    const QPointer<DeviceTreeItem> ip = rowItem(GatewayTreeModel::IpAddress);
    QVERIFY(model->setData(model->index(model->rowOf(GatewayTreeModel::AddressType), 1), 1));
    const QPointer<DeviceTreeItem> uc = rowItem(GatewayTreeModel::UnivocalCode);
    QVERIFY(ip && uc && ip != uc);
    QCOMPARE(model->rowOf(GatewayTreeModel::IpAddress), -1);

    view.setModel(nullptr);
    delete model;
    QVERIFY(!uc);
    QVERIFY(!ip);
}

void tst_GatewayTreeModel::rowsByAddressType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("static") << 0 << QList<int>{1, 2, 3, 5, 6};
    QTest::newRow("dynamic") << 1 << QList<int>{1, 2, 4, 5, 6};
}

void tst_GatewayTreeModel::rowsByAddressType()
{
    QFETCH(int, type);
    QFETCH(QList<int>, rows);

    WebServerDeviceProperties server(1, DeviceNetworkAddress(type, "10.0.0.2", 77, "12345"), "Home");
    GatewayTreeModel model(&server);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(fields(model), rows);
    QCOMPARE(model.serverId(), 1);
}

void tst_GatewayTreeModel::values()
{
    WebServerDeviceProperties server(1, DeviceNetworkAddress(0, "10.0.0.2", 77, "12345"), "Home", false);
    GatewayTreeModel model(&server);
    QCOMPARE(model.index(0, 0).data().toString(), QString("Description"));
    QCOMPARE(model.index(0, 1).data().toString(), QString("Home"));
    QCOMPARE(model.index(1, 1).data().toString(), ConfigUtilities::getIpTypeString(0));
    QCOMPARE(model.index(1, 1).data(Qt::EditRole), QVariant(0));
    QCOMPARE(model.index(1, 1).data(Qt::UserRole), QVariant(0));
    QCOMPARE(model.index(2, 1).data().toString(), QString("10.0.0.2"));
    QCOMPARE(model.index(3, 0).data().toString(), QString("PRAVIK Password"));
    QCOMPARE(model.index(3, 1).data().toString(), QString("12345"));
    QCOMPARE(model.index(4, 1).data().toString(), ConfigUtilities::getEnabledString(false));
    QCOMPARE(model.index(4, 1).data(Qt::EditRole), QVariant(false));
    QVERIFY(!model.index(0, 1).data(Qt::DecorationRole).isValid());
    QVERIFY(!model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
}

void tst_GatewayTreeModel::writes_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("ip") << int(GatewayTreeModel::IpAddress) << QVariant("192.168.0.9");
    QTest::newRow("password") << int(GatewayTreeModel::Password) << QVariant("987654");
    QTest::newRow("viewer") << int(GatewayTreeModel::Viewer) << QVariant(false);
}

void tst_GatewayTreeModel::writes()
{
    QFETCH(int, field);
    QFETCH(QVariant, value);

    WebServerDeviceProperties server(1, DeviceNetworkAddress(0, "10.0.0.2", 77, "12345"), "Home");
    GatewayTreeModel model(&server);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QModelIndex index = model.index(model.rowOf(GatewayTreeModel::FieldType(field)), 1);
    QVERIFY(model.setData(index, value));
    QCOMPARE(index.data(Qt::EditRole), value);
    const DeviceNetworkAddress address = server.networkAddress();
    QCOMPARE(address.uc(), 77);
    if (field != GatewayTreeModel::IpAddress)
        QCOMPARE(address.ip(), QString("10.0.0.2"));
    if (field != GatewayTreeModel::Password)
        QCOMPARE(address.password(), QString("12345"));
}

void tst_GatewayTreeModel::descriptionSignalsOnce()
{
    WebServerDeviceProperties server(1, DeviceNetworkAddress(), "Home");
    GatewayTreeModel model(&server);
    QSignalSpy described(&model, &GatewayTreeModel::serverDescChanged);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0, 1), "Cottage"));
    QCOMPARE(server.description(), QString("Cottage"));
    QCOMPARE(described.count(), 1);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!model.setData(QModelIndex(), "x"));
}

void tst_GatewayTreeModel::addressTypeSwapsRowsWithRowSignals()
{
    WebServerDeviceProperties server(1, DeviceNetworkAddress(0, "10.0.0.2", 77, "12345"), "Home");
    GatewayTreeModel model(&server);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QPersistentModelIndex ipRow(model.index(model.rowOf(GatewayTreeModel::IpAddress), 1));
    QPersistentModelIndex passwordRow(model.index(model.rowOf(GatewayTreeModel::Password), 1));
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);

    QVERIFY(model.setData(model.index(1, 1), 1));
    QCOMPARE(server.networkAddress().ipAddressType(), 1);
    QCOMPARE(fields(model), (QList<int>{1, 2, 4, 5, 6}));
    QCOMPARE(removed.count(), 1);
    QCOMPARE(inserted.count(), 1);
    QVERIFY(!ipRow.isValid());
    QVERIFY(passwordRow.isValid());
    QCOMPARE(model.getFieldType(passwordRow), GatewayTreeModel::Password);
    QCOMPARE(model.index(2, 1).data().toString(), QString("77"));

    // Writing the same type again moves nothing.
    QVERIFY(model.setData(model.index(1, 1), 1));
    QCOMPARE(removed.count(), 1);
    QVERIFY(model.setData(model.index(1, 1), 0));
    QCOMPARE(fields(model), (QList<int>{1, 2, 3, 5, 6}));
    QCOMPARE(server.networkAddress().ip(), QString("10.0.0.2"));
}

void tst_GatewayTreeModel::helpMessages()
{
    WebServerDeviceProperties server(1, DeviceNetworkAddress(), "Home");
    GatewayTreeModel model(&server);
    QCOMPARE(model.getHelpMessage(model.index(0, 0)).toHtml(), QString("<b>Description</b><br>Set the name of the plant"));
    QCOMPARE(model.getHelpMessage(model.index(2, 1)).text(), QString("Set IP address of WebServer"));
    QCOMPARE(model.getHelpMessage(model.index(1, 1)).text(),
             QString("Choose between static and dynamic (UPnP) IP address"));
    QVERIFY(model.getHelpMessage(QModelIndex()).toHtml().isEmpty());
}

void tst_GatewayTreeModel::withoutGateway()
{
    GatewayTreeModel model(nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.serverId(), -1);
    QVERIFY(!model.index(0, 1).data().isValid());
    QVERIFY(!model.setData(model.index(0, 1), "x"));
}

QTEST_MAIN(tst_GatewayTreeModel)
#include "tst_gatewaytreemodel.moc"

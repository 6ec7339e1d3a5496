#include "ProjectFixture.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "devices/Utilities.h"
#include "tablemodels/AmplifiersTableModel.h"

#include <QTest>

using Corvane::Configurator::TableModels::AmplifiersTableModel;
using Corvane::Configurator::TableModels::Column;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::DeviceAddress;

class tst_AmplifiersTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void columns();
    void soundSystemType_data();
    void soundSystemType();
};

void tst_AmplifiersTableModel::columns()
{
    auto project = ConfiguratorTest::makeProject(1, 0);
    const int server = project->webServers().first()->id();
    project->addDevice(server, new Corvane::Devices::AmplifierDeviceProperties(
                                   Corvane::Devices::Utilities::emtpyDeviceId(), DeviceAddress(3, 4, -1, -1), "Hall"));
    QList<BaseDeviceProperties*> amplifiers;
    project->getDevicesByGroup(amplifiers, BaseDeviceProperties::Amplifiers, server, true);
    AmplifiersTableModel model(amplifiers, project.get(), server);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.columnIndex(Column::Description), 0);
    QCOMPARE(model.columnIndex(Column::Address), 1);
    for (Column hidden : {Column::Type, Column::Pul, Column::Groups, Column::Unit})
        QCOMPARE(model.columnIndex(hidden), -1);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString("Description"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QString("Address"));
    QCOMPARE(model.index(0, 0).data().toString(), QString("Hall"));
    QVERIFY(model.index(0, 1).data().toString().contains("3"));
    QVERIFY(model.setData(model.index(0, 1), QVariant::fromValue(DeviceAddress(5, 6, -1, -1)), Qt::EditRole));
    QCOMPARE(amplifiers.first()->address(), DeviceAddress(5, 6, -1, -1));
}

void tst_AmplifiersTableModel::soundSystemType_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("basic") << 0;
    QTest::newRow("all areas") << 1;
}

void tst_AmplifiersTableModel::soundSystemType()
{
    QFETCH(int, type);

    auto project = ConfiguratorTest::makeProject(2, 0);
    const int server = project->webServers().at(1)->id();
    project->setSoundSystemType(type, server);
    QCOMPARE(AmplifiersTableModel({}, project.get(), server).soundSystemType(), type);
    QCOMPARE(AmplifiersTableModel({}, nullptr, server).soundSystemType(), 0);
}

QTEST_MAIN(tst_AmplifiersTableModel)
#include "tst_amplifierstablemodel.moc"

#include "ProjectFixture.h"
#include "devices/BaseDeviceProperties.h"
#include "devices/ConfigUtilities.h"
#include "devices/StringConsts.h"
#include "devices/addressverification/AddressVerifier.h"
#include "tablemodels/BaseTableModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Configurator::TableModels;
using namespace Corvane::Devices;

namespace {

// Three sections like the sensor table: PUL and Groups map past the end.
class ThreeColumnModel : public BaseTableModel
{
public:
    using BaseTableModel::BaseTableModel;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 3; }
};

} // namespace

class tst_BaseTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void displayAndHeaders();
    void headerOfUnmappedSectionIsInvalid();
    void refusedWrites_data();
    void refusedWrites();
    void descriptionWrite();
    void typeChangeSnapsAddress();
    void addressKeepsPulAndGroups();
    void wrongValueTypesStoreEmpty();
    void pulAndGroups();
    void helpMessages_data();
    void helpMessages();
    void removeDeviceKeepsObject();

private:
    std::unique_ptr<Configuration> m_project;
    QList<BaseDeviceProperties*> m_devices;
};

void tst_BaseTableModel::init()
{
    m_project = ConfiguratorTest::makeProject(1, 0);
    const int server = m_project->webServers().constFirst()->id();
    ConfiguratorTest::addLight(*m_project, server, "Kitchen");
    ConfiguratorTest::addScenario(*m_project, server, "Evening");
    m_devices = m_project->devices();
    m_project->clearChanges();
}

void tst_BaseTableModel::displayAndHeaders()
{
    BaseTableModel model(m_devices);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 5);
    const BaseDeviceProperties* light = m_devices.at(0);
    QCOMPARE(model.index(0, 0).data(), QVariant("Kitchen"));
    QCOMPARE(model.index(0, 1).data().toString(), StringConsts::getDeviceTypeString(2003));
    QCOMPARE(model.index(0, 2).data().toString(), ConfigUtilities::addressString(light->address(), 2003));
    QCOMPARE(model.index(0, 3).data().toString(), ConfigUtilities::getFalseString());
    QCOMPARE(model.index(0, 4).data().toString(), ConfigUtilities::getGroupsString({}));
    QVERIFY(model.index(0, 1).data(Qt::DecorationRole).isValid());
    QVERIFY(!model.index(0, 0).data(Qt::DecorationRole).isValid());
    QVERIFY(!model.index(0, 0).data(Qt::ToolTipRole).isValid());
    const QStringList titles{"Description", "Type", "Address", "PUL", "Groups"};
    for (int section = 0; section < titles.size(); ++section)
        QCOMPARE(model.headerData(section, Qt::Horizontal).toString(), titles.at(section));
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::EditRole).isValid());
    QVERIFY(model.flags(model.index(1, 4)).testFlag(Qt::ItemIsEditable));
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
    QCOMPARE(model.columnIndex(Column::Fancoil), -1);
    QCOMPARE(model.columnIndex(Column(42)), -1);
}

void tst_BaseTableModel::headerOfUnmappedSectionIsInvalid()
{
    ThreeColumnModel model(m_devices);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QString("Address"));
    QVERIFY(!model.headerData(3, Qt::Horizontal).isValid());
    QVERIFY(!model.headerData(4, Qt::Horizontal).isValid());
    QVERIFY(!model.data(model.index(0, 3)).isValid());
}

void tst_BaseTableModel::refusedWrites_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");

    QTest::newRow("display role") << 0 << 0 << int(Qt::DisplayRole);
    QTest::newRow("row beyond") << 2 << 0 << int(Qt::EditRole);
    QTest::newRow("invalid index") << -1 << -1 << int(Qt::EditRole);
}

void tst_BaseTableModel::refusedWrites()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, role);

    BaseTableModel model(m_devices);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(!model.setData(model.index(row, column), "changed", role));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_devices.at(0)->description(), QString("Kitchen"));
    QVERIFY(!m_project->hasChanges());
}

void tst_BaseTableModel::descriptionWrite()
{
    BaseTableModel model(m_devices);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0, 0), "Hall"));
    QCOMPARE(m_devices.at(0)->description(), QString("Hall"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toModelIndex(), model.index(0, 0));
    QVERIFY(m_project->hasChanges());
}

void tst_BaseTableModel::typeChangeSnapsAddress()
{
    BaseTableModel model(m_devices);
    BaseDeviceProperties* scenario = m_devices.at(1);
    const DeviceAddress before = scenario->address();
    QVERIFY(model.setData(model.index(1, 1), 1003));
    QCOMPARE(scenario->deviceType(), 1003);
    const DeviceAddress expected = AddressVerification::AddressVerifier::validate(before, scenario->addressType());
    QCOMPARE(scenario->address(), expected);
    QVERIFY(AddressVerification::AddressVerifier::isValid(scenario->address(), scenario->addressType()));
    QCOMPARE(model.index(1, 2).data().toString(), ConfigUtilities::addressString(expected, 1003));
}

void tst_BaseTableModel::addressKeepsPulAndGroups()
{
    BaseDeviceProperties* light = m_devices.at(0);
    light->setAddress(light->address().cloneWithPulAndGroups(1, {3, 7}));
    BaseTableModel model(m_devices);
    const DeviceAddress written(2, 4, DeviceAddress::LEVEL_PRIVATE_RISER, DeviceAddress::DEFAULT_INTERFACE_VALUE, 0, {9});
    QVERIFY(model.setData(model.index(0, 2), QVariant::fromValue(written)));
    QCOMPARE(light->address().area(), 2);
    QCOMPARE(light->address().point(), 4);
    QCOMPARE(light->address().pul(), 1);
    QCOMPARE(light->address().groups(), (QList<int>{3, 7}));
}

void tst_BaseTableModel::wrongValueTypesStoreEmpty()
{
    BaseDeviceProperties* light = m_devices.at(0);
    light->setAddress(light->address().cloneWithPulAndGroups(1, {3}));
    BaseTableModel model(m_devices);
    QVERIFY(model.setData(model.index(0, 2), QString("A1 PL1")));
    QVERIFY(light->address().isEmpty() || light->address().area() == DeviceAddress::EMPTY_INT_VALUE);
    QCOMPARE(light->address().pul(), 1);
    QVERIFY(model.setData(model.index(0, 4), QString("3, 4")));
    QVERIFY(light->address().groups().isEmpty());
}

void tst_BaseTableModel::pulAndGroups()
{
    BaseTableModel model(m_devices);
    BaseDeviceProperties* light = m_devices.at(0);
    QVERIFY(model.setData(model.index(0, 3), 1));
    QCOMPARE(light->address().pul(), 1);
    QCOMPARE(model.index(0, 3).data().toString(), ConfigUtilities::getTrueString());
    QVERIFY(model.setData(model.index(0, 4), QVariant::fromValue(QList<int>{5, 6})));
    QCOMPARE(light->address().groups(), (QList<int>{5, 6}));
    QCOMPARE(light->address().pul(), 1);
}

void tst_BaseTableModel::helpMessages_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");

    QTest::newRow("description") << 0 << "Description" << "Set device description";
    QTest::newRow("type") << 1 << "Type" << "Select device type";
    QTest::newRow("address") << 2 << "KWB Address" << "Set device address";
    QTest::newRow("pul") << 3 << "PUL" << "Set PUL configurator value";
    QTest::newRow("groups") << 4 << "Groups" << "Set groups that this device belongs to";
    QTest::newRow("no column") << -1 << "" << "";
}

void tst_BaseTableModel::helpMessages()
{
    QFETCH(int, column);
    QFETCH(QString, caption);
    QFETCH(QString, text);

    BaseTableModel model(m_devices);
    const auto message = model.getHelpMessage(model.index(0, column));
    QCOMPARE(message.caption(), caption);
    QCOMPARE(message.text(), text);
}

void tst_BaseTableModel::removeDeviceKeepsObject()
{
    QList<BaseDeviceProperties*> twice = m_devices;
    twice.append(m_devices.at(0));
    BaseTableModel model(twice);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const int id = m_devices.at(0)->id();
    model.removeDevice(id);
    QCOMPARE(model.rowCount(), 1);
    QCOMPARE(model.device(0), m_devices.at(1));
    QVERIFY(m_project->getDeviceById(id));
    QCOMPARE(model.device(5), nullptr);
}

QTEST_MAIN(tst_BaseTableModel)
#include "tst_basetablemodel.moc"

#include "ProjectFixture.h"
#include "devices/ConfigUtilities.h"
#include "devices/DeviceAddress.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/Utilities.h"
#include "tablemodels/ScenariosTableModel.h"
#include "tablemodels/ScheduledScenarioUpdater.h"

#include <QSignalSpy>
#include <QTest>

using Corvane::Configurator::TableModels::Column;
using Corvane::Configurator::TableModels::ScenariosTableModel;
using Corvane::Configurator::TableModels::ScheduledScenarioUpdater;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::Configuration;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ScenarioDeviceProperties;
using Corvane::Devices::ScheduledScenarioItem;

namespace {

const int RISER = DeviceAddress::LEVEL_PRIVATE_RISER;

struct Scenarios
{
    Scenarios()
        : project(ConfiguratorTest::makeProject(1, 0))
    {
        const int server = project->webServers().first()->id();
        for (int type : {1002, 1003, 9002}) {
            project->addDevice(server, new ScenarioDeviceProperties(Corvane::Devices::Utilities::emtpyDeviceId(), type,
                                                                    DeviceAddress(2, 5, RISER, 1, 1, {3, 4}),
                                                                    QString("Scenario %1").arg(type)));
        }
        project->clearChanges();
        QList<BaseDeviceProperties*> devices;
        project->getDevicesByGroup(devices, BaseDeviceProperties::Scenarios, -1, true);
        model = std::make_unique<ScenariosTableModel>(devices);
    }
    ScenarioDeviceProperties* scenario(int row) const { return static_cast<ScenarioDeviceProperties*>(model->device(row)); }
    QModelIndex parameters(int row) const { return model->index(row, 2); }

    std::unique_ptr<Configuration> project;
    std::unique_ptr<ScenariosTableModel> model;
};

} // namespace

class tst_ScenariosTableModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sections();
    void parametersText();
    void addressStoredAsItIs_data();
    void addressStoredAsItIs();
    void scheduledItemsStoredWhole();
    void scheduledRefusesAnotherValue();
    void otherColumnsAreTheBase();
};

void tst_ScenariosTableModel::sections()
{
    Scenarios page;
    QCOMPARE(page.model->columnCount(), 3);
    QCOMPARE(page.model->headerData(0, Qt::Horizontal).toString(), QString("Description"));
    QCOMPARE(page.model->headerData(1, Qt::Horizontal).toString(), QString("Type"));
    QCOMPARE(page.model->headerData(2, Qt::Horizontal).toString(), QString("Parameters"));
    for (int section : {3, 4})
        QVERIFY(!page.model->headerData(section, Qt::Horizontal).isValid());
    QVERIFY(!page.model->headerData(2, Qt::Vertical).isValid());
    QVERIFY(!page.model->headerData(2, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QVERIFY(!page.model->index(0, 3).isValid());
    QVERIFY(page.model->flags(page.parameters(0)) & Qt::ItemIsEditable);
    QCOMPARE(page.model->flags(QModelIndex()), Qt::ItemIsEnabled);
}

void tst_ScenariosTableModel::parametersText()
{
    Scenarios page;
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(page.parameters(row).data().toString(),
                 Corvane::Devices::ConfigUtilities::getScenarioParamsString(*page.scenario(row)));
        QCOMPARE(page.parameters(row).data(Qt::EditRole), page.parameters(row).data());
    }
}

void tst_ScenariosTableModel::addressStoredAsItIs_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<DeviceAddress>("stored");

    const DeviceAddress address(7, 8, RISER, 1);
    QTest::newRow("scenario: PUL and groups not carried over") << 0 << QVariant::fromValue(address) << address;
    QTest::newRow("scenario PLUS") << 1 << QVariant::fromValue(DeviceAddress(200, -1, -1, -1)) << DeviceAddress(200, -1, -1, -1);
    QTest::newRow("not an address gives the empty address") << 0 << QVariant(QString("A7")) << DeviceAddress();
}

void tst_ScenariosTableModel::addressStoredAsItIs()
{
    QFETCH(int, row);
    QFETCH(QVariant, value);
    QFETCH(DeviceAddress, stored);

    Scenarios page;
    QSignalSpy changed(page.model.get(), &QAbstractItemModel::dataChanged);
    QVERIFY(page.model->setData(page.parameters(row), value, Qt::EditRole));
    QCOMPARE(page.scenario(row)->address(), stored);
    QVERIFY(ConfiguratorTest::reported(changed, page.parameters(row)));
    QVERIFY(page.project->hasChanges());
}

void tst_ScenariosTableModel::scheduledItemsStoredWhole()
{
    Scenarios page;
    const ScheduledScenarioItem enable(true, ScheduledScenarioItem::Cen, 3, DeviceAddress(4, 5, RISER, 1));
    const ScheduledScenarioItem disable(true, ScheduledScenarioItem::CenPlus, 31, DeviceAddress(900, -1, -1, -1));
    const ScheduledScenarioItem start(false, ScheduledScenarioItem::Cen, 0, DeviceAddress::defaultAddress());
    const ScheduledScenarioItem stop(true, ScheduledScenarioItem::Cen, 255, DeviceAddress(9, 15, RISER, 1));
    const DeviceAddress address = page.scenario(2)->address();

    QVERIFY(page.model->setData(page.parameters(2), QVariant::fromValue(ScheduledScenarioUpdater(enable, disable, start, stop)),
                                Qt::EditRole));
    QCOMPARE(page.scenario(2)->enableItem(), enable);
    QCOMPARE(page.scenario(2)->disableItem(), disable);
    QCOMPARE(page.scenario(2)->startItem(), start);
    QCOMPARE(page.scenario(2)->stopItem(), stop);
    QCOMPARE(page.scenario(2)->address(), address);
    QCOMPARE(QMetaType::fromType<ScheduledScenarioUpdater>().name(),
             QByteArray("Corvane::Configurator::TableModels::ScheduledScenarioUpdater"));
}

void tst_ScenariosTableModel::scheduledRefusesAnotherValue()
{
    // Four absent items would wipe the scenario; a value of another type is
    // refused instead.
    Scenarios page;
    const ScheduledScenarioItem enable(true, ScheduledScenarioItem::Cen, 3, DeviceAddress(4, 5, RISER, 1));
    page.scenario(2)->setItems(enable, enable, enable, enable);
    page.project->clearChanges();
    QVERIFY(!page.model->setData(page.parameters(2), QVariant::fromValue(DeviceAddress(1, 1, RISER, 1)), Qt::EditRole));
    QCOMPARE(page.scenario(2)->enableItem(), enable);
    QVERIFY(!page.project->hasChanges());
}

void tst_ScenariosTableModel::otherColumnsAreTheBase()
{
    Scenarios page;
    QVERIFY(page.model->setData(page.model->index(0, 0), QString("Morning"), Qt::EditRole));
    QCOMPARE(page.scenario(0)->description(), QString("Morning"));
    QVERIFY(!page.model->setData(page.parameters(0), QVariant::fromValue(DeviceAddress(7, 8, RISER, 1)), Qt::DisplayRole));
    QCOMPARE(page.scenario(0)->address().area(), 2);
}

QTEST_MAIN(tst_ScenariosTableModel)
#include "tst_scenariostablemodel.moc"

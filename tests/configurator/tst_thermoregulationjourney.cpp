#include "AdminConfigurator.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "MainWindow.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/Configuration.h"
#include "devices/DeviceEnums.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "editors/AddressEditor.h"
#include "editors/ThermoregAdvancedEditor.h"
#include "editors/ThermoregCommandsEditor.h"
#include "editors/ThermoregulationCommandEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/ThermoregModeModel.h"
#include "tablemodels/ThermoregTemperatureEditModel.h"
#include "tablemodels/ThermoregulationCommandModel.h"
#include "tablemodels/ThermoregulationOffCmdModel.h"
#include "tablemodels/ThermoregulationTableModel.h"
#include "utilities/InitSettings.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using Node = DevicesTreeModel::NodeType;
using TableModels::Column;

namespace {

const int E = DeviceAddress::EMPTY_INT_VALUE;

// The thermoregulation devices of a project by description, as copies.
QMap<QString, std::shared_ptr<ThermoregulationDeviceProperties>> thermoDevices(const Configuration& project)
{
    QMap<QString, std::shared_ptr<ThermoregulationDeviceProperties>> devices;
    QList<BaseDeviceProperties*> list;
    project.getDevicesByGroup(list, BaseDeviceProperties::Thermoregulation, -1, true);
    for (const BaseDeviceProperties* device : list)
        devices.insert(device->description(), std::shared_ptr<ThermoregulationDeviceProperties>(
                                                   static_cast<ThermoregulationDeviceProperties*>(device->clone())));
    return devices;
}

} // namespace

// The thermoregulation page of the demo project edited through the window's
// table, delegates and dialogs, saved and read back.
class tst_ThermoregulationJourney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void editSaveReopen();

private:
    template<typename Editor>
    Editor* open(const QString& description, Column column);
    void confirm(QWidget* dialog);

    QTemporaryDir m_dir;
    std::unique_ptr<MainWindow> m_window;
};

void tst_ThermoregulationJourney::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_dir.filePath("active")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath("cache")));
    QCoreApplication::setApplicationName("VantrelConfig");
    ConfiguratorTest::initResources();
    Corvane::Utilities::InitSettings::readSettings();
}

template<typename Editor>
Editor* tst_ThermoregulationJourney::open(const QString& description, Column column)
{
    DeviceTableView* table = m_window->adminConfigurator()->devicesTable();
    auto* model = qobject_cast<TableModels::ThermoregulationTableModel*>(table->model());
    if (!model)
        return nullptr;
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->device(row)->description() != description)
            continue;
        const QModelIndex cell = model->index(row, model->columnIndex(column));
        table->setCurrentIndex(cell);
        table->edit(cell);
        return table->viewport()->findChild<Editor*>();
    }
    return nullptr;
}

void tst_ThermoregulationJourney::confirm(QWidget* dialog)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>("confirmButton"), Qt::LeftButton);
    QTRY_VERIFY(!m_window->adminConfigurator()->devicesTable()->viewport()->findChild<Editors::BaseEditorDialog*>());
}

void tst_ThermoregulationJourney::editSaveReopen()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    const QString path = m_dir.filePath("Demo.vtprj");
    QVERIFY(QFile::copy(DEMO_PROJECT, path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    m_window = std::make_unique<MainWindow>();
    m_window->resize(950, 600);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QVERIFY(m_window->openConfig(path));
    const auto before = thermoDevices(*m_window->config());
    QVERIFY(before.contains("Cellar probe") && before.contains("Bedroom air conditioner"));

    AdminConfigurator* admin = m_window->adminConfigurator();
    const int server = m_window->config()->webServers().constFirst()->id();
    admin->devicesTree()->setCurrentIndex(admin->devicesTree()->findIndex(Node::NodeThermoregulation, server));
    QVERIFY(qobject_cast<TableModels::ThermoregulationTableModel*>(admin->devicesTable()->model()));

    // The slave number of the probe.
    auto* address = open<Editors::AddressEditor>("Cellar probe", Column::Address);
    QVERIFY(address);
    const QModelIndex header = address->model()->index(0, 0);
    address->model()->setData(address->model()->index(2, 1, header), 6);
    confirm(address);

    // The fancoil of a zone.
    auto* fancoil = open<Editors::YesNoEditor>("Bedroom zone", Column::Fancoil);
    QVERIFY(fancoil);
    fancoil->setCurrentIndex(1);
    QTRY_VERIFY(!admin->devicesTable()->viewport()->findChild<Editors::YesNoEditor*>());

    // The advanced air conditioner's maximum and the Dry mode.
    auto* advanced = open<Editors::ThermoregAdvancedEditor>("Living room air conditioner", Column::CommandsParameters);
    QVERIFY(advanced);
    advanced->temperatureModel()->setData(advanced->temperatureModel()->index(1, 1), 27.5);
    advanced->modesModel()->setData(advanced->modesModel()->index(TableModels::ThermoregModeModel::ROW_DRY_INDEX, 1),
                                    true);
    confirm(advanced);

    // The basic air conditioner: OFF hidden, a command added and renamed.
    auto* commands = open<Editors::ThermoregCommandsEditor>("Bedroom air conditioner", Column::CommandsParameters);
    QVERIFY(commands);
    commands->offCommandModel()->setData(commands->offCommandModel()->index(0, 1), false);
    commands->add();
    TableModels::ThermoregulationCommandModel* added = commands->commandEditors().constLast()->model();
    added->setData(added->index(0, 1), QString("Dry 25"));
    added->setData(added->index(1, 1), QVariant::fromValue(DeviceAddress(40, E, E, E)));
    confirm(commands);

    QVERIFY(m_window->config()->hasChanges());
    QVERIFY(m_window->saveAction());
    m_window.reset();

    m_window = std::make_unique<MainWindow>();
    QVERIFY(m_window->openConfig(path));
    const auto after = thermoDevices(*m_window->config());
    QCOMPARE(after.keys(), before.keys());

    QCOMPARE(after["Cellar probe"]->address(), DeviceAddress(0, 4, 6, E));
    QVERIFY(after["Bedroom zone"]->hasFancoil());
    const auto& ac = after["Living room air conditioner"];
    QCOMPARE(ac->maxTemperature(), 27.5);
    QCOMPARE(ac->minTemperature(), before["Living room air conditioner"]->minTemperature());
    QCOMPARE(ac->step(), before["Living room air conditioner"]->step());
    QVERIFY(ac->airConditioningModes().contains(DeviceEnums::ModeDry));
    QCOMPARE(ac->fanSettings(), before["Living room air conditioner"]->fanSettings());
    QCOMPARE(ac->swingPresence(), before["Living room air conditioner"]->swingPresence());
    const auto& basic = after["Bedroom air conditioner"];
    const auto& basicBefore = before["Bedroom air conditioner"];
    QVERIFY(!basic->showOffCommand());
    QCOMPARE(basic->commands().size(), basicBefore->commands().size() + 1);
    for (int i = 0; i < basicBefore->commands().size(); ++i)
        QCOMPARE(*basic->commands().at(i), *basicBefore->commands().at(i));
    QCOMPARE(basic->commands().constLast()->description(), QString("Dry 25"));
    QCOMPARE(basic->commands().constLast()->address(), DeviceAddress(40, E, E, E));
    QCOMPARE(basic->offCommand(), basicBefore->offCommand());

    // Fields and devices left alone are as they were.
    for (const QString& name : QStringList{"Living room zone", "Bathroom zone", "Outdoor probe"})
        QVERIFY2(after[name]->isEqual(*before[name]), qPrintable(name));
    QCOMPARE(after["Cellar probe"]->description(), before["Cellar probe"]->description());
    QCOMPARE(after["Bedroom zone"]->address(), before["Bedroom zone"]->address());
    m_window->config()->clearChanges();
    m_window.reset();
}

QTEST_MAIN(tst_ThermoregulationJourney)
#include "tst_thermoregulationjourney.moc"

// The scenario and sound-system pages end to end: a project is edited only
// through the pages' delegates and dialogs in the main window, saved, and
// read back in a fresh window.
#include "AdminConfigurator.h"
#include "CellEditing.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "MainWindow.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "editors/AddressEditor.h"
#include "editors/ScenarioItemEditor.h"
#include "editors/ScheduledScenarioEditor.h"
#include "editors/SoundSourceDeviceEditor.h"
#include "editors/SoundSystemEditor.h"
#include "tablemodels/ScenarioItemModel.h"
#include "tablemodels/SoundSourceDeviceModel.h"
#include "utilities/InitSettings.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using Node = DevicesTreeModel::NodeType;
using TableModels::ScenarioItemModel;
using TableModels::SoundSourceDeviceModel;

namespace {

QModelIndex fieldCell(const TableModels::BaseAddressTreeModel* model, const QString& caption)
{
    const QModelIndex header = model->index(0, 0);
    for (int row = 0; row < model->rowCount(header); ++row) {
        if (model->index(row, 0, header).data().toString() == caption)
            return model->index(row, TableModels::BaseAddressTreeModel::TextColumn, header);
    }
    return {};
}

int rowOf(const DeviceTableView* table, const QString& description)
{
    for (int row = 0; row < table->devicesCount(); ++row) {
        if (table->devices().at(row)->description() == description)
            return row;
    }
    return -1;
}

QList<BaseDeviceProperties*> group(const Configuration& project, BaseDeviceProperties::DeviceGroup family)
{
    QList<BaseDeviceProperties*> devices;
    project.getDevicesByGroup(devices, family, -1, true);
    return devices;
}

const ScenarioDeviceProperties* scenarioNamed(const Configuration& project, const QString& description)
{
    for (const BaseDeviceProperties* device : group(project, BaseDeviceProperties::Scenarios)) {
        if (device->description() == description)
            return static_cast<const ScenarioDeviceProperties*>(device);
    }
    return nullptr;
}

} // namespace

class tst_ScenarioSoundRoundTrip : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void editSaveAndReopen();

private:
    void editScenarios(MainWindow& window);
    void editSoundSystem(MainWindow& window);
    void select(MainWindow& window, Node node);

    QTemporaryDir m_dir;
    int m_server = -1;
};

void tst_ScenarioSoundRoundTrip::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_dir.filePath("config")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath("cache")));
    QDir().mkpath(m_dir.filePath("config"));
    QCoreApplication::setApplicationName("VantrelConfig");
    Corvane::Utilities::InitSettings::readSettings();
    ConfiguratorTest::initResources();
}

void tst_ScenarioSoundRoundTrip::select(MainWindow& window, Node node)
{
    DevicesTree* tree = window.adminConfigurator()->devicesTree();
    tree->setCurrentIndex(tree->findIndex(node, m_server));
}

void tst_ScenarioSoundRoundTrip::editScenarios(MainWindow& window)
{
    select(window, Node::NodeScenarios);
    DeviceTableView* table = window.adminConfigurator()->devicesTable();
    const auto parameters = [table](const QString& description) {
        return table->model()->index(rowOf(table, description), 2);
    };

    auto* command = ConfiguratorTest::openEditor<Editors::AddressEditor>(table, parameters("Good morning"));
    QVERIFY(command);
    QVERIFY(command->model()->setData(fieldCell(command->model(), "Scenario number"), 7, Qt::DisplayRole));
    QVERIFY(command->model()->setData(fieldCell(command->model(), "PL"), 9, Qt::DisplayRole));
    ConfiguratorTest::press(command, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(table));

    auto* plus = ConfiguratorTest::openEditor<Editors::AddressEditor>(table, parameters("Relax"));
    QVERIFY(plus);
    QVERIFY(plus->model()->setData(fieldCell(plus->model(), "Address"), 123, Qt::DisplayRole));
    QVERIFY(plus->model()->setData(fieldCell(plus->model(), "Level"), 33, Qt::DisplayRole));
    ConfiguratorTest::press(plus, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(table));

    auto* scheduled = ConfiguratorTest::openEditor<Editors::ScheduledScenarioEditor>(table, parameters("Holiday lights"));
    QVERIFY(scheduled);
    ScenarioItemModel* stop = scheduled->stopEditor()->model();
    QVERIFY(stop->setData(stop->index(ScenarioItemModel::ROW_PRESENCE_INDEX, 1), true, Qt::EditRole));
    QVERIFY(stop->setData(stop->index(ScenarioItemModel::ROW_CEN_TYPE_INDEX, 1), 1, Qt::EditRole));
    QVERIFY(stop->setData(stop->index(ScenarioItemModel::ROW_ADDRESS_INDEX, 1),
                          QVariant::fromValue(DeviceAddress(77, 1, 3, 1)), Qt::EditRole));
    QVERIFY(stop->setData(stop->index(ScenarioItemModel::ROW_BUTTON_NUMBER_INDEX, 1), 30, Qt::EditRole));
    ConfiguratorTest::press(scheduled, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::ScheduledScenarioEditor>(table));
}

void tst_ScenarioSoundRoundTrip::editSoundSystem(MainWindow& window)
{
    select(window, Node::NodeSoundSystem);
    DeviceTableView* soundSystem = window.adminConfigurator()->soundSystemTable();
    auto* type = ConfiguratorTest::openEditor<QComboBox>(soundSystem, soundSystem->model()->index(0, 1));
    QVERIFY(type);
    type->setCurrentIndex(1);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(soundSystem));

    auto* sources = ConfiguratorTest::openEditor<Editors::SoundSystemEditor>(soundSystem, soundSystem->model()->index(1, 1));
    QVERIFY(sources);
    QCOMPARE(sources->addressType(), 14);
    SoundSourceDeviceModel* first = sources->deviceEditors().at(0)->model();
    QVERIFY(first->setData(first->index(SoundSourceDeviceModel::ROW_DESCRIPTION_INDEX, 1), "Tuner", Qt::EditRole));
    sources->selectEditor(sources->deviceEditors().at(1));
    sources->remove();
    sources->add();
    SoundSourceDeviceModel* added = sources->deviceEditors().last()->model();
    QVERIFY(added->setData(added->index(SoundSourceDeviceModel::ROW_ADDRESS_INDEX, 1),
                           QVariant::fromValue(added->address().cloneWithAreaId(7)), Qt::EditRole));
    ConfiguratorTest::press(sources, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::SoundSystemEditor>(soundSystem));

    DeviceTableView* amplifiers = window.adminConfigurator()->devicesTable();
    auto* address = ConfiguratorTest::openEditor<Editors::AddressEditor>(
        amplifiers, amplifiers->model()->index(rowOf(amplifiers, "Kitchen amplifier"), 1));
    QVERIFY(address);
    QCOMPARE(address->model()->addressType(), 16);
    QVERIFY(address->model()->setData(fieldCell(address->model(), "A"), 4, Qt::DisplayRole));
    QVERIFY(address->model()->setData(fieldCell(address->model(), "PF"), 6, Qt::DisplayRole));
    ConfiguratorTest::press(address, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(amplifiers));
}

void tst_ScenarioSoundRoundTrip::editSaveAndReopen()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    const QString path = m_dir.filePath("demo.vtprj");
    QVERIFY(QFile::copy(QStringLiteral(DEMO_PROJECT), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QString error;
    const std::unique_ptr<Configuration> original(Serialization::XmlSerializer::read(path, &error));
    QVERIFY2(original, qPrintable(error));

    {
        MainWindow window;
        window.resize(950, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.openConfig(path));
        m_server = window.config()->webServers().constFirst()->id();
        editScenarios(window);
        if (QTest::currentTestFailed())
            return;
        editSoundSystem(window);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(window.config()->hasChanges());
        QVERIFY(window.saveConfig(path));
    }

    MainWindow reopened;
    QVERIFY(reopened.openConfig(path));
    const Configuration& project = *reopened.config();

    // Scenarios: the edited fields...
    const ScenarioDeviceProperties* morning = scenarioNamed(project, "Good morning");
    const ScenarioDeviceProperties* relax = scenarioNamed(project, "Relax");
    const ScenarioDeviceProperties* holiday = scenarioNamed(project, "Holiday lights");
    QVERIFY(morning && relax && holiday);
    QCOMPARE(morning->scenarioNumber(), 7);
    QCOMPARE(morning->address().point(), 9);
    QCOMPARE(relax->address().area(), 123);
    QCOMPARE(relax->level(), 33);
    QCOMPARE(holiday->stopItem(), ScheduledScenarioItem(true, ScheduledScenarioItem::CenPlus, 30, DeviceAddress(77, 1, 3, 1)));
    // ...and the fields left alone.
    const ScenarioDeviceProperties* holidayBefore = scenarioNamed(*original, "Holiday lights");
    QCOMPARE(holiday->enableItem(), holidayBefore->enableItem());
    QCOMPARE(holiday->startItem(), holidayBefore->startItem());
    QCOMPARE(holiday->address(), holidayBefore->address());
    QCOMPARE(morning->address().area(), scenarioNamed(*original, "Good morning")->address().area());
    QVERIFY(scenarioNamed(project, "Good night")->isEqual(*scenarioNamed(*original, "Good night")));

    // Sound system: type, the sources as the dialog left them, the amplifier.
    QCOMPARE(project.soundSystemType(m_server), 1);
    QStringList sourceNames;
    for (const BaseDeviceProperties* source : group(project, BaseDeviceProperties::SoundSources))
        sourceNames.append(source->description());
    QCOMPARE(sourceNames, (QStringList{"Tuner", "Media player", "Sound source"}));
    const QList<BaseDeviceProperties*> newSources = group(project, BaseDeviceProperties::SoundSources);
    QCOMPARE(newSources.last()->address().area(), 7);
    QCOMPARE(newSources.last()->deviceType(), 23001);
    QCOMPARE(newSources.first()->id(), group(*original, BaseDeviceProperties::SoundSources).first()->id());
    for (const BaseDeviceProperties* amplifier : group(project, BaseDeviceProperties::Amplifiers)) {
        const BaseDeviceProperties* old = original->getDeviceById(amplifier->id());
        QVERIFY(old);
        if (amplifier->description() == "Kitchen amplifier")
            QCOMPARE(amplifier->address(), old->address().cloneWithAreaId(4).cloneWithPointId(6));
        else
            QVERIFY(amplifier->isEqual(*old));
    }

    // Every device of the other pages is as it was.
    for (const BaseDeviceProperties* device : project.devices()) {
        const auto family = device->deviceGroup();
        if (family == BaseDeviceProperties::Scenarios || family == BaseDeviceProperties::SoundSources
            || family == BaseDeviceProperties::Amplifiers)
            continue;
        const BaseDeviceProperties* old = original->getDeviceById(device->id());
        QVERIFY2(old && device->isEqual(*old), qPrintable(device->description()));
    }
    reopened.config()->clearChanges();
}

QTEST_MAIN(tst_ScenarioSoundRoundTrip)
#include "tst_scenariosoundroundtrip.moc"

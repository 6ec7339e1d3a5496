#include "ActionManager.h"
#include "AdminConfigurator.h"
#include "CellEditing.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/WebServerDeviceProperties.h"
#include "tablemodels/GatewayTreeModel.h"
#include "tablemodels/GenParametersModel.h"
#include "tablemodels/AmplifiersTableModel.h"
#include "tablemodels/BaseTableModel.h"
#include "tablemodels/ScenariosTableModel.h"
#include "tablemodels/SoundSystemModel.h"
#include "tablemodels/ValidationListModel.h"
#include "utilities/InitSettings.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using Corvane::Utilities::InitSettings;
using Node = DevicesTreeModel::NodeType;

class tst_AdminConfigurator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void noProject();
    void treeAndTables();
    void pageLimitCountsEveryPlant();
    void addPlantAndDevice();
    void removeSelectsNext_data();
    void removeSelectsNext();
    void removePlants_data();
    void removePlants();
    void removeCancelled();
    void commandsKeepTypedText_data();
    void commandsKeepTypedText();
    void moveDownBlock();
    void columnWidths();
    void columnWidthsSurviveCommands_data();
    void columnWidthsSurviveCommands();
    void validationMarksAndList();
    void descriptionOfPlantUpdatesTree();
    void soundSystemPage();
    void helpFollowsTheCurrentCell();

private:
    void select(Node node, int serverId);
    QList<int> tableIds() const;
    QList<int> selectedRows() const;
    QWidget* toolButton(const QString& action) const;

    QTemporaryDir m_dir;
    std::unique_ptr<AdminConfigurator> m_view;
    std::unique_ptr<ConfiguratorTest::ScriptedDialogService> m_dialogs;
    int m_server = -1;
};

void tst_AdminConfigurator::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_dir.path()));
    QCoreApplication::setApplicationName("VantrelConfig");
    ConfiguratorTest::initResources();
}

void tst_AdminConfigurator::init()
{
    QFile::remove(m_dir.filePath("VantrelConfig.ini"));
    InitSettings::readSettings();
    m_dialogs = std::make_unique<ConfiguratorTest::ScriptedDialogService>();
    m_view = std::make_unique<AdminConfigurator>();
    m_view->resize(900, 600);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view.get()));
    auto project = ConfiguratorTest::makeProject(1, 5);
    m_server = project->webServers().constFirst()->id();
    m_view->setConfiguration(project.release());
}

void tst_AdminConfigurator::cleanup()
{
    m_view.reset();
    m_dialogs.reset();
}

namespace {

// The help pane's text for a help message.
QString shownHelp(const Corvane::Configurator::HelpMessage& message)
{
    QTextEdit pane;
    pane.setHtml(message.toHtml());
    return pane.toPlainText();
}

} // namespace

void tst_AdminConfigurator::select(Node node, int serverId)
{
    m_view->devicesTree()->setCurrentIndex(m_view->devicesTree()->findIndex(node, serverId));
}

QList<int> tst_AdminConfigurator::tableIds() const
{
    QList<int> ids;
    for (const BaseDeviceProperties* device : m_view->devicesTable()->devices())
        ids.append(device->id());
    return ids;
}

QList<int> tst_AdminConfigurator::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_view->devicesTable()->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void tst_AdminConfigurator::noProject()
{
    m_view->setConfiguration(nullptr);
    QVERIFY(!m_view->devicesTree()->model());
    QVERIFY(!m_view->devicesTable()->model());
    QCOMPARE(m_view->validationModel()->rowCount(), 0);
    QVERIFY(!m_view->devicesCountExceeded(Node::NodeLights));
    m_view->addDevice();
    m_view->removeDevice();
    QCOMPARE(m_dialogs->boxes.size(), 0);
}

void tst_AdminConfigurator::treeAndTables()
{
    DevicesTree* tree = m_view->devicesTree();
    QAbstractItemModelTester treeTester(tree->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    // The gadget, the plant list and the first plant are expanded.
    QVERIFY(tree->isExpanded(tree->findIndex(Node::NodePlant, m_server)));
    select(Node::NodeLights, m_server);
    QCOMPARE(m_view->devicesTable()->devicesCount(), 5);
    QAbstractItemModelTester tableTester(m_view->devicesTable()->model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QVERIFY(!m_view->devicesTable()->horizontalHeader()->isHidden());
    QCOMPARE(m_view->helpEdit()->toPlainText(), QString("Lighting\nAdd, remove and set actuators"));
    select(Node::NodePlant, m_server);
    QVERIFY(qobject_cast<TableModels::GatewayTreeModel*>(m_view->devicesTable()->model()));
    QVERIFY(m_view->devicesTable()->horizontalHeader()->isHidden());
    select(Node::NodeGeneralParams, -1);
    QVERIFY(qobject_cast<TableModels::GenParametersModel*>(m_view->devicesTable()->model()));
    QVERIFY(m_view->devicesTable()->horizontalHeader()->isHidden());
    QVERIFY(m_view->soundSystemTable()->isHidden());
}

void tst_AdminConfigurator::pageLimitCountsEveryPlant()
{
    QSettings(m_dir.filePath("VantrelConfig.ini"), QSettings::IniFormat).setValue("max_devices_per_type", 3);
    InitSettings::readSettings();
    auto project = ConfiguratorTest::makeProject(2, 3);
    const int second = project->webServers().at(1)->id();
    m_view->setConfiguration(project.release());
    select(Node::NodeLights, second);
    m_view->addDevice();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_dialogs->boxes.at(0).text, QString("Maximum allowed devices per page is 3"));
    QCOMPARE(m_view->devicesTable()->devicesCount(), 1);
    select(Node::NodeSensors, second);
    m_view->addDevice();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_view->devicesTable()->devicesCount(), 1);
}

void tst_AdminConfigurator::addPlantAndDevice()
{
    QSignalSpy context(m_view.get(), &AdminConfigurator::contextChanged);
    select(Node::NodePlantList, -1);
    m_view->addDevice();
    QCOMPARE(m_view->configuration()->webServers().size(), 2);
    QCOMPARE(m_view->devicesTree()->selectedNodeType(), Node::NodePlantList);
    const int added = m_view->configuration()->webServers().at(1)->id();
    QVERIFY(m_view->devicesTree()->findIndex(Node::NodePlant, added).isValid());
    // The new gateway's unset IP is an error of the list, and its plant is tinted.
    QVERIFY(m_view->configuration()->deviceErrors(added).contains(0));
    select(Node::NodeThermoregulation, m_server);
    m_view->addDevice();
    QCOMPARE(m_view->devicesTable()->devicesCount(), 1);
    QCOMPARE(m_view->devicesTable()->devices().at(0)->deviceType(), 8003);
    QCOMPARE(m_view->devicesTable()->selectedDeviceId(), m_view->devicesTable()->devices().at(0)->id());
    QVERIFY(context.count() > 0);
    QVERIFY(m_view->configuration()->hasChanges());
}

void tst_AdminConfigurator::removeSelectsNext_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<int>("nextRow"); // in the table before removal; -1: none

    QTest::newRow("middle") << QList<int>{2} << 3;
    QTest::newRow("last") << QList<int>{4} << 3;
    QTest::newRow("last two") << QList<int>{3, 4} << 2;
    QTest::newRow("all") << QList<int>{0, 1, 2, 3, 4} << -1;
}

void tst_AdminConfigurator::removeSelectsNext()
{
    QFETCH(QList<int>, rows);
    QFETCH(int, nextRow);

    select(Node::NodeLights, m_server);
    const QList<int> before = tableIds();
    for (int row : rows)
        m_view->devicesTable()->selectionModel()->select(m_view->devicesTable()->model()->index(row, 0),
                                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_dialogs->answers = {QMessageBox::Yes};
    m_view->removeDevice();
    QCOMPARE(m_dialogs->boxes.size(), 1);
    QCOMPARE(m_view->devicesTable()->devicesCount(), 5 - rows.size());
    for (int row : rows)
        QVERIFY(!m_view->configuration()->getDeviceById(before.at(row)));
    QCOMPARE(m_view->devicesTable()->selectedDeviceId(), nextRow < 0 ? -1 : before.at(nextRow));
}

void tst_AdminConfigurator::removePlants_data()
{
    QTest::addColumn<int>("plants");
    QTest::addColumn<int>("removed");
    QTest::addColumn<int>("selected"); // position among the plants before; -1: none

    QTest::newRow("only plant") << 1 << 0 << -1;
    QTest::newRow("middle of three") << 3 << 1 << 2;
    QTest::newRow("last of three") << 3 << 2 << 1;
}

void tst_AdminConfigurator::removePlants()
{
    QFETCH(int, plants);
    QFETCH(int, removed);
    QFETCH(int, selected);

    auto project = ConfiguratorTest::makeProject(plants, 0);
    QList<int> ids;
    for (const auto* server : project->webServers())
        ids.append(server->id());
    m_view->setConfiguration(project.release());
    select(Node::NodePlant, ids.at(removed));
    m_dialogs->answers = {QMessageBox::Yes};
    m_view->removeDevice();
    QVERIFY(m_dialogs->boxes.at(0).text.contains("Plant"));
    QCOMPARE(m_view->configuration()->webServers().size(), plants - 1);
    if (selected < 0) {
        QVERIFY(m_view->devicesTree()->selectedNodeType() != Node::NodePlant);
    } else {
        QCOMPARE(m_view->devicesTree()->selectedNodeType(), Node::NodePlant);
        QCOMPARE(m_view->devicesTree()->selectedServerId(), ids.at(selected));
    }
}

void tst_AdminConfigurator::removeCancelled()
{
    select(Node::NodeLights, m_server);
    m_view->devicesTable()->selectRow(1);
    m_dialogs->answers = {QMessageBox::No};
    m_view->removeDevice();
    QCOMPARE(m_view->devicesTable()->devicesCount(), 5);
    m_dialogs->answers = {QMessageBox::No};
    m_view->removeAllDevices();
    QCOMPARE(m_view->configuration()->devicesCount(), 5);
    m_dialogs->answers = {QMessageBox::Yes};
    m_view->removeAllDevices();
    QCOMPARE(m_view->configuration()->devicesCount(), 0);
    QCOMPARE(m_view->devicesTable()->devicesCount(), 0);
}

QWidget* tst_AdminConfigurator::toolButton(const QString& action) const
{
    return m_view->findChild<QToolBar*>()->widgetForAction(ActionManager::getActionByKey(action));
}

void tst_AdminConfigurator::commandsKeepTypedText_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Add") << ActionManager::DEVICES_ADD_ACTION;
    QTest::newRow("Remove") << ActionManager::DEVICES_REMOVE_ACTION;
    QTest::newRow("Remove All") << ActionManager::DEVICES_REMOVE_ALL_ACTION;
    QTest::newRow("Move Up") << ActionManager::DEVICES_MOVE_UP_ACTION;
    QTest::newRow("Move Down") << ActionManager::DEVICES_MOVE_DOWN_ACTION;
    QTest::newRow("page switch") << QString();
}

void tst_AdminConfigurator::commandsKeepTypedText()
{
    QFETCH(QString, command);
    select(Node::NodeLights, m_server);
    DeviceTableView* table = m_view->devicesTable();
    const int id = tableIds().at(2);
    auto* editor = ConfiguratorTest::openEditor<QLineEdit>(table, table->model()->index(2, 0));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Hall R");
    m_dialogs->answers = {QMessageBox::No};
    if (command.isEmpty())
        select(Node::NodeSensors, m_server);
    else
        QTest::mouseClick(toolButton(command), Qt::LeftButton);
    QCOMPARE(m_view->configuration()->getDeviceById(id)->description(), QString("Hall R"));
    if (command == ActionManager::DEVICES_REMOVE_ACTION)
        QCOMPARE(m_dialogs->boxes.constLast().text, QString("Are you sure you want to delete \"Hall R\" device?"));
}

void tst_AdminConfigurator::moveDownBlock()
{
    select(Node::NodeLights, m_server);
    const QList<int> before = tableIds();
    for (int row : {1, 2})
        m_view->devicesTable()->selectionModel()->select(m_view->devicesTable()->model()->index(row, 0),
                                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    m_view->moveDown();
    QCOMPARE(tableIds(), (QList<int>{before[0], before[3], before[1], before[2], before[4]}));
    QCOMPARE(selectedRows(), (QList<int>{2, 3}));
    m_view->moveUp();
    QCOMPARE(tableIds(), before);
    QCOMPARE(selectedRows(), (QList<int>{1, 2}));
}

void tst_AdminConfigurator::columnWidths()
{
    DeviceTableView* table = m_view->devicesTable();
    // A page never seen gets columns as wide as their titles, the rest shared
    // out: they fit the table, no scroll bar, no title cut.
    for (Node node : {Node::NodeEnergy, Node::NodeLoad, Node::NodeLights}) {
        select(node, m_server);
        const int count = table->model()->columnCount();
        int total = 0;
        for (int column = 0; column < count; ++column) {
            QVERIFY2(table->columnWidth(column) >= table->horizontalHeader()->sectionSizeHint(column),
                     qPrintable(table->model()->headerData(column, Qt::Horizontal).toString()));
            total += table->columnWidth(column);
        }
        QVERIFY(total <= table->viewport()->width());
        QVERIFY(!table->horizontalScrollBar()->isVisible());
    }
    table->setColumnWidth(0, 111);
    table->setColumnWidth(1, 122);
    select(Node::NodeSensors, m_server);
    select(Node::NodeLights, m_server);
    QCOMPARE(table->columnWidth(0), 111);
    QCOMPARE(table->columnWidth(1), 122);
    QCOMPARE(InitSettings::configuratorColumnWidths().values(Node::NodeLights).size(), 5);

    // Saved widths of another count leave the page as it is.
    InitSettings::configuratorColumnWidths().remove(Node::NodeAutomation);
    InitSettings::configuratorColumnWidths().insert(Node::NodeAutomation, 300);
    select(Node::NodeAutomation, m_server);
    QVERIFY(table->columnWidth(0) != 300);
}

void tst_AdminConfigurator::columnWidthsSurviveCommands_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("Add") << ActionManager::DEVICES_ADD_ACTION;
    QTest::newRow("Move Up") << ActionManager::DEVICES_MOVE_UP_ACTION;
    QTest::newRow("Move Down") << ActionManager::DEVICES_MOVE_DOWN_ACTION;
}

void tst_AdminConfigurator::columnWidthsSurviveCommands()
{
    QFETCH(QString, command);
    select(Node::NodeLights, m_server);
    DeviceTableView* table = m_view->devicesTable();
    table->selectRow(2);
    // As the user drags the edges of the first two titles.
    table->horizontalHeader()->resizeSection(0, 111);
    table->horizontalHeader()->resizeSection(1, 122);
    QTest::mouseClick(toolButton(command), Qt::LeftButton);
    QCoreApplication::processEvents();
    QCOMPARE(table->columnWidth(0), 111);
    QCOMPARE(table->columnWidth(1), 122);
    // Newest first: the last column's width is the first value.
    const QList<int> saved = InitSettings::configuratorColumnWidths().values(Node::NodeLights);
    QCOMPARE(saved.size(), table->model()->columnCount());
    QCOMPARE(saved.constLast(), 111);
    QCOMPARE(saved.at(saved.size() - 2), 122);
}

void tst_AdminConfigurator::validationMarksAndList()
{
    QCOMPARE(m_view->validationModel()->rowCount(), 0);
    BaseDeviceProperties* light = m_view->configuration()->devices().at(0);
    BaseDeviceProperties* twin = m_view->configuration()->devices().at(1);
    twin->setAddress(light->address());
    QVERIFY(m_view->validationModel()->rowCount() > 0);
    QVERIFY(!m_view->configuration()->deviceErrors(light->id()).isEmpty());
    twin->setAddress(light->address().cloneWithPointId(light->address().point() == 9 ? 8 : 9));
    QCOMPARE(m_view->configuration()->deviceErrors(light->id()), QList<int>());
}

void tst_AdminConfigurator::descriptionOfPlantUpdatesTree()
{
    select(Node::NodePlant, m_server);
    QAbstractItemModel* rows = m_view->devicesTable()->model();
    QVERIFY(rows->setData(rows->index(0, 1), "Renamed"));
    QCOMPARE(m_view->devicesTree()->findIndex(Node::NodePlant, m_server).data().toString(), QString("Renamed"));
}

void tst_AdminConfigurator::soundSystemPage()
{
    auto project = ConfiguratorTest::makeProject(2, 0);
    const int second = project->webServers().at(1)->id();
    project->setSoundSystemType(1, second);
    m_view->setConfiguration(project.release());
    select(Node::NodeScenarios, second);
    QVERIFY(qobject_cast<TableModels::ScenariosTableModel*>(m_view->devicesTable()->model()));
    QVERIFY(m_view->soundSystemTable()->isHidden());

    select(Node::NodeSoundSystem, second);
    QVERIFY(!m_view->soundSystemTable()->isHidden());
    auto* soundSystem = qobject_cast<TableModels::SoundSystemModel*>(m_view->soundSystemTable()->model());
    QVERIFY(soundSystem);
    QCOMPARE(soundSystem->currentServerId(), second);
    QCOMPARE(soundSystem->config(), m_view->configuration());
    QCOMPARE(soundSystem->index(0, 1).data(Qt::EditRole).toInt(), 1);
    auto* amplifiers = qobject_cast<TableModels::AmplifiersTableModel*>(m_view->devicesTable()->model());
    QVERIFY(amplifiers);
    QCOMPARE(amplifiers->soundSystemType(), 1);

    // A new amplifier lands on this plant's page.
    m_view->addDevice();
    QCOMPARE(m_view->devicesTable()->devicesCount(), 1);
    QVERIFY(!m_view->soundSystemTable()->isHidden());

    m_view->retranslateUi();
    QVERIFY(!m_view->soundSystemTable()->isHidden());
    QCOMPARE(soundSystem->index(0, 0).data().toString(), QString("Type"));

    select(Node::NodeLights, second);
    QVERIFY(m_view->soundSystemTable()->isHidden());
    // The table follows the project open now, also after it is replaced.
    m_view->setConfiguration(nullptr);
    QVERIFY(!soundSystem->index(0, 1).data().isValid());
}

void tst_AdminConfigurator::helpFollowsTheCurrentCell()
{
    select(Node::NodeLights, m_server);
    DeviceTableView* table = m_view->devicesTable();
    auto* model = qobject_cast<TableModels::BaseTableModel*>(table->model());
    QVERIFY(model);
    const QModelIndex description = model->index(0, model->columnIndex(TableModels::Column::Description));
    const QModelIndex type = model->index(0, model->columnIndex(TableModels::Column::Type));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(description).center());
    QCOMPARE(m_view->helpEdit()->toPlainText(), shownHelp(model->getHelpMessage(description)));

    // The next cell of the same row: the selected row stays the same.
    QTest::keyClick(table, Qt::Key_Right);
    QCOMPARE(table->currentIndex(), type);
    QCOMPARE(m_view->helpEdit()->toPlainText(), shownHelp(model->getHelpMessage(type)));
    QVERIFY(shownHelp(model->getHelpMessage(type)) != shownHelp(model->getHelpMessage(description)));

    // Another project (as Load configuration gives): nothing of the old
    // page stays.
    m_view->setConfiguration(ConfiguratorTest::makeProject(2, 1).release());
    const QModelIndex page = m_view->devicesTree()->currentIndex();
    auto* treeModel = qobject_cast<TableModels::BaseModel*>(m_view->devicesTree()->model());
    QCOMPARE(m_view->helpEdit()->toPlainText(),
             page.isValid() && treeModel ? shownHelp(treeModel->getHelpMessage(page)) : QString());
}

QTEST_MAIN(tst_AdminConfigurator)
#include "tst_adminconfigurator.moc"

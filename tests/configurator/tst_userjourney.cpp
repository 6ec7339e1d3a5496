#include "ActionManager.h"
#include "AdminConfigurator.h"
#include "CellEditing.h"
#include "DeviceTableView.h"
#include "DevicesTree.h"
#include "MainWindow.h"
#include "ProjectFixture.h"
#include "ScriptedDialogService.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "editdelegates/DeviceTreeDelegate.h"
#include "editors/AddressEditor.h"
#include "tablemodels/GatewayTreeModel.h"
#include "tablemodels/ValidationListModel.h"
#include "utilities/InitSettings.h"
#include "utilities/PathProvider.h"

#include <QLineEdit>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using namespace Corvane::Configurator;
using Corvane::Utilities::PathProvider;
using Node = DevicesTreeModel::NodeType;

// The first session of a user, through the window's own actions and editors.
class tst_UserJourney : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void newProjectToActivation();
    void scenarioBesideScenarioPlus();

private:
    static QStringList validationLines(AdminConfigurator* admin);
    static void typeInto(DeviceTableView* table, const QModelIndex& index, const QString& text);
    // Types text into the cell's editor and leaves the editor open.
    static void typeAndStay(DeviceTableView* table, const QModelIndex& index, const QString& text);
    static QString firstDescription(const QString& file);
    static QStringList descriptions(const QString& file);
    // Clicks the tool button under the table, as the mouse does (it takes
    // no focus from an open cell editor).
    static void clickToolButton(AdminConfigurator* admin, const QString& action);
    // Adds a light, types its name and clicks Add again with the name
    // still in the editor; then saves.
    void typedNameSurvivesAdd(MainWindow& window, ConfiguratorTest::ScriptedDialogService& dialogs,
                              const QString& file);
    // Types a level into the Parameters dialog of the scenario PLUS in row.
    static void typeScenarioPlusLevel(MainWindow& window, int row);
    QTemporaryDir m_dir;
};

void tst_UserJourney::initTestCase()
{
    QVERIFY(m_dir.isValid());
    qputenv("CORVANE_CONFIG_DIR", QFile::encodeName(m_dir.filePath("active")));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(m_dir.filePath("cache")));
    QCoreApplication::setApplicationName("VantrelConfig");
    ConfiguratorTest::initResources();
    Corvane::Utilities::InitSettings::readSettings();
}

void tst_UserJourney::typeInto(DeviceTableView* table, const QModelIndex& index, const QString& text)
{
    table->setCurrentIndex(index);
    table->edit(index);
    auto* editor = table->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    editor->clear();
    editor->setCursorPosition(0);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(!table->viewport()->findChild<QLineEdit*>());
}

void tst_UserJourney::typeAndStay(DeviceTableView* table, const QModelIndex& index, const QString& text)
{
    auto* editor = ConfiguratorTest::openEditor<QLineEdit>(table, index);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QVERIFY(table->isEditing());
}

QString tst_UserJourney::firstDescription(const QString& file)
{
    std::unique_ptr<Corvane::Devices::Configuration> project(Corvane::Devices::Serialization::XmlSerializer::read(file));
    return project ? project->devices().constFirst()->description() : QString();
}

QStringList tst_UserJourney::descriptions(const QString& file)
{
    std::unique_ptr<Corvane::Devices::Configuration> project(Corvane::Devices::Serialization::XmlSerializer::read(file));
    QStringList names;
    if (project) {
        for (const auto* device : project->devices())
            names << device->description();
    }
    return names;
}

void tst_UserJourney::clickToolButton(AdminConfigurator* admin, const QString& action)
{
    QTest::mouseClick(admin->findChild<QToolBar*>()->widgetForAction(ActionManager::getActionByKey(action)),
                      Qt::LeftButton);
}

void tst_UserJourney::typedNameSurvivesAdd(MainWindow& window, ConfiguratorTest::ScriptedDialogService& dialogs,
                                           const QString& file)
{
    AdminConfigurator* admin = window.adminConfigurator();
    DeviceTableView* table = admin->devicesTable();
    clickToolButton(admin, ActionManager::DEVICES_ADD_ACTION);
    const int row = table->devicesCount() - 1;
    typeAndStay(table, table->model()->index(row, 0), "Hall");
    clickToolButton(admin, ActionManager::DEVICES_ADD_ACTION);
    QCOMPARE(table->model()->index(row, 0).data().toString(), QString("Hall"));
    dialogs.saveAnswers.clear();
    ActionManager::getActionByKey(ActionManager::CONFIG_SAVE_ACTION)->trigger();
    QVERIFY(descriptions(file).contains("Hall"));
}

void tst_UserJourney::typeScenarioPlusLevel(MainWindow& window, int row)
{
    DeviceTableView* table = window.adminConfigurator()->devicesTable();
    auto* parameters = ConfiguratorTest::openEditor<Editors::AddressEditor>(table, table->model()->index(row, 2));
    QVERIFY(parameters);
    // The dialog opens in its first field, the level: the number is typed
    // and Return confirms it.
    QWidget* field = parameters->focusWidget();
    QVERIFY(field && parameters->isAncestorOf(field));
    QTest::keyClicks(field, "60");
    QTest::keyClick(field, Qt::Key_Return);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(table));
    const auto* scenario = static_cast<const Corvane::Devices::ScenarioDeviceProperties*>(table->devices().at(row));
    QCOMPARE(scenario->level(), 60);
}

void tst_UserJourney::newProjectToActivation()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    MainWindow window;
    window.resize(950, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    window.newFile();
    AdminConfigurator* admin = window.adminConfigurator();
    DevicesTree* tree = admin->devicesTree();
    DeviceTableView* table = admin->devicesTable();
    tree->setCurrentIndex(tree->findIndex(Node::NodePlantList, -1));
    admin->addDevice();
    const int server = window.config()->webServers().constFirst()->id();
    tree->setCurrentIndex(tree->findIndex(Node::NodeLights, server));
    admin->addDevice();
    QCOMPARE(table->devicesCount(), 1);

    // The list flags the gateway's unset IP and the plant is tinted.
    TableModels::ValidationListModel* list = admin->validationModel();
    QCOMPARE(list->rowCount(), 1);
    QVERIFY(list->index(0).data().toString().contains("IP"));
    auto* treeDelegate = qobject_cast<EditDelegates::DeviceTreeDelegate*>(tree->itemDelegate());
    QVERIFY(treeDelegate->isPlantMarked(tree->findIndex(Node::NodePlant, server)));
    window.activateConfiguration();
    QCOMPARE(dialogs.boxes.constLast().text, QString("Activation operation is not allowed when there are errors"));
    QVERIFY(!QFileInfo::exists(PathProvider::configPrjFullName()));

    typeInto(table, table->model()->index(0, 0), "Kitchen ceiling");
    QCOMPARE(window.config()->devices().constFirst()->description(), QString("Kitchen ceiling"));

    tree->setCurrentIndex(tree->findIndex(Node::NodePlant, server));
    auto* gateway = qobject_cast<TableModels::GatewayTreeModel*>(table->model());
    QVERIFY(gateway);
    typeInto(table, gateway->index(gateway->rowOf(TableModels::GatewayTreeModel::IpAddress), 1), "192.168.1.20");
    QCOMPARE(window.config()->webServers().constFirst()->networkAddress().ip(), QString("192.168.1.20"));
    QCOMPARE(list->rowCount(), 0);
    QVERIFY(!treeDelegate->isPlantMarked(tree->findIndex(Node::NodePlant, server)));

    // A scenario PLUS, confirmed in its Parameters dialog, is valid.
    tree->setCurrentIndex(tree->findIndex(Node::NodeScenarios, server));
    ActionManager::getActionByKey(ActionManager::DEVICES_ADD_ACTION)->trigger();
    QVERIFY(ConfiguratorTest::chooseInCombo(table, table->model()->index(0, 1), 1003));
    auto* parameters = ConfiguratorTest::openEditor<Editors::AddressEditor>(table, table->model()->index(0, 2));
    QVERIFY(parameters);
    ConfiguratorTest::press(parameters, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(table));
    QCOMPARE(list->rowCount(), 0);
    typeScenarioPlusLevel(window, 0);

    // Save with the light's new name still in its editor.
    tree->setCurrentIndex(tree->findIndex(Node::NodeLights, server));
    typeAndStay(table, table->model()->index(0, 0), "Kitchen spots");
    const QString saved = m_dir.filePath("Home.vtprj");
    dialogs.saveNames = {saved};
    ActionManager::getActionByKey(ActionManager::CONFIG_SAVE_ACTION)->trigger();
    QVERIFY(!window.config()->hasChanges());
    QCOMPARE(firstDescription(saved), QString("Kitchen spots"));

    window.newFile();
    dialogs.openNames = {saved};
    window.openAction();
    QCOMPARE(window.currentFilePath(), saved);
    QCOMPARE(window.config()->devices().constFirst()->description(), QString("Kitchen spots"));

    const int boxes = int(dialogs.boxes.size());
    window.activateConfiguration();
    QCOMPARE(dialogs.boxes.size(), boxes + 1);
    QCOMPARE(dialogs.boxes.constLast().text, QString("Configuration activated successfully!"));
    std::unique_ptr<Corvane::Devices::Configuration> active(
        Corvane::Devices::Serialization::XmlSerializer::read(PathProvider::configPrjFullName()));
    QVERIFY(active);
    QCOMPARE(active->id(), window.config()->id());
    QCOMPARE(active->devices().constFirst()->description(), QString("Kitchen spots"));

    tree->setCurrentIndex(tree->findIndex(Node::NodeLights, window.config()->webServers().constFirst()->id()));
    typedNameSurvivesAdd(window, dialogs, saved);

    // Exit with another name still in the editor: the question comes, and
    // the name is saved.
    tree->setCurrentIndex(tree->findIndex(Node::NodeLights, window.config()->webServers().constFirst()->id()));
    typeAndStay(table, table->model()->index(0, 0), "Kitchen pendant");
    dialogs.saveAnswers = {QMessageBox::Save};
    ActionManager::getActionByKey(ActionManager::EXIT_ACTION)->trigger();
    QCOMPARE(dialogs.askToSaveCount, 1);
    QVERIFY(!window.isVisible());
    QCOMPARE(firstDescription(saved), QString("Kitchen pendant"));
}

QStringList tst_UserJourney::validationLines(AdminConfigurator* admin)
{
    QStringList lines;
    const TableModels::ValidationListModel* list = admin->validationModel();
    for (int row = 0; row < list->rowCount(); ++row)
        lines << list->index(row).data().toString();
    return lines;
}

// A scenario and a Scenario PLUS both at A1 reach different devices: the
// project check has nothing to say about them. A second scenario at the
// scenario's place is named with it.
void tst_UserJourney::scenarioBesideScenarioPlus()
{
    ConfiguratorTest::ScriptedDialogService dialogs;
    MainWindow window;
    window.resize(950, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.newFile();
    AdminConfigurator* admin = window.adminConfigurator();
    DevicesTree* tree = admin->devicesTree();
    DeviceTableView* table = admin->devicesTable();
    tree->setCurrentIndex(tree->findIndex(Node::NodePlantList, -1));
    admin->addDevice();
    const int server = window.config()->webServers().constFirst()->id();
    tree->setCurrentIndex(tree->findIndex(Node::NodePlant, server));
    auto* gateway = qobject_cast<TableModels::GatewayTreeModel*>(table->model());
    QVERIFY(gateway);
    typeInto(table, gateway->index(gateway->rowOf(TableModels::GatewayTreeModel::IpAddress), 1), "192.168.1.20");

    tree->setCurrentIndex(tree->findIndex(Node::NodeScenarios, server));
    QAction* add = ActionManager::getActionByKey(ActionManager::DEVICES_ADD_ACTION);
    add->trigger();
    typeInto(table, table->model()->index(0, 0), "Night");
    add->trigger();
    typeInto(table, table->model()->index(1, 0), "Evening");
    QVERIFY(ConfiguratorTest::chooseInCombo(table, table->model()->index(1, 1), 1003));
    QCOMPARE(validationLines(admin), QStringList());
    auto* parameters = ConfiguratorTest::openEditor<Editors::AddressEditor>(table, table->model()->index(1, 2));
    QVERIFY(parameters);
    ConfiguratorTest::press(parameters, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(table));
    QCOMPARE(window.config()->devices().at(0)->address().area(), 1);
    QCOMPARE(window.config()->devices().at(1)->address().area(), 1);
    QCOMPARE(validationLines(admin), QStringList());

    add->trigger();
    QCOMPARE(validationLines(admin),
             QStringList {"The address A1 PL1 is shared by \"Night\" and \"Scenario\"."});
}

QTEST_MAIN(tst_UserJourney)
#include "tst_userjourney.moc"

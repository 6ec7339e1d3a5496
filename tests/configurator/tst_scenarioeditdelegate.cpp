#include "CellEditing.h"
#include "DeviceTableView.h"
#include "ProjectFixture.h"
#include "devices/DeviceAddress.h"
#include "devices/ScenarioDeviceProperties.h"
#include "devices/Utilities.h"
#include "devices/validation/ConfigurationValidator.h"
#include "editdelegates/ScenarioEditDelegate.h"
#include "editors/AddressEditor.h"
#include "editors/ScenarioItemEditor.h"
#include "editors/ScheduledScenarioEditor.h"
#include "tablemodels/ScenarioAddressTableModel.h"
#include "tablemodels/ScenarioItemModel.h"
#include "tablemodels/ScenarioPlusAddressModel.h"
#include "tablemodels/ScenariosTableModel.h"
#include "utilities/InitSettings.h"

#include <QComboBox>
#include <QMainWindow>
#include <QTableView>
#include <QTreeView>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::Configuration;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ScenarioDeviceProperties;
using Corvane::Devices::ScheduledScenarioItem;

namespace {

const int RISER = DeviceAddress::LEVEL_PRIVATE_RISER;
const int LOCAL = DeviceAddress::LEVEL_LOCAL_BUS;

// The scenarios page of a project holding one scenario of a type.
struct Page
{
    Page(int type, const DeviceAddress& address)
        : project(ConfiguratorTest::makeProject(1, 0))
    {
        auto* scenario = new ScenarioDeviceProperties(Corvane::Devices::Utilities::emtpyDeviceId(), type, address, "Evening");
        scenario->setScenarioNumber(3);
        scenario->setLevel(60);
        const ScheduledScenarioItem cen(true, ScheduledScenarioItem::Cen, 4, DeviceAddress(2, 3, RISER, 1));
        scenario->setItems(cen, cen, cen, cen);
        project->addDevice(project->webServers().first()->id(), scenario);
        project->clearChanges();
        QList<BaseDeviceProperties*> devices;
        project->getDevicesByGroup(devices, BaseDeviceProperties::Scenarios, -1, true);
        model = new TableModels::ScenariosTableModel(devices, &window);
        view = new DeviceTableView(&window);
        window.setCentralWidget(view);
        view->setModel(model);
        view->setItemDelegate(new EditDelegates::ScenarioEditDelegate(project.get(), model));
        window.setGeometry(100, 80, 900, 500);
        window.show();
    }
    ScenarioDeviceProperties* scenario() const { return static_cast<ScenarioDeviceProperties*>(model->device(0)); }
    QModelIndex parameters() const { return model->index(0, 2); }

    std::unique_ptr<Configuration> project;
    QMainWindow window;
    TableModels::ScenariosTableModel* model = nullptr;
    DeviceTableView* view = nullptr;
};

QModelIndex fieldCell(const TableModels::BaseAddressTreeModel* model, const QString& caption)
{
    const QModelIndex header = model->index(0, 0);
    for (int row = 0; row < model->rowCount(header); ++row) {
        if (model->index(row, 0, header).data().toString() == caption)
            return model->index(row, TableModels::BaseAddressTreeModel::TextColumn, header);
    }
    return {};
}

} // namespace

class tst_ScenarioEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void scenarioCommand_data();
    void scenarioCommand();
    void scenarioPlus_data();
    void scenarioPlus();
    void scenarioPlusMadeInTheDialogIsValid_data();
    void scenarioPlusMadeInTheDialogIsValid();
    void scheduledScenario_data();
    void scheduledScenario();
    void presenceCouplingLeavesNoStaleEditor();
    void cenAddressNotSetOrChosen_data();
    void cenAddressNotSetOrChosen();
};

void tst_ScenarioEditDelegate::initTestCase()
{
    Corvane::Utilities::InitSettings::readSettings();
    ConfiguratorTest::initResources();
}

void tst_ScenarioEditDelegate::scenarioCommand_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("confirm") << "confirmButton" << true;
    QTest::newRow("cancel") << "cancelButton" << false;
}

void tst_ScenarioEditDelegate::scenarioCommand()
{
    QFETCH(QString, button);
    QFETCH(bool, written);

    const DeviceAddress before(2, 5, RISER, 1, 1, {3, 4});
    Page page(1002, before);
    auto* dialog = ConfiguratorTest::openEditor<Editors::AddressEditor>(page.view, page.parameters());
    QVERIFY(dialog);
    auto* model = qobject_cast<TableModels::ScenarioAddressTableModel*>(dialog->model());
    QVERIFY(model);
    QVERIFY(model->setData(fieldCell(model, "Level"), LOCAL, Qt::DisplayRole));
    QVERIFY(model->setData(fieldCell(model, "Interface address"), 6, Qt::DisplayRole));
    QVERIFY(model->setData(fieldCell(model, "Scenario number"), 16, Qt::DisplayRole));
    ConfiguratorTest::press(dialog, button);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(page.view));

    // The address as the dialog made it (PUL 0, no groups), then the number.
    QCOMPARE(page.scenario()->address(), written ? DeviceAddress(2, 5, LOCAL, 6) : before);
    QCOMPARE(page.scenario()->scenarioNumber(), written ? 16 : 3);
    QCOMPARE(page.project->hasChanges(), written);
}

void tst_ScenarioEditDelegate::scenarioPlus_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("confirm") << "confirmButton" << true;
    QTest::newRow("cancel") << "cancelButton" << false;
}

void tst_ScenarioEditDelegate::scenarioPlus()
{
    QFETCH(QString, button);
    QFETCH(bool, written);

    const DeviceAddress before(20, -1, -1, -1);
    Page page(1003, before);
    auto* dialog = ConfiguratorTest::openEditor<Editors::AddressEditor>(page.view, page.parameters());
    QVERIFY(dialog);
    auto* model = qobject_cast<TableModels::ScenarioPlusAddressModel*>(dialog->model());
    QVERIFY(model);
    QVERIFY(model->setData(fieldCell(model, "Address"), 250, Qt::DisplayRole));
    QVERIFY(model->setData(fieldCell(model, "Level"), 0, Qt::DisplayRole));
    ConfiguratorTest::press(dialog, button);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(page.view));

    QCOMPARE(page.scenario()->address(), written ? DeviceAddress(250, -1, -1, -1) : before);
    QCOMPARE(page.scenario()->level(), written ? 0 : 60);
    QCOMPARE(page.parameters().data().toString().contains(written ? "250" : "20"), true);
}

void tst_ScenarioEditDelegate::scenarioPlusMadeInTheDialogIsValid_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("area");

    // -1: the field is left as the dialog opened it.
    QTest::newRow("confirmed unchanged") << -1 << -1;
    QTest::newRow("lowest") << 0 << 0;
    QTest::newRow("highest") << 100 << 255;
    QTest::newRow("level only") << 37 << -1;
}

void tst_ScenarioEditDelegate::scenarioPlusMadeInTheDialogIsValid()
{
    QFETCH(int, level);
    QFETCH(int, area);

    // As the demo project stores "Relax".
    Page page(1003, DeviceAddress(5, -1, 3, -1));
    auto* dialog = ConfiguratorTest::openEditor<Editors::AddressEditor>(page.view, page.parameters());
    QVERIFY(dialog);
    auto* model = dialog->model();
    if (level >= 0)
        QVERIFY(ConfiguratorTest::chooseInCombo(dialog->treeView(), fieldCell(model, "Level"), level));
    if (area >= 0)
        QVERIFY(ConfiguratorTest::chooseInCombo(dialog->treeView(), fieldCell(model, "Address"), area));
    ConfiguratorTest::press(dialog, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(page.view));

    QCOMPARE(page.scenario()->level(), level >= 0 ? level : 60);
    QCOMPARE(page.scenario()->address().area(), area >= 0 ? area : 5);
    QList<Corvane::Devices::Validation::ValidationItem> items;
    Corvane::Devices::Validation::ConfigurationValidator::validate(page.project.get(), items);
    for (const auto& item : std::as_const(items))
        QVERIFY2(!item.deviceIds().contains(page.scenario()->id()), qPrintable(item.itemString()));
}

void tst_ScenarioEditDelegate::scheduledScenario_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("confirm") << "confirmButton" << true;
    QTest::newRow("cancel") << "cancelButton" << false;
}

void tst_ScenarioEditDelegate::scheduledScenario()
{
    QFETCH(QString, button);
    QFETCH(bool, written);

    Page page(9002, DeviceAddress::defaultAddress());
    const ScheduledScenarioItem before = page.scenario()->startItem();
    auto* dialog = ConfiguratorTest::openEditor<Editors::ScheduledScenarioEditor>(page.view, page.parameters());
    QVERIFY(dialog);
    auto* start = dialog->startEditor()->model();
    QVERIFY(start->setData(start->index(TableModels::ScenarioItemModel::ROW_BUTTON_NUMBER_INDEX, 1), 99, Qt::EditRole));
    auto* enable = dialog->enableEditor()->model();
    QVERIFY(enable->setData(enable->index(0, 1), false, Qt::EditRole));
    ConfiguratorTest::press(dialog, button);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::ScheduledScenarioEditor>(page.view));

    QCOMPARE(page.scenario()->startItem().pushButton(), written ? 99 : before.pushButton());
    QCOMPARE(page.scenario()->enableItem().presence(), !written);
    QCOMPARE(page.scenario()->disableItem().presence(), !written);
    QCOMPARE(page.scenario()->address(), DeviceAddress::defaultAddress());
    QCOMPARE(page.project->hasChanges(), written);
}

void tst_ScenarioEditDelegate::presenceCouplingLeavesNoStaleEditor()
{
    Page page(9002, DeviceAddress::defaultAddress());
    auto* dialog = ConfiguratorTest::openEditor<Editors::ScheduledScenarioEditor>(page.view, page.parameters());
    QVERIFY(dialog);
    QTableView* enable = dialog->enableEditor()->table();
    QTableView* disable = dialog->disableEditor()->table();
    // The installer looks at Enable's command type, then sets Disable's
    // presence to "No": Enable follows.
    const QModelIndex commandType = enable->model()->index(TableModels::ScenarioItemModel::ROW_CEN_TYPE_INDEX, 1);
    QTest::mouseClick(enable->viewport(), Qt::LeftButton, {}, enable->visualRect(commandType).center());
    QTRY_COMPARE(enable->currentIndex(), commandType);
    QVERIFY(ConfiguratorTest::chooseInCombo(disable, disable->model()->index(0, 1), false));
    QVERIFY(!dialog->enableEditor()->presence());
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(enable));

    ConfiguratorTest::press(dialog, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::ScheduledScenarioEditor>(page.view));
    QVERIFY(!page.scenario()->enableItem().presence());
    QVERIFY(!page.scenario()->disableItem().presence());
    QVERIFY(page.scenario()->startItem().presence());
}

void tst_ScenarioEditDelegate::cenAddressNotSetOrChosen_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("error");

    // The CEN address dialog opens on A1 PL1; confirming chooses it.
    QTest::newRow("A1 PL1 chosen on purpose") << "confirmButton" << "A1 PL1" << QString();
    QTest::newRow("left unset") << "cancelButton" << "Not set"
                                << "Device \"Evening\": the address of the disable command is not set.";
}

void tst_ScenarioEditDelegate::cenAddressNotSetOrChosen()
{
    QFETCH(QString, button);
    QFETCH(QString, shown);
    QFETCH(QString, error);

    Page page(9002, DeviceAddress::defaultAddress());
    const ScheduledScenarioItem set(true, ScheduledScenarioItem::Cen, 4, DeviceAddress(2, 3, RISER, 1));
    const ScheduledScenarioItem unset(true, ScheduledScenarioItem::Cen, 4, DeviceAddress::defaultAddress());
    page.scenario()->setItems(set, unset, set, set);
    auto* dialog = ConfiguratorTest::openEditor<Editors::ScheduledScenarioEditor>(page.view, page.parameters());
    QVERIFY(dialog);
    QTableView* disable = dialog->disableEditor()->table();
    const QModelIndex address = disable->model()->index(TableModels::ScenarioItemModel::ROW_ADDRESS_INDEX, 1);
    QCOMPARE(address.data().toString(), QString("Not set"));

    auto* cen = ConfiguratorTest::openEditor<Editors::AddressEditor>(disable, address);
    QVERIFY(cen);
    ConfiguratorTest::press(cen, button);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(disable));
    QCOMPARE(address.data().toString(), shown);
    ConfiguratorTest::press(dialog, "confirmButton");
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::ScheduledScenarioEditor>(page.view));

    QList<Corvane::Devices::Validation::ValidationItem> items;
    Corvane::Devices::Validation::ConfigurationValidator::validate(page.project.get(), items);
    QStringList errors;
    for (const auto& item : std::as_const(items)) {
        if (item.deviceIds().contains(page.scenario()->id()))
            errors << item.itemString();
    }
    QCOMPARE(errors, error.isEmpty() ? QStringList() : QStringList{error});
}

QTEST_MAIN(tst_ScenarioEditDelegate)
#include "tst_scenarioeditdelegate.moc"

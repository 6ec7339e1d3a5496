#include "CellEditing.h"
#include "DeviceTableView.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "editdelegates/ThermoregulationEditDelegate.h"
#include "editors/AddressEditor.h"
#include "editors/ThermoregAdvancedEditor.h"
#include "editors/ThermoregCommandsEditor.h"
#include "editors/ThermoregulationCommandEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/AddressTreeModel.h"
#include "tablemodels/TempSensorExtAddressModel.h"
#include "tablemodels/TempSensorNAddressModel.h"
#include "tablemodels/ThermoregFanModel.h"
#include "tablemodels/ThermoregModeModel.h"
#include "tablemodels/ThermoregNotControlledAddrModel.h"
#include "tablemodels/ThermoregSwingModel.h"
#include "tablemodels/ThermoregTemperatureEditModel.h"
#include "tablemodels/ThermoregulationCommandModel.h"
#include "tablemodels/ThermoregulationOffCmdModel.h"
#include "tablemodels/ThermoregulationTableModel.h"

#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeView>

#include <memory>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using TableModels::Column;

namespace {

const int E = DeviceAddress::EMPTY_INT_VALUE;
const int MAX = ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT;

// The thermoregulation page over one device, in a window.
struct Page
{
    QMainWindow window;
    DeviceTableView* view = nullptr;
    TableModels::ThermoregulationTableModel* model = nullptr;

    explicit Page(ThermoregulationDeviceProperties* device)
    {
        model = new TableModels::ThermoregulationTableModel({device}, &window);
        view = new DeviceTableView(&window);
        window.setCentralWidget(view);
        view->setModel(model);
        view->setItemDelegate(new EditDelegates::ThermoregulationEditDelegate(nullptr, model));
        window.setGeometry(100, 80, 900, 500);
        window.show();
    }
    QModelIndex cell(Column column) const { return model->index(0, model->columnIndex(column)); }
    template<typename Editor>
    Editor* open(Column column)
    {
        view->setCurrentIndex(cell(column));
        view->edit(cell(column));
        return view->viewport()->findChild<Editor*>();
    }
    template<typename Editor>
    bool closed() const
    {
        return !view->viewport()->findChild<Editor*>();
    }
};

void press(QWidget* dialog, const char* button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

// The tool button of a dialog with that tool tip.
QToolButton* toolButton(QWidget* dialog, const QString& tip)
{
    for (QToolButton* button : dialog->findChildren<QToolButton*>()) {
        if (button->toolTip() == tip)
            return button;
    }
    return nullptr;
}

std::unique_ptr<ThermoregulationDeviceProperties> airConditioner(int commands, bool offShown)
{
    auto device = std::make_unique<ThermoregulationDeviceProperties>(1, 4001, DeviceAddress(4, 2, 3, 1), "AC");
    for (int i = 0; i < commands; ++i)
        device->addCommand(new ThermoregulationCommandProperties(DeviceAddress(i + 1, E, E, E),
                                                                 QString("Command %1").arg(i + 1)));
    device->setShowOffCommand(offShown);
    return device;
}

} // namespace

class tst_ThermoregulationEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressModelByType_data();
    void addressModelByType();
    void addressDialog_data();
    void addressDialog();
    void zoneTensInTheAddressDialog_data();
    void zoneTensInTheAddressDialog();
    void fancoilCombo();
    void commandsDialog_data();
    void commandsDialog();
    void offSwitchedWithCommandsAtMaximum_data();
    void offSwitchedWithCommandsAtMaximum();
    void newCommandsGetOwnIds();
    void advancedDialog_data();
    void advancedDialog();
};

void tst_ThermoregulationEditDelegate::addressModelByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("modelClass");
    QTest::addColumn<int>("addressType");

    QTest::newRow("external probe") << 8001 << "TempSensorExtAddressModel" << 7;
    QTest::newRow("probe with slave") << 8002 << "ThermoregNotControlledAddrModel" << 9;
    QTest::newRow("99-zone zone") << 8003 << "TempSensorNAddressModel" << 8;
    QTest::newRow("4-zone zone") << 8004 << "ThermoregNotControlledAddrModel" << 12;
    QTest::newRow("basic air conditioner") << 4001 << "AddressTreeModel" << 11;
    QTest::newRow("advanced air conditioner") << 4003 << "AddressTreeModel" << 11;
}

void tst_ThermoregulationEditDelegate::addressModelByType()
{
    QFETCH(int, type);
    QFETCH(QString, modelClass);
    QFETCH(int, addressType);

    ThermoregulationDeviceProperties device(1, type, DeviceAddress(1, 2, 1, E), "Probe");
    TableModels::ThermoregulationTableModel model({&device});
    EditDelegates::ThermoregulationEditDelegate delegate(nullptr);
    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(0, 2)));
    auto* dialog = qobject_cast<Editors::AddressEditor*>(editor.get());
    QVERIFY(dialog);
    QVERIFY(dialog->model());
    QCOMPARE(QString(dialog->model()->metaObject()->className()).section("::", -1), modelClass);
    QCOMPARE(dialog->model()->addressType(), addressType);
}

void tst_ThermoregulationEditDelegate::addressDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<DeviceAddress>("expected");

    // Only the slave number changes; PUL and groups stay the device's.
    QTest::newRow("confirm") << "confirmButton" << DeviceAddress(3, 4, 7, E, 1, {2});
    QTest::newRow("cancel") << "cancelButton" << DeviceAddress(3, 4, 1, E, 1, {2});
}

void tst_ThermoregulationEditDelegate::addressDialog()
{
    QFETCH(QString, button);
    QFETCH(DeviceAddress, expected);

    ThermoregulationDeviceProperties device(1, 8002, DeviceAddress(3, 4, 1, E, 1, {2}), "Cellar probe");
    Page page(&device);
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    auto* dialog = page.open<Editors::AddressEditor>(Column::Address);
    QVERIFY(dialog);
    TableModels::BaseAddressTreeModel* rows = dialog->model();
    rows->setData(rows->index(2, TableModels::BaseAddressTreeModel::TextColumn, rows->index(0, 0)), 7);
    press(dialog, button.toLatin1());
    QTRY_VERIFY(page.closed<Editors::AddressEditor>());
    QCOMPARE(device.address(), expected);
}

void tst_ThermoregulationEditDelegate::zoneTensInTheAddressDialog_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("zoneBOfZoneA1");
    QTest::addColumn<int>("zoneAAfter");
    QTest::addColumn<DeviceAddress>("expected");

    const QList<int> tens{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    // -1: ZA is not chosen again.
    QTest::newRow("zone 10 of a 99-zone system") << 8003 << tens << -1 << DeviceAddress(1, 0, E, E);
    QTest::newRow("zone 10 of a 4-zone system") << 8004 << tens << -1 << DeviceAddress(1, 0, 2, E);
    QTest::newRow("back to ZA 0: zone 00 does not exist") << 8003 << tens << 0 << DeviceAddress(0, 1, E, E);
    QTest::newRow("ZA 2 keeps ZB 0") << 8004 << tens << 2 << DeviceAddress(2, 0, 2, E);
}

void tst_ThermoregulationEditDelegate::zoneTensInTheAddressDialog()
{
    QFETCH(int, type);
    QFETCH(QList<int>, zoneBOfZoneA1);
    QFETCH(int, zoneAAfter);
    QFETCH(DeviceAddress, expected);

    ThermoregulationDeviceProperties device(1, type, DeviceAddress(0, 5, type == 8004 ? 2 : E, E), "Living room");
    Page page(&device);
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    auto* dialog = page.open<Editors::AddressEditor>(Column::Address);
    QVERIFY(dialog);
    QTreeView* tree = dialog->treeView();
    const QModelIndex header = dialog->model()->index(0, 0);
    const QModelIndex zoneA = dialog->model()->index(0, TableModels::BaseAddressTreeModel::TextColumn, header);
    const QModelIndex zoneB = zoneA.siblingAtRow(1);
    QVERIFY(ConfiguratorTest::chooseInCombo(tree, zoneA, 1));
    auto* combo = ConfiguratorTest::openEditor<QComboBox>(tree, zoneB);
    QVERIFY(combo);
    QList<int> offered;
    for (int i = 0; i < combo->count(); ++i)
        offered << combo->itemData(i).toInt();
    QCOMPARE(offered, zoneBOfZoneA1);
    combo->setCurrentIndex(combo->findData(0));
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QComboBox>(tree));
    if (zoneAAfter >= 0)
        QVERIFY(ConfiguratorTest::chooseInCombo(tree, zoneA, zoneAAfter));
    press(dialog, "confirmButton");
    QTRY_VERIFY(page.closed<Editors::AddressEditor>());
    QCOMPARE(device.address(), expected);
}

void tst_ThermoregulationEditDelegate::fancoilCombo()
{
    ThermoregulationDeviceProperties device(1, 8003, DeviceAddress(0, 1, E, E), "Zone");
    Page page(&device);
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    auto* combo = page.open<Editors::YesNoEditor>(Column::Fancoil);
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), 0);
    combo->setCurrentIndex(1);
    QTRY_VERIFY(page.closed<Editors::YesNoEditor>());
    QVERIFY(device.hasFancoil());
}

void tst_ThermoregulationEditDelegate::commandsDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("confirm") << "confirmButton" << true;
    QTest::newRow("cancel") << "cancelButton" << false;
}

void tst_ThermoregulationEditDelegate::commandsDialog()
{
    QFETCH(QString, button);
    QFETCH(bool, written);

    auto device = airConditioner(3, false);
    const int secondId = device->commands().at(1)->id();
    const int thirdId = device->commands().at(2)->id();
    Page page(device.get());
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    auto* dialog = page.open<Editors::ThermoregCommandsEditor>(Column::CommandsParameters);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));

    // Remove the first command, rename the third, add one, show OFF at A 7.
    dialog->commandEditors().first()->expandButton()->click();
    QTest::mouseClick(toolButton(dialog, "Remove"), Qt::LeftButton);
    TableModels::ThermoregulationCommandModel* third = dialog->getEditor(thirdId)->model();
    third->setData(third->index(0, 1), QString("Heat 21"));
    QTest::mouseClick(toolButton(dialog, "Add"), Qt::LeftButton);
    TableModels::ThermoregulationOffCmdModel* off = dialog->offCommandModel();
    off->setData(off->index(0, 1), true);
    off->setData(off->index(1, 1), QVariant::fromValue(DeviceAddress(7, E, E, E)));
    QCOMPARE(device->commands().size(), 3);
    press(dialog, button.toLatin1());
    QTRY_VERIFY(page.closed<Editors::ThermoregCommandsEditor>());

    QStringList descriptions;
    for (const ThermoregulationCommandProperties* command : device->commands())
        descriptions << command->description();
    if (written) {
        QCOMPARE(descriptions, (QStringList{"Command 2", "Heat 21", "Command"}));
        QCOMPARE(device->commands().at(0)->id(), secondId);
        QCOMPARE(device->commands().at(2)->address(), DeviceAddress(1, E, E, E));
        QVERIFY(device->showOffCommand());
        QCOMPARE(device->offCommand().address().area(), 7);
        QCOMPARE(page.cell(Column::CommandsParameters).data().toString(), QString("4 command(s) configured"));
    } else {
        QCOMPARE(descriptions, (QStringList{"Command 1", "Command 2", "Command 3"}));
        QVERIFY(!device->showOffCommand());
        QCOMPARE(device->offCommand().address().area(), 1);
    }
}

void tst_ThermoregulationEditDelegate::offSwitchedWithCommandsAtMaximum_data()
{
    QTest::addColumn<bool>("offBefore");
    QTest::addColumn<bool>("offAfter");
    QTest::addColumn<int>("commandsBefore");
    QTest::addColumn<int>("commandsAfter");

    QTest::newRow("OFF switched off, one added up to the maximum") << true << false << MAX - 1 << MAX;
    QTest::newRow("OFF switched on after one removed") << false << true << MAX << MAX - 1;
    QTest::newRow("OFF kept off, filled up") << false << false << MAX - 2 << MAX;
    QTest::newRow("OFF kept on, filled up") << true << true << MAX - 3 << MAX - 1;
}

void tst_ThermoregulationEditDelegate::offSwitchedWithCommandsAtMaximum()
{
    QFETCH(bool, offBefore);
    QFETCH(bool, offAfter);
    QFETCH(int, commandsBefore);
    QFETCH(int, commandsAfter);

    auto device = airConditioner(commandsBefore, offBefore);
    Editors::ThermoregCommandsEditor dialog(device.get());
    TableModels::ThermoregulationOffCmdModel* off = dialog.offCommandModel();
    if (!offAfter)
        off->setData(off->index(0, 1), false);
    while (dialog.commandEditors().size() > commandsAfter) {
        dialog.commandEditors().first()->expandButton()->click();
        dialog.remove();
    }
    if (offAfter)
        off->setData(off->index(0, 1), true);
    while (dialog.commandEditors().size() < commandsAfter)
        dialog.add();
    QCOMPARE(dialog.commandsCount(), commandsAfter + (offAfter ? 1 : 0));

    EditDelegates::ThermoregulationEditDelegate::syncDeviceCommands(device.get(), &dialog);
    QCOMPARE(device->commands().size(), commandsAfter);
    QCOMPARE(device->showOffCommand(), offAfter);
}

void tst_ThermoregulationEditDelegate::newCommandsGetOwnIds()
{
    auto device = airConditioner(1, false);
    Editors::ThermoregCommandsEditor dialog(device.get());
    dialog.add();
    dialog.add();
    EditDelegates::ThermoregulationEditDelegate::syncDeviceCommands(device.get(), &dialog);
    QCOMPARE(device->commands().size(), 3);
    QList<int> ids;
    for (const ThermoregulationCommandProperties* command : device->commands()) {
        QVERIFY(command->id() != ThermoregulationCommandProperties::EMPTY_ID);
        QVERIFY(!ids.contains(command->id()));
        ids << command->id();
    }
}

void tst_ThermoregulationEditDelegate::advancedDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("confirm") << "confirmButton" << true;
    QTest::newRow("cancel") << "cancelButton" << false;
}

void tst_ThermoregulationEditDelegate::advancedDialog()
{
    QFETCH(QString, button);
    QFETCH(bool, written);

    ThermoregulationDeviceProperties device(1, 4003, DeviceAddress(4, 1, 3, 1), "Living room");
    device.setMinTemperature(16.125);
    device.setStep(0.7);
    Page page(&device);
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
    auto* dialog = page.open<Editors::ThermoregAdvancedEditor>(Column::CommandsParameters);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto* temperatures = dialog->temperatureModel();
    temperatures->setData(temperatures->index(1, 1), 27.5);
    dialog->modesModel()->setData(dialog->modesModel()->index(2, 1), true);
    dialog->fanModel()->setData(dialog->fanModel()->index(4, 1), true);
    dialog->swingModel()->setData(dialog->swingModel()->index(0, 1), true);
    QCOMPARE(device.maxTemperature(), 30.0);
    press(dialog, button.toLatin1());
    QTRY_VERIFY(page.closed<Editors::ThermoregAdvancedEditor>());

    QCOMPARE(device.minTemperature(), 16.125);
    QCOMPARE(device.step(), 0.7);
    QCOMPARE(device.maxTemperature(), written ? 27.5 : 30.0);
    QCOMPARE(device.airConditioningModes(), written ? (QList<int>{0, 2}) : QList<int>{0});
    QCOMPARE(device.fanSettings(), written ? QList<int>{4} : QList<int>());
    QCOMPARE(device.swingPresence(), written);
    QCOMPARE(page.cell(Column::CommandsParameters).data().toString(),
             QString("Min - 16.125, Max - %1, Step - 0.7").arg(written ? "27.5" : "30"));
}

QTEST_MAIN(tst_ThermoregulationEditDelegate)
#include "tst_thermoregulationeditdelegate.moc"

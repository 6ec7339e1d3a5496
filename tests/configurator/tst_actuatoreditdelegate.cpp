#include "DeviceTableView.h"
#include "ProjectFixture.h"
#include "devices/BaseDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "editdelegates/ActuatorEditDelegate.h"
#include "editdelegates/SensorEditDelegate.h"
#include "editors/AddressEditor.h"
#include "editors/GroupsEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/ActuatorsTableModel.h"
#include "tablemodels/AddressTreeModel.h"
#include "tablemodels/SensorsTableModel.h"
#include "utilities/InitSettings.h"

#include <QComboBox>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTreeView>

using namespace Corvane::Configurator;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::Configuration;
using Corvane::Devices::DeviceAddress;
using TableModels::Column;

namespace {

// A page table in a window, over one device of a project.
struct Page
{
    std::unique_ptr<Configuration> project;
    QMainWindow window;
    DeviceTableView* view = nullptr;
    TableModels::BaseTableModel* model = nullptr;

    BaseDeviceProperties* device() const { return model->device(0); }
    QModelIndex cell(Column column) const { return model->index(0, model->columnIndex(column)); }

    template<typename Dialog>
    Dialog* openDialog(Column column)
    {
        view->setCurrentIndex(cell(column));
        view->edit(cell(column));
        Dialog* dialog = view->viewport()->findChild<Dialog*>();
        return dialog && QTest::qWaitForWindowExposed(dialog) ? dialog : nullptr;
    }
    template<typename Dialog>
    bool closed() const
    {
        return !view->viewport()->findChild<Dialog*>();
    }
};

void show(Page& page, TableModels::BaseTableModel* model, QAbstractItemDelegate* delegate)
{
    page.model = model;
    page.view = new DeviceTableView(&page.window);
    page.window.setCentralWidget(page.view);
    page.view->setModel(model);
    page.view->setItemDelegate(delegate);
    page.window.setGeometry(100, 80, 900, 500);
    page.window.show();
}

void press(QWidget* dialog, const QString& button)
{
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
}

} // namespace

class tst_ActuatorEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void addressDialog_data();
    void addressDialog();
    void pulCommitsOnChoice();
    void groupsDialog_data();
    void groupsDialog();
    void sensorAddressDialogUsesSensorRules();

private:
    void lightPage(Page& page, const DeviceAddress& address);
};

void tst_ActuatorEditDelegate::initTestCase()
{
    Corvane::Utilities::InitSettings::readSettings();
    ConfiguratorTest::initResources();
}

void tst_ActuatorEditDelegate::lightPage(Page& page, const DeviceAddress& address)
{
    page.project = ConfiguratorTest::makeProject(1, 1);
    QList<BaseDeviceProperties*> lights;
    page.project->getDevicesByGroup(lights, BaseDeviceProperties::Lights, -1, true);
    lights.first()->setAddress(address);
    page.project->clearChanges();
    auto* model = new TableModels::ActuatorsTableModel(lights, &page.window);
    show(page, model, new EditDelegates::ActuatorEditDelegate(page.project.get(), model));
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));
}

void tst_ActuatorEditDelegate::addressDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("confirm") << "confirmButton" << true;
    QTest::newRow("cancel") << "cancelButton" << false;
}

void tst_ActuatorEditDelegate::addressDialog()
{
    QFETCH(QString, button);
    QFETCH(bool, written);

    Page page;
    const DeviceAddress before(2, 15, DeviceAddress::LEVEL_PRIVATE_RISER, 1, 1, {4, 9});
    lightPage(page, before);
    auto* dialog = page.openDialog<Editors::AddressEditor>(Column::Address);
    QVERIFY(dialog);
    QCOMPARE(dialog->model()->addressType(), 1);
    // A to the ambient address: PL 15 is snapped to 10 in the dialog.
    dialog->model()->setData(dialog->model()->index(0, 1, dialog->model()->index(0, 0)), DeviceAddress::ADDRESS_AMB,
                             Qt::DisplayRole);
    press(dialog, button);
    QTRY_VERIFY(page.closed<Editors::AddressEditor>());

    const DeviceAddress expected = written ? DeviceAddress(DeviceAddress::ADDRESS_AMB, 10, DeviceAddress::LEVEL_PRIVATE_RISER, 1, 1, {4, 9})
                                           : before;
    QCOMPARE(page.device()->address(), expected);
    QCOMPARE(page.project->hasChanges(), written);
}

void tst_ActuatorEditDelegate::pulCommitsOnChoice()
{
    Page page;
    lightPage(page, DeviceAddress(2, 3, DeviceAddress::LEVEL_PRIVATE_RISER, 1, 0, {5}));
    page.view->setCurrentIndex(page.cell(Column::Pul));
    page.view->edit(page.cell(Column::Pul));
    auto* combo = page.view->viewport()->findChild<Editors::YesNoEditor*>();
    QVERIFY(combo);
    combo->setCurrentIndex(1);
    QTRY_VERIFY(!page.view->viewport()->findChild<Editors::YesNoEditor*>());
    QCOMPARE(page.device()->address(), DeviceAddress(2, 3, DeviceAddress::LEVEL_PRIVATE_RISER, 1, 1, {5}));
}

void tst_ActuatorEditDelegate::groupsDialog_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<int>>("groups");

    QTest::newRow("confirm all zero stores no group") << "confirmButton" << QList<int>{};
    QTest::newRow("cancel keeps the groups") << "cancelButton" << QList<int>{4, 9};
}

void tst_ActuatorEditDelegate::groupsDialog()
{
    QFETCH(QString, button);
    QFETCH(QList<int>, groups);

    Page page;
    lightPage(page, DeviceAddress(2, 3, DeviceAddress::LEVEL_PRIVATE_RISER, 1, 1, {4, 9}));
    auto* dialog = page.openDialog<Editors::GroupsEditor>(Column::Groups);
    QVERIFY(dialog);
    dialog->combo(0)->setCurrentIndex(0);
    dialog->combo(1)->setCurrentIndex(0);
    press(dialog, button);
    QTRY_VERIFY(page.closed<Editors::GroupsEditor>());
    QCOMPARE(page.device()->address().groups(), groups);
    QCOMPARE(page.device()->address().pul(), 1);
}

void tst_ActuatorEditDelegate::sensorAddressDialogUsesSensorRules()
{
    Page page;
    page.project = ConfiguratorTest::makeProject(1, 0);
    ConfiguratorTest::addSensor(*page.project, page.project->webServers().first()->id(), "Sensor");
    QList<BaseDeviceProperties*> sensors;
    page.project->getDevicesByGroup(sensors, BaseDeviceProperties::Sensors, -1, true);
    auto* model = new TableModels::SensorsTableModel(sensors, &page.window);
    show(page, model, new EditDelegates::SensorEditDelegate(page.project.get(), model));
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));

    auto* dialog = page.openDialog<Editors::AddressEditor>(Column::Address);
    QVERIFY(dialog);
    QCOMPARE(dialog->model()->addressType(), 6);
    dialog->model()->setData(dialog->model()->index(0, 1, dialog->model()->index(0, 0)), 7, Qt::DisplayRole);
    press(dialog, "confirmButton");
    QTRY_VERIFY(page.closed<Editors::AddressEditor>());
    QCOMPARE(page.device()->address().area(), 7);
}

QTEST_MAIN(tst_ActuatorEditDelegate)
#include "tst_actuatoreditdelegate.moc"

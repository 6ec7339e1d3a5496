#include "CellEditing.h"
#include "DeviceTableView.h"
#include "ProjectFixture.h"
#include "devices/AmplifierDeviceProperties.h"
#include "devices/DeviceAddress.h"
#include "devices/Utilities.h"
#include "editdelegates/AmplifierEditDelegate.h"
#include "editors/AddressEditor.h"
#include "tablemodels/AmplifierAddressModel.h"
#include "tablemodels/AmplifiersTableModel.h"
#include "utilities/InitSettings.h"

#include <QMainWindow>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Devices::BaseDeviceProperties;
using Corvane::Devices::Configuration;
using Corvane::Devices::DeviceAddress;

namespace {

// The amplifiers page of a gateway with one amplifier.
struct Page
{
    Page(int soundSystemType, const DeviceAddress& address)
        : project(ConfiguratorTest::makeProject(1, 0))
    {
        const int server = project->webServers().first()->id();
        project->setSoundSystemType(soundSystemType, server);
        project->addDevice(server, new Corvane::Devices::AmplifierDeviceProperties(
                                       Corvane::Devices::Utilities::emtpyDeviceId(), address, "Living room"));
        project->clearChanges();
        QList<BaseDeviceProperties*> amplifiers;
        project->getDevicesByGroup(amplifiers, BaseDeviceProperties::Amplifiers, server, true);
        model = new TableModels::AmplifiersTableModel(amplifiers, project.get(), server, &window);
        view = new DeviceTableView(&window);
        window.setCentralWidget(view);
        view->setModel(model);
        view->setItemDelegate(new EditDelegates::AmplifierEditDelegate(project.get(), model));
        window.setGeometry(100, 80, 900, 500);
        window.show();
    }
    BaseDeviceProperties* amplifier() const { return model->device(0); }

    std::unique_ptr<Configuration> project;
    QMainWindow window;
    TableModels::AmplifiersTableModel* model = nullptr;
    DeviceTableView* view = nullptr;
};

} // namespace

class tst_AmplifierEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void addressDialog_data();
    void addressDialog();
};

void tst_AmplifierEditDelegate::initTestCase()
{
    Corvane::Utilities::InitSettings::readSettings();
    ConfiguratorTest::initResources();
}

void tst_AmplifierEditDelegate::addressDialog_data()
{
    QTest::addColumn<int>("soundSystemType");
    QTest::addColumn<int>("addressType");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("basic, confirm") << 0 << 15 << "confirmButton" << true;
    QTest::newRow("all areas, confirm") << 1 << 16 << "confirmButton" << true;
    QTest::newRow("basic, cancel") << 0 << 15 << "cancelButton" << false;
}

void tst_AmplifierEditDelegate::addressDialog()
{
    QFETCH(int, soundSystemType);
    QFETCH(int, addressType);
    QFETCH(QString, button);
    QFETCH(bool, written);

    const DeviceAddress before(3, 4, DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE, 1, {5});
    Page page(soundSystemType, before);
    const QModelIndex address = page.model->index(0, 1);
    auto* dialog = ConfiguratorTest::openEditor<Editors::AddressEditor>(page.view, address);
    QVERIFY(dialog);
    QVERIFY(qobject_cast<TableModels::AmplifierAddressModel*>(dialog->model()));
    QCOMPARE(dialog->model()->addressType(), addressType);
    QVERIFY(dialog->model()->setData(dialog->model()->index(1, 1, dialog->model()->index(0, 0)), 7, Qt::DisplayRole));
    ConfiguratorTest::press(dialog, button);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<Editors::AddressEditor>(page.view));

    // The device keeps its PUL flag and groups.
    QCOMPARE(page.amplifier()->address(), written ? DeviceAddress(3, 7, -1, -1, 1, {5}) : before);
    QCOMPARE(page.project->hasChanges(), written);
}

QTEST_MAIN(tst_AmplifierEditDelegate)
#include "tst_amplifiereditdelegate.moc"

#include "ProjectFixture.h"

#include "DeviceTableView.h"
#include "devices/DeviceAddress.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/LoadDeviceProperties.h"
#include "editdelegates/EnergyDelegate.h"
#include "editdelegates/LoadDelegate.h"
#include "editors/EconomicEvalEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/EconomicEvalTableModel.h"
#include "tablemodels/EnergyTableModel.h"
#include "tablemodels/LoadTableModel.h"

#include <QComboBox>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using ConfiguratorTest::areaOnly;
using TableModels::Column;

namespace {


// One device's page table in a window.
struct Page
{
    QMainWindow window;
    DeviceTableView* view = nullptr;
    TableModels::BaseTableModel* model = nullptr;

    Page(TableModels::BaseTableModel* pageModel, QAbstractItemDelegate* delegate)
        : model(pageModel)
    {
        model->setParent(&window);
        view = new DeviceTableView(&window);
        window.setCentralWidget(view);
        view->setModel(model);
        view->setItemDelegate(delegate);
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

} // namespace

class tst_EnergyDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void combos_data();
    void combos();
    void economicDialog_data();
    void economicDialog();
};

void tst_EnergyDelegate::combos_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("first");

    QTest::newRow("address 0 to 255") << int(Column::Address) << 256 << 200 << 0;
    QTest::newRow("units of water") << int(Column::Unit) << 8 << 3 << int(DeviceEnums::CubicMetre);
    QTest::newRow("energy type") << int(Column::SecondType) << 2 << 1 << 0;
}

void tst_EnergyDelegate::combos()
{
    QFETCH(int, column);
    QFETCH(int, count);
    QFETCH(int, choice);
    QFETCH(int, first);

    auto* meter = new EnergyDeviceProperties(1, 7061, areaOnly(5), "Water", DeviceEnums::CubicMetre);
    std::unique_ptr<EnergyDeviceProperties> owner(meter);
    auto* model = new TableModels::EnergyTableModel({meter});
    Page page(model, new EditDelegates::EnergyDelegate(nullptr, model));
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));

    auto* combo = page.open<QComboBox>(Column(column));
    QVERIFY(combo);
    QCOMPARE(combo->count(), count);
    QCOMPARE(combo->itemData(0).toInt(), first);
    const int value = combo->itemData(choice).toInt();
    combo->setCurrentIndex(choice);
    QTRY_VERIFY(page.closed<QComboBox>());
    switch (Column(column)) {
    case Column::Address: QCOMPARE(meter->address().area(), value); break;
    case Column::Unit: QCOMPARE(meter->measurementUnit(), value); break;
    default: QCOMPARE(meter->energyDeviceType(), value); break;
    }
}

void tst_EnergyDelegate::economicDialog_data()
{
    QTest::addColumn<bool>("load");
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("written");

    QTest::newRow("meter confirm") << false << "confirmButton" << true;
    QTest::newRow("meter cancel") << false << "cancelButton" << false;
    QTest::newRow("load confirm") << true << "confirmButton" << true;
    QTest::newRow("load cancel") << true << "cancelButton" << false;
}

void tst_EnergyDelegate::economicDialog()
{
    QFETCH(bool, load);
    QFETCH(QString, button);
    QFETCH(bool, written);

    std::unique_ptr<EconomicDeviceProperties> device;
    TableModels::BaseTableModel* model = nullptr;
    QAbstractItemDelegate* delegate = nullptr;
    if (load) {
        device = std::make_unique<LoadDeviceProperties>(1, 18002, areaOnly(3), "Oven");
        model = new TableModels::LoadTableModel({device.get()});
        delegate = new EditDelegates::LoadDelegate(nullptr, model);
    } else {
        device = std::make_unique<EnergyDeviceProperties>(1, 7051, areaOnly(3), "Meter");
        model = new TableModels::EnergyTableModel({device.get()});
        delegate = new EditDelegates::EnergyDelegate(nullptr, model);
    }
    device->setTariff(0.5);
    Page page(model, delegate);
    QVERIFY(QTest::qWaitForWindowExposed(&page.window));

    auto* dialog = page.open<Editors::EconomicEvalEditor>(Column::EconomicEvaluation);
    QVERIFY(dialog);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    TableModels::EconomicEvalTableModel* rows = dialog->model();
    rows->setData(rows->index(0, 1), true);
    rows->setData(rows->index(1, 1), int(DeviceEnums::Yen));
    rows->setData(rows->index(2, 1), 0.123456);
    // Nothing reaches the device before Confirm.
    QVERIFY(!device->isEconomicEvaluationEnabled());
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    QTRY_VERIFY(page.closed<Editors::EconomicEvalEditor>());

    QCOMPARE(device->isEconomicEvaluationEnabled(), written);
    QCOMPARE(device->currency(), written ? int(DeviceEnums::Yen) : int(DeviceEnums::Euro));
    QCOMPARE(device->tariff(), written ? 0.123456 : 0.5);
    QCOMPARE(page.cell(Column::EconomicEvaluation).data().toString(), QString(written ? "Enabled" : "Disabled"));
}

QTEST_MAIN(tst_EnergyDelegate)
#include "tst_energydelegate.moc"

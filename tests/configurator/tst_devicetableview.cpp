#include "DeviceTableView.h"
#include "ProjectFixture.h"
#include "devices/BaseDeviceProperties.h"
#include "tablemodels/BaseTableModel.h"

#include <QStandardItemModel>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Devices::Configuration;

using Cells = QList<QPair<int, int>>;

class tst_DeviceTableView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void withoutTableModel();
    void emptyTable();
    void selection_data();
    void selection();
    void removeDevice();
};

void tst_DeviceTableView::withoutTableModel()
{
    DeviceTableView view;
    QStandardItemModel other(2, 2);
    view.setModel(&other);
    view.selectRow(0);
    QCOMPARE(view.devicesCount(), 0);
    QCOMPARE(view.selectedDeviceId(), -1);
    QVERIFY(!view.hasSelectedDevice());
    QVERIFY(view.devices().isEmpty());
    view.removeDevice(1);
    QCOMPARE(other.rowCount(), 2);
}

void tst_DeviceTableView::emptyTable()
{
    DeviceTableView view;
    TableModels::BaseTableModel model({});
    view.setModel(&model);
    QCOMPARE(view.selectedDeviceId(), -1);
    QCOMPARE(view.devicesCount(), 0);
}

void tst_DeviceTableView::selection_data()
{
    QTest::addColumn<Cells>("cells"); // selected in this order
    QTest::addColumn<QList<int>>("rows");             // rows of the ids expected

    QTest::newRow("two cells of one row") << Cells{{1, 0}, {1, 3}} << QList<int>{1};
    QTest::newRow("selection order") << Cells{{2, 0}, {0, 1}} << QList<int>{2, 0};
    QTest::newRow("none") << Cells{} << QList<int>{};
}

void tst_DeviceTableView::selection()
{
    QFETCH(Cells, cells);
    QFETCH(QList<int>, rows);

    auto project = ConfiguratorTest::makeProject(1, 3);
    TableModels::BaseTableModel model(project->devices());
    DeviceTableView view;
    view.setModel(&model);
    view.setSelectionBehavior(QAbstractItemView::SelectItems);
    for (const auto& [row, column] : cells)
        view.selectionModel()->select(model.index(row, column), QItemSelectionModel::Select);
    if (!cells.isEmpty())
        view.selectionModel()->setCurrentIndex(model.index(cells.last().first, 0), QItemSelectionModel::NoUpdate);

    QList<int> ids;
    view.selectedDevices(ids);
    QList<int> expected;
    for (int row : rows)
        expected.append(model.device(row)->id());
    QCOMPARE(ids, expected);
    QCOMPARE(view.hasSelectedDevice(), !rows.isEmpty());
    QCOMPARE(view.selectedDeviceId(), rows.isEmpty() ? -1 : model.device(cells.last().first)->id());
}

void tst_DeviceTableView::removeDevice()
{
    auto project = ConfiguratorTest::makeProject(1, 3);
    TableModels::BaseTableModel model(project->devices());
    DeviceTableView view;
    view.setModel(&model);
    const int id = model.device(1)->id();
    view.removeDevice(id);
    QCOMPARE(view.devicesCount(), 2);
    QVERIFY(project->getDeviceById(id));
}

QTEST_MAIN(tst_DeviceTableView)
#include "tst_devicetableview.moc"

#include "DeviceTableView.h"
#include "devices/DeviceAddress.h"
#include "devices/LoadDeviceProperties.h"
#include "editdelegates/LoadDelegate.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/LoadTableModel.h"

#include <QComboBox>
#include <QTest>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using TableModels::Column;

class tst_LoadDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressAndCentralUnitCommitOnChoice();
};

void tst_LoadDelegate::addressAndCentralUnitCommitOnChoice()
{
    LoadDeviceProperties load(1, 18002, DeviceAddress(9, -1, -1, -1), "Oven", false);
    TableModels::LoadTableModel model({&load});
    DeviceTableView view;
    view.setModel(&model);
    view.setItemDelegate(new EditDelegates::LoadDelegate(nullptr, &model));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    view.edit(model.index(0, model.columnIndex(Column::Address)));
    auto* address = view.viewport()->findChild<QComboBox*>();
    QVERIFY(address);
    QCOMPARE(address->count(), 64);
    QCOMPARE(address->currentData().toInt(), 9);
    address->setCurrentIndex(63);
    QTRY_VERIFY(!view.viewport()->findChild<QComboBox*>());
    QCOMPARE(load.address().area(), 63);

    view.edit(model.index(0, model.columnIndex(Column::CentralUnitPresence)));
    auto* centralUnit = view.viewport()->findChild<Editors::YesNoEditor*>();
    QVERIFY(centralUnit);
    centralUnit->setCurrentIndex(1);
    QTRY_VERIFY(!view.viewport()->findChild<QComboBox*>());
    QVERIFY(load.hasCentralUnit());
}

QTEST_MAIN(tst_LoadDelegate)
#include "tst_loaddelegate.moc"

#include "ScriptedDialogService.h"
#include "editdelegates/ThermoregCommandEditDelegate.h"
#include "editdelegates/ThermoregulationOffCmdDelegate.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/ThermoregulationCommandModel.h"
#include "tablemodels/ThermoregulationOffCmdModel.h"
#include "utilities/InitSettings.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

#include <memory>

using namespace Corvane::Configurator;
using namespace Corvane::Devices;
using Corvane::Utilities::InitSettings;

namespace {

const int E = DeviceAddress::EMPTY_INT_VALUE;

// A property table of one of the command models, shown.
struct Table
{
    QTableView view;

    Table(QAbstractItemModel* model, QAbstractItemDelegate* delegate)
    {
        model->setParent(&view);
        delegate->setParent(&view);
        view.setModel(model);
        view.setItemDelegate(delegate);
        view.resize(400, 120);
        view.show();
    }
    template<typename Editor>
    Editor* open(int row)
    {
        const QModelIndex cell = view.model()->index(row, 1);
        view.setCurrentIndex(cell);
        view.edit(cell);
        return view.viewport()->findChild<Editor*>();
    }
    template<typename Editor>
    bool closed() const
    {
        return !view.viewport()->findChild<Editor*>();
    }
};

} // namespace

class tst_ThermoregCommandEditDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void addressChangesOnlyArea_data();
    void addressChangesOnlyArea();
    void description_data();
    void description();
    void offPresence();
};

void tst_ThermoregCommandEditDelegate::addressChangesOnlyArea_data()
{
    QTest::addColumn<bool>("offModel");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("firstChosen");

    QTest::newRow("command") << false << 12 << 11;
    QTest::newRow("OFF command") << true << 12 << 11;
    QTest::newRow("A outside the list preselects the first") << false << 0 << 0;
}

void tst_ThermoregCommandEditDelegate::addressChangesOnlyArea()
{
    QFETCH(bool, offModel);
    QFETCH(int, area);
    QFETCH(int, firstChosen);

    const DeviceAddress address(area, 3, 2, 1, 1, {4});
    QAbstractItemModel* model = nullptr;
    QAbstractItemDelegate* delegate = nullptr;
    if (offModel) {
        model = new TableModels::ThermoregulationOffCmdModel(address, true);
        delegate = new EditDelegates::ThermoregulationOffCmdDelegate;
    } else {
        model = new TableModels::ThermoregulationCommandModel(address, "Cool", 5, 10);
        delegate = new EditDelegates::ThermoregCommandEditDelegate;
    }
    Table table(model, delegate);
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    auto* combo = table.open<QComboBox>(1);
    QVERIFY(combo);
    QCOMPARE(combo->count(), 255);
    QCOMPARE(combo->itemData(0).toInt(), 1);
    QCOMPARE(combo->currentIndex(), firstChosen);
    combo->setCurrentIndex(99);
    QTRY_VERIFY(table.closed<QComboBox>());
    QCOMPARE(model->index(1, 1).data(Qt::EditRole).value<DeviceAddress>(), DeviceAddress(100, 3, 2, 1, 1, {4}));
}

void tst_ThermoregCommandEditDelegate::description_data()
{
    QTest::addColumn<int>("extra");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("storedLength");

    QTest::newRow("at the limit") << 0 << QMessageBox::Ok << 0 << 0;
    QTest::newRow("one more, cut") << 1 << QMessageBox::Ok << 1 << 0;
    QTest::newRow("one more, kept") << 1 << QMessageBox::Cancel << 1 << -1;
}

void tst_ThermoregCommandEditDelegate::description()
{
    QFETCH(int, extra);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(int, boxes);
    QFETCH(int, storedLength);

    ConfiguratorTest::ScriptedDialogService dialogs;
    dialogs.answers << answer;
    const int max = InitSettings::maxDescriptionChars();
    auto* model = new TableModels::ThermoregulationCommandModel(DeviceAddress(1, E, E, E), "Cool", 5, 10);
    Table table(model, new EditDelegates::ThermoregCommandEditDelegate);
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    auto* lineEdit = table.open<QLineEdit>(0);
    QVERIFY(lineEdit);
    const QString typed = QString(max + extra, QChar('x'));
    lineEdit->setText(typed);
    QTest::keyClick(lineEdit, Qt::Key_Return);
    QTRY_VERIFY(table.closed<QLineEdit>());

    QCOMPARE(dialogs.boxes.size(), boxes);
    if (boxes)
        QCOMPARE(dialogs.boxes.first().icon, QMessageBox::Warning);
    // 0: the first max characters; -1: the old description.
    QCOMPARE(model->description(), storedLength < 0 ? QString("Cool") : typed.left(max));
}

void tst_ThermoregCommandEditDelegate::offPresence()
{
    auto* model = new TableModels::ThermoregulationOffCmdModel(DeviceAddress(1, E, E, E), false);
    Table table(model, new EditDelegates::ThermoregulationOffCmdDelegate);
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    auto* combo = table.open<Editors::YesNoEditor>(0);
    QVERIFY(combo);
    QCOMPARE(combo->currentIndex(), 0);
    combo->setCurrentIndex(1);
    QTRY_VERIFY(table.closed<Editors::YesNoEditor>());
    QVERIFY(model->presence());
    QCOMPARE(model->index(0, 1).data().toString(), QString("Yes"));
}

QTEST_MAIN(tst_ThermoregCommandEditDelegate)
#include "tst_thermoregcommandeditdelegate.moc"

#include "CellEditing.h"
#include "ScriptedDialogService.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "editdelegates/ThermoregTemperatureDelegate.h"
#include "tablemodels/ThermoregTemperatureEditModel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Devices::ThermoregulationDeviceProperties;
using TableModels::ThermoregTemperatureEditModel;

namespace {

const double LOW = ThermoregulationDeviceProperties::MIN_TEMPERATURE;
const double HIGH = ThermoregulationDeviceProperties::MAX_TEMPERATURE;

// The Temperature pane's table.
struct Table
{
    QTableView view;
    ThermoregTemperatureEditModel* model;

    Table(double min, double max, double step)
        : model(new ThermoregTemperatureEditModel(min, max, step, &view))
    {
        view.setModel(model);
        view.setItemDelegate(new EditDelegates::ThermoregTemperatureDelegate(&view));
        view.setEditTriggers(QAbstractItemView::CurrentChanged);
        view.resize(400, 120);
        view.show();
    }
    template<typename Editor>
    Editor* open(int row)
    {
        view.setCurrentIndex(model->index(row, 1));
        return view.viewport()->findChild<Editor*>();
    }
    // Moves on to the caption of row 0, which closes any editor.
    void leave() { view.setCurrentIndex(model->index(0, 0)); }
};

} // namespace

class tst_ThermoregTemperatureDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void typedOutsideBoundsRefused_data();
    void typedOutsideBoundsRefused();
    void passingOverKeepsValue_data();
    void passingOverKeepsValue();
    void typedValueWritten();
    void step_data();
    void step();
};

void tst_ThermoregTemperatureDelegate::typedOutsideBoundsRefused_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("refusal");

    // Min 18, max 26: each stops at the other and at the allowed 5 to 40.
    QTest::newRow("min above the maximum") << 0 << "40"
        << "\"40\" is not a valid minimum temperature: it is a number from 5 to 26. The temperature was not changed.";
    QTest::newRow("min below the allowed") << 0 << "4.5"
        << "\"4.5\" is not a valid minimum temperature: it is a number from 5 to 26. The temperature was not changed.";
    QTest::newRow("max below the minimum") << 1 << "17"
        << "\"17\" is not a valid maximum temperature: it is a number from 18 to 40. The temperature was not changed.";
    QTest::newRow("max no number") << 1 << "2x"
        << "\"2x\" is not a valid maximum temperature: it is a number from 18 to 40. The temperature was not changed.";
}

void tst_ThermoregTemperatureDelegate::typedOutsideBoundsRefused()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(QString, refusal);

    ConfiguratorTest::ScriptedDialogService dialogs;
    Table table(18, 26, 0.5);
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    auto* editor = table.open<QLineEdit>(row);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    QCOMPARE(editor->text(), typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_COMPARE(dialogs.boxes.size(), 1);
    QCOMPARE(dialogs.boxes.constFirst().icon, QMessageBox::Warning);
    QCOMPARE(dialogs.boxes.constFirst().text, refusal);
    QCOMPARE(table.model->minTemp(), 18.0);
    QCOMPARE(table.model->maxTemp(), 26.0);
}

void tst_ThermoregTemperatureDelegate::passingOverKeepsValue_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");

    QTest::newRow("eighths of a degree") << 0 << 16.125 << 29.875;
    QTest::newRow("max of eighths") << 1 << 16.125 << 29.875;
    QTest::newRow("minimum below the allowed range, read from a file") << 0 << 2.0 << 30.0;
    QTest::newRow("maximum above the allowed range, read from a file") << 1 << 16.0 << 45.5;
    QTest::newRow("more decimals than shown") << 0 << 16.0625 << 30.0;
}

void tst_ThermoregTemperatureDelegate::passingOverKeepsValue()
{
    QFETCH(int, row);
    QFETCH(double, min);
    QFETCH(double, max);

    Table table(min, max, 0.5);
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    QVERIFY(table.open<QLineEdit>(row));
    table.leave();
    QTRY_VERIFY(!table.view.viewport()->findChild<QLineEdit*>());
    QCOMPARE(table.model->minTemp(), min);
    QCOMPARE(table.model->maxTemp(), max);
}

void tst_ThermoregTemperatureDelegate::typedValueWritten()
{
    Table table(16, 30, 0.5);
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    auto* editor = table.open<QLineEdit>(0);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "17.375");
    table.leave();
    QTRY_COMPARE(table.model->minTemp(), 17.375);
    QCOMPARE(table.model->maxTemp(), 30.0);
}

void tst_ThermoregTemperatureDelegate::step_data()
{
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("opensOn");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("picked");
    QTest::addColumn<double>("written");

    QTest::newRow("0.5 opens on 0.5") << 0.5 << 0 << -1 << false << 0.5;
    QTest::newRow("0.7 opens on 1, kept untouched") << 0.7 << 1 << -1 << false << 0.7;
    QTest::newRow("0.7 changed to 0.5") << 0.7 << 1 << 0 << false << 0.5;
    QTest::newRow("0.5 changed to 1") << 0.5 << 0 << 1 << false << 1.0;
    QTest::newRow("within the tolerance of 0.5") << 0.5000000001 << 0 << -1 << false << 0.5000000001;
    QTest::newRow("0.7, the shown 1 picked in the list") << 0.7 << 1 << 1 << true << 1.0;
}

void tst_ThermoregTemperatureDelegate::step()
{
    QFETCH(double, step);
    QFETCH(int, opensOn);
    QFETCH(int, choice);
    QFETCH(bool, picked);
    QFETCH(double, written);

    Table table(16, 30, step);
    QVERIFY(QTest::qWaitForWindowExposed(&table.view));
    auto* combo = table.open<QComboBox>(2);
    QVERIFY(combo);
    QCOMPARE(combo->count(), 2);
    QCOMPARE(combo->itemText(0), QString("0.5"));
    QCOMPARE(combo->itemText(1), QString("1"));
    QCOMPARE(combo->currentIndex(), opensOn);
    if (picked)
        QVERIFY(ConfiguratorTest::pickInList(combo, choice));
    else if (choice >= 0)
        combo->setCurrentIndex(choice);
    else
        table.leave();
    QTRY_VERIFY(!table.view.viewport()->findChild<QComboBox*>());
    QCOMPARE(table.model->step(), written);
}

QTEST_MAIN(tst_ThermoregTemperatureDelegate)
#include "tst_thermoregtemperaturedelegate.moc"

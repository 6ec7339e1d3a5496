#include "CellEditing.h"
#include "ScriptedDialogService.h"
#include "devices/DeviceEnums.h"
#include "devices/StringConsts.h"
#include "editdelegates/EconomicEvalDelegate.h"
#include "editors/CurrencyEvalEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/EconomicEvalTableModel.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QTableView>
#include <QTest>

using namespace Corvane::Configurator;
using Corvane::Devices::DeviceEnums::Currency;
using TableModels::EconomicEvalTableModel;

// The rows of the economic-evaluation dialog and their editors.
class tst_EconomicEvalDelegate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void modelRows();
    void tariffNotNumberStoresZero();
    void currencyEditorListsEveryCurrency();
    void typedTariff_data();
    void typedTariff();
    void passingOverTheTariffKeepsIt();
    void combosCommitOnChoice();
};

void tst_EconomicEvalDelegate::modelRows()
{
    EconomicEvalTableModel model(true, Corvane::Devices::DeviceEnums::UsDollar, 0.000012345678);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.index(0, 0).data().toString(), QString("Presence"));
    QCOMPARE(model.index(2, 0).data().toString(), QString("Tariff"));
    QCOMPARE(model.index(1, 1).data().toString(), Corvane::Devices::StringConsts::getCurrencyString(1));
    QCOMPARE(model.index(2, 1).data().toString(), QString("1.23457e-05"));
    QCOMPARE(model.index(2, 1).data(Qt::EditRole).toDouble(), 0.000012345678);
    QVERIFY(!model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, 1)).testFlag(Qt::ItemIsEditable));
    QVERIFY(!model.setData(model.index(0, 0), false));
    QCOMPARE(model.getHelpMessage(model.index(1, 1)).text(), QString("Set the currency"));
}

void tst_EconomicEvalDelegate::tariffNotNumberStoresZero()
{
    EconomicEvalTableModel model(false, 0, 3.5);
    QVERIFY(model.setData(model.index(2, 1), "abc"));
    QCOMPARE(model.tariff(), 0.0);
}

void tst_EconomicEvalDelegate::currencyEditorListsEveryCurrency()
{
    Editors::CurrencyEvalEditor editor(Corvane::Devices::DeviceEnums::SwissFranc);
    QCOMPARE(editor.count(), 5);
    QCOMPARE(editor.itemData(0).toInt(), int(Corvane::Devices::DeviceEnums::Euro));
    QCOMPARE(editor.currentData().toInt(), int(Corvane::Devices::DeviceEnums::SwissFranc));
}

void tst_EconomicEvalDelegate::typedTariff_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("kept");
    QTest::addColumn<QString>("refusal");

    // The tariff starts at 1.
    QTest::newRow("six decimals") << "0.123456" << 0.123456 << QString();
    QTest::newRow("the maximum") << "100000" << 100000.0 << QString();
    QTest::newRow("below zero refused") << "-5" << 1.0
        << "\"-5\" is not a valid tariff: it is a number from 0 to 100000. The tariff was not changed.";
    QTest::newRow("above the maximum refused") << "100001" << 1.0
        << "\"100001\" is not a valid tariff: it is a number from 0 to 100000. The tariff was not changed.";
    QTest::newRow("no number refused") << "1.2x" << 1.0
        << "\"1.2x\" is not a valid tariff: it is a number from 0 to 100000. The tariff was not changed.";
}

void tst_EconomicEvalDelegate::typedTariff()
{
    QFETCH(QString, typed);
    QFETCH(double, kept);
    QFETCH(QString, refusal);

    ConfiguratorTest::ScriptedDialogService dialogs;
    EconomicEvalTableModel model(true, 0, 1.0);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new EditDelegates::EconomicEvalDelegate(&view));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* editor = ConfiguratorTest::openEditor<QLineEdit>(&view, model.index(EconomicEvalTableModel::TariffRow, 1));
    QVERIFY(editor);
    QCOMPARE(editor->text(), QString("1"));
    editor->selectAll();
    QTest::keyClicks(editor, typed);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(ConfiguratorTest::editorClosed<QLineEdit>(&view));
    QCOMPARE(model.tariff(), kept);
    QCOMPARE(dialogs.boxes.size(), refusal.isEmpty() ? 0 : 1);
    if (!refusal.isEmpty()) {
        QCOMPARE(dialogs.boxes.constFirst().icon, QMessageBox::Warning);
        QCOMPARE(dialogs.boxes.constFirst().text, refusal);
    }
}

void tst_EconomicEvalDelegate::passingOverTheTariffKeepsIt()
{
    // The dialog's table opens an editor as soon as a cell becomes current.
    EconomicEvalTableModel model(true, 0, 0.1234);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new EditDelegates::EconomicEvalDelegate(&view));
    view.setEditTriggers(QAbstractItemView::CurrentChanged);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setCurrentIndex(model.index(2, 1));
    QTRY_VERIFY(view.viewport()->findChild<QLineEdit*>());
    view.setCurrentIndex(model.index(2, 0));
    QTRY_VERIFY(!view.viewport()->findChild<QLineEdit*>());
    QCOMPARE(model.tariff(), 0.1234);
}

void tst_EconomicEvalDelegate::combosCommitOnChoice()
{
    EconomicEvalTableModel model(false, 0, 1.0);
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new EditDelegates::EconomicEvalDelegate(&view));
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    view.edit(model.index(0, 1));
    auto* presence = view.viewport()->findChild<Editors::YesNoEditor*>();
    QVERIFY(presence);
    presence->setCurrentIndex(1);
    QTRY_VERIFY(!view.viewport()->findChild<Editors::YesNoEditor*>());
    QVERIFY(model.presence());

    view.edit(model.index(1, 1));
    auto* currency = view.viewport()->findChild<Editors::CurrencyEvalEditor*>();
    QVERIFY(currency);
    currency->setCurrentIndex(4);
    QTRY_VERIFY(!view.viewport()->findChild<Editors::CurrencyEvalEditor*>());
    QCOMPARE(model.currency(), 4);
}

QTEST_MAIN(tst_EconomicEvalDelegate)
#include "tst_economicevaldelegate.moc"

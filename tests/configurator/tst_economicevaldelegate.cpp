#include "devices/DeviceEnums.h"
#include "devices/StringConsts.h"
#include "editdelegates/EconomicEvalDelegate.h"
#include "editors/CurrencyEvalEditor.h"
#include "editors/YesNoEditor.h"
#include "tablemodels/EconomicEvalTableModel.h"

#include <QAbstractItemModelTester>
#include <QDoubleSpinBox>
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
    void tariffSpinBoxBounds_data();
    void tariffSpinBoxBounds();
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

void tst_EconomicEvalDelegate::tariffSpinBoxBounds_data()
{
    QTest::addColumn<double>("typed");
    QTest::addColumn<double>("kept");

    QTest::newRow("below zero") << -5.0 << 0.0;
    QTest::newRow("above the maximum") << 100001.0 << 100000.0;
    QTest::newRow("six decimals") << 0.123456 << 0.123456;
}

void tst_EconomicEvalDelegate::tariffSpinBoxBounds()
{
    QFETCH(double, typed);
    QFETCH(double, kept);

    EconomicEvalTableModel model(true, 0, 1.0);
    EditDelegates::EconomicEvalDelegate delegate;
    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), model.index(2, 1)));
    auto* spinBox = qobject_cast<QDoubleSpinBox*>(editor.get());
    QVERIFY(spinBox);
    spinBox->setValue(typed);
    delegate.setModelData(spinBox, &model, model.index(2, 1));
    QCOMPARE(model.tariff(), kept);
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
    QTRY_VERIFY(view.viewport()->findChild<QDoubleSpinBox*>());
    view.setCurrentIndex(model.index(2, 0));
    QTRY_VERIFY(!view.viewport()->findChild<QDoubleSpinBox*>());
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

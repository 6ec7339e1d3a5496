#include "TableFixtures.h"

#include "energy/EnergyDataTariffModel.h"
#include "energy/GraphicsTable.h"
#include "energy/GraphicsTableCell.h"
#include "text/TextLabel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;
using Corvane::Gadgets::Models::EnergyDataTariffModel;
using Corvane::Gadgets::Models::EnergyTariffItemData;

namespace {

EnergyTariffItemData row(const QString& description, double value)
{
    return EnergyTariffItemData(description, 12, "Electricity", value, "EUR", "kWh");
}

} // namespace

class tst_EnergyDataTariffModel : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void cells_data();
    void cells();
    void flagsAndHeaders();
    void editing();
    void rowsByItemId();
    void settersByItemId();
    void itemDataFields();
    void retranslateAsksForNewHeaders();
    void tariffEditedInTheTableInTheUsersLocale();
};

void tst_EnergyDataTariffModel::cells_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("text");
    QTest::addColumn<int>("alignment");

    QTest::newRow("description") << 0 << QVariant("Meter") << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("address") << 1 << QVariant(12) << 132;
    QTest::newRow("family") << 2 << QVariant("Electricity") << 132;
    QTest::newRow("value") << 3 << QVariant(0.25) << 132;
    QTest::newRow("unit") << 4 << QVariant("EUR/kWh") << 132;
}

void tst_EnergyDataTariffModel::cells()
{
    QFETCH(int, column);
    QFETCH(QVariant, text);
    QFETCH(int, alignment);

    EnergyDataTariffModel model;
    model.addEnergyItem(7, row("Meter", 0.25));
    QCOMPARE(model.data(0, column, TextRole), text);
    QCOMPARE(model.data(0, column, EditTextRole), text);
    QCOMPARE(model.data(0, column, TextAlignmentRole).toInt(), alignment);
    QCOMPARE(model.data(0, column, RectRole).toRectF(), model.cellRect(0, column));
}

void tst_EnergyDataTariffModel::flagsAndHeaders()
{
    EnergyDataTariffModel model;
    model.addEnergyItem(7, row("Meter", 0.25));
    for (int column = 0; column < 5; ++column)
        QCOMPARE(model.flags(0, column).testFlag(Qt::ItemIsEditable), column == 3);
    QVERIFY(!model.flags(1, 3).testFlag(Qt::ItemIsEditable));
    QVERIFY(model.hasHeader(Qt::Horizontal));
    QVERIFY(!model.hasHeader(Qt::Vertical));
    const QStringList titles{"Description", "Address", "Family", "Value", "Unit"};
    for (int section = 0; section < 5; ++section)
        QCOMPARE(model.headerData(Qt::Horizontal, section, TextRole).toString(), titles.at(section));
    QCOMPARE(model.columnWidth(4), 66.72302);
    QCOMPARE(model.columnWidth(5), 0.0);
}

void tst_EnergyDataTariffModel::editing()
{
    EnergyDataTariffModel model;
    model.addEnergyItem(3, row("A", 1.0));
    model.addEnergyItem(9, row("B", 0.2));
    QSignalSpy changed(&model, &EnergyDataTariffModel::energyTariffItemDataChanged);
    QSignalSpy data(&model, &Models::AbstractTableModel::dataChanged);

    QVERIFY(!model.setData(1, 3, 0.2, EditTextRole));
    QCOMPARE(changed.size(), 0);
    QVERIFY(!model.setData(1, 3, 0.5, TextRole));
    QVERIFY(model.setData(1, 3, 0.5, EditTextRole));
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().first().toInt(), 9);
    QCOMPARE(data.last(), QVariantList({1, 3, 128}));
    QCOMPARE(model.energyItemAt(9).value(), 0.5);
}

void tst_EnergyDataTariffModel::rowsByItemId()
{
    EnergyDataTariffModel model;
    QSignalSpy removed(&model, &Models::AbstractTableModel::rowsRemoved);
    model.clear();
    QCOMPARE(removed.size(), 0);

    model.addEnergyItem(1, row("first", 1));
    model.addEnergyItem(2, row("other", 2));
    model.addEnergyItem(1, row("later", 3));
    model.removeEnergyItem(1);
    QCOMPARE(removed.last(), QVariantList({2, 2}));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.energyItemAt(1).description(), QString("first"));
    model.removeEnergyItem(42);
    QCOMPARE(removed.size(), 1);

    const EnergyTariffItemData missing = model.energyItemAt(42);
    QCOMPARE(missing.value(), -1.0);
    QVERIFY(missing.description().isEmpty() && missing.unit().isEmpty() && missing.currency().isEmpty());

    model.clear();
    QCOMPARE(removed.last(), QVariantList({0, 1}));
}

void tst_EnergyDataTariffModel::settersByItemId()
{
    EnergyDataTariffModel model;
    model.addEnergyItem(5, row("a", 1));
    model.addEnergyItem(6, row("b", 1));
    model.addEnergyItem(5, row("c", 1));
    QSignalSpy data(&model, &Models::AbstractTableModel::dataChanged);
    QSignalSpy edited(&model, &EnergyDataTariffModel::energyTariffItemDataChanged);
    model.setTariff(5, 0.3);
    QCOMPARE(data.size(), 2);
    QCOMPARE(data.at(0), QVariantList({0, 3, 192}));
    QCOMPARE(data.at(1), QVariantList({2, 3, 192}));
    model.setCurrency(6, "CHF");
    model.setUnit(6, "m3");
    QCOMPARE(model.data(1, 4, TextRole).toString(), QString("CHF/m3"));
    QCOMPARE(data.last(), QVariantList({1, 4, 64}));
    model.setFamily(5, "Gas");
    model.setDescription(5, "Kitchen");
    QCOMPARE(model.data(2, 2, TextRole).toString(), QString("Gas"));
    QCOMPARE(model.data(2, 0, TextRole).toString(), QString("Kitchen"));
    data.clear();
    model.setTariff(77, 1.0);
    QCOMPARE(data.size(), 0);
    QCOMPARE(edited.size(), 0);
}

void tst_EnergyDataTariffModel::itemDataFields()
{
    EnergyTariffItemData item = row("x", 0.1);
    QVERIFY(!item[6].isValid());
    QCOMPARE(item[5].toString(), QString("kWh"));
    item.setAt(5, "MWh");
    QCOMPARE(item.unit(), QString("kWh"));
    item.setAt(3, QVariant());
    QCOMPARE(item.value(), 0.1);
    item.setAt(1, 44);
    item.setAt(4, "USD");
    QCOMPARE(item.address(), 44);
    QCOMPARE(item.currency(), QString("USD"));
}

void tst_EnergyDataTariffModel::retranslateAsksForNewHeaders()
{
    EnergyDataTariffModel model;
    QSignalSpy headers(&model, &Models::AbstractTableModel::headerDataChanged);
    model.retranslate();
    QCOMPARE(headers.size(), 5);
    QCOMPARE(headers.at(4).at(1).toInt(), 4);
    QCOMPARE(headers.at(4).at(2).toInt(), 64);
}

void tst_EnergyDataTariffModel::tariffEditedInTheTableInTheUsersLocale()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    EnergyDataTariffModel model;
    model.addEnergyItem(8, row("Oven", 0.25));
    GraphicsTable table(nullptr);
    table.setModel(&model);
    QSignalSpy edited(&model, &EnergyDataTariffModel::energyTariffItemDataChanged);
    GraphicsTableCell* value = table.cell(0, 3);
    QCOMPARE(value->text(), QString("0,25"));

    emit value->label()->textChanged("not a price");
    QCOMPARE(edited.size(), 0);
    QCOMPARE(model.energyItemAt(8).value(), 0.25);

    emit value->label()->textChanged("0,31");
    QCOMPARE(edited.size(), 1);
    QCOMPARE(model.energyItemAt(8).value(), 0.31);
    QCOMPARE(value->text(), QString("0,31"));
}

QTEST_MAIN(tst_EnergyDataTariffModel)
#include "tst_energydatatariffmodel.moc"

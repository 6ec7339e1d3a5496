#include "TableFixtures.h"

#include "energy/EnergyDataViewTableModel.h"
#include "energy/GraphicsTable.h"

#include <QSignalSpy>
#include <QTest>

#include <limits>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;
using Corvane::Gadgets::Models::EnergyDataViewTableItem;
using Corvane::Gadgets::Models::EnergyDataViewTableModel;

class tst_EnergyDataViewTableModel : public QObject
{
    Q_OBJECT

private slots:
    void cellTexts_data();
    void cellTexts();
    void rowColours();
    void headers();
    void clearAndRefillSignals();
    void tableSize();
};

void tst_EnergyDataViewTableModel::cellTexts_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    // German: the decimal comma, and the thousands point.
    QTest::newRow("one decimal") << 12.5 << "12,500";
    QTest::newRow("rounded") << 0.12345 << "0,123";
    QTest::newRow("negative") << -3.0 << "-3,000";
    QTest::newRow("thousands") << 1234.5 << "1.234,500";
    QTest::newRow("NaN is an empty cell") << std::numeric_limits<double>::quiet_NaN() << "";
    QTest::newRow("infinity is an empty cell") << std::numeric_limits<double>::infinity() << "";
}

void tst_EnergyDataViewTableModel::cellTexts()
{
    QFETCH(double, value);
    QFETCH(QString, text);

    QLocale::setDefault(QLocale(QLocale::German));
    EnergyDataViewTableModel model;
    model.addItem(EnergyDataViewTableItem("07", value));
    QCOMPARE(model.data(0, 0, TextRole).toString(), QString("07"));
    QCOMPARE(model.data(0, 1, TextRole).toString(), text);
    QCOMPARE(model.data(0, 1, EditTextRole).toString(), text);
    QCOMPARE(model.data(0, 1, TextAlignmentRole).toInt(), 132);
    QCOMPARE(int(model.flags(0, 1)), 33);
    QLocale::setDefault(QLocale::c());
}

void tst_EnergyDataViewTableModel::rowColours()
{
    IniTheme theme("energy_view_table_odd_rows_back_color=0.0 FF111111 1.0 FF111111\n"
                   "energy_view_table_even_rows_back_color=0.0 FF222222 1.0 FF222222\n"
                   "energy_view_table_border_color=FF333333\n");
    EnergyDataViewTableModel model;
    model.setThemeElementId("energy_view");
    model.addItem({"a", 1});
    model.addItem({"b", 2});
    QCOMPARE(model.data(0, 0, BackGradientStopsRole).value<QGradientStops>().first().second, QColor(0x111111));
    QCOMPARE(model.data(1, 0, BackGradientStopsRole).value<QGradientStops>().first().second, QColor(0x222222));
    QCOMPARE(model.data(1, 1, BorderColorRole).value<QColor>(), QColor(0x333333));
    QVERIFY(!model.data(2, 0, BackGradientStopsRole).isValid());
}

void tst_EnergyDataViewTableModel::headers()
{
    EnergyDataViewTableModel model;
    QSignalSpy headers(&model, &Models::AbstractTableModel::headerDataChanged);
    model.setXLabel("Days");
    model.setYLabel("");
    QCOMPARE(headers.size(), 2);
    QCOMPARE(headers.at(0).at(1).toInt(), 0);
    QCOMPARE(headers.at(1).at(1).toInt(), 1);
    QCOMPARE(headers.at(0).at(2).toInt(), 64);
    QCOMPARE(model.headerData(Qt::Horizontal, 0, TextRole).toString(), QString("Days"));
    QCOMPARE(model.headerData(Qt::Horizontal, 1, TextRole), QVariant(QString("")));
    QVERIFY(!model.hasHeader(Qt::Vertical));
    QCOMPARE(model.headerData(Qt::Vertical, 0, TextRole), QVariant(1));
}

void tst_EnergyDataViewTableModel::clearAndRefillSignals()
{
    EnergyDataViewTableModel model;
    for (int i = 0; i < 5; ++i)
        model.addItem({QString::number(i), double(i)});
    QSignalSpy removed(&model, &Models::AbstractTableModel::rowsRemoved);
    QSignalSpy inserted(&model, &Models::AbstractTableModel::rowsInserted);
    model.clear();
    for (int i = 0; i < 3; ++i)
        model.addItem({QString::number(i), double(i)});
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed.first(), QVariantList({0, 4}));
    QCOMPARE(inserted.size(), 3);
    QCOMPARE(inserted.at(2), QVariantList({2, 2}));
    removed.clear();
    EnergyDataViewTableModel empty;
    QSignalSpy none(&empty, &Models::AbstractTableModel::rowsRemoved);
    empty.clear();
    QCOMPARE(none.size(), 0);
}

void tst_EnergyDataViewTableModel::tableSize()
{
    EnergyDataViewTableModel model;
    GraphicsTable table(nullptr);
    table.setModel(&model);
    for (int i = 0; i < 4; ++i)
        model.addItem({QString::number(i), double(i)});
    QCOMPARE(table.tableBounds().width(), 319.188);
    QCOMPARE(table.tableBounds().height(), 32.146 + 25 * 4);
}

QTEST_MAIN(tst_EnergyDataViewTableModel)
#include "tst_energydataviewtablemodel.moc"

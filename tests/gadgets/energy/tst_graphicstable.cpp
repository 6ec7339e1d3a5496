#include "TableFixtures.h"

#include "energy/GraphicsTable.h"
#include "energy/GraphicsTableCell.h"
#include "text/TextLabel.h"

#include <QSignalSpy>
#include <QTest>
#include <QValidator>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

int cellItemsOf(const GraphicsTable& table)
{
    int count = 0;
    for (QGraphicsItem* child : table.childItems())
        count += dynamic_cast<GraphicsTableCell*>(child) ? 1 : 0;
    return count;
}

QList<int> visibleRows(const GraphicsTable& table)
{
    QList<int> rows;
    for (int r = 0; r < table.tableCapacityRowsCount(); ++r) {
        if (table.cell(r, 0) && table.cell(r, 0)->isVisible())
            rows << r;
    }
    return rows;
}

void finishEdit(GraphicsTableCell* cell, const QString& text)
{
    emit cell->label()->textChanged(text);
}

} // namespace

class tst_GraphicsTable : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void poolKeepsRowsAndReusesThem();
    void shrinkingHidesCellsAndHeaders_data();
    void shrinkingHidesCellsAndHeaders();
    void cellsTakeTheModelsGeometryAndText();
    void rowsAppendedOneByOneMatchTheModel();
    void overriddenDimensions();
    void readOnlyCellsGetNoValidator();
    void editsReachSetData_data();
    void editsReachSetData();
    void editableNumbersUseTheValidatorsLocale();
    void modelTextsNeverComeBack();
    void borderWidth();
    void withoutAModelNothingHappens();
    void aDeletedModelIsForgotten();
};

void tst_GraphicsTable::poolKeepsRowsAndReusesThem()
{
    FixtureTableModel model;
    model.rows = 5;
    model.columns = 2;
    GraphicsTable table(nullptr);
    table.setModel(&model);
    QCOMPARE(table.tableCapacityRowsCount(), 5);
    const int items = cellItemsOf(table);
    QCOMPARE(items, 5 * 2 + 2);

    model.resize(0, 2);
    QCOMPARE(table.rowsCount(), 0);
    QCOMPARE(visibleRows(table), QList<int>());
    QVERIFY(!table.header(Qt::Horizontal, 0)->isVisible());

    model.resize(3, 2);
    QCOMPARE(table.tableCapacityRowsCount(), 5);
    QCOMPARE(cellItemsOf(table), items);
    QCOMPARE(visibleRows(table), QList<int>({0, 1, 2}));
    QVERIFY(table.header(Qt::Horizontal, 1)->isVisible());
    QCOMPARE(table.cell(2, 1)->text(), QString("2,1"));
}

void tst_GraphicsTable::shrinkingHidesCellsAndHeaders_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("newRows");
    QTest::addColumn<int>("newColumns");

    QTest::newRow("5 to 3 rows") << 5 << 2 << 3 << 2;
    QTest::newRow("4 to 2 columns") << 3 << 4 << 3 << 2;
    QTest::newRow("both") << 4 << 4 << 1 << 1;
}

void tst_GraphicsTable::shrinkingHidesCellsAndHeaders()
{
    QFETCH(int, rows);
    QFETCH(int, columns);
    QFETCH(int, newRows);
    QFETCH(int, newColumns);

    FixtureTableModel model;
    model.rows = rows;
    model.columns = columns;
    model.verticalHeader = true;
    GraphicsTable table(nullptr);
    table.setModel(&model);
    QSignalSpy dimensions(&table, &GraphicsTable::dimensionsChanged);
    model.rows = newRows;
    model.columns = newColumns;
    emit model.columnsRemoved(newColumns, columns - 1);
    QCOMPARE(dimensions.size(), 1);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c)
            QCOMPARE(table.cell(r, c)->isVisible(), r < newRows && c < newColumns);
        QCOMPARE(table.header(Qt::Vertical, r)->isVisible(), r < newRows);
    }
    for (int c = 0; c < columns; ++c)
        QCOMPARE(table.header(Qt::Horizontal, c)->isVisible(), c < newColumns);
}

void tst_GraphicsTable::cellsTakeTheModelsGeometryAndText()
{
    FixtureTableModel model;
    model.rows = 3;
    model.columns = 2;
    GraphicsTable table(nullptr);
    table.setModel(&model);
    QCOMPARE(table.cell(2, 1)->scaledBounds(), model.cellRect(2, 1));
    QCOMPARE(table.header(Qt::Horizontal, 1)->scaledBounds(), model.headerRect(Qt::Horizontal, 1));
    QCOMPARE(table.header(Qt::Horizontal, 1)->text(), QString("2"));
    QCOMPARE(table.tableBounds(), QRectF(0, 0, 110, 30 + 20 + 21 + 22));
    QCOMPARE(table.boundingRect(), table.tableBounds());
}

void tst_GraphicsTable::rowsAppendedOneByOneMatchTheModel()
{
    FixtureTableModel model;
    model.columns = 2;
    GraphicsTable table(nullptr);
    table.setModel(&model);
    for (int r = 0; r < 6; ++r)
        model.resize(r + 1, 2);
    QCOMPARE(table.rowsCount(), 6);
    for (int r = 0; r < 6; ++r) {
        QCOMPARE(table.cell(r, 1)->text(), QStringLiteral("%1,1").arg(r));
        QCOMPARE(table.cell(r, 0)->scaledBounds(), model.cellRect(r, 0));
    }
    QCOMPARE(table.tableBounds().bottom(), model.cellRect(5, 1).bottom());
}

void tst_GraphicsTable::overriddenDimensions()
{
    FixtureTableModel model;
    model.rows = 3;
    model.columns = 2;
    GraphicsTable table(nullptr);
    table.setOverrideModelDimensions(true);
    table.setDefaultRowHeight(20);
    table.setRowsHeight({{1, 40.0}});
    table.setModel(&model);
    QCOMPARE(table.cell(2, 0)->scaledBounds(), QRectF(0, 60, 50, 20));
    QCOMPARE(table.cell(1, 1)->scaledBounds(), QRectF(50, 20, 50, 40));
}

void tst_GraphicsTable::readOnlyCellsGetNoValidator()
{
    FixtureTableModel model;
    model.rows = 2;
    model.columns = 2;
    model.editableColumns = {1};
    GraphicsTable table(nullptr);
    table.setModel(&model);
    QVERIFY(!table.cell(0, 0)->validator());
    QVERIFY(!table.cell(0, 0)->isEditable());
    QVERIFY(table.cell(0, 1)->validator());
    QVERIFY(table.cell(0, 1)->isEditable());
}

void tst_GraphicsTable::editsReachSetData_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVariant>("written");

    QTest::newRow("number") << "12.5" << QVariant(12.5);
    QTest::newRow("spaces around") << " 7 " << QVariant(7.0);
    QTest::newRow("no number writes nothing") << "abc" << QVariant();
    QTest::newRow("empty writes nothing") << "" << QVariant();
    QTest::newRow("comma in the C locale is its decimal point") << "1,5" << QVariant(1.5);
    QTest::newRow("group separators write nothing") << "1,234.5" << QVariant();
}

void tst_GraphicsTable::editsReachSetData()
{
    QFETCH(QString, text);
    QFETCH(QVariant, written);

    FixtureTableModel model;
    model.rows = 2;
    model.columns = 2;
    model.editableColumns = {1};
    GraphicsTable table(nullptr);
    table.setModel(&model);
    table.setModel(&model);
    finishEdit(table.cell(1, 1), text);
    if (!written.isValid()) {
        QVERIFY(model.writes.isEmpty());
        return;
    }
    QCOMPARE(model.writes.size(), 1);
    QCOMPARE(model.writes.first().first, QPoint(1, 1));
    QCOMPARE(model.writes.first().second, written);
}

void tst_GraphicsTable::editableNumbersUseTheValidatorsLocale()
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    FixtureTableModel model;
    model.rows = 1;
    model.columns = 2;
    model.editableColumns = {1};
    model.values.insert(QPoint(1, 0), 0.25);
    model.values.insert(QPoint(0, 0), 1234.5);
    GraphicsTable table(nullptr);
    table.setModel(&model);
    QCOMPARE(table.cell(0, 1)->text(), QString("0,25"));
    QCOMPARE(table.cell(0, 0)->text(), QString("1234.5"));

    finishEdit(table.cell(0, 1), "0,5");
    QCOMPARE(model.writes.size(), 1);
    QCOMPARE(model.writes.first().second, QVariant(0.5));
    // A text left as the model's value shows writes nothing.
    finishEdit(table.cell(0, 1), "0,25");
    QCOMPARE(model.writes.size(), 1);
    finishEdit(table.cell(0, 1), "zero");
    QCOMPARE(model.writes.size(), 1);
}

void tst_GraphicsTable::modelTextsNeverComeBack()
{
    FixtureTableModel model;
    model.rows = 3;
    model.columns = 2;
    model.editableColumns = {0, 1};
    GraphicsTable table(nullptr);
    table.setModel(&model);
    model.resize(4, 2);
    emit model.dataChanged(1, 1, 63 | 64);
    QVERIFY(model.writes.isEmpty());
    finishEdit(table.cell(3, 0), "3");
    QCOMPARE(model.writes.size(), 1);
}

void tst_GraphicsTable::borderWidth()
{
    FixtureTableModel model;
    model.rows = 1;
    model.columns = 1;
    GraphicsTable table(nullptr);
    table.setModel(&model);
    table.setBorderWidth(-1);
    QCOMPARE(table.borderWidth(), 1);
    table.setBorderWidth(2);
    QCOMPARE(table.borderWidth(), 2);
    QCOMPARE(table.cell(0, 0)->borderWidth(), 1.0);
    model.resize(2, 1);
    QCOMPARE(table.cell(0, 0)->borderWidth(), 2.0);
}

void tst_GraphicsTable::withoutAModelNothingHappens()
{
    GraphicsTable table(nullptr);
    QSignalSpy dimensions(&table, &GraphicsTable::dimensionsChanged);
    table.setDimensions(3, 3);
    table.recalculateCellsBounds();
    table.onDataChanged(0, 0, 63);
    table.onHeaderDataChanged(Qt::Horizontal, 0, 63);
    table.onRowsAdded(0, 2);
    table.onRowsRemoved(0, 2);
    table.onColumnsAdded(0, 1);
    table.onColumnsRemoved(0, 1);
    QCOMPARE(table.tableCapacityRowsCount(), 0);
    QCOMPARE(dimensions.size(), 0);
    QCOMPARE(table.tableBounds(), QRectF());
}

void tst_GraphicsTable::aDeletedModelIsForgotten()
{
    auto model = std::make_unique<FixtureTableModel>();
    model->rows = 2;
    model->columns = 2;
    GraphicsTable table(nullptr);
    table.setModel(model.get());
    model.reset();
    QVERIFY(!table.model());
    table.setDimensions(4, 4);
    table.recalculateCellsBounds();
    QCOMPARE(table.rowsCount(), 2);
}

QTEST_MAIN(tst_GraphicsTable)
#include "tst_graphicstable.moc"

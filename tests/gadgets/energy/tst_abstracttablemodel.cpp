#include "TableFixtures.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;
using namespace Corvane::Gadgets::GadgetsCommon;
using Corvane::Gadgets::Models::TablePaintData;

class tst_AbstractTableModel : public QObject
{
    Q_OBJECT

private slots:
    void cellGeometry_data();
    void cellGeometry();
    void headerGeometry();
    void baseRoles();
    void gradientStopsTravelUnderTheirTypeName();
    void themeReading();
    void themeReadingAnnouncesEveryCellAndHeader();
    void emptyModelAnnouncesNothing();
};

void tst_AbstractTableModel::cellGeometry_data()
{
    QTest::addColumn<bool>("verticalHeader");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QRectF>("rect");

    QTest::newRow("first cell") << false << 0 << 0 << QRectF(0, 30, 50, 20);
    QTest::newRow("row 2 column 1") << false << 2 << 1 << QRectF(50, 30 + 20 + 21, 60, 22);
    QTest::newRow("with row headers") << true << 1 << 2 << QRectF(15 + 50 + 60, 30 + 20, 70, 21);
}

void tst_AbstractTableModel::cellGeometry()
{
    QFETCH(bool, verticalHeader);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QRectF, rect);

    FixtureTableModel model;
    model.rows = 3;
    model.columns = 3;
    model.verticalHeader = verticalHeader;
    QCOMPARE(model.cellRect(row, column), rect);
    QCOMPARE(model.data(row, column, RectRole).toRectF(), rect);
    QCOMPARE(model.data(row, column, SizeRole).toSizeF(), rect.size());
}

void tst_AbstractTableModel::headerGeometry()
{
    FixtureTableModel model;
    model.rows = 3;
    model.columns = 3;
    model.verticalHeader = true;
    QCOMPARE(model.headerRect(Qt::Horizontal, 1), QRectF(15 + 50, 0, 60, 30));
    QCOMPARE(model.headerRect(Qt::Vertical, 2), QRectF(0, 30 + 20 + 21, 15, 22));
    QCOMPARE(model.headerSize(Qt::Orientation(0), 0), QSizeF(-1, -1));
    QVERIFY(model.areHeaderIndicesValid(Qt::Vertical, 2));
    QVERIFY(!model.areHeaderIndicesValid(Qt::Vertical, 3));
    model.verticalHeader = false;
    QVERIFY(!model.areHeaderIndicesValid(Qt::Vertical, 0));
}

void tst_AbstractTableModel::baseRoles()
{
    FixtureTableModel model;
    model.rows = 2;
    model.columns = 2;
    QCOMPARE(model.headerData(Qt::Horizontal, 2, TextRole), QVariant(3));
    QVERIFY(!model.data(-1, 0, SizeRole).isValid());
    QVERIFY(!model.data(0, 2, RectRole).isValid());
    QVERIFY(!model.data(0, 0, BorderColorRole).isValid());
    QCOMPARE(int(model.flags(0, 0)), 33);
    QVERIFY(!model.setData(0, 0, 1.0, EditTextRole) || model.writes.size() == 1);
    QVERIFY(model.hasValidDimensions());
    model.rows = 0;
    QVERIFY(!model.hasValidDimensions());
}

void tst_AbstractTableModel::gradientStopsTravelUnderTheirTypeName()
{
    FixtureTableModel model;
    const QMetaType type = QMetaType::fromName("QGradientStops");
    QVERIFY(type.isValid());
    QCOMPARE(type, QMetaType::fromType<QGradientStops>());
}

void tst_AbstractTableModel::themeReading()
{
    IniTheme theme("view_table_border_color=FF112233\n"
                   "view_table_odd_rows_back_color=0.0 FF000000 1.0 FFFFFFFF\n"
                   "view_table_even_rows_back_color=0.0 FF000000 1.0\n"
                   "table_border_color=FF445566\n");
    FixtureTableModel model;
    model.setThemeElementId("view");
    QCOMPARE(model.paintData().borderColor, QColor(0x11, 0x22, 0x33));
    QCOMPARE(model.paintData().oddRowsBackStops.size(), 2);
    QVERIFY(model.paintData().evenRowsBackStops.isEmpty());
    QCOMPARE(model.paintData().readWriteCellsEditForeColor, QColor(Qt::transparent));

    FixtureTableModel bare;
    bare.setThemeElementId(QString());
    QCOMPARE(bare.paintData().borderColor, QColor(0x44, 0x55, 0x66));
    bare.setThemeElementId("missing");
    QCOMPARE(bare.paintData().borderColor, QColor(Qt::transparent));

    const QLinearGradient gradient = TablePaintData::stopsToGradient(model.paintData().oddRowsBackStops);
    QCOMPARE(gradient.coordinateMode(), QGradient::ObjectBoundingMode);
    QCOMPARE(gradient.finalStop(), QPointF(0, 1));
}

void tst_AbstractTableModel::themeReadingAnnouncesEveryCellAndHeader()
{
    FixtureTableModel model;
    model.rows = 2;
    model.columns = 3;
    model.verticalHeader = true;
    QSignalSpy cells(&model, &Models::AbstractTableModel::dataChanged);
    QSignalSpy headers(&model, &Models::AbstractTableModel::headerDataChanged);
    model.readThemeSettings();
    QCOMPARE(cells.size(), 6);
    QCOMPARE(cells.last(), QVariantList({1, 2, 63}));
    QCOMPARE(headers.size(), 5);
    QCOMPARE(headers.first().at(0).value<Qt::Orientation>(), Qt::Vertical);
    QCOMPARE(headers.last().at(0).value<Qt::Orientation>(), Qt::Horizontal);
}

void tst_AbstractTableModel::emptyModelAnnouncesNothing()
{
    FixtureTableModel model;
    model.columns = 3;
    QSignalSpy cells(&model, &Models::AbstractTableModel::dataChanged);
    model.readThemeSettings();
    QCOMPARE(cells.size(), 0);
}

QTEST_MAIN(tst_AbstractTableModel)
#include "tst_abstracttablemodel.moc"

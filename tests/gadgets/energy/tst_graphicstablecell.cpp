#include "energy/GraphicsTableCell.h"
#include "text/TextLabel.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QStyleOptionGraphicsItem>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

QImage paintCell(GraphicsTableCell& cell, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    cell.paint(&painter, &option, nullptr);
    return image;
}

} // namespace

class tst_GraphicsTableCell : public QObject
{
    Q_OBJECT

private slots:
    void borderStaysInsideTheCell_data();
    void borderStaysInsideTheCell();
    void noBorderWithoutAColour();
    void emptyCellPaintsNothing();
    void editFieldBounds();
    void setTextWithTheSameTextDoesNotReachTheLabel();
    void editsAreRelayed();
    void borderWidthRejectsNegativeValues();
};

void tst_GraphicsTableCell::borderStaysInsideTheCell_data()
{
    QTest::addColumn<QSizeF>("size");
    QTest::addColumn<double>("width");
    QTest::addColumn<QRectF>("rect");

    QTest::newRow("thin") << QSizeF(40, 20) << 2.0 << QRectF(1, 1, 38, 18);
    QTest::newRow("wider than half the height") << QSizeF(40, 20) << 30.0 << QRectF(5, 5, 30, 10);
}

void tst_GraphicsTableCell::borderStaysInsideTheCell()
{
    QFETCH(QSizeF, size);
    QFETCH(double, width);
    QFETCH(QRectF, rect);

    GraphicsTableCell cell(nullptr);
    cell.setBounds(QRectF(QPointF(0, 0), size));
    cell.setBorderWidth(width);
    cell.setBorderColor(Qt::red);
    QCOMPARE(cell.borderRect(), rect);
    const QImage image = paintCell(cell, QSize(60, 40));
    QCOMPARE(image.pixelColor(1, 10), QColor(Qt::red));
    QCOMPARE(image.pixelColor(45, 10), QColor(Qt::white));
}

void tst_GraphicsTableCell::noBorderWithoutAColour()
{
    GraphicsTableCell cell(nullptr);
    cell.setBounds(QRectF(0, 0, 40, 20));
    cell.setBorderWidth(4);
    const QImage image = paintCell(cell, QSize(40, 20));
    QCOMPARE(image.pixelColor(1, 1), QColor(Qt::white));
}

void tst_GraphicsTableCell::emptyCellPaintsNothing()
{
    GraphicsTableCell cell(nullptr);
    cell.setBounds(QRectF(0, 0, 40, 0));
    cell.setBackGradientStops({{0.0, Qt::blue}, {1.0, Qt::blue}});
    cell.setBorderColor(Qt::red);
    const QImage image = paintCell(cell, QSize(40, 20));
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::white));
}

void tst_GraphicsTableCell::editFieldBounds()
{
    GraphicsTableCell cell(nullptr);
    cell.setBounds(QRectF(0, 0, 100, 25));
    const QRectF field = cell.editBackBounds();
    QCOMPARE(field.width(), 100 - 2 * (4.0515 + 1));
    QCOMPARE(field.height(), 25 - 2 * (1.778 + 1));
    QCOMPARE(cell.label()->textBounds(), field);
    QCOMPARE(cell.textBounds(), QRectF(1, 1, 98, 23));
}

void tst_GraphicsTableCell::setTextWithTheSameTextDoesNotReachTheLabel()
{
    GraphicsTableCell cell(nullptr);
    cell.setText("12");
    QSignalSpy edits(&cell, &GraphicsTableCell::textChanged);
    cell.setText("12");
    cell.setText("13");
    QCOMPARE(cell.text(), QString("13"));
    QCOMPARE(edits.size(), 0);
}

void tst_GraphicsTableCell::editsAreRelayed()
{
    GraphicsTableCell cell(nullptr);
    QSignalSpy edits(&cell, &GraphicsTableCell::textChanged);
    emit cell.label()->textChanged("4.5");
    QCOMPARE(edits.size(), 1);
    QCOMPARE(edits.first().first().toString(), QString("4.5"));
}

void tst_GraphicsTableCell::borderWidthRejectsNegativeValues()
{
    GraphicsTableCell cell(nullptr);
    cell.setBorderWidth(-2);
    QCOMPARE(cell.borderWidth(), 1.0);
    cell.setBorderWidth(0);
    QCOMPARE(cell.borderWidth(), 0.0);
}

QTEST_MAIN(tst_GraphicsTableCell)
#include "tst_graphicstablecell.moc"

#include "charts/ChartColor.h"
#include "charts/ChartFonts.h"
#include "charts/ImageMapHandler.h"
#include "charts/XYChart.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using namespace Corvane::Charts;

class tst_XYChart : public QObject
{
    Q_OBJECT

private slots:
    void colourValues_data();
    void colourValues();
    void gradientColours();
    void pngDecodesAndBarsStayInThePlotArea();
    void gradientIsPlacedInImageCoordinates();
    void layoutFindsTicksAndPacksThePlotArea();
    void hostileValuesNeverLeaveThePlotArea_data();
    void hostileValuesNeverLeaveThePlotArea();
    void imageMapDescribesTheBars();
    void dynamicLayerAndDrawArea();
    void otherFormatsGiveNothing();
    void fontFilesLoadWhenPresent();
};

namespace {

constexpr int RED = 0x00FF0000;
constexpr int BLUE = 0x000000FF;

bool isBarRed(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) < 60 && qBlue(pixel) < 60 && qAlpha(pixel) > 200;
}

// A chart of count red bars of the given values in a plot area at
// (60, 20), 300 x 200, with a y scale from 0 to 10.
std::unique_ptr<XYChart> barChart(const QList<double>& values)
{
    auto chart = std::make_unique<XYChart>(400, 280, ChartColor::Transparent);
    chart->setPlotArea(60, 20, 300, 200, ChartColor::Transparent, -1, ChartColor::Transparent, ChartColor::Transparent);
    QList<int> colours(values.size(), RED);
    BarLayer* layer = chart->addBarLayer3(DoubleArray(values.constData(), int(values.size())),
                                          IntArray(colours.constData(), int(colours.size())));
    layer->setBorderColor(ChartColor::Transparent);
    layer->setDataCombineMethod(Layer::Stack);
    chart->yAxis()->setDateScale(0, 10);
    chart->yAxis()->setColors(ChartColor::Transparent, ChartColor::Transparent);
    chart->xAxis()->setColors(ChartColor::Transparent, ChartColor::Transparent);
    return chart;
}

QImage decode(XYChart& chart)
{
    const MemBlock block = chart.makeChart(BaseChart::PNG);
    return QImage::fromData(QByteArray(block.data, block.len), "PNG");
}

} // namespace

void tst_XYChart::colourValues_data()
{
    QTest::addColumn<int>("colour");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("opaque red") << 0x00FF0000 << QColor(255, 0, 0, 255);
    QTest::newRow("half transparent") << int(0x80102030) << QColor(0x10, 0x20, 0x30, 127);
    QTest::newRow("transparent") << ChartColor::Transparent << QColor(0, 0, 0, 0);
    QTest::newRow("no colour (-1)") << -1 << QColor(255, 255, 255, 0);
    QTest::newRow("text colour") << ChartColor::TextColor << QColor(Qt::black);
    QTest::newRow("background colour") << ChartColor::BackgroundColor << QColor(Qt::white);
}

void tst_XYChart::colourValues()
{
    QFETCH(int, colour);
    QFETCH(QColor, expected);
    QCOMPARE(ChartColor::toQColor(colour).rgba(), expected.rgba());
}

void tst_XYChart::gradientColours()
{
    DrawArea area(100, 100);
    const int stops[] = { 0, RED, 256, BLUE };
    const int gradient = area.linearGradientColor(0, 0, 100, 0, stops, 4);
    QVERIFY(ChartColor::isGradient(gradient));
    QVERIFY(area.isVisible(gradient));
    QCOMPARE(area.brush(gradient).style(), Qt::LinearGradientPattern);
    QCOMPARE(area.linearGradientColor(0, 0, 1, 0, nullptr, 0), ChartColor::Transparent);
    QCOMPARE(area.linearGradientColor(0, 0, 1, 0, stops, 2), RED);
    // A gradient of no length paints its first colour.
    const int point = area.linearGradientColor(5, 5, 5, 5, stops, 4);
    QCOMPARE(area.brush(point).color(), QColor(Qt::red));
    // A handle of another draw area is nothing here.
    QVERIFY(!DrawArea(10, 10).isVisible(gradient));
}

void tst_XYChart::pngDecodesAndBarsStayInThePlotArea()
{
    auto chart = barChart({ 2, 4, 6, 8, 10 });
    const QImage image = decode(*chart);
    QCOMPARE(image.size(), QSize(400, 280));
    const QRect plot = chart->getPlotArea()->rect();
    int redInside = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isBarRed(image.pixel(x, y)))
                continue;
            QVERIFY2(plot.contains(x, y), qPrintable(QStringLiteral("bar pixel at %1,%2").arg(x).arg(y)));
            ++redInside;
        }
    }
    QVERIFY(redInside > 1000);
    // Bar 4 (value 10) reaches the top of the plot area, bar 0 a fifth of it.
    const double slot = 300.0 / 5;
    QVERIFY(isBarRed(image.pixel(int(60 + 4.5 * slot), 21)));
    QVERIFY(!isBarRed(image.pixel(int(60 + 0.5 * slot), 175)));
    QVERIFY(isBarRed(image.pixel(int(60 + 0.5 * slot), 185)));
}

void tst_XYChart::gradientIsPlacedInImageCoordinates()
{
    auto chart = barChart({ 10 });
    const int stops[] = { 0, RED, 256, BLUE };
    const int gradient = chart->linearGradientColor(60, 0, 360, 0, stops, 4);
    chart->getPlotArea()->setBackground(gradient);
    const QImage image = decode(*chart);
    const QRgb left = image.pixel(62, 100);
    const QRgb right = image.pixel(357, 100);
    QVERIFY(qRed(left) > 240 && qBlue(left) < 15);
    QVERIFY(qBlue(right) > 240 && qRed(right) < 15);
}

void tst_XYChart::layoutFindsTicksAndPacksThePlotArea()
{
    XYChart chart(396, 232);
    chart.setPlotArea(99, 2, 293, 172);
    const double values[] = { 3, 12.5, 7 };
    chart.addBarLayer3(DoubleArray(values, 3));
    const char* labels[] = { "1", " ", "3" };
    chart.xAxis()->setLabels(StringArray(labels, 3));
    chart.xAxis()->setTitle("Day");
    chart.yAxis()->setTitle("kWh");
    chart.yAxis()->setTickDensity(20);
    chart.yAxis()->setDateScale(0, 12.5);
    chart.addTitle("Consumption");
    chart.layout();
    const DoubleArray ticks = chart.yAxis()->getTicks();
    QVERIFY(ticks.len >= 3);
    QCOMPARE(ticks[0], 0.0);
    QVERIFY(ticks[ticks.len - 1] <= 12.5);
    chart.packPlotArea(3, 0, 392, 232);
    const PlotArea* plot = chart.getPlotArea();
    QVERIFY(plot->getLeftX() > 3 + 10);
    QVERIFY(plot->getTopY() > 10);
    QVERIFY(plot->getRightX() <= 392);
    QVERIFY(plot->getBottomY() < 232 - 20);
    chart.setYAxisOnRight(true);
    chart.packPlotArea(3, 0, 392, 232);
    QVERIFY(chart.getPlotArea()->getLeftX() < 10);
    QVERIFY(chart.getPlotArea()->getRightX() < 392 - 10);
}

void tst_XYChart::hostileValuesNeverLeaveThePlotArea_data()
{
    QTest::addColumn<QList<double>>("values");
    QTest::addColumn<double>("yMax");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::newRow("not finite") << QList<double>({ nan, inf, -inf, 5 }) << 10.0;
    QTest::newRow("negative") << QList<double>({ -5, -1e308, 3 }) << 10.0;
    QTest::newRow("huge") << QList<double>({ 1e308, DBL_MAX, 5 }) << 10.0;
    QTest::newRow("scale of nothing") << QList<double>({ 1, 2, 3 }) << 0.0;
    QTest::newRow("scale not finite") << QList<double>({ 1, 2, 3 }) << inf;
    QTest::newRow("scale of the largest double") << QList<double>({ DBL_MAX, 1 }) << DBL_MAX;
    QTest::newRow("no values") << QList<double>() << 10.0;
    QTest::newRow("ten thousand bars") << QList<double>(10000, 7.0) << 10.0;
}

void tst_XYChart::hostileValuesNeverLeaveThePlotArea()
{
    QFETCH(QList<double>, values);
    QFETCH(double, yMax);
    auto chart = barChart(values);
    chart->yAxis()->setDateScale(0, yMax);
    chart->xAxis()->setTitle("Day");
    chart->packPlotArea(4, 0, 396, 280);
    const QImage image = decode(*chart);
    QCOMPARE(image.size(), QSize(400, 280));
    const QRect plot = chart->getPlotArea()->rect();
    QVERIFY(QRect(0, 0, 400, 280).contains(plot));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isBarRed(image.pixel(x, y)))
                QVERIFY2(plot.contains(x, y), qPrintable(QStringLiteral("bar pixel at %1,%2").arg(x).arg(y)));
        }
    }
    QVERIFY(chart->yAxis()->getTicks().len >= 1);
}

void tst_XYChart::imageMapDescribesTheBars()
{
    auto chart = barChart({ 5, 10 });
    const char* labels[] = { "Jan", "Feb" };
    chart->xAxis()->setLabels(StringArray(labels, 2));
    const QByteArray map = chart->getHTMLImageMap("details", "month={xLabel}", nullptr);
    QCOMPARE(map.count("<area"), 2);
    ImageMapHandler handler(map.constData());
    // The second bar stands in the middle of the right half of the plot area.
    QCOMPARE(handler.getHotSpot(60 + 225, 100), 1);
    QCOMPARE(QByteArray(handler.getValue("title")), QByteArray("Feb: 10"));
    QCOMPARE(QByteArray(handler.getValue("path")), QByteArray("details?month=Feb"));
    QCOMPARE(handler.getHotSpot(60 + 75, 30), -1);
    const QByteArray bare = chart->getHTMLImageMap("");
    QVERIFY(!bare.contains("path="));
    QCOMPARE(QByteArray(chart->getChartMetrics()), QByteArray("chart=400,280;plotarea=60,20,300,200"));
}

void tst_XYChart::dynamicLayerAndDrawArea()
{
    auto chart = barChart({});
    DrawArea* area = chart->makeChart3();
    QCOMPARE(area, chart->getDrawArea());
    area->rect(10, 10, 20, 20, ChartColor::Transparent, BLUE);
    DrawArea* layer = chart->initDynamicLayer();
    layer->line(0, 270, 399, 270, RED, 3);
    QImage image = decode(*chart);
    QCOMPARE(image.pixel(15, 15), qRgb(0, 0, 255));
    QVERIFY(isBarRed(image.pixel(200, 270)));
    chart->removeDynamicLayer();
    QVERIFY(!chart->hasDynamicLayer());
    image = decode(*chart);
    QCOMPARE(qAlpha(image.pixel(200, 270)), 0);
    QCOMPARE(image.pixel(15, 15), qRgb(0, 0, 255));
    chart->addLine(0, 5, 399, 5, RED, 2);
    QVERIFY(isBarRed(decode(*chart).pixel(100, 5)));
}

void tst_XYChart::otherFormatsGiveNothing()
{
    auto chart = barChart({ 1 });
    const MemBlock block = chart->makeChart(2);
    QCOMPARE(block.len, 0);
}

void tst_XYChart::fontFilesLoadWhenPresent()
{
    const QString dejaVu = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    if (!QFile::exists(dejaVu))
        QSKIP("DejaVu Sans (fonts-dejavu-core) is not installed");
    const QString missing = QStringLiteral("/usr/share/fonts/truetype/ubuntu-font-family/no-such-font.ttf");
    QCOMPARE(ChartFonts::families(missing + QLatin1Char(';') + dejaVu), QStringList({ QStringLiteral("DejaVu Sans") }));
    QVERIFY(ChartFonts::families(missing).isEmpty());
    QCOMPARE(ChartFonts::font(missing, 11).family(), QGuiApplication::font().family());
    QCOMPARE(ChartFonts::font(dejaVu, 11).families().first(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(ChartFonts::font(QString(), std::nan("")).pointSizeF(), 1.0);
}

QTEST_MAIN(tst_XYChart)
#include "tst_xychart.moc"

#include "energy/GraphicsChartViewer.h"
#include "energy/GraphicsStackedBarChart.h"

#include "charts/XYChart.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QPainter>
#include <QPropertyAnimation>
#include <QSignalSpy>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

using Corvane::Gadgets::GraphicsStackedBarChart;
using Series = GraphicsStackedBarChart::Series;

Q_DECLARE_METATYPE(Series)

class tst_GraphicsStackedBarChart : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void layerExtraction_data();
    void layerExtraction();
    void labelParityAndMirror_data();
    void labelParityAndMirror();
    void growsInOneSecondOutCubic();
    void valueLabelsAfterTheGrowOnly();
    void hiddenItemDrawsNothingUntilRedrawn();
    void interruptedGrowthEndsAtFullHeight();
    void unchangedAnimationFlagKeepsTheFactor();
    void barGradientsFollowParity_data();
    void barGradientsFollowParity();
    void settersRedrawOnlyOnChange();
    void hostileSeries_data();
    void hostileSeries();
    void paintsNothingOutsideItsBounds();
};

namespace {

const QSizeF CHART_SIZE(396, 232);

Series series(const QList<QList<double>>& values)
{
    Series data;
    for (int i = 0; i < values.size(); ++i)
        data.append({ QString::number(i + 1), values.at(i) });
    return data;
}

std::unique_ptr<GraphicsStackedBarChart> makeChart()
{
    auto chart = std::make_unique<GraphicsStackedBarChart>();
    chart->setChartSize(CHART_SIZE);
    chart->setOddBarsColor(QColor(Qt::red));
    chart->setEvenBarsColor(QColor(Qt::blue));
    chart->setAxesColor(Qt::gray);
    chart->setXAxisTitle(QStringLiteral("Day"));
    chart->setYAxisTitle(QStringLiteral("kWh"));
    return chart;
}

bool isRed(QRgb p)
{
    return qRed(p) > 200 && qGreen(p) < 60 && qBlue(p) < 60 && qAlpha(p) > 200;
}

bool isBlue(QRgb p)
{
    return qBlue(p) > 200 && qGreen(p) < 60 && qRed(p) < 60 && qAlpha(p) > 200;
}

QImage picture(const GraphicsStackedBarChart& chart)
{
    return chart.viewer()->pixmap().toImage();
}

} // namespace

void tst_GraphicsStackedBarChart::init()
{
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void tst_GraphicsStackedBarChart::cleanup()
{
    QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void tst_GraphicsStackedBarChart::layerExtraction_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<Series>("data");
    QTest::addColumn<QList<QList<double>>>("layers");
    QTest::addColumn<double>("yMax");
    QTest::newRow("empty") << Series() << QList<QList<double>>() << 0.0;
    QTest::newRow("different counts") << series({ { 1, 2, 3 }, { 4 } })
                                      << QList<QList<double>>({ { 1, 4 }, { 2, 0 }, { 3, 0 } }) << 6.0;
    // A slot without values has no data: no bar in any layer.
    QTest::newRow("entry without values") << series({ {}, { 2, 5 } }) << QList<QList<double>>({ { nan, 2 }, { nan, 5 } })
                                          << 7.0;
    QTest::newRow("negative sums") << series({ { -3, -4 }, { -1 } }) << QList<QList<double>>({ { -3, -1 }, { -4, 0 } })
                                   << 0.0;
    QTest::newRow("not finite is missing") << series({ { nan, 2 }, { inf, -inf } })
                                           << QList<QList<double>>({ { nan, nan }, { 2, nan } }) << 2.0;
    QTest::newRow("sums overflow") << series({ { 1e308, 1e308 } }) << QList<QList<double>>({ { 1e308 }, { 1e308 } })
                                   << DBL_MAX;
}

void tst_GraphicsStackedBarChart::layerExtraction()
{
    QFETCH(Series, data);
    QFETCH(QList<QList<double>>, layers);
    QFETCH(double, yMax);
    auto chart = makeChart();
    chart->setData(data);
    QCOMPARE(chart->barCount(), int(data.size()));
    QCOMPARE(chart->layerCount(), int(layers.size()));
    QCOMPARE(chart->yMax(), yMax);
    for (int layer = 0; layer < layers.size(); ++layer) {
        const QList<double> current = chart->currentLayer(layer);
        QCOMPARE(current.size(), layers.at(layer).size());
        for (int bar = 0; bar < current.size(); ++bar) {
            const double expected = layers.at(layer).at(bar);
            QVERIFY(std::isnan(expected) ? std::isnan(current.at(bar)) : current.at(bar) == expected);
        }
    }
    QCOMPARE(chart->viewer()->pixmap().isNull(), data.isEmpty());
    if (!data.isEmpty()) {
        QCOMPARE(chart->viewer()->pixmap().size(), CHART_SIZE.toSize());
        // Only layer 0 becomes bars.
        QCOMPARE(chart->chart()->layers().size(), size_t(1));
        QCOMPARE(chart->chart()->layers().front()->getDataSetCount(), int(data.size()));
    }
}

void tst_GraphicsStackedBarChart::labelParityAndMirror_data()
{
    QTest::addColumn<int>("bars");
    QTest::addColumn<bool>("rightToLeft");
    QTest::addColumn<QStringList>("labels");
    QTest::newRow("five, left to right") << 5 << false << QStringList({ "1", " ", "3", " ", "5" });
    QTest::newRow("five, right to left") << 5 << true << QStringList({ "5", " ", "3", " ", "1" });
    QTest::newRow("four, right to left") << 4 << true << QStringList({ " ", "3", " ", "1" });
}

void tst_GraphicsStackedBarChart::labelParityAndMirror()
{
    QFETCH(int, bars);
    QFETCH(bool, rightToLeft);
    QFETCH(QStringList, labels);
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    QList<QList<double>> values;
    for (int i = 0; i < bars; ++i)
        values.append(QList<double>({ double(i + 1) }));
    auto chart = makeChart();
    chart->setData(series(values));
    QCOMPARE(chart->xLabels(), labels);
    QCOMPARE(chart->chart()->xAxisRef().labels(), labels);
    QList<double> expected;
    for (int i = 0; i < bars; ++i)
        expected.append(rightToLeft ? bars - i : i + 1);
    QCOMPARE(chart->currentLayer(0), expected);
    QCOMPARE(chart->chart()->isYAxisOnRight(), rightToLeft);
}

void tst_GraphicsStackedBarChart::growsInOneSecondOutCubic()
{
    auto chart = makeChart();
    chart->setUsesAnimation(true);
    chart->setData(series({ { 10, 30 }, { 20 } }));
    QPropertyAnimation* animation = chart->valueAnimation();
    QVERIFY(chart->isValueAnimationRunning());
    QCOMPARE(animation->duration(), 1000);
    QCOMPARE(animation->easingCurve().type(), QEasingCurve::OutCubic);
    animation->pause();
    animation->setCurrentTime(500);
    const double factor = QEasingCurve(QEasingCurve::OutCubic).valueForProgress(0.5);
    QCOMPARE(chart->animatedValue(), factor);
    QCOMPARE(chart->currentLayer(0), QList<double>({ 10 * factor, 20 * factor }));
    // The y axis keeps the final maximum while the bars grow.
    QCOMPARE(chart->chart()->yAxisRef().scale().upper(), 40.0);
    // A new series restarts the grow from zero.
    chart->setData(series({ { 5 } }));
    QVERIFY(chart->isValueAnimationRunning());
    QVERIFY(animation->currentTime() < 100);
}

void tst_GraphicsStackedBarChart::valueLabelsAfterTheGrowOnly()
{
    auto chart = makeChart();
    chart->setUsesAnimation(true);
    chart->setPrintsBarValues(true);
    chart->setData(series({ { 10 }, { 20 } }));
    QPropertyAnimation* animation = chart->valueAnimation();
    animation->pause();
    animation->setCurrentTime(400);
    QVERIFY(chart->chart()->layers().front()->aggregateLabelFormat().isEmpty());
    QSignalSpy finished(animation, &QPropertyAnimation::finished);
    animation->resume();
    animation->setCurrentTime(1000);
    QCOMPARE(finished.count(), 1);
    QCOMPARE(chart->animatedValue(), 1.0);
    QCOMPARE(chart->chart()->layers().front()->aggregateLabelFormat(), QStringLiteral("{value}"));
    // The next draw (another grow) has no labels until it ends.
    chart->updateViewport();
    QVERIFY(chart->chart()->layers().front()->aggregateLabelFormat().isEmpty());
    chart->redrawChart();
    QCOMPARE(chart->chart()->layers().front()->aggregateLabelFormat(), QStringLiteral("{value}"));
}

void tst_GraphicsStackedBarChart::hiddenItemDrawsNothingUntilRedrawn()
{
    auto chart = makeChart();
    chart->setUsesAnimation(true);
    chart->setPrintsBarValues(true);
    chart->hide();
    chart->setData(series({ { 10 }, { 20 } }));
    QVERIFY(!chart->isValueAnimationRunning());
    QVERIFY(chart->chart().isNull());
    QVERIFY(chart->viewer()->pixmap().isNull());
    chart->redrawChart();
    QVERIFY(chart->chart().isNull());
    chart->show();
    chart->redrawChart();
    QVERIFY(!chart->chart().isNull());
    QCOMPARE(chart->currentLayer(0), QList<double>({ 10, 20 }));
    QCOMPARE(chart->chart()->layers().front()->aggregateLabelFormat(), QStringLiteral("{value}"));
    chart->setEnabled(false);
    const auto drawn = chart->chart();
    chart->setData(series({ { 1 } }));
    QCOMPARE(chart->chart(), drawn);
}

// New bars while the last ones still grow, on a hidden chart (the table
// shows, the window closed): drawn later, they stand at their full height.
void tst_GraphicsStackedBarChart::interruptedGrowthEndsAtFullHeight()
{
    auto chart = makeChart();
    chart->setUsesAnimation(true);
    chart->setData(series({ { 8 } }));
    chart->valueAnimation()->pause();
    chart->valueAnimation()->setCurrentTime(300);
    QVERIFY(chart->animatedValue() < 1.0);
    chart->hide();
    chart->setData(series({ { 8 } }));
    QVERIFY(!chart->isValueAnimationRunning());
    QCOMPARE(chart->animatedValue(), 1.0);
    chart->show();
    chart->redrawChart();
    QCOMPARE(chart->currentLayer(0), QList<double>({ 8 }));
    QCOMPARE(chart->yMax(), 8.0);
}

void tst_GraphicsStackedBarChart::unchangedAnimationFlagKeepsTheFactor()
{
    auto chart = makeChart();
    chart->setUsesAnimation(true);
    chart->setData(series({ { 10 } }));
    chart->valueAnimation()->pause();
    chart->valueAnimation()->setCurrentTime(300);
    const double factor = chart->animatedValue();
    QVERIFY(factor < 1.0);
    chart->setUsesAnimation(true);
    QCOMPARE(chart->animatedValue(), factor);
    chart->valueAnimation()->stop();
    chart->setUsesAnimation(false);
    QCOMPARE(chart->animatedValue(), 1.0);
    QCOMPARE(chart->currentLayer(0), QList<double>({ 10 }));
}

void tst_GraphicsStackedBarChart::barGradientsFollowParity_data()
{
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("left to right") << false;
    QTest::newRow("right to left") << true;
}

void tst_GraphicsStackedBarChart::barGradientsFollowParity()
{
    QFETCH(bool, rightToLeft);
    QGuiApplication::setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    auto chart = makeChart();
    chart->setData(series({ { 10 }, { 10 }, { 10 }, { 10 }, { 10 }, { 10 } }));
    const QImage image = picture(*chart);
    const Corvane::Charts::PlotArea* plot = chart->chart()->getPlotArea();
    const double slot = plot->getWidth() / 6.0;
    const int y = plot->getTopY() + plot->getHeight() * 3 / 4;
    // Bars count from 1 on screen: the first, third and fifth take the odd
    // bars' colour.
    for (int bar = 0; bar < 6; ++bar) {
        const QRgb pixel = image.pixel(int(plot->getLeftX() + (bar + 0.5) * slot), y);
        QVERIFY2(bar % 2 == 0 ? isRed(pixel) : isBlue(pixel), qPrintable(QString::number(bar)));
    }
    // Nothing of a bar between the bars.
    QVERIFY(!isRed(image.pixel(int(plot->getLeftX() + slot), y)) && !isBlue(image.pixel(int(plot->getLeftX() + slot), y)));
}

void tst_GraphicsStackedBarChart::settersRedrawOnlyOnChange()
{
    auto chart = makeChart();
    chart->setData(series({ { 10 } }));
    auto drawn = chart->chart();
    chart->setFontSize(chart->fontSize());
    chart->setXAxisTitle(QStringLiteral("Day"));
    chart->setGridColor(QColor(Qt::transparent));
    chart->setGridColor(QColor(Qt::transparent));
    QVERIFY(chart->chart() != drawn);
    drawn = chart->chart();
    chart->setGridColor(QColor(Qt::transparent));
    QCOMPARE(chart->chart(), drawn);
    chart->setFontSize(20);
    QVERIFY(chart->chart() != drawn);
    drawn = chart->chart();
    chart->setOddBarsColor(QColor(Qt::red));
    QVERIFY(chart->chart() != drawn);
    drawn = chart->chart();
    chart->setBarColorAtLayer(-1, Qt::green);
    QVERIFY(chart->chart() != drawn);
}

void tst_GraphicsStackedBarChart::hostileSeries_data()
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    QTest::addColumn<Series>("data");
    QTest::addColumn<QSizeF>("size");
    QTest::newRow("not finite") << series({ { nan }, { inf }, { -inf }, { 5 } }) << CHART_SIZE;
    QTest::newRow("negative") << series({ { -5 }, { -1e308 }, { 3 } }) << CHART_SIZE;
    QTest::newRow("huge") << series({ { 1e308, 1e308 }, { DBL_MAX }, { 1 } }) << CHART_SIZE;
    QTest::newRow("all zero") << series({ { 0 }, { 0 }, { 0 } }) << CHART_SIZE;
    QTest::newRow("without values") << series({ {}, {}, {} }) << CHART_SIZE;
    Series labels = series({ { 4 }, { 8 }, { 2 } });
    labels[0].first = QString();
    labels[2].first = QString(2000, QLatin1Char('W'));
    QTest::newRow("empty and long labels") << labels << CHART_SIZE;
    QTest::newRow("ten thousand bars") << Series(10000, { QStringLiteral("31"), { 7.0, 2.0 } }) << CHART_SIZE;
    QTest::newRow("no size") << series({ { 3 } }) << QSizeF(-1, -1);
    QTest::newRow("tiny size") << series({ { 3 }, { 4 } }) << QSizeF(3, 2);
    QTest::newRow("size not finite") << series({ { 3 } }) << QSizeF(std::nan(""), 100);
}

void tst_GraphicsStackedBarChart::hostileSeries()
{
    QFETCH(Series, data);
    QFETCH(QSizeF, size);
    auto chart = makeChart();
    chart->setChartSize(size);
    chart->setPrintsBarValues(true);
    chart->setData(data);
    chart->redrawChart();
    const QImage image = picture(*chart);
    if (image.isNull())
        return;
    QCOMPARE(image.size(), size.toSize());
    const QRect plot = chart->chart()->getPlotArea()->rect();
    QVERIFY(QRect(QPoint(0, 0), image.size()).contains(plot));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (isRed(pixel) || isBlue(pixel))
                QVERIFY2(plot.contains(x, y), qPrintable(QStringLiteral("bar pixel at %1,%2").arg(x).arg(y)));
        }
    }
}

void tst_GraphicsStackedBarChart::paintsNothingOutsideItsBounds()
{
    QGraphicsScene scene(0, 0, 600, 400);
    auto* chart = makeChart().release();
    scene.addItem(chart);
    chart->setPos(100, 80);
    chart->setScale(0.5);
    chart->setChartSize(CHART_SIZE * 2);
    chart->setLineAndFontScale(2);
    chart->setData(series({ { 1e308 }, { -5 }, { std::nan("") }, { 12 } }));
    QCOMPARE(chart->boundingRect(), QRectF(QPointF(0, 0), CHART_SIZE * 2));
    QImage image(600, 400, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 600, 400), QRectF(0, 0, 600, 400));
    painter.end();
    const QRect bounds = chart->sceneBoundingRect().toAlignedRect();
    QCOMPARE(bounds, QRect(100, 80, 396, 232));
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) == 0)
                continue;
            QVERIFY2(bounds.contains(x, y), qPrintable(QStringLiteral("pixel at %1,%2").arg(x).arg(y)));
            ++painted;
        }
    }
    QVERIFY(painted > 500);
}

QTEST_MAIN(tst_GraphicsStackedBarChart)
#include "tst_graphicsstackedbarchart.moc"

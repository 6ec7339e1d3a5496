#include "charts/ViewPortManager.h"
#include "charts/XYChart.h"

#include <QTest>

#include <limits>

using Corvane::Charts::ViewPortManager;

class tst_ViewPortManager : public QObject
{
    Q_OBJECT

private slots:
    void readsThePlotAreaOfAChart();
    void zoomAtKeepsThePointFixed_data();
    void zoomAtKeepsThePointFixed();
    void zoomToARectangle();
    void dragFollowsTheMouseAndStaysInRange();
    void validationClampsAndLimits();
    void plotAreaTests();
};

namespace {

// A manager on a plot area at (100, 50), 400 x 200 pixels.
ViewPortManager manager()
{
    ViewPortManager viewPort;
    viewPort.setChartMetrics("chart=600,300;plotarea=100,50,400,200");
    return viewPort;
}

} // namespace

void tst_ViewPortManager::readsThePlotAreaOfAChart()
{
    Corvane::Charts::XYChart chart(320, 200);
    chart.setPlotArea(40, 10, 260, 150);
    ViewPortManager viewPort;
    viewPort.commitPendingSyncAxis(&chart);
    QCOMPARE(viewPort.plotArea(), QRect(40, 10, 260, 150));
    viewPort.setChartMetrics("chart=10,10");
    QVERIFY(!viewPort.plotArea().isValid());
    QVERIFY(!viewPort.zoomAt(0, 5, 5, 2.0));
}

void tst_ViewPortManager::zoomAtKeepsThePointFixed_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("x");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("in at the centre") << 0 << 300 << 2.0 << 0.25 << 0.5 << 1.0;
    QTest::newRow("in at the left edge") << 0 << 100 << 2.0 << 0.0 << 0.5 << 1.0;
    QTest::newRow("in at a quarter") << 0 << 200 << 4.0 << 0.1875 << 0.25 << 1.0;
    QTest::newRow("in both ways") << 2 << 300 << 2.0 << 0.25 << 0.5 << 0.5;
    QTest::newRow("vertical only") << 1 << 300 << 2.0 << 0.0 << 1.0 << 0.5;
    QTest::newRow("beyond the zoom-in limit") << 0 << 300 << 1000.0 << 0.495 << 0.01 << 1.0;
}

void tst_ViewPortManager::zoomAtKeepsThePointFixed()
{
    QFETCH(int, direction);
    QFETCH(int, x);
    QFETCH(double, ratio);
    QFETCH(double, left);
    QFETCH(double, width);
    QFETCH(double, height);
    ViewPortManager viewPort = manager();
    QVERIFY(viewPort.canZoomIn(direction));
    QVERIFY(!viewPort.canZoomOut(direction));
    QVERIFY(viewPort.zoomAt(direction, x, 150, ratio));
    QVERIFY(qAbs(viewPort.getViewPortLeft() - left) < 1e-9);
    QVERIFY(qAbs(viewPort.getViewPortWidth() - width) < 1e-9);
    QVERIFY(qAbs(viewPort.getViewPortHeight() - height) < 1e-9);
    QVERIFY(viewPort.canZoomOut(direction));
    // Zooming out fully brings back the whole range.
    QVERIFY(viewPort.zoomAt(direction, x, 150, 1.0 / 1e6));
    QCOMPARE(viewPort.getViewPortWidth(), 1.0);
    QCOMPARE(viewPort.getViewPortLeft(), 0.0);
    QVERIFY(!viewPort.zoomAt(direction, x, 150, 0.5));
    QVERIFY(!viewPort.zoomAt(direction, x, 150, std::numeric_limits<double>::quiet_NaN()));
    QVERIFY(!viewPort.zoomAt(direction, x, 150, -2.0));
}

void tst_ViewPortManager::zoomToARectangle()
{
    ViewPortManager viewPort = manager();
    QVERIFY(viewPort.zoomTo(0, 300, 60, 200, 70));
    QVERIFY(qAbs(viewPort.getViewPortLeft() - 0.25) < 1e-9);
    QVERIFY(qAbs(viewPort.getViewPortWidth() - 0.25) < 1e-9);
    QCOMPARE(viewPort.getViewPortHeight(), 1.0);
    // Nested: the rectangle is taken within the current view port.
    QVERIFY(viewPort.zoomTo(0, 100, 0, 300, 0));
    QVERIFY(qAbs(viewPort.getViewPortLeft() - 0.25) < 1e-9);
    QVERIFY(qAbs(viewPort.getViewPortWidth() - 0.125) < 1e-9);
    // A rectangle outside the plot area is clamped to it.
    ViewPortManager other = manager();
    QVERIFY(other.zoomTo(0, -500, 0, 200, 0));
    QCOMPARE(other.getViewPortLeft(), 0.0);
    QVERIFY(qAbs(other.getViewPortWidth() - 0.25) < 1e-9);
}

void tst_ViewPortManager::dragFollowsTheMouseAndStaysInRange()
{
    ViewPortManager viewPort = manager();
    viewPort.zoomAt(0, 300, 150, 4.0);
    const double start = viewPort.getViewPortLeft();
    viewPort.startDrag();
    // Dragging right by 100 pixels shows what lay left of the view.
    QVERIFY(viewPort.dragTo(0, 100, 30));
    QVERIFY(qAbs(viewPort.getViewPortLeft() - (start - 0.25 * 0.25)) < 1e-9);
    QCOMPARE(viewPort.getViewPortTop(), 0.0);
    QVERIFY(viewPort.dragTo(0, 10000, 0));
    QCOMPARE(viewPort.getViewPortLeft(), 0.0);
    QVERIFY(viewPort.dragTo(0, -10000, 0));
    QCOMPARE(viewPort.getViewPortLeft(), 0.75);
    QVERIFY(!viewPort.dragTo(0, -20000, 0));
}

void tst_ViewPortManager::validationClampsAndLimits()
{
    ViewPortManager viewPort = manager();
    viewPort.setZoomInWidthLimit(0.1);
    viewPort.setViewPortLeft(0.95);
    viewPort.setViewPortWidth(0.01);
    viewPort.setViewPortTop(std::numeric_limits<double>::quiet_NaN());
    viewPort.setViewPortHeight(3.0);
    viewPort.validateViewPort();
    QCOMPARE(viewPort.getViewPortWidth(), 0.1);
    QCOMPARE(viewPort.getViewPortLeft(), 0.9);
    QCOMPARE(viewPort.getViewPortTop(), 0.0);
    QCOMPARE(viewPort.getViewPortHeight(), 1.0);
    viewPort.setZoomOutWidthLimit(0.5);
    viewPort.setViewPortWidth(1.0);
    viewPort.validateViewPort();
    QCOMPARE(viewPort.getViewPortWidth(), 0.5);
}

void tst_ViewPortManager::plotAreaTests()
{
    const ViewPortManager viewPort = manager();
    QVERIFY(viewPort.inPlotArea(100, 50));
    QVERIFY(viewPort.inPlotArea(499, 249));
    QVERIFY(!viewPort.inPlotArea(500, 150));
    QVERIFY(!viewPort.inPlotArea(95, 150));
    QVERIFY(viewPort.inExtendedPlotArea(95, 150));
    QVERIFY(!viewPort.inExtendedPlotArea(100 - ViewPortManager::EXTENDED_MARGIN - 1, 150));
}

QTEST_GUILESS_MAIN(tst_ViewPortManager)
#include "tst_viewportmanager.moc"

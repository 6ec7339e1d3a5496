#include "energy/QChartViewer.h"

#include "charts/ImageMapHandler.h"
#include "charts/ViewPortManager.h"
#include "charts/XYChart.h"

#include <QApplication>
#include <QBitmap>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using namespace Corvane::Charts;

class tst_QChartViewer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheChart();
    void dragAndReleasePerMouseUsage_data();
    void dragAndReleasePerMouseUsage();
    void mouseMovesAreTimedByAMonotonicClock();
    void idleTimeCountsForMouseMoves();
    void toolTipsAndHandCursorFromTheImageMap();
    void viewPortUpdatesAreHeldBack();
    void leavingRemovesTheDynamicLayer();
    void wheelOnlyWithReceivers();
    void cursorsAreDrawn();

private:
    void move(const QPoint& position, Qt::MouseButtons buttons = Qt::NoButton);
    void press(const QPoint& position);
    void release(const QPoint& position);

    std::unique_ptr<XYChart> m_chart;
    std::unique_ptr<QChartViewer> m_viewer;
    qint64 m_now = 1000;
};

namespace {

// The plot area of the test chart: (50, 20), 300 x 200.
const QRect PLOT(50, 20, 300, 200);

bool isRed(const QColor& color)
{
    return color.red() > 200 && color.green() < 60 && color.blue() < 60;
}

} // namespace

void tst_QChartViewer::init()
{
    m_chart = std::make_unique<XYChart>(400, 300);
    m_chart->setPlotArea(PLOT.x(), PLOT.y(), PLOT.width(), PLOT.height());
    const double values[] = { 4, 8 };
    m_chart->addBarLayer3(DoubleArray(values, 2));
    const char* labels[] = { "Jan", "Feb" };
    m_chart->xAxis()->setLabels(StringArray(labels, 2));
    m_chart->yAxis()->setDateScale(0, 10);
    m_viewer = std::make_unique<QChartViewer>();
    m_now = 1000;
    m_viewer->setClock([this] { return m_now; });
    m_viewer->setChart(m_chart.get());
}

void tst_QChartViewer::cleanup()
{
    m_viewer.reset();
    m_chart.reset();
}

void tst_QChartViewer::move(const QPoint& position, Qt::MouseButtons buttons)
{
    m_now += 20;
    QMouseEvent event(QEvent::MouseMove, position, m_viewer->mapToGlobal(position), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(m_viewer.get(), &event);
}

void tst_QChartViewer::press(const QPoint& position)
{
    QMouseEvent event(QEvent::MouseButtonPress, position, m_viewer->mapToGlobal(position), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_viewer.get(), &event);
}

void tst_QChartViewer::release(const QPoint& position)
{
    QMouseEvent event(QEvent::MouseButtonRelease, position, m_viewer->mapToGlobal(position), Qt::LeftButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_viewer.get(), &event);
}

void tst_QChartViewer::showsTheChart()
{
    QCOMPARE(m_viewer->size(), QSize(400, 300));
    QCOMPARE(m_viewer->pixmap().size(), QSize(400, 300));
    QCOMPARE(m_viewer->viewPortManager()->plotArea(), PLOT);
    QCOMPARE(m_viewer->getChart(), m_chart.get());
    m_viewer->setChart(nullptr);
    QVERIFY(m_viewer->pixmap().isNull());
}

void tst_QChartViewer::dragAndReleasePerMouseUsage_data()
{
    QTest::addColumn<int>("usage");
    QTest::addColumn<bool>("zoomedBefore");
    QTest::addColumn<int>("dragBy");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<double>("left");
    QTest::addColumn<double>("width");
    QTest::newRow("clicks only: click") << 0 << false << 0 << 1 << 0.0 << 1.0;
    QTest::newRow("clicks only: drag") << 0 << false << 60 << 1 << 0.0 << 1.0;
    QTest::newRow("scroll: click") << 1 << true << 0 << 1 << 0.25 << 0.5;
    QTest::newRow("scroll: drag right") << 1 << true << 60 << 0 << 0.15 << 0.5;
    QTest::newRow("scroll: drag under the minimum") << 1 << true << 4 << 1 << 0.25 << 0.5;
    QTest::newRow("zoom in: click") << 3 << false << 0 << 0 << 0.25 << 0.5;
    QTest::newRow("zoom in: rectangle") << 3 << false << 60 << 0 << 0.5 << 0.2;
    QTest::newRow("zoom out: click") << 4 << true << 0 << 0 << 0.0 << 1.0;
    QTest::newRow("zoom out: nothing to zoom out") << 4 << false << 0 << 0 << 0.0 << 1.0;
}

void tst_QChartViewer::dragAndReleasePerMouseUsage()
{
    QFETCH(int, usage);
    QFETCH(bool, zoomedBefore);
    QFETCH(int, dragBy);
    QFETCH(int, clicks);
    QFETCH(double, left);
    QFETCH(double, width);
    ViewPortManager* viewPort = m_viewer->viewPortManager();
    if (zoomedBefore) {
        viewPort->setViewPortLeft(0.25);
        viewPort->setViewPortWidth(0.5);
    }
    m_viewer->setMouseUsage(usage);
    QSignalSpy clicked(m_viewer.get(), &QChartViewer::clicked);
    QSignalSpy changed(m_viewer.get(), &QChartViewer::viewPortChanged);
    const QPoint start(200, 120);
    move(start);
    press(start);
    for (int step = 1; step <= 3 && dragBy > 0; ++step)
        move(start + QPoint(dragBy * step / 3, 10 * step), Qt::LeftButton);
    release(start + QPoint(dragBy, 30));
    QCOMPARE(clicked.count(), clicks);
    QVERIFY(qAbs(viewPort->getViewPortLeft() - left) < 1e-9);
    QVERIFY(qAbs(viewPort->getViewPortWidth() - width) < 1e-9);
    const bool moved = qAbs(left - (zoomedBefore ? 0.25 : 0.0)) > 1e-9 || qAbs(width - (zoomedBefore ? 0.5 : 1.0)) > 1e-9;
    QCOMPARE(changed.count() > 0, moved);
    QCOMPARE(m_viewer->viewPortManager()->getViewPortHeight(), 1.0);
}

void tst_QChartViewer::mouseMovesAreTimedByAMonotonicClock()
{
    QSignalSpy moves(m_viewer.get(), &QChartViewer::mouseMove);
    QSignalSpy committed(m_viewer.get(), &QChartViewer::mouseMoveChart);
    auto sendAt = [this](qint64 time, const QPoint& position) {
        m_now = time;
        QMouseEvent event(QEvent::MouseMove, position, position, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(m_viewer.get(), &event);
    };
    sendAt(2000, QPoint(60, 60));
    QCOMPARE(committed.count(), 1);
    // 5 ms later: held back, and the latest of the held moves wins.
    sendAt(2005, QPoint(70, 60));
    sendAt(2006, QPoint(80, 60));
    QCOMPARE(moves.count(), 3);
    QCOMPARE(committed.count(), 1);
    QTRY_COMPARE(committed.count(), 2);
    QCOMPARE(m_viewer->getChartMouseX(), 80);
    // Later than 9 ms with nothing held: committed at once.
    sendAt(2030, QPoint(90, 60));
    QCOMPARE(committed.count(), 3);
    // While moves are held, one comes through at least every 250 ms.
    sendAt(2035, QPoint(91, 60));
    sendAt(2300, QPoint(92, 60));
    QCOMPARE(committed.count(), 4);
    QCOMPARE(m_viewer->getChartMouseX(), 92);
}

void tst_QChartViewer::idleTimeCountsForMouseMoves()
{
    // The default clock runs while the program sleeps (processor time would
    // not): after an idle pause a move is committed at once.
    m_viewer->setClock({});
    QSignalSpy committed(m_viewer.get(), &QChartViewer::mouseMoveChart);
    QMouseEvent first(QEvent::MouseMove, QPointF(60, 60), QPointF(60, 60), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_viewer.get(), &first);
    QCOMPARE(committed.count(), 1);
    QTest::qSleep(30);
    QMouseEvent second(QEvent::MouseMove, QPointF(70, 60), QPointF(70, 60), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_viewer.get(), &second);
    QCOMPARE(committed.count(), 2);
}

void tst_QChartViewer::toolTipsAndHandCursorFromTheImageMap()
{
    m_viewer->setDefaultToolTip(QStringLiteral("Consumption"));
    m_viewer->setImageMap(m_chart->getHTMLImageMap("month"));
    QVERIFY(m_viewer->getImageMapHandler());
    // Bar 1 (Feb, value 8) stands in the right half of the plot area.
    move(QPoint(PLOT.x() + 225, PLOT.bottom() - 20));
    QCOMPARE(m_viewer->toolTip(), QStringLiteral("Feb: 8"));
    QCOMPARE(m_viewer->cursor().shape(), Qt::PointingHandCursor);
    move(QPoint(5, 5));
    QCOMPARE(m_viewer->toolTip(), QStringLiteral("Consumption"));
    QCOMPARE(m_viewer->cursor().shape(), Qt::ArrowCursor);
    m_viewer->setImageMap("");
    QVERIFY(!m_viewer->getImageMapHandler());
}

void tst_QChartViewer::viewPortUpdatesAreHeldBack()
{
    m_viewer->setUpdateInterval(20);
    bool chartFlag = false;
    QSignalSpy changed(m_viewer.get(), &QChartViewer::viewPortChanged);
    connect(m_viewer.get(), &QChartViewer::viewPortChanged, this, [&] {
        chartFlag = m_viewer->needUpdateChart();
        QVERIFY(m_viewer->isInViewPortChangedEvent());
        // A request from inside the signal is ignored.
        m_viewer->updateViewPort(true, true);
    });
    m_viewer->updateViewPort(true, false);
    QCOMPARE(changed.count(), 1);
    QVERIFY(chartFlag);
    QVERIFY(!m_viewer->needUpdateChart());
    m_viewer->updateViewPort(false, true);
    m_viewer->updateViewPort(false, true);
    QCOMPARE(changed.count(), 1);
    QTRY_COMPARE(changed.count(), 2);
    QVERIFY(!chartFlag);
    QTest::qWait(60);
    QCOMPARE(changed.count(), 2);
}

void tst_QChartViewer::leavingRemovesTheDynamicLayer()
{
    QSignalSpy leftPlot(m_viewer.get(), &QChartViewer::mouseLeavePlotArea);
    QSignalSpy leftChart(m_viewer.get(), &QChartViewer::mouseLeaveChart);
    DrawArea* layer = m_chart->initDynamicLayer();
    layer->line(60, 30, 60, 200, 0x00FF0000, 3);
    m_viewer->updateDisplay();
    QVERIFY(isRed(m_viewer->pixmap().toImage().pixelColor(60, 100)));
    m_viewer->removeDynamicLayer("MouseLeaveChart");
    move(PLOT.center());
    QVERIFY(m_viewer->isMouseOnPlotArea());
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(m_viewer.get(), &leave);
    QCOMPARE(leftPlot.count(), 1);
    QCOMPARE(leftChart.count(), 1);
    QVERIFY(!m_chart->hasDynamicLayer());
    QVERIFY(!isRed(m_viewer->pixmap().toImage().pixelColor(60, 100)));
    m_chart->initDynamicLayer();
    m_viewer->removeDynamicLayer("now");
    QVERIFY(!m_chart->hasDynamicLayer());
}

void tst_QChartViewer::wheelOnlyWithReceivers()
{
    QWheelEvent wheel(QPointF(100, 100), QPointF(100, 100), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    wheel.setAccepted(true);
    QCoreApplication::sendEvent(m_viewer.get(), &wheel);
    QVERIFY(!wheel.isAccepted());
    QSignalSpy wheels(m_viewer.get(), &QChartViewer::mouseWheel);
    wheel.setAccepted(true);
    QCoreApplication::sendEvent(m_viewer.get(), &wheel);
    QCOMPARE(wheels.count(), 1);
    QVERIFY(wheel.isAccepted());
}

void tst_QChartViewer::cursorsAreDrawn()
{
    QList<QImage> images;
    for (int shape = 0; shape < QChartViewer::CursorCount; ++shape) {
        const QCursor cursor = QChartViewer::chartCursor(QChartViewer::CursorShape(shape));
        QCOMPARE(cursor.shape(), Qt::BitmapCursor);
        QCOMPARE(cursor.hotSpot(), QPoint(15, 15));
        const QImage image = cursor.bitmap().toImage();
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(!images.contains(image));
        images << image;
    }
    m_viewer->setMouseUsage(QChartViewer::MouseUsageZoomIn);
    move(PLOT.center());
    QCOMPARE(m_viewer->cursor().bitmap().toImage(), images.at(QChartViewer::ZoomInCursor));
}

QTEST_MAIN(tst_QChartViewer)
#include "tst_qchartviewer.moc"

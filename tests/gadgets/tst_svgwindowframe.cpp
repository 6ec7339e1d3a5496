#include "ControlsTheme.h"

#include "controls/SvgButton.h"
#include "controls/SvgElement.h"
#include "frame/SvgWindowFrame.h"
#include "gestures/EventConsumer.h"
#include "text/TextLabel.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Gadgets;

namespace {

// The fixture's window_frame has a title bar 24 high, borders 4 thick (the
// top one overlapping the title bar), a close button of 20 x 20 and a resize
// handle of 12 x 12.
SvgControlObject* contentOf(const QSizeF& size)
{
    auto* content = new SvgControlObject(nullptr);
    content->setBounds(QRectF(QPointF(0, 0), size));
    return content;
}

// Presses at from, then drags to each of the points; returns the consumer.
SvgControl* drag(SvgWindowFrame& frame, const QPointF& from, const QList<QPointF>& points)
{
    Gestures::EventConsumer consumer;
    auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, from);
    frame.handleMousePress(press.get(), consumer);
    for (const QPointF& point : points) {
        auto move = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseMove, point);
        frame.handleMousePressAndMove(from, move.get(), consumer.consumer());
    }
    return consumer.consumer();
}

const QPointF HANDLE(302, 222);

} // namespace

class tst_SvgWindowFrame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }
    void cleanup() { QApplication::setLayoutDirection(Qt::LeftToRight); }

    void layout_data()
    {
        QTest::addColumn<int>("direction");
        QTest::addColumn<QRectF>("close");
        QTest::addColumn<QRectF>("title");
        QTest::newRow("left to right") << int(Qt::LeftToRight) << QRectF(284, 0, 20, 20) << QRectF(8, 4, 278, 16);
        QTest::newRow("right to left") << int(Qt::RightToLeft) << QRectF(0, 0, 20, 20) << QRectF(23, 2, 278, 16);
    }

    void layout()
    {
        QFETCH(int, direction);
        QFETCH(QRectF, close);
        QFETCH(QRectF, title);
        QApplication::setLayoutDirection(Qt::LayoutDirection(direction));
        SvgControlObject* content = contentOf(QSizeF(300, 200));
        SvgWindowFrame frame(content, ControlsTheme::renderer("window_frame"), nullptr);

        QCOMPARE(frame.closeButton()->scaledBounds(), close);
        QCOMPARE(frame.title()->textBounds(), title);
        QCOMPARE(frame.titleBar()->scaledBounds(), QRectF(0, 0, 308, 24));
        QCOMPARE(frame.border(SvgWindowFrame::BORDER_TOP)->scaledBounds(), QRectF(0, 20, 308, 4));
        QCOMPARE(frame.border(SvgWindowFrame::BORDER_LEFT)->scaledBounds(), QRectF(0, 24, 4, 200));
        QCOMPARE(content->scaledBounds(), QRectF(4, 24, 300, 200));
        QCOMPARE(frame.border(SvgWindowFrame::BORDER_RIGHT)->scaledBounds(), QRectF(304, 24, 4, 200));
        QCOMPARE(frame.border(SvgWindowFrame::BORDER_BOTTOM)->scaledBounds(), QRectF(0, 224, 308, 4));
        QCOMPARE(frame.resizeHandle()->scaledBounds(), QRectF(292, 212, 12, 12));
        QCOMPARE(frame.boundingRect(), QRectF(0, 0, 308, 228));
    }

    void noMainControlNoLayout()
    {
        SvgWindowFrame frame(nullptr, ControlsTheme::renderer("window_frame"), nullptr);
        QCOMPARE(frame.boundingRect(), QRectF());
    }

    void layoutKeepsTheFramesPlace()
    {
        SvgWindowFrame frame(contentOf(QSizeF(300, 200)), ControlsTheme::renderer("window_frame"), nullptr);
        frame.setPos(40, 50);
        frame.updateCachedData();
        QCOMPARE(frame.pos(), QPointF(40, 50));
    }

    void handleDragScales_data()
    {
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<qreal>("scale");
        // Measured from the top-left corner, the handle point is at (302, 222).
        QTest::newRow("twice as far") << QPointF(604, 444) << 2.0;
        QTest::newRow("half as far") << QPointF(151, 111) << 0.5;
        QTest::newRow("beyond the maximum") << QPointF(634.2, 466.2) << 1.0;
        QTest::newRow("across the origin") << QPointF(-100, -100) << 1.0;
    }

    void handleDragScales()
    {
        QFETCH(QPointF, to);
        QFETCH(qreal, scale);
        SvgWindowFrame frame(contentOf(QSizeF(300, 200)), ControlsTheme::renderer("window_frame"), nullptr);
        QSignalSpy finished(&frame, &SvgWindowFrame::resizeFinished);
        SvgControl* consumer = drag(frame, HANDLE, {to});
        QCOMPARE(consumer, frame.resizeHandle());
        QCOMPARE(frame.scale(), scale);
        auto release = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, to);
        frame.handleMouseRelease(release.get(), consumer);
        QCOMPARE(finished.count(), 1);
    }

    void handleDragRequestsScales_data()
    {
        QTest::addColumn<int>("origin");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<QList<qreal>>("requests");
        const int topLeft = SvgWindowFrame::TopLeft;
        const int leftCenter = SvgWindowFrame::LeftCenter;
        QTest::newRow("twice as far") << topLeft << QPointF(604, 444) << QList<qreal>{2.0};
        QTest::newRow("across the origin") << topLeft << QPointF(-100, -100) << QList<qreal>{};
        // A pointer right on the origin has no direction: no request for scale 0.
        QTest::newRow("onto the top-left origin") << topLeft << QPointF(0, 0) << QList<qreal>{};
        QTest::newRow("onto the left-centre origin") << leftCenter << QPointF(0, 114) << QList<qreal>{};
    }

    void handleDragRequestsScales()
    {
        QFETCH(int, origin);
        QFETCH(QPointF, to);
        QFETCH(QList<qreal>, requests);
        SvgWindowFrame frame(contentOf(QSizeF(300, 200)), ControlsTheme::renderer("window_frame"), nullptr);
        frame.setIsResizeEnabled(false);
        frame.setResizeOrigin(SvgWindowFrame::ResizeOrigin(origin));
        QSignalSpy spy(&frame, &SvgWindowFrame::resizeRequested);
        drag(frame, HANDLE, {to});
        QList<qreal> factors;
        for (const QList<QVariant>& request : spy)
            factors.append(request.first().toReal());
        QCOMPARE(factors, requests);
        QCOMPARE(frame.scale(), 1.0);
    }

    void verticalDragFromLeftCentreScalesByDistance()
    {
        SvgWindowFrame frame(contentOf(QSizeF(300, 200)), ControlsTheme::renderer("window_frame"), nullptr);
        frame.setIsResizeEnabled(false);
        frame.setResizeOrigin(SvgWindowFrame::LeftCenter);
        QSignalSpy requests(&frame, &SvgWindowFrame::resizeRequested);
        const QPointF to = HANDLE + QPointF(0, 100);
        drag(frame, HANDLE, {to});
        QCOMPARE(requests.count(), 1);
        const QPointF origin(0, 114);
        const qreal expected = QLineF(origin, to).length() / QLineF(origin, HANDLE).length();
        QVERIFY(qAbs(requests.first().first().toReal() - expected) < 1e-9);
        // Measured from the bottom-left corner instead, the factor would be about 1.05.
        QVERIFY(expected > 1.1);
    }

    void moveDisabledReportsOffsets()
    {
        SvgWindowFrame frame(contentOf(QSizeF(300, 200)), ControlsTheme::renderer("window_frame"), nullptr);
        frame.setIsMoveEnabled(false);
        frame.setIsMoveEnabled(true);
        frame.setIsMoveEnabled(false);
        QSignalSpy moves(&frame, &SvgWindowFrame::moveRequested);
        QSignalSpy finished(&frame, &SvgWindowFrame::resizeFinished);
        const QPointF start(100, 12);
        // With moving disabled the title bar takes no press, so drive the drag directly.
        frame.handleMoving(start, start + QPointF(10, 5));
        frame.handleMoving(start, start + QPointF(30, -5));
        QCOMPARE(moves.count(), 2);
        QCOMPARE(moves.at(1).first().toPointF(), QPointF(30, -5));
        QCOMPARE(frame.pos(), QPointF(0, 0));
        QCOMPARE(finished.count(), 0);
    }

    void titleBarDragMovesTheFrame()
    {
        SvgControlObject parent(nullptr);
        parent.setPos(10, 10);
        auto* frame = new SvgWindowFrame(contentOf(QSizeF(300, 200)), ControlsTheme::renderer("window_frame"), &parent);
        frame->setPos(20, 30);
        QSignalSpy finished(frame, &SvgWindowFrame::resizeFinished);
        const QPointF start(130, 50);
        SvgControl* consumer = drag(*frame, start, {start + QPointF(5, 5), start + QPointF(40, 25)});
        QCOMPARE(consumer, frame->titleBar());
        QCOMPARE(frame->pos(), QPointF(60, 55));
        auto release = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, start);
        frame->handleMouseRelease(release.get(), consumer);
        QCOMPARE(finished.count(), 0);
    }

    void closeButtonClick()
    {
        SvgWindowFrame frame(contentOf(QSizeF(300, 200)), ControlsTheme::renderer("window_frame"), nullptr);
        QSignalSpy closes(&frame, &SvgWindowFrame::closeClicked);
        auto click = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, QPointF(294, 10));
        frame.handleMouseClick(click.get());
        QCOMPARE(closes.count(), 1);
    }
};

QTEST_MAIN(tst_SvgWindowFrame)
#include "tst_svgwindowframe.moc"

#include "ControlsTheme.h"

#include "controls/SvgButton.h"
#include "gestures/EventConsumer.h"
#include "scroll/Scroller.h"

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Corvane::Gadgets;

namespace {

std::unique_ptr<Scroller> verticalScroller(const QRectF& bounds)
{
    auto scroller = std::make_unique<Scroller>(ControlsTheme::renderer("scroller"), nullptr);
    scroller->setBounds(bounds);
    return scroller;
}

QPointF thumbCentre(const Scroller& scroller)
{
    return scroller.thumb()->mapToScene(scroller.thumb()->boundingRect().center());
}

} // namespace

class tst_Scroller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ControlsTheme::activate(); }

    void valueIsClampedAndWhole_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("stored");
        QTest::newRow("fraction") << 37.4 << 37.0;
        QTest::newRow("above") << 150.0 << 100.0;
        QTest::newRow("below") << -5.0 << 0.0;
    }

    void valueIsClampedAndWhole()
    {
        QFETCH(double, value);
        QFETCH(double, stored);
        auto scroller = verticalScroller(QRectF(0, 0, 16, 200));
        QSignalSpy changes(scroller.get(), &Scroller::valueChanged);
        scroller->setValue(value);
        QCOMPARE(scroller->value(), stored);
        scroller->setValue(value);
        QCOMPARE(changes.count(), 2);
    }

    void heldNextStopsAtTheMaximum()
    {
        auto scroller = verticalScroller(QRectF(0, 0, 16, 200));
        scroller->setValue(95);
        scroller->onElementPress(scroller->nextButton());
        QCOMPARE(scroller->value(), 100.0);
        QVERIFY(scroller->isPressAndHoldTimerActive());
        scroller->onPressAndHoldTimerTimeout();
        QCOMPARE(scroller->value(), 100.0);
        QVERIFY(scroller->isPressAndHoldTimerActive());
        scroller->onPressAndHoldTimerTimeout();
        QVERIFY(!scroller->isPressAndHoldTimerActive());

        scroller->onElementPress(scroller->previousButton());
        QCOMPARE(scroller->value(), 90.0);
        scroller->onElementRelease(scroller->previousButton());
        QVERIFY(!scroller->isPressAndHoldTimerActive());
    }

    void tooShortShowsNothing()
    {
        auto scroller = verticalScroller(QRectF(0, 0, 16, 30));
        QVERIFY(!scroller->previousButton()->isVisible());
        QVERIFY(!scroller->thumb()->isVisible());
        scroller->setBounds(QRectF(0, 0, 16, 200));
        QVERIFY(scroller->thumb()->isVisible());
    }

    void trackPressJumpsThumbPressWaitsForMove()
    {
        auto scroller = verticalScroller(QRectF(0, 0, 16, 200));
        Gestures::EventConsumer consumer;
        const auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(8, 150));
        scroller->handleMousePress(press.get(), consumer);
        QCOMPARE(consumer.consumer(), scroller.get());
        QVERIFY(std::abs(thumbCentre(*scroller).y() - 150) <= 1.5);

        const qreal value = scroller->value();
        Gestures::EventConsumer thumbConsumer;
        const auto onThumb = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, thumbCentre(*scroller));
        scroller->handleMousePress(onThumb.get(), thumbConsumer);
        QCOMPARE(thumbConsumer.consumer(), scroller->thumb());
        QCOMPARE(scroller->value(), value);

        const auto move = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseMove, QPointF(8, 60));
        scroller->handleMousePressAndMove(onThumb->scenePos(), move.get(), thumbConsumer.consumer());
        QVERIFY(std::abs(thumbCentre(*scroller).y() - 60) <= 1.5);
    }

    void wholeTrackTakesPresses_data()
    {
        QTest::addColumn<qreal>("y");
        QTest::addColumn<qreal>("value");
        // The track runs from the start cap at 16 to the end cap at 184.
        QTest::newRow("start cap") << 17.0 << 0.0;
        QTest::newRow("low end of the middle") << 179.0 << 99.0;
        QTest::newRow("end cap") << 183.0 << 100.0;
    }

    void wholeTrackTakesPresses()
    {
        QFETCH(qreal, y);
        QFETCH(qreal, value);
        auto scroller = verticalScroller(QRectF(0, 0, 16, 200));
        scroller->setValue(50);
        Gestures::EventConsumer consumer;
        const auto press = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMousePress, QPointF(8, y));
        scroller->handleMousePress(press.get(), consumer);
        QCOMPARE(consumer.consumer(), scroller.get());
        QCOMPARE(scroller->value(), value);
    }

    void extremesReachTheTrackEnds()
    {
        auto scroller = verticalScroller(QRectF(0, 0, 16, 200));
        const QRectF middle = scroller->barMiddle()->scaledBounds();
        scroller->setValue(0);
        QVERIFY(std::abs(thumbCentre(*scroller).y() - middle.top()) < 0.01);
        scroller->setValue(100);
        QVERIFY(std::abs(thumbCentre(*scroller).y() - middle.bottom()) < 0.01);
    }

    void horizontalPutsPreviousLeft()
    {
        auto scroller = std::make_unique<Scroller>(ControlsTheme::renderer("scroller"), nullptr);
        scroller->setOrientation(Qt::Horizontal);
        scroller->setBounds(QRectF(10, 20, 200, 16));
        const QRectF previous = scroller->previousButton()->sceneBoundingRect();
        const QRectF next = scroller->nextButton()->sceneBoundingRect();
        QVERIFY(previous.right() <= next.left());
        QCOMPARE(previous.topLeft(), QPointF(10, 20));
        QCOMPARE(next.right(), 210.0);
        QCOMPARE(previous.height(), 16.0);
        QVERIFY(scroller->thumbIsOrientationInvariant());
        QVERIFY(!scroller->thumb()->transform().isIdentity());
        scroller->setThumbIsOrientationInvariant(false);
        QVERIFY(scroller->thumb()->transform().isIdentity());
    }

    void repeatedLayoutsDoNotDrift_data()
    {
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<QPointF>("position");
        QTest::newRow("vertical, as wide as the bar") << int(Qt::Vertical) << QRectF(5, 5, 16, 200) << QPointF(5, 5);
        QTest::newRow("vertical, wider than the bar") << int(Qt::Vertical) << QRectF(5, 5, 24, 200) << QPointF(9, 5);
        QTest::newRow("horizontal, higher than the bar") << int(Qt::Horizontal) << QRectF(5, 5, 200, 24) << QPointF(5, 9);
    }

    void repeatedLayoutsDoNotDrift()
    {
        QFETCH(int, orientation);
        QFETCH(QRectF, bounds);
        QFETCH(QPointF, position);
        auto scroller = std::make_unique<Scroller>(ControlsTheme::renderer("scroller"), nullptr);
        scroller->setOrientation(Qt::Orientation(orientation));
        scroller->setBounds(bounds);
        for (int i = 0; i < 5; ++i) {
            scroller->parentOffsetChanged();
            scroller->updateCachedData();
            scroller->setOrientation(Qt::Orientation(orientation));
        }
        QCOMPARE(scroller->pos(), position);
    }
};

QTEST_MAIN(tst_Scroller)
#include "tst_scroller.moc"

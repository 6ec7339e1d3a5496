#include "gestures/SwipeGestureRecognizer.h"

#include "gestures/SwipeGesture.h"

#include <QGraphicsObject>
#include <QLineF>
#include <QMouseEvent>
#include <QTouchEvent>
#include <QWidget>

#include <algorithm>

namespace Corvane::Gadgets::Gestures {

namespace {

// Distance from the reference position beyond which a stroke counts.
constexpr int STROKE_DISTANCE = 50;
constexpr int TOUCH_POINT_COUNT = 3;
// A mouse move this long after the previous one resets the smoothing.
constexpr qint64 SLOW_STEP_MS = 100;
constexpr qint64 HALF_SLOW_STEP_MS = 50;

} // namespace

Qt::GestureType SwipeGestureRecognizer::s_gestureType = Qt::GestureType(0);

Qt::GestureType SwipeGestureRecognizer::gestureType()
{
    return s_gestureType;
}

QGesture* SwipeGestureRecognizer::create(QObject* target)
{
    if (auto* widget = qobject_cast<QWidget*>(target))
        widget->setAttribute(Qt::WA_AcceptTouchEvents);
    else if (auto* graphicsObject = qobject_cast<QGraphicsObject*>(target))
        graphicsObject->setAcceptTouchEvents(true);
    return new SwipeGesture;
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognize(QGesture* state, QObject*, QEvent* event)
{
    auto* gesture = static_cast<SwipeGesture*>(state);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return recognizeMousePress(gesture, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        return recognizeMouseMove(gesture, static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return recognizeMouseRelease(gesture);
    case QEvent::TouchBegin:
        return recognizeTouchBegin(gesture);
    case QEvent::TouchUpdate:
        return recognizeTouchUpdate(gesture, static_cast<QTouchEvent*>(event));
    case QEvent::TouchEnd:
        return recognizeTouchEnd(gesture);
    default:
        return Ignore;
    }
}

void SwipeGestureRecognizer::reset(QGesture* state)
{
    static_cast<SwipeGesture*>(state)->clear();
    QGestureRecognizer::reset(state);
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognizeMousePress(SwipeGesture* gesture,
                                                                      const QMouseEvent* event)
{
    gesture->m_velocity = 1.0;
    gesture->m_elapsedTimer.start();
    gesture->m_started = true;
    gesture->m_startPosition = gesture->m_lastPosition = event->globalPosition().toPoint();
    gesture->setHotSpot(event->globalPosition());
    return MayBeGesture;
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognizeMouseMove(SwipeGesture* gesture,
                                                                     const QMouseEvent* event)
{
    if (!gesture->m_started)
        return CancelGesture;
    gesture->m_moved = true;
    QPoint& reference = gesture->m_lastPositions[0];
    if (reference.isNull())
        reference = gesture->hotSpot().toPoint();

    const QPoint position = event->globalPosition().toPoint();
    const int dx = position.x() - reference.x();
    const int dy = position.y() - reference.y();
    setSpeed(gesture, position);
    gesture->m_swipeAngle = QLineF(gesture->m_lastPosition, position).angle();

    if (std::max(std::abs(dx), std::abs(dy)) > STROKE_DISTANCE) {
        gesture->m_lastPositions[2] = gesture->m_lastPositions[1];
        gesture->m_lastPositions[1] = gesture->m_lastPositions[0];
        gesture->m_lastPositions[0] = position;
        if (gesture->m_verticalDirection == SwipeGesture::NoDirection)
            gesture->m_verticalDirection = dy > 0 ? SwipeGesture::Down : SwipeGesture::Up;
        if (gesture->m_horizontalDirection == SwipeGesture::NoDirection)
            gesture->m_horizontalDirection = dx > 0 ? SwipeGesture::Right : SwipeGesture::Left;
        return Result();
    }
    gesture->m_lastPosition = gesture->hotSpot().toPoint();
    gesture->setHotSpot(event->globalPosition());
    return TriggerGesture;
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognizeMouseRelease(SwipeGesture* gesture)
{
    if (!gesture->m_moved)
        return CancelGesture;
    gesture->m_finished = true;
    return FinishGesture;
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognizeTouchBegin(SwipeGesture* gesture)
{
    gesture->m_velocity = 1.0;
    gesture->m_elapsedTimer.start();
    gesture->m_started = true;
    return MayBeGesture;
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognizeTouchUpdate(SwipeGesture* gesture,
                                                                       const QTouchEvent* event)
{
    if (!gesture->m_started)
        return CancelGesture;
    const qsizetype pointCount = event->points().size();
    if (pointCount == TOUCH_POINT_COUNT)
        return recognizeThreePointUpdate(gesture, event);
    if (pointCount < TOUCH_POINT_COUNT)
        return event->touchPointStates().testFlag(QEventPoint::State::Pressed) ? CancelGesture : Ignore;
    return CancelGesture;
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognizeThreePointUpdate(SwipeGesture* gesture,
                                                                            const QTouchEvent* event)
{
    const QList<QEventPoint>& points = event->points();
    QPoint* references = gesture->m_lastPositions;
    if (references[0].isNull()) {
        for (int i = 0; i < TOUCH_POINT_COUNT; ++i)
            references[i] = points.at(i).globalPressPosition().toPoint();
    }
    gesture->setHotSpot(points.at(0).globalPosition());

    qreal sumX = 0.0;
    qreal sumY = 0.0;
    for (int i = 0; i < TOUCH_POINT_COUNT; ++i) {
        sumX += points.at(i).globalPosition().x() - references[i].x();
        sumY += points.at(i).globalPosition().y() - references[i].y();
    }
    const int xDistance = static_cast<int>(sumX / TOUCH_POINT_COUNT);
    const int yDistance = static_cast<int>(sumY / TOUCH_POINT_COUNT);
    const int distance = std::max(xDistance, yDistance);
    const qint64 elapsed = std::max<qint64>(gesture->m_elapsedTimer.restart(), 1);
    gesture->m_velocity = 0.9 * gesture->m_velocity + distance / elapsed;
    gesture->m_swipeAngle = QLineF(points.at(0).globalPressPosition(), points.at(0).globalPosition()).angle();

    // A stroke counts in either sense along an axis; a stroke against the
    // direction already taken cancels the swipe.
    if (std::abs(xDistance) > STROKE_DISTANCE || std::abs(yDistance) > STROKE_DISTANCE) {
        for (int i = 0; i < TOUCH_POINT_COUNT; ++i)
            references[i] = points.at(i).globalPosition().toPoint();
        const auto horizontal = xDistance > 0 ? SwipeGesture::Right : SwipeGesture::Left;
        const auto vertical = yDistance > 0 ? SwipeGesture::Down : SwipeGesture::Up;
        if (gesture->m_horizontalDirection == SwipeGesture::NoDirection)
            gesture->m_horizontalDirection = horizontal;
        if (gesture->m_verticalDirection == SwipeGesture::NoDirection)
            gesture->m_verticalDirection = vertical;
        const bool reversed = gesture->m_horizontalDirection != horizontal || gesture->m_verticalDirection != vertical;
        return reversed ? CancelGesture : TriggerGesture;
    }
    return gesture->state() == Qt::NoGesture ? MayBeGesture : TriggerGesture;
}

QGestureRecognizer::Result SwipeGestureRecognizer::recognizeTouchEnd(SwipeGesture* gesture)
{
    return gesture->state() == Qt::NoGesture ? CancelGesture : FinishGesture;
}

void SwipeGestureRecognizer::setSpeed(SwipeGesture* gesture, QPoint screenPos)
{
    const QPoint& reference = gesture->m_lastPositions[0];
    const int distance = std::max(std::abs(screenPos.x() - reference.x()), std::abs(screenPos.y() - reference.y()));
    qint64 elapsed = gesture->m_elapsedTimer.restart();
    bool slowStep = false;
    if (elapsed == 0)
        elapsed = 1;
    else
        slowStep = elapsed >= SLOW_STEP_MS;
    const qreal speed = qreal(distance) / elapsed;

    if (gesture->m_previousSpeed < 0.0)
        gesture->m_previousSpeed = speed;
    if (gesture->m_olderSpeed < 0.0)
        gesture->m_olderSpeed = speed;
    if (slowStep)
        gesture->m_olderSpeed = gesture->m_previousSpeed = 1.0;
    else if (elapsed >= HALF_SLOW_STEP_MS)
        gesture->m_olderSpeed = 1.0;

    gesture->m_velocity = (gesture->m_olderSpeed + gesture->m_previousSpeed + speed) / 3;
    gesture->m_olderSpeed = gesture->m_previousSpeed;
    gesture->m_previousSpeed = speed;
}

} // namespace Corvane::Gadgets::Gestures

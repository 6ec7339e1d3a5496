#pragma once

#include <QElapsedTimer>
#include <QGesture>
#include <QPoint>

namespace Corvane::Gadgets::Gestures {

class SwipeGestureRecognizer;

// A swipe made with the left mouse button or with three touch points, as
// recognised by SwipeGestureRecognizer. Positions are screen positions.
class SwipeGesture : public QGesture
{
    Q_OBJECT

public:
    enum Direction { NoDirection = 0, Left = 1, Right = 2, Up = 3, Down = 4 };

    explicit SwipeGesture(QObject* parent = nullptr);

    Direction horizontalDirection() const { return m_horizontalDirection; }
    Direction verticalDirection() const { return m_verticalDirection; }
    // Degrees, 0 pointing right, counter-clockwise positive.
    qreal swipeAngle() const { return m_swipeAngle; }
    QPoint startPosition() const { return m_startPosition; }
    QPoint lastPosition() const { return m_lastPosition; }
    // Smoothed speed in pixels per millisecond.
    qreal velocity() const { return m_velocity; }
    bool isStarted() const { return m_started; }
    bool isFinished() const { return m_finished; }
    bool hasMoved() const { return m_moved; }
    bool isLeftToRight() const { return true; }

private:
    friend class SwipeGestureRecognizer;

    void clear();

    Direction m_horizontalDirection = NoDirection;
    Direction m_verticalDirection = NoDirection;
    qreal m_swipeAngle = 0.0;
    QPoint m_startPosition;
    QPoint m_lastPosition;
    // Reference positions of the three touch points (the mouse uses the first).
    QPoint m_lastPositions[3];
    bool m_started = false;
    bool m_finished = false;
    bool m_moved = false;
    qreal m_velocity = 0.0;
    qreal m_previousSpeed = -1.0;
    qreal m_olderSpeed = -1.0;
    QElapsedTimer m_elapsedTimer;
};

} // namespace Corvane::Gadgets::Gestures

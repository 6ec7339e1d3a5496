#include "gestures/SwipeGesture.h"

namespace Corvane::Gadgets::Gestures {

SwipeGesture::SwipeGesture(QObject* parent)
    : QGesture(parent)
{
}

void SwipeGesture::clear()
{
    m_horizontalDirection = NoDirection;
    m_verticalDirection = NoDirection;
    m_swipeAngle = 0.0;
    m_startPosition = QPoint();
    m_lastPosition = QPoint();
    for (QPoint& position : m_lastPositions)
        position = QPoint();
    m_started = false;
    m_finished = false;
    m_moved = false;
    m_velocity = 0.0;
    m_previousSpeed = -1.0;
    m_olderSpeed = -1.0;
    m_elapsedTimer.invalidate();
}

} // namespace Corvane::Gadgets::Gestures

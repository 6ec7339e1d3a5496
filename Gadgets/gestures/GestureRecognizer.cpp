#include "gestures/GestureRecognizer.h"

#include "gestures/EventConsumer.h"
#include "gestures/SystemCursorPositionProvider.h"

#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSceneWheelEvent>
#include <QKeyEvent>
#include <QLineF>
#include <QMouseEvent>

namespace Corvane::Gadgets::Gestures {

namespace {

constexpr int SAMPLING_INTERVAL_MS = 40;
constexpr int PRESS_AND_HOLD_MS = 800;
constexpr int PRESS_MOVE_AND_HOVER_MS = 650;
// Largest distance per tick that still counts as holding still.
constexpr qreal STILL_TICK_DISTANCE = 10.0;
// Smallest distance per tick that counts as moving.
constexpr qreal MOVE_TICK_DISTANCE = 1.0;
constexpr qreal SWIPE_MIN_DISTANCE = 50.0;
constexpr qreal SWIPE_MIN_SPEED = 50.0;
constexpr qreal CLICK_MAX_DISTANCE = 50.0;

QList<GestureRecognizer*>& liveRecognizers()
{
    static QList<GestureRecognizer*> list;
    return list;
}

qreal distance(const QPoint& from, const QPoint& to)
{
    return QLineF(from, to).length();
}

} // namespace

const QPoint GestureRecognizer::EMPTY_POINT(-1000000, -1000000);

GestureRecognizer::GestureRecognizer(std::unique_ptr<CursorPositionProvider> cursor)
    : m_cursor(cursor ? std::move(cursor) : std::make_unique<SystemCursorPositionProvider>())
{
    m_timer.setInterval(SAMPLING_INTERVAL_MS);
    reset();
    connect(&m_timer, &QTimer::timeout, this, &GestureRecognizer::timerTick);
    liveRecognizers().append(this);
}

GestureRecognizer::~GestureRecognizer()
{
    liveRecognizers().removeOne(this);
}

QList<GestureRecognizer*> GestureRecognizer::recognizers()
{
    return liveRecognizers();
}

bool GestureRecognizer::eventFilter(QObject* watched, QEvent* event)
{
    EventConsumer consumer;
    return eventFilter(watched, event, consumer);
}

bool GestureRecognizer::eventFilter(QObject*, QEvent* event, EventConsumer& consumer)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneMousePress:
        return handlePress(static_cast<QGraphicsSceneMouseEvent*>(event)->button(), consumer);
    case QEvent::MouseButtonPress:
        return handlePress(static_cast<QMouseEvent*>(event)->button(), consumer);
    case QEvent::GraphicsSceneMouseDoubleClick:
    case QEvent::MouseButtonDblClick:
        // Not a press: the tracking of the first click has already ended.
        emit doubleClick(m_cursor->position());
        return false;
    case QEvent::GraphicsSceneMouseRelease:
        handleRelease(static_cast<QGraphicsSceneMouseEvent*>(event)->button());
        return false;
    case QEvent::MouseButtonRelease:
        handleRelease(static_cast<QMouseEvent*>(event)->button());
        return false;
    case QEvent::KeyPress:
        emit keyPress(static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::KeyRelease:
        emit keyRelease(static_cast<QKeyEvent*>(event));
        return false;
    case QEvent::ShortcutOverride:
        event->ignore();
        return false;
    case QEvent::GraphicsSceneWheel:
        return handleWheel(event);
    default:
        return false;
    }
}

bool GestureRecognizer::handlePress(Qt::MouseButton button, EventConsumer& consumer)
{
    if (button != Qt::LeftButton)
        return true;
    if (!m_timer.isActive()) {
        m_elapsed = 0;
        m_pressPosition = m_currentPosition = m_cursor->position();
        emit press(consumer);
        m_pressConsumer = consumer.consumer();
        if (m_pressConsumer)
            m_timer.start();
    }
    return m_pressConsumer != nullptr;
}

void GestureRecognizer::handleRelease(Qt::MouseButton button)
{
    // Only the left button starts a gesture, so only its release ends one:
    // another button's release while the left one is held changes nothing.
    if (button != Qt::LeftButton)
        return;
    m_timer.stop();
    m_releasePosition = m_cursor->position();
    if (m_pressPosition == EMPTY_POINT) {
        // No press was seen (the second release of a double click, or the
        // release of an eaten press): there is no path to measure, so this
        // is neither a swipe nor a click.
        emit release(m_pressConsumer);
        reset();
        return;
    }
    const qreal releaseDistance = distance(m_pressPosition, m_releasePosition);
    const qreal speed = calculateSpeed();
    if (releaseDistance > SWIPE_MIN_DISTANCE && speed > SWIPE_MIN_SPEED)
        emit swipe(calculateAngle(), speed);
    else if (m_moving)
        emit endPressAndMove();
    emit release(m_pressConsumer);
    if (m_pathLength <= CLICK_MAX_DISTANCE && releaseDistance <= CLICK_MAX_DISTANCE)
        emit click(m_pressConsumer, m_releasePosition);
    reset();
}

bool GestureRecognizer::handleWheel(QEvent* event)
{
    event->ignore();
    emit mouseWheel(static_cast<QGraphicsSceneWheelEvent*>(event));
    return event->isAccepted();
}

void GestureRecognizer::reset()
{
    m_timer.stop();
    m_pressConsumer = nullptr;
    m_moving = false;
    m_pathLength = 0.0;
    m_elapsed = 0;
    m_pressPosition = EMPTY_POINT;
    m_currentPosition = EMPTY_POINT;
    m_previousPosition = EMPTY_POINT;
    m_beforePreviousPosition = EMPTY_POINT;
    m_releasePosition = EMPTY_POINT;
}

QPoint GestureRecognizer::lastPosition() const
{
    return m_releasePosition != EMPTY_POINT ? m_releasePosition : m_currentPosition;
}

QPoint GestureRecognizer::swipeStart() const
{
    if (m_beforePreviousPosition != EMPTY_POINT)
        return m_beforePreviousPosition;
    if (m_previousPosition != EMPTY_POINT)
        return m_previousPosition;
    return m_pressPosition;
}

qreal GestureRecognizer::calculateAngle() const
{
    return QLineF(swipeStart(), m_releasePosition).angle();
}

qreal GestureRecognizer::calculateSpeed() const
{
    return distance(swipeStart(), m_releasePosition);
}

void GestureRecognizer::timerTick()
{
    m_elapsed += m_timer.interval();
    m_beforePreviousPosition = m_previousPosition;
    m_previousPosition = m_currentPosition;
    m_currentPosition = m_cursor->position();
    const qreal tickDistance = distance(m_previousPosition, m_currentPosition);
    m_pathLength += tickDistance;

    if (m_moving)
        checkPressMoveAndHover(tickDistance);
    else
        checkPressAndHold(tickDistance);

    if (tickDistance >= MOVE_TICK_DISTANCE) {
        m_moving = true;
        emit pressAndMove(m_pressConsumer);
    }
}

void GestureRecognizer::checkPressAndHold(qreal tickDistance)
{
    // Only the first tick that reaches the hold time may report it.
    const bool holdTimeReached = m_elapsed >= PRESS_AND_HOLD_MS
        && m_elapsed < PRESS_AND_HOLD_MS + m_timer.interval();
    if (holdTimeReached && tickDistance <= STILL_TICK_DISTANCE)
        emit pressAndHold();
}

void GestureRecognizer::checkPressMoveAndHover(qreal tickDistance)
{
    if (tickDistance > STILL_TICK_DISTANCE) {
        m_elapsed = 0;
    } else if (m_elapsed >= PRESS_MOVE_AND_HOVER_MS) {
        emit pressMoveAndHover();
        m_elapsed = 0;
    }
}

} // namespace Corvane::Gadgets::Gestures

#pragma once

#include "gestures/CursorPositionProvider.h"

#include <QList>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <memory>

class QGraphicsSceneWheelEvent;
class QKeyEvent;
class tst_GestureRecognizer;

namespace Corvane::Gadgets::Gestures {

class EventConsumer;

// Turns the raw mouse, key and wheel events of one scene into the gestures
// that controls understand. Installed as an event filter on a graphics scene
// (or widget); while the left button is held it samples the cursor every
// 40 ms to tell a press-and-hold from a press-and-move, and measures the
// last stretch of the pointer's path at the release to detect a swipe.
//
// All positions are global cursor positions read from the position provider,
// not from the events.
class GestureRecognizer : public QObject
{
    Q_OBJECT

public:
    // The mark for "no position".
    static const QPoint EMPTY_POINT;

    // Samples the system cursor unless another position provider is given.
    explicit GestureRecognizer(std::unique_ptr<CursorPositionProvider> cursor = {});
    ~GestureRecognizer() override;

    // Every live recogniser, in order of construction.
    static QList<GestureRecognizer*> recognizers();

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event, EventConsumer& consumer);

    void reset();
    // Direction in degrees (0 pointing right, counter-clockwise positive on
    // screen) and length in pixels of the pointer's last two ticks before
    // the release.
    qreal calculateAngle() const;
    qreal calculateSpeed() const;

    // Global positions of the gesture under way, EMPTY_POINT when none: where
    // the press happened, where the cursor was at the last sample, and the
    // last position known (the release position once the button is up,
    // before that the last sample). Valid while the gesture's signals are
    // delivered.
    QPoint pressPosition() const { return m_pressPosition; }
    QPoint currentPosition() const { return m_currentPosition; }
    QPoint lastPosition() const;

Q_SIGNALS:
    // Emitted directly: the receivers record the control that takes the
    // press in handler while the signal is being delivered.
    void press(Corvane::Gadgets::Gestures::EventConsumer& handler);
    void pressAndHold();
    void pressAndMove(void* pressConsumer);
    void pressMoveAndHover();
    void endPressAndMove();
    void release(void* pressConsumer);
    void click(void* pressConsumer, QPoint position);
    void doubleClick(QPoint position);
    void swipe(qreal angle, qreal speed);
    void keyPress(QKeyEvent* event);
    void keyRelease(QKeyEvent* event);
    void mouseWheel(QGraphicsSceneWheelEvent* event);

private Q_SLOTS:
    void timerTick();

private:
    friend class ::tst_GestureRecognizer;

    bool handlePress(Qt::MouseButton button, EventConsumer& consumer);
    void handleRelease(Qt::MouseButton button);
    bool handleWheel(QEvent* event);
    QPoint swipeStart() const;
    void checkPressAndHold(qreal tickDistance);
    void checkPressMoveAndHover(qreal tickDistance);

    std::unique_ptr<CursorPositionProvider> m_cursor;
    QPoint m_pressPosition;
    QPoint m_currentPosition;
    QPoint m_previousPosition;
    QPoint m_beforePreviousPosition;
    QPoint m_releasePosition;
    QTimer m_timer;
    int m_elapsed = 0;
    bool m_moving = false;
    qreal m_pathLength = 0.0;
    void* m_pressConsumer = nullptr;
};

} // namespace Corvane::Gadgets::Gestures

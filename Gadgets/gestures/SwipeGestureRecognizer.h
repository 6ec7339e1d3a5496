#pragma once

#include <QGestureRecognizer>
#include <QObject>
#include <QPoint>

class QMouseEvent;
class QTouchEvent;

namespace Corvane::Gadgets::Gestures {

class SwipeGesture;

// Recognises SwipeGesture in Qt's gesture framework, from a drag with the
// left mouse button or from three touch points moving together. The host
// registers it with QGestureRecognizer::registerRecognizer and stores the
// returned type in s_gestureType.
class SwipeGestureRecognizer : public QObject, public QGestureRecognizer
{
    Q_OBJECT

public:
    static Qt::GestureType s_gestureType;
    static Qt::GestureType gestureType();

    QGesture* create(QObject* target) override;
    Result recognize(QGesture* state, QObject* watched, QEvent* event) override;
    void reset(QGesture* state) override;

    // Smooths the mouse swipe's velocity over the last three moves.
    void setSpeed(SwipeGesture* gesture, QPoint screenPos);

private:
    Result recognizeMousePress(SwipeGesture* gesture, const QMouseEvent* event);
    Result recognizeMouseMove(SwipeGesture* gesture, const QMouseEvent* event);
    Result recognizeMouseRelease(SwipeGesture* gesture);
    Result recognizeTouchBegin(SwipeGesture* gesture);
    Result recognizeTouchUpdate(SwipeGesture* gesture, const QTouchEvent* event);
    Result recognizeThreePointUpdate(SwipeGesture* gesture, const QTouchEvent* event);
    Result recognizeTouchEnd(SwipeGesture* gesture);
};

} // namespace Corvane::Gadgets::Gestures

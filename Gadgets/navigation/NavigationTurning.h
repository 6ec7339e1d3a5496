#pragma once

#include <QEasingCurve>
#include <QPoint>
#include <QtGlobal>

class QGraphicsSceneMouseEvent;

namespace Corvane::Gadgets {

class NavigationControl;

// Turning the carousel's window onto its icon list: the icons travel along
// the animation path to the next or previous icon, follow a finger along the
// ring, snap to a whole icon when the finger lets go, and run on after a
// swipe. While they travel the carousel paints them and the segments show
// none; the labels fade with the distance to a whole first index.
class NavigationTurning
{
public:
    explicit NavigationTurning(NavigationControl& carousel);

    // "Previous" raises the first index, "next" lowers it.
    void rotatePrevious();
    void rotateNext();
    void start(double from, double to, int duration, QEasingCurve::Type type);
    void stop();
    // One frame: the icons stand at the fractional first index.
    void showFrame(qreal index);
    void followFinger(QPoint startPos, QPoint currentPos);
    void snap();
    void swipe(qreal angle, qreal speed, QPoint startPos, QGraphicsSceneMouseEvent* event);
    void hideIcons();
    void showIcons();

private:
    void standAt(double index);
    void end(int firstIndex);

    NavigationControl& m_carousel;
};

} // namespace Corvane::Gadgets

#pragma once

#include <QPoint>
#include <QPointF>

class QGraphicsSceneMouseEvent;

namespace Corvane::Gadgets {

class NavigationControl;

// Lifting, carrying and dropping the carousel's icons: a lifted icon
// follows the pointer in a cursor window; over another segment it takes
// that place, its neighbours sliding along the ring step by step; over an
// arrow the list turns under it; dropped in the carousel it reorders the
// list, dropped outside it asks the owner for a shortcut.
class NavigationIconDragger
{
public:
    explicit NavigationIconDragger(NavigationControl& carousel);

    void lift(int segment);
    void follow(QPoint scenePos);
    void turnOverArrow(bool previous);
    // Applies the slides that have ended (each step of the drag animation).
    void applyFinishedSlides();
    void drop(QGraphicsSceneMouseEvent* event);
    void deleteCursor();
    static void setForbiddenCursor(bool forbidden);

private:
    int nearestSegment(const QPointF& itemPos) const;
    void moveTo(int segment);
    void queueSlides(int current, int target);
    void updateLabels();
    void carry(int index, int step);
    void swapIcons(int a, int b);
    void finish();

    NavigationControl& m_carousel;
    int m_iconIndex = 0;
    int m_iconId = 0;
    bool m_shortcutAllowed = false;
};

} // namespace Corvane::Gadgets

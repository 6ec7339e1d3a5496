#pragma once

#include <QPropertyAnimation>
#include <QRectF>

class QGraphicsItem;

namespace Corvane::Gadgets {

class CommandControl;
class NavigationControl;
class SvgControlObject;

// The carousel's command rings: ring 1 grows out of the carousel around a
// segment, ring 2 out of ring 1. Opening hangs a ring into the carousel and
// animates the carousel's show progress of it; at the end of a closing the
// ring leaves the carousel again (its creator owns it).
class NavigationCommandRings
{
public:
    explicit NavigationCommandRings(NavigationControl& carousel);

    void openFirst(CommandControl* ring, int segment);
    // Ring 2 opens only on top of ring 1.
    void openSecond(CommandControl* ring);
    void closeFirst();
    void closeSecond();
    void showFirst(qreal progress);
    void showSecond(qreal progress);
    // Fits the open rings into the theme's placeholders again.
    void refit();
    void detachAll();
    // The segment ring 1 was opened over, or -1.
    int segment() const { return m_segment; }

private:
    void replace(CommandControl*& open, CommandControl* ring);
    // Hangs the ring into the carousel, stacked under `above`.
    void place(CommandControl* ring, const QRectF& bounds, QGraphicsItem* above);
    void grow(QPropertyAnimation& animation, qreal progress);
    void shrink(QPropertyAnimation& animation, qreal progress);
    void detach(SvgControlObject* ring);
    void applyShowProgress(qreal progress, const QRectF& from, const QRectF& to, const QPropertyAnimation& animation,
                           SvgControlObject* ring);
    void setExpandIndicatorsState(int state);
    // Lays the labels out for the rings open (0, 1 or 2) and moves the
    // floating buttons clear of them.
    void layOutFor(int openRings);
    void placeFloatingButtons(int openRings);

    NavigationControl& m_carousel;
    QPropertyAnimation m_firstAnimation;
    QPropertyAnimation m_secondAnimation;
    int m_segment = -1;
};

} // namespace Corvane::Gadgets

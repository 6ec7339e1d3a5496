#pragma once

#include <QPainterPath>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QSizeF>

namespace Corvane::Gadgets {

// The geometry of the carousel that shows further controls beside the round
// navigation gadget: the path its delegates move on, where each delegate sits
// on it and how large, opaque and high it is there, and the direction the
// whole carousel turns to face the screen centre.
//
// The path runs from its right-hand middle point down a quarter arc to the
// bottom-left corner, straight up the left edge (behind the gadget) and up
// a quarter arc back to the start. With more than five delegates the extra
// ones wait on the straight edge, where they are hidden.
class CarouselGeometry
{
public:
    CarouselGeometry() = delete;

    static constexpr qreal defaultTension = 0.45;
    static constexpr int visibleItemCount = 5;
    static constexpr int vanishPointOffset = 20;
    static constexpr qreal rotationStep = 45.0;

    // Where a delegate is drawn and how.
    struct Placement
    {
        QPointF centre;
        qreal scale = 0.0;
        qreal opacity = 0.0;
        qreal z = 0.0;
        bool visible = false;
    };

    // The size a delegate is laid out with when the carousel shows nothing.
    static QSizeF emptyDelegateSize();

    // The rectangle the path spans inside a view of viewSize that is centred
    // on a gadget of gadgetHeight: from the view's horizontal centre to the
    // right, wide enough that a delegate turned by rotationDegrees clears the
    // gadget's edge by gadgetMargin, and 80 % of the gadget high.
    static QRectF pathRect(const QSizeF& viewSize, qreal gadgetHeight, qreal rotationDegrees,
                           const QSizeF& delegateSize, qreal delegateScaleFactor,
                           qreal gadgetRadius, int gadgetMargin);

    static QPainterPath path(const QRectF& rect, qreal margin = 0.0, qreal tension = defaultTension);

    // The share of the path, on its straight edge, given to hidden delegates.
    static qreal hiddenShare(int count);

    // The position, 0 to 1 along the path, of the delegate at index; the
    // current one sits at 0. offset moves every delegate on by that many
    // places, as while the carousel is dragged or turns.
    static qreal delegatePercent(int index, int currentIndex, qreal offset, int count);

    // The point at percent, where each of the three stretches of the path
    // gets its share of the percent range and is walked by length.
    static QPointF pointAtPercent(const QRectF& rect, qreal hiddenShare, qreal percent,
                                  qreal margin = 0.0, qreal tension = defaultTension);

    // A delegate centred on the path at percent: largest at the path's
    // vertical middle, minimumScale times that at its top and bottom, hidden
    // left of the vanishing point when there are more delegates than fit.
    static Placement placeDelegate(const QRectF& rect, int count, qreal percent,
                                   qreal minimumScale, qreal delegateScaleFactor,
                                   qreal margin = 0.0, qreal tension = defaultTension);

    // The half extent of the gadget with its carousel on the right, in
    // screen pixels at customScale.
    static QSize carouselExtent(const QSizeF& delegateSize, qreal delegateScaleFactor,
                                qreal gadgetRadius, int gadgetMargin, qreal controlHeight,
                                qreal minimumScale, qreal customScale);

    // The direction, in degrees counter-clockwise from the right with the
    // y axis down, from centre to the middle of screen; 0 when the carousel
    // of the given extent fits right of centre inside screen.
    static qreal angleToScreenCentre(const QPointF& centre, const QRect& screen, const QSize& extent);

    // The rotation of the carousel that faces angleToCentre, in steps of
    // rotationStep degrees with halves rounded up.
    static qreal snappedRotation(qreal angleToCentre);

private:
    static bool fitsRightOf(const QPointF& centre, const QRect& screen, const QSize& extent);
};

} // namespace Corvane::Gadgets

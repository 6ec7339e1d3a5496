#include "CarouselGeometry.h"

#include <QLineF>
#include <QtMath>

#include <cmath>

namespace Corvane::Gadgets {

namespace {

// The corner points of the path, relative to its rectangle's top left.
struct PathPoints
{
    qreal cy, rx, ry, mx, my;
};

PathPoints pathPoints(const QRectF& rect, qreal margin, qreal tension)
{
    const qreal cy = rect.height() / 2;
    const qreal rx = rect.width() - margin;
    const qreal ry = rect.height() / 2 - margin;
    return {cy, rx, ry, rx * tension, ry * tension};
}

QPainterPath lowerArc(const QRectF& rect, const PathPoints& p)
{
    const QPointF o = rect.topLeft();
    QPainterPath arc(o + QPointF(p.rx, p.cy));
    arc.cubicTo(o + QPointF(p.rx, p.cy + p.my), o + QPointF(p.mx, p.cy + p.ry), o + QPointF(0, p.cy + p.ry));
    return arc;
}

QPainterPath hiddenEdge(const QRectF& rect, const PathPoints& p)
{
    const QPointF o = rect.topLeft();
    QPainterPath edge(o + QPointF(0, p.cy + p.ry));
    edge.lineTo(o + QPointF(0, p.cy - p.ry));
    return edge;
}

QPainterPath upperArc(const QRectF& rect, const PathPoints& p)
{
    const QPointF o = rect.topLeft();
    QPainterPath arc(o + QPointF(0, p.cy - p.ry));
    arc.cubicTo(o + QPointF(p.mx, p.cy - p.ry), o + QPointF(p.rx, p.cy - p.my), o + QPointF(p.rx, p.cy));
    return arc;
}

// The point at percent of a stretch that covers [from, to] of the path.
QPointF pointOnStretch(const QPainterPath& stretch, qreal from, qreal to, qreal percent)
{
    if (to <= from)
        return stretch.pointAtPercent(0.0);
    return stretch.pointAtPercent(qBound(0.0, (percent - from) / (to - from), 1.0));
}

} // namespace

QSizeF CarouselGeometry::emptyDelegateSize()
{
    return QSizeF(260, 180);
}

QRectF CarouselGeometry::pathRect(const QSizeF& viewSize, qreal gadgetHeight, qreal rotationDegrees,
                                  const QSizeF& delegateSize, qreal delegateScaleFactor,
                                  qreal gadgetRadius, int gadgetMargin)
{
    const qreal angle = qDegreesToRadians(rotationDegrees);
    const qreal halfRotatedDelegate = std::abs(std::sin(angle)) * delegateSize.height() * delegateScaleFactor / 2
                                      + std::abs(std::cos(angle)) * delegateSize.width() * delegateScaleFactor / 2;
    const qreal x = viewSize.width() / 2;
    const qreal toGadgetEdge = viewSize.width() / 2 + gadgetRadius - x;
    const qreal height = gadgetHeight * 0.8;
    return QRectF(x, (viewSize.height() - height) / 2, halfRotatedDelegate + toGadgetEdge + gadgetMargin, height);
}

QPainterPath CarouselGeometry::path(const QRectF& rect, qreal margin, qreal tension)
{
    const PathPoints points = pathPoints(rect, margin, tension);
    QPainterPath whole = lowerArc(rect, points);
    whole.connectPath(hiddenEdge(rect, points));
    whole.connectPath(upperArc(rect, points));
    return whole;
}

qreal CarouselGeometry::hiddenShare(int count)
{
    if (count <= visibleItemCount)
        return 0.0;
    return qreal(count - visibleItemCount) / count;
}

qreal CarouselGeometry::delegatePercent(int index, int currentIndex, qreal offset, int count)
{
    if (count <= 0)
        return 0.0;
    qreal places = std::fmod(index - currentIndex + offset, qreal(count));
    if (places < 0)
        places += count;
    if (places >= count)
        places -= count;
    return places / count;
}

QPointF CarouselGeometry::pointAtPercent(const QRectF& rect, qreal hiddenShare, qreal percent,
                                         qreal margin, qreal tension)
{
    const PathPoints points = pathPoints(rect, margin, tension);
    const qreal lowerEnd = (1.0 - hiddenShare) / 2;
    const qreal edgeEnd = lowerEnd + hiddenShare;
    if (percent <= lowerEnd)
        return pointOnStretch(lowerArc(rect, points), 0.0, lowerEnd, percent);
    if (percent <= edgeEnd)
        return pointOnStretch(hiddenEdge(rect, points), lowerEnd, edgeEnd, percent);
    return pointOnStretch(upperArc(rect, points), edgeEnd, 1.0, percent);
}

CarouselGeometry::Placement CarouselGeometry::placeDelegate(const QRectF& rect, int count, qreal percent,
                                                            qreal minimumScale, qreal delegateScaleFactor,
                                                            qreal margin, qreal tension)
{
    Placement placement;
    placement.centre = pointAtPercent(rect, hiddenShare(count), percent, margin, tension);
    placement.visible = count <= visibleItemCount || placement.centre.x() > rect.x() + vanishPointOffset;
    if (!placement.visible)
        return placement;

    const qreal halfHeight = rect.height() / 2;
    const qreal nearness = halfHeight > 0
        ? 1.0 - std::abs(halfHeight - (placement.centre.y() - rect.y())) / halfHeight
        : 1.0;
    placement.scale = (nearness * (1.0 - minimumScale) + minimumScale) * delegateScaleFactor;
    placement.opacity = delegateScaleFactor != 0 ? placement.scale / delegateScaleFactor : 0.0;
    placement.z = placement.scale * 100;
    return placement;
}

QSize CarouselGeometry::carouselExtent(const QSizeF& delegateSize, qreal delegateScaleFactor,
                                       qreal gadgetRadius, int gadgetMargin, qreal controlHeight,
                                       qreal minimumScale, qreal customScale)
{
    const qreal width = (delegateSize.width() * delegateScaleFactor + gadgetRadius + gadgetMargin) * customScale;
    const int halfDelegateHeight = int(delegateSize.height()) / 2;
    const qreal height = (controlHeight * 0.5 + halfDelegateHeight * minimumScale) * customScale;
    return QSize(int(width), int(height));
}

qreal CarouselGeometry::angleToScreenCentre(const QPointF& centre, const QRect& screen, const QSize& extent)
{
    if (fitsRightOf(centre, screen, extent))
        return 0.0;
    return QLineF(centre, QPointF(screen.center())).angle();
}

qreal CarouselGeometry::snappedRotation(qreal angleToCentre)
{
    return -(std::floor(angleToCentre / rotationStep + 0.5) * rotationStep) + 0.0;
}

// Compared with the screen's own edges, so that a screen left of or below
// the desktop's origin is judged by where it really is.
bool CarouselGeometry::fitsRightOf(const QPointF& centre, const QRect& screen, const QSize& extent)
{
    return centre.x() + extent.width() < screen.x() + screen.width()
        && centre.y() + extent.height() < screen.y() + screen.height()
        && centre.y() - extent.height() > screen.y();
}

} // namespace Corvane::Gadgets

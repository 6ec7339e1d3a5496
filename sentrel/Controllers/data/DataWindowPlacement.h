#pragma once

#include <QList>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRectF>

namespace Corvane::Sentrel::Controllers {

// Where a favourite's data window goes on screen: beside the favourite, at
// the first of eight spots (right, left, above, below, then the four
// corners) where the whole window lies strictly inside the screen's
// available area. When none fits, the spot that needs the shortest move
// is moved inside the area (over the favourite if need be): a data window
// never opens across the screen's edge.
//
// Everything is in global screen coordinates; rectangles are rounded per
// component before they are compared with the screen area.
class DataWindowPlacement
{
public:
    enum Spot {
        RightCentred,
        LeftCentred,
        AboveCentred,
        BelowCentred,
        AboveRight,
        BelowRight,
        BelowLeft,
        AboveLeft,
    };

    struct Result
    {
        Spot spot;
        // Where the data window's position goes.
        QPointF position;
    };

    // screenArea: the available geometry of the screen holding the
    // favourite; favorite: the favourite's rectangle; data: the data
    // window's rectangle relative to its position (its size gives the
    // offsets, its top-left is where it paints from its position).
    static Result place(const QRect& screenArea, const QRectF& favorite, const QRectF& data);

    // The position moved the least so that data lies strictly inside the
    // area; a window larger than the area keeps its top-left corner inside.
    static QPointF movedInside(const QRect& screenArea, const QRectF& data, const QPointF& position);

    // The positions of the eight spots, in the order they are tried.
    static QList<QPointF> spots(const QRectF& favorite, const QSizeF& dataSize);

    // Each of x, y, width and height rounded to the nearest integer on its
    // own (QRectF::toRect rounds the size from the rounded corners).
    static QRect roundedRect(const QRectF& rect);

    // The available geometry of the screen holding the point; the primary
    // screen's for a point on no screen.
    static QRect screenAreaAt(const QPoint& point);
};

} // namespace Corvane::Sentrel::Controllers

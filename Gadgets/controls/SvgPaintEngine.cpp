#include "controls/SvgPaintEngine.h"

#include <QPolygonF>

namespace Corvane::Gadgets::Utilities {

SvgPaintEngine::SvgPaintEngine()
    : QPaintEngine(AllFeatures)
{
}

bool SvgPaintEngine::begin(QPaintDevice* device)
{
    setPaintDevice(device);
    return true;
}

bool SvgPaintEngine::end()
{
    return true;
}

QPaintEngine::Type SvgPaintEngine::type() const
{
    return SVG;
}

void SvgPaintEngine::updateState(const QPaintEngineState&)
{
}

void SvgPaintEngine::drawPath(const QPainterPath& path)
{
    m_path = path;
}

void SvgPaintEngine::drawRects(const QRectF* rects, int rectCount)
{
    for (int i = 0; i < rectCount; ++i) {
        QPainterPath path;
        path.addRect(rects[i]);
        drawPath(path);
    }
}

void SvgPaintEngine::drawEllipse(const QRectF& rect)
{
    QPainterPath path;
    path.addEllipse(rect);
    drawPath(path);
}

void SvgPaintEngine::drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points, points + pointCount)));
    if (mode != PolylineMode)
        path.closeSubpath();
    drawPath(path);
}

void SvgPaintEngine::drawPixmap(const QRectF&, const QPixmap&, const QRectF&)
{
}

} // namespace Corvane::Gadgets::Utilities

#pragma once

#include <QPaintEngine>
#include <QPainterPath>

namespace Corvane::Gadgets::Utilities {

// A paint engine that draws nothing and keeps the last path handed to it,
// untransformed. It claims every feature, so that painters hand it paths
// instead of emulating them; rectangles, ellipses and polygons are recorded
// as paths too.
class SvgPaintEngine : public QPaintEngine
{
public:
    SvgPaintEngine();

    QPainterPath recordedPath() const { return m_path; }

    bool begin(QPaintDevice* device) override;
    bool end() override;
    Type type() const override;
    void updateState(const QPaintEngineState& state) override;
    void drawPath(const QPainterPath& path) override;
    void drawRects(const QRectF* rects, int rectCount) override;
    void drawEllipse(const QRectF& rect) override;
    void drawPolygon(const QPointF* points, int pointCount, PolygonDrawMode mode) override;
    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override;

private:
    QPainterPath m_path;
};

} // namespace Corvane::Gadgets::Utilities

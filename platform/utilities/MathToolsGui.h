#pragma once

#include <QPainterPath>
#include <QPointF>

namespace Corvane::Utilities {

// Geometry helpers on painter paths.
class MathToolsGui
{
public:
    MathToolsGui() = delete;

    // The fraction in [0, 1] of the point of path nearest to point; 0 for an
    // empty path.
    static qreal guessPercentAtPathPoint(const QPainterPath& path, const QPointF& point);
};

} // namespace Corvane::Utilities

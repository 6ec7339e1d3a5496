#pragma once

#include <QPainterPath>
#include <QPointF>

namespace Corvane::Utilities {

// Geometry helpers on painter paths.
class MathToolsGui
{
public:
    MathToolsGui() = delete;

    // The percent (0 to 1, as QPainterPath::pointAtPercent takes it) of the
    // path point nearest to point; 0 for an empty path.
    static double guessPercentAtPathPoint(const QPainterPath& path, const QPointF& point);
};

} // namespace Corvane::Utilities

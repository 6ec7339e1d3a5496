#include "utilities/MathToolsGui.h"

#include <QLineF>

#include <algorithm>

namespace Corvane::Utilities {

namespace {

qreal distanceAt(const QPainterPath& path, qreal percent, const QPointF& point)
{
    return QLineF(path.pointAtPercent(percent), point).length();
}

} // namespace

qreal MathToolsGui::guessPercentAtPathPoint(const QPainterPath& path, const QPointF& point)
{
    if (path.isEmpty() || path.length() <= 0)
        return 0.0;

    // Coarse sampling finds the neighbourhood of the nearest point, a local
    // bisection then refines it.
    constexpr int samples = 200;
    qreal best = 0.0;
    qreal bestDistance = distanceAt(path, 0.0, point);
    for (int i = 1; i <= samples; ++i) {
        const qreal percent = qreal(i) / samples;
        const qreal distance = distanceAt(path, percent, point);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = percent;
        }
    }

    qreal low = std::max(0.0, best - 1.0 / samples);
    qreal high = std::min(1.0, best + 1.0 / samples);
    for (int i = 0; i < 30; ++i) {
        const qreal first = low + (high - low) / 3.0;
        const qreal second = high - (high - low) / 3.0;
        if (distanceAt(path, first, point) <= distanceAt(path, second, point))
            high = second;
        else
            low = first;
    }
    return std::clamp((low + high) / 2.0, 0.0, 1.0);
}

} // namespace Corvane::Utilities

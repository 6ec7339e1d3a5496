#include "utilities/MathToolsGui.h"

#include <QLineF>

namespace Corvane::Utilities {

namespace {

constexpr int CoarseSamples = 200;
constexpr int RefineSteps = 40;

double distanceAt(const QPainterPath& path, double percent, const QPointF& point)
{
    return QLineF(path.pointAtPercent(percent), point).length();
}

} // namespace

double MathToolsGui::guessPercentAtPathPoint(const QPainterPath& path, const QPointF& point)
{
    if (path.isEmpty() || path.length() <= 0)
        return 0.0;

    // Coarse search over evenly spaced samples, then a ternary search in the
    // neighbourhood of the best sample.
    int best = 0;
    double bestDistance = distanceAt(path, 0.0, point);
    for (int i = 1; i <= CoarseSamples; ++i) {
        const double distance = distanceAt(path, double(i) / CoarseSamples, point);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    double low = qMax(0.0, double(best - 1) / CoarseSamples);
    double high = qMin(1.0, double(best + 1) / CoarseSamples);
    for (int step = 0; step < RefineSteps; ++step) {
        const double third = (high - low) / 3.0;
        if (distanceAt(path, low + third, point) < distanceAt(path, high - third, point))
            high -= third;
        else
            low += third;
    }
    return (low + high) / 2.0;
}

} // namespace Corvane::Utilities

#include "navigation/NavigationTrack.h"

#include "navigation/NavigationControlAnimation.h"
#include "utilities/MathToolsGui.h"

#include <QtMath>

#include <cmath>

namespace Corvane::Gadgets {

namespace {

const double SWIPE_SPEED_PER_ICON = 40.0;

// Two segment centres at the same place along the path span nothing.
double segmentFraction(double numerator, double low, double high)
{
    return high > low ? numerator / (high - low) : 0.0;
}

} // namespace

NavigationTrack::NavigationTrack(const NavigationControlAnimation& animation)
    : m_animation(animation)
{
}

double NavigationTrack::percentAt(const QPointF& itemPos) const
{
    return Corvane::Utilities::MathToolsGui::guessPercentAtPathPoint(m_animation.cachedPath(), itemPos);
}

int NavigationTrack::lastSegmentAtOrBefore(double percent) const
{
    const QList<double>& percentages = m_animation.cachedPercentages();
    int last = -1;
    for (int i = 0; i < percentages.size(); ++i) {
        if (percentages.at(i) <= percent)
            last = i;
    }
    return last;
}

double NavigationTrack::fingerTurn(double p0, double p1) const
{
    const QList<double>& p = m_animation.cachedPercentages();
    const int segments = int(p.size());
    const int s0 = lastSegmentAtOrBefore(p0);
    const int s1 = lastSegmentAtOrBefore(p1);
    const bool same = s0 == s1;
    const int whole = same ? 0 : std::abs(s0 - s1) - 1;
    const int dir = p0 <= p1 ? -1 : 1;
    const auto lo = [&p](int s) { return s >= 0 ? p.at(s) : 0.0; };
    const auto hi = [&p, segments](int s) { return s < segments - 1 ? p.at(s + 1) : 1.0; };

    const double fracStart = (p0 <= p1 || same) ? -segmentFraction(hi(s0) - p0, lo(s0), hi(s0))
                                                : segmentFraction(p0 - lo(s0), lo(s0), hi(s0));
    const double g = segmentFraction(hi(s1) - p1, lo(s1), hi(s1));
    const double fracEnd = same ? -g : (dir == -1 ? 1.0 - g : -g);
    return dir * whole + (fracStart - fracEnd);
}

int NavigationTrack::swipeSteps(qreal angle, qreal speed, double percent) const
{
    const double t = qRadiansToDegrees(std::atan(m_animation.cachedPath().slopeAtPercent(percent)));
    double pathAngle = t >= 0 ? 180.0 - t : -t;
    double swipeAngle = int(angle) % 180;
    if (pathAngle > 90)
        pathAngle -= 180;
    if (swipeAngle > 90)
        swipeAngle -= 180;
    int d = int(std::abs(pathAngle - swipeAngle));
    if (d > 90)
        d = 180 - d;
    return qRound(std::cos(qDegreesToRadians(double(d))) * speed / SWIPE_SPEED_PER_ICON);
}

} // namespace Corvane::Gadgets

#pragma once

#include <QtGlobal>

class QPointF;

namespace Corvane::Gadgets {

class NavigationControlAnimation;

// Measures gestures along the carousel's track: the animation path and the
// percentages of the segment centres on it, as the icons animation caches
// them.
class NavigationTrack
{
public:
    explicit NavigationTrack(const NavigationControlAnimation& animation);

    // Percent along the path of the path point nearest to the item point.
    double percentAt(const QPointF& itemPos) const;
    // How far the icons follow a finger moved from path percent p0 to p1, in
    // icons: whole segments passed plus the fractions of the first and the
    // last segment, negative when the finger moves along the path.
    double fingerTurn(double p0, double p1) const;
    // A swipe along the ring turns by speed / 40 icons, one across it by none.
    int swipeSteps(qreal angle, qreal speed, double percent) const;

private:
    int lastSegmentAtOrBefore(double percent) const;

    const NavigationControlAnimation& m_animation;
};

} // namespace Corvane::Gadgets

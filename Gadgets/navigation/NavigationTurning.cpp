#include "navigation/NavigationTurning.h"

#include "controls/SvgContentButton.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationIconCircle.h"
#include "navigation/NavigationLabels.h"
#include "navigation/NavigationTrack.h"

#include <QGraphicsSceneMouseEvent>

#include <cmath>

namespace Corvane::Gadgets {

namespace {

const int ROTATION_DURATION_MS = 500;
const int SNAP_DURATION_MS = 400;
const int SWIPE_DURATION_MS = 500;
// A label is fully visible at a whole first index and gone beyond this
// distance from it.
const double LABEL_FADE_DISTANCE = 0.45;

} // namespace

NavigationTurning::NavigationTurning(NavigationControl& carousel)
    : m_carousel(carousel)
{
}

// The icons move towards segment 0 and the next icon of the list comes in at
// the last segment. A press while the icons travel extends the running
// rotation by one more icon.
void NavigationTurning::rotatePrevious()
{
    NavigationControl& c = m_carousel;
    c.clearCommandControls();
    const double from = c.m_animating ? c.m_firstIconCustomIndex : c.m_firstIconIndex;
    const double to = c.m_animating ? c.m_animation.endValue() + 1 : c.m_firstIconIndex + 1;
    if (to > from)
        start(from, to, ROTATION_DURATION_MS, QEasingCurve::OutSine);
}

void NavigationTurning::rotateNext()
{
    NavigationControl& c = m_carousel;
    c.clearCommandControls();
    const double from = c.m_animating ? c.m_firstIconCustomIndex : c.m_firstIconIndex;
    const double to = c.m_animating ? c.m_animation.endValue() - 1 : c.m_firstIconIndex - 1;
    if (from > to)
        start(from, to, ROTATION_DURATION_MS, QEasingCurve::OutSine);
}

void NavigationTurning::standAt(double index)
{
    NavigationControl& c = m_carousel;
    c.m_firstIconCustomIndex = index;
    if (index < 0)
        return;
    const int whole = qRound(index);
    const double distance = std::abs(index - whole);
    double opacity = 0.0;
    if (distance <= LABEL_FADE_DISTANCE) {
        c.m_content.showInLabels(whole, false);
        opacity = 1.0 - distance / LABEL_FADE_DISTANCE;
    }
    for (int i = 0; i < c.m_labels->count(); ++i)
        c.m_labels->setTextOpacityAt(i, c.m_draggingIcon && i == c.m_dragSegment ? 0.0 : opacity);
}

void NavigationTurning::showFrame(qreal index)
{
    standAt(index);
    if (index == m_carousel.m_animation.endValue())
        end(int(index));
    else if (index < 0)
        end(0);
    else
        m_carousel.update();
}

void NavigationTurning::end(int firstIndex)
{
    NavigationControl& c = m_carousel;
    stop();
    c.m_labels->setTextOpacity(1.0);
    if (c.m_draggingIcon && c.m_dragSegment < c.segmentCount())
        c.m_segments.at(c.m_dragSegment)->setShowIcon(false);
    c.setFirstIconIndex(firstIndex);
    c.m_selection.selectPendingIcon();
}

void NavigationTurning::start(double from, double to, int duration, QEasingCurve::Type type)
{
    NavigationControl& c = m_carousel;
    const int n = c.iconCount();
    if (n <= c.segmentCount())
        return;
    hideIcons();
    c.updateAnimationCache();
    c.m_animationMode = 1;
    if (from < 0) {
        const double raised = NavigationIconCircle::raiseIntoList(from, n);
        to = to - from + raised;
        from = raised;
    } else if (to < 0) {
        const double raised = NavigationIconCircle::raiseIntoList(to, n);
        from = raised - (to - from);
        to = raised;
    }
    NavigationControlAnimation& animation = c.m_animation;
    animation.stop();
    // The icons stand at the start until the first frame: a press that
    // extends the rotation before then measures from here.
    standAt(from);
    animation.setStartValue(from);
    animation.setEndValue(to);
    animation.setDuration(duration);
    animation.setEasingType(type);
    // Set before the start: a run from a value to itself ends at once.
    c.m_animating = true;
    animation.start();
}

void NavigationTurning::stop()
{
    m_carousel.m_animation.stop();
    m_carousel.m_animating = false;
    m_carousel.m_animationMode = 0;
    showIcons();
}

void NavigationTurning::hideIcons()
{
    for (SvgContentButton* segment : std::as_const(m_carousel.m_segments))
        segment->setShowIcon(false);
    for (SvgButton* indicator : std::as_const(m_carousel.m_expandIndicators))
        indicator->hide();
}

void NavigationTurning::showIcons()
{
    for (SvgContentButton* segment : std::as_const(m_carousel.m_segments)) {
        segment->setVisible(true);
        segment->setShowIcon(true);
    }
}

// The icons follow the finger: each call measures the whole way from the
// start point, in segments along the path, from the integer first index.
void NavigationTurning::followFinger(QPoint startPos, QPoint currentPos)
{
    NavigationControl& c = m_carousel;
    const int n = c.iconCount();
    const int segments = c.segmentCount();
    if (n <= segments)
        return;
    c.updateAnimationCache();
    if (!c.clipRegionContains(startPos) || c.m_animation.cachedPercentages().size() != segments)
        return;
    // The finger takes over from a running rotation.
    c.m_animation.stop();
    c.m_selection.followGesture();
    c.clearSelectedIcon();
    c.clearCommandControls();

    const NavigationTrack track(c.m_animation);
    const double p0 = track.percentAt(c.mapFromScene(startPos));
    const double p1 = track.percentAt(c.mapFromScene(currentPos));
    if (p1 < p0)
        c.m_selection.fallBackToFirstSegment();
    const double turn = track.fingerTurn(p0, p1);

    hideIcons();
    c.m_animating = true;
    c.m_animationMode = 1;
    standAt(c.m_firstIconIndex + turn);
    if (c.m_firstIconCustomIndex < 0)
        standAt(NavigationIconCircle::raiseIntoList(c.m_firstIconCustomIndex, n));
    c.update();
}

void NavigationTurning::snap()
{
    if (!m_carousel.m_draggingIcon && m_carousel.m_animating) {
        const double index = m_carousel.m_firstIconCustomIndex;
        start(index, qRound(index), SNAP_DURATION_MS, QEasingCurve::OutSine);
    }
}

// As for a drag along the ring: with every icon shown there is nothing to
// turn, and no selection must be left waiting for a turn.
void NavigationTurning::swipe(qreal angle, qreal speed, QPoint startPos, QGraphicsSceneMouseEvent* event)
{
    NavigationControl& c = m_carousel;
    if (event->isAccepted() || c.m_draggingIcon || c.iconCount() <= c.segmentCount())
        return;
    c.updateAnimationCache();
    if (!c.clipRegionContains(startPos))
        return;
    c.m_selection.followGesture();

    const NavigationTrack track(c.m_animation);
    const double p1 = track.percentAt(c.mapFromScene(event->scenePos()));
    const double p2 = track.percentAt(c.mapFromScene(event->lastScenePos()));
    int dir = -1;
    if (p1 <= p2) {
        dir = 1;
        c.m_selection.fallBackToFirstSegment();
    }
    const int steps = track.swipeSteps(angle, speed, p1);
    const double from = c.m_firstIconCustomIndex;
    start(from, int(dir * steps + from), SWIPE_DURATION_MS, QEasingCurve::OutCubic);
}

} // namespace Corvane::Gadgets

#include "navigation/NavigationSelection.h"

#include "controls/SvgContentButton.h"
#include "models/NavigationIcon.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationIconCircle.h"

#include <algorithm>
#include <cmath>

namespace Corvane::Gadgets {

using Models::NavigationIcon;

namespace {

const int ROTATION_DURATION_MS = 500;

int wrap(int index, int count)
{
    return NavigationIconCircle::wrap(index, count);
}

} // namespace

NavigationSelection::NavigationSelection(NavigationControl& carousel)
    : m_carousel(carousel)
{
}

bool NavigationSelection::select(const NavigationIcon& icon, bool rotateIfHidden)
{
    NavigationControl& c = m_carousel;
    const QList<NavigationIcon>& icons = c.m_icons;
    const int n = c.iconCount();
    bool found = false;
    for (int s = 0; s < c.segmentCount(); ++s) {
        int j = c.m_firstIconIndex + s;
        if (j >= n && n > c.segmentCount())
            j -= n;
        if (j >= 0 && j < n && !icons.at(j).isEmpty() && icons.at(j).id() == icon.id()) {
            c.m_segments.at(s)->setState(SvgButton::Pressed);
            c.m_selectedSegment = s;
            found = true;
        } else {
            c.m_segments.at(s)->setState(c.restingSegmentState(s));
        }
    }
    const int index = NavigationIconCircle::indexOfId(icons, icon.id());
    if (index < 0) {
        c.m_pendingIconIndex = c.m_fades.waitingIndexOf(icon.id());
        return rotateIfHidden || found;
    }
    if (found || !rotateIfHidden)
        return found;
    rotateToIcon(index);
    c.m_pendingIconIndex = index;
    return true;
}

// Turns the shorter way: the icon arrives in the last segment when the first
// index grows, in segment 0 when it falls.
void NavigationSelection::rotateToIcon(int iconIndex)
{
    const NavigationControl& c = m_carousel;
    const int n = c.iconCount();
    const int s = c.segmentCount();
    const int ci = int(c.m_animating ? c.m_firstIconCustomIndex : c.m_firstIconIndex);
    const int x = std::abs(ci - iconIndex);
    const int y = std::abs(ci - iconIndex + s);
    const int a = std::min(x, n - x);
    const int b = std::min(y, n - y);
    const int from = wrap(ci, n);
    int to;
    if (b < a) {
        to = wrap(iconIndex - s + 1 + n, n);
        if (from > to)
            to += n;
    } else {
        to = wrap(iconIndex, n);
        if (to > from)
            to -= n;
    }
    m_carousel.startIconsAnimation(from, to, ROTATION_DURATION_MS, QEasingCurve::OutSine);
}

void NavigationSelection::clear()
{
    rest();
    m_carousel.m_selectedSegment = -1;
}

void NavigationSelection::rest()
{
    for (int s = 0; s < m_carousel.segmentCount(); ++s)
        m_carousel.m_segments.at(s)->setState(m_carousel.restingSegmentState(s));
}

void NavigationSelection::selectSegment(int segment)
{
    NavigationControl& c = m_carousel;
    if (segment < 0 || segment >= c.segmentCount() || c.showsGap(segment))
        return;
    for (int s = 0; s < c.segmentCount(); ++s)
        c.m_segments.at(s)->setState(s == segment ? SvgButton::Pressed : c.restingSegmentState(s));
    c.m_selectedSegment = segment;
}

// Keeps the icon of the selected segment (or the one that takes its place
// at the edge) selected once a button rotation has ended. Without a
// selection there is nothing to keep.
void NavigationSelection::preserveAcrossTurn(bool previous)
{
    NavigationControl& c = m_carousel;
    const int n = c.iconCount();
    if (!c.m_preserveSelection || c.m_selectedSegment < 0 || n == 0)
        return;
    const int first = c.m_animating ? int(c.m_firstIconCustomIndex) : c.m_firstIconIndex;
    const int index = wrap(first + c.m_selectedSegment, n);
    const int edge = previous ? 0 : c.segmentCount() - 1;
    if (c.m_selectedSegment != edge) {
        c.m_pendingIconIndex = index;
        return;
    }
    const int step = previous ? 1 : -1;
    c.m_pendingIconIndex = wrap(index + n + step, n);
    if (c.m_icons.at(c.m_pendingIconIndex).isEmpty())
        c.m_pendingIconIndex = wrap(c.m_pendingIconIndex + step, n);
}

void NavigationSelection::followGesture()
{
    NavigationControl& c = m_carousel;
    if (!c.m_preserveSelection || c.m_selectedSegment < 0 || c.m_icons.isEmpty())
        return;
    m_followsGesture = true;
    c.m_pendingIconIndex = c.wrapIconIndex(c.m_firstIconIndex + c.m_selectedSegment);
}

void NavigationSelection::selectPendingIcon()
{
    NavigationControl& c = m_carousel;
    const int n = c.iconCount();
    if (c.m_pendingIconIndex < 0 || !c.m_preserveSelection)
        return;
    if (c.m_pendingIconIndex < n) {
        const NavigationIcon pending = c.m_icons.at(c.m_pendingIconIndex);
        const bool shown = select(pending, false);
        if (!m_followsGesture || shown) {
            emit c.navigationIconClicked(pending, c.m_selectedSegment, true);
        } else {
            // A gesture turned the selected icon out of view: the icon at the
            // edge it left by takes over.
            int j = m_fallbackToLastSegment ? wrap(c.m_firstIconIndex + c.segmentCount() - 1, n) : c.m_firstIconIndex;
            if (c.m_icons.at(j).isEmpty())
                j = m_fallbackToLastSegment ? wrap(n + j - 1, n) : wrap(j + 1, n);
            const NavigationIcon fallback = c.m_icons.at(j);
            select(fallback, false);
            emit c.navigationIconClicked(fallback, c.m_selectedSegment, true);
        }
    }
    m_fallbackToLastSegment = true;
    m_followsGesture = false;
    c.m_pendingIconIndex = -1;
}

// Keys and wheel step over icons on segments; a step closes the rings.
bool NavigationSelection::prepareStep()
{
    NavigationControl& c = m_carousel;
    if (c.m_icons.isEmpty() || c.m_segments.isEmpty())
        return false;
    if (c.m_commandControl1)
        c.clearCommandControls();
    return true;
}

void NavigationSelection::selectNext()
{
    const NavigationControl& c = m_carousel;
    if (!prepareStep())
        return;
    if (c.m_selectedSegment < 0)
        selectSegment(c.showsGap(0) ? 1 : 0);
    else
        step(1);
}

// Without a selection the last segment before the end of the list is
// selected; when that is the gap, the one before it, or with the gap in
// segment 0 the last segment.
void NavigationSelection::selectPrevious()
{
    const NavigationControl& c = m_carousel;
    if (!prepareStep())
        return;
    if (c.m_selectedSegment >= 0) {
        step(-1);
        return;
    }
    int segment = std::min(c.iconCount() - c.wrapIconIndex(c.m_firstIconIndex), c.segmentCount()) - 1;
    if (c.showsGap(segment))
        segment = segment > 0 ? segment - 1 : c.segmentCount() - 1;
    selectSegment(segment);
}

// The selection moves one segment on (step 1) or back (step -1), passing
// over the gap; at the edge the list turns under the selection instead.
void NavigationSelection::step(int step)
{
    const NavigationControl& c = m_carousel;
    const int edge = step > 0 ? c.segmentCount() - 1 : 0;
    if (c.m_selectedSegment != edge) {
        int target = c.m_selectedSegment + step;
        if (c.showsGap(target))
            target += step;
        const bool pastEdge = step > 0 ? target > edge : target < edge;
        if (!pastEdge) {
            if (target < c.iconCount())
                selectSegment(target);
            return;
        }
    }
    turnUnderSelection(step);
}

// "Next" raises the first index (rotatePrevious), "previous" lowers it; the
// list turns once more when the gap would come to rest under the selection.
void NavigationSelection::turnUnderSelection(int step)
{
    NavigationControl& c = m_carousel;
    for (int turn = 0; turn < 2; ++turn) {
        if (step > 0)
            c.m_turning.rotatePrevious();
        else
            c.m_turning.rotateNext();
        if (!c.m_animating
            || !c.m_icons.at(c.wrapIconIndex(int(c.m_animation.endValue()) + c.m_selectedSegment)).isEmpty())
            return;
    }
}

} // namespace Corvane::Gadgets

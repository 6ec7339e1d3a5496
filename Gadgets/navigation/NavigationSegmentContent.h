#pragma once

namespace Corvane::Gadgets {

class NavigationControl;

namespace Models {
class NavigationIcon;
}

// Shows the carousel's icons: on the segments, segment i the icon at the
// first index plus i, with its expand indicator, and in the labels under
// them the icons' tooltips, extended modes and values.
class NavigationSegmentContent
{
public:
    explicit NavigationSegmentContent(NavigationControl& carousel);

    void showOnSegments();
    // Shows the changed icon at iconIndex (previous: what it was) again on
    // the segments that show it, the other segments untouched.
    void showOnSegmentsOf(int iconIndex, const Models::NavigationIcon& previous);
    // The labels for the first index; unchanged unless forced when they
    // already show it.
    void showInLabels(int first, bool force);
    void showInLabel(int segment, const Models::NavigationIcon& icon);

private:
    void showOnSegment(int segment, const Models::NavigationIcon& icon);
    void describeInLabel(int segment, const Models::NavigationIcon& icon);
    void setSliderValue(int segment, const Models::NavigationIcon& icon);

    NavigationControl& m_carousel;
    int m_labelsFirstIndex = -1;
};

} // namespace Corvane::Gadgets

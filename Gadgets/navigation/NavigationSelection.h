#pragma once

namespace Corvane::Gadgets {

class NavigationControl;

namespace Models {
class NavigationIcon;
}

// The carousel's selection: the pressed segment, its steps by keys and
// wheel (turning the list under it at the edges), and the icon kept
// selected across a turn, selected again once the turn has ended.
class NavigationSelection
{
public:
    explicit NavigationSelection(NavigationControl& carousel);

    bool select(const Models::NavigationIcon& icon, bool rotateIfHidden);
    void selectSegment(int segment);
    void clear();
    // Every segment in its state without a selection.
    void rest();
    void selectNext();
    void selectPrevious();
    // Before a turn by the previous or next button.
    void preserveAcrossTurn(bool previous);
    // Before a turn by a gesture; a gesture against the path lets the icon
    // at the first segment take over when the selection leaves the view.
    void followGesture();
    void fallBackToFirstSegment() { m_fallbackToLastSegment = false; }
    void selectPendingIcon();

private:
    bool prepareStep();
    void rotateToIcon(int iconIndex);
    void step(int step);
    void turnUnderSelection(int step);

    NavigationControl& m_carousel;
    bool m_followsGesture = false;
    bool m_fallbackToLastSegment = true;
};

} // namespace Corvane::Gadgets

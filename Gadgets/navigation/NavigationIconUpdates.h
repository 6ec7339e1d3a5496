#pragma once

#include "models/NavigationIcon.h"

#include <QMap>
#include <QTimer>

namespace Corvane::Gadgets {

class NavigationControl;

// Shows the icons' changes on the carousel's segments at most once a frame,
// however fast they come (a burst of device states): the first change after
// a quiet frame at once, the later ones of the same frame together when it
// ends, each icon with its latest state. The carousel's list always holds
// the latest state at once; only the segments and labels wait.
class NavigationIconUpdates
{
public:
    static constexpr int FRAME_MS = 16;

    explicit NavigationIconUpdates(NavigationControl& carousel);

    // The icon at index changed; previous is what the segments show of it.
    void iconChanged(int index, const Models::NavigationIcon& previous);
    // Shows the waiting changes now (before the segments are looked at).
    void showWaiting();

private:
    void show(int index, const Models::NavigationIcon& previous);

    NavigationControl& m_carousel;
    QTimer m_frame;
    // Per icon index, what the segments showed before its first waiting change.
    QMap<int, Models::NavigationIcon> m_shownBefore;
};

} // namespace Corvane::Gadgets

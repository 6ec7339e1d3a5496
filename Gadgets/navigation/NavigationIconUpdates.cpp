#include "navigation/NavigationIconUpdates.h"

#include "navigation/NavigationControl.h"

namespace Corvane::Gadgets {

using Models::NavigationIcon;

NavigationIconUpdates::NavigationIconUpdates(NavigationControl& carousel)
    : m_carousel(carousel)
{
    m_frame.setSingleShot(true);
    m_frame.setInterval(FRAME_MS);
    QObject::connect(&m_frame, &QTimer::timeout, &m_frame, [this] { showWaiting(); });
}

void NavigationIconUpdates::iconChanged(int index, const NavigationIcon& previous)
{
    if (!m_frame.isActive()) {
        show(index, previous);
        m_carousel.update();
        m_frame.start();
        return;
    }
    if (!m_shownBefore.contains(index))
        m_shownBefore.insert(index, previous);
}

void NavigationIconUpdates::showWaiting()
{
    if (m_shownBefore.isEmpty())
        return;
    // Taken first: showing may look at the segments, which asks for this again.
    const QMap<int, NavigationIcon> waiting = std::exchange(m_shownBefore, {});
    for (auto it = waiting.cbegin(); it != waiting.cend(); ++it)
        show(it.key(), it.value());
    m_carousel.update();
    m_frame.start();
}

// The list may have changed since (a new page, a reorder): an index past its
// end is gone, any other one shows whichever icon is there now.
void NavigationIconUpdates::show(int index, const NavigationIcon& previous)
{
    if (index < m_carousel.m_icons.size())
        m_carousel.m_content.showOnSegmentsOf(index, previous);
}

} // namespace Corvane::Gadgets

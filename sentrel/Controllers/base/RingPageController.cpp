#include "RingPageController.h"

#include "Controllers/favorites/FavoriteCommandPanel.h"
#include "FavoriteWindow.h"

#include "controls/SvgContentButton.h"
#include "favorite/FavoriteControl.h"
#include "navigation/NavigationControl.h"

namespace Corvane::Sentrel::Controllers {

using Gadgets::Models::NavigationIcon;

RingPageController::RingPageController(NavigationWindow* window, const QString& systemRenderer,
                                       bool refreshButtons)
    : BaseController(window)
    , m_ring(navigationControl(), [this](Gadgets::CommandControl* ring) { connectRing(ring); })
    , m_systemRenderer(systemRenderer)
    , m_refreshButtons(refreshButtons)
{
}

bool RingPageController::handleNavigationIconClicked(const NavigationIcon& icon, int segmentIndex, bool)
{
    if (!navigationControl())
        return false;
    const int pageId = controlledPageId();
    if (navigationControl()->currentPageId() == 0 && icon.id() == pageId) {
        showDevicePage(m_systemRenderer, m_refreshButtons);
        ringSelectionChanged(-1);
        return true;
    }
    if (navigationControl()->currentPageId() != pageId || indexOfIcon(icon.id()) < 0)
        return false;
    return toggleRing(icon, segmentIndex);
}

bool RingPageController::toggleRing(const NavigationIcon& icon, int segmentIndex)
{
    if (m_ring.closeIfOpenFor(icon.id())) {
        ringSelectionChanged(-1);
        return true;
    }
    // The icons are made from the devices: a stale one does nothing.
    const Devices::BaseDevice* device = getDeviceById(icon.id());
    if (!device)
        return true;
    m_ring.open(icon, segmentIndex, ringButtons(device));
    ringSelectionChanged(segmentIndex);
    return true;
}

void RingPageController::ringSelectionChanged(int) {}

void RingPageController::pageChanged()
{
    m_ring.clearSelection();
}

void RingPageController::updateControlsCache()
{
    BaseController::updateControlsCache();
    // Shown, the ring is refreshed with the carousel it sits on; one not
    // built yet will be built with the new theme.
    if (m_ring.isBuilt() && !m_ring.control()->scene())
        m_ring.control()->updateCachedData();
}

bool RingPageController::toggleFavoritePanel(FavoriteWindow* window, Gadgets::SvgElement* element,
                                             const Devices::BaseDevice* device)
{
    Gadgets::FavoriteControl* control = window->favoriteControl();
    if (!element || element != control->centerButton())
        return false;
    FavoriteCommandPanel::toggle(control, ringButtons(device));
    return true;
}

} // namespace Corvane::Sentrel::Controllers

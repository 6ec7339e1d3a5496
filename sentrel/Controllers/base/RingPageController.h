#pragma once

#include "BaseController.h"
#include "CommandRing.h"

namespace Corvane::Gadgets {
class SvgElement;
}

namespace Corvane::Sentrel::Controllers {

// What the pages share whose devices act through a ring of command buttons:
// the home page's icon of the page opens it; on the page, a click on a
// device's icon opens the ring beside it and a second click closes it; a
// page change forgets the ring's device; and a favourite's centre button
// opens or closes the same buttons in its command panel.
class RingPageController : public BaseController
{
    Q_OBJECT

public:
    bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                     bool generated) override;
    void pageChanged() override;
    void updateControlsCache() override;

    // The page's ring, built now if it is not yet: the page builds it when
    // first opened.
    Gadgets::CommandControl* commandControl() const { return m_ring.control(); }
    bool isRingBuilt() const { return m_ring.isBuilt(); }
    int selectedDeviceId() const { return m_ring.selectedDeviceId(); }

protected:
    // systemRenderer is the page's picture in the carousel's centre; with
    // refreshButtons its labels show their refresh buttons.
    RingPageController(NavigationWindow* window, const QString& systemRenderer, bool refreshButtons);

    // Connects the ring's signals, once, when the ring is built.
    virtual void connectRing(Gadgets::CommandControl* ring) = 0;
    // The buttons of the device's ring and favourite panel, in order.
    virtual QList<Gadgets::CommandControl::ButtonData> ringButtons(const Devices::BaseDevice* device) const = 0;
    // The carousel's selected segment changed: -1 when the page opens or the
    // ring closes, the device's segment when the ring opens on it.
    virtual void ringSelectionChanged(int segment);
    // When element is the favourite's centre button: opens or closes its
    // command panel with the device's ring buttons and returns true.
    bool toggleFavoritePanel(FavoriteWindow* window, Gadgets::SvgElement* element,
                             const Devices::BaseDevice* device);

    CommandRing m_ring;

private:
    bool toggleRing(const Gadgets::Models::NavigationIcon& icon, int segmentIndex);

    const QString m_systemRenderer;
    const bool m_refreshButtons;
};

} // namespace Corvane::Sentrel::Controllers

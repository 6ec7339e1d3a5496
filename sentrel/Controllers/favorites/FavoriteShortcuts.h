#pragma once

#include "models/NavigationIcon.h"

#include <QPoint>

namespace Corvane::Devices {
class UserDeviceSettings;
}

namespace Corvane::Sentrel {

class FavoriteWindow;

namespace Controllers {

class BaseController;

// How a page controller's favourite windows come and go: dragged out of the
// carousel, restored from the user settings with the page's names and icon
// order, opened and wired to the controller, closed one by one or all at
// once when the project goes away.
class FavoriteShortcuts
{
public:
    explicit FavoriteShortcuts(BaseController& controller);

    // An icon dragged out of the carousel: opens its favourite under the
    // cursor. A second favourite of the same item is refused with a message.
    bool request(const Gadgets::Models::NavigationIcon& icon);
    // The page's favourites, user-given names and icon order, pageId being
    // the project's id of the page.
    void restore(const Devices::UserDeviceSettings& settings, int pageId);
    // With placeHotSpot the control's hot spot lands on point, otherwise the
    // window's top-left. scale is the window's scale percent, 0..100.
    FavoriteWindow* open(int deviceId, int subDeviceId, const QPoint& point, bool placeHotSpot, bool onTop,
                         int scale);
    // A closing window leaves the list, its device is drawn again without
    // the favourite indicator and the settings are saved, unless the
    // program is ending.
    void close(FavoriteWindow* window);
    // Closes and releases every window, storing nothing.
    void closeAll();

private:
    void restoreFavorites(const Devices::UserDeviceSettings& settings);
    void connect(FavoriteWindow* window);

    BaseController& m_controller;
};

} // namespace Controllers
} // namespace Corvane::Sentrel

#pragma once

#include "Controllers/base/BaseController.h"

#include <QList>
#include <QPoint>

namespace Corvane::Devices {
class GuiProperties;
class UserDeviceSettings;
} // namespace Corvane::Devices

namespace Corvane::Sentrel::Controllers {

class BaseController;
class NavigationController;

// The navigation controller's share of the user's settings: applying the
// GUI settings to the main window, the favourites and the theme, and
// reading and filling the per-page settings (home order, device orders,
// names) through the page map, where page 0 is the home page.
class NavigationSettings
{
public:
    // The page id under which a controller whose page the project lacks
    // keeps its settings: never the home page's.
    static constexpr int NO_PROJECT_PAGE = BaseController::NO_PROJECT_PAGE;

    explicit NavigationSettings(NavigationController& controller);

    void loadGuiSettings(const Devices::GuiProperties& current, const Devices::GuiProperties& previous);
    void loadUserSettings(const Devices::UserDeviceSettings& settings);
    void fillUserSettings(Devices::UserDeviceSettings& settings) const;
    // The main window's position to store: in full-screen mode the one it
    // had before, as the full-screen layout is not the user's.
    QPoint windowPosition() const;
    // The project page id of the controller's page.
    int projectPageId(const BaseController* controller) const;

private:
    void applyTheme(const QString& skin);
    // Every page controller redraws its favourites and restyles their menu.
    void updateControllersCache();
    void applyContextMenuStyleSheet();

    NavigationController& m_controller;
};

} // namespace Corvane::Sentrel::Controllers

#include "NavigationSettings.h"

#include "FavoriteWindow.h"
#include "NavigationController.h"
#include "NavigationMenus.h"
#include "NavigationWindow.h"

#include "devices/BaseDevice.h"
#include "devices/GuiProperties.h"
#include "devices/ItemKey.h"
#include "devices/UserDeviceSettings.h"
#include "navigation/NavigationContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/WidgetUtilities.h"

#include <QMenu>

#include <algorithm>

namespace Corvane::Sentrel::Controllers {

using Devices::ItemKey;
using Gadgets::Models::NavigationIcon;

namespace {

const QString MAIN_STYLE_SHEET_FILE = QStringLiteral("mainUI.qss");
const int HOME_PAGE_ID = 0;

// Stored sizes and transparencies are percents; a damaged file may hold
// anything.
int storedPercent(int value)
{
    return std::clamp(value, 0, 100);
}

} // namespace

NavigationSettings::NavigationSettings(NavigationController& controller)
    : m_controller(controller)
{
}

void NavigationSettings::loadGuiSettings(const Devices::GuiProperties& current,
                                         const Devices::GuiProperties& previous)
{
    NavigationWindow* window = m_controller.navigationWindow();
    const bool firstLoad = previous.dimension() < 0;
    if (window) {
        if (firstLoad || storedPercent(current.dimension()) != storedPercent(previous.dimension()))
            window->setScale(storedPercent(current.dimension()), false);
        if (firstLoad || current.position() != previous.position())
            window->placeOnScreen(current.position());
        if (firstLoad || current.alwaysOnTop() != previous.alwaysOnTop())
            Utilities::WidgetUtilities::setWindgetOnTop(window, current.alwaysOnTop());
    }
    if (firstLoad || storedPercent(current.transparency()) != storedPercent(previous.transparency())) {
        if (window)
            window->setTransparency(storedPercent(current.transparency()));
        m_controller.setFavoritesTransparency(storedPercent(current.transparency()));
    }
    if (window && (firstLoad || current.language() != previous.language())) {
        window->updateTranslators(current.language());
        m_controller.retranslateUi();
    }
    // At start-up the program has already drawn the gadget in the skin it
    // chose: applying the same skin again would only redo that work. What
    // the page controllers made before (favourites, their menus) still
    // takes it.
    const bool skinChanged = firstLoad ? current.skin() != Gadgets::ThemeProvider::themeFile()
                                       : current.skin() != previous.skin();
    if (skinChanged)
        applyTheme(current.skin());
    else if (firstLoad)
        updateControllersCache();
    applyContextMenuStyleSheet();
    if (!firstLoad && current.currentFileName() != previous.currentFileName())
        m_controller.reloadDevicesConfiguration();
}

void NavigationSettings::applyTheme(const QString& skin)
{
    Gadgets::ThemeProvider::setThemeFile(skin);
    if (NavigationWindow* window = m_controller.navigationWindow()) {
        window->themeChanged();
        if (Gadgets::NavigationContainer* container = window->navigationContainer()) {
            container->updateCachedData();
            container->update();
        }
    }
    updateControllersCache();
}

void NavigationSettings::updateControllersCache()
{
    for (BaseController* controller : std::as_const(m_controller.m_controllers))
        controller->updateControlsCache();
}

void NavigationSettings::applyContextMenuStyleSheet()
{
    QString styleSheet;
    if (m_controller.m_menus && Gadgets::ThemeProvider::fileContentsToString(MAIN_STYLE_SHEET_FILE, styleSheet))
        m_controller.m_menus->contextMenu()->setStyleSheet(styleSheet);
}

int NavigationSettings::projectPageId(const BaseController* controller) const
{
    return m_controller.m_pageMap.value(controller->controlledPageId(), NO_PROJECT_PAGE);
}

void NavigationSettings::loadUserSettings(const Devices::UserDeviceSettings& settings)
{
    QList<int> homeOrder;
    for (int projectPageId : settings.pageItemsOrder(HOME_PAGE_ID, ItemKey::INVALID_SUB_ID))
        homeOrder.append(m_controller.m_pageMap.key(projectPageId, 0));
    m_controller.reorderIcons(homeOrder);
    for (BaseController* controller : std::as_const(m_controller.m_controllers))
        controller->loadUserSettings(settings, projectPageId(controller));
}

void NavigationSettings::fillUserSettings(Devices::UserDeviceSettings& settings) const
{
    QList<int> homeOrder;
    for (const NavigationIcon& icon : std::as_const(m_controller.m_icons))
        homeOrder.append(m_controller.m_pageMap.value(icon.id(), 0));
    settings.setPageItemsOrder(HOME_PAGE_ID, homeOrder, ItemKey::INVALID_SUB_ID);
    for (BaseController* controller : std::as_const(m_controller.m_controllers)) {
        const int pageId = projectPageId(controller);
        QList<int> order;
        for (const Devices::BaseDevice* device : controller->orderedDevices())
            order.append(device->id());
        if (!order.isEmpty() && pageId != NO_PROJECT_PAGE)
            settings.setPageItemsOrder(pageId, order, ItemKey::INVALID_SUB_ID);
        for (const Devices::BaseDevice* device : controller->devices()) {
            if (device->hasCustomName())
                settings.setItemName(device->id(), device->name(), ItemKey::INVALID_SUB_ID);
            controller->fillSettingsForDevice(settings, pageId, device);
        }
        for (FavoriteWindow* window : controller->favorites())
            settings.addFavorite(controller->getFavoriteSettings(window));
    }
}

QPoint NavigationSettings::windowPosition() const
{
    NavigationWindow* window = m_controller.navigationWindow();
    return window ? window->userPosition() : QPoint();
}

} // namespace Corvane::Sentrel::Controllers

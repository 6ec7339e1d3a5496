#include "FavoriteWindowActions.h"

#include "Controllers/base/BaseController.h"
#include "FavoriteContextMenu.h"
#include "FavoriteWindow.h"
#include "NavigationWindow.h"

#include "controls/SvgButton.h"
#include "devices/BaseDevice.h"
#include "favorite/FavoriteControl.h"
#include "utilities/WidgetUtilities.h"

#include <QAction>
#include <QMenu>

namespace Corvane::Sentrel::Controllers {

using Corvane::Utilities::WidgetUtilities;

FavoriteWindowActions::FavoriteWindowActions(BaseController& controller)
    : m_controller(controller)
{
}

void FavoriteWindowActions::createContextMenu()
{
    if (m_controller.m_contextMenu)
        return;
    BaseController* controller = &m_controller;
    auto* menu = new FavoriteContextMenu(controller);
    m_controller.m_contextMenu = menu;
    QObject::connect(menu->onTopAction(), &QAction::triggered, controller, &BaseController::onFavoriteSetOnTop);
    QObject::connect(menu->refreshAction(), &QAction::triggered, controller, &BaseController::onFavoriteRefresh);
    QObject::connect(menu->showMainWindowAction(), &QAction::triggered, controller,
                     &BaseController::onShowMainWindow);
    QObject::connect(menu->removeAction(), &QAction::triggered, controller, &BaseController::onFavoriteClose);
    QObject::connect(menu->quitAction(), &QAction::triggered, controller, &BaseController::quitRequested);
}

void FavoriteWindowActions::openContextMenu(FavoriteWindow* window, const QPoint& pos)
{
    FavoriteContextMenu* menu = m_controller.m_contextMenu;
    if (!window || !menu || !window->favoriteControl() || window->favoriteControl()->isMoving())
        return;
    const Devices::BaseDevice* device = m_controller.getDeviceById(window->deviceId());
    menu->prepare(window, device && device->supportsRefresh());
    menu->menu()->popup(window->mapToGlobal(pos));
}

void FavoriteWindowActions::elementClicked(FavoriteWindow* window, const Gadgets::SvgElement* element)
{
    Gadgets::FavoriteControl* control = window->favoriteControl();
    if (!element || !control)
        return;
    if (element == control->closeButton())
        window->close();
    else if (element == control->refreshButton())
        refresh(window);
}

void FavoriteWindowActions::refresh(const FavoriteWindow* window)
{
    if (Devices::BaseDevice* device = window ? m_controller.getDeviceById(window->deviceId()) : nullptr)
        m_controller.updateDeviceStatus(device);
}

void FavoriteWindowActions::toggleOnTop(FavoriteWindow* window)
{
    if (!window)
        return;
    WidgetUtilities::setWindgetOnTop(window, !WidgetUtilities::isWidgetOnTop(window));
    window->showTo();
    m_controller.saveSettings();
}

void FavoriteWindowActions::showMainWindow()
{
    NavigationWindow* window = m_controller.m_window;
    if (!window)
        return;
    window->showTo();
    window->activateWindow();
}

} // namespace Corvane::Sentrel::Controllers

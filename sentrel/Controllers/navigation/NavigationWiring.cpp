#include "NavigationWiring.h"

#include "NavigationController.h"
#include "NavigationWindow.h"
#include "UserConfigurationController.h"

#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "ssdp/Ssdp.h"

#include <QKeyEvent>

namespace Corvane::Sentrel::Controllers {

using Gadgets::NavigationContainer;
using Gadgets::NavigationControl;
using Gadgets::NavigationLabels;
using Controller = NavigationController;

void NavigationWiring::connect(Controller& controller)
{
    QObject::connect(controller.discovery(), &SSDP::Ssdp::discovered, &controller, &Controller::onSsdpDiscovered);
    QObject::connect(controller.discovery(), &SSDP::Ssdp::timeoutExpired, &controller,
                     &Controller::onSsdpTimeoutExpired);
    connectControllers(controller);
    connectUserConfiguration(controller);
    if (!controller.navigationControl())
        return;
    connectCarousel(controller);
    connectContainer(controller);
    connectLabels(controller);
}

void NavigationWiring::connectControllers(Controller& controller)
{
    for (BaseController* page : controller.controllers()) {
        QObject::connect(page, &BaseController::saveSettingsRequested, &controller,
                         &Controller::saveUserConfiguration);
        QObject::connect(page, &BaseController::scheduleSaveSettingsRequested, &controller,
                         &Controller::scheduleSaveUserConfiguration);
        // "Quit application" on a favourite's menu.
        QObject::connect(page, &BaseController::quitRequested, &controller, &Controller::onQuit);
        QObject::connect(page, &BaseController::discoveryNeeded, &controller, &Controller::discoverIfNeeded);
        QObject::connect(page, &BaseController::deviceRenamed, &controller, &Controller::onDeviceRenamed);
    }
    QObject::connect(&controller, &BaseController::saveSettingsRequested, &controller,
                     &Controller::saveUserConfiguration);
    QObject::connect(&controller, &BaseController::discoveryNeeded, &controller, &Controller::discoverIfNeeded);
}

void NavigationWiring::connectUserConfiguration(Controller& controller)
{
    UserConfigurationController* dialog =
        controller.navigationWindow() ? controller.navigationWindow()->userConfigurationController() : nullptr;
    if (!dialog)
        return;
    // "Reload default", or the same project chosen again, after the
    // Configurator changed it on disk.
    QObject::connect(dialog, &UserConfigurationController::reloadDevicesConfiguration, &controller,
                     &Controller::reloadDevicesConfiguration);
    // The transparency preview reaches the open favourites as well.
    QObject::connect(dialog, &UserConfigurationController::favoritesTransparencyChanged, &controller,
                     &Controller::setFavoritesTransparency);
}

void NavigationWiring::connectCarousel(Controller& controller)
{
    NavigationControl* navigation = controller.navigationControl();
    QObject::connect(navigation, &NavigationControl::navigationIconClicked, &controller,
                     &Controller::onNavigationIconClicked);
    QObject::connect(navigation, &NavigationControl::homeButtonClicked, &controller,
                     &Controller::onHomeButtonClicked);
    QObject::connect(navigation, &NavigationControl::backButtonClicked, &controller,
                     &Controller::onBackButtonClicked);
    QObject::connect(navigation, &NavigationControl::infoButtonClicked, &controller,
                     &Controller::onInfoButtonClicked);
    QObject::connect(navigation, &NavigationControl::elementClick, &controller, &Controller::onElementClick);
    QObject::connect(navigation, &NavigationControl::requestOriginalIcons, &controller,
                     &Controller::onRequestOriginalIcons);
    QObject::connect(navigation, &NavigationControl::requestShortcut, &controller, &Controller::onRequestShortcut);
    QObject::connect(navigation, &NavigationControl::requestAllowedShortcut, &controller,
                     &Controller::onRequestAllowedShortcut);
    QObject::connect(navigation, &NavigationControl::iconsReordered, &controller, &Controller::onIconsReordered);
    QObject::connect(navigation, &NavigationControl::commandControl1Closed, &controller,
                     &Controller::onEditingControlClosed);
}

void NavigationWiring::connectContainer(Controller& controller)
{
    NavigationContainer* container = controller.navigationWindow()->navigationContainer();
    if (!container)
        return;
    QObject::connect(container, &NavigationContainer::hoverMove, &controller, &Controller::onHoverMove);
    QObject::connect(container, &NavigationContainer::mousePress, &controller, &Controller::onMousePress);
    QObject::connect(container, &NavigationContainer::mouseRelease, &controller, &Controller::onMouseRelease);
    QObject::connect(container, &NavigationContainer::elementClick, &controller, &Controller::onElementClick);
    QObject::connect(container, &NavigationContainer::keyPressed, &controller, &Controller::onKeyPressed);
    QObject::connect(container, &NavigationContainer::keyReleased, &controller, &Controller::onKeyReleased);
    QObject::connect(container, &NavigationContainer::wheel, &controller, &Controller::onWheel);
}

void NavigationWiring::connectLabels(Controller& controller)
{
    NavigationLabels* labels = controller.navigationControl()->labels();
    if (!labels)
        return;
    QObject::connect(labels, &NavigationLabels::labelEditStart, &controller, &Controller::onLabelEditStart);
    QObject::connect(labels, &NavigationLabels::labelEditEnd, &controller, &Controller::onLabelEditEnd);
    QObject::connect(labels, &NavigationLabels::labelTextScrolling, &controller, &Controller::startTimers);
}

} // namespace Corvane::Sentrel::Controllers

#include "FavoriteShortcuts.h"

#include "Application.h"
#include "Controllers/base/BaseController.h"
#include "FavoriteWindow.h"
#include "MessageBoxes.h"
#include "NavigationWindow.h"
#include "Settings.h"

#include "devices/BaseDevice.h"
#include "devices/GuiProperties.h"
#include "devices/ItemKey.h"
#include "devices/UserDeviceSettings.h"
#include "favorite/FavoriteControl.h"
#include "utilities/WidgetUtilities.h"

#include <QCoreApplication>

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::UserDeviceSettings;
using Gadgets::FavoriteControl;

FavoriteShortcuts::FavoriteShortcuts(BaseController& controller)
    : m_controller(controller)
{
}

bool FavoriteShortcuts::request(const Gadgets::Models::NavigationIcon& icon)
{
    const int deviceId = m_controller.getDeviceIdFromUniquieId(icon.id());
    const int subDeviceId = m_controller.getSubDeviceIdFromUniquieId(icon.id());
    if (!m_controller.canAddFavoriteFor(deviceId, subDeviceId))
        return false;
    if (m_controller.hasFavoriteFor(icon.id())) {
        MessageBoxes::instance()->information(m_controller.m_window, QCoreApplication::applicationName(),
                                              BaseController::tr("There is already a favorite item for this device"));
        return false;
    }
    m_controller.addFavorite(deviceId, subDeviceId);
    return true;
}

void FavoriteShortcuts::restore(const UserDeviceSettings& settings, int pageId)
{
    restoreFavorites(settings);
    const int invalidSubId = Devices::ItemKey::INVALID_SUB_ID;
    for (BaseDevice* device : std::as_const(m_controller.m_devices)) {
        const QString name = settings.itemName(device->id(), invalidSubId);
        if (!name.isEmpty()) {
            device->setCustomName(name);
            m_controller.setDeviceName(device->id(), invalidSubId, name);
        }
        m_controller.loadSettingsForDevice(settings, pageId, device);
    }
    // Without a page of the project the controller has no stored order.
    if (pageId != BaseController::NO_PROJECT_PAGE)
        m_controller.reorderIcons(settings.pageItemsOrder(pageId, invalidSubId));
}

void FavoriteShortcuts::restoreFavorites(const UserDeviceSettings& settings)
{
    for (const UserDeviceSettings::Favorite& favorite : settings.favorites()) {
        if (favorite.pageType != m_controller.controlledPageType()
            || !m_controller.canAddFavoriteFor(favorite.deviceId, favorite.subDeviceId))
            continue;
        m_controller.addFavorite(favorite.deviceId, favorite.subDeviceId, FavoriteWindows::storedPosition(favorite),
                                 false, favorite.onTop, FavoriteWindows::storedScalePercent(favorite.scale));
        m_controller.loadSettingsForFavorite(favorite);
    }
}

FavoriteWindow* FavoriteShortcuts::open(int deviceId, int subDeviceId, const QPoint& point, bool placeHotSpot,
                                        bool onTop, int scale)
{
    auto* window = new FavoriteWindow(deviceId, subDeviceId);
    m_controller.m_favorites.append(window);
    m_controller.initializeFavorite(window);
    window->setScale(scale, false);
    const bool transparency = Settings::s_instance->supportTransparency();
    window->setSupportsTransparency(transparency);
    if (transparency)
        window->setTransparency(Settings::guiProperties().transparency());
    FavoriteWindows::place(window, point, placeHotSpot);
    Corvane::Utilities::WidgetUtilities::setWindgetOnTop(window, onTop);
    window->showTo();
    window->setContextMenuPolicy(Qt::CustomContextMenu);

    FavoriteControl* control = window->favoriteControl();
    control->setElementsSuffix(m_controller.elementsSuffix());
    if (BaseDevice* device = m_controller.getDeviceById(deviceId)) {
        m_controller.updateUIforDevice(device);
        const QString name = device->displayName(subDeviceId);
        control->setLabelText(name);
        window->setWindowTitle(name);
    }
    connect(window);
    return window;
}

void FavoriteShortcuts::connect(FavoriteWindow* window)
{
    BaseController* controller = &m_controller;
    FavoriteControl* control = window->favoriteControl();
    QObject::connect(control, &FavoriteControl::elementPress, controller, &BaseController::onFavoriteElementPress);
    QObject::connect(control, &FavoriteControl::elementRelease, controller,
                     &BaseController::onFavoriteElementRelease);
    QObject::connect(control, &FavoriteControl::elementClick, controller, &BaseController::onFavoriteElementClick);
    QObject::connect(control, &FavoriteControl::sliderValueChanged, controller,
                     &BaseController::onFavoriteSliderValueChanged);
    QObject::connect(control, &FavoriteControl::labelTextChanged, controller, &BaseController::onFavoriteTextChanged);
    QObject::connect(window, &BaseSceneWindow::closing, controller, &BaseController::onFavoriteClosing);
    QObject::connect(window, &BaseSceneWindow::moved, controller, &BaseController::onFavoriteMoved);
    QObject::connect(window, &BaseSceneWindow::resized, controller, &BaseController::onFavoriteResized);
    QObject::connect(window, &QWidget::customContextMenuRequested, controller, &BaseController::onContextMenuRequest);
}

void FavoriteShortcuts::close(FavoriteWindow* window)
{
    if (!m_controller.m_favorites.remove(window))
        return;
    if (BaseDevice* device = m_controller.getDeviceById(window->deviceId())) {
        m_controller.updateUIforDevice(device);
        if (window->subDeviceId() > 0)
            m_controller.updateUI(m_controller.getIconForSubDevice(window->deviceId(), window->subDeviceId()));
    }
    if (!Application::s_isShuttingDown)
        m_controller.saveSettings();
    window->destroyLater();
}

void FavoriteShortcuts::closeAll()
{
    for (FavoriteWindow* window : m_controller.m_favorites.takeAll()) {
        // Closing them one by one must not store the shrinking list.
        QObject::disconnect(window, nullptr, &m_controller, nullptr);
        window->close();
        window->destroyLater();
    }
}

} // namespace Corvane::Sentrel::Controllers

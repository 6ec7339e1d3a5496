#include "BaseController.h"

#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "CarouselController.h"
#include "DeviceAddressMatching.h"
#include "Controllers/favorites/FavoriteContextMenu.h"
#include "NavigationKeys.h"

#include "devices/BaseDevice.h"
#include "devices/ItemKey.h"
#include "devices/UserDeviceSettings.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/OpenDriver.h"
#include "controls/IconRenderer.h"
#include "favorite/FavoriteControl.h"
#include "utilities/InitSettings.h"

#include <QCursor>

#include <algorithm>

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::DeviceAddress;
using Devices::UserDeviceSettings;
using Gadgets::FavoriteControl;
using Gadgets::Models::NavigationIcon;
using PravikDriver::Address;

const int BaseController::LIGHTS_PAGE_ID = -10;
const int BaseController::MOTORS_PAGE_ID = -20;
const int BaseController::SCENARIOS_PAGE_ID = -30;
const int BaseController::TERMO_PAGE_ID = -40;
const int BaseController::LUMIN_PAGE_ID = -50;
const int BaseController::PRESENCE_PAGE_ID = -60;
const int BaseController::WEB_SERVERS_PAGE_ID = -70;
const int BaseController::SOUND_PAGE_ID = -80;
const int BaseController::ENERGY_DATA_PAGE_ID = -90;
const int BaseController::LOAD_MANAGEMENT_PAGE_ID = -100;

BaseController::BaseController(NavigationWindow* window)
    : m_navigationControl(window ? window->navigationControl() : nullptr)
    , m_window(window)
{
}

BaseController::~BaseController()
{
    // Windows still open (the program ends) go with their controller, whose
    // devices they show.
    qDeleteAll(m_favorites.takeAll());
    clearDevices();
}

bool BaseController::initialize()
{
    m_windowActions.createContextMenu();
    if (Gadgets::NavigationLabels* labels = m_navigationControl ? m_navigationControl->labels() : nullptr) {
        connect(labels, &Gadgets::NavigationLabels::labelRefreshClicked, this,
                &BaseController::onLabelRefreshClicked);
        // Direct: the label waits for the answer in canChange.
        connect(labels, &Gadgets::NavigationLabels::labelTextChanged, this, &BaseController::onLabelTextChanged,
                Qt::DirectConnection);
    }
    CarouselController* carousel = m_window ? m_window->carouselController() : nullptr;
    if (!carousel)
        return false;
    connect(carousel, &CarouselController::carouselIndexChanged, this, &BaseController::onCarouselIndexChanged);
    return bool(connect(carousel, &CarouselController::carouselMovementEnded, this,
                        &BaseController::onCarouselMovementEnded));
}

int BaseController::controlledPageId() const
{
    return -1;
}

Devices::ConfigPage::PageType BaseController::controlledPageType() const
{
    return Devices::ConfigPage::PageType(0);
}

int BaseController::loadDevices(const Devices::Configuration*)
{
    return 0;
}

bool BaseController::handleNavigationIconClicked(const NavigationIcon&, int, bool)
{
    return false;
}

bool BaseController::handleBackButtonClicked()
{
    return false;
}

void BaseController::handleFullScreenExit() {}

void BaseController::connected(const PravikDriver::Driver*, bool) {}

void BaseController::authenticated(const PravikDriver::Driver* driver, bool monitor)
{
    m_gatewayEvents.authenticated(driver, monitor);
}

void BaseController::disconnected(const PravikDriver::Driver* driver, bool monitor)
{
    if (monitor)
        handleDisconnect(driver);
}

void BaseController::communicationError(const PravikDriver::Driver* driver, bool monitor, const PravikDriver::Error&)
{
    m_gatewayEvents.communicationError(driver, monitor);
}

void BaseController::connectionError(const PravikDriver::Driver* driver, bool monitor,
                                     const PravikDriver::Error& error)
{
    communicationError(driver, monitor, error);
}

void BaseController::updateStatus(int serverId)
{
    m_gatewayEvents.updateStatus(serverId);
}

void BaseController::pageChanged() {}

void BaseController::settingsChanged(const Devices::GuiProperties&) {}

void BaseController::settingsLoaded() {}

void BaseController::updateDeviceStatus(BaseDevice*)
{
    // A gateway still waiting for discovery is looked for again.
    Q_EMIT discoveryNeeded();
}

bool BaseController::supportsRefresh() const
{
    return std::any_of(m_devices.cbegin(), m_devices.cend(),
                       [](const BaseDevice* device) { return device->supportsRefresh(); });
}

void BaseController::retranslateUi()
{
    if (m_contextMenu)
        m_contextMenu->retranslate();
}

void BaseController::fillSettingsForDevice(Devices::UserDeviceSettings&, int, const BaseDevice*) {}

void BaseController::loadSettingsForDevice(const Devices::UserDeviceSettings&, int, BaseDevice*) {}

void BaseController::aboutToQuit() {}

void BaseController::setDrivers(const DriverMap& drivers)
{
    m_drivers = drivers;
}

void BaseController::onFullScreen() {}

void BaseController::handleCarouselIndexChanged(int) {}

void BaseController::handleCarouselMovementEnded() {}

QString BaseController::elementsSuffix() const
{
    return QString();
}

int BaseController::getDeviceIdFromUniquieId(int uniqueId) const
{
    return uniqueId;
}

int BaseController::getSubDeviceIdFromUniquieId(int) const
{
    return 0;
}

NavigationIcon BaseController::getIconByIndex(int index) const
{
    return m_icons.value(index);
}

PravikDriver::OpenDriver* BaseController::getDriver(int serverId) const
{
    return m_drivers.value(serverId, nullptr);
}

bool BaseController::isServerConnected(int serverId) const
{
    const PravikDriver::OpenDriver* driver = getDriver(serverId);
    return driver && driver->isMonitorConnected();
}

int BaseController::getServerId(const PravikDriver::OpenDriver* driver) const
{
    return m_gatewayEvents.serverIdOf(driver);
}

int BaseController::getServerDeviceIndexByDriver(const PravikDriver::OpenDriver* driver) const
{
    return m_gatewayEvents.webServerDeviceIndex(driver);
}

BaseDevice* BaseController::getDeviceById(int id) const
{
    const int index = getDeviceIndexById(id);
    return index >= 0 ? m_devices.at(index) : nullptr;
}

int BaseController::getDeviceIndexById(int id) const
{
    for (int i = 0; i < m_devices.size(); ++i)
        if (m_devices.at(i)->id() == id)
            return i;
    return -1;
}

QList<const BaseDevice*> BaseController::devices() const
{
    return QList<const BaseDevice*>(m_devices.cbegin(), m_devices.cend());
}

QList<BaseDevice*> BaseController::orderedDevices() const
{
    QList<BaseDevice*> ordered;
    for (const NavigationIcon& icon : m_icons)
        if (BaseDevice* device = getDeviceById(icon.id()))
            ordered.append(device);
    return ordered;
}

int BaseController::indexOfIcon(int id) const
{
    for (int i = 0; i < m_icons.size(); ++i)
        if (m_icons.at(i).id() == id)
            return i;
    return -1;
}

int BaseController::getAddressType(const DeviceAddress& address)
{
    return DeviceAddressMatching::addressType(address);
}

bool BaseController::isCommandAddress(const DeviceAddress& address)
{
    return DeviceAddressMatching::isCommandAddress(address);
}

QString BaseController::getAddressText(const DeviceAddress& address, Address::DeviceType type,
                                       Address::Direction direction)
{
    return DeviceAddressMatching::addressText(address, type, direction);
}

QString BaseController::getAddressText(const DeviceAddress& address) const
{
    return getAddressText(address, defaultDeviceType(), Address::Send);
}

Address BaseController::getAddressFromText(const QString& text)
{
    return Address(text);
}

Address::DeviceType BaseController::getAddressDeviceType(Devices::BaseDeviceProperties::DeviceType deviceType)
{
    return DeviceAddressMatching::addressDeviceType(deviceType);
}

QList<int> BaseController::getDeviceIndicesByAddress(const QString& address, const PravikDriver::OpenDriver* driver,
                                                     bool includeSpecial) const
{
    return DeviceAddressMatching(m_devices, m_drivers).indicesByAddress(address, driver, includeSpecial);
}

QList<BaseDevice*> BaseController::getDevicesForGroupAddress(const QString& address,
                                                             const PravikDriver::OpenDriver* driver) const
{
    return DeviceAddressMatching(m_devices, m_drivers).devicesForGroupAddress(address, driver);
}

void BaseController::reorderIcons(const QList<int>& ids)
{
    m_deviceIcons.reorder(ids);
}

bool BaseController::handleIconsReordered()
{
    return m_deviceIcons.takeShownOrder();
}

void BaseController::setIconState(int id, NavigationIcon::State state)
{
    m_deviceIcons.setIconState(id, state);
}

void BaseController::setIconText(int id, const QString& text)
{
    m_deviceIcons.setIconText(id, text);
}

void BaseController::setIconMinValue(int id, double value)
{
    m_deviceIcons.setIconMinValue(id, value);
}

void BaseController::setIconMaxValue(int id, double value)
{
    m_deviceIcons.setIconMaxValue(id, value);
}

void BaseController::setIcon(int id, Gadgets::Utilities::RendererContainer* renderer)
{
    m_deviceIcons.setIcon(id, renderer);
}

void BaseController::setIconRenderer(int id, const Gadgets::Utilities::IconRenderer& renderer)
{
    m_deviceIcons.setIconRenderer(id, renderer);
}

void BaseController::setIconSupportsValue(int id, bool supports)
{
    m_deviceIcons.setIconSupportsValue(id, supports);
}

void BaseController::setDeviceIconName(int deviceId, int, const QString& name)
{
    m_deviceIcons.setIconName(deviceId, name);
}

void BaseController::setSupportsDeviceInfo(int id, bool supports)
{
    m_deviceIcons.setSupportsDeviceInfo(id, supports);
}

void BaseController::setDeviceInfo(int id, const QString& info)
{
    m_deviceIcons.setDeviceInfo(id, info);
}

void BaseController::setDeviceDropDownModel(int id, const Gadgets::Models::DropDownModel& model)
{
    m_deviceIcons.setDeviceDropDownModel(id, model);
}

void BaseController::setDeviceDropDownItemsModels(int id, const QList<Gadgets::Models::DropDownItemModel*>& models)
{
    m_deviceIcons.setDeviceDropDownItemsModels(id, models);
}

void BaseController::setSliderValueBounds(int id, double minimum, double maximum, double step)
{
    m_deviceIcons.setSliderValueBounds(id, minimum, maximum, step);
}

void BaseController::setSliderTextFormat(int id, const QString& format)
{
    m_deviceIcons.setSliderTextFormat(id, format);
}

void BaseController::setSliderValuePrecision(int id, int precision)
{
    m_deviceIcons.setSliderValuePrecision(id, precision);
}

void BaseController::setSliderValueStep(int id, double step)
{
    m_deviceIcons.setSliderValueStep(id, step);
}

void BaseController::setSliderInvalidValueSteps(int id, const QSet<int>& steps)
{
    m_deviceIcons.setSliderInvalidValueSteps(id, steps);
}

void BaseController::setSliderValue(int id, double value)
{
    m_deviceIcons.setSliderValue(id, value);
}

void BaseController::updateUI(const NavigationIcon& icon)
{
    m_deviceIcons.updateUI(icon);
}

void BaseController::updateSliders(int selectedSegment)
{
    m_deviceIcons.updateSliders(selectedSegment);
}

void BaseController::onLabelRefreshClicked(int segment)
{
    if (!isCurrentPage())
        return;
    const int position = m_navigationControl->getIconIndexBySegment(segment);
    if (BaseDevice* device = getDeviceById(getIconByIndex(position).id()))
        updateDeviceStatus(device);
}

void BaseController::onLabelTextChanged(int segment, bool& canChange)
{
    if (!isCurrentPage())
        return;
    Gadgets::NavigationLabels* labels = m_navigationControl->labels();
    const QString text = labels->editedTextAt(segment).trimmed();
    const int index = m_navigationControl->getIconIndexBySegment(segment);
    const int id = getIconByIndex(index).id();
    handleTextChanged(getDeviceIdFromUniquieId(id), getSubDeviceIdFromUniquieId(id), text, canChange);
    // The label shows the name the item took, which need not be the one
    // typed (blanks trimmed; an empty name may bring the project's back).
    if (canChange)
        labels->setText(segment, m_navigationControl->icons().value(index).tooltip());
}

void BaseController::onCarouselIndexChanged(int index)
{
    if (isCurrentPage())
        handleCarouselIndexChanged(index);
}

void BaseController::onCarouselMovementEnded()
{
    if (isCurrentPage())
        handleCarouselMovementEnded();
}

Gadgets::CommandControl* BaseController::activeCommandControl() const
{
    return NavigationKeys::activeCommandControl(m_navigationControl);
}

void BaseController::handleKeyPress(const QKeyEvent* event)
{
    NavigationKeys::press(m_navigationControl, event);
}

void BaseController::handleKeyRelease(const QKeyEvent* event)
{
    NavigationKeys::release(m_navigationControl, event);
}

bool BaseController::isCurrentPage() const
{
    return m_navigationControl && m_navigationControl->currentPageId() == controlledPageId();
}

void BaseController::showDevicePage(const QString& systemRenderer, bool refreshButtons)
{
    m_deviceIcons.showPage(systemRenderer, refreshButtons);
}

QList<BaseDevice*> BaseController::devicesForMessage(const QString& address, const PravikDriver::OpenDriver* driver,
                                                     int familyCode, bool* fromGroup) const
{
    return DeviceAddressMatching(m_devices, m_drivers).devicesForMessage(address, driver, familyCode, fromGroup);
}

void BaseController::clearDevices()
{
    qDeleteAll(m_devices);
    m_devices.clear();
}

bool BaseController::isKnownDriver(const PravikDriver::Driver* driver) const
{
    return m_gatewayEvents.serverIdOf(driver) >= 0;
}

void BaseController::handleDisconnect(const PravikDriver::Driver* driver)
{
    m_gatewayEvents.disconnect(driver);
}

// --- Favourites -----------------------------------------------------------

QMenu* BaseController::favoriteContextMenu() const
{
    return m_contextMenu ? m_contextMenu->menu() : nullptr;
}

FavoriteWindow* BaseController::contextMenuWindow() const
{
    return m_contextMenu ? m_contextMenu->window() : nullptr;
}

int BaseController::contextMenuDeviceId() const
{
    return m_contextMenu ? m_contextMenu->deviceId() : -1;
}

void BaseController::saveSettings()
{
    if (!Settings::isProjectSwitching())
        Q_EMIT saveSettingsRequested();
}

void BaseController::scheduleSaveSettings()
{
    if (!Settings::isProjectSwitching())
        Q_EMIT scheduleSaveSettingsRequested();
}

bool BaseController::handleRequestOriginalIcons()
{
    if (!isCurrentPage())
        return false;
    m_navigationControl->setIcons(updateIconsWithFavorites(m_icons), true);
    return true;
}

bool BaseController::handleRequestShortcut(const NavigationIcon& icon)
{
    return m_shortcuts.request(icon);
}

void BaseController::handleRequestAllowedShortcut(const NavigationIcon& icon, bool& allowed)
{
    allowed = canAddFavoriteFor(getDeviceIdFromUniquieId(icon.id()), getSubDeviceIdFromUniquieId(icon.id()));
}

void BaseController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    m_windowActions.elementClicked(window, element);
}

void BaseController::handleFavoriteElementPress(FavoriteWindow*, Gadgets::SvgElement*) {}

void BaseController::handleFavoriteElementRelease(FavoriteWindow*, Gadgets::SvgElement*) {}

void BaseController::handleFavoriteSliderChanged(FavoriteWindow*) {}

void BaseController::updateControlsCache()
{
    m_favorites.themeChanged();
    if (m_contextMenu)
        m_contextMenu->updateStyleSheet();
}

void BaseController::setFavoritesTransparency(int transparency)
{
    m_favorites.setTransparency(transparency);
}

void BaseController::closeConfiguration()
{
    m_shortcuts.closeAll();
}

UserDeviceSettings::Favorite BaseController::getFavoriteSettings(FavoriteWindow* window) const
{
    return FavoriteWindows::settingsOf(window, controlledPageType());
}

Gadgets::Utilities::RendererContainer* BaseController::favoriteIconRenderer() const
{
    return nullptr;
}

void BaseController::initializeFavorite(FavoriteWindow*) {}

void BaseController::handleTextChanged(int deviceId, int subDeviceId, const QString& text, bool& canChange)
{
    if (text.isEmpty()) {
        canChange = false;
        return;
    }
    BaseDevice* device = getDeviceById(deviceId);
    if (!device)
        return;
    device->setCustomName(text);
    setDeviceName(deviceId, subDeviceId, text);
    canChange = true;
    Q_EMIT deviceRenamed(deviceId, text);
    saveSettings();
}

void BaseController::handleFavoriteClose(FavoriteWindow* window)
{
    m_shortcuts.close(window);
}

bool BaseController::canAddFavoriteFor(int deviceId, int) const
{
    return getDeviceById(deviceId) != nullptr;
}

NavigationIcon BaseController::getIconForSubDevice(int, int) const
{
    return NavigationIcon();
}

void BaseController::loadSettingsForFavorite(const UserDeviceSettings::Favorite&) {}

void BaseController::loadUserSettings(const UserDeviceSettings& settings, int pageId)
{
    m_shortcuts.restore(settings, pageId);
}

FavoriteWindow* BaseController::addFavorite(int deviceId, int subDeviceId, const QPoint& point, bool placeHotSpot,
                                            bool onTop, int scale)
{
    return m_shortcuts.open(deviceId, subDeviceId, point, placeHotSpot, onTop, scale);
}

FavoriteWindow* BaseController::addFavorite(int deviceId, int subDeviceId)
{
    const int scale = int(100 * Corvane::Utilities::InitSettings::DEFAULT_FAVORITE_SCALE);
    FavoriteWindow* window = addFavorite(deviceId, subDeviceId, QCursor::pos(), true, false, scale);
    saveSettings();
    return window;
}

bool BaseController::hasFavoriteFor(int uniqueId) const
{
    return m_favorites.has(getDeviceIdFromUniquieId(uniqueId), getSubDeviceIdFromUniquieId(uniqueId));
}

FavoriteWindow* BaseController::getFavoriteById(int deviceId) const
{
    return m_favorites.of(deviceId).value(0);
}

void BaseController::setDeviceName(int deviceId, int subDeviceId, const QString& name)
{
    setDeviceIconName(deviceId, subDeviceId, name);
    m_favorites.setName(deviceId, subDeviceId, name);
}

void BaseController::takeDeviceName(int deviceId, const QString& name)
{
    BaseDevice* device = getDeviceById(deviceId);
    if (!device)
        return;
    device->setCustomName(name);
    setDeviceName(deviceId, Devices::ItemKey::INVALID_SUB_ID, name);
}

QList<NavigationIcon> BaseController::updateIconsWithFavorites(const QList<NavigationIcon>& icons) const
{
    return m_deviceIcons.withFavoriteIndicators(icons);
}

Gadgets::Utilities::IconRenderer BaseController::addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                                    Gadgets::Utilities::RendererContainer* indicator,
                                                                    bool present)
{
    return DeviceIcons::addRemoveIndicator(renderer, indicator, present);
}

Gadgets::Utilities::IconRenderer BaseController::addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                                    const QString& indicatorName, bool present)
{
    return DeviceIcons::addRemoveIndicator(renderer, indicatorName, present);
}

void BaseController::addRemoveIconIndicator(int iconId, const QString& indicatorName, bool present)
{
    m_deviceIcons.addRemoveIconIndicator(iconId, indicatorName, present);
}

void BaseController::updateButtonIcon(const QString& buttonId, const QList<Gadgets::CommandControl*>& commandControls,
                                      const QList<FavoriteControl*>& favoriteControls, const NavigationIcon& icon)
{
    DeviceIcons::updateButtonIcon(buttonId, commandControls, favoriteControls, icon);
}

FavoriteWindow* BaseController::favoriteOfSender() const
{
    return m_favorites.withControl(sender());
}

void BaseController::onFavoriteElementClick(Gadgets::SvgElement* element)
{
    if (FavoriteWindow* window = favoriteOfSender())
        handleFavoriteElementClick(window, element);
}

void BaseController::onFavoriteElementPress(Gadgets::SvgElement* element)
{
    if (FavoriteWindow* window = favoriteOfSender())
        handleFavoriteElementPress(window, element);
}

void BaseController::onFavoriteElementRelease(Gadgets::SvgElement* element)
{
    if (FavoriteWindow* window = favoriteOfSender())
        handleFavoriteElementRelease(window, element);
}

void BaseController::onFavoriteTextChanged(bool& canChange)
{
    if (FavoriteWindow* window = favoriteOfSender())
        handleTextChanged(window->deviceId(), window->subDeviceId(),
                          window->favoriteControl()->editedText().trimmed(), canChange);
}

void BaseController::onFavoriteSliderValueChanged()
{
    if (FavoriteWindow* window = favoriteOfSender())
        handleFavoriteSliderChanged(window);
}

void BaseController::onFavoriteClosing()
{
    if (auto* window = qobject_cast<FavoriteWindow*>(sender()))
        handleFavoriteClose(window);
}

void BaseController::onFavoriteMoved()
{
    scheduleSaveSettings();
}

void BaseController::onFavoriteResized()
{
    scheduleSaveSettings();
}

void BaseController::onContextMenuRequest(const QPoint& pos)
{
    m_windowActions.openContextMenu(qobject_cast<FavoriteWindow*>(sender()), pos);
}

void BaseController::onFavoriteSetOnTop()
{
    m_windowActions.toggleOnTop(contextMenuWindow());
}

void BaseController::onFavoriteRefresh()
{
    m_windowActions.refresh(contextMenuWindow());
}

void BaseController::onFavoriteClose()
{
    if (FavoriteWindow* window = contextMenuWindow())
        window->close();
}

void BaseController::onShowMainWindow()
{
    m_windowActions.showMainWindow();
}

} // namespace Corvane::Sentrel::Controllers

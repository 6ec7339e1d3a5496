#include "BaseController.h"

#include "Application.h"
#include "FavoriteWindow.h"
#include "MessageBoxes.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "Controllers/CarouselController.h"
#include "Controllers/FavoriteContextMenu.h"
#include "Controllers/NavigationController.h"

#include "commandcontrol/CommandControl.h"
#include "devices/BaseDevice.h"
#include "devices/DeviceAddress.h"
#include "devices/ItemKey.h"
#include "devices/UserDeviceSettings.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/PravikEnums.h"
#include "controls/IconRenderer.h"
#include "controls/SvgButton.h"
#include "devices/GuiProperties.h"
#include "favorite/FavoriteControl.h"
#include "navigation/NavigationContainer.h"
#include "theme/ThemeProvider.h"
#include "utilities/InitSettings.h"
#include "utilities/WidgetUtilities.h"

#include <QAction>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>
#include <cmath>

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

namespace {

const int WEB_SERVER_DEVICE_TYPE = 22001;

bool isReturnOrEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

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
    initFavoriteContextMenu();
    if (m_navigationControl && m_navigationControl->labels())
        connect(m_navigationControl->labels(), &Gadgets::NavigationLabels::labelRefreshClicked, this,
                &BaseController::onLabelRefreshClicked);
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
    if (monitor && isKnownDriver(driver))
        updateStatus(serverIdOf(driver));
}

void BaseController::disconnected(const PravikDriver::Driver* driver, bool monitor)
{
    if (monitor)
        handleDisconnect(driver);
}

void BaseController::communicationError(const PravikDriver::Driver* driver, bool monitor, const PravikDriver::Error&)
{
    if (!monitor || !isKnownDriver(driver))
        return;
    handleDisconnect(driver);
    // The connection survived the error: what the devices show is asked again
    // instead of staying unknown until the next login.
    if (driver->isMonitorConnected())
        updateStatus(serverIdOf(driver));
}

void BaseController::connectionError(const PravikDriver::Driver* driver, bool monitor,
                                     const PravikDriver::Error& error)
{
    communicationError(driver, monitor, error);
}

void BaseController::updateStatus(int serverId)
{
    // A status request may change the list, so it is read again at each step.
    for (int i = 0; i < m_devices.size(); ++i) {
        BaseDevice* device = m_devices.at(i);
        if ((serverId < 0 || serverId == device->serverId()) && device->takesPartInStatusRequest())
            updateDeviceStatus(device);
    }
}

void BaseController::pageChanged() {}

void BaseController::settingsChanged(const Devices::GuiProperties&) {}

void BaseController::settingsLoaded() {}

void BaseController::updateDeviceStatus(BaseDevice*)
{
    // A gateway still waiting for discovery is looked for again.
    if (m_window && m_window->navigationController())
        m_window->navigationController()->discoverIfNeeded();
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
    for (auto it = m_drivers.cbegin(); it != m_drivers.cend(); ++it)
        if (it.value() == driver)
            return it.key();
    return -1;
}

int BaseController::getServerDeviceIndexByDriver(const PravikDriver::OpenDriver* driver) const
{
    for (int i = 0; i < m_devices.size(); ++i) {
        const BaseDevice* device = m_devices.at(i);
        if (device->deviceType() == WEB_SERVER_DEVICE_TYPE && m_drivers.contains(device->id())
            && m_drivers.value(device->id()) == driver)
            return i;
    }
    return -1;
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
    if (address.isGeneral())
        return PravikDriver::PravikEnums::General;
    if (address.isAmbient())
        return PravikDriver::PravikEnums::Ambient;
    if (address.isGroup())
        return PravikDriver::PravikEnums::Group;
    return PravikDriver::PravikEnums::Point;
}

bool BaseController::isCommandAddress(const DeviceAddress& address)
{
    return address.isGroup() || address.isGeneral() || address.isAmbient();
}

QString BaseController::getAddressText(const DeviceAddress& address, Address::DeviceType type,
                                       Address::Direction direction)
{
    return Address(getAddressType(address), type, address.area(), address.point(), address.level(),
                   address.interface())
        .toString(direction);
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
    switch (deviceType) {
    case 23001:
    case 23002:
    case 23004:
        return Address::SoundSource;
    case 23003:
        return Address::Amplifier;
    case 8002:
        return Address::TemperatureProbe;
    case 8001:
        return Address::ExternalProbe;
    case 8004:
        return Address::Zone4;
    case 8003:
        return Address::Zone99;
    case 4001:
        return Address::BasicAirConditioner;
    case 4003:
        return Address::AdvancedAirConditioner;
    case 7051:
    case 7061:
    case 7071:
    case 7081:
    case 7091:
        return Address::EnergyMeter;
    case 18001:
    case 18002:
        return Address::Load;
    default:
        return Address::Unknown;
    }
}

QList<int> BaseController::getDeviceIndicesByAddress(const QString& address, const PravikDriver::OpenDriver* driver,
                                                     bool includeSpecial) const
{
    QList<int> indices;
    for (int i = 0; i < m_devices.size(); ++i) {
        const BaseDevice* device = m_devices.at(i);
        const DeviceAddress own = device->address();
        if ((!includeSpecial && isCommandAddress(own)) || getDriver(device->serverId()) != driver)
            continue;
        const Address::DeviceType type = getAddressDeviceType(device->deviceType());
        QString text = getAddressText(own, type, Address::Compare);
        bool match = text == address;
        if (!match && type == Address::Zone99)
            match = getAddressText(own, Address::ZoneText, Address::Compare) == address;
        if (!match && type == Address::SoundSource)
            match = text.remove(QStringLiteral("5#")) == address;
        if (match)
            indices.append(i);
    }
    return indices;
}

QList<BaseDevice*> BaseController::getDevicesForGroupAddress(const QString& address,
                                                             const PravikDriver::OpenDriver* driver) const
{
    const Address target(address);
    if (!target.isValid() || target.kind() == PravikDriver::PravikEnums::Point)
        return {};
    QList<BaseDevice*> reached;
    for (BaseDevice* device : m_devices) {
        const DeviceAddress own = device->address();
        if (isCommandAddress(own) || getDriver(device->serverId()) != driver)
            continue;
        if (target.kind() == PravikDriver::PravikEnums::Ambient && own.area() != target.ambient())
            continue;
        if (target.kind() == PravikDriver::PravikEnums::Group && !own.groups().contains(target.group()))
            continue;
        if (target.kind() != PravikDriver::PravikEnums::Group && own.pul() > 0)
            continue;
        if (target.bus() == Address::PRIVATE_BUS && own.level() != Address::PRIVATE_BUS)
            continue;
        if (target.bus() == Address::LOCAL_BUS
            && (own.level() != Address::LOCAL_BUS || own.interface() != target.interface()))
            continue;
        reached.append(device);
    }
    return reached;
}

void BaseController::reorderIcons(const QList<int>& ids)
{
    for (int i = 0; i < ids.size() && i < m_icons.size(); ++i) {
        const int from = indexOfIcon(ids.at(i));
        if (from >= 0)
            m_icons.move(from, i);
    }
}

bool BaseController::handleIconsReordered()
{
    if (!isCurrentPage())
        return false;
    int target = 0;
    for (const NavigationIcon& shown : m_navigationControl->icons()) {
        const int from = indexOfIcon(shown.id());
        if (from >= 0)
            m_icons.move(from, target++);
    }
    saveSettings();
    return true;
}

template<typename Change>
void BaseController::changeIcon(int id, Change change)
{
    const int position = indexOfIcon(id);
    if (position < 0)
        return;
    change(m_icons[position]);
    updateUI(m_icons.at(position));
}

void BaseController::changeLabel(int iconPosition, const std::function<void(int segment)>& change)
{
    if (!isCurrentPage() || iconPosition < 0 || !m_navigationControl->labels())
        return;
    const int segment = m_navigationControl->getSegmentIndexByIcon(iconPosition);
    if (segment >= 0 && segment < m_navigationControl->labels()->count())
        change(segment);
}

void BaseController::setIconState(int id, NavigationIcon::State state)
{
    changeIcon(id, [state](NavigationIcon& icon) { icon.setState(state); });
}

void BaseController::setIconText(int id, const QString& text)
{
    changeIcon(id, [&text](NavigationIcon& icon) { icon.setText(text); });
}

void BaseController::setIconMinValue(int id, double value)
{
    changeIcon(id, [value](NavigationIcon& icon) { icon.setMinValue(value); });
}

void BaseController::setIconMaxValue(int id, double value)
{
    changeIcon(id, [value](NavigationIcon& icon) { icon.setMaxValue(value); });
}

void BaseController::setIcon(int id, Gadgets::Utilities::RendererContainer* renderer)
{
    changeIcon(id, [renderer](NavigationIcon& icon) { icon.setRenderer(Gadgets::Utilities::IconRenderer(renderer, {})); });
}

void BaseController::setIconRenderer(int id, const Gadgets::Utilities::IconRenderer& renderer)
{
    changeIcon(id, [&renderer](NavigationIcon& icon) { icon.setRenderer(renderer); });
}

void BaseController::setIconSupportsValue(int id, bool supports)
{
    changeIcon(id, [supports](NavigationIcon& icon) { icon.setSupportsValue(supports); });
}

void BaseController::setDeviceIconName(int deviceId, int, const QString& name)
{
    const int position = indexOfIcon(deviceId);
    if (position >= 0)
        m_icons[position].setTooltip(name);
}

void BaseController::setSupportsDeviceInfo(int id, bool supports)
{
    changeIcon(id, [supports](NavigationIcon& icon) { icon.setSupportsExtendedInfo(supports); });
    m_favorites.changeControls(id, [supports](FavoriteControl* f) { f->setLabelSupportsExtendedInfo(supports); });
}

void BaseController::setDeviceInfo(int id, const QString& info)
{
    changeIcon(id, [&info](NavigationIcon& icon) { icon.setDropDownText(info); });
    m_favorites.changeControls(id, [&info](FavoriteControl* f) { f->setLabelExtendedInfo(info); });
}

void BaseController::setDeviceDropDownModel(int id, const Gadgets::Models::DropDownModel& model)
{
    changeIcon(id, [&model](NavigationIcon& icon) { icon.setDropDownModel(model); });
    m_favorites.changeControls(id, [&model](FavoriteControl* f) { f->setLabelDropDownModel(model); });
}

void BaseController::setDeviceDropDownItemsModels(int id, const QList<Gadgets::Models::DropDownItemModel*>& models)
{
    changeIcon(id, [&models](NavigationIcon& icon) { icon.setDropDownItemsModels(models); });
    m_favorites.changeControls(id, [&models](FavoriteControl* f) { f->setLabelDropDownItemsModels(models); });
}

void BaseController::setSliderValueBounds(int id, double minimum, double maximum, double step)
{
    changeIcon(id, [=](NavigationIcon& icon) {
        icon.setMinValue(minimum);
        icon.setMaxValue(maximum);
        icon.setValueStep(step);
    });
    m_favorites.changeControls(id, [=](FavoriteControl* f) { f->setSliderValueBounds(minimum, maximum, step); });
    changeLabel(indexOfIcon(id), [=, this](int segment) {
        m_navigationControl->labels()->setSliderValueBounds(segment, minimum, maximum, step);
    });
}

void BaseController::setSliderTextFormat(int id, const QString& format)
{
    changeIcon(id, [&format](NavigationIcon& icon) { icon.setValueFormat(format); });
    m_favorites.changeControls(id, [&format](FavoriteControl* f) { f->setSliderValueFormat(format); });
    changeLabel(indexOfIcon(id),
                [&, this](int segment) { m_navigationControl->labels()->setSliderValueFormat(segment, format); });
}

void BaseController::setSliderValuePrecision(int id, int precision)
{
    changeIcon(id, [precision](NavigationIcon& icon) { icon.setValuePrecision(precision); });
    m_favorites.changeControls(id, [precision](FavoriteControl* f) { f->setSliderValuePrecision(precision); });
    changeLabel(indexOfIcon(id), [=, this](int segment) {
        m_navigationControl->labels()->setSliderValuePrecision(segment, precision);
    });
}

void BaseController::setSliderValueStep(int id, double step)
{
    changeIcon(id, [step](NavigationIcon& icon) { icon.setValueStep(step); });
    m_favorites.changeControls(id, [step](FavoriteControl* f) { f->setSliderValueStep(step); });
    changeLabel(indexOfIcon(id),
                [=, this](int segment) { m_navigationControl->labels()->setSliderValueStep(segment, step); });
}

void BaseController::setSliderInvalidValueSteps(int id, const QSet<int>& steps)
{
    changeIcon(id, [&steps](NavigationIcon& icon) { icon.setInvalidValueSteps(steps); });
    m_favorites.changeControls(id, [&steps](FavoriteControl* f) { f->setSliderInvalidValueSteps(steps); });
    changeLabel(indexOfIcon(id), [&, this](int segment) {
        m_navigationControl->labels()->setSliderInvalidValueSteps(segment, steps);
    });
}

void BaseController::setSliderValue(int id, double value)
{
    changeIcon(id, [value](NavigationIcon& icon) { icon.setValue(value); });
    changeLabel(indexOfIcon(id),
                [=, this](int segment) { m_navigationControl->labels()->setSliderValue(segment, value); });
    m_favorites.changeControls(id, [value](FavoriteControl* f) { f->setSliderValue(value); });
}

void BaseController::updateUI(const NavigationIcon& icon)
{
    const QString& indicator = Gadgets::ThemeProvider::FAVORITE_INDICATOR;
    if (isCurrentPage()) {
        NavigationIcon shown = icon;
        shown.setRenderer(addRemoveIndicator(icon.renderer(), indicator, hasFavoriteFor(icon.id())));
        m_navigationControl->updateIcon(shown);
    }
    for (FavoriteWindow* window : m_favorites.of(icon.id())) {
        NavigationIcon content = icon;
        if (icon.renderer().main())
            content.setRenderer(addRemoveIndicator(icon.renderer(), indicator, false));
        else
            content.setRenderer(Gadgets::Utilities::IconRenderer(favoriteIconRenderer(), {}));
        window->favoriteControl()->updateContent(content);
    }
}

void BaseController::updateSliders(int selectedSegment)
{
    Gadgets::NavigationLabels* labels = m_navigationControl ? m_navigationControl->labels() : nullptr;
    if (!labels)
        return;
    labels->showAllSliders();
    for (int segment = 0; segment < labels->count(); ++segment) {
        const int position = m_navigationControl->getIconIndexBySegment(segment);
        if (position < 0 || position >= m_icons.size()) {
            labels->setSliderImageVisible(segment, false);
            continue;
        }
        const BaseDevice* device = getDeviceById(m_icons.at(position).id());
        if (!device)
            continue;
        if (!device->hasSliderValue()) {
            labels->setSliderImageVisible(segment, false);
            continue;
        }
        labels->setSliderImageVisible(segment, segment == selectedSegment && m_navigationControl->commandControl1()
                                                   && device->showsSliderImage());
        labels->setSliderValue(segment, device->currentValue());
    }
}

void BaseController::onLabelRefreshClicked(int segment)
{
    if (!isCurrentPage())
        return;
    const int position = m_navigationControl->getIconIndexBySegment(segment);
    if (BaseDevice* device = getDeviceById(getIconByIndex(position).id()))
        updateDeviceStatus(device);
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
    if (!m_navigationControl)
        return nullptr;
    return m_navigationControl->commandControl2() ? m_navigationControl->commandControl2()
                                                   : m_navigationControl->commandControl1();
}

void BaseController::handleKeyPress(const QKeyEvent* event)
{
    if (!m_navigationControl)
        return;
    Gadgets::CommandControl* ring = activeCommandControl();
    Gadgets::NavigationLabels* labels = m_navigationControl->labels();
    const int selected = m_navigationControl->selectedSegmentIndex();
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right) {
        const bool previous = key == Qt::Key_Left;
        if (ring)
            previous ? ring->selectPrevious() : ring->selectNext();
        else
            previous ? m_navigationControl->goAndRotatePrevious() : m_navigationControl->goAndRotateNext();
    } else if (key == Qt::Key_Down || key == Qt::Key_Up) {
        if (labels && labels->isVisible())
            key == Qt::Key_Down ? labels->moveSliderDown(selected) : labels->moveSliderUp(selected);
    } else if (isReturnOrEnter(key)) {
        if (ring) {
            if (!event->isAutoRepeat())
                ring->pressCurrent();
        } else if (m_navigationControl->hasSelectedIcon()) {
            m_navigationControl->notifyNavigationIconClicked(
                m_navigationControl->icons().value(m_navigationControl->selectedIconIndex()), selected, false);
        }
    } else if (key == Qt::Key_Escape) {
        if (m_navigationControl->commandControl2())
            m_navigationControl->closeCommandControl2();
        else if (m_navigationControl->commandControl1())
            m_navigationControl->clearCommandControls();
        else if (m_navigationControl->showBackButton())
            m_navigationControl->notifyBackButtonClicked();
        else
            m_navigationControl->notifyHomeButtonClicked();
    }
}

void BaseController::handleKeyRelease(const QKeyEvent* event)
{
    if (!m_navigationControl || event->isAutoRepeat())
        return;
    const int key = event->key();
    if (isReturnOrEnter(key)) {
        if (Gadgets::CommandControl* ring = activeCommandControl())
            ring->releaseCurrent();
    } else if (key == Qt::Key_Down || key == Qt::Key_Up) {
        Gadgets::NavigationLabels* labels = m_navigationControl->labels();
        if (labels && labels->isVisible())
            labels->applyCurrentValue(m_navigationControl->selectedSegmentIndex());
    }
}

bool BaseController::isCurrentPage() const
{
    return m_navigationControl && m_navigationControl->currentPageId() == controlledPageId();
}

void BaseController::showDevicePage(const QString& systemRenderer, bool refreshButtons)
{
    if (!m_navigationControl)
        return;
    m_navigationControl->setIcons(updateIconsWithFavorites(m_icons), false);
    m_navigationControl->setCentralContent(Gadgets::ThemeProvider::getRendererFor(systemRenderer), QString());
    m_navigationControl->setCurrentPageId(controlledPageId());
    if (Gadgets::NavigationLabels* labels = m_navigationControl->labels()) {
        labels->setLabelsRefreshButtonsVisible(refreshButtons);
        labels->setCanEditLabels(true);
    }
    if (m_window && m_window->navigationContainer())
        m_window->navigationContainer()->setElementsSuffix(elementsSuffix());
}

QList<BaseDevice*> BaseController::devicesForMessage(const QString& address, const PravikDriver::OpenDriver* driver,
                                                     int familyCode, bool* fromGroup) const
{
    QList<BaseDevice*> reached;
    for (int index : getDeviceIndicesByAddress(address, driver, false))
        reached.append(m_devices.at(index));
    if (fromGroup)
        *fromGroup = reached.isEmpty();
    if (!reached.isEmpty())
        return reached;
    // A command to several devices changes only those whose state is known:
    // an unknown one stays unknown until its own status arrives.
    for (BaseDevice* device : getDevicesForGroupAddress(address, driver)) {
        if (device->isStatusKnown() && device->familyCode() == familyCode)
            reached.append(device);
    }
    return reached;
}

void BaseController::clearDevices()
{
    qDeleteAll(m_devices);
    m_devices.clear();
}

bool BaseController::isKnownDriver(const PravikDriver::Driver* driver) const
{
    return serverIdOf(driver) >= 0;
}

int BaseController::serverIdOf(const PravikDriver::Driver* driver) const
{
    return getServerId(qobject_cast<const PravikDriver::OpenDriver*>(driver));
}

void BaseController::handleDisconnect(const PravikDriver::Driver* driver)
{
    if (!isKnownDriver(driver))
        return;
    const int serverId = serverIdOf(driver);
    for (int i = 0; i < m_devices.size(); ++i) {
        BaseDevice* device = m_devices.at(i);
        if (device->serverId() != serverId || !device->takesPartInStatusRequest())
            continue;
        device->setStatusKnown(false);
        updateUIforDevice(device);
    }
}

// --- Favourites -----------------------------------------------------------

void BaseController::initFavoriteContextMenu()
{
    if (m_contextMenu)
        return;
    m_contextMenu = new FavoriteContextMenu(this);
    connect(m_contextMenu->onTopAction(), &QAction::triggered, this, &BaseController::onFavoriteSetOnTop);
    connect(m_contextMenu->refreshAction(), &QAction::triggered, this, &BaseController::onFavoriteRefresh);
    connect(m_contextMenu->showMainWindowAction(), &QAction::triggered, this, &BaseController::onShowMainWindow);
    connect(m_contextMenu->removeAction(), &QAction::triggered, this, &BaseController::onFavoriteClose);
    connect(m_contextMenu->quitAction(), &QAction::triggered, this, &BaseController::quitRequested);
}

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
    const int deviceId = getDeviceIdFromUniquieId(icon.id());
    const int subDeviceId = getSubDeviceIdFromUniquieId(icon.id());
    if (!canAddFavoriteFor(deviceId, subDeviceId))
        return false;
    if (hasFavoriteFor(icon.id())) {
        MessageBoxes::instance()->information(m_window, QCoreApplication::applicationName(),
                                              tr("There is already a favorite item for this device"));
        return false;
    }
    addFavorite(deviceId, subDeviceId);
    return true;
}

void BaseController::handleRequestAllowedShortcut(const NavigationIcon& icon, bool& allowed)
{
    allowed = canAddFavoriteFor(getDeviceIdFromUniquieId(icon.id()), getSubDeviceIdFromUniquieId(icon.id()));
}

void BaseController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    FavoriteControl* control = window->favoriteControl();
    if (!element || !control)
        return;
    if (element == control->closeButton()) {
        window->close();
    } else if (element == control->refreshButton()) {
        if (BaseDevice* device = getDeviceById(window->deviceId()))
            updateDeviceStatus(device);
    }
}

void BaseController::handleFavoriteElementPress(FavoriteWindow*, Gadgets::SvgElement*) {}

void BaseController::handleFavoriteElementRelease(FavoriteWindow*, Gadgets::SvgElement*) {}

void BaseController::handleFavoriteSliderChanged(FavoriteWindow*) {}

void BaseController::updateControlsCache()
{
    for (FavoriteWindow* window : m_favorites.all()) {
        window->themeChanged();
        window->favoriteControl()->updateCachedData();
        window->favoriteControl()->update();
    }
    if (m_contextMenu)
        m_contextMenu->updateStyleSheet();
}

void BaseController::setFavoritesTransparency(int transparency)
{
    for (FavoriteWindow* window : m_favorites.all())
        window->setTransparency(transparency);
}

void BaseController::closeConfiguration()
{
    for (FavoriteWindow* window : m_favorites.takeAll()) {
        // Closing them one by one must not store the shrinking list.
        disconnect(window, nullptr, this, nullptr);
        window->close();
        window->destroyLater();
    }
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
    saveSettings();
}

void BaseController::handleFavoriteClose(FavoriteWindow* window)
{
    if (!m_favorites.remove(window))
        return;
    if (BaseDevice* device = getDeviceById(window->deviceId())) {
        updateUIforDevice(device);
        if (window->subDeviceId() > 0)
            updateUI(getIconForSubDevice(window->deviceId(), window->subDeviceId()));
    }
    if (!Application::s_isShuttingDown)
        saveSettings();
    window->destroyLater();
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
    for (const UserDeviceSettings::Favorite& favorite : settings.favorites()) {
        if (favorite.pageType != controlledPageType() || !canAddFavoriteFor(favorite.deviceId, favorite.subDeviceId))
            continue;
        addFavorite(favorite.deviceId, favorite.subDeviceId, FavoriteWindows::storedPosition(favorite), false,
                    favorite.onTop, FavoriteWindows::storedScalePercent(favorite.scale));
        loadSettingsForFavorite(favorite);
    }
    const int invalidSubId = Devices::ItemKey::INVALID_SUB_ID;
    for (BaseDevice* device : std::as_const(m_devices)) {
        const QString name = settings.itemName(device->id(), invalidSubId);
        if (!name.isEmpty()) {
            device->setCustomName(name);
            setDeviceName(device->id(), invalidSubId, name);
        }
        loadSettingsForDevice(settings, pageId, device);
    }
    reorderIcons(settings.pageItemsOrder(pageId, invalidSubId));
}

FavoriteWindow* BaseController::addFavorite(int deviceId, int subDeviceId, const QPoint& point, bool placeHotSpot,
                                            bool onTop, int scale)
{
    auto* window = new FavoriteWindow(deviceId, subDeviceId);
    m_favorites.append(window);
    initializeFavorite(window);
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
    control->setElementsSuffix(elementsSuffix());
    if (BaseDevice* device = getDeviceById(deviceId)) {
        updateUIforDevice(device);
        const QString name = device->displayName(subDeviceId);
        control->setLabelText(name);
        window->setWindowTitle(name);
    }
    connectFavorite(window);
    return window;
}

FavoriteWindow* BaseController::addFavorite(int deviceId, int subDeviceId)
{
    const int scale = int(100 * Corvane::Utilities::InitSettings::DEFAULT_FAVORITE_SCALE);
    FavoriteWindow* window = addFavorite(deviceId, subDeviceId, QCursor::pos(), true, false, scale);
    saveSettings();
    return window;
}

void BaseController::connectFavorite(FavoriteWindow* window)
{
    FavoriteControl* control = window->favoriteControl();
    connect(control, &FavoriteControl::elementPress, this, &BaseController::onFavoriteElementPress);
    connect(control, &FavoriteControl::elementRelease, this, &BaseController::onFavoriteElementRelease);
    connect(control, &FavoriteControl::elementClick, this, &BaseController::onFavoriteElementClick);
    connect(control, &FavoriteControl::sliderValueChanged, this, &BaseController::onFavoriteSliderValueChanged);
    connect(control, &FavoriteControl::labelTextChanged, this, &BaseController::onFavoriteTextChanged);
    connect(window, &BaseSceneWindow::closing, this, &BaseController::onFavoriteClosing);
    connect(window, &BaseSceneWindow::moved, this, &BaseController::onFavoriteMoved);
    connect(window, &BaseSceneWindow::resized, this, &BaseController::onFavoriteResized);
    connect(window, &QWidget::customContextMenuRequested, this, &BaseController::onContextMenuRequest);
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

QList<NavigationIcon> BaseController::updateIconsWithFavorites(const QList<NavigationIcon>& icons) const
{
    QList<NavigationIcon> marked = icons;
    for (NavigationIcon& icon : marked)
        if (hasFavoriteFor(icon.id()))
            icon.setRenderer(addRemoveIndicator(icon.renderer(), Gadgets::ThemeProvider::FAVORITE_INDICATOR, true));
    return marked;
}

Gadgets::Utilities::IconRenderer BaseController::addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                                    Gadgets::Utilities::RendererContainer* indicator,
                                                                    bool present)
{
    QList<Gadgets::Utilities::RendererContainer*> overlays = renderer.overlays();
    if (present && !overlays.contains(indicator))
        overlays.append(indicator);
    else if (!present)
        overlays.removeAll(indicator);
    return Gadgets::Utilities::IconRenderer(renderer.main(), overlays);
}

Gadgets::Utilities::IconRenderer BaseController::addRemoveIndicator(const Gadgets::Utilities::IconRenderer& renderer,
                                                                    const QString& indicatorName, bool present)
{
    return addRemoveIndicator(renderer, Gadgets::ThemeProvider::getRendererFor(indicatorName), present);
}

void BaseController::addRemoveIconIndicator(int iconId, const QString& indicatorName, bool present)
{
    changeIcon(iconId, [&](NavigationIcon& icon) {
        icon.setRenderer(addRemoveIndicator(icon.renderer(), indicatorName, present));
    });
    m_favorites.changeControls(iconId, [&](FavoriteControl* f) {
        f->setIconRenderer(addRemoveIndicator(f->iconRenderer(), indicatorName, present));
    });
}

void BaseController::updateButtonIcon(const QString& buttonId, const QList<Gadgets::CommandControl*>& commandControls,
                                      const QList<FavoriteControl*>& favoriteControls, const NavigationIcon& icon)
{
    for (Gadgets::CommandControl* control : commandControls)
        control->setButtonIcon(buttonId, icon);
    for (FavoriteControl* control : favoriteControls)
        control->setCommandControlButtonIcon(buttonId, icon);
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
        handleTextChanged(window->deviceId(), window->subDeviceId(), window->favoriteControl()->editedText(),
                          canChange);
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
    auto* window = qobject_cast<FavoriteWindow*>(sender());
    if (!window || !m_contextMenu || !window->favoriteControl() || window->favoriteControl()->isMoving())
        return;
    const BaseDevice* device = getDeviceById(window->deviceId());
    m_contextMenu->prepare(window, device && device->supportsRefresh());
    m_contextMenu->menu()->popup(window->mapToGlobal(pos));
}

void BaseController::onFavoriteSetOnTop()
{
    FavoriteWindow* window = contextMenuWindow();
    if (!window)
        return;
    Corvane::Utilities::WidgetUtilities::setWindgetOnTop(
        window, !Corvane::Utilities::WidgetUtilities::isWidgetOnTop(window));
    window->showTo();
    saveSettings();
}

void BaseController::onFavoriteRefresh()
{
    FavoriteWindow* window = contextMenuWindow();
    if (BaseDevice* device = window ? getDeviceById(window->deviceId()) : nullptr)
        updateDeviceStatus(device);
}

void BaseController::onFavoriteClose()
{
    if (FavoriteWindow* window = contextMenuWindow())
        window->close();
}

void BaseController::onShowMainWindow()
{
    if (!m_window)
        return;
    m_window->showTo();
    m_window->activateWindow();
}

} // namespace Corvane::Sentrel::Controllers

#include "ActuatorsController.h"

#include "FavoriteWindow.h"
#include "NavigationWindow.h"

#include "commandcontrol/CommandControl.h"
#include "controls/IconRenderer.h"
#include "favorite/FavoriteControl.h"
#include "devices/ActuatorDevice.h"
#include "devices/ActuatorDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/LightsMessage.h"
#include "theme/ThemeProvider.h"

#include <cmath>

namespace Corvane::Sentrel::Controllers {

using Devices::ActuatorDevice;
using Devices::BaseDevice;
using Gadgets::CommandControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using PravikDriver::UserMessages::LightsMessage;

const QString ActuatorsController::ON_BUTTON_ID = QStringLiteral("ON");
const QString ActuatorsController::OFF_BUTTON_ID = QStringLiteral("OFF");

namespace {

const int LIGHTING_FAMILY = 1;
const int DIMMER_100 = 2001;
const int DIMMER_10 = 2002;
const int DIMMER_10_OTHER = 2006;
const int NO_VALUE_LIGHT = 2003;
const int NO_ERROR_INFO = -1;

// Rounds to the nearest integer, halves upward.
int roundHalfUp(double value)
{
    return int(std::floor(value + 0.5));
}

const QString& deviceRenderer(const BaseDevice* device)
{
    return BaseController::isCommandAddress(device->address()) ? ThemeProvider::LIGHTS_GROUP : ThemeProvider::LIGHTS;
}

} // namespace

ActuatorsController::ActuatorsController(NavigationWindow* window)
    : RingPageController(window, ThemeProvider::LIGHTS_SYSTEM, true)
{
    if (navigationControl() && navigationControl()->labels())
        connect(navigationControl()->labels(), &Gadgets::NavigationLabels::sliderValueChanged, this,
                &ActuatorsController::onSliderValueChanged);
}

ActuatorsController::~ActuatorsController() = default;

void ActuatorsController::connectRing(CommandControl* ring)
{
    connect(ring, &CommandControl::elementClick, this, &ActuatorsController::onCommandElementClick);
}

int ActuatorsController::controlledPageId() const
{
    return LIGHTS_PAGE_ID;
}

Devices::ConfigPage::PageType ActuatorsController::controlledPageType() const
{
    return Devices::ConfigPage::Lighting;
}

PravikDriver::Address::DeviceType ActuatorsController::defaultDeviceType() const
{
    return PravikDriver::Address::Light;
}

QString ActuatorsController::elementsSuffix() const
{
    return ThemeProvider::LIGHTS;
}

int ActuatorsController::loadDevices(const Devices::Configuration* configuration)
{
    clearDevices();
    m_ring.clearSelection();
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* actuator = dynamic_cast<const Devices::ActuatorDeviceProperties*>(properties);
            if (actuator && properties->familyCode() == LIGHTING_FAMILY)
                m_devices.append(new ActuatorDevice(*actuator, configuration->getServerForDevice(properties->id())));
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

void ActuatorsController::updateNavigationIcons()
{
    m_icons.clear();
    for (const BaseDevice* device : std::as_const(m_devices)) {
        const auto* light = static_cast<const ActuatorDevice*>(device);
        // The name is the icon's tooltip, which the labels show; the segment
        // itself shows the picture alone.
        NavigationIcon icon(deviceRenderer(device), device->name(), device->id());
        icon.setState(device->isStatusKnown() ? NavigationIcon::Normal : NavigationIcon::Uninitialized);
        icon.setWillExpand(true);
        icon.setSupportsValue(device->deviceType() != NO_VALUE_LIGHT);
        if (icon.supportsValue()) {
            icon.setValueStep(light->valueStep());
            icon.setInvalidValueSteps(light->invalidValueSteps());
        }
        m_icons.append(icon);
    }
}

ActuatorDevice* ActuatorsController::actuator(int deviceId) const
{
    return static_cast<ActuatorDevice*>(getDeviceById(deviceId));
}

void ActuatorsController::updateDeviceStatus(BaseDevice* device)
{
    BaseController::updateDeviceStatus(device);
    auto* light = static_cast<ActuatorDevice*>(device);
    if (isCommandAddress(device->address())) {
        // No gateway keeps a state for a command address: it is usable
        // while its gateway is connected.
        light->setIsOn(true);
        light->setStatusKnown(isServerConnected(device->serverId()));
        updateUIforDevice(device);
        return;
    }
    light->setStatusKnown(false);
    updateUIforDevice(device);
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    if (!driver)
        return;
    const QString address = getAddressText(device->address());
    if (device->deviceType() == DIMMER_100)
        driver->requestDimmer100Status(address);
    else
        driver->requestLigthStatus(address);
}

void ActuatorsController::updateUIforDevice(BaseDevice* device)
{
    const auto* light = static_cast<const ActuatorDevice*>(device);
    const int id = device->id();
    NavigationIcon::State state = NavigationIcon::Uninitialized;
    if (light->isStatusKnown())
        state = light->isOn() ? NavigationIcon::Normal : NavigationIcon::Inactive;
    setIconState(id, state);
    QList<Gadgets::Utilities::RendererContainer*> overlays;
    if (light->hasError())
        overlays.append(ThemeProvider::getRendererFor(ThemeProvider::ERROR_INDICATOR));
    setIconRenderer(id, Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(deviceRenderer(device)),
                                                         overlays));
    if (light->isStatusKnown() && light->hasValueSteps()) {
        setSliderValueStep(id, light->valueStep());
        if (!light->invalidValueSteps().isEmpty())
            setSliderInvalidValueSteps(id, light->invalidValueSteps());
    }
    setSliderValue(id, light->currentValue());
}

QList<CommandControl::ButtonData> ActuatorsController::ringButtons(const BaseDevice*) const
{
    return {
        CommandRing::button(ThemeProvider::ON, ON_BUTTON_ID),
        CommandRing::button(ThemeProvider::OFF, OFF_BUTTON_ID),
    };
}

void ActuatorsController::ringSelectionChanged(int segment)
{
    updateSliders(segment);
}

void ActuatorsController::initializeFavorite(FavoriteWindow* window)
{
    BaseController::initializeFavorite(window);
    const ActuatorDevice* light = actuator(window->deviceId());
    if (!light)
        return;
    Gadgets::FavoriteControl* control = window->favoriteControl();
    control->setSliderVisible(light->deviceType() != NO_VALUE_LIGHT);
    control->setHideSliderOnCollapse(true);
    control->setIconRenderer(addRemoveIndicator(control->iconRenderer(), ThemeProvider::ERROR_INDICATOR,
                                                light->hasError()));
}

void ActuatorsController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    if (!toggleFavoritePanel(window, element, actuator(window->deviceId())))
        handleButtonIdClicked(window->favoriteControl()->getButtonId(element), window->deviceId());
    BaseController::handleFavoriteElementClick(window, element);
}

void ActuatorsController::handleFavoriteSliderChanged(FavoriteWindow* window)
{
    setDeviceLevel(window->deviceId(), window->favoriteControl()->sliderValue());
}

void ActuatorsController::onCommandElementClick(Gadgets::SvgElement* element)
{
    handleButtonIdClicked(m_ring.control()->getButtonId(element), m_ring.selectedDeviceId());
}

void ActuatorsController::handleButtonIdClicked(const QString& buttonId, int deviceId)
{
    const BaseDevice* device = getDeviceById(deviceId);
    if (!device || (buttonId != ON_BUTTON_ID && buttonId != OFF_BUTTON_ID))
        return;
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->switchLight(getAddressText(device->address()), buttonId == ON_BUTTON_ID);
}

void ActuatorsController::setDeviceLevel(int deviceId, double level)
{
    ActuatorDevice* device = actuator(deviceId);
    if (!device)
        return;
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    const QString address = getAddressText(device->address());
    const bool tenLevels = device->deviceType() == DIMMER_10 || device->deviceType() == DIMMER_10_OTHER;
    const int value = tenLevels ? roundHalfUp(level / 10) : roundHalfUp(level);
    if (driver) {
        if (value == 0)
            driver->switchLight(address, false);
        else if (tenLevels)
            driver->setDimmer10Level(address, value);
        else
            driver->setDimmer100Level(address, value + 100, 0);
    }
    if (isCommandAddress(device->address())) {
        device->setLevel(tenLevels ? value * 10 : value);
        updateUIforDevice(device);
    }
}

void ActuatorsController::onSliderValueChanged(int segment)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation || navigation->currentPageId() != LIGHTS_PAGE_ID || !navigation->labels())
        return;
    const int position = navigation->getIconIndexBySegment(segment);
    if (position < 0 || position >= m_icons.size())
        return;
    setDeviceLevel(m_icons.at(position).id(), navigation->labels()->sliderValue(segment));
}

void ActuatorsController::lightMessageReceived(const PravikDriver::OpenDriver* driver, const LightsMessage& message,
                                               const PravikDriver::Message&, bool)
{
    if (!isKnownDriver(driver))
        return;
    bool fromGroup = false;
    for (BaseDevice* device : devicesForMessage(message.where(), driver, LIGHTING_FAMILY, &fromGroup)) {
        updateDeviceFromMessage(static_cast<ActuatorDevice*>(device), message, fromGroup);
        updateUIforDevice(device);
    }
}

void ActuatorsController::updateDeviceFromMessage(ActuatorDevice* device, const LightsMessage& message,
                                                  bool fromGroup)
{
    int level = message.level();
    if (device->deviceType() == DIMMER_100) {
        if (!message.isDimmer100() && level > 0)
            level = LightsMessage::convertDimmer10Value(level / 10);
    } else if (message.isDimmer100()) {
        return;
    }

    const int own = device->errorType();
    const int reported = message.errorType();
    bool apply = true;
    if (own == 2) {
        if (message.isDiagnostic() && reported == 0) {
            device->setErrorType(0);
        } else if (reported == 1) {
            device->setErrorType(1);
            apply = !fromGroup;
        }
    } else if (own == 1) {
        if (!fromGroup && !message.hasError())
            device->setErrorType(0);
        else
            apply = !fromGroup;
    } else if (reported == 1) {
        device->setErrorType(1);
        apply = !fromGroup;
    } else if (reported == 0 || reported == 2) {
        device->setErrorType(reported);
    }

    if (apply) {
        if (reported == NO_ERROR_INFO)
            device->setIsOn(message.isOn());
        if (level >= 0 && message.isOn())
            device->setLevel(level);
    }
    device->setStatusKnown(true);
}

} // namespace Corvane::Sentrel::Controllers

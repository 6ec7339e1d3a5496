#include "ScenariosController.h"

#include "FavoriteWindow.h"

#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include "controls/IconRenderer.h"
#include "devices/Configuration.h"
#include "devices/ScenarioDevice.h"
#include "favorite/FavoriteControl.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/OpenDriver.h"
#include "theme/ThemeProvider.h"

#include <cmath>

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::ScenarioDevice;
using Devices::ScheduledScenarioItem;
using Gadgets::CommandControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using PravikDriver::Address;

const QString ScenariosController::START_BUTTON_ID = QStringLiteral("START");
const QString ScenariosController::STOP_BUTTON_ID = QStringLiteral("STOP");
const QString ScenariosController::ENABLE_BUTTON_ID = QStringLiteral("ENABLE");
const QString ScenariosController::DISABLE_BUTTON_ID = QStringLiteral("DISABLE");
const int ScenariosController::EVOLVED_CEN_MAX_NUMBER = 31;
const int ScenariosController::HOLD_TICK_INTERVAL = 500;

namespace {

const int SCENARIOS_FAMILY = 2;
const int SCENARIO = 1002;
const int SCENARIO_PLUS = 1003;
const int SCHEDULED_SCENARIO = 9002;

// The actions of a CEN push button.
enum CenAction {
    CenPress = 0,
    CenShortRelease = 1,
    CenReleaseAfterHold = 2,
    CenHold = 3,
};

// The actions of a CEN PLUS push button.
enum CenPlusAction {
    CenPlusShortPress = 0,
    CenPlusHoldStart = 1,
    CenPlusHold = 2,
    CenPlusReleaseAfterHold = 3,
};

// A hold counts once the timer has ticked.
const int HOLD_THRESHOLD = 499;

} // namespace

ScenariosController::ScenariosController(NavigationWindow* window)
    : RingPageController(window, ThemeProvider::SCENARIO_SYSTEM, false)
    , m_holdTimer(Clock::program()->createTimer(this))
{
    m_holdTimer->setInterval(HOLD_TICK_INTERVAL);
    connect(m_holdTimer, &ClockTimer::timeout, this, &ScenariosController::onTimerTick);
}

ScenariosController::~ScenariosController() = default;

void ScenariosController::connectRing(CommandControl* ring)
{
    connect(ring, &CommandControl::elementPress, this, &ScenariosController::onElementPress);
    connect(ring, &CommandControl::elementRelease, this, &ScenariosController::onElementRelease);
}

int ScenariosController::controlledPageId() const
{
    return SCENARIOS_PAGE_ID;
}

Devices::ConfigPage::PageType ScenariosController::controlledPageType() const
{
    return Devices::ConfigPage::Scenarios;
}

PravikDriver::Address::DeviceType ScenariosController::defaultDeviceType() const
{
    return Address::Scenario;
}

QString ScenariosController::elementsSuffix() const
{
    return ThemeProvider::SCENARIO;
}

int ScenariosController::loadDevices(const Devices::Configuration* configuration)
{
    // A hold must not reach the devices of another project.
    endHold();
    m_pressedDeviceId = 0;
    clearDevices();
    m_ring.clearSelection();
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* scenario = dynamic_cast<const Devices::ScenarioDeviceProperties*>(properties);
            if (scenario && properties->familyCode() == SCENARIOS_FAMILY)
                m_devices.append(new ScenarioDevice(*scenario, configuration->getServerForDevice(properties->id())));
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

void ScenariosController::closeConfiguration()
{
    BaseController::closeConfiguration();
    endHold();
}

void ScenariosController::updateNavigationIcons()
{
    m_icons.clear();
    for (const BaseDevice* device : std::as_const(m_devices)) {
        // The name is the icon's tooltip, which the labels show.
        NavigationIcon icon(ThemeProvider::SCENARIO, device->name(), device->id());
        if (device->hasSliderValue()) {
            icon.setSupportsValue(true);
            icon.setMinValue(device->valueMinimum());
            icon.setMaxValue(device->valueMaximum());
            icon.setValueStep(device->valueStep());
            icon.setValue(device->currentValue());
        }
        icon.setWillExpand(true);
        icon.setState(NavigationIcon::Uninitialized);
        m_icons.append(icon);
    }
}

QList<CommandControl::ButtonData> ScenariosController::getButtonsForDevice(const BaseDevice* device)
{
    if (!device)
        return {};
    switch (device->deviceType()) {
    case SCENARIO:
        return {CommandRing::button(ThemeProvider::START, START_BUTTON_ID)};
    case SCENARIO_PLUS:
        return {CommandRing::button(ThemeProvider::START, START_BUTTON_ID),
                CommandRing::button(ThemeProvider::STOP, STOP_BUTTON_ID)};
    case SCHEDULED_SCENARIO: {
        const auto& properties = static_cast<const Devices::ScenarioDeviceProperties&>(device->properties());
        QList<CommandControl::ButtonData> buttons;
        if (properties.startItem().presence())
            buttons.append(CommandRing::button(ThemeProvider::START, START_BUTTON_ID));
        if (properties.stopItem().presence())
            buttons.append(CommandRing::button(ThemeProvider::STOP, STOP_BUTTON_ID));
        if (properties.enableItem().presence())
            buttons.append(CommandRing::button(ThemeProvider::SCENARIO_ENABLE, ENABLE_BUTTON_ID));
        if (properties.disableItem().presence())
            buttons.append(CommandRing::button(ThemeProvider::SCENARIO_DISABLE, DISABLE_BUTTON_ID));
        return buttons;
    }
    default:
        return {};
    }
}

QList<CommandControl::ButtonData> ScenariosController::ringButtons(const BaseDevice* device) const
{
    return getButtonsForDevice(device);
}

void ScenariosController::updateDeviceStatus(BaseDevice* device)
{
    BaseController::updateDeviceStatus(device);
    // Nothing on the bus keeps a scenario's state: it is usable while its
    // gateway is connected.
    device->setStatusKnown(isServerConnected(device->serverId()));
    updateUIforDevice(device);
}

void ScenariosController::updateUIforDevice(BaseDevice* device)
{
    setIconState(device->id(), device->isStatusKnown() ? NavigationIcon::Normal : NavigationIcon::Uninitialized);
}

void ScenariosController::ringSelectionChanged(int segment)
{
    updateSliders(segment);
}

void ScenariosController::initializeFavorite(FavoriteWindow* window)
{
    BaseController::initializeFavorite(window);
    const auto* device = static_cast<const ScenarioDevice*>(getDeviceById(window->deviceId()));
    if (!device || device->deviceType() != SCENARIO_PLUS)
        return;
    Gadgets::FavoriteControl* control = window->favoriteControl();
    control->setSliderVisible(true);
    control->setSliderValue(device->scenarioProperties().level());
    control->setHideSliderOnCollapse(true);
    control->setHideSliderTextOnCollapse(true);
}

void ScenariosController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    const BaseDevice* device = getDeviceById(window->deviceId());
    if (!device)
        return;
    toggleFavoritePanel(window, element, device);
    BaseController::handleFavoriteElementClick(window, element);
}

void ScenariosController::handleFavoriteElementPress(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    Gadgets::FavoriteControl* control = window->favoriteControl();
    handleFavoritePress(control->getButtonId(element), window->deviceId(), control->sliderValue());
}

void ScenariosController::handleFavoriteElementRelease(FavoriteWindow*, Gadgets::SvgElement*)
{
    handleElementRelease();
}

bool ScenariosController::isHolding() const
{
    return m_holdTimer->isActive();
}

ScenarioDevice* ScenariosController::pressedDevice() const
{
    return static_cast<ScenarioDevice*>(getDeviceById(m_pressedDeviceId));
}

int ScenariosController::carouselLevel(const BaseDevice* device) const
{
    Gadgets::NavigationControl* navigation = navigationControl();
    const int position = indexOfIcon(device->id());
    const int segment = navigation && position >= 0 ? navigation->getSegmentIndexByIcon(position) : -1;
    Gadgets::NavigationLabels* labels = navigation ? navigation->labels() : nullptr;
    // Without a segment showing it, the device's own level.
    const double value = labels && segment >= 0 && segment < labels->count() ? labels->sliderValue(segment)
                                                                             : device->currentValue();
    return int(std::floor(value + 0.5));
}

void ScenariosController::onElementPress(Gadgets::SvgElement* element)
{
    const BaseDevice* device = getDeviceById(m_ring.selectedDeviceId());
    if (!device)
        return;
    handleElementPress(m_ring.control()->getButtonId(element), device->id(), carouselLevel(device));
}

void ScenariosController::onElementRelease(Gadgets::SvgElement*)
{
    handleElementRelease();
}

void ScenariosController::handleFavoritePress(const QString& buttonId, int deviceId, double sliderValue)
{
    handleElementPress(buttonId, deviceId, int(std::trunc(sliderValue)));
}

void ScenariosController::handleElementPress(const QString& buttonId, int deviceId, int level)
{
    if (isHolding())
        return;
    const auto* device = static_cast<const ScenarioDevice*>(getDeviceById(deviceId));
    if (!device)
        return;
    // A press without a command of the device (a favourite's centre button,
    // a scheduled item that is not configured) starts no hold and sends
    // nothing at its release.
    const QList<CommandControl::ButtonData> buttons = getButtonsForDevice(device);
    if (std::none_of(buttons.cbegin(), buttons.cend(),
                     [&buttonId](const CommandControl::ButtonData& button) { return button.buttonId == buttonId; }))
        return;
    m_heldTime = 0;
    m_pressedButtonId = buttonId;
    m_pressedDeviceId = deviceId;
    m_pressLevel = level;
    if (device->deviceType() == SCHEDULED_SCENARIO)
        handleScheduledScenarioPress(device);
    m_holdTimer->start();
}

void ScenariosController::onTimerTick()
{
    const ScenarioDevice* device = pressedDevice();
    if (!device)
        return;
    m_heldTime += m_holdTimer->interval();
    if (device->deviceType() == SCHEDULED_SCENARIO)
        handleScheduledScenarioTimerTick(device);
}

void ScenariosController::handleElementRelease()
{
    if (const ScenarioDevice* device = pressedDevice()) {
        switch (device->deviceType()) {
        case SCENARIO:
            handleScenarioRelease(device);
            break;
        case SCENARIO_PLUS:
            handleScenarioPlusRelease(device);
            break;
        case SCHEDULED_SCENARIO:
            handleScheduledScenarioRelease(device);
            break;
        default:
            break;
        }
    }
    endHold();
}

void ScenariosController::endHold()
{
    m_holdTimer->stop();
    m_heldTime = 0;
    m_pressedButtonId.clear();
    m_pressLevel = 0;
}

void ScenariosController::handleScenarioRelease(const ScenarioDevice* device)
{
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    if (driver && m_pressedButtonId == START_BUTTON_ID)
        driver->executeScenario(getAddressText(device->address(), Address::Scenario, Address::Send),
                                device->scenarioProperties().scenarioNumber());
}

void ScenariosController::handleScenarioPlusRelease(const ScenarioDevice* device)
{
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    if (!driver)
        return;
    const QString address = getAddressText(device->address(), Address::ScenarioPlus, Address::Send);
    if (m_pressedButtonId == START_BUTTON_ID)
        driver->startScenarioPlus(address, m_pressLevel);
    else if (m_pressedButtonId == STOP_BUTTON_ID)
        driver->stopScenarioPlus(address);
}

ScheduledScenarioItem ScenariosController::pressedItem(const ScenarioDevice* device) const
{
    const Devices::ScenarioDeviceProperties& properties = device->scenarioProperties();
    if (m_pressedButtonId == START_BUTTON_ID)
        return properties.startItem();
    if (m_pressedButtonId == STOP_BUTTON_ID)
        return properties.stopItem();
    if (m_pressedButtonId == ENABLE_BUTTON_ID)
        return properties.enableItem();
    if (m_pressedButtonId == DISABLE_BUTTON_ID)
        return properties.disableItem();
    return ScheduledScenarioItem();
}

void ScenariosController::handleScheduledScenarioPress(const ScenarioDevice* device)
{
    const ScheduledScenarioItem item = pressedItem(device);
    if (!item.presence())
        return;
    // A CEN PLUS button sends nothing until it is held or released.
    if (item.cenType() == ScheduledScenarioItem::Cen)
        handleScheduledCenPress(device, item);
}

void ScenariosController::handleScheduledScenarioTimerTick(const ScenarioDevice* device)
{
    const ScheduledScenarioItem item = pressedItem(device);
    if (!item.presence())
        return;
    if (item.cenType() == ScheduledScenarioItem::Cen)
        handleScheduledCenTimerTick(device, item);
    else
        handleScheduledCenPlusTimerTick(device, item);
}

void ScenariosController::handleScheduledScenarioRelease(const ScenarioDevice* device)
{
    const ScheduledScenarioItem item = pressedItem(device);
    if (!item.presence())
        return;
    if (item.cenType() == ScheduledScenarioItem::Cen)
        handleScheduledCenRelease(device, item);
    else
        handleScheduledCenPlusRelease(device, item);
}

void ScenariosController::handleScheduledCenPress(const ScenarioDevice* device, const ScheduledScenarioItem& item)
{
    sendCen(device, item, CenPress);
}

void ScenariosController::handleScheduledCenTimerTick(const ScenarioDevice* device,
                                                      const ScheduledScenarioItem& item)
{
    if (item.pushButton() <= EVOLVED_CEN_MAX_NUMBER)
        sendCen(device, item, CenHold);
}

void ScenariosController::handleScheduledCenRelease(const ScenarioDevice* device, const ScheduledScenarioItem& item)
{
    if (item.pushButton() <= EVOLVED_CEN_MAX_NUMBER)
        sendCen(device, item, m_heldTime > HOLD_THRESHOLD ? CenReleaseAfterHold : CenShortRelease);
}

void ScenariosController::handleScheduledCenPlusTimerTick(const ScenarioDevice* device,
                                                          const ScheduledScenarioItem& item)
{
    sendCenPlus(device, item, m_heldTime == m_holdTimer->interval() ? CenPlusHoldStart : CenPlusHold);
}

void ScenariosController::handleScheduledCenPlusRelease(const ScenarioDevice* device,
                                                        const ScheduledScenarioItem& item)
{
    sendCenPlus(device, item, m_heldTime > HOLD_THRESHOLD ? CenPlusReleaseAfterHold : CenPlusShortPress);
}

void ScenariosController::sendCen(const ScenarioDevice* device, const ScheduledScenarioItem& item, int action)
{
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->executeCenCommand(getAddressText(item.address(), Address::Cen, Address::Send), item.pushButton(),
                                  action);
}

void ScenariosController::sendCenPlus(const ScenarioDevice* device, const ScheduledScenarioItem& item, int action)
{
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->executeCenPlusCommand(getAddressText(item.address(), Address::CenPlus, Address::Send),
                                      item.pushButton(), action);
}

} // namespace Corvane::Sentrel::Controllers

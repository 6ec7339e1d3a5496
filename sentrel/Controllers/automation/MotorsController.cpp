#include "MotorsController.h"

#include "FavoriteWindow.h"

#include "controls/IconRenderer.h"
#include "devices/Configuration.h"
#include "devices/ShutterDevice.h"
#include "favorite/FavoriteControl.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/AutomationMessage.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::ShutterDevice;
using Gadgets::CommandControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using PravikDriver::UserMessages::AutomationMessage;

const QString MotorsController::OPEN_BUTTON_ID = QStringLiteral("OPEN");
const QString MotorsController::CLOSE_BUTTON_ID = QStringLiteral("CLOSE");
const QString MotorsController::STOP_BUTTON_ID = QStringLiteral("STOP");

namespace {

const int AUTOMATION_FAMILY = 5;
const int SHUTTER_TYPE = 3001;
const int OPENING = 200001;
const int CLOSING = 200002;

// The commands of the driver's shutter request.
enum ShutterCommandType {
    StopShutter = 0,
    OpenShutter = 1,
    CloseShutter = 2,
};

bool isShutter(const BaseDevice* device)
{
    return device->deviceType() == SHUTTER_TYPE;
}

} // namespace

MotorsController::MotorsController(NavigationWindow* window)
    : RingPageController(window, ThemeProvider::AUTOMATION_SYSTEM, true)
{
}

MotorsController::~MotorsController() = default;

void MotorsController::connectRing(CommandControl* ring)
{
    connect(ring, &CommandControl::elementClick, this, &MotorsController::onMotorElementClick);
}

int MotorsController::controlledPageId() const
{
    return MOTORS_PAGE_ID;
}

Devices::ConfigPage::PageType MotorsController::controlledPageType() const
{
    return Devices::ConfigPage::Automation;
}

PravikDriver::Address::DeviceType MotorsController::defaultDeviceType() const
{
    return PravikDriver::Address::Automation;
}

QString MotorsController::elementsSuffix() const
{
    return ThemeProvider::AUTOMATION;
}

int MotorsController::loadDevices(const Devices::Configuration* configuration)
{
    clearDevices();
    m_ring.clearSelection();
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* shutter = dynamic_cast<const Devices::ShutterDeviceProperties*>(properties);
            if (shutter && properties->familyCode() == AUTOMATION_FAMILY)
                m_devices.append(new ShutterDevice(*shutter, configuration->getServerForDevice(properties->id())));
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

QString MotorsController::rendererFor(const ShutterDevice* device)
{
    const bool shutter = isShutter(device);
    if (device->isOpening())
        return shutter ? ThemeProvider::SHUTTER_UP : ThemeProvider::CURTAIN_OPEN;
    if (device->isClosing())
        return shutter ? ThemeProvider::SHUTTER_DOWN : ThemeProvider::CURTAIN_CLOSE;
    if (isCommandAddress(device->address()))
        return shutter ? ThemeProvider::SHUTTER_GROUP : ThemeProvider::CURTAIN_GROUP;
    return shutter ? ThemeProvider::SHUTTER : ThemeProvider::CURTAIN;
}

void MotorsController::updateNavigationIcons()
{
    m_icons.clear();
    for (const BaseDevice* device : std::as_const(m_devices)) {
        // The name is the icon's tooltip, which the labels show.
        NavigationIcon icon(rendererFor(static_cast<const ShutterDevice*>(device)), device->name(), device->id());
        icon.setState(device->isStatusKnown() ? NavigationIcon::Normal : NavigationIcon::Uninitialized);
        icon.setWillExpand(true);
        m_icons.append(icon);
    }
}

QList<CommandControl::ButtonData> MotorsController::getButtonsForDevice(const BaseDevice* device)
{
    if (!device)
        return {};
    const bool shutter = isShutter(device);
    return {
        CommandRing::button(shutter ? ThemeProvider::MOTOR_UP : ThemeProvider::MOTOR_OPEN, OPEN_BUTTON_ID),
        CommandRing::button(ThemeProvider::STOP, STOP_BUTTON_ID),
        CommandRing::button(shutter ? ThemeProvider::MOTOR_DOWN : ThemeProvider::MOTOR_CLOSE, CLOSE_BUTTON_ID),
    };
}

QList<CommandControl::ButtonData> MotorsController::ringButtons(const BaseDevice* device) const
{
    return getButtonsForDevice(device);
}

void MotorsController::updateDeviceStatus(BaseDevice* device)
{
    BaseController::updateDeviceStatus(device);
    if (isCommandAddress(device->address())) {
        // No gateway keeps a state for a command address: it is usable
        // while its gateway is connected.
        device->setStatusKnown(isServerConnected(device->serverId()));
        updateUIforDevice(device);
        return;
    }
    device->setStatusKnown(false);
    updateUIforDevice(device);
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->requestShutterStatus(getAddressText(device->address()));
}

void MotorsController::updateUIforDevice(BaseDevice* device)
{
    const auto* shutter = static_cast<const ShutterDevice*>(device);
    if (!shutter->isStatusKnown()) {
        // The last movement stays drawn, greyed.
        setIconState(device->id(), NavigationIcon::Uninitialized);
        return;
    }
    setIconRenderer(device->id(),
                    Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(rendererFor(shutter)), {}));
    setIconState(device->id(), NavigationIcon::Normal);
}

void MotorsController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    const BaseDevice* device = getDeviceById(window->deviceId());
    if (!device)
        return;
    if (!toggleFavoritePanel(window, element, device))
        handleButtonIdClicked(window->favoriteControl()->getButtonId(element), device->id());
    BaseController::handleFavoriteElementClick(window, element);
}

void MotorsController::onMotorElementClick(Gadgets::SvgElement* element)
{
    handleButtonIdClicked(m_ring.control()->getButtonId(element), m_ring.selectedDeviceId());
}

void MotorsController::handleButtonIdClicked(const QString& buttonId, int deviceId)
{
    const BaseDevice* device = getDeviceById(deviceId);
    if (!device)
        return;
    int command = 0;
    if (buttonId == STOP_BUTTON_ID)
        command = StopShutter;
    else if (buttonId == OPEN_BUTTON_ID)
        command = OpenShutter;
    else if (buttonId == CLOSE_BUTTON_ID)
        command = CloseShutter;
    else
        return;
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->moveShutter(getAddressText(device->address()), command);
}

void MotorsController::automationMessageReceived(const PravikDriver::OpenDriver* driver,
                                                 const AutomationMessage& message, const PravikDriver::Message&,
                                                 bool)
{
    if (!isKnownDriver(driver))
        return;
    for (BaseDevice* device : devicesForMessage(message.where(), driver, AUTOMATION_FAMILY)) {
        updateDeviceFromMessage(static_cast<ShutterDevice*>(device), message);
        updateUIforDevice(device);
    }
}

void MotorsController::updateDeviceFromMessage(ShutterDevice* device, const AutomationMessage& message)
{
    // Every other code means the device is still.
    device->setClosing(message.stateCode() == CLOSING);
    device->setOpening(message.stateCode() == OPENING);
    device->setStatusKnown(true);
}

} // namespace Corvane::Sentrel::Controllers

#include "WebServersController.h"

#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "Controllers/base/CarouselController.h"

#include "controls/IconRenderer.h"
#include "controls/SvgContentButton.h"
#include "devices/Configuration.h"
#include "devices/WebServerDevice.h"
#include "devices/WebServerDeviceProperties.h"
#include "energy/WebServerDataControl.h"
#include "favorite/FavoriteControl.h"
#include "frame/SvgWindowFrame.h"
#include "log/Logger.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/InterfaceDeviceMessage.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::WebServerDevice;
using Gadgets::SvgControlObject;
using Gadgets::SvgWindowFrame;
using Gadgets::ThemeProvider;
using Gadgets::WebServerDataControl;
using Gadgets::Models::NavigationIcon;
using PravikDriver::Message;
using PravikDriver::UserMessages::InterfaceDeviceMessage;

const QList<int> WebServersController::STATUS_SETTINGS{
    Message::IpAddress, Message::NetMask, Message::MacAddress, Message::DeviceType,
    Message::Firmware,  Message::Uptime,  Message::TimeAndDate,
};

namespace {

const int WEBSERVER_ADDRESS_DEVICE_TYPE = 16;
const int FIXED_IP = 0;
const int AUTOMATIC_IP = 1;

WebServerDataControl* mainControlOf(const SvgControlObject* frame)
{
    const auto* windowFrame = qobject_cast<const SvgWindowFrame*>(frame);
    return windowFrame ? qobject_cast<WebServerDataControl*>(windowFrame->mainControl()) : nullptr;
}

// One trace line of a field the gateway reported.
void logField(const WebServerDevice* device, const char* field, const QString& value)
{
    Log::Logger(Log::Logger::Trace) << "Webserver: \"" << device->name() << field << value;
}

} // namespace

WebServersController::WebServersController(NavigationWindow* window)
    : BaseDataControlsController(window)
{
}

int WebServersController::controlledPageId() const
{
    return WEB_SERVERS_PAGE_ID;
}

Devices::ConfigPage::PageType WebServersController::controlledPageType() const
{
    return Devices::ConfigPage::PageType(22000);
}

PravikDriver::Address::DeviceType WebServersController::defaultDeviceType() const
{
    return PravikDriver::Address::DeviceType(WEBSERVER_ADDRESS_DEVICE_TYPE);
}

QString WebServersController::elementsSuffix() const
{
    return ThemeProvider::WEBSERVER;
}

WebServerDevice* WebServersController::webServer(int deviceId) const
{
    return static_cast<WebServerDevice*>(getDeviceById(deviceId));
}

int WebServersController::loadDevices(const Devices::Configuration* configuration)
{
    // The windows read the devices: they go first.
    clearControls();
    clearDevices();
    if (configuration) {
        for (const Devices::WebServerDeviceProperties* properties : configuration->webServers()) {
            if (!properties->viewerEnabled())
                continue;
            auto* device = new WebServerDevice(*properties, properties->id());
            device->setStatusKnown(false);
            m_devices.append(device);
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

SvgControlObject* WebServersController::createDataControl(BaseDevice* base)
{
    const auto* device = static_cast<const WebServerDevice*>(base);
    SvgWindowFrame* frame = createDataFrame(device);
    connect(frame, &SvgWindowFrame::resizeRequested, this, &BaseDataControlsController::onCarouselControlResizeRequest);
    if (navigationWindow() && navigationWindow()->carouselController())
        connect(frame, &SvgWindowFrame::closeClicked, navigationWindow()->carouselController(),
                &CarouselController::hideCarousel);
    frame->setIsResizeHandleVisible(!navigationControl() || !navigationControl()->isInFullScreenMode());
    // What the gateway reported so far.
    fillDataControl(mainControlOf(frame), device);
    return frame;
}

SvgWindowFrame* WebServersController::createDataFrame(const WebServerDevice* device) const
{
    auto* control = new WebServerDataControl(ThemeProvider::getRendererFor(ThemeProvider::WEB_SERVER_VIEW));
    auto* frame = new SvgWindowFrame(control, ThemeProvider::getRendererFor(ThemeProvider::WINDOW_FRAME), nullptr);
    frame->title()->setControlId(WebServerDataControl::TITLE_CONTROL_ID);
    frame->setIsMoveEnabled(false);
    frame->setIsResizeEnabled(false);
    frame->setResizeOrigin(SvgWindowFrame::LeftCenter);
    connect(control, &WebServerDataControl::titleTextChanged, frame, &SvgWindowFrame::setTitleText);
    control->setWebServerName(device->name());
    return frame;
}

void WebServersController::updateNavigationIcons()
{
    m_icons.clear();
    for (const BaseDevice* device : std::as_const(m_devices)) {
        NavigationIcon icon(Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(ThemeProvider::WEBSERVER), {}),
                            device->name(), device->id());
        icon.setState(NavigationIcon::Uninitialized);
        m_icons.append(icon);
    }
}

void WebServersController::updateDeviceStatus(BaseDevice* device)
{
    BaseDataControlsController::updateDeviceStatus(device);
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    device->setStatusKnown(false);
    updateUIforDevice(device);
    if (!driver)
        return;
    for (int setting : STATUS_SETTINGS)
        driver->requestServerStatus(setting);
}

void WebServersController::updateUIforDevice(BaseDevice* device)
{
    setIconState(device->id(), device->isStatusKnown() ? NavigationIcon::Normal : NavigationIcon::Uninitialized);
}

void WebServersController::showWebServerInfo(int deviceId)
{
    if (getDeviceById(deviceId))
        showCarousel();
}

bool WebServersController::handleNavigationIconClicked(const NavigationIcon& icon, int, bool)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation)
        return false;
    if (navigation->currentPageId() == 0)
        return icon.id() == WEB_SERVERS_PAGE_ID && openPage();
    if (navigation->currentPageId() != WEB_SERVERS_PAGE_ID)
        return false;
    showWebServerInfo(icon.id());
    const int index = indexOfIcon(icon.id());
    if (index >= 0) {
        if (CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr)
            carousel->setCarouselCurrentIndex(index);
        navigation->setSelectedIcon(icon, false);
    }
    // The page's own icons leave the click to the navigation controller.
    return false;
}

bool WebServersController::openPage()
{
    Gadgets::NavigationControl* navigation = navigationControl();
    navigation->setIcons(m_icons, false);
    navigation->setCentralContent(ThemeProvider::getRendererFor(ThemeProvider::WEBSERVER_SYSTEM), QString());
    navigation->setCurrentPageId(WEB_SERVERS_PAGE_ID);
    if (Gadgets::NavigationLabels* labels = navigation->labels()) {
        labels->setLabelsRefreshButtonsVisible(true);
        labels->setCanEditLabels(true);
    }
    if (navigationWindow() && navigationWindow()->navigationContainer())
        navigationWindow()->navigationContainer()->setElementsSuffix(ThemeProvider::WEBSERVER);
    return true;
}

void WebServersController::interfaceDeviceMessageReceived(const PravikDriver::OpenDriver* driver,
                                                          const InterfaceDeviceMessage& message,
                                                          const PravikDriver::Message&, bool)
{
    const int index = getServerDeviceIndexByDriver(driver);
    if (index < 0)
        return;
    auto* device = static_cast<WebServerDevice*>(m_devices.at(index));
    takeFields(device, message);
    device->setStatusKnown(true);
    updateDataControlForDevice(device);
    updateUIforDevice(device);
}

void WebServersController::takeFields(WebServerDevice* device, const InterfaceDeviceMessage& message)
{
    if (!message.time().isNull()) {
        device->setTime(message.time());
        logField(device, "\" time updated to: ", message.time().toString(Qt::TextDate));
    }
    if (!message.date().isNull()) {
        device->setDate(message.date());
        logField(device, "\" date updated to: ", message.date().toString(QStringLiteral("dd/MM/yyyy")));
    }
    if (!message.ipAddress().isEmpty()) {
        device->setIP(message.ipAddress());
        logField(device, "\" IP address updated to: ", message.ipAddress());
    }
    if (!message.netMask().isEmpty()) {
        device->setNetMask(message.netMask());
        logField(device, "\" subnet mask updated to: ", message.netMask());
    }
    if (!message.macAddress().isEmpty()) {
        device->setMacAddress(message.macAddress());
        logField(device, "\" MAC address updated to: ", message.macAddress());
    }
    if (!message.deviceType().isEmpty()) {
        device->setDeviceType(message.deviceType());
        logField(device, "\" device type updated to: ", message.deviceType());
    }
    if (!message.firmwareVersion().isEmpty()) {
        device->setFirmwareVersion(message.firmwareVersion());
        logField(device, "\" firmware version updated to: ", message.firmwareVersion());
    }
    if (message.uptimeSeconds() > 0) {
        device->setUptimeSecs(message.uptimeSeconds());
        logField(device, "\" uptime (seconds) updated to: ", QString::number(message.uptimeSeconds()));
    }
}

void WebServersController::updateDataControlForDevice(const WebServerDevice* device)
{
    for (SvgControlObject* control : controls(device->id()))
        fillDataControl(static_cast<WebServerDataControl*>(control), device);
}

void WebServersController::fillDataControl(WebServerDataControl* control, const WebServerDevice* device)
{
    const Devices::DeviceNetworkAddress address = device->webServerProperties().networkAddress();
    const bool fixed = address.ipAddressType() == FIXED_IP;
    control->setDeviceArticle(device->reportedDeviceType());
    control->setFirmwareVersion(device->firmwareVersion());
    control->setWebServerName(device->name());
    control->setAddressType(address.ipAddressType() == AUTOMATIC_IP ? WebServerDataControl::Automatic
                                                                    : WebServerDataControl::FixedIp);
    control->setIPAddress(fixed ? address.ip() : device->ip());
    control->setSubNetMask(device->netMask());
    control->setMacAddress(device->macAddress());
    control->setUptimeSecs(int(device->uptimeSecs()));
    control->setTime(device->time());
    control->setDate(device->date());
    control->setUnivocalCode(address.uc());
    control->setLinkWeb(QString());
}

void WebServersController::retitleDevice(int deviceId, const QString& name)
{
    for (SvgControlObject* control : controls(deviceId))
        static_cast<WebServerDataControl*>(control)->setWebServerName(name);
}

void WebServersController::handleTextChanged(int deviceId, int subDeviceId, const QString& text, bool& canChange)
{
    BaseDataControlsController::handleTextChanged(deviceId, subDeviceId, text, canChange);
    if (canChange && webServer(deviceId))
        retitleDevice(deviceId, text);
}

void WebServersController::initializeFavorite(FavoriteWindow* window)
{
    BaseDataControlsController::initializeFavorite(window);
    const WebServerDevice* device = webServer(window->deviceId());
    if (!device || favoriteDataControls().contains(device->id()))
        return;
    SvgWindowFrame* frame = createDataFrame(device);
    connect(frame, &SvgWindowFrame::closeClicked, this, &BaseDataControlsController::hideFavoriteDataControl);
    window->addRootControl(frame);
    frame->setVisible(false);
    favoriteDataControls().insert(device->id(), frame);
}

void WebServersController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    const int deviceId = window->deviceId();
    const WebServerDevice* device = webServer(deviceId);
    if (device && element && element == static_cast<Gadgets::SvgElement*>(window->favoriteControl()->centerButton())) {
        showWebServerInfo(deviceId);
        m_infoFavorite = deviceId;
        updateDataControlForDevice(device);
        SvgControlObject* frame = favoriteDataControls().value(deviceId, nullptr);
        if (frame && !frame->isVisible()) {
            positionDataWindow(window, deviceId);
            frame->setVisible(true);
        }
    }
    BaseDataControlsController::handleFavoriteElementClick(window, element);
}

void WebServersController::settingsLoaded()
{
    BaseDataControlsController::settingsLoaded();
    for (const BaseDevice* device : std::as_const(m_devices))
        retitleDevice(device->id(), device->name());
}

void WebServersController::retranslateUi()
{
    BaseDataControlsController::retranslateUi();
    for (const BaseDevice* device : std::as_const(m_devices))
        updateDataControlForDevice(static_cast<const WebServerDevice*>(device));
}

void WebServersController::onFullScreen()
{
    const bool fullScreen = navigationControl() && navigationControl()->isInFullScreenMode();
    for (SvgControlObject* frame : std::as_const(dataControls()))
        static_cast<SvgWindowFrame*>(frame)->setIsResizeHandleVisible(!fullScreen);
}

SvgControlObject* WebServersController::favoriteDataControl(int deviceId) const
{
    return mainControlOf(favoriteDataControls().value(deviceId, nullptr));
}

SvgControlObject* WebServersController::dataControl(int deviceId) const
{
    return mainControlOf(dataControls().value(deviceId, nullptr));
}

} // namespace Corvane::Sentrel::Controllers

#include "LightSensorsController.h"

#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include "controls/IconRenderer.h"
#include "devices/Configuration.h"
#include "devices/LightSensorDevice.h"
#include "log/Logger.h"
#include "pravikdriver/Driver.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/LightSensorMessage.h"
#include "theme/ThemeProvider.h"

#include <QLocale>

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::LightSensorDevice;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using PravikDriver::UserMessages::LightSensorMessage;

namespace {

const int LIGHT_SENSOR = 20001;
const int EXTENDED_READING = 1;

} // namespace

LightSensorsController::LightSensorsController(NavigationWindow* window)
    : SensorsPageController(window, ThemeProvider::LIGHT_SENSOR, ThemeProvider::LIGHT_SENSOR_SYSTEM)
{
}

LightSensorsController::~LightSensorsController() = default;

int LightSensorsController::controlledPageId() const
{
    return LUMIN_PAGE_ID;
}

Devices::ConfigPage::PageType LightSensorsController::controlledPageType() const
{
    return Devices::ConfigPage::LightSensors;
}

PravikDriver::Address::DeviceType LightSensorsController::defaultDeviceType() const
{
    return PravikDriver::Address::LightSensor;
}

Gadgets::Utilities::RendererContainer* LightSensorsController::favoriteIconRenderer() const
{
    return ThemeProvider::getRendererFor(ThemeProvider::LIGHT_SENSOR);
}

void LightSensorsController::setDrivers(const DriverMap& drivers)
{
    BaseController::setDrivers(drivers);
    // New drivers are asked their type again; no time-out of an old one may
    // decide it.
    qDeleteAll(m_pendingTypeRequests.keys());
    m_pendingTypeRequests.clear();
    m_gatewayTypes.clear();
}

int LightSensorsController::loadDevices(const Devices::Configuration* configuration)
{
    return loadSensors(configuration, LIGHT_SENSOR, [](const Devices::SensorDeviceProperties& properties, int server) {
        return new LightSensorDevice(properties, server);
    });
}

// The segment shows the lux value once it is known.
void LightSensorsController::updateUIforDevice(BaseDevice* device)
{
    const auto* sensor = static_cast<const LightSensorDevice*>(device);
    const int id = device->id();
    if (sensor->isStatusKnown()) {
        setIconState(id, NavigationIcon::Normal);
        setIcon(id, nullptr);
        setIconText(id, tr("%1 lx").arg(QLocale().toString(sensor->intensity())));
    } else {
        setIconState(id, NavigationIcon::Uninitialized);
        setIcon(id, ThemeProvider::getRendererFor(ThemeProvider::LIGHT_SENSOR));
        setIconText(id, QString());
    }
}

void LightSensorsController::updateStatus(int serverId)
{
    const DriverMap map = drivers();
    if (map.isEmpty())
        return;
    const QList<int> servers = serverId < 0 ? map.keys() : QList<int>{serverId};
    for (int server : servers) {
        if (!m_gatewayTypes.contains(server))
            askGatewayType(server);
        else if (m_gatewayTypes.value(server) != UnknownGateway)
            BaseController::updateStatus(server);
    }
}

void LightSensorsController::askGatewayType(int serverId)
{
    m_gatewayTypes.insert(serverId, UnknownGateway);
    ClockTimer* timeout = Clock::program()->createTimer(this);
    timeout->setSingleShot(true);
    connect(timeout, &ClockTimer::timeout, this, &LightSensorsController::onTypeRequestTimeout);
    m_pendingTypeRequests.insert(timeout, serverId);
    timeout->start(PravikDriver::Driver::waitForResponseTimeout());
    // The answer may come at once (the simulated gateway), before this
    // returns.
    if (PravikDriver::OpenDriver* driver = getDriver(serverId))
        driver->requestLightSensorsGatewayType();
}

void LightSensorsController::onTypeRequestTimeout()
{
    auto* timeout = qobject_cast<ClockTimer*>(sender());
    if (!timeout || !m_pendingTypeRequests.contains(timeout))
        return;
    const int serverId = m_pendingTypeRequests.take(timeout);
    timeout->deleteLater();
    if (m_gatewayTypes.value(serverId, GatewayType1) != UnknownGateway)
        return;
    m_gatewayTypes.insert(serverId, GatewayType1);
    updateStatus(serverId);
}

void LightSensorsController::forgetPendingTypeRequest(int serverId)
{
    for (auto it = m_pendingTypeRequests.begin(); it != m_pendingTypeRequests.end(); ++it) {
        if (it.value() == serverId) {
            it.key()->stop();
            it.key()->deleteLater();
            m_pendingTypeRequests.erase(it);
            return;
        }
    }
}

void LightSensorsController::requestSensorStatus(BaseDevice* device)
{
    const GatewayType type = m_gatewayTypes.value(device->serverId(), UnknownGateway);
    if (type == UnknownGateway)
        return;
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->requestLightSensorStatus(getAddressText(device->address()), type == GatewayType2);
}

void LightSensorsController::lightSensorMessageReceived(const PravikDriver::OpenDriver* driver,
                                                       const LightSensorMessage& message,
                                                       const PravikDriver::Message&, bool)
{
    if (!isKnownDriver(driver))
        return;
    if (!message.isTypeReport()) {
        applyReading(driver, message);
        return;
    }
    const int reported = message.reportedGatewayType();
    if (reported != GatewayType1 && reported != GatewayType2)
        return;
    const int serverId = getServerId(driver);
    forgetPendingTypeRequest(serverId);
    // A gateway reads its sensors the other way from the type it reports.
    m_gatewayTypes.insert(serverId, reported == GatewayType1 ? GatewayType2 : GatewayType1);
    updateStatus(serverId);
}

void LightSensorsController::applyReading(const PravikDriver::OpenDriver* driver, const LightSensorMessage& message)
{
    const bool extended = message.readingKind() == EXTENDED_READING;
    readSensors<LightSensorDevice>(driver, message.where(), [&](LightSensorDevice* sensor) {
        const GatewayType type = m_gatewayTypes.value(sensor->serverId(), UnknownGateway);
        // A reading of the other kind is not this gateway's answer.
        if (type == UnknownGateway || (type == GatewayType2) != extended)
            return false;
        if (message.isLuxValueValid()) {
            sensor->setIntensity(message.luxValue());
            return true;
        }
        Log::Logger warning(Log::Logger::Warning);
        warning << "light sensor " << qint64(sensor->id()) << " (" << sensor->name() << "): lux value ";
        if (message.hasLuxValue())
            warning << qint64(message.luxValue()) << " is negative, ";
        else
            warning << "not given, ";
        warning << qint64(sensor->intensity()) << " kept";
        return true;
    });
}

} // namespace Corvane::Sentrel::Controllers

#include "GatewayConnections.h"

#include "ClosingHandshake.h"
#include "NavigationController.h"
#include "Settings.h"
#include "simulation/Clock.h"
#include "simulation/PseudoDriver.h"

#include "devices/Configuration.h"
#include "devices/WebServerDeviceProperties.h"
#include "pravikdriver/OpenDriver.h"
#include "ssdp/Ssdp.h"

namespace Corvane::Sentrel::Controllers {

namespace {

const int FIXED_ADDRESS = 0;
const int DISCOVERED_ADDRESS = 1;

// SSDP answers may come from an IPv4-mapped IPv6 address.
QString addressText(const QHostAddress& address)
{
    bool isIpv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIpv4);
    return isIpv4 ? QHostAddress(ipv4).toString() : address.toString();
}

bool isNoServerMode()
{
    return Settings::s_instance && Settings::s_instance->noServer();
}

} // namespace

GatewayConnections::GatewayConnections(NavigationController& controller)
    : m_controller(controller)
    , m_ssdp(std::make_unique<SSDP::Ssdp>(NavigationController::SSDP_SEARCH_PERIOD_MS))
{
    if (NavigationController::seams().discoveryTransportFactory)
        m_ssdp->setTransport(NavigationController::seams().discoveryTransportFactory());
}

GatewayConnections::~GatewayConnections() = default;

GatewayConnections::DriverMap GatewayConnections::createDrivers(
    const Devices::Configuration* configuration, const QList<PravikDriver::PravikListener*>& listeners)
{
    const bool noServer = isNoServerMode();
    const NavigationController::DriverFactory& factory = NavigationController::seams().driverFactory;
    m_servers.clear();
    DriverMap drivers;
    bool anyDiscovered = false;
    for (const Devices::WebServerDeviceProperties* server : configuration->webServers()) {
        m_servers.append({server->id(), server->networkAddress()});
        PravikDriver::OpenDriver* driver = nullptr;
        if (factory)
            driver = factory(noServer);
        else
            driver = noServer ? new PseudoDriver() : new PravikDriver::OpenDriver();
        if (!noServer && server->networkAddress().ipAddressType() == DISCOVERED_ADDRESS)
            anyDiscovered = true;
        drivers.insert(server->id(), driver);
        for (PravikDriver::PravikListener* listener : listeners)
            driver->registerListener(listener);
    }
    m_discoveryDone = !anyDiscovered;
    return drivers;
}

void GatewayConnections::loadDrivers(const Devices::Configuration* configuration)
{
    QList<PravikDriver::PravikListener*> listeners{&m_controller};
    for (BaseController* controller : m_controller.controllers())
        listeners.append(controller);
    m_controller.setDrivers(createDrivers(configuration, listeners));
}

void GatewayConnections::connectGateways()
{
    if (isNoServerMode()) {
        for (BaseController* controller : m_controller.controllers())
            controller->updateStatus(-1);
        return;
    }
    connectFixedAddresses();
}

void GatewayConnections::releaseDrivers(bool deferred)
{
    const DriverMap old = m_controller.drivers();
    const QList<BaseController*> controllers = m_controller.controllers();
    m_controller.setDrivers({});
    for (BaseController* controller : controllers)
        controller->setDrivers({});
    m_controller.closingHandshake()->forgetDrivers();
    for (PravikDriver::OpenDriver* driver : old) {
        QObject::disconnect(driver, nullptr, &m_controller, nullptr);
        driver->unregisterListener(&m_controller);
        for (BaseController* controller : controllers)
            driver->unregisterListener(controller);
        if (deferred)
            driver->deleteLater();
        else
            delete driver;
    }
}

void GatewayConnections::connectFixedAddresses()
{
    for (const auto& [id, address] : std::as_const(m_servers)) {
        PravikDriver::OpenDriver* driver = m_controller.getDriver(id);
        if (driver && address.ipAddressType() == FIXED_ADDRESS)
            openMonitorConnection(driver, address.ip(), address.port(), address.password());
    }
}

void GatewayConnections::openMonitorConnection(PravikDriver::OpenDriver* driver, const QString& address, int port,
                                               const QString& password)
{
    driver->setTcpConnection(address, quint16(port), password);
    driver->openMonitorConnection(
        PravikDriver::Driver::defaultReconnectsAutomatically(PravikDriver::Driver::MONITOR_CONNECTION),
        PravikDriver::Driver::defaultReconnectsOnResponseTimeout(PravikDriver::Driver::MONITOR_CONNECTION));
}

QList<QPair<PravikDriver::OpenDriver*, Devices::DeviceNetworkAddress>>
GatewayConnections::driversAwaitingDiscovery() const
{
    QList<QPair<PravikDriver::OpenDriver*, Devices::DeviceNetworkAddress>> waiting;
    for (const auto& [id, address] : m_servers) {
        PravikDriver::OpenDriver* driver = m_controller.getDriver(id);
        if (address.ipAddressType() == DISCOVERED_ADDRESS && driver && !driver->isInitialized())
            waiting.append({driver, address});
    }
    return waiting;
}

void GatewayConnections::discover()
{
    m_discovering = true;
    m_lastDiscoveryMsecs = Clock::program()->monotonicMsecs();
    for (qsizetype i = 0; i < driversAwaitingDiscovery().size(); ++i) {
        m_ssdp->stop();
        m_ssdp->discover();
    }
}

void GatewayConnections::discoverIfNeeded()
{
    if (m_discoveryDone)
        return;
    // Measured on the monotonic clock: the time of day jumps at midnight
    // and when the user sets the clock.
    if (m_lastDiscoveryMsecs
        && Clock::program()->monotonicMsecs() - *m_lastDiscoveryMsecs
               < NavigationController::REDISCOVERY_INTERVAL_MS)
        return;
    discover();
}

void GatewayConnections::discoverIfIdle()
{
    if (!m_discoveryDone && !m_discovering)
        discover();
}

void GatewayConnections::searchAgain()
{
    for (qsizetype i = 0; i < driversAwaitingDiscovery().size(); ++i)
        m_ssdp->discover();
}

void GatewayConnections::match(int functionCode, int univocalCode, const QHostAddress& address)
{
    bool allMatched = true;
    for (const auto& [driver, gateway] : driversAwaitingDiscovery()) {
        if (gateway.fc() != functionCode || gateway.uc() != univocalCode)
            allMatched = false;
        else
            openMonitorConnection(driver, addressText(address), NavigationController::DISCOVERY_PORT,
                                  gateway.password());
    }
    m_discoveryDone = allMatched;
    if (m_discoveryDone)
        m_ssdp->stop();
}

} // namespace Corvane::Sentrel::Controllers

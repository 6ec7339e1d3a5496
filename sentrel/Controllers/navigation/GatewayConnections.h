#pragma once

#include "devices/DeviceNetworkAddress.h"

#include <QHostAddress>
#include <QList>
#include <QMap>
#include <QPair>

#include <memory>
#include <optional>

namespace Corvane::Devices {
class Configuration;
}
namespace Corvane::PravikDriver {
class OpenDriver;
class PravikListener;
} // namespace Corvane::PravikDriver
namespace Corvane::SSDP {
class Ssdp;
}

namespace Corvane::Sentrel::Controllers {

class NavigationController;

// The gateways of the navigation controller's project: one driver per
// gateway (a simulated one in no-server mode), the connection of gateways
// with a fixed address, and the SSDP discovery of the others, which are
// matched on function and univocal code and connected on the discovery
// port. The drivers themselves are kept in the controller's driver map.
class GatewayConnections
{
public:
    using DriverMap = QMap<int, PravikDriver::OpenDriver*>;

    explicit GatewayConnections(NavigationController& controller);
    ~GatewayConnections();

    SSDP::Ssdp* discovery() const { return m_ssdp.get(); }
    bool isDiscoveryDone() const { return m_discoveryDone; }
    bool isDiscovering() const { return m_discovering; }

    // Gives the navigation controller the drivers of the project's gateways,
    // each listened to by it and then by its page controllers in order.
    void loadDrivers(const Devices::Configuration* configuration);
    // Connects the gateways with a fixed address; in no-server mode every
    // page asks its state of the simulated gateways instead.
    void connectGateways();
    // Takes the drivers from the navigation and page controllers and deletes
    // them, at once or later when deferred (a driver may be the sender of the
    // call that got here).
    void releaseDrivers(bool deferred);
    void discover();
    // Discovers again when a gateway still waits and the last discovery is
    // at least the rediscovery interval ago.
    void discoverIfNeeded();
    // The first discovery, unless one ran or nothing waits.
    void discoverIfIdle();
    void searchAgain();
    void match(int functionCode, int univocalCode, const QHostAddress& address);

private:
    // Makes the drivers of the project's gateways, each with the listeners
    // registered in their order.
    DriverMap createDrivers(const Devices::Configuration* configuration,
                            const QList<PravikDriver::PravikListener*>& listeners);
    void connectFixedAddresses();
    // The gateways that wait for discovery and are not connected yet.
    QList<QPair<PravikDriver::OpenDriver*, Devices::DeviceNetworkAddress>> driversAwaitingDiscovery() const;
    static void openMonitorConnection(PravikDriver::OpenDriver* driver, const QString& address, int port,
                                      const QString& password);

    NavigationController& m_controller;
    // Each gateway of the project: its id and network address.
    QList<QPair<int, Devices::DeviceNetworkAddress>> m_servers;
    std::unique_ptr<SSDP::Ssdp> m_ssdp;
    bool m_discoveryDone = false;
    bool m_discovering = false;
    // Monotonic time of the last discovery; none before the first.
    std::optional<qint64> m_lastDiscoveryMsecs;
};

} // namespace Corvane::Sentrel::Controllers

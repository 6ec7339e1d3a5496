#pragma once

namespace Corvane::PravikDriver {
class Driver;
class OpenDriver;
} // namespace Corvane::PravikDriver

namespace Corvane::Sentrel::Controllers {

class BaseController;

// A page controller's side of its gateways' connections: which gateway a
// driver serves, the state of the devices asked again once a monitor
// connection logs in or survives an error, and the devices of a lost
// gateway marked unknown. Callbacks of drivers the controller does not
// hold (a closed project's, still closing) are ignored.
class GatewayEvents
{
public:
    explicit GatewayEvents(BaseController& controller);

    // The id of the gateway the driver serves, or -1.
    int serverIdOf(const PravikDriver::OpenDriver* driver) const;
    int serverIdOf(const PravikDriver::Driver* driver) const;
    // The index of the web server device whose gateway the driver serves,
    // or -1.
    int webServerDeviceIndex(const PravikDriver::OpenDriver* driver) const;

    void authenticated(const PravikDriver::Driver* driver, bool monitor);
    void communicationError(const PravikDriver::Driver* driver, bool monitor);
    void disconnect(const PravikDriver::Driver* driver);
    // Asks the state of every device of the gateway (all gateways for a
    // negative id) that takes part in status requests.
    void updateStatus(int serverId);

private:
    BaseController& m_controller;
};

} // namespace Corvane::Sentrel::Controllers

#pragma once

namespace Corvane::Devices {
class ThermoregulationDevice;
}

namespace Corvane::Sentrel::Controllers {

class ThermoregulationController;

// The status requests of the thermoregulation page: a device marked
// unknown and asked again, or every device of a gateway at once, where the
// zones of a 99-zone central unit are asked together after one request to
// the general zone address. A device whose gateway has no driver is marked
// unknown and asked nothing.
class ThermoregulationStatusRequests
{
public:
    using Device = Devices::ThermoregulationDevice;

    explicit ThermoregulationStatusRequests(ThermoregulationController& controller);

    void refreshDevice(Device* device);
    // One gateway, or every gateway for a negative id.
    void refreshGateways(int serverId);

private:
    void markUnknown(Device* device);
    void request(Device* device);

    ThermoregulationController& m_controller;
};

} // namespace Corvane::Sentrel::Controllers

#pragma once

namespace Corvane::Devices {
class EnergyDevice;
}

namespace Corvane::Sentrel::Controllers {

class EnergyDevicesController;

// The automatic instant-value updates of the energy page's meters. A meter
// of the new energy interface is asked to send its values itself (period
// 255 to start, 0 to stop); one of the old interface is polled by the
// controller's 30 s timer, which runs exactly while such a meter is to be
// updated. Which interface a meter speaks is learnt from the gateway's
// answers to the start request.
class EnergyAutoUpdates
{
public:
    explicit EnergyAutoUpdates(EnergyDevicesController* controller);

    // Starts or stops the meter's updates; force asks the gateway even when
    // the meter's updates already stand as wanted.
    void startForDevice(Devices::EnergyDevice* device, bool start, bool force, int priority);
    // Asks every meter of the old interface that is updated for its value.
    void pollOldInterfaceMeters();
    // The gateway's answer to a start or stop request (period 255 or 0).
    void handleState(Devices::EnergyDevice* device, int period);
    // A meter found to speak only the old interface: polled from now on
    // while someone looks at it.
    void switchToOldInterface(Devices::EnergyDevice* device);
    void manageTimerActiveness();

private:
    void startForNewInterface(Devices::EnergyDevice* device, bool start, bool force, int priority);
    void startForOldInterface(Devices::EnergyDevice* device, bool start);

    EnergyDevicesController* m_controller;
};

} // namespace Corvane::Sentrel::Controllers

#pragma once

#include "SensorsPageController.h"

#include <QHash>

namespace Corvane::Devices {
class PresenceSensorDevice;
}
namespace Corvane::PravikDriver::UserMessages {
class PresenceSensorMessage;
}

namespace Corvane::Sentrel {

class ClockTimer;

namespace Controllers {

// The controller of the presence sensors page. A sensor that reports
// presence shows as occupied and falls back to free when no new report
// comes within its hold time; a 200 ms timer counts the time since each
// occupied sensor's last report, and runs only while some sensor is
// occupied.
class PresenceSensorsController : public SensorsPageController
{
    Q_OBJECT

public:
    static const int TICK_INTERVAL;
    // The longest hold time a sensor may report, in seconds (24 h).
    static const int MAX_HOLD_TIME;

    explicit PresenceSensorsController(NavigationWindow* window);
    ~PresenceSensorsController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    void presenceMessageReceived(const PravikDriver::OpenDriver* driver,
                                 const PravikDriver::UserMessages::PresenceSensorMessage& message,
                                 const PravikDriver::Message& raw, bool pushed) override;

    ClockTimer* timer() const { return m_timer; }
    // Milliseconds since each occupied sensor's last presence report.
    QHash<int, int> presenceTable() const { return m_presence; }

    void setPresenceDetectedForDevice(Devices::PresenceSensorDevice* device, bool detected, bool update);

public Q_SLOTS:
    void onTimerTick();

protected:
    void requestSensorStatus(Devices::BaseDevice* device) override;

private:
    ClockTimer* m_timer = nullptr;
    QHash<int, int> m_presence;
};

} // namespace Controllers
} // namespace Corvane::Sentrel

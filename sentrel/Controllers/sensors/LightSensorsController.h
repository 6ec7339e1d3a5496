#pragma once

#include "SensorsPageController.h"

#include <QHash>

namespace Corvane::Devices {
class LightSensorDevice;
}
namespace Corvane::PravikDriver::UserMessages {
class LightSensorMessage;
}

namespace Corvane::Sentrel {

class ClockTimer;

namespace Controllers {

// The controller of the light sensors page: each icon shows its sensor's
// light intensity in lux. Gateways read light sensors in one of two ways,
// so before the sensors of a gateway are asked, the gateway is asked its
// light-sensor type; without an answer within the driver's response
// time-out it counts as type 1.
class LightSensorsController : public SensorsPageController
{
    Q_OBJECT

public:
    // The light-sensor type of a gateway.
    enum GatewayType : int {
        UnknownGateway = 0,
        GatewayType1 = 1,
        GatewayType2 = 2,
    };

    explicit LightSensorsController(NavigationWindow* window);
    ~LightSensorsController() override;

    int controlledPageId() const override;
    Devices::ConfigPage::PageType controlledPageType() const override;
    PravikDriver::Address::DeviceType defaultDeviceType() const override;
    // A known sensor's icon is its lux value alone; its favourite keeps the
    // sensor's picture under the value.
    Gadgets::Utilities::RendererContainer* favoriteIconRenderer() const override;
    int loadDevices(const Devices::Configuration* configuration) override;
    void updateStatus(int serverId) override;
    void updateUIforDevice(Devices::BaseDevice* device) override;
    void setDrivers(const DriverMap& drivers) override;
    void lightSensorMessageReceived(const PravikDriver::OpenDriver* driver,
                                    const PravikDriver::UserMessages::LightSensorMessage& message,
                                    const PravikDriver::Message& raw, bool pushed) override;

    // The gateways' light-sensor types; a gateway without an entry was
    // never asked.
    QHash<int, GatewayType> gatewayTypes() const { return m_gatewayTypes; }
    // The number of type requests that wait for an answer or their time-out.
    int pendingTypeRequestCount() const { return int(m_pendingTypeRequests.size()); }

private Q_SLOTS:
    void onTypeRequestTimeout();

protected:
    // Only once the gateway's type is known.
    void requestSensorStatus(Devices::BaseDevice* device) override;

private:
    void askGatewayType(int serverId);
    void forgetPendingTypeRequest(int serverId);
    void applyReading(const PravikDriver::OpenDriver* driver,
                      const PravikDriver::UserMessages::LightSensorMessage& message);

    QHash<int, GatewayType> m_gatewayTypes;
    // Each running time-out of a type request and the gateway it waits for.
    QHash<ClockTimer*, int> m_pendingTypeRequests;
};

} // namespace Controllers
} // namespace Corvane::Sentrel

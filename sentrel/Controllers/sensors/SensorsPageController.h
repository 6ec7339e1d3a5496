#pragma once

#include "Controllers/base/BaseController.h"

#include <functional>

namespace Corvane::Devices {
class SensorDeviceProperties;
}

namespace Corvane::Sentrel::Controllers {

// What the light sensors and presence sensors pages share. Their devices are
// the sensors family's sensors of the page's own type and of the type that
// senses both; each icon shows the page's sensor picture, greyed until the
// sensor's state is known; the home page's icon of the page opens it; and a
// status update forgets the sensor's state until the gateway answers.
class SensorsPageController : public BaseController
{
    Q_OBJECT

public:
    QString elementsSuffix() const override;
    void updateDeviceStatus(Devices::BaseDevice* device) override;
    bool handleNavigationIconClicked(const Gadgets::Models::NavigationIcon& icon, int segmentIndex,
                                     bool generated) override;

protected:
    using SensorFactory = std::function<Devices::BaseDevice*(const Devices::SensorDeviceProperties&, int serverId)>;

    // sensorRenderer names the sensors' picture and the page's elements;
    // systemRenderer is the page's picture in the carousel's centre.
    SensorsPageController(NavigationWindow* window, const QString& sensorRenderer, const QString& systemRenderer);

    // Replaces the devices with the configuration's sensors of ownType and of
    // the combined type, made by create, and gives each its icon. Returns
    // how many there are.
    int loadSensors(const Devices::Configuration* configuration, int ownType, const SensorFactory& create);
    // Asks the sensor's gateway for its state; the state is unknown and drawn
    // so already.
    virtual void requestSensorStatus(Devices::BaseDevice* device) = 0;

    // Hands each sensor at the message's address on driver to read, as its
    // own type; a sensor that read returns true for has a known state and is
    // drawn again.
    template <typename Sensor, typename Read>
    void readSensors(const PravikDriver::OpenDriver* driver, const QString& address, Read read)
    {
        for (int index : getDeviceIndicesByAddress(address, driver, false)) {
            auto* sensor = static_cast<Sensor*>(m_devices.at(index));
            if (!read(sensor))
                continue;
            sensor->setStatusKnown(true);
            updateUIforDevice(sensor);
        }
    }

private:
    void updateNavigationIcons();

    const QString m_sensorRenderer;
    const QString m_systemRenderer;
};

} // namespace Corvane::Sentrel::Controllers

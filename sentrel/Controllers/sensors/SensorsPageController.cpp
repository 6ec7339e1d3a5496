#include "SensorsPageController.h"

#include "devices/BaseDevice.h"
#include "devices/Configuration.h"
#include "devices/SensorDeviceProperties.h"
#include "navigation/NavigationControl.h"

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Gadgets::Models::NavigationIcon;

namespace {

const int SENSORS_FAMILY = 4;
const int PRESENCE_AND_LIGHT_SENSOR = 21002;

} // namespace

SensorsPageController::SensorsPageController(NavigationWindow* window, const QString& sensorRenderer,
                                             const QString& systemRenderer)
    : BaseController(window)
    , m_sensorRenderer(sensorRenderer)
    , m_systemRenderer(systemRenderer)
{
}

QString SensorsPageController::elementsSuffix() const
{
    return m_sensorRenderer;
}

int SensorsPageController::loadSensors(const Devices::Configuration* configuration, int ownType,
                                       const SensorFactory& create)
{
    clearDevices();
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* sensor = dynamic_cast<const Devices::SensorDeviceProperties*>(properties);
            const int type = properties->deviceType();
            if (sensor && properties->familyCode() == SENSORS_FAMILY
                && (type == ownType || type == PRESENCE_AND_LIGHT_SENSOR))
                m_devices.append(create(*sensor, configuration->getServerForDevice(properties->id())));
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

void SensorsPageController::updateNavigationIcons()
{
    m_icons.clear();
    for (const BaseDevice* device : std::as_const(m_devices)) {
        // The name is the icon's tooltip, which the labels show.
        NavigationIcon icon(m_sensorRenderer, device->name(), device->id());
        icon.setState(NavigationIcon::Uninitialized);
        m_icons.append(icon);
    }
}

void SensorsPageController::updateDeviceStatus(BaseDevice* device)
{
    BaseController::updateDeviceStatus(device);
    device->setStatusKnown(false);
    updateUIforDevice(device);
    requestSensorStatus(device);
}

bool SensorsPageController::handleNavigationIconClicked(const NavigationIcon& icon, int, bool)
{
    if (!navigationControl() || navigationControl()->currentPageId() != 0 || icon.id() != controlledPageId())
        return false;
    showDevicePage(m_systemRenderer, true);
    return true;
}

} // namespace Corvane::Sentrel::Controllers

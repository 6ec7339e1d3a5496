#include "GatewayEvents.h"

#include "BaseController.h"

#include "devices/BaseDevice.h"
#include "pravikdriver/OpenDriver.h"

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;

namespace {

const int WEB_SERVER_DEVICE_TYPE = 22001;

} // namespace

GatewayEvents::GatewayEvents(BaseController& controller)
    : m_controller(controller)
{
}

int GatewayEvents::serverIdOf(const PravikDriver::OpenDriver* driver) const
{
    const BaseController::DriverMap& drivers = m_controller.m_drivers;
    for (auto it = drivers.cbegin(); it != drivers.cend(); ++it)
        if (it.value() == driver)
            return it.key();
    return -1;
}

int GatewayEvents::serverIdOf(const PravikDriver::Driver* driver) const
{
    return serverIdOf(qobject_cast<const PravikDriver::OpenDriver*>(driver));
}

int GatewayEvents::webServerDeviceIndex(const PravikDriver::OpenDriver* driver) const
{
    const BaseController::DriverMap& drivers = m_controller.m_drivers;
    const QList<BaseDevice*>& devices = m_controller.m_devices;
    for (int i = 0; i < devices.size(); ++i) {
        const BaseDevice* device = devices.at(i);
        if (device->deviceType() == WEB_SERVER_DEVICE_TYPE && drivers.contains(device->id())
            && drivers.value(device->id()) == driver)
            return i;
    }
    return -1;
}

void GatewayEvents::authenticated(const PravikDriver::Driver* driver, bool monitor)
{
    if (monitor && serverIdOf(driver) >= 0)
        m_controller.updateStatus(serverIdOf(driver));
}

void GatewayEvents::communicationError(const PravikDriver::Driver* driver, bool monitor)
{
    if (!monitor || serverIdOf(driver) < 0)
        return;
    disconnect(driver);
    // The connection survived the error: what the devices show is asked again
    // instead of staying unknown until the next login.
    if (driver->isMonitorConnected())
        m_controller.updateStatus(serverIdOf(driver));
}

void GatewayEvents::disconnect(const PravikDriver::Driver* driver)
{
    const int serverId = serverIdOf(driver);
    if (serverId < 0)
        return;
    const QList<BaseDevice*>& devices = m_controller.m_devices;
    for (int i = 0; i < devices.size(); ++i) {
        BaseDevice* device = devices.at(i);
        if (device->serverId() != serverId || !device->takesPartInStatusRequest())
            continue;
        device->setStatusKnown(false);
        m_controller.updateUIforDevice(device);
    }
}

void GatewayEvents::updateStatus(int serverId)
{
    // A status request may change the list, so it is read again at each step.
    const QList<BaseDevice*>& devices = m_controller.m_devices;
    for (int i = 0; i < devices.size(); ++i) {
        BaseDevice* device = devices.at(i);
        if ((serverId < 0 || serverId == device->serverId()) && device->takesPartInStatusRequest())
            m_controller.updateDeviceStatus(device);
    }
}

} // namespace Corvane::Sentrel::Controllers

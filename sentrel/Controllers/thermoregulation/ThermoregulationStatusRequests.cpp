#include "ThermoregulationStatusRequests.h"

#include "ThermoregulationController.h"

#include "devices/ThermoregulationDevice.h"
#include "pravikdriver/OpenDriver.h"

namespace Corvane::Sentrel::Controllers {

namespace {

const int EXTERNAL_PROBE = 8001;
const int PROBE = 8002;
const int ZONE_99 = 8003;
const int ZONE_4 = 8004;
const int BASIC_AIR_CONDITIONER = 4001;
const int ADVANCED_AIR_CONDITIONER = 4003;
const QString GENERAL_ZONE_ADDRESS = QStringLiteral("#0");

} // namespace

ThermoregulationStatusRequests::ThermoregulationStatusRequests(ThermoregulationController& controller)
    : m_controller(controller)
{
}

void ThermoregulationStatusRequests::markUnknown(Device* device)
{
    m_controller.BaseController::updateDeviceStatus(device);
    device->setStatusKnown(false);
    m_controller.updateUIforDevice(device);
}

void ThermoregulationStatusRequests::refreshDevice(Device* device)
{
    markUnknown(device);
    request(device);
}

void ThermoregulationStatusRequests::request(Device* device)
{
    if (device->deviceType() == BASIC_AIR_CONDITIONER) {
        // Its commands are scenarios: usable while the gateway listens.
        device->setStatusKnown(m_controller.isServerConnected(device->serverId()));
        m_controller.updateUIforDevice(device);
        return;
    }
    PravikDriver::OpenDriver* driver = m_controller.getDriver(device->serverId());
    if (!driver)
        return;
    const QString own = ThermoregulationController::ownAddress(device);
    switch (device->deviceType()) {
    case PROBE:
        driver->requestTemperatureStatus(own);
        break;
    case EXTERNAL_PROBE:
        driver->requestExternalTemperatureProbeStatus(own);
        break;
    case ZONE_99:
        driver->requestTemperatureZoneStatus(ThermoregulationController::zoneAddress(device));
        driver->requestTemperatureZoneStatus(own);
        driver->requestFancoilSetupStatus(own);
        break;
    case ZONE_4:
        driver->requestTemperatureZoneStatus(own);
        driver->requestFancoilSetupStatus(own);
        break;
    case ADVANCED_AIR_CONDITIONER:
        driver->requestAirConditionerStatus(own);
        break;
    default:
        break;
    }
}

void ThermoregulationStatusRequests::refreshGateways(int serverId)
{
    const QList<int> servers = serverId < 0 ? m_controller.drivers().keys() : QList<int> {serverId};
    for (int server : servers) {
        PravikDriver::OpenDriver* driver = m_controller.getDriver(server);
        QList<Device*> zones99;
        QList<Device*> zones4;
        for (Device* device : m_controller.thermoregulationDevices()) {
            if (device->serverId() != server)
                continue;
            if (device->deviceType() == ZONE_99)
                zones99.append(device);
            else if (device->deviceType() == ZONE_4)
                zones4.append(device);
            else
                refreshDevice(device);
        }
        if (!zones99.isEmpty() && driver)
            driver->requestTemperatureZoneStatus(GENERAL_ZONE_ADDRESS);
        for (const QList<Device*>& zones : {zones99, zones4}) {
            for (Device* zone : zones)
                markUnknown(zone);
            if (!driver)
                continue;
            for (Device* zone : zones) {
                if (zone->deviceType() == ZONE_99)
                    driver->requestTemperatureZoneStatus(ThermoregulationController::zoneAddress(zone));
            }
            for (Device* zone : zones)
                driver->requestTemperatureZoneStatus(ThermoregulationController::ownAddress(zone));
            for (Device* zone : zones) {
                if (zone->supportsFancoil())
                    driver->requestFancoilSetupStatus(ThermoregulationController::ownAddress(zone));
            }
        }
    }
}

} // namespace Corvane::Sentrel::Controllers

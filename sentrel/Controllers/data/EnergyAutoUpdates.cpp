#include "EnergyAutoUpdates.h"

#include "EnergyDevicesController.h"
#include "EnergyDeviceInfo.h"
#include "simulation/ClockTimer.h"

#include "devices/EnergyDevice.h"
#include "pravikdriver/OpenDriver.h"

#include <algorithm>

namespace Corvane::Sentrel::Controllers {

using Devices::EnergyDevice;
using Models::EnergyDeviceInfo;

namespace {

const int NORMAL_PRIORITY = 1;

} // namespace

EnergyAutoUpdates::EnergyAutoUpdates(EnergyDevicesController* controller)
    : m_controller(controller)
{
}

void EnergyAutoUpdates::startForDevice(EnergyDevice* device, bool start, bool force, int priority)
{
    if (!device)
        return;
    if (device->isNewInterfaceInUse() || force)
        startForNewInterface(device, start, force, priority);
    else
        startForOldInterface(device, start);
}

void EnergyAutoUpdates::startForNewInterface(EnergyDevice* device, bool start, bool force, int priority)
{
    EnergyDeviceInfo* record = m_controller->infoForDevice(device);
    if (!record || (record->hasAutoUpdateStarted() == start && !force))
        return;
    record->setHasAutoUpdateStarted(start);
    if (PravikDriver::OpenDriver* driver = m_controller->getDriver(device->serverId()))
        driver->requestEnergyStartAutoUpdate(m_controller->addressText(device), int(device->energyType()),
                                             start ? EnergyDevicesController::AUTO_UPDATE_TIME_START
                                                   : EnergyDevicesController::AUTO_UPDATE_TIME_STOP,
                                             priority);
}

void EnergyAutoUpdates::startForOldInterface(EnergyDevice* device, bool start)
{
    if (EnergyDeviceInfo* record = m_controller->infoForDevice(device))
        record->setHasAutoUpdateStarted(start);
    manageTimerActiveness();
}

void EnergyAutoUpdates::manageTimerActiveness()
{
    const QList<EnergyDeviceInfo*> records = m_controller->deviceInfos();
    const bool needed = std::any_of(records.cbegin(), records.cend(), [](const EnergyDeviceInfo* record) {
        return record->device() && !record->device()->isNewInterfaceInUse() && record->hasAutoUpdateStarted();
    });
    ClockTimer* timer = m_controller->autoUpdateTimer();
    if (needed && !timer->isActive())
        timer->start();
    else if (!needed && timer->isActive())
        timer->stop();
}

void EnergyAutoUpdates::pollOldInterfaceMeters()
{
    for (const EnergyDeviceInfo* record : m_controller->deviceInfos()) {
        const EnergyDevice* device = record->device();
        if (device && device->isStatusKnown() && !device->isNewInterfaceInUse() && record->hasAutoUpdateStarted())
            m_controller->requestInstantEnergyData(device);
    }
}

void EnergyAutoUpdates::switchToOldInterface(EnergyDevice* device)
{
    device->setIsNewInterfaceInUse(false);
    startForOldInterface(device, m_controller->shouldAutoUpdateDevice(device));
}

void EnergyAutoUpdates::handleState(EnergyDevice* device, int period)
{
    EnergyDeviceInfo* record = m_controller->infoForDevice(device);
    if (!record)
        return;
    // An answer to the start request: the meter speaks the new interface.
    if (!device->isNewInterfaceInUse() && record->requestedNewInterfaceExistence()) {
        device->setIsNewInterfaceInUse(true);
        manageTimerActiveness();
    }
    const bool needed = m_controller->shouldAutoUpdateDevice(device);
    if (period == EnergyDevicesController::AUTO_UPDATE_TIME_START && !needed) {
        record->setHasAutoUpdateStarted(true);
    } else if (period == EnergyDevicesController::AUTO_UPDATE_TIME_STOP && needed) {
        // Stopped while still wanted: started again at once.
        record->setHasAutoUpdateStarted(false);
        startForDevice(device, true, false, NORMAL_PRIORITY);
    }
    device->setStatusKnown(true);
    m_controller->updateUIforDevice(device);
}

} // namespace Corvane::Sentrel::Controllers

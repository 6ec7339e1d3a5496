#include "ThermoregulationCommands.h"

#include "ThermoregulationButtons.h"
#include "ThermoregulationController.h"

#include "devices/DeviceAddress.h"
#include "devices/DeviceEnums.h"
#include "devices/ThermoregulationDevice.h"
#include "pravikdriver/OpenDriver.h"

namespace Corvane::Sentrel::Controllers {

using Buttons = ThermoregulationButtons;
using PravikDriver::Value;

void ThermoregulationCommands::setFanSpeed(const QString& id, const QString& address, Driver& driver)
{
    const int setup = Buttons::fanSetupOf(id);
    if (setup >= 0)
        driver.setFancoilSpeed(address, setup);
}

void ThermoregulationCommands::setZoneStatus(const QString& id, double setpoint, Driver& driver, Device* device)
{
    const bool isStatus = id == Buttons::STATUS_PROTECT_BUTTON_ID || id == Buttons::STATUS_OFF_BUTTON_ID
        || id == Buttons::STATUS_MANUAL_BUTTON_ID || id == Buttons::STATUS_AUTO_BUTTON_ID;
    if (!isStatus)
        return;
    const QString zone = ThermoregulationController::zoneAddress(device);
    driver.unlockTemperatureUnit(ThermoregulationController::ownAddress(device));
    if (id == Buttons::STATUS_PROTECT_BUTTON_ID) {
        driver.setGenericProtectionMode(zone);
    } else if (id == Buttons::STATUS_OFF_BUTTON_ID) {
        driver.switchOffTemperatureUnit(zone);
    } else if (id == Buttons::STATUS_MANUAL_BUTTON_ID) {
        driver.setTemperatureManually(zone, float(setpoint));
        device->setSetpointTemperature(setpoint);
    } else {
        driver.setTemperatureUnitAutoMode(zone);
    }
}

void ThermoregulationCommands::setAirConditionerState(const QString& id, Driver& driver, Device* device)
{
    const int chosenMode = Buttons::modeOf(id);
    const int chosenSpeed = Buttons::speedOf(id);
    const int chosenSwing = Buttons::swingOf(id);
    const int mode = chosenMode >= 0 ? chosenMode : device->airConditionerMode();
    const int speed = chosenSpeed >= 0 ? chosenSpeed
                                       : (device->supportsAirConditionerSpeed() ? device->airConditionerSpeed() : 0);
    const int swing = chosenSwing >= 0 ? chosenSwing
                                       : (device->supportsAirConditionerSwing() ? device->airConditionerSwing() : 0);
    const double setpoint = device->setpointTemperature();
    device->setAirConditionerMode(mode);
    device->setAirConditionerSpeed(speed);
    device->setAirConditionerSwing(swing);
    const bool on = mode != Devices::DeviceEnums::ModeOff;
    driver.setAirConditionerProperties(ThermoregulationController::ownAddress(device), Value<int>(true, mode),
                                       Value<float>(on, float(setpoint)), Value<int>(on, speed),
                                       Value<int>(on, swing));
}

void ThermoregulationCommands::setZoneSetpoint(double celsius, Driver& driver, Device* device)
{
    driver.unlockTemperatureUnit(ThermoregulationController::ownAddress(device));
    driver.setTemperatureManually(ThermoregulationController::zoneAddress(device), float(celsius));
    device->setSetpointTemperature(celsius);
}

void ThermoregulationCommands::setAirConditionerSetpoint(double celsius, Driver& driver, const Device* device)
{
    // The set-point shown follows the gateway's answer.
    driver.setAirConditionerProperties(ThermoregulationController::ownAddress(device),
                                       Value<int>(true, device->airConditionerMode()), Value<float>(true, float(celsius)),
                                       Value<int>(true, device->airConditionerSpeed()),
                                       Value<int>(true, device->airConditionerSwing()));
}

void ThermoregulationCommands::runCommand(int commandId, Driver& driver, const Device* device)
{
    driver.executeScenario(
        BaseController::getAddressText(device->address(), PravikDriver::Address::Scenario, PravikDriver::Address::Send),
        device->getCommandAddress(commandId).area());
}

} // namespace Corvane::Sentrel::Controllers

#include "ThermoregulationStateReader.h"

#include "devices/DeviceEnums.h"
#include "devices/ThermoregulationDevice.h"
#include "log/Logger.h"
#include "pravikdriver/UserMessages/TemperatureMessage.h"

#include <algorithm>

namespace Corvane::Sentrel::Controllers {

using Devices::ThermoregulationDevice;
using Log::Logger;
using PravikDriver::Value;

const double ThermoregulationStateReader::LOWEST_MEASURED_TEMPERATURE = -50.0;
const double ThermoregulationStateReader::HIGHEST_MEASURED_TEMPERATURE = 100.0;

namespace {

const int ADVANCED_AIR_CONDITIONER = 4003;
const double DEFAULT_SETPOINT = 20.0;

bool isKnownOffset(int offset)
{
    return (offset >= 0 && offset <= 3) || (offset >= 11 && offset <= 13);
}

// The value when it lies in 0..highest; logs and gives nothing otherwise.
Value<int> inRange(const ThermoregulationDevice* device, const Value<int>& value, int highest, const QString& field)
{
    if (!value.isValid() || (value.value() >= 0 && value.value() <= highest))
        return value;
    ThermoregulationStateReader::warn(device, field,
                                      QStringLiteral("%1 is not one of 0..%2, ignored").arg(value.value()).arg(highest));
    return {};
}

} // namespace

void ThermoregulationStateReader::warn(const ThermoregulationDevice* device, const QString& field,
                                       const QString& problem)
{
    Logger(Logger::Warning) << "Thermoregulation device \"" << device->name() << "\" (" << device->id() << "), "
                            << field << ": " << problem;
}

double ThermoregulationStateReader::clampedSetpoint(const ThermoregulationDevice* device, double celsius)
{
    const double clamped = std::clamp(celsius, device->valueMinimum(), device->valueMaximum());
    if (clamped != celsius)
        warn(device, QStringLiteral("set-point"), QStringLiteral("%1 clamped to %2").arg(celsius).arg(clamped));
    return clamped;
}

void ThermoregulationStateReader::apply(ThermoregulationDevice* device,
                                        const PravikDriver::UserMessages::TemperatureMessage& message,
                                        bool statusKnown)
{
    const bool offDefaults = !statusKnown && device->deviceType() == ADVANCED_AIR_CONDITIONER;

    if (message.temperature().isValid()) {
        const double temperature = message.temperature().value();
        if (temperature >= LOWEST_MEASURED_TEMPERATURE && temperature <= HIGHEST_MEASURED_TEMPERATURE)
            device->setTemperature(temperature);
        else
            warn(device, QStringLiteral("temperature"), QStringLiteral("%1 is outside -50..100, ignored").arg(temperature));
    }

    if (message.setpoint().isValid())
        device->setSetpointTemperature(clampedSetpoint(device, message.setpoint().value()));
    else if (offDefaults && device->airConditionerMode() == Devices::DeviceEnums::ModeOff)
        device->setSetpointTemperature(DEFAULT_SETPOINT);

    if (message.offset().isValid()) {
        const int offset = message.offset().value();
        if (!isKnownOffset(offset))
            warn(device, QStringLiteral("offset"), QStringLiteral("%1 is not a known offset, none shown").arg(offset));
        device->setOffset(isKnownOffset(offset) ? offset : int(Devices::DeviceEnums::NoOffset));
    }
    if (const Value<int> fancoil = inRange(device, message.fancoilSetup(), 3, QStringLiteral("fan-coil")); fancoil.isValid())
        device->setFancoil(fancoil.value());
    if (const Value<int> status = inRange(device, message.zoneStatus(), 3, QStringLiteral("zone status")); status.isValid())
        device->setZoneStatus(status.value());
    if (const Value<int> mode = inRange(device, message.airConditionerMode(), 5, QStringLiteral("mode")); mode.isValid())
        device->setAirConditionerMode(mode.value());

    const bool offNow = offDefaults && device->airConditionerMode() == Devices::DeviceEnums::ModeOff;
    const Value<int> speed = inRange(device, message.airConditionerSpeed(), 4, QStringLiteral("speed"));
    if (speed.isValid())
        device->setAirConditionerSpeed(speed.value());
    else if (offNow && !message.airConditionerSpeed().isValid())
        device->setAirConditionerSpeed(Devices::DeviceEnums::SpeedAutomatic);
    const Value<int> swing = inRange(device, message.airConditionerSwing(), 1, QStringLiteral("swing"));
    if (swing.isValid())
        device->setAirConditionerSwing(swing.value());
    else if (offNow && !message.airConditionerSwing().isValid())
        device->setAirConditionerSwing(Devices::DeviceEnums::SwingOff);

    if (message.isLocked().isValid())
        device->setIsLocked(message.isLocked().value());
}

} // namespace Corvane::Sentrel::Controllers

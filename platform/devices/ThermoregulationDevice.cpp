#include "ThermoregulationDevice.h"

#include <limits>

namespace Corvane::Devices {

const int ThermoregulationDevice::PRECISION_UNSPECIFIED = -1;
// Far above the ids the Configurator gives to the other commands, which
// count up from 1.
const int ThermoregulationDevice::OFF_COMMAND_SUB_ID = std::numeric_limits<int>::max();

ThermoregulationDevice::ThermoregulationDevice(const ThermoregulationDeviceProperties& properties,
                                               int serverId)
    : BaseDevice(properties, serverId)
{
}

bool ThermoregulationDevice::supportsFancoil() const
{
    return thermoProperties().canHaveFancoil() && thermoProperties().hasFancoil();
}

bool ThermoregulationDevice::isAirconditioner() const
{
    return deviceType() == 4001 || deviceType() == 4003;
}

bool ThermoregulationDevice::supportsAirConditionerMode(int mode) const
{
    return deviceType() == 4003
        && (mode == DeviceEnums::ModeOff || thermoProperties().airConditioningModes().contains(mode));
}

bool ThermoregulationDevice::supportsAirConditionerSpeed() const
{
    return deviceType() == 4003 && !thermoProperties().fanSettings().isEmpty();
}

bool ThermoregulationDevice::supportsAirConditionerSpeed(int speed) const
{
    return deviceType() == 4003 && thermoProperties().fanSettings().contains(speed);
}

bool ThermoregulationDevice::supportsAirConditionerSwing() const
{
    return deviceType() == 4003 && thermoProperties().swingPresence();
}

bool ThermoregulationDevice::supportsAirConditionerSwing(int swing) const
{
    return deviceType() == 4003 && thermoProperties().airConditionerSwings().contains(swing);
}

bool ThermoregulationDevice::hasSliderValue() const
{
    return deviceType() == 8003 || deviceType() == 8004 || deviceType() == 4003;
}

double ThermoregulationDevice::valueMinimum() const
{
    return isAirconditioner() ? thermoProperties().minTemperature()
                              : ThermoregulationDeviceProperties::MIN_TEMPERATURE;
}

double ThermoregulationDevice::valueMaximum() const
{
    return isAirconditioner() ? thermoProperties().maxTemperature()
                              : ThermoregulationDeviceProperties::MAX_TEMPERATURE;
}

double ThermoregulationDevice::valueStep() const
{
    return isAirconditioner() ? thermoProperties().step() : 0.5;
}

int ThermoregulationDevice::valuePrecision() const
{
    return hasSliderValue() ? 1 : PRECISION_UNSPECIFIED;
}

QList<int> ThermoregulationDevice::orderedCommands() const
{
    const QList<int> available = projectCommandIds();
    QList<int> ordered;
    for (int id : m_commandsOrder) {
        if (available.contains(id) && !ordered.contains(id))
            ordered.append(id);
    }
    for (int id : available) {
        if (!ordered.contains(id))
            ordered.append(id);
    }
    return ordered;
}

void ThermoregulationDevice::setCommandsOrder(const QList<int>& ids)
{
    // An order stored before the OFF command had an id of its own names it 0.
    m_commandsOrder = ids;
    const qsizetype storedOff = m_commandsOrder.indexOf(ThermoregulationDeviceProperties::OFF_COMMAND_ID);
    if (storedOff >= 0)
        m_commandsOrder[storedOff] = OFF_COMMAND_SUB_ID;
}

bool ThermoregulationDevice::hasCommandWithId(int id) const
{
    return projectCommandIds().contains(id);
}

QString ThermoregulationDevice::getCommandText(int id) const
{
    if (isCustomCommandText(id))
        return m_commandTexts.value(id);
    if (isOffCommand(id))
        return thermoProperties().offCommand().description();
    const ThermoregulationCommandProperties* command = thermoProperties().getCommand(id);
    return command ? command->description() : QString();
}

void ThermoregulationDevice::setCommandText(int id, const QString& text)
{
    if (text.trimmed().isEmpty())
        m_commandTexts.remove(id);
    else
        m_commandTexts.insert(id, text.trimmed());
}

bool ThermoregulationDevice::isCustomCommandText(int id) const
{
    return m_commandTexts.contains(id);
}

DeviceAddress ThermoregulationDevice::getCommandAddress(int id) const
{
    if (isOffCommand(id))
        return thermoProperties().offCommand().address();
    const ThermoregulationCommandProperties* command = thermoProperties().getCommand(id);
    return command ? command->address() : DeviceAddress();
}

QString ThermoregulationDevice::displayName(int subId) const
{
    return hasCommandWithId(subId) ? getCommandText(subId) : name();
}

QList<int> ThermoregulationDevice::projectCommandIds() const
{
    QList<int> ids;
    if (deviceType() != 4001)
        return ids;
    if (thermoProperties().showOffCommand())
        ids.append(OFF_COMMAND_SUB_ID);
    for (const ThermoregulationCommandProperties* command : thermoProperties().commands())
        ids.append(command->id());
    return ids;
}

bool ThermoregulationDevice::isOffCommand(int id) const
{
    return id == OFF_COMMAND_SUB_ID && deviceType() == 4001 && thermoProperties().showOffCommand();
}

} // namespace Corvane::Devices

#include "ThermoregulationDeviceProperties.h"

#include "DeviceEnums.h"

#include <QCoreApplication>

#include <algorithm>
#include <limits>

namespace Corvane::Devices {

const int ThermoregulationDeviceProperties::MIN_TEMPERATURE = 5;
const int ThermoregulationDeviceProperties::MAX_TEMPERATURE = 40;
const int ThermoregulationDeviceProperties::MAX_COMMANDS_COUNT = 10;
const int ThermoregulationDeviceProperties::OFF_COMMAND_ID = 0;
const int ThermoregulationDeviceProperties::COMMAND_ADDRESS_TYPE = 10;

namespace {

const double DEFAULT_MIN_TEMPERATURE = 16.0;
const double DEFAULT_MAX_TEMPERATURE = 30.0;
const double DEFAULT_STEP = 0.5;

} // namespace

ThermoregulationDeviceProperties::ThermoregulationDeviceProperties(int id, DeviceType type,
                                                                   const DeviceAddress& address,
                                                                   const QString& description)
    : BaseDeviceProperties(id, type, address, description)
    , m_offCommand(std::make_unique<ThermoregulationCommandProperties>(
          DeviceAddress(DeviceAddress::DEFAULT_AREA_VALUE, DeviceAddress::EMPTY_INT_VALUE,
                        DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE),
          QCoreApplication::translate("Devices", "Off"), OFF_COMMAND_ID))
    , m_minTemperature(DEFAULT_MIN_TEMPERATURE)
    , m_maxTemperature(DEFAULT_MAX_TEMPERATURE)
    , m_step(DEFAULT_STEP)
    , m_modes({DeviceEnums::ModeOff})
{
    m_offCommand->setObserver(this);
}

ThermoregulationDeviceProperties::ThermoregulationDeviceProperties(
    const ThermoregulationDeviceProperties& other)
    : BaseDeviceProperties(other)
    , m_hasFancoil(other.m_hasFancoil)
    , m_showOffCommand(other.m_showOffCommand)
    , m_offCommand(std::make_unique<ThermoregulationCommandProperties>(*other.m_offCommand))
    , m_minTemperature(other.m_minTemperature)
    , m_maxTemperature(other.m_maxTemperature)
    , m_step(other.m_step)
    , m_modes(other.m_modes)
    , m_fanSettings(other.m_fanSettings)
    , m_swingPresence(other.m_swingPresence)
{
    m_offCommand->setObserver(this);
    for (const auto& command : other.m_commands) {
        m_commands.push_back(std::make_unique<ThermoregulationCommandProperties>(*command));
        m_commands.back()->setObserver(this);
    }
}

ThermoregulationDeviceProperties::~ThermoregulationDeviceProperties() = default;

BaseDeviceProperties* ThermoregulationDeviceProperties::clone() const
{
    return new ThermoregulationDeviceProperties(*this);
}

bool ThermoregulationDeviceProperties::canHaveFancoil() const
{
    return deviceType() == 8003 || deviceType() == 8004;
}

void ThermoregulationDeviceProperties::setHasFancoil(bool hasFancoil)
{
    assign(m_hasFancoil, hasFancoil);
}

void ThermoregulationDeviceProperties::setShowOffCommand(bool show)
{
    assign(m_showOffCommand, show);
}

QList<ThermoregulationCommandProperties*> ThermoregulationDeviceProperties::commands() const
{
    QList<ThermoregulationCommandProperties*> list;
    for (const auto& command : m_commands)
        list.append(command.get());
    return list;
}

ThermoregulationCommandProperties* ThermoregulationDeviceProperties::getCommand(int id) const
{
    if (id == ThermoregulationCommandProperties::EMPTY_ID)
        return nullptr;
    for (const auto& command : m_commands) {
        if (command->id() == id)
            return command.get();
    }
    return nullptr;
}

int ThermoregulationDeviceProperties::addCommand(ThermoregulationCommandProperties* command)
{
    std::unique_ptr<ThermoregulationCommandProperties> owned(command);
    if (!owned || commandsCount() >= MAX_COMMANDS_COUNT)
        return ThermoregulationCommandProperties::EMPTY_ID;
    if (owned->id() <= OFF_COMMAND_ID || getCommand(owned->id()))
        owned->setId(nextCommandId());
    owned->setObserver(this);
    const int id = owned->id();
    m_commands.push_back(std::move(owned));
    notifyChange();
    return id;
}

bool ThermoregulationDeviceProperties::removeCommand(int id)
{
    const auto it = std::find_if(m_commands.begin(), m_commands.end(),
                                 [id](const auto& command) { return command->id() == id; });
    if (it == m_commands.end() || id == ThermoregulationCommandProperties::EMPTY_ID)
        return false;
    m_commands.erase(it);
    notifyChange();
    return true;
}

int ThermoregulationDeviceProperties::commandsCount() const
{
    return int(m_commands.size()) + (m_showOffCommand ? 1 : 0);
}

void ThermoregulationDeviceProperties::setMinTemperature(double temperature)
{
    assign(m_minTemperature, temperature);
}

void ThermoregulationDeviceProperties::setMaxTemperature(double temperature)
{
    assign(m_maxTemperature, temperature);
}

void ThermoregulationDeviceProperties::setStep(double step)
{
    assign(m_step, step);
}

void ThermoregulationDeviceProperties::setAirConditioningModes(const QList<int>& modes)
{
    assign(m_modes, modes);
}

void ThermoregulationDeviceProperties::setFanSettings(const QList<int>& settings)
{
    assign(m_fanSettings, settings);
}

void ThermoregulationDeviceProperties::setSwingPresence(bool present)
{
    assign(m_swingPresence, present);
}

QList<int> ThermoregulationDeviceProperties::airConditionerSwings() const
{
    if (!m_swingPresence)
        return {};
    return {DeviceEnums::SwingOff, DeviceEnums::SwingOn};
}

bool ThermoregulationDeviceProperties::isEqual(const BaseDeviceProperties& other) const
{
    if (!BaseDeviceProperties::isEqual(other))
        return false;
    const auto& thermo = static_cast<const ThermoregulationDeviceProperties&>(other);
    if (m_commands.size() != thermo.m_commands.size())
        return false;
    for (size_t i = 0; i < m_commands.size(); ++i) {
        if (*m_commands[i] != *thermo.m_commands[i])
            return false;
    }
    return m_hasFancoil == thermo.m_hasFancoil && m_showOffCommand == thermo.m_showOffCommand
        && *m_offCommand == *thermo.m_offCommand && m_minTemperature == thermo.m_minTemperature
        && m_maxTemperature == thermo.m_maxTemperature && m_step == thermo.m_step
        && m_modes == thermo.m_modes && m_fanSettings == thermo.m_fanSettings
        && m_swingPresence == thermo.m_swingPresence;
}

void ThermoregulationDeviceProperties::handleDeviceTypeChanged()
{
    if (!canHaveFancoil())
        m_hasFancoil = false;
}

int ThermoregulationDeviceProperties::nextCommandId() const
{
    // Above the highest id, so that user settings kept for a removed command
    // do not pass to a new one; the lowest free id once the highest possible
    // id is taken.
    int highest = OFF_COMMAND_ID;
    for (const auto& command : m_commands)
        highest = std::max(highest, command->id());
    if (highest < std::numeric_limits<int>::max())
        return highest + 1;
    int id = OFF_COMMAND_ID + 1;
    while (getCommand(id))
        ++id;
    return id;
}

} // namespace Corvane::Devices

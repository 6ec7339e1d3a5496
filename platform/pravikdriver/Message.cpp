#include "Message.h"

#include "Address.h"
#include "PravikCodes.h"
#include "PravikEnums.h"

#include <cmath>

namespace Corvane::PravikDriver {

using namespace PravikCodes;
using PravikEnums::MessageType;
using PravikEnums::SystemType;

const Message Message::Empty;

namespace {

QStringList texts(const QList<int>& values)
{
    QStringList result;
    result.reserve(values.size());
    for (int value : values)
        result.append(QString::number(value));
    return result;
}

int tenths(float value)
{
    return int(std::lround(value * 10.0f));
}

Message command(int system, const QString& address, int code, const QList<int>& values = {})
{
    return Message(MessageType::Command, system, address, code, 0, values, 0);
}

Message dimensionRequest(int system, const QString& address, int dimension, const QList<int>& parameters = {})
{
    return Message(MessageType::DimensionRequest, system, address, 0, dimension, parameters,
                   int(parameters.size()));
}

Message dimensionWrite(int system, const QString& address, int dimension, const QList<int>& values,
                       int dimensionParameterCount = 0)
{
    return Message(MessageType::DimensionWrite, system, address, 0, dimension, values, dimensionParameterCount);
}

} // namespace

Message::Message(int messageType, int systemType, const QString& address, int commandType, int dimension,
                 const QList<int>& values, int dimensionParameterCount)
    : m_messageType(messageType)
    , m_systemType(systemType)
    , m_address(address)
    , m_commandType(commandType)
    , m_dimension(dimension)
    , m_rawParameters(texts(values))
    , m_dimensionParameterCount(dimensionParameterCount)
{
}

Message Message::withOptionalValues(int messageType, int systemType, const QString& address, int commandType,
                                    int dimension, const QList<Value<int>>& values, int dimensionParameterCount)
{
    Message message(messageType, systemType, address, commandType, dimension, QList<int>(), dimensionParameterCount);
    for (const Value<int>& value : values)
        message.m_rawParameters.append(value.isValid() ? QString::number(value.value()) : QString());
    return message;
}

QList<Value<int>> Message::parameters() const
{
    QList<Value<int>> values;
    values.reserve(m_rawParameters.size());
    for (const QString& text : m_rawParameters) {
        bool ok = false;
        const int value = text.toInt(&ok);
        values.append(Value<int>(ok, ok ? value : 0));
    }
    return values;
}

Value<int> Message::parameter(int index) const
{
    if (index < 0 || index >= m_rawParameters.size())
        return Value<int>();
    bool ok = false;
    const int value = m_rawParameters.at(index).toInt(&ok);
    return Value<int>(ok, ok ? value : 0);
}

void Message::setParameterMinWidth(int index, int width)
{
    if (index < 0 || index >= m_rawParameters.size())
        return;
    QString& text = m_rawParameters[index];
    const bool negative = text.startsWith(QLatin1Char('-'));
    QString digits = negative ? text.mid(1) : text;
    if (digits.size() < width)
        digits = QString(width - digits.size(), QLatin1Char('0')) + digits;
    text = negative ? QLatin1Char('-') + digits : digits;
}

bool Message::operator==(const Message& other) const
{
    return m_messageType == other.m_messageType && m_systemType == other.m_systemType
        && m_address == other.m_address && m_commandType == other.m_commandType
        && m_dimension == other.m_dimension && m_rawParameters == other.m_rawParameters
        && m_dimensionParameterCount == other.m_dimensionParameterCount && m_priority == other.m_priority;
}

Message Message::createSwitchLightMessage(const QString& address, bool on)
{
    return command(SystemType::Lighting, address, on ? LIGHT_ON : LIGHT_OFF);
}

Message Message::createDimmer10Message(const QString& address, int step)
{
    return command(SystemType::Lighting, address, LIGHT_OFF + step);
}

Message Message::createDimmer100Message(const QString& address, int level, int speed)
{
    return dimensionWrite(SystemType::Lighting, address, DIMMER100_LEVEL, { level, speed });
}

Message Message::createLightStatusMessage(const QString& address)
{
    return Message(MessageType::StatusRequest, SystemType::Lighting, address, 0, 0);
}

Message Message::createDimmer100StatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::Lighting, address, DIMMER100_LEVEL);
}

Message Message::createShutterMessage(const QString& address, int commandType)
{
    return command(SystemType::Automation, address, SHUTTER_STOP + commandType);
}

Message Message::createShutterStatusMessage(const QString& address)
{
    return Message(MessageType::StatusRequest, SystemType::Automation, address, 0, 0);
}

Message Message::createScenarioMessage(const QString& address, int scenario)
{
    return command(SystemType::Scenarios, address, scenario);
}

Message Message::createStartScenarioPlusMessage(const QString& address, int level)
{
    return command(SystemType::ScenarioPlus, address, SCENARIO_PLUS_START, { level });
}

Message Message::createStopScenarioPlusMessage(const QString& address)
{
    return command(SystemType::ScenarioPlus, address, SCENARIO_PLUS_STOP);
}

Message Message::createCenMessage(const QString& address, int pushButton, int action)
{
    return command(SystemType::Cen, address, CEN_BASE + action, { pushButton });
}

Message Message::createCenPlusMessage(const QString& address, int pushButton, int action)
{
    return command(SystemType::CenPlus, address, CEN_PLUS_BASE + action, { pushButton });
}

Message Message::createPresenceSensorGranularityStatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::Lighting, address, PRESENCE_GRANULARITY);
}

Message Message::createLightSensorStatusMessage(const QString& address, bool extendedSystem)
{
    if (!extendedSystem)
        return dimensionRequest(SystemType::Lighting, address, LIGHT_SENSOR_LUX);
    // The extended system carries the sensor's address as dimension parameters.
    const QList<Address::Token> tokens = Address::toTokens(address);
    QList<int> values;
    for (const Address::Token& token : tokens)
        values.append(token.first);
    Message message = dimensionRequest(SystemType::LightSensorsExtended, QString(), EXTENDED_LIGHT_SENSOR_LUX, values);
    for (int i = 0; i < tokens.size(); ++i)
        message.setParameterMinWidth(i, tokens.at(i).second);
    return message;
}

Message Message::createLightSensorsGatewayTypeRecognitionMessage()
{
    return dimensionRequest(SystemType::Lighting, QString(), LIGHT_SENSORS_TYPE_1);
}

Message Message::createTemperatureStatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::Thermoregulation, address, ZONE_TEMPERATURE);
}

Message Message::createExternalTemperatureProbeStatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::Thermoregulation, address, EXTERNAL_PROBE_TEMPERATURE);
}

Message Message::createTemperatureZoneStatusMessage(const QString& address)
{
    return Message(MessageType::StatusRequest, SystemType::Thermoregulation, address, 0, 0);
}

Message Message::createFancoilSetupStatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::Thermoregulation, address, FANCOIL_SETUP);
}

Message Message::createAirConditionerStatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::Thermoregulation, address, AIR_CONDITIONER_STATE);
}

Message Message::createZoneSetpointStatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::Thermoregulation, address, ZONE_SETPOINT);
}

Message Message::createFancoilSpeedMessage(const QString& address, int setup)
{
    return dimensionWrite(SystemType::Thermoregulation, address, FANCOIL_SETUP, { setup });
}

Message Message::createUnlockTemperatureUnitMessage(const QString& address)
{
    return command(SystemType::Thermoregulation, address, UNIT_UNLOCKED);
}

Message Message::createZoneCommandMessage(const QString& address, int commandType)
{
    return command(SystemType::Thermoregulation, address, commandType);
}

Message Message::createManualTemperatureMessage(const QString& address, float celsius)
{
    return dimensionWrite(SystemType::Thermoregulation, address, ZONE_SETPOINT,
                          { tenths(celsius), SETPOINT_MANUAL_MODE });
}

Message Message::createAirConditionerMessage(const QString& address, const Value<int>& mode,
                                             const Value<float>& setpoint, const Value<int>& speed,
                                             const Value<int>& swing)
{
    const Value<int> setpointTenths(setpoint.isValid(), tenths(setpoint.value()));
    return withOptionalValues(MessageType::DimensionWrite, SystemType::Thermoregulation, address, 0,
                              AIR_CONDITIONER_STATE, { mode, setpointTenths, speed, swing }, 0);
}

Message Message::createServerStatusMessage(int setting)
{
    return dimensionRequest(SystemType::Gateway, QString(), GATEWAY_SETTINGS_BASE + setting);
}

Message Message::createInstantEnergyMessage(const QString& address)
{
    return dimensionRequest(SystemType::EnergyManagement, address, INSTANT_ENERGY);
}

Message Message::createInstantGasMessage(const QString& address)
{
    return dimensionRequest(SystemType::EnergyManagement, address, INSTANT_GAS);
}

Message Message::createInstantHeatMessage(const QString& address)
{
    return dimensionRequest(SystemType::EnergyManagement, address, INSTANT_HEAT);
}

Message Message::createInstantWaterMessage(const QString& address)
{
    return dimensionRequest(SystemType::EnergyManagement, address, INSTANT_WATER);
}

Message Message::createStartAutoUpdateMessage(const QString& address, int energyType, int period)
{
    return dimensionWrite(SystemType::EnergyManagement, address, AUTO_UPDATE, { energyType, period }, 1);
}

Message Message::createCurrentDayTotalMessage(const QString& address)
{
    return dimensionRequest(SystemType::EnergyManagement, address, CURRENT_DAY_TOTAL);
}

Message Message::createCurrentMonthTotalMessage(const QString& address)
{
    return dimensionRequest(SystemType::EnergyManagement, address, CURRENT_MONTH_TOTAL);
}

Message Message::createMonthTotalMessage(const QString& address, int year, int month)
{
    return dimensionRequest(SystemType::EnergyManagement, address, MONTH_TOTAL, { year, month });
}

Message Message::createDayPerHourMessage(const QString& address, int month, int day, bool oldInterface)
{
    return command(SystemType::EnergyManagement, address,
                   oldInterface ? OLD_DAY_PER_HOUR_REQUEST : NEW_DAY_PER_HOUR_REQUEST, { month, day });
}

Message Message::createMonthPerDayMessage(const QString& address, int month, bool oldInterface)
{
    return command(SystemType::EnergyManagement, address,
                   oldInterface ? OLD_MONTH_PER_DAY_REQUEST : NEW_MONTH_PER_DAY_REQUEST, { month });
}

Message Message::createMonthPerHourMessage(const QString& address, int month, bool oldInterface)
{
    return command(SystemType::EnergyManagement, address,
                   oldInterface ? OLD_MONTH_PER_HOUR_REQUEST : NEW_MONTH_PER_HOUR_REQUEST, { month });
}

Message Message::createMonthPerDayPrevMessage(const QString& address, int month)
{
    return command(SystemType::EnergyManagement, address, MONTH_PER_DAY_PREV_REQUEST, { month });
}

Message Message::createLoadActuatorStatusMessage(const QString& address)
{
    return dimensionRequest(SystemType::EnergyManagement, address, LOAD_STATUS);
}

Message Message::createAskCountersMessage(const QString& address, int counter)
{
    return dimensionRequest(SystemType::EnergyManagement, address, LOAD_COUNTER, { counter });
}

Message Message::createResetCountersMessage(const QString& address, int counter)
{
    return command(SystemType::EnergyManagement, address, LOAD_COUNTER_RESET, { counter });
}

Message Message::createForceActuatorMessage(const QString& address, bool on)
{
    return command(SystemType::EnergyManagement, address, on ? LOAD_FORCE_ON : LOAD_FORCE_OFF);
}

} // namespace Corvane::PravikDriver

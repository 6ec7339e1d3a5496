#include "DeviceStatusAnswers.h"

#include "Clock.h"
#include "PseudoDriver.h"
#include "SimulationRandom.h"

#include "pravikdriver/Address.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "utilities/MathTools.h"

namespace Corvane::Sentrel {

using PravikDriver::Address;
using PravikDriver::Message;
using namespace PravikDriver::PravikCodes;
using namespace PravikDriver::PravikEnums;

namespace {

const int ZONE_TEMPERATURE_RANGE = 501;
const int LUX_MIN = 10;
const int LUX_RANGE = 991;
const int ZONE_MANUAL_HEATING = 400310;
// A home network: a private address (192.168.x.y, y a host) and a mask of
// 16 to 30 leading ones.
const int PRIVATE_NETWORK_FIRST = 192;
const int PRIVATE_NETWORK_SECOND = 168;
const int HOST_FIRST = 2;
const int HOST_COUNT = 253;
const int MASK_BITS_MIN = 16;
const int MASK_BITS_MAX = 30;
const int ADDRESS_BITS = 32;
const int BYTE_BITS = 8;
const quint32 BYTE_MASK = 0xffu;

QList<int> maskBytes(int leadingOnes)
{
    const quint32 mask = ~quint32(0) << (ADDRESS_BITS - leadingOnes);
    QList<int> bytes;
    for (int shift = ADDRESS_BITS - BYTE_BITS; shift >= 0; shift -= BYTE_BITS)
        bytes.append(int((mask >> shift) & BYTE_MASK));
    return bytes;
}

} // namespace

const QList<int> DeviceStatusAnswers::GATEWAY_DEVICE_TYPES { 2, 4, 6, 7, 11, 13, 44 };
const QList<int> DeviceStatusAnswers::ZONE_STATES { 400311, 400211, 400111, 400310, 400210, 400110,
                                                    400302, 400202, 400102, 400303, 400203, 400103 };

DeviceStatusAnswers::DeviceStatusAnswers(PseudoDriver& driver, SimulationRandom& random)
    : m_driver(driver)
    , m_random(random)
{
}

bool DeviceStatusAnswers::respond(const Message& request)
{
    return respondToLigthStatus(request) || respondToDimmer100Status(request) || respondToLightSensorStatus(request)
        || respondToLightSensorsGatewayTypeRecognitionMessage(request) || respondToPresenceSensorStatus(request)
        || respondToShutterStatus(request) || respondToServerStatus(request) || respondToTemperatureStatus(request)
        || respondToTemperatureZoneStatus(request) || respondToExternalTemperatureProbeStatus(request)
        || respondToFancoilSetupStatus(request) || respondToAirConditionerStatus(request)
        || respondToZoneSetpointTemperature(request);
}

void DeviceStatusAnswers::deliver(const Message& message, bool flag)
{
    m_driver.sendMessageToListeners(message, Message::Empty, flag);
}

bool DeviceStatusAnswers::respondToLigthStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createLightStatusMessage(address)))
        return false;
    // A light answers off, or on at a dimmer-10 level 2..10: the same
    // request asks switches and 10-level dimmers, and a dimmer that is on
    // always tells its level, which a switch takes for plain on.
    const Message dimmer = Message::createDimmer10Message(address, 2 + m_random.draw(9));
    const int command = m_random.draw() % 2 == 0 ? LIGHT_OFF : dimmer.commandType();
    deliver(Message::withOptionalValues(dimmer.messageType(), dimmer.systemType(), dimmer.address(), command,
                                        dimmer.dimension(), dimmer.parameters(), dimmer.dimensionParameterCount()));
    return true;
}

bool DeviceStatusAnswers::respondToDimmer100Status(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createDimmer100StatusMessage(address)))
        return false;
    deliver(Message::createDimmer10Message(address, 2 + m_random.draw(9)));
    return true;
}

bool DeviceStatusAnswers::respondToLightSensorStatus(const Message& request)
{
    // On the extended system the sensor's address travels as the dimension
    // parameters.
    const bool extended = request.systemType() == LightSensorsExtended;
    QString sensorAddress = request.address();
    if (extended) {
        const QStringList texts = request.rawParameters();
        sensorAddress = texts.size() == request.dimensionParameterCount() ? texts.join(Address::DELIMITER) : QString();
    }
    if (!PseudoDriver::isRequest(request, Message::createLightSensorStatusMessage(sensorAddress, extended)))
        return false;

    if (!extended) {
        deliver(Message(DimensionWrite, request.systemType(), request.address(), 0, request.dimension(),
                        { LUX_MIN + m_random.draw(LUX_RANGE) }, 0));
        return true;
    }
    const int area = m_random.draw(11);
    const int point = m_random.draw(16);
    const QString replyAddress = Address(Point, Address::LightSensor, area, point, 0, 0).toString(Address::Compare);
    const QList<Address::Token> tokens = Address::toTokens(sensorAddress);
    const int kind = m_random.draw(3);
    const int lux = LUX_MIN + m_random.draw(LUX_RANGE);
    QList<int> values;
    for (const Address::Token& token : tokens)
        values.append(token.first);
    values << lux << kind;
    Message reply(DimensionValue, LightSensorsExtended, replyAddress, 0, request.dimension(), values,
                  int(tokens.size()));
    // Leading zeros of the sensor's address survive.
    for (int i = 0; i < tokens.size(); ++i) {
        if (Utilities::MathTools::digitsCount(tokens.at(i).first) != tokens.at(i).second)
            reply.setParameterMinWidth(i, tokens.at(i).second);
    }
    deliver(reply);
    return true;
}

bool DeviceStatusAnswers::respondToLightSensorsGatewayTypeRecognitionMessage(const Message& request)
{
    if (!PseudoDriver::isRequest(request, Message::createLightSensorsGatewayTypeRecognitionMessage()))
        return false;
    const int first = m_random.draw();
    const int second = m_random.draw();
    const bool firstType = m_random.draw() % 2 == 1;
    const QList<int> values = firstType ? QList<int> { first, 127, second } : QList<int> { 127, first, second };
    deliver(Message(DimensionValue, request.systemType(), QString(), 0,
                    firstType ? LIGHT_SENSORS_TYPE_1 : LIGHT_SENSORS_TYPE_2, values, 0),
            m_driver.isMonitorConnected());
    return true;
}

bool DeviceStatusAnswers::respondToPresenceSensorStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createPresenceSensorGranularityStatusMessage(address)))
        return false;
    const int system = request.systemType();
    deliver(Message(DimensionWrite, system, address, 0, PRESENCE_GRANULARITY, { 0, 0, 5 }, 0));
    const int presence = m_random.draw(3);
    if (presence != 0)
        deliver(Message(DimensionWrite, system, address, presence == 1 ? PRESENCE_DETECTED : PRESENCE_ENDED,
                        PRESENCE_GRANULARITY, { 0 }, 0));
    return true;
}

bool DeviceStatusAnswers::respondToShutterStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createShutterStatusMessage(address)))
        return false;
    deliver(Message::createShutterMessage(address, m_random.draw(3)));
    return true;
}

bool DeviceStatusAnswers::respondToServerStatus(const Message& request)
{
    if (request.systemType() != Gateway)
        return false;
    const QDateTime now = m_driver.clock()->now();
    const QDate today = now.date();
    const int dimension = request.dimension();
    const QList<int> values = serverStatusValues(dimension, now);
    // Settings the gateway does not know are answered with its date.
    const bool known = !values.isEmpty();
    deliver(Message(DimensionWrite, Gateway, request.address(), 0, known ? dimension : GATEWAY_DATE,
                    known ? values : QList<int> { 0, today.day(), today.month(), today.year() }, 0));
    return true;
}

// The values of a gateway setting, or none for a setting the gateway does not
// know. Values drawn one after the other are written last first.
QList<int> DeviceStatusAnswers::serverStatusValues(int dimension, const QDateTime& now)
{
    const auto bytes = [this](int count) {
        QList<int> drawn;
        for (int i = 0; i < count; ++i)
            drawn.prepend(m_random.draw(256));
        return drawn;
    };
    switch (dimension) {
    case GATEWAY_IP: {
        const int host = HOST_FIRST + m_random.draw(HOST_COUNT);
        return { PRIVATE_NETWORK_FIRST, PRIVATE_NETWORK_SECOND, m_random.draw(256), host };
    }
    case GATEWAY_NET_MASK:
        return maskBytes(m_random.random(MASK_BITS_MIN, MASK_BITS_MAX));
    case GATEWAY_MAC:
        return bytes(6);
    // The device type is asked for as its own setting (27) and also
    // answered under the dimension it is reported with.
    case GATEWAY_DEVICE_TYPE:
    case GATEWAY_DEVICE_TYPE_REQUEST:
        return { GATEWAY_DEVICE_TYPES.at(m_random.random(0, int(GATEWAY_DEVICE_TYPES.size()) - 1)) };
    case GATEWAY_FIRMWARE: {
        const int patch = m_random.draw(10);
        const int minor = m_random.draw(10);
        return { 1 + m_random.draw(3), minor, patch };
    }
    case GATEWAY_UPTIME: {
        const int seconds = m_random.draw(200);
        const int minutes = m_random.draw(60);
        const int hours = m_random.draw(24);
        return { m_random.draw(1001), hours, minutes, seconds };
    }
    case GATEWAY_TIME_DATE: {
        // The gateway's clock is the one its answers count "today" by, so
        // that the meters' days and the gateway's time agree.
        const QTime time = now.time();
        const QDate today = now.date();
        return { time.hour(), time.minute(), time.second(), 0, today.day(), today.month(), today.year(), 0 };
    }
    default:
        return {};
    }
}

bool DeviceStatusAnswers::respondToTemperatureStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createTemperatureStatusMessage(address)))
        return false;
    deliver(Message(DimensionValue, request.systemType(), address, 0, ZONE_TEMPERATURE,
                    { m_random.draw(ZONE_TEMPERATURE_RANGE) }, 0));
    return true;
}

bool DeviceStatusAnswers::respondToTemperatureZoneStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createTemperatureZoneStatusMessage(address)))
        return false;
    const int system = request.systemType();
    // "#0" is the central unit: locked or unlocked.
    if (address == QLatin1String("#0")) {
        deliver(Message(Command, system, address, UNIT_UNLOCKED + m_random.draw(2), 0));
        return true;
    }
    const Message state(Command, system, address, randomTemperatureZoneStatus(), 0);
    const Message temperature(DimensionValue, system, address, 0, ZONE_TEMPERATURE,
                              { m_random.draw(ZONE_TEMPERATURE_RANGE) }, 0);
    const Message setpoint(DimensionValue, system, address, 0, ZONE_SETPOINT,
                           { m_random.draw(ZONE_TEMPERATURE_RANGE), SETPOINT_MANUAL_MODE }, 0);
    const Message offset(DimensionValue, system, address, 0, ZONE_OFFSET, { 11 + m_random.draw(3) }, 0);
    for (const Message& message : { state, temperature, setpoint, offset })
        deliver(message);
    return true;
}

int DeviceStatusAnswers::randomTemperatureZoneStatus()
{
    return ZONE_STATES.at(m_random.draw(int(ZONE_STATES.size())));
}

bool DeviceStatusAnswers::respondToExternalTemperatureProbeStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createExternalTemperatureProbeStatusMessage(address)))
        return false;
    deliver(Message(DimensionWrite, request.systemType(), address, 0, request.dimension(),
                    { 4, 100 + m_random.draw(801), 1 }, 0));
    return true;
}

bool DeviceStatusAnswers::respondToFancoilSetupStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createFancoilSetupStatusMessage(address)))
        return false;
    deliver(Message(DimensionWrite, request.systemType(), address, 0, request.dimension(), { m_random.draw(4) }, 0));
    return true;
}

bool DeviceStatusAnswers::respondToAirConditionerStatus(const Message& request)
{
    const QString address = request.address();
    if (!PseudoDriver::isRequest(request, Message::createAirConditionerStatusMessage(address)))
        return false;
    const int swing = m_random.draw(2);
    const int speed = m_random.draw(5);
    const int setpoint = 180 + 10 * m_random.draw(8);
    const int mode = m_random.draw(6);
    deliver(Message(DimensionWrite, request.systemType(), address, 0, request.dimension(),
                    { mode, setpoint, speed, swing }, 0));
    return true;
}

bool DeviceStatusAnswers::respondToZoneSetpointTemperature(const Message& request)
{
    if (request.systemType() != Thermoregulation || request.dimension() != ZONE_SETPOINT)
        return false;
    deliver(request);
    // The zone then reports manual mode.
    deliver(Message(Command, Thermoregulation, request.address(), ZONE_MANUAL_HEATING, 0));
    return true;
}

} // namespace Corvane::Sentrel

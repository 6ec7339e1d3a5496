#pragma once

#include "pravikdriver/Message.h"

#include <QDateTime>

namespace Corvane::Sentrel {

class PseudoDriver;
class SimulationRandom;

// The simulated gateway's answers to the status requests of lights, dimmers,
// light and presence sensors, shutters, the gateway itself and
// thermoregulation. Each respondTo... operation returns true when it
// recognised the request and has handed its answer to the driver's
// listeners.
class DeviceStatusAnswers
{
public:
    DeviceStatusAnswers(PseudoDriver& driver, SimulationRandom& random);

    // Offers the request to the answers in their order; true when one took it.
    bool respond(const PravikDriver::Message& request);

    bool respondToLigthStatus(const PravikDriver::Message& request);
    bool respondToDimmer100Status(const PravikDriver::Message& request);
    bool respondToLightSensorStatus(const PravikDriver::Message& request);
    bool respondToLightSensorsGatewayTypeRecognitionMessage(const PravikDriver::Message& request);
    bool respondToPresenceSensorStatus(const PravikDriver::Message& request);
    bool respondToShutterStatus(const PravikDriver::Message& request);
    bool respondToServerStatus(const PravikDriver::Message& request);
    bool respondToTemperatureStatus(const PravikDriver::Message& request);
    bool respondToTemperatureZoneStatus(const PravikDriver::Message& request);
    bool respondToExternalTemperatureProbeStatus(const PravikDriver::Message& request);
    bool respondToFancoilSetupStatus(const PravikDriver::Message& request);
    bool respondToAirConditionerStatus(const PravikDriver::Message& request);
    bool respondToZoneSetpointTemperature(const PravikDriver::Message& request);

    // The gateway's device-type codes that the answers pick from.
    static const QList<int> GATEWAY_DEVICE_TYPES;
    // The zone states that a zone status answer picks from.
    static const QList<int> ZONE_STATES;

private:
    void deliver(const PravikDriver::Message& message, bool flag = false);
    QList<int> serverStatusValues(int dimension, const QDateTime& now);
    int randomTemperatureZoneStatus();

    PseudoDriver& m_driver;
    SimulationRandom& m_random;
};

} // namespace Corvane::Sentrel

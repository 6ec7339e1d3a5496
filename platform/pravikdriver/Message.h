#pragma once

#include "Value.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Corvane::PravikDriver {

// One PravikNet message: a request sent to a gateway or a message received
// from it. The parameters are kept as the texts they were written with; the
// first dimensionParameterCount() of them qualify the dimension, the rest
// are its values.
class Message
{
public:
    enum ServerSettings {
        IpAddress = 10,
        NetMask = 11,
        MacAddress = 12,
        Firmware = 16,
        Uptime = 19,
        TimeAndDate = 22,
        DeviceType = 27,
    };

    static const Message Empty;

    Message() = default;
    Message(int messageType, int systemType, const QString& address, int commandType, int dimension,
            const QList<int>& values = {}, int dimensionParameterCount = 0);
    // A message whose parameters may be absent (written as empty texts).
    static Message withOptionalValues(int messageType, int systemType, const QString& address, int commandType,
                                      int dimension, const QList<Value<int>>& values, int dimensionParameterCount);

    bool isEmpty() const { return *this == Empty; }
    int messageType() const { return m_messageType; }
    int systemType() const { return m_systemType; }
    QString address() const { return m_address; }
    int commandType() const { return m_commandType; }
    int dimension() const { return m_dimension; }
    QList<Value<int>> parameters() const;
    // The parameter at index, or invalid when absent or not a number.
    Value<int> parameter(int index) const;
    QStringList rawParameters() const { return m_rawParameters; }
    int dimensionParameterCount() const { return m_dimensionParameterCount; }
    int priority() const { return m_priority; }
    void setPriority(int priority) { m_priority = priority; }
    // Pads parameter index with leading zeros to at least width digits.
    void setParameterMinWidth(int index, int width);
    // Replaces the parameter texts (as read from the wire).
    void setRawParameters(const QStringList& texts) { m_rawParameters = texts; }

    bool operator==(const Message& other) const;
    bool operator!=(const Message& other) const { return !(*this == other); }

    // Lighting
    static Message createSwitchLightMessage(const QString& address, bool on);
    static Message createDimmer10Message(const QString& address, int step);
    static Message createDimmer100Message(const QString& address, int level, int speed);
    static Message createLightStatusMessage(const QString& address);
    static Message createDimmer100StatusMessage(const QString& address);
    // Automation
    static Message createShutterMessage(const QString& address, int command);
    static Message createShutterStatusMessage(const QString& address);
    // Scenarios, CEN and CEN+
    static Message createScenarioMessage(const QString& address, int scenario);
    static Message createStartScenarioPlusMessage(const QString& address, int level);
    static Message createStopScenarioPlusMessage(const QString& address);
    static Message createCenMessage(const QString& address, int pushButton, int action);
    static Message createCenPlusMessage(const QString& address, int pushButton, int action);
    // Sensors
    static Message createPresenceSensorGranularityStatusMessage(const QString& address);
    static Message createLightSensorStatusMessage(const QString& address, bool extendedSystem);
    static Message createLightSensorsGatewayTypeRecognitionMessage();
    // Thermoregulation
    static Message createTemperatureStatusMessage(const QString& address);
    static Message createExternalTemperatureProbeStatusMessage(const QString& address);
    static Message createTemperatureZoneStatusMessage(const QString& address);
    static Message createFancoilSetupStatusMessage(const QString& address);
    static Message createAirConditionerStatusMessage(const QString& address);
    static Message createZoneSetpointStatusMessage(const QString& address);
    static Message createFancoilSpeedMessage(const QString& address, int setup);
    static Message createUnlockTemperatureUnitMessage(const QString& address);
    static Message createZoneCommandMessage(const QString& address, int command);
    static Message createManualTemperatureMessage(const QString& address, float celsius);
    static Message createAirConditionerMessage(const QString& address, const Value<int>& mode,
                                               const Value<float>& setpoint, const Value<int>& speed,
                                               const Value<int>& swing);
    // Gateway
    static Message createServerStatusMessage(int setting);
    // Energy
    static Message createInstantEnergyMessage(const QString& address);
    static Message createInstantGasMessage(const QString& address);
    static Message createInstantHeatMessage(const QString& address);
    static Message createInstantWaterMessage(const QString& address);
    static Message createStartAutoUpdateMessage(const QString& address, int energyType, int period);
    static Message createCurrentDayTotalMessage(const QString& address);
    static Message createCurrentMonthTotalMessage(const QString& address);
    static Message createMonthTotalMessage(const QString& address, int year, int month);
    static Message createDayPerHourMessage(const QString& address, int month, int day, bool oldInterface);
    static Message createMonthPerDayMessage(const QString& address, int month, bool oldInterface);
    static Message createMonthPerHourMessage(const QString& address, int month, bool oldInterface);
    static Message createMonthPerDayPrevMessage(const QString& address, int month);
    // Load management
    static Message createLoadActuatorStatusMessage(const QString& address);
    static Message createAskCountersMessage(const QString& address, int counter);
    static Message createResetCountersMessage(const QString& address, int counter);
    static Message createForceActuatorMessage(const QString& address, bool on);

private:
    int m_messageType = 0;
    int m_systemType = 0;
    QString m_address;
    int m_commandType = 0;
    int m_dimension = 0;
    QStringList m_rawParameters;
    int m_dimensionParameterCount = 0;
    int m_priority = 0;
};

} // namespace Corvane::PravikDriver

#pragma once

#include "Driver.h"
#include "MultiFrameAssembler.h"
#include "Value.h"

namespace Corvane::PravikDriver {

// A gateway driver with one operation per device function. Every request
// operation builds its message with the matching factory, gives it its
// priority and passes it to sendMessage(); answers reach the listeners
// through sendMessageToListeners(), which decodes them by family.
class OpenDriver : public Driver
{
    Q_OBJECT

public:
    static constexpr int NORMAL_PRIORITY = 1;

    // A null clock is the computer's clock.
    explicit OpenDriver(QObject* parent = nullptr, DriverClock* clock = nullptr);

    // Lighting
    void switchLight(const QString& address, bool on);
    void setDimmer10Level(const QString& address, int step);
    void setDimmer100Level(const QString& address, int level, int speed);
    void requestLigthStatus(const QString& address);
    void requestDimmer100Status(const QString& address);
    // Automation
    void moveShutter(const QString& address, int commandType);
    void requestShutterStatus(const QString& address);
    // Scenarios, CEN and CEN+
    void executeScenario(const QString& address, int scenario);
    void startScenarioPlus(const QString& address, int level);
    void stopScenarioPlus(const QString& address);
    void executeCenCommand(const QString& address, int pushButton, int action);
    void executeCenPlusCommand(const QString& address, int pushButton, int action);
    // Sound
    void switchAmplifier(const QString& address, bool on, int area);
    void setAmplifierVolume(const QString& address, int volume);
    void setAreaSoundSource(const QString& address, int area, int source);
    void selectNextTrack(const QString& address);
    void selectPrevTrack(const QString& address);
    void selectNextStation(const QString& address);
    void selectPrevStation(const QString& address);
    void requestAmplifierStatus(const QString& address);
    void requestSourceRDS(const QString& address);
    void requestAvailableSources(const QString& address, bool fourSourceSystem);
    void requestTrackStation(const QString& address);
    // Thermoregulation
    void setFancoilSpeed(const QString& address, int setup);
    void unlockTemperatureUnit(const QString& address);
    void setGenericProtectionMode(const QString& address);
    void switchOffTemperatureUnit(const QString& address);
    void setTemperatureManually(const QString& address, float celsius);
    void setTemperatureUnitAutoMode(const QString& address);
    void setAirConditionerProperties(const QString& address, const Value<int>& mode, const Value<float>& setpoint,
                                     const Value<int>& speed, const Value<int>& swing);
    void requestTemperatureStatus(const QString& address);
    void requestExternalTemperatureProbeStatus(const QString& address);
    void requestTemperatureZoneStatus(const QString& address);
    void requestFancoilSetupStatus(const QString& address);
    void requestAirConditionerStatus(const QString& address);
    void requestZoneSetpointTemperature(const QString& address);
    // Sensors
    void requestPresenceSensorStatus(const QString& address);
    void requestLightSensorsGatewayType();
    void requestLightSensorStatus(const QString& address, bool extendedSystem);
    // Gateway
    void requestServerStatus(int setting);
    // Energy meters
    void requestEnergyInstantData(const QString& address, int energyType);
    void requestEnergyStartAutoUpdate(const QString& address, int energyType, int period, int priority);
    void requestCurrentDayTotal(const QString& address);
    void requestDayPerHour(const QString& address, int month, int day, bool oldInterface);
    void requestCurrentMonthTotal(const QString& address);
    void requestMonthTotal(const QString& address, int year, int month);
    void requestMonthPerDay(const QString& address, int month, bool oldInterface);
    void requestMonthPerHour(const QString& address, int month, bool oldInterface);
    void requestMonthPerDayPrev(const QString& address, int month);
    // Loads
    void requestLoadStatus(const QString& address);
    void requestLoadCounter(const QString& address, int counter);
    void resetLoadCounter(const QString& address, int counter);
    void forceLoadActuator(const QString& address, bool on);

    // Forgets what is pending for answers of dimension at (system, address):
    // collected frames and unanswered requests. Sends nothing.
    void clearPendingResponseMessages(int systemType, const QString& address, int dimension);

public Q_SLOTS:
    virtual void sendMessage(const Corvane::PravikDriver::Message& message);
    // Hands message to every listener before returning: messageReceived,
    // then the family callback (for answers in several frames: progress per
    // frame, and the whole answer with the last one).
    virtual void sendMessageToListeners(const Corvane::PravikDriver::Message& message,
                                        const Corvane::PravikDriver::Message& second, bool flag);

protected:
    void handleGatewayMessage(const Message& message, const Message& request, bool pushed) override;

private:
    void request(Message message, int priority = NORMAL_PRIORITY);
    void deliverFamilyMessage(PravikListener* listener, const Message& message, bool flag);
    static int answerDimensionOf(const Message& request);

    MultiFrameAssembler m_assembler;
};

} // namespace Corvane::PravikDriver

#include "OpenDriver.h"

#include "PravikCodes.h"
#include "PravikEnums.h"
#include "PravikListener.h"
#include "UserMessages/AutomationMessage.h"
#include "UserMessages/CenMessage.h"
#include "UserMessages/CenPlusMessage.h"
#include "UserMessages/InterfaceDeviceMessage.h"
#include "UserMessages/LightSensorMessage.h"
#include "UserMessages/LightsMessage.h"
#include "UserMessages/LoadManagementMessage.h"
#include "UserMessages/PresenceSensorMessage.h"
#include "UserMessages/ScenarioMessage.h"
#include "UserMessages/ScenarioPlusMessage.h"
#include "UserMessages/SoundMessage.h"
#include "UserMessages/TemperatureMessage.h"
#include "log/Logger.h"

namespace Corvane::PravikDriver {

using namespace PravikCodes;
using namespace UserMessages;
using Log::Logger;

OpenDriver::OpenDriver(QObject* parent, DriverClock* clock)
    : Driver(parent, clock)
{
}

void OpenDriver::switchLight(const QString& address, bool on)
{
    request(Message::createSwitchLightMessage(address, on));
}

void OpenDriver::setDimmer10Level(const QString& address, int step)
{
    request(Message::createDimmer10Message(address, step));
}

void OpenDriver::setDimmer100Level(const QString& address, int level, int speed)
{
    request(Message::createDimmer100Message(address, level, speed));
}

void OpenDriver::requestLigthStatus(const QString& address)
{
    request(Message::createLightStatusMessage(address));
}

void OpenDriver::requestDimmer100Status(const QString& address)
{
    request(Message::createDimmer100StatusMessage(address));
}

void OpenDriver::moveShutter(const QString& address, int commandType)
{
    request(Message::createShutterMessage(address, commandType));
}

void OpenDriver::requestShutterStatus(const QString& address)
{
    request(Message::createShutterStatusMessage(address));
}

void OpenDriver::executeScenario(const QString& address, int scenario)
{
    request(Message::createScenarioMessage(address, scenario));
}

void OpenDriver::startScenarioPlus(const QString& address, int level)
{
    request(Message::createStartScenarioPlusMessage(address, level));
}

void OpenDriver::stopScenarioPlus(const QString& address)
{
    request(Message::createStopScenarioPlusMessage(address));
}

void OpenDriver::executeCenCommand(const QString& address, int pushButton, int action)
{
    request(Message::createCenMessage(address, pushButton, action));
}

void OpenDriver::executeCenPlusCommand(const QString& address, int pushButton, int action)
{
    request(Message::createCenPlusMessage(address, pushButton, action));
}

void OpenDriver::switchAmplifier(const QString& address, bool on, int area)
{
    request(SoundMessage::createSwitchAmplifierMessage(address, on, area));
}

void OpenDriver::setAmplifierVolume(const QString& address, int volume)
{
    request(SoundMessage::createSetVolumeMessage(address, volume));
}

void OpenDriver::setAreaSoundSource(const QString& address, int area, int source)
{
    request(SoundMessage::createSetAreaSourceMessage(address, area, source));
}

void OpenDriver::selectNextTrack(const QString& address)
{
    request(SoundMessage::createNextTrackMessage(address));
}

void OpenDriver::selectPrevTrack(const QString& address)
{
    request(SoundMessage::createPrevTrackMessage(address));
}

void OpenDriver::selectNextStation(const QString& address)
{
    request(SoundMessage::createNextStationMessage(address));
}

void OpenDriver::selectPrevStation(const QString& address)
{
    request(SoundMessage::createPrevStationMessage(address));
}

void OpenDriver::requestAmplifierStatus(const QString& address)
{
    request(SoundMessage::createAmplifierStatusRequestMessage(address));
}

void OpenDriver::requestSourceRDS(const QString& address)
{
    request(SoundMessage::createRdsRequestMessage(address));
}

void OpenDriver::requestAvailableSources(const QString& address, bool fourSourceSystem)
{
    request(SoundMessage::createActiveAmbRequestMessage(address, fourSourceSystem));
}

void OpenDriver::requestTrackStation(const QString& address)
{
    request(SoundMessage::createTrackStationRequestMessage(address));
}

void OpenDriver::setFancoilSpeed(const QString& address, int setup)
{
    request(Message::createFancoilSpeedMessage(address, setup));
}

void OpenDriver::unlockTemperatureUnit(const QString& address)
{
    request(Message::createUnlockTemperatureUnitMessage(address));
}

void OpenDriver::setGenericProtectionMode(const QString& address)
{
    request(Message::createZoneCommandMessage(address, ZONE_PROTECTION));
}

void OpenDriver::switchOffTemperatureUnit(const QString& address)
{
    request(Message::createZoneCommandMessage(address, ZONE_OFF));
}

void OpenDriver::setTemperatureManually(const QString& address, float celsius)
{
    request(Message::createManualTemperatureMessage(address, celsius));
}

void OpenDriver::setTemperatureUnitAutoMode(const QString& address)
{
    request(Message::createZoneCommandMessage(address, ZONE_AUTOMATIC));
}

void OpenDriver::setAirConditionerProperties(const QString& address, const Value<int>& mode,
                                             const Value<float>& setpoint, const Value<int>& speed,
                                             const Value<int>& swing)
{
    request(Message::createAirConditionerMessage(address, mode, setpoint, speed, swing));
}

void OpenDriver::requestTemperatureStatus(const QString& address)
{
    request(Message::createTemperatureStatusMessage(address));
}

void OpenDriver::requestExternalTemperatureProbeStatus(const QString& address)
{
    request(Message::createExternalTemperatureProbeStatusMessage(address));
}

void OpenDriver::requestTemperatureZoneStatus(const QString& address)
{
    request(Message::createTemperatureZoneStatusMessage(address));
}

void OpenDriver::requestFancoilSetupStatus(const QString& address)
{
    request(Message::createFancoilSetupStatusMessage(address));
}

void OpenDriver::requestAirConditionerStatus(const QString& address)
{
    request(Message::createAirConditionerStatusMessage(address));
}

void OpenDriver::requestZoneSetpointTemperature(const QString& address)
{
    request(Message::createZoneSetpointStatusMessage(address));
}

void OpenDriver::requestPresenceSensorStatus(const QString& address)
{
    request(Message::createPresenceSensorGranularityStatusMessage(address));
}

void OpenDriver::requestLightSensorsGatewayType()
{
    request(Message::createLightSensorsGatewayTypeRecognitionMessage());
}

void OpenDriver::requestLightSensorStatus(const QString& address, bool extendedSystem)
{
    request(Message::createLightSensorStatusMessage(address, extendedSystem));
}

void OpenDriver::requestServerStatus(int setting)
{
    request(Message::createServerStatusMessage(setting));
}

void OpenDriver::requestEnergyInstantData(const QString& address, int energyType)
{
    switch (energyType) {
    case PravikEnums::Electricity:
        request(Message::createInstantEnergyMessage(address));
        break;
    case PravikEnums::Gas:
        request(Message::createInstantGasMessage(address));
        break;
    case PravikEnums::Heat:
        request(Message::createInstantHeatMessage(address));
        break;
    case PravikEnums::Water:
        request(Message::createInstantWaterMessage(address));
        break;
    default:
        Logger(Logger::Error) << Q_FUNC_INFO << " unknown energy type " << qint64(energyType);
        break;
    }
}

void OpenDriver::requestEnergyStartAutoUpdate(const QString& address, int energyType, int period, int priority)
{
    request(Message::createStartAutoUpdateMessage(address, energyType, period), priority);
}

void OpenDriver::requestCurrentDayTotal(const QString& address)
{
    request(Message::createCurrentDayTotalMessage(address));
}

void OpenDriver::requestDayPerHour(const QString& address, int month, int day, bool oldInterface)
{
    if (oldInterface)
        m_assembler.setRequestedDay(address, month, day);
    request(Message::createDayPerHourMessage(address, month, day, oldInterface));
}

void OpenDriver::requestCurrentMonthTotal(const QString& address)
{
    request(Message::createCurrentMonthTotalMessage(address));
}

void OpenDriver::requestMonthTotal(const QString& address, int year, int month)
{
    request(Message::createMonthTotalMessage(address, year, month));
}

void OpenDriver::requestMonthPerDay(const QString& address, int month, bool oldInterface)
{
    request(Message::createMonthPerDayMessage(address, month, oldInterface));
}

void OpenDriver::requestMonthPerHour(const QString& address, int month, bool oldInterface)
{
    request(Message::createMonthPerHourMessage(address, month, oldInterface));
}

void OpenDriver::requestMonthPerDayPrev(const QString& address, int month)
{
    request(Message::createMonthPerDayPrevMessage(address, month));
}

void OpenDriver::requestLoadStatus(const QString& address)
{
    request(Message::createLoadActuatorStatusMessage(address));
}

void OpenDriver::requestLoadCounter(const QString& address, int counter)
{
    request(Message::createAskCountersMessage(address, counter));
}

void OpenDriver::resetLoadCounter(const QString& address, int counter)
{
    request(Message::createResetCountersMessage(address, counter));
}

void OpenDriver::forceLoadActuator(const QString& address, bool on)
{
    request(Message::createForceActuatorMessage(address, on));
}

void OpenDriver::clearPendingResponseMessages(int systemType, const QString& address, int dimension)
{
    m_assembler.discard(address, dimension);
    forgetPendingRequests([&](const Message& pending) {
        return pending.systemType() == systemType && pending.address() == address
            && answerDimensionOf(pending) == dimension;
    });
}

void OpenDriver::sendMessage(const Message& message)
{
    transmit(message);
}

void OpenDriver::sendMessageToListeners(const Message& message, const Message& second, bool flag)
{
    const bool multiFrame = LoadManagementMessage::canDecode(message)
        && MultiFrameAssembler::isMultiFrame(message.dimension());
    MultiFrameAssembler::Progress progress;
    std::optional<LoadManagementMessage> assembled;
    if (multiFrame) {
        assembled = m_assembler.add(message, &progress);
        if (progress.total == 0)
            Logger(Logger::Warning) << Q_FUNC_INFO << " malformed energy frame from " << message.address() << " dropped";
    }

    const QList<PravikListener*> receivers = listeners();
    for (PravikListener* listener : receivers) {
        if (!isListenerRegistered(listener))
            continue;
        listener->messageReceived(this, message, second, flag);
        if (!isListenerRegistered(listener))
            continue;
        if (!multiFrame) {
            deliverFamilyMessage(listener, message, flag);
            continue;
        }
        if (progress.total > 0)
            listener->receivedDataProgress(this, message.systemType(), message.dimension(), message.address(), 0,
                                           progress.total, progress.received, 0);
        if (assembled && isListenerRegistered(listener))
            listener->loadManagementMessageReceived(this, *assembled, message, flag);
    }
}

void OpenDriver::handleGatewayMessage(const Message& message, const Message& request, bool pushed)
{
    sendMessageToListeners(message, request, pushed);
}

void OpenDriver::request(Message message, int priority)
{
    message.setPriority(priority);
    sendMessage(message);
}

void OpenDriver::deliverFamilyMessage(PravikListener* listener, const Message& message, bool flag)
{
    if (LightSensorMessage::canDecode(message)) {
        listener->lightSensorMessageReceived(this, LightSensorMessage(message), message, flag);
        return;
    }
    switch (message.systemType()) {
    case PravikEnums::Lighting:
        if (LightsMessage::canDecode(message))
            listener->lightMessageReceived(this, LightsMessage(message), message, flag);
        else if (PresenceSensorMessage::canDecode(message))
            listener->presenceMessageReceived(this, PresenceSensorMessage(message), message, flag);
        break;
    case PravikEnums::Automation:
        if (AutomationMessage::canDecode(message))
            listener->automationMessageReceived(this, AutomationMessage(message), message, flag);
        break;
    case PravikEnums::Scenarios:
        if (ScenarioMessage::canDecode(message))
            listener->scenarioMessageReceived(this, ScenarioMessage(message), message, flag);
        break;
    case PravikEnums::ScenarioPlus:
        if (ScenarioPlusMessage::canDecode(message))
            listener->scenarioPlusMessageReceived(this, ScenarioPlusMessage(message), message, flag);
        break;
    case PravikEnums::Cen:
        if (CenMessage::canDecode(message))
            listener->cenMessageReceived(this, CenMessage(message), message, flag);
        break;
    case PravikEnums::CenPlus:
        if (CenPlusMessage::canDecode(message))
            listener->cenPlusMessageReceived(this, CenPlusMessage(message), message, flag);
        break;
    case PravikEnums::Thermoregulation:
        if (TemperatureMessage::canDecode(message))
            listener->temperatureMessageReceived(this, TemperatureMessage(message), message, flag);
        break;
    case PravikEnums::Sound:
        if (SoundMessage::canDecode(message))
            listener->soundMessageReceived(this, SoundMessage(message), message, flag);
        break;
    case PravikEnums::EnergyManagement:
        if (LoadManagementMessage::canDecode(message))
            listener->loadManagementMessageReceived(this, LoadManagementMessage(message), message, flag);
        break;
    case PravikEnums::Gateway:
        if (InterfaceDeviceMessage::canDecode(message))
            listener->interfaceDeviceMessageReceived(this, InterfaceDeviceMessage(message), message, flag);
        break;
    default:
        break;
    }
}

int OpenDriver::answerDimensionOf(const Message& request)
{
    if (request.systemType() != PravikEnums::EnergyManagement || request.messageType() != PravikEnums::Command)
        return request.dimension();
    switch (request.commandType()) {
    case NEW_DAY_PER_HOUR_REQUEST:
        return NEW_DAY_PER_HOUR;
    case OLD_DAY_PER_HOUR_REQUEST:
        return OLD_DAY_PER_HOUR;
    case NEW_MONTH_PER_DAY_REQUEST:
        return NEW_MONTH_PER_DAY;
    case OLD_MONTH_PER_DAY_REQUEST:
        return OLD_MONTH_PER_DAY;
    case NEW_MONTH_PER_HOUR_REQUEST:
        return NEW_MONTH_PER_HOUR;
    case OLD_MONTH_PER_HOUR_REQUEST:
        return OLD_MONTH_PER_HOUR;
    case MONTH_PER_DAY_PREV_REQUEST:
        return NEW_MONTH_PER_DAY_PREV;
    default:
        return request.dimension();
    }
}

} // namespace Corvane::PravikDriver

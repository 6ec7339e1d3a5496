#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/SoundMessage.h"

#include <QTest>

#include <functional>

using namespace Corvane::PravikDriver;
using Request = std::function<void(OpenDriver&)>;
using UserMessages::SoundMessage;

Q_DECLARE_METATYPE(Request)
Q_DECLARE_METATYPE(Message)

namespace {

// Keeps what the request operations hand to sendMessage(), as a driver
// that answers requests itself would see them.
class RecordingDriver : public OpenDriver
{
public:
    QList<Message> sent;
    void sendMessage(const Message& message) override { sent.append(message); }
};

const QString A = QStringLiteral("12");

} // namespace

// Every request operation sends exactly its factory's message, with the
// normal priority unless the operation takes one.
class tst_RequestOperations : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sendsTheFactoryMessage_data();
    void sendsTheFactoryMessage();
    void unknownEnergyTypeSendsNothing();
};

void tst_RequestOperations::sendsTheFactoryMessage_data()
{
    QTest::addColumn<Request>("request");
    QTest::addColumn<Message>("expected");
    QTest::addColumn<int>("priority");

    const auto row = [](const char* name, Request request, const Message& expected, int priority = 1) {
        QTest::newRow(name) << request << expected << priority;
    };
    row("switchLight", [](OpenDriver& d) { d.switchLight(A, false); }, Message::createSwitchLightMessage(A, false));
    row("setDimmer10Level", [](OpenDriver& d) { d.setDimmer10Level(A, 6); }, Message::createDimmer10Message(A, 6));
    row("setDimmer100Level", [](OpenDriver& d) { d.setDimmer100Level(A, 137, 0); }, Message::createDimmer100Message(A, 137, 0));
    row("requestLigthStatus", [](OpenDriver& d) { d.requestLigthStatus(A); }, Message::createLightStatusMessage(A));
    row("requestDimmer100Status", [](OpenDriver& d) { d.requestDimmer100Status(A); }, Message::createDimmer100StatusMessage(A));
    row("moveShutter", [](OpenDriver& d) { d.moveShutter(A, 1); }, Message::createShutterMessage(A, 1));
    row("requestShutterStatus", [](OpenDriver& d) { d.requestShutterStatus(A); }, Message::createShutterStatusMessage(A));
    row("executeScenario", [](OpenDriver& d) { d.executeScenario(A, 3); }, Message::createScenarioMessage(A, 3));
    row("startScenarioPlus", [](OpenDriver& d) { d.startScenarioPlus(A, 50); }, Message::createStartScenarioPlusMessage(A, 50));
    row("stopScenarioPlus", [](OpenDriver& d) { d.stopScenarioPlus(A); }, Message::createStopScenarioPlusMessage(A));
    row("executeCenCommand", [](OpenDriver& d) { d.executeCenCommand(A, 31, 3); }, Message::createCenMessage(A, 31, 3));
    row("executeCenPlusCommand", [](OpenDriver& d) { d.executeCenPlusCommand(A, 2, 1); }, Message::createCenPlusMessage(A, 2, 1));
    row("switchAmplifier", [](OpenDriver& d) { d.switchAmplifier("3#2#1", true, 2); }, SoundMessage::createSwitchAmplifierMessage("3#2#1", true, 2));
    row("setAmplifierVolume", [](OpenDriver& d) { d.setAmplifierVolume("3#2#1", 16); }, SoundMessage::createSetVolumeMessage("3#2#1", 16));
    row("setAreaSoundSource", [](OpenDriver& d) { d.setAreaSoundSource("4#5", 5, 2); }, SoundMessage::createSetAreaSourceMessage("4#5", 5, 2));
    row("selectNextTrack", [](OpenDriver& d) { d.selectNextTrack("6"); }, SoundMessage::createNextTrackMessage("6"));
    row("selectPrevTrack", [](OpenDriver& d) { d.selectPrevTrack("2#1"); }, SoundMessage::createPrevTrackMessage("2#1"));
    row("selectNextStation", [](OpenDriver& d) { d.selectNextStation("2#1"); }, SoundMessage::createNextStationMessage("2#1"));
    row("selectPrevStation", [](OpenDriver& d) { d.selectPrevStation("2#1"); }, SoundMessage::createPrevStationMessage("2#1"));
    row("requestAmplifierStatus", [](OpenDriver& d) { d.requestAmplifierStatus("3#2#1"); }, SoundMessage::createAmplifierStatusRequestMessage("3#2#1"));
    row("requestSourceRDS", [](OpenDriver& d) { d.requestSourceRDS("2#1"); }, SoundMessage::createRdsRequestMessage("2#1"));
    row("requestAvailableSources", [](OpenDriver& d) { d.requestAvailableSources("6", false); }, SoundMessage::createActiveAmbRequestMessage("6", false));
    row("requestTrackStation", [](OpenDriver& d) { d.requestTrackStation("6"); }, SoundMessage::createTrackStationRequestMessage("6"));
    row("setFancoilSpeed", [](OpenDriver& d) { d.setFancoilSpeed(A, 3); }, Message::createFancoilSpeedMessage(A, 3));
    row("unlockTemperatureUnit", [](OpenDriver& d) { d.unlockTemperatureUnit(A); }, Message::createUnlockTemperatureUnitMessage(A));
    row("setGenericProtectionMode", [](OpenDriver& d) { d.setGenericProtectionMode("#12"); }, Message(3, 4, "#12", 400302, 0));
    row("switchOffTemperatureUnit", [](OpenDriver& d) { d.switchOffTemperatureUnit("#12"); }, Message(3, 4, "#12", 400303, 0));
    row("setTemperatureUnitAutoMode", [](OpenDriver& d) { d.setTemperatureUnitAutoMode("#12"); }, Message(3, 4, "#12", 400311, 0));
    row("setTemperatureManually", [](OpenDriver& d) { d.setTemperatureManually("#12", 19.96f); }, Message(4, 4, "#12", 0, 400014, { 200, 3 }, 0));
    row("setAirConditionerProperties", [](OpenDriver& d) { d.setAirConditionerProperties("4#21", 0, {}, {}, {}); },
        Message::createAirConditionerMessage("4#21", 0, {}, {}, {}));
    row("requestTemperatureStatus", [](OpenDriver& d) { d.requestTemperatureStatus(A); }, Message::createTemperatureStatusMessage(A));
    row("requestExternalTemperatureProbeStatus", [](OpenDriver& d) { d.requestExternalTemperatureProbeStatus(A); },
        Message::createExternalTemperatureProbeStatusMessage(A));
    row("requestTemperatureZoneStatus", [](OpenDriver& d) { d.requestTemperatureZoneStatus("#0"); }, Message::createTemperatureZoneStatusMessage("#0"));
    row("requestFancoilSetupStatus", [](OpenDriver& d) { d.requestFancoilSetupStatus(A); }, Message::createFancoilSetupStatusMessage(A));
    row("requestAirConditionerStatus", [](OpenDriver& d) { d.requestAirConditionerStatus(A); }, Message::createAirConditionerStatusMessage(A));
    row("requestZoneSetpointTemperature", [](OpenDriver& d) { d.requestZoneSetpointTemperature(A); }, Message(6, 4, A, 0, 400014));
    row("requestPresenceSensorStatus", [](OpenDriver& d) { d.requestPresenceSensorStatus(A); },
        Message::createPresenceSensorGranularityStatusMessage(A));
    row("requestLightSensorsGatewayType", [](OpenDriver& d) { d.requestLightSensorsGatewayType(); },
        Message::createLightSensorsGatewayTypeRecognitionMessage());
    row("requestLightSensorStatus", [](OpenDriver& d) { d.requestLightSensorStatus(A, false); }, Message::createLightSensorStatusMessage(A, false));
    row("requestServerStatus", [](OpenDriver& d) { d.requestServerStatus(Message::TimeAndDate); }, Message::createServerStatusMessage(22));
    row("requestEnergyInstantData", [](OpenDriver& d) { d.requestEnergyInstantData(A, 4); }, Message::createInstantWaterMessage(A));
    row("requestEnergyStartAutoUpdate", [](OpenDriver& d) { d.requestEnergyStartAutoUpdate(A, 1, 0, 0); },
        Message::createStartAutoUpdateMessage(A, 1, 0), 0);
    row("requestCurrentDayTotal", [](OpenDriver& d) { d.requestCurrentDayTotal(A); }, Message::createCurrentDayTotalMessage(A));
    row("requestDayPerHour", [](OpenDriver& d) { d.requestDayPerHour(A, 2, 29, true); }, Message::createDayPerHourMessage(A, 2, 29, true));
    row("requestCurrentMonthTotal", [](OpenDriver& d) { d.requestCurrentMonthTotal(A); }, Message::createCurrentMonthTotalMessage(A));
    row("requestMonthTotal", [](OpenDriver& d) { d.requestMonthTotal(A, 25, 12); }, Message::createMonthTotalMessage(A, 25, 12));
    row("requestMonthPerDay", [](OpenDriver& d) { d.requestMonthPerDay(A, 7, false); }, Message::createMonthPerDayMessage(A, 7, false));
    row("requestMonthPerHour", [](OpenDriver& d) { d.requestMonthPerHour(A, 7, true); }, Message::createMonthPerHourMessage(A, 7, true));
    row("requestMonthPerDayPrev", [](OpenDriver& d) { d.requestMonthPerDayPrev(A, 7); }, Message::createMonthPerDayPrevMessage(A, 7));
    row("requestLoadStatus", [](OpenDriver& d) { d.requestLoadStatus(A); }, Message::createLoadActuatorStatusMessage(A));
    row("requestLoadCounter", [](OpenDriver& d) { d.requestLoadCounter(A, 1); }, Message::createAskCountersMessage(A, 1));
    row("resetLoadCounter", [](OpenDriver& d) { d.resetLoadCounter(A, 2); }, Message::createResetCountersMessage(A, 2));
    row("forceLoadActuator", [](OpenDriver& d) { d.forceLoadActuator(A, true); }, Message::createForceActuatorMessage(A, true));
}

void tst_RequestOperations::sendsTheFactoryMessage()
{
    QFETCH(Request, request);
    QFETCH(Message, expected);
    QFETCH(int, priority);

    RecordingDriver driver;
    request(driver);
    QCOMPARE(driver.sent.size(), 1);
    expected.setPriority(priority);
    QVERIFY(driver.sent.first() == expected);
}

void tst_RequestOperations::unknownEnergyTypeSendsNothing()
{
    RecordingDriver driver;
    driver.requestEnergyInstantData(A, 0);
    QVERIFY(driver.sent.isEmpty());
}

QTEST_GUILESS_MAIN(tst_RequestOperations)
#include "tst_requestoperations.moc"

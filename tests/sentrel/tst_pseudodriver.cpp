#include "AnswerRecorder.h"
#include "AnswerShape.h"

#include "pravikdriver/PravikCodes.h"
#include "simulation/ClockTimer.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include <QPointer>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <functional>

using Corvane::PravikDriver::Message;
using Corvane::Sentrel::ClockTimer;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::PseudoDriver;
using namespace Corvane::PravikDriver::PravikCodes;

namespace {

const QString METER = QStringLiteral("71");
const QString OTHER_METER = QStringLiteral("72");

QList<int> dimensionsOf(const QList<ReceivedAnswer>& answers)
{
    QList<int> dimensions;
    for (const ReceivedAnswer& answer : answers)
        dimensions.append(answer.message.dimension());
    return dimensions;
}

using Operation = std::function<void(PseudoDriver&)>;

// Keeps what the driver's operations send.
class RequestRecordingDriver : public PseudoDriver
{
public:
    QList<Message> sent;

    void sendMessage(const Message& message) override
    {
        sent.append(message);
        PseudoDriver::sendMessage(message);
    }
};

} // namespace

Q_DECLARE_METATYPE(Operation)

class tst_PseudoDriver : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void startsInitialisedAndConnected();
    void unrecognisedRequestComesBack_data();
    void unrecognisedRequestComesBack();
    void requestOperationsAreAnswered_data();
    void requestOperationsAreAnswered();
    void everyListenerHasEveryAnswerWhenSendMessageReturns();
    void nestedRequestIsAnsweredBeforeTheOuterDeliveryGoesOn();
    void gatewayRequestsAreAllAnsweredByTheGatewayStatus_data();
    void gatewayRequestsAreAllAnsweredByTheGatewayStatus();
    void autoUpdate_data();
    void autoUpdate();
    void autoUpdateMessages();
    void autoUpdateTicks();
    void autoUpdateTimersAreTheDriversOwn();
    void autoUpdateTicksOnTheProgramsClock();
    void sameSeedSameAnswers();
    void randomHelpers();

private:
    ManualClock* m_clock = nullptr;
    PseudoDriver* m_driver = nullptr;
    AnswerRecorder m_recorder;
};

void tst_PseudoDriver::init()
{
    m_clock = new ManualClock;
    m_driver = new PseudoDriver(nullptr, m_clock);
    m_recorder.clear();
    m_recorder.onMessage = nullptr;
    m_driver->registerListener(&m_recorder);
}

void tst_PseudoDriver::cleanup()
{
    delete m_driver;
    delete m_clock;
}

void tst_PseudoDriver::startsInitialisedAndConnected()
{
    QVERIFY(m_driver->isInitialized());
    QVERIFY(m_driver->isMonitorConnected());
    QCOMPARE(m_driver->clock(), m_clock);
}

void tst_PseudoDriver::unrecognisedRequestComesBack_data()
{
    QTest::addColumn<Message>("request");
    Message prioritised = Message::createSwitchLightMessage(QStringLiteral("12"), true);
    prioritised.setPriority(4);
    QTest::newRow("light switched on") << prioritised;
    QTest::newRow("scenario") << Message::createScenarioMessage(QStringLiteral("9"), 3);
    QTest::newRow("automatic update of period 300") << Message::createStartAutoUpdateMessage(METER, 1, 300);
    QTest::newRow("automatic update of energy type 5") << Message::createStartAutoUpdateMessage(METER, 5, 255);
    QTest::newRow("automatic update without its period") << Message(4, 18, METER, 0, AUTO_UPDATE, { 1 }, 1);
    QTest::newRow("empty message") << Message();
}

// The request itself reaches the listeners, with no second message and
// flag false.
void tst_PseudoDriver::unrecognisedRequestComesBack()
{
    QFETCH(Message, request);

    m_driver->sendMessage(request);

    QCOMPARE(m_recorder.answers.size(), 1);
    QCOMPARE(m_recorder.answers.first().message, request);
    QVERIFY(m_recorder.answers.first().second.isEmpty());
    QCOMPARE(m_recorder.answers.first().flag, false);
    QVERIFY(m_driver->energyDeviceAutoUpdates().isEmpty());
}

void tst_PseudoDriver::requestOperationsAreAnswered_data()
{
    QTest::addColumn<Operation>("operation");
    const QString a = QStringLiteral("12");
    QTest::newRow("light status") << Operation([a](PseudoDriver& d) { d.requestLigthStatus(a); });
    QTest::newRow("dimmer-100 status") << Operation([a](PseudoDriver& d) { d.requestDimmer100Status(a); });
    QTest::newRow("shutter status") << Operation([a](PseudoDriver& d) { d.requestShutterStatus(a); });
    QTest::newRow("presence") << Operation([a](PseudoDriver& d) { d.requestPresenceSensorStatus(a); });
    QTest::newRow("light sensor") << Operation([a](PseudoDriver& d) { d.requestLightSensorStatus(a, false); });
    QTest::newRow("extended light sensor")
        << Operation([](PseudoDriver& d) { d.requestLightSensorStatus(QStringLiteral("1#02"), true); });
    QTest::newRow("gateway type") << Operation([](PseudoDriver& d) { d.requestLightSensorsGatewayType(); });
    QTest::newRow("gateway setting") << Operation([](PseudoDriver& d) { d.requestServerStatus(Message::Uptime); });
    QTest::newRow("temperature") << Operation([a](PseudoDriver& d) { d.requestTemperatureStatus(a); });
    QTest::newRow("zone") << Operation([a](PseudoDriver& d) { d.requestTemperatureZoneStatus(a); });
    QTest::newRow("external probe")
        << Operation([a](PseudoDriver& d) { d.requestExternalTemperatureProbeStatus(a); });
    QTest::newRow("fan-coil") << Operation([a](PseudoDriver& d) { d.requestFancoilSetupStatus(a); });
    QTest::newRow("air conditioner") << Operation([a](PseudoDriver& d) { d.requestAirConditionerStatus(a); });
    QTest::newRow("set point") << Operation([a](PseudoDriver& d) { d.requestZoneSetpointTemperature(a); });
    QTest::newRow("automatic update")
        << Operation([](PseudoDriver& d) { d.requestEnergyStartAutoUpdate(METER, 1, 255, 3); });
    QTest::newRow("instant gas") << Operation([](PseudoDriver& d) { d.requestEnergyInstantData(METER, 2); });
    QTest::newRow("current day total") << Operation([](PseudoDriver& d) { d.requestCurrentDayTotal(METER); });
    QTest::newRow("current month total") << Operation([](PseudoDriver& d) { d.requestCurrentMonthTotal(METER); });
    QTest::newRow("month total") << Operation([](PseudoDriver& d) { d.requestMonthTotal(METER, 23, 5); });
    QTest::newRow("day per hour, old") << Operation([](PseudoDriver& d) { d.requestDayPerHour(METER, 1, 2, true); });
    QTest::newRow("day per hour, new") << Operation([](PseudoDriver& d) { d.requestDayPerHour(METER, 1, 2, false); });
    QTest::newRow("month per day, old") << Operation([](PseudoDriver& d) { d.requestMonthPerDay(METER, 1, true); });
    QTest::newRow("month per day, new") << Operation([](PseudoDriver& d) { d.requestMonthPerDay(METER, 1, false); });
    QTest::newRow("month per hour, old") << Operation([](PseudoDriver& d) { d.requestMonthPerHour(METER, 1, true); });
    QTest::newRow("month per hour, new") << Operation([](PseudoDriver& d) { d.requestMonthPerHour(METER, 1, false); });
    QTest::newRow("month per day, previous year")
        << Operation([](PseudoDriver& d) { d.requestMonthPerDayPrev(METER, 1); });
    QTest::newRow("active sources")
        << Operation([](PseudoDriver& d) { d.requestAvailableSources(QStringLiteral("6"), false); });
    QTest::newRow("track and station")
        << Operation([](PseudoDriver& d) { d.requestTrackStation(QStringLiteral("6")); });
    QTest::newRow("RDS") << Operation([](PseudoDriver& d) { d.requestSourceRDS(QStringLiteral("2#1")); });
    QTest::newRow("amplifier") << Operation([](PseudoDriver& d) { d.requestAmplifierStatus(QStringLiteral("4#1")); });
    QTest::newRow("source in area")
        << Operation([](PseudoDriver& d) { d.setAreaSoundSource(QStringLiteral("4#1"), 1, 8); });
    QTest::newRow("previous station")
        << Operation([](PseudoDriver& d) { d.selectPrevStation(QStringLiteral("2#1")); });
    QTest::newRow("previous track") << Operation([](PseudoDriver& d) { d.selectPrevTrack(QStringLiteral("2#1")); });
    QTest::newRow("next station") << Operation([](PseudoDriver& d) { d.selectNextStation(QStringLiteral("2#1")); });
    QTest::newRow("next track") << Operation([](PseudoDriver& d) { d.selectNextTrack(QStringLiteral("2#1")); });
    QTest::newRow("amplifier switched")
        << Operation([](PseudoDriver& d) { d.switchAmplifier(QStringLiteral("4#1"), true, 1); });
}

// What the controllers send through the driver's operations is recognised:
// something else than the request comes back.
void tst_PseudoDriver::requestOperationsAreAnswered()
{
    QFETCH(Operation, operation);

    RequestRecordingDriver driver;
    driver.registerListener(&m_recorder);
    operation(driver);

    QCOMPARE(driver.sent.size(), 1);
    const Message request = driver.sent.first();
    QVERIFY(std::any_of(m_recorder.answers.cbegin(), m_recorder.answers.cend(),
                        [&request](const ReceivedAnswer& answer) { return answer.message != request; }));
}

void tst_PseudoDriver::everyListenerHasEveryAnswerWhenSendMessageReturns()
{
    AnswerRecorder second;
    m_driver->registerListener(&second);

    m_driver->requestTemperatureZoneStatus(QStringLiteral("23"));

    QCOMPARE(m_recorder.answers.size(), 4);
    QCOMPARE(second.answers.size(), 4);
    QCOMPARE(m_recorder.temperatures.size(), 4);
    QCOMPARE(second.temperatures.size(), 4);
    for (int i = 0; i < 4; ++i)
        QCOMPARE(second.answers.at(i).message, m_recorder.answers.at(i).message);
    m_driver->unregisterListener(&second);
}

// A listener that asks again while it is handed an answer gets the new
// answer at once, nested; a later listener sees the nested answer first.
void tst_PseudoDriver::nestedRequestIsAnsweredBeforeTheOuterDeliveryGoesOn()
{
    AnswerRecorder later;
    m_driver->registerListener(&later);
    m_recorder.onMessage = [this](const Message& message) {
        if (message.dimension() == ZONE_TEMPERATURE)
            m_driver->requestServerStatus(Message::IpAddress);
        else if (message.dimension() == GATEWAY_IP)
            m_driver->requestFancoilSetupStatus(QStringLiteral("23"));
    };

    m_driver->requestTemperatureStatus(QStringLiteral("23"));

    QCOMPARE(dimensionsOf(m_recorder.answers), QList<int>({ ZONE_TEMPERATURE, GATEWAY_IP, FANCOIL_SETUP }));
    QCOMPARE(dimensionsOf(later.answers), QList<int>({ FANCOIL_SETUP, GATEWAY_IP, ZONE_TEMPERATURE }));
    m_driver->unregisterListener(&later);
}

void tst_PseudoDriver::gatewayRequestsAreAllAnsweredByTheGatewayStatus_data()
{
    QTest::addColumn<Message>("request");
    QTest::addColumn<int>("dimension");
    QTest::newRow("IP address") << Message::createServerStatusMessage(Message::IpAddress) << GATEWAY_IP;
    QTest::newRow("unknown setting") << Message::createServerStatusMessage(42) << GATEWAY_DATE;
    // Would be an automatic update request on the energy system.
    QTest::newRow("energy dimension") << Message(4, 13, METER, 0, AUTO_UPDATE, { 1, 255 }, 1) << GATEWAY_DATE;
    QTest::newRow("a command") << Message(3, 13, QString(), 1300010, 0) << GATEWAY_DATE;
}

void tst_PseudoDriver::gatewayRequestsAreAllAnsweredByTheGatewayStatus()
{
    QFETCH(Message, request);
    QFETCH(int, dimension);

    m_driver->sendMessage(request);

    QCOMPARE(m_recorder.answers.size(), 1);
    const Message& answer = m_recorder.answers.first().message;
    QCOMPARE(answer.messageType(), 4);
    QCOMPARE(answer.systemType(), 13);
    QCOMPARE(answer.dimension(), dimension);
    QVERIFY(m_driver->energyDeviceAutoUpdates().isEmpty());
}

// Columns: the energy type and period of a first request for the meter and
// of a second one (no second when its period is -1); what the last request
// brought (its dimensions; an echo is the request's own 1801200 alone with
// message type 4 and the flag false); the meter's record afterwards.
void tst_PseudoDriver::autoUpdate_data()
{
    QTest::addColumn<int>("firstType");
    QTest::addColumn<int>("firstPeriod");
    QTest::addColumn<int>("secondType");
    QTest::addColumn<int>("secondPeriod");
    QTest::addColumn<bool>("lastAnswered");
    QTest::addColumn<QList<int>>("lastDimensions");
    QTest::addColumn<int>("recordDimension");
    QTest::addColumn<bool>("timerActive");
    QTest::addColumn<int>("interval");

    const QList<int> confirmed { AUTO_UPDATE };
    const QList<int> none;
    QTest::newRow("first, period 255: confirmation, gas value, 30000 ms")
        << 2 << 255 << 0 << -1 << true << QList<int> { AUTO_UPDATE, INSTANT_GAS } << INSTANT_GAS << true << 30000;
    QTest::newRow("first, period 128: 15058 ms")
        << 1 << 128 << 0 << -1 << true << QList<int> { AUTO_UPDATE, INSTANT_ENERGY } << INSTANT_ENERGY << true
        << 15058;
    QTest::newRow("first, period 1: 117 ms")
        << 4 << 1 << 0 << -1 << true << QList<int> { AUTO_UPDATE, INSTANT_WATER } << INSTANT_WATER << true << 117;
    QTest::newRow("first, period 0: record with a stopped timer, confirmation only")
        << 3 << 0 << 0 << -1 << true << confirmed << INSTANT_HEAT << false << 0;
    QTest::newRow("255 then 0: stopped, confirmation only")
        << 2 << 255 << 2 << 0 << true << confirmed << INSTANT_GAS << false << 30000;
    QTest::newRow("255 then 300: not recognised, still running")
        << 2 << 255 << 2 << 300 << false << confirmed << INSTANT_GAS << true << 30000;
    QTest::newRow("255 then negative: not recognised")
        << 2 << 255 << 2 << -5 << false << confirmed << INSTANT_GAS << true << 30000;
    QTest::newRow("second type keeps the first dimension, new interval")
        << 2 << 255 << 3 << 128 << true << QList<int> { AUTO_UPDATE, INSTANT_GAS } << INSTANT_GAS << true << 15058;
    QTest::newRow("known meter, unknown type: still its own dimension")
        << 1 << 255 << 9 << 255 << true << QList<int> { AUTO_UPDATE, INSTANT_ENERGY } << INSTANT_ENERGY << true
        << 30000;
    QTest::newRow("0 then 255: the same timer starts")
        << 1 << 0 << 1 << 255 << true << QList<int> { AUTO_UPDATE, INSTANT_ENERGY } << INSTANT_ENERGY << true
        << 30000;
}

void tst_PseudoDriver::autoUpdate()
{
    QFETCH(int, firstType);
    QFETCH(int, firstPeriod);
    QFETCH(int, secondType);
    QFETCH(int, secondPeriod);
    QFETCH(bool, lastAnswered);
    QFETCH(QList<int>, lastDimensions);
    QFETCH(int, recordDimension);
    QFETCH(bool, timerActive);
    QFETCH(int, interval);

    m_driver->requestEnergyStartAutoUpdate(METER, firstType, firstPeriod, 1);
    QCOMPARE(m_driver->energyDeviceAutoUpdates().size(), 1);
    ClockTimer* timer = m_driver->energyDeviceAutoUpdates().first().timer();
    if (secondPeriod != -1) {
        m_recorder.clear();
        m_driver->requestEnergyStartAutoUpdate(METER, secondType, secondPeriod, 1);
    }

    QCOMPARE(dimensionsOf(m_recorder.answers), lastDimensions);
    const ReceivedAnswer& first = m_recorder.answers.first();
    QCOMPARE(first.flag, lastAnswered);
    QCOMPARE(first.second.isEmpty(), true);
    QCOMPARE(first.message.messageType(), 4);
    QCOMPARE(m_driver->energyDeviceAutoUpdates().size(), 1);
    const PseudoDriver::EnergyDeviceAutoUpdateInfo& record = m_driver->energyDeviceAutoUpdates().first();
    QCOMPARE(record.objectAddress(), METER);
    QCOMPARE(record.dimensionType(), recordDimension);
    QCOMPARE(record.timer(), timer);
    QCOMPARE(timer->isActive(), timerActive);
    QCOMPARE(timer->interval(), interval);
}

void tst_PseudoDriver::autoUpdateMessages()
{
    m_driver->requestEnergyStartAutoUpdate(METER, 2, 255, 7);

    const AnswerShape confirmation { 4, 18, METER, { 0 }, { AUTO_UPDATE },
                                     { AnswerShape::exactly(2), AnswerShape::exactly(255) }, 1, true };
    const AnswerShape instant { 101, 18, METER, { 0 }, { INSTANT_GAS }, { AnswerShape::between(0, 1000) }, 0, true };
    const QString problem = mismatchOf(m_recorder.answers, { confirmation, instant }, 2);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // As the energy page decodes them: the update state, then the value.
    QCOMPARE(m_recorder.energy.size(), 2);
    QCOMPARE(m_recorder.energy.at(0).type(), 1);
    QCOMPARE(m_recorder.energy.at(1).type(), 2);
}

void tst_PseudoDriver::autoUpdateTicks()
{
    m_driver->requestEnergyStartAutoUpdate(METER, 2, 255, 1);
    m_driver->requestEnergyStartAutoUpdate(OTHER_METER, 1, 128, 1);
    m_recorder.clear();

    m_clock->advance(29999);
    QStringList ticks;
    for (const ReceivedAnswer& answer : std::as_const(m_recorder.answers))
        ticks << answer.message.address();
    QCOMPARE(ticks, QStringList({ OTHER_METER }));

    m_clock->advance(1);
    m_clock->advance(60000);
    ticks.clear();
    for (const ReceivedAnswer& answer : std::as_const(m_recorder.answers)) {
        QCOMPARE(answer.message.messageType(), 101);
        QCOMPARE(answer.message.dimension(), answer.message.address() == METER ? INSTANT_GAS : INSTANT_ENERGY);
        QVERIFY(answer.flag);
        ticks << answer.message.address();
    }
    // 15058, 30000, 30116, 45174, 60000, 60232, 75290, 90000
    QCOMPARE(ticks, QStringList({ OTHER_METER, METER, OTHER_METER, OTHER_METER, METER, OTHER_METER, OTHER_METER,
                                  METER }));

    // Stopped: no more values.
    m_driver->requestEnergyStartAutoUpdate(METER, 2, 0, 1);
    m_driver->requestEnergyStartAutoUpdate(OTHER_METER, 1, 0, 1);
    m_recorder.clear();
    m_clock->advance(120000);
    QVERIFY(m_recorder.answers.isEmpty());
}

void tst_PseudoDriver::autoUpdateTimersAreTheDriversOwn()
{
    m_driver->requestEnergyStartAutoUpdate(METER, 1, 255, 1);
    const QPointer<ClockTimer> timer = m_driver->energyDeviceAutoUpdates().first().timer();
    QCOMPARE(timer->parent(), m_driver);

    delete m_driver;
    m_driver = nullptr;

    QVERIFY(timer.isNull());
    m_clock->advance(60000);
}

void tst_PseudoDriver::autoUpdateTicksOnTheProgramsClock()
{
    PseudoDriver driver;
    AnswerRecorder recorder;
    driver.registerListener(&recorder);
    driver.requestEnergyStartAutoUpdate(METER, 4, 1, 1);
    QCOMPARE(recorder.answers.size(), 2);

    QTRY_VERIFY(recorder.answers.size() >= 3);
    QCOMPARE(recorder.answers.last().message.dimension(), INSTANT_WATER);
    driver.unregisterListener(&recorder);
}

void tst_PseudoDriver::sameSeedSameAnswers()
{
    const auto answers = [this] {
        m_recorder.clear();
        for (int i = 0; i < 20; ++i)
            m_driver->requestTemperatureStatus(QStringLiteral("23"));
        QStringList values;
        for (const ReceivedAnswer& answer : std::as_const(m_recorder.answers))
            values << answer.message.rawParameters();
        return values;
    };
    const QStringList fromStart = answers();
    PseudoDriver other(nullptr, m_clock);
    other.registerListener(&m_recorder);
    m_recorder.clear();
    for (int i = 0; i < 20; ++i)
        other.requestTemperatureStatus(QStringLiteral("23"));
    QStringList fromOther;
    for (const ReceivedAnswer& answer : std::as_const(m_recorder.answers))
        fromOther << answer.message.rawParameters();
    // Every driver starts from the same fixed seed.
    QCOMPARE(fromOther, fromStart);
    other.unregisterListener(&m_recorder);

    m_driver->setRandomSeed(99);
    const QStringList seeded = answers();
    QVERIFY(seeded != fromStart);
    m_driver->setRandomSeed(99);
    QCOMPARE(answers(), seeded);
}

void tst_PseudoDriver::randomHelpers()
{
    QSet<int> seen;
    for (int i = 0; i < 500; ++i) {
        const int value = m_driver->random(3, 7);
        QVERIFY(value >= 3 && value <= 7);
        seen.insert(value);
    }
    QCOMPARE(seen.size(), 5);
    QCOMPARE(m_driver->random(4, 4), 4);
    QCOMPARE(m_driver->randomSum(0, 1, 5), 0);
    QCOMPARE(m_driver->randomSum(-3, 1, 5), 0);
    QCOMPARE(m_driver->randomSum(24, 2, 2), 48);
    for (int i = 0; i < 100; ++i) {
        const int sum = m_driver->randomSum(3, 0, 1000);
        QVERIFY(sum >= 0 && sum <= 3000);
    }
}

QTEST_GUILESS_MAIN(tst_PseudoDriver)
#include "tst_pseudodriver.moc"

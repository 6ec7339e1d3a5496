#include "AnswerRecorder.h"
#include "AnswerShape.h"

#include "pravikdriver/Address.h"
#include "pravikdriver/PravikCodes.h"
#include "simulation/DeviceStatusAnswers.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using Corvane::PravikDriver::Message;
using Corvane::Sentrel::DeviceStatusAnswers;
using Corvane::Sentrel::ManualClock;
using Corvane::Sentrel::PseudoDriver;
using Range = AnswerShape::Range;
using namespace Corvane::PravikDriver::PravikCodes;

namespace {

const QDateTime TODAY(QDate(2024, 2, 29), QTime(9, 30));
// Enough repetitions to meet every alternative of the random answers.
const int RUNS = 300;

AnswerShape shape(int messageType, int systemType, const QString& address, const QList<int>& commandTypes,
                  const QList<int>& dimensions, const QList<Range>& values, int dimensionParameterCount = 0,
                  bool flag = false)
{
    return { messageType, systemType, address, commandTypes, dimensions, values, dimensionParameterCount, flag };
}

Range exactly(int value)
{
    return AnswerShape::exactly(value);
}

Range between(int minimum, int maximum)
{
    return AnswerShape::between(minimum, maximum);
}

} // namespace

class tst_DeviceStatusAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void recognisedWhateverThePriority_data();
    void recognisedWhateverThePriority();
    void lightAnswerCarriesItsLevel_data();
    void lightAnswerCarriesItsLevel();
    void gatewayDeviceTypeIsAnsweredOnBothDimensions_data();
    void gatewayDeviceTypeIsAnsweredOnBothDimensions();
    void gatewayTellsItsClocksTime();
    void netMaskIsAMask();
    void unknownGatewaySettingGetsTheDate();
    void extendedLightSensorKeepsLeadingZeros();
    void extendedLightSensorWithoutItsAddressIsEchoed();
    void gatewayTypeCarries127InTheOtherPlace();
    void decodedAnswers();

private:
    ManualClock* m_clock = nullptr;
    PseudoDriver* m_driver = nullptr;
    AnswerRecorder m_recorder;
};

void tst_DeviceStatusAnswers::init()
{
    m_clock = new ManualClock(TODAY);
    m_driver = new PseudoDriver(nullptr, m_clock);
    m_recorder.clear();
    m_driver->registerListener(&m_recorder);
}

void tst_DeviceStatusAnswers::cleanup()
{
    delete m_driver;
    delete m_clock;
}

void tst_DeviceStatusAnswers::answers_data()
{
    QTest::addColumn<Message>("request");
    QTest::addColumn<int>("minimumCount");
    QTest::addColumn<AnswerShapes>("shapes");

    const QString light = QStringLiteral("12");
    const QString zone = QStringLiteral("23");
    const QList<int> none { 0 };
    const QList<Range> noValues;

    QTest::newRow("light status: off, or on at a dimmer-10 level 2..10")
        << Message::createLightStatusMessage(light) << 1
        << AnswerShapes { shape(3, 1, light, QList<int> { 100000 } + AnswerShape::from(100002, 100010), none,
                                noValues) };
    QTest::newRow("dimmer-100 status: dimmer-10 level 2..10")
        << Message::createDimmer100StatusMessage(light) << 1
        << AnswerShapes { shape(3, 1, light, AnswerShape::from(100002, 100010), none, noValues) };
    QTest::newRow("light sensor: lux 10..1000")
        << Message::createLightSensorStatusMessage(light, false) << 1
        << AnswerShapes { shape(4, 1, light, none, { LIGHT_SENSOR_LUX }, { between(10, 1000) }) };
    QTest::newRow("extended light sensor: address tokens, lux, reading kind")
        << Message::createLightSensorStatusMessage(QStringLiteral("03#4"), true) << 1
        << AnswerShapes { shape(101, 24, QString(), none, { EXTENDED_LIGHT_SENSOR_LUX },
                                { exactly(3), exactly(4), between(10, 1000), between(0, 2) }, 2) };
    QTest::newRow("light sensors' gateway type: pushed flag")
        << Message::createLightSensorsGatewayTypeRecognitionMessage() << 1
        << AnswerShapes { shape(101, 1, QStringLiteral(""), none, { LIGHT_SENSORS_TYPE_1, LIGHT_SENSORS_TYPE_2 },
                                AnswerShape::repeated(3, between(0, std::numeric_limits<int>::max())), 0, true) };
    QTest::newRow("presence: hold time, then maybe presence or its end")
        << Message::createPresenceSensorGranularityStatusMessage(light) << 1
        << AnswerShapes { shape(4, 1, light, none, { PRESENCE_GRANULARITY }, { exactly(0), exactly(0), exactly(5) }),
                          shape(4, 1, light, { PRESENCE_DETECTED, PRESENCE_ENDED }, { PRESENCE_GRANULARITY },
                                { exactly(0) }) };
    QTest::newRow("shutter: stop, up or down")
        << Message::createShutterStatusMessage(light) << 1
        << AnswerShapes { shape(3, 2, light, { 200000, 200001, 200002 }, none, noValues) };
    QTest::newRow("gateway IP address")
        << Message::createServerStatusMessage(Message::IpAddress) << 1
        << AnswerShapes { shape(4, 13, QStringLiteral(""), none, { GATEWAY_IP },
                                { exactly(192), exactly(168), between(0, 255), between(2, 254) }) };
    QTest::newRow("gateway net mask")
        << Message::createServerStatusMessage(Message::NetMask) << 1
        << AnswerShapes { shape(4, 13, QStringLiteral(""), none, { GATEWAY_NET_MASK },
                                QList<Range> { exactly(255) } + AnswerShape::repeated(3, between(0, 255))) };
    QTest::newRow("gateway MAC address")
        << Message::createServerStatusMessage(Message::MacAddress) << 1
        << AnswerShapes { shape(4, 13, QStringLiteral(""), none, { GATEWAY_MAC },
                                AnswerShape::repeated(6, between(0, 255))) };
    QTest::newRow("gateway firmware")
        << Message::createServerStatusMessage(Message::Firmware) << 1
        << AnswerShapes { shape(4, 13, QStringLiteral(""), none, { GATEWAY_FIRMWARE },
                                { between(1, 3), between(0, 9), between(0, 9) }) };
    QTest::newRow("gateway uptime")
        << Message::createServerStatusMessage(Message::Uptime) << 1
        << AnswerShapes { shape(4, 13, QStringLiteral(""), none, { GATEWAY_UPTIME },
                                { between(0, 1000), between(0, 23), between(0, 59), between(0, 199) }) };
    QTest::newRow("gateway time and date: its clock's")
        << Message::createServerStatusMessage(Message::TimeAndDate) << 1
        << AnswerShapes { shape(4, 13, QStringLiteral(""), none, { GATEWAY_TIME_DATE },
                                { exactly(9), exactly(30), exactly(0), exactly(0), exactly(29), exactly(2),
                                  exactly(2024), exactly(0) }) };
    QTest::newRow("gateway device type, asked as setting 27")
        << Message::createServerStatusMessage(Message::DeviceType) << 1
        << AnswerShapes { shape(4, 13, QStringLiteral(""), none, { GATEWAY_DEVICE_TYPE_REQUEST },
                                { between(2, 44) }) };
    QTest::newRow("temperature: 0..500 tenths")
        << Message::createTemperatureStatusMessage(zone) << 1
        << AnswerShapes { shape(101, 4, zone, none, { ZONE_TEMPERATURE }, { between(0, 500) }) };
    QTest::newRow("central unit \"#0\": one lock state")
        << Message::createTemperatureZoneStatusMessage(QStringLiteral("#0")) << 1
        << AnswerShapes { shape(3, 4, QStringLiteral("#0"), { UNIT_UNLOCKED, UNIT_LOCKED }, none, noValues) };
    QTest::newRow("zone: state, temperature, set point, offset")
        << Message::createTemperatureZoneStatusMessage(zone) << 4
        << AnswerShapes { shape(3, 4, zone, DeviceStatusAnswers::ZONE_STATES, none, noValues),
                          shape(101, 4, zone, none, { ZONE_TEMPERATURE }, { between(0, 500) }),
                          shape(101, 4, zone, none, { ZONE_SETPOINT }, { between(0, 500), exactly(3) }),
                          shape(101, 4, zone, none, { ZONE_OFFSET }, { between(11, 13) }) };
    QTest::newRow("external probe")
        << Message::createExternalTemperatureProbeStatusMessage(QStringLiteral("2#1")) << 1
        << AnswerShapes { shape(4, 4, QStringLiteral("2#1"), none, { EXTERNAL_PROBE_TEMPERATURE },
                                { exactly(4), between(100, 900), exactly(1) }) };
    QTest::newRow("fan-coil set-up 0..3")
        << Message::createFancoilSetupStatusMessage(zone) << 1
        << AnswerShapes { shape(4, 4, zone, none, { FANCOIL_SETUP }, { between(0, 3) }) };
    QTest::newRow("air conditioner: mode, set point, speed, swing")
        << Message::createAirConditionerStatusMessage(QStringLiteral("4#23")) << 1
        << AnswerShapes { shape(4, 4, QStringLiteral("4#23"), none, { AIR_CONDITIONER_STATE },
                                { between(0, 5), between(180, 250), between(0, 4), between(0, 1) }) };
    const Message setpointRequest = Message::createZoneSetpointStatusMessage(zone);
    QTest::newRow("zone set point: the request back, then manual mode")
        << setpointRequest << 2
        << AnswerShapes { AnswerShape::echoOf(setpointRequest), shape(3, 4, zone, { 400310 }, none, noValues) };
    const Message manualTemperature = Message::createManualTemperatureMessage(zone, 21.5f);
    QTest::newRow("manual set point: the request back, then manual mode")
        << manualTemperature << 2
        << AnswerShapes { AnswerShape::echoOf(manualTemperature), shape(3, 4, zone, { 400310 }, none, noValues) };
}

// Every answer fits its shape on every run, and every alternative (message
// count, command type, dimension) turns up over the runs.
void tst_DeviceStatusAnswers::answers()
{
    QFETCH(Message, request);
    QFETCH(int, minimumCount);
    QFETCH(AnswerShapes, shapes);

    QSet<int> counts;
    QList<QSet<int>> commandTypes(shapes.size());
    QList<QSet<int>> dimensions(shapes.size());
    for (int run = 0; run < RUNS; ++run) {
        m_recorder.answers.clear();
        m_driver->sendMessage(request);
        const QString problem = mismatchOf(m_recorder.answers, shapes, minimumCount);
        QVERIFY2(problem.isEmpty(), qPrintable(problem));
        counts.insert(int(m_recorder.answers.size()));
        for (int i = 0; i < m_recorder.answers.size(); ++i) {
            commandTypes[i].insert(m_recorder.answers.at(i).message.commandType());
            dimensions[i].insert(m_recorder.answers.at(i).message.dimension());
        }
    }
    QCOMPARE(counts.size(), int(shapes.size()) - minimumCount + 1);
    for (int i = 0; i < shapes.size(); ++i) {
        QCOMPARE(commandTypes.at(i).size(), int(shapes.at(i).commandTypes.size()));
        QCOMPARE(dimensions.at(i).size(), int(shapes.at(i).dimensions.size()));
    }
}

void tst_DeviceStatusAnswers::recognisedWhateverThePriority_data()
{
    QTest::addColumn<Message>("request");
    QTest::newRow("light status") << Message::createLightStatusMessage(QStringLiteral("12"));
    QTest::newRow("shutter") << Message::createShutterStatusMessage(QStringLiteral("12"));
    QTest::newRow("temperature") << Message::createTemperatureStatusMessage(QStringLiteral("23"));
    QTest::newRow("gateway type") << Message::createLightSensorsGatewayTypeRecognitionMessage();
}

void tst_DeviceStatusAnswers::recognisedWhateverThePriority()
{
    QFETCH(Message, request);

    for (int priority : { 0, 1, 9 }) {
        m_recorder.answers.clear();
        Message sent = request;
        sent.setPriority(priority);
        m_driver->sendMessage(sent);
        QCOMPARE(m_recorder.answers.size(), 1);
        QVERIFY(m_recorder.answers.first().message != sent);
    }
}

void tst_DeviceStatusAnswers::lightAnswerCarriesItsLevel_data()
{
    QTest::addColumn<int>("deviceType");
    QTest::addColumn<bool>("asksDimmer100Level");
    QTest::addColumn<bool>("canBeOff");

    // The request the lighting page sends for each kind of light.
    QTest::newRow("dimmer 100") << 2001 << true << false;
    QTest::newRow("dimmer 10") << 2002 << false << true;
    QTest::newRow("dimmer 10, other make") << 2006 << false << true;
    QTest::newRow("switch") << 2003 << false << true;
}

// Read as the lighting page reads it, a light that is on has a level of 20
// to 100 % (a dimmer shows it, a switch ignores it) and one that is off
// has none: never lit at 0 %.
void tst_DeviceStatusAnswers::lightAnswerCarriesItsLevel()
{
    QFETCH(int, deviceType);
    QFETCH(bool, asksDimmer100Level);
    QFETCH(bool, canBeOff);

    QSet<bool> seen;
    for (int run = 0; run < 100; ++run) {
        m_recorder.lights.clear();
        if (asksDimmer100Level)
            m_driver->requestDimmer100Status(QStringLiteral("12"));
        else
            m_driver->requestLigthStatus(QStringLiteral("12"));
        QCOMPARE(m_recorder.lights.size(), 1);
        const auto& light = m_recorder.lights.first();
        QCOMPARE(light.where(), QStringLiteral("12"));
        if (light.isOn())
            QVERIFY2(light.level() >= 20 && light.level() <= 100,
                     qPrintable(QStringLiteral("type %1 on at %2 %").arg(deviceType).arg(light.level())));
        else
            QCOMPARE(light.level(), 0);
        seen.insert(light.isOn());
    }
    QCOMPARE(seen.contains(false), canBeOff);
    QVERIFY(seen.contains(true));
}

void tst_DeviceStatusAnswers::gatewayDeviceTypeIsAnsweredOnBothDimensions_data()
{
    QTest::addColumn<int>("setting");
    QTest::newRow("device type setting 27") << int(Message::DeviceType);
    QTest::newRow("device type dimension 15") << GATEWAY_DEVICE_TYPE - GATEWAY_SETTINGS_BASE;
}

// The webserver page asks for the device type as setting 27; the answer must
// name a device, not carry a date.
void tst_DeviceStatusAnswers::gatewayDeviceTypeIsAnsweredOnBothDimensions()
{
    QFETCH(int, setting);

    QStringList articles;
    for (int code : DeviceStatusAnswers::GATEWAY_DEVICE_TYPES)
        articles.append(Corvane::PravikDriver::UserMessages::InterfaceDeviceMessage::deviceTypeText(code));
    QSet<QString> seen;
    for (int run = 0; run < 100; ++run) {
        m_recorder.clear();
        m_driver->requestServerStatus(setting);
        QCOMPARE(m_recorder.answers.size(), 1);
        QCOMPARE(m_recorder.answers.first().message.dimension(), GATEWAY_SETTINGS_BASE + setting);
        QCOMPARE(m_recorder.gateways.size(), 1);
        const QString article = m_recorder.gateways.first().deviceType();
        QVERIFY2(articles.contains(article), qPrintable(article));
        QVERIFY(!m_recorder.gateways.first().date().isValid());
        seen.insert(article);
    }
    QCOMPARE(seen.size(), articles.size());
}

// The gateway's time is that of the clock its energy answers count today
// and the current hour by, at every request.
void tst_DeviceStatusAnswers::gatewayTellsItsClocksTime()
{
    for (const QDateTime& now : { TODAY, QDateTime(QDate(2024, 3, 31), QTime(23, 59, 58)),
                                  QDateTime(QDate(2024, 4, 1), QTime(0, 0, 1)) }) {
        m_clock->setDateTime(now);
        m_recorder.clear();
        m_driver->requestServerStatus(Message::TimeAndDate);
        QCOMPARE(m_recorder.gateways.size(), 1);
        QCOMPARE(QDateTime(m_recorder.gateways.first().date(), m_recorder.gateways.first().time()), now);
    }
}

// Leading ones then zeros, as a network's mask is, of more than one length
// over the runs.
void tst_DeviceStatusAnswers::netMaskIsAMask()
{
    QSet<int> lengths;
    for (int run = 0; run < RUNS; ++run) {
        m_recorder.clear();
        m_driver->requestServerStatus(Message::NetMask);
        QCOMPARE(m_recorder.answers.size(), 1);
        const QStringList bytes = m_recorder.answers.first().message.rawParameters();
        QCOMPARE(bytes.size(), 4);
        quint32 mask = 0;
        for (const QString& byte : bytes)
            mask = (mask << 8) | byte.toUInt();
        const quint32 hosts = ~mask;
        QVERIFY2((hosts & (hosts + 1)) == 0, qPrintable(bytes.join(u'.')));
        lengths.insert(32 - qPopulationCount(hosts));
    }
    QVERIFY(lengths.size() > 1);
    QVERIFY(*std::min_element(lengths.cbegin(), lengths.cend()) >= 16);
}

void tst_DeviceStatusAnswers::unknownGatewaySettingGetsTheDate()
{
    for (int dimension : { GATEWAY_SETTINGS_BASE + 99, GATEWAY_DATE, 0 }) {
        m_recorder.clear();
        // Any gateway request ends here, whatever its kind.
        m_driver->sendMessage(Message(6, 13, QString(), 0, dimension));
        QCOMPARE(m_recorder.answers.size(), 1);
        const Message& answer = m_recorder.answers.first().message;
        QCOMPARE(answer.dimension(), GATEWAY_DATE);
        QCOMPARE(answer.rawParameters(), QStringList({ "0", "29", "2", "2024" }));
        QCOMPARE(m_recorder.gateways.first().date(), TODAY.date());
    }
}

void tst_DeviceStatusAnswers::extendedLightSensorKeepsLeadingZeros()
{
    m_driver->requestLightSensorStatus(QStringLiteral("03#4#007"), true);

    QCOMPARE(m_recorder.answers.size(), 1);
    const Message& answer = m_recorder.answers.first().message;
    QCOMPARE(answer.rawParameters().mid(0, 3), QStringList({ "03", "4", "007" }));
    QCOMPARE(answer.dimensionParameterCount(), 3);
    const Corvane::PravikDriver::Address replyAddress(answer.address());
    QVERIFY(replyAddress.isValid());
    QVERIFY(replyAddress.area() >= 0 && replyAddress.area() <= 10);
    QVERIFY(replyAddress.point() >= 0 && replyAddress.point() <= 15);
    QCOMPARE(m_recorder.lightSensors.size(), 1);
    QCOMPARE(m_recorder.lightSensors.first().where(), QStringLiteral("03#4#007"));
}

void tst_DeviceStatusAnswers::extendedLightSensorWithoutItsAddressIsEchoed()
{
    // Values beyond the dimension parameters: no sensor address to answer for.
    Message request(6, 24, QString(), 0, EXTENDED_LIGHT_SENSOR_LUX, { 3, 4 }, 1);
    m_driver->sendMessage(request);

    QCOMPARE(m_recorder.answers.size(), 1);
    QCOMPARE(m_recorder.answers.first().message, request);
}

void tst_DeviceStatusAnswers::gatewayTypeCarries127InTheOtherPlace()
{
    QSet<int> types;
    for (int run = 0; run < 50; ++run) {
        m_recorder.clear();
        m_driver->requestLightSensorsGatewayType();
        const Message& answer = m_recorder.answers.first().message;
        const int marker = answer.dimension() == LIGHT_SENSORS_TYPE_1 ? 1 : 0;
        QCOMPARE(answer.parameters().at(marker).value(), 127);
        QCOMPARE(m_recorder.lightSensors.size(), 1);
        types.insert(m_recorder.lightSensors.first().reportedGatewayType());
    }
    QCOMPARE(types, QSet<int>({ 1, 2 }));
}

// The answers read through the driver library's decoders as the controllers
// see them.
void tst_DeviceStatusAnswers::decodedAnswers()
{
    m_driver->requestDimmer100Status(QStringLiteral("12"));
    QCOMPARE(m_recorder.lights.size(), 1);
    QVERIFY(m_recorder.lights.first().isOn());
    QVERIFY(m_recorder.lights.first().level() >= 20 && m_recorder.lights.first().level() <= 100);

    m_driver->requestPresenceSensorStatus(QStringLiteral("31"));
    QVERIFY(!m_recorder.presences.isEmpty());
    QCOMPARE(m_recorder.presences.first().granularity(), 5);

    m_driver->requestShutterStatus(QStringLiteral("41"));
    QCOMPARE(m_recorder.shutters.size(), 1);
    QCOMPARE(m_recorder.shutters.first().where(), QStringLiteral("41"));

    m_driver->requestLightSensorStatus(QStringLiteral("51"), false);
    QCOMPARE(m_recorder.lightSensors.size(), 1);
    QVERIFY(m_recorder.lightSensors.first().luxValue() >= 10);

    m_driver->requestTemperatureZoneStatus(QStringLiteral("23"));
    QCOMPARE(m_recorder.temperatures.size(), 4);
    QVERIFY(m_recorder.temperatures.at(0).zoneStatus().isValid());
    QVERIFY(m_recorder.temperatures.at(1).temperature().isValid());
    QVERIFY(m_recorder.temperatures.at(2).setpoint().isValid());
    QVERIFY(m_recorder.temperatures.at(3).offset().isValid());

    m_driver->requestServerStatus(Message::IpAddress);
    m_driver->requestServerStatus(Message::MacAddress);
    m_driver->requestServerStatus(Message::Firmware);
    m_driver->requestServerStatus(Message::Uptime);
    QCOMPARE(m_recorder.gateways.size(), 4);
    QCOMPARE(m_recorder.gateways.at(0).ipAddress().count(QLatin1Char('.')), 3);
    QCOMPARE(m_recorder.gateways.at(1).macAddress().size(), 17);
    QCOMPARE(m_recorder.gateways.at(2).firmwareVersion().count(QLatin1Char('.')), 2);
    QVERIFY(m_recorder.gateways.at(3).uptimeSeconds() >= 0);
}

QTEST_GUILESS_MAIN(tst_DeviceStatusAnswers)
#include "tst_devicestatusanswers.moc"

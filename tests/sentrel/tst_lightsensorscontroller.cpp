#include "Controllers/sensors/LightSensorsController.h"

#include "ControllerFixture.h"
#include "LogCapture.h"

#include "devices/DeviceAddress.h"
#include "devices/LightSensorDevice.h"
#include "devices/SensorDeviceProperties.h"
#include "pravikdriver/Driver.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"

#include <QTest>

#include <limits>

using namespace Corvane::Sentrel;
using Controllers::LightSensorsController;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::LightSensorDevice;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
namespace Codes = Corvane::PravikDriver::PravikCodes;
namespace Enums = Corvane::PravikDriver::PravikEnums;

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;
const QString ADDRESS = QStringLiteral("15");

Message typeReport(int type)
{
    return Message(Enums::DimensionValue, Enums::Lighting, QString(), 0,
                   type == 1 ? Codes::LIGHT_SENSORS_TYPE_1 : Codes::LIGHT_SENSORS_TYPE_2, {127, 4, 9}, 0);
}

// A reading of the lighting system (kind 0) or of the extended system
// (kind 1, the address as dimension parameters).
Message reading(int kind, int lux)
{
    if (kind == 0)
        return Message(Enums::DimensionWrite, Enums::Lighting, ADDRESS, 0, Codes::LIGHT_SENSOR_LUX, {lux}, 0);
    return Message(Enums::DimensionValue, Enums::LightSensorsExtended, QStringLiteral("27"), 0,
                   Codes::EXTENDED_LIGHT_SENSOR_LUX, {15, lux, 1}, 1);
}

bool isRequest(const Message& sent, Message expected)
{
    expected.setPriority(sent.priority());
    return sent == expected;
}

} // namespace

class tst_LightSensorsController : public QObject, private ControllerFixture<LightSensorsController>
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void gatewayTypes_data();
    void gatewayTypes();
    void typeRequestOutSendsNothingMore();
    void readingKindMustMatchTheGateway_data();
    void readingKindMustMatchTheGateway();
    void invalidLuxKeepsTheLastValue_data();
    void invalidLuxKeepsTheLastValue();
    void setDriversForgetsTheTypes();
    void kindFilter();

private:
    LightSensorDevice* addSensor(int type = 20001, const DeviceAddress& address = DeviceAddress(1, 5, NONE, NONE));
    void deliver(const Message& message);
    QList<Message> typeRequests() const;
    QList<Message> sensorRequests() const;
};

void tst_LightSensorsController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_LightSensorsController::init()
{
    setUpController();
    m_driver.registerListener(m_controller.get());
}

void tst_LightSensorsController::cleanup()
{
    m_driver.unregisterListener(m_controller.get());
    tearDownController();
}

LightSensorDevice* tst_LightSensorsController::addSensor(int type, const DeviceAddress& address)
{
    const int id =
        addToGateway(new Corvane::Devices::SensorDeviceProperties(0, type, address, QStringLiteral("Sensor")));
    return static_cast<LightSensorDevice*>(m_controller->getDeviceById(id));
}

void tst_LightSensorsController::deliver(const Message& message)
{
    m_driver.deliver(message);
}

QList<Message> tst_LightSensorsController::typeRequests() const
{
    QList<Message> found;
    for (const Message& sent : m_driver.sent)
        if (isRequest(sent, Message::createLightSensorsGatewayTypeRecognitionMessage()))
            found.append(sent);
    return found;
}

QList<Message> tst_LightSensorsController::sensorRequests() const
{
    QList<Message> found;
    for (const Message& sent : m_driver.sent)
        if (!isRequest(sent, Message::createLightSensorsGatewayTypeRecognitionMessage()))
            found.append(sent);
    return found;
}

void tst_LightSensorsController::gatewayTypes_data()
{
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("extended");
    QTest::newRow("no answer") << 0 << 1 << false;
    QTest::newRow("reported 1") << 1 << 2 << true;
    QTest::newRow("reported 2") << 2 << 1 << false;
}

void tst_LightSensorsController::gatewayTypes()
{
    QFETCH(int, reported);
    QFETCH(int, stored);
    QFETCH(bool, extended);
    addSensor();
    m_controller->updateStatus(-1);
    QCOMPARE(typeRequests().size(), 1);
    QVERIFY(sensorRequests().isEmpty());
    QCOMPARE(m_controller->gatewayTypes().value(m_gateway), LightSensorsController::UnknownGateway);
    if (reported == 0) {
        m_clock->advance(Corvane::PravikDriver::Driver::waitForResponseTimeout() - 1);
        QVERIFY(sensorRequests().isEmpty());
        m_clock->advance(1);
    } else {
        deliver(typeReport(reported));
    }
    QCOMPARE(int(m_controller->gatewayTypes().value(m_gateway)), stored);
    QCOMPARE(m_controller->pendingTypeRequestCount(), 0);
    QCOMPARE(sensorRequests().size(), 1);
    QVERIFY(isRequest(sensorRequests().first(), Message::createLightSensorStatusMessage(ADDRESS, extended)));
    // A late answer or time-out changes nothing more.
    m_clock->advance(2 * Corvane::PravikDriver::Driver::waitForResponseTimeout());
    QCOMPARE(int(m_controller->gatewayTypes().value(m_gateway)), stored);
    QCOMPARE(typeRequests().size(), 1);
}

void tst_LightSensorsController::typeRequestOutSendsNothingMore()
{
    const LightSensorDevice* sensor = addSensor();
    m_controller->updateStatus(-1);
    m_controller->updateStatus(m_gateway);
    m_controller->updateStatus(-1);
    QCOMPARE(m_driver.sent.size(), 1);
    QCOMPARE(m_controller->pendingTypeRequestCount(), 1);
    QVERIFY(!sensor->isStatusKnown());
}

void tst_LightSensorsController::readingKindMustMatchTheGateway_data()
{
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("taken");
    QTest::newRow("type 2 gateway, lighting reading") << 2 << 0 << true;
    QTest::newRow("type 2 gateway, extended reading") << 2 << 1 << false;
    QTest::newRow("type 1 gateway, extended reading") << 1 << 1 << true;
    QTest::newRow("type 1 gateway, lighting reading") << 1 << 0 << false;
    QTest::newRow("type unknown") << 0 << 0 << false;
}

void tst_LightSensorsController::readingKindMustMatchTheGateway()
{
    QFETCH(int, reported);
    QFETCH(int, kind);
    QFETCH(bool, taken);
    const LightSensorDevice* sensor = addSensor();
    m_controller->updateStatus(-1);
    if (reported)
        deliver(typeReport(reported));
    deliver(reading(kind, 420));
    QCOMPARE(sensor->isStatusKnown(), taken);
    QCOMPARE(sensor->intensity(), taken ? 420 : 0);
    const NavigationIcon icon = m_controller->getIconByIndex(m_controller->indexOfIcon(sensor->id()));
    QCOMPARE(icon.text(), taken ? QStringLiteral("420 lx") : QString());
    QCOMPARE(icon.state(), taken ? NavigationIcon::Normal : NavigationIcon::Uninitialized);
    QCOMPARE(icon.renderer().main() == nullptr, taken);
}

void tst_LightSensorsController::invalidLuxKeepsTheLastValue_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<QString>("problem");
    QTest::newRow("-5 lux") << QList<int>{-5} << "lux value -5 is negative, 300 kept";
    QTest::newRow("lowest int") << QList<int>{std::numeric_limits<int>::min()}
                                << QStringLiteral("lux value %1 is negative, 300 kept").arg(std::numeric_limits<int>::min());
    QTest::newRow("no value") << QList<int>{} << "lux value not given, 300 kept";
}

void tst_LightSensorsController::invalidLuxKeepsTheLastValue()
{
    QFETCH(QList<int>, values);
    QFETCH(QString, problem);
    LightSensorDevice* sensor = addSensor();
    m_controller->updateStatus(-1);
    deliver(typeReport(2));
    deliver(reading(0, 300));
    m_controller->updateDeviceStatus(sensor);
    QVERIFY(!sensor->isStatusKnown());
    LogCapture log;
    deliver(Message(Enums::DimensionWrite, Enums::Lighting, ADDRESS, 0, Codes::LIGHT_SENSOR_LUX, values, 0));
    QVERIFY(sensor->isStatusKnown());
    QCOMPARE(sensor->intensity(), 300);
    const QStringList warnings = log.lines().filter(QStringLiteral("light sensor"));
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(QStringLiteral("light sensor %1 (").arg(sensor->id())), qPrintable(warnings.first()));
    QVERIFY2(warnings.first().contains(problem), qPrintable(warnings.first()));
}

void tst_LightSensorsController::setDriversForgetsTheTypes()
{
    addSensor();
    m_controller->updateStatus(-1);
    m_controller->setDrivers({{m_gateway, &m_driver}});
    QVERIFY(m_controller->gatewayTypes().isEmpty());
    QCOMPARE(m_controller->pendingTypeRequestCount(), 0);
    // The old time-out decides nothing; the gateway is asked again.
    m_clock->advance(Corvane::PravikDriver::Driver::waitForResponseTimeout());
    QVERIFY(m_controller->gatewayTypes().isEmpty());
    m_controller->updateStatus(-1);
    QCOMPARE(typeRequests().size(), 2);
}

void tst_LightSensorsController::kindFilter()
{
    addSensor(20001, DeviceAddress(1, 1, NONE, NONE));
    addSensor(21002, DeviceAddress(1, 2, NONE, NONE));
    addSensor(21001, DeviceAddress(1, 3, NONE, NONE));
    QCOMPARE(m_controller->devices().size(), 2);
    for (const auto* device : m_controller->devices())
        QVERIFY(device->deviceType() != 21001);
}

QTEST_MAIN(tst_LightSensorsController)
#include "tst_lightsensorscontroller.moc"

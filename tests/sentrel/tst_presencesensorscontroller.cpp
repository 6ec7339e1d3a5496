#include "Controllers/sensors/PresenceSensorsController.h"

#include "ControllerFixture.h"
#include "LogCapture.h"
#include "simulation/ClockTimer.h"

#include "devices/DeviceAddress.h"
#include "devices/PresenceSensorDevice.h"
#include "devices/SensorDeviceProperties.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/PresenceSensorMessage.h"

#include <QTest>

#include <limits>

using namespace Corvane::Sentrel;
using Controllers::PresenceSensorsController;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::PresenceSensorDevice;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
namespace Codes = Corvane::PravikDriver::PravikCodes;
namespace Enums = Corvane::PravikDriver::PravikEnums;

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;
const QString ADDRESS = QStringLiteral("15");

// A sensor's report: its hold time as hours, minutes and seconds, and the
// presence command (0 for none).
Message report(int command, int seconds, const QString& address = ADDRESS)
{
    return Message(Enums::DimensionWrite, Enums::Lighting, address, command, Codes::PRESENCE_GRANULARITY,
                   {seconds / 3600, seconds / 60 % 60, seconds % 60}, 0);
}

Message presence(bool detected, const QString& address = ADDRESS)
{
    return Message(Enums::DimensionWrite, Enums::Lighting, address,
                   detected ? Codes::PRESENCE_DETECTED : Codes::PRESENCE_ENDED, Codes::PRESENCE_GRANULARITY, {0}, 0);
}

} // namespace

class tst_PresenceSensorsController : public QObject, private ControllerFixture<PresenceSensorsController>
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void holdTimes_data();
    void holdTimes();
    void otherStatesOnlyMakeTheStateKnown();
    void holdTimesOutOfRange_data();
    void holdTimesOutOfRange();
    void reloadForgetsTheCounts();
    void statusRequest();
    void kindFilter();

private:
    PresenceSensorDevice* addSensor(int type = 21001, const DeviceAddress& address = DeviceAddress(1, 5, NONE, NONE));
    void receive(const Message& message);
};

void tst_PresenceSensorsController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_PresenceSensorsController::init()
{
    setUpController();
}

void tst_PresenceSensorsController::cleanup()
{
    tearDownController();
}

PresenceSensorDevice* tst_PresenceSensorsController::addSensor(int type, const DeviceAddress& address)
{
    const int id =
        addToGateway(new Corvane::Devices::SensorDeviceProperties(0, type, address, QStringLiteral("Sensor")));
    return static_cast<PresenceSensorDevice*>(m_controller->getDeviceById(id));
}

void tst_PresenceSensorsController::receive(const Message& message)
{
    m_driver.registerListener(m_controller.get());
    m_driver.deliver(message);
    m_driver.unregisterListener(m_controller.get());
}

void tst_PresenceSensorsController::holdTimes_data()
{
    QTest::addColumn<int>("holdTime");
    QTest::addColumn<int>("secondReportAt");
    QTest::addColumn<int>("stillOccupiedAt");
    QTest::addColumn<int>("freeAt");
    // Free at the first tick, 200 ms after the report.
    QTest::newRow("0 s") << 0 << -1 << 199 << 200;
    QTest::newRow("2 s") << 2 << -1 << 1999 << 2000;
    // The tenth tick after the second report (1.1 s): 1.9 s after it, as
    // the timer keeps its phase.
    QTest::newRow("2 s, second report after 1.1 s") << 2 << 1100 << 2999 << 3000;
}

void tst_PresenceSensorsController::holdTimes()
{
    QFETCH(int, holdTime);
    QFETCH(int, secondReportAt);
    QFETCH(int, stillOccupiedAt);
    QFETCH(int, freeAt);
    const PresenceSensorDevice* sensor = addSensor();
    receive(report(0, holdTime));
    receive(presence(true));
    QCOMPARE(icon(sensor->id()).state(), NavigationIcon::Normal);
    QVERIFY(m_controller->timer()->isActive());
    int now = 0;
    if (secondReportAt >= 0) {
        m_clock->advance(secondReportAt);
        now = secondReportAt;
        receive(presence(true));
    }
    m_clock->advance(stillOccupiedAt - now);
    QVERIFY(sensor->isPresenceDetected());
    m_clock->advance(freeAt - stillOccupiedAt);
    QVERIFY(!sensor->isPresenceDetected());
    QCOMPARE(icon(sensor->id()).state(), NavigationIcon::Inactive);
    QVERIFY(!m_controller->timer()->isActive());
}

void tst_PresenceSensorsController::otherStatesOnlyMakeTheStateKnown()
{
    const PresenceSensorDevice* sensor = addSensor();
    receive(report(0, 30));
    receive(presence(true));
    // No presence command and a hold time of 0: the state is known, the
    // presence and the hold time stay.
    receive(report(0, 0));
    QVERIFY(sensor->isStatusKnown());
    QVERIFY(sensor->isPresenceDetected());
    QCOMPARE(sensor->granularity(), 30);
    receive(presence(false));
    QVERIFY(!sensor->isPresenceDetected());
    QCOMPARE(icon(sensor->id()).state(), NavigationIcon::Inactive);
    QVERIFY(m_controller->presenceTable().isEmpty());
}

void tst_PresenceSensorsController::holdTimesOutOfRange_data()
{
    QTest::addColumn<QList<int>>("values");
    QTest::addColumn<int>("holdTime");
    QTest::addColumn<bool>("warned");
    const int day = PresenceSensorsController::MAX_HOLD_TIME;
    const int lowest = std::numeric_limits<int>::min();
    const int highest = std::numeric_limits<int>::max();
    // The sensor's hold time was 30 s before.
    QTest::newRow("25 h capped at a day") << QList<int>{25, 0, 0} << day << true;
    QTest::newRow("a day kept") << QList<int>{24, 0, 0} << day << false;
    QTest::newRow("past the int range capped") << QList<int>{highest, 59, 59} << day << true;
    QTest::newRow("-5 s ignored") << QList<int>{0, 0, -5} << 30 << true;
    QTest::newRow("-1 h -1 min -1 s ignored") << QList<int>{-1, -1, -1} << 30 << true;
    QTest::newRow("below the int range ignored") << QList<int>{lowest, 0, 0} << 30 << true;
    QTest::newRow("none given") << QList<int>{0, 0, 0} << 30 << false;
}

void tst_PresenceSensorsController::holdTimesOutOfRange()
{
    QFETCH(QList<int>, values);
    QFETCH(int, holdTime);
    QFETCH(bool, warned);
    const PresenceSensorDevice* sensor = addSensor();
    receive(report(0, 30));
    LogCapture log;
    receive(Message(Enums::DimensionWrite, Enums::Lighting, ADDRESS, 0, Codes::PRESENCE_GRANULARITY, values, 0));
    QCOMPARE(sensor->granularity(), holdTime);
    QVERIFY(sensor->isStatusKnown());
    const QStringList warnings = log.lines().filter(QStringLiteral("presence sensor"));
    QCOMPARE(warnings.size(), warned ? 1 : 0);
    if (warned) {
        QVERIFY(warnings.first().contains(QStringLiteral("presence sensor %1 (Sensor)").arg(sensor->id())));
        QVERIFY(warnings.first().contains(QStringLiteral("hold time")));
    }
}

void tst_PresenceSensorsController::reloadForgetsTheCounts()
{
    const PresenceSensorDevice* sensor = addSensor();
    receive(report(0, 3600));
    receive(presence(true));
    QCOMPARE(m_controller->presenceTable().size(), 1);
    std::unique_ptr<Corvane::Devices::Configuration> empty(Corvane::Devices::Configuration::empty());
    m_controller->loadDevices(empty.get());
    QVERIFY(m_controller->presenceTable().isEmpty());
    QVERIFY(!m_controller->timer()->isActive());
    QVERIFY(m_controller->icons().isEmpty());
    Q_UNUSED(sensor);
}

void tst_PresenceSensorsController::statusRequest()
{
    PresenceSensorDevice* sensor = addSensor();
    receive(report(0, 5));
    QCOMPARE(icon(sensor->id()).state(), NavigationIcon::Inactive);
    m_controller->updateStatus(-1);
    QCOMPARE(m_driver.sent.size(), 1);
    Message expected = Message::createPresenceSensorGranularityStatusMessage(ADDRESS);
    expected.setPriority(m_driver.sent.first().priority());
    QCOMPARE(m_driver.sent.first(), expected);
    QCOMPARE(icon(sensor->id()).state(), NavigationIcon::Uninitialized);
    // Without a driver nothing is asked.
    m_controller->setDrivers({});
    m_controller->updateStatus(-1);
    QCOMPARE(m_driver.sent.size(), 1);
}

void tst_PresenceSensorsController::kindFilter()
{
    addSensor(21001, DeviceAddress(1, 1, NONE, NONE));
    addSensor(21002, DeviceAddress(1, 2, NONE, NONE));
    addSensor(20001, DeviceAddress(1, 3, NONE, NONE));
    QCOMPARE(m_controller->devices().size(), 2);
    for (const auto* device : m_controller->devices())
        QVERIFY(device->deviceType() != 20001);
}

QTEST_MAIN(tst_PresenceSensorsController)
#include "tst_presencesensorscontroller.moc"

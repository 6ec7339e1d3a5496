#include "Controllers/scenarios/ScenariosController.h"

#include "ControllerFixture.h"
#include "simulation/ClockTimer.h"

#include "devices/DeviceAddress.h"
#include "devices/ScenarioDevice.h"
#include "devices/ScenarioDeviceProperties.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "theme/RendererContainer.h"

#include <QTest>

using namespace Corvane::Sentrel;
using Controllers::ScenariosController;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ScenarioDeviceProperties;
using Corvane::Devices::ScheduledScenarioItem;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
namespace Codes = Corvane::PravikDriver::PravikCodes;
namespace Enums = Corvane::PravikDriver::PravikEnums;

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;
const int SCENARIO = 1002;
const int SCENARIO_PLUS = 1003;
const int SCHEDULED = 9002;

bool isRequest(const Message& sent, Message expected)
{
    expected.setPriority(sent.priority());
    return sent == expected;
}

// The CEN or CEN PLUS actions among the requests, in order.
QList<int> actions(const QList<Message>& sent)
{
    QList<int> found;
    for (const Message& message : sent) {
        if (message.systemType() == Enums::Cen)
            found.append(message.commandType() - Codes::CEN_BASE);
        else if (message.systemType() == Enums::CenPlus)
            found.append(message.commandType() - Codes::CEN_PLUS_BASE);
    }
    return found;
}

ScheduledScenarioItem item(int cenType, int pushButton)
{
    return ScheduledScenarioItem(true, ScheduledScenarioItem::CenType(cenType), pushButton,
                                 DeviceAddress(1, 3, NONE, NONE));
}

} // namespace

class tst_ScenariosController : public QObject, private ControllerFixture<ScenariosController>
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void scheduledItemTiming_data();
    void scheduledItemTiming();
    void scenarioRunsOnceAtRelease();
    void scenarioPlusLevels_data();
    void scenarioPlusLevels();
    void secondPressIsIgnored();
    void reloadDuringAHold_data();
    void reloadDuringAHold();
    void pressWithoutACommandStartsNoHold_data();
    void pressWithoutACommandStartsNoHold();
    void buttonsFollowTheConfiguredItems();
    void knownWhileTheGatewayIsConnected();

private:
    int addScenario(int type, const DeviceAddress& address = DeviceAddress(1, 5, NONE, NONE));
    int addScheduled(const ScheduledScenarioItem& start, const ScheduledScenarioItem& stop = {});
};

void tst_ScenariosController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_ScenariosController::init()
{
    setUpController();
}

void tst_ScenariosController::cleanup()
{
    tearDownController();
}

int tst_ScenariosController::addScenario(int type, const DeviceAddress& address)
{
    auto* properties = new ScenarioDeviceProperties(0, type, address, QStringLiteral("Scenario"));
    properties->setScenarioNumber(7);
    return addToGateway(properties);
}

int tst_ScenariosController::addScheduled(const ScheduledScenarioItem& start, const ScheduledScenarioItem& stop)
{
    auto* properties = new ScenarioDeviceProperties(0, SCHEDULED, DeviceAddress(), QStringLiteral("Scheduled"));
    properties->setItems(ScheduledScenarioItem(), ScheduledScenarioItem(), start, stop);
    return addToGateway(properties);
}

void tst_ScenariosController::scheduledItemTiming_data()
{
    QTest::addColumn<int>("cenType");
    QTest::addColumn<int>("pushButton");
    QTest::addColumn<int>("held");
    QTest::addColumn<QList<int>>("atPress");
    QTest::addColumn<QList<int>>("all");
    QTest::newRow("CEN click") << 0 << 5 << 200 << QList<int>{0} << QList<int>{0, 1};
    QTest::newRow("CEN hold 1.2 s") << 0 << 5 << 1200 << QList<int>{0} << QList<int>{0, 3, 3, 2};
    QTest::newRow("CEN button 31 hold") << 0 << 31 << 600 << QList<int>{0} << QList<int>{0, 3, 2};
    QTest::newRow("CEN button 32 hold") << 0 << 32 << 1200 << QList<int>{0} << QList<int>{0};
    QTest::newRow("CEN+ click") << 1 << 5 << 200 << QList<int>{} << QList<int>{0};
    QTest::newRow("CEN+ hold 1.2 s") << 1 << 5 << 1200 << QList<int>{} << QList<int>{1, 2, 3};
    QTest::newRow("CEN+ hold one tick") << 1 << 40 << 500 << QList<int>{} << QList<int>{1, 3};
}

void tst_ScenariosController::scheduledItemTiming()
{
    QFETCH(int, cenType);
    QFETCH(int, pushButton);
    QFETCH(int, held);
    QFETCH(QList<int>, atPress);
    QFETCH(QList<int>, all);
    const int id = addScheduled(item(cenType, pushButton));
    m_controller->handleElementPress(ScenariosController::START_BUTTON_ID, id, 0);
    QCOMPARE(actions(m_driver.sent), atPress);
    QVERIFY(m_controller->isHolding());
    m_clock->advance(held);
    m_controller->handleElementRelease();
    QCOMPARE(actions(m_driver.sent), all);
    QVERIFY(!m_controller->isHolding());
    // Every action goes to the item's own address and push button.
    const QString address = QStringLiteral("13");
    for (const Message& sent : std::as_const(m_driver.sent)) {
        const int action = actions({sent}).value(0);
        QVERIFY(isRequest(sent, cenType == 0 ? Message::createCenMessage(address, pushButton, action)
                                             : Message::createCenPlusMessage(address, pushButton, action)));
    }
    // Nothing more once released.
    m_clock->advance(2000);
    QCOMPARE(actions(m_driver.sent), all);
}

void tst_ScenariosController::scenarioRunsOnceAtRelease()
{
    const int id = addScenario(SCENARIO);
    m_controller->handleElementPress(ScenariosController::START_BUTTON_ID, id, 0);
    m_clock->advance(3000);
    QVERIFY(m_driver.sent.isEmpty());
    m_controller->handleElementRelease();
    QCOMPARE(m_driver.sent.size(), 1);
    QVERIFY(isRequest(m_driver.sent.first(), Message::createScenarioMessage(QStringLiteral("15"), 7)));
}

void tst_ScenariosController::scenarioPlusLevels_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<double>("sliderValue");
    QTest::addColumn<Message>("request");
    const QString address = QStringLiteral("15");
    QTest::newRow("favourite 49.9 starts at 49")
        << ScenariosController::START_BUTTON_ID << 49.9 << Message::createStartScenarioPlusMessage(address, 49);
    QTest::newRow("favourite 0.99 starts at 0")
        << ScenariosController::START_BUTTON_ID << 0.99 << Message::createStartScenarioPlusMessage(address, 0);
    QTest::newRow("stop") << ScenariosController::STOP_BUTTON_ID << 80.0
                          << Message::createStopScenarioPlusMessage(address);
}

void tst_ScenariosController::scenarioPlusLevels()
{
    QFETCH(QString, button);
    QFETCH(double, sliderValue);
    QFETCH(Message, request);
    const int id = addScenario(SCENARIO_PLUS);
    m_controller->handleFavoritePress(button, id, sliderValue);
    QVERIFY(m_driver.sent.isEmpty());
    m_controller->handleElementRelease();
    QCOMPARE(m_driver.sent.size(), 1);
    QVERIFY(isRequest(m_driver.sent.first(), request));
}

void tst_ScenariosController::secondPressIsIgnored()
{
    const int first = addScheduled(item(0, 5));
    const int second = addScheduled(item(0, 6));
    m_controller->handleElementPress(ScenariosController::START_BUTTON_ID, first, 0);
    m_controller->handleElementPress(ScenariosController::START_BUTTON_ID, second, 0);
    QCOMPARE(m_controller->pressedDeviceId(), first);
    m_controller->handleElementRelease();
    // The second button's release finds no press.
    m_controller->handleElementRelease();
    QCOMPARE(actions(m_driver.sent), (QList<int>{0, 1}));
    for (const Message& sent : std::as_const(m_driver.sent))
        QCOMPARE(sent.parameters().value(0).value(), 5);
}

void tst_ScenariosController::reloadDuringAHold_data()
{
    QTest::addColumn<bool>("closeFirst");
    QTest::newRow("another project") << false;
    QTest::newRow("project closed") << true;
}

void tst_ScenariosController::reloadDuringAHold()
{
    QFETCH(bool, closeFirst);
    const int id = addScheduled(item(0, 5));
    m_controller->handleElementPress(ScenariosController::START_BUTTON_ID, id, 0);
    m_clock->advance(600);
    QCOMPARE(actions(m_driver.sent), (QList<int>{0, 3}));
    if (closeFirst)
        m_controller->closeConfiguration();
    // The new project reuses the device id for another scheduled scenario.
    std::unique_ptr<Corvane::Devices::Configuration> other(Corvane::Devices::Configuration::empty());
    const int gateway = other->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    auto* properties = new ScenarioDeviceProperties(0, SCHEDULED, DeviceAddress(), QStringLiteral("Other"));
    properties->setItems({}, {}, item(0, 9), {});
    other->addDevice(gateway, properties);
    m_controller->loadDevices(other.get());
    m_controller->setDrivers({{gateway, &m_driver}});
    QVERIFY(!m_controller->isHolding());
    m_clock->advance(2000);
    m_controller->handleElementRelease();
    QCOMPARE(actions(m_driver.sent), (QList<int>{0, 3}));
}

void tst_ScenariosController::pressWithoutACommandStartsNoHold_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("knownDevice");
    QTest::newRow("favourite centre button") << QString() << true;
    QTest::newRow("unknown button") << QStringLiteral("ON") << true;
    QTest::newRow("item not configured") << ScenariosController::STOP_BUTTON_ID << true;
    QTest::newRow("device gone") << ScenariosController::START_BUTTON_ID << false;
}

void tst_ScenariosController::pressWithoutACommandStartsNoHold()
{
    QFETCH(QString, button);
    QFETCH(bool, knownDevice);
    const int id = addScheduled(item(0, 0));
    m_controller->handleElementPress(button, knownDevice ? id : id + 100, 0);
    QVERIFY(!m_controller->isHolding());
    m_clock->advance(1200);
    m_controller->handleElementRelease();
    QVERIFY(m_driver.sent.isEmpty());
}

void tst_ScenariosController::buttonsFollowTheConfiguredItems()
{
    const int id = addScheduled(ScheduledScenarioItem(), item(1, 2));
    QStringList ids;
    QStringList renderers;
    for (const auto& button : ScenariosController::getButtonsForDevice(m_controller->getDeviceById(id))) {
        ids.append(button.buttonId);
        renderers.append(button.icon.renderer().main()->name());
    }
    QCOMPARE(ids, QStringList{ScenariosController::STOP_BUTTON_ID});
    QCOMPARE(renderers, QStringList{QStringLiteral("stop")});
    const int plus = addScenario(SCENARIO_PLUS);
    QCOMPARE(ScenariosController::getButtonsForDevice(m_controller->getDeviceById(plus)).size(), 2);
}

void tst_ScenariosController::knownWhileTheGatewayIsConnected()
{
    const int id = addScenario(SCENARIO);
    const auto state = [this, id] { return icon(id).state(); };
    QCOMPARE(state(), NavigationIcon::Uninitialized);
    m_controller->updateStatus(-1);
    QCOMPARE(state(), NavigationIcon::Normal);
    QVERIFY(m_driver.sent.isEmpty());
    m_driver.setMonitorConnected(false);
    m_controller->updateStatus(-1);
    QCOMPARE(state(), NavigationIcon::Uninitialized);
}

QTEST_MAIN(tst_ScenariosController)
#include "tst_scenarioscontroller.moc"

#include "Controllers/automation/MotorsController.h"

#include "ControllerFixture.h"

#include "devices/DeviceAddress.h"
#include "devices/ShutterDevice.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/AutomationMessage.h"
#include "theme/RendererContainer.h"

#include <QTest>

using namespace Corvane::Sentrel;
using Controllers::MotorsController;
using Corvane::Devices::DeviceAddress;
using Corvane::Devices::ShutterDevice;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;
const int SHUTTER = 3001;
const int CURTAIN = 3002;

bool isRequest(const Message& sent, Message expected)
{
    expected.setPriority(sent.priority());
    return sent == expected;
}

QString rendererName(const NavigationIcon& icon)
{
    return icon.renderer().main() ? icon.renderer().main()->name() : QString();
}

Message automation(const QString& address, int code)
{
    return Message(Corvane::PravikDriver::PravikEnums::Command, Corvane::PravikDriver::PravikEnums::Automation,
                   address, code, 0);
}

} // namespace

class tst_MotorsController : public QObject, private ControllerFixture<MotorsController>
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void buttonsPerType_data();
    void buttonsPerType();
    void buttonToCommand_data();
    void buttonToCommand();
    void messageCodeToRenderer_data();
    void messageCodeToRenderer();
    void unknownStateKeepsTheLastPicture();
    void statusRequests_data();
    void statusRequests();
    void groupMessageReachesKnownMembersOnly();

private:
    ShutterDevice* addDevice(int type, const DeviceAddress& address);
    void receive(const Message& message);
};

void tst_MotorsController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_MotorsController::init()
{
    setUpController();
}

void tst_MotorsController::cleanup()
{
    tearDownController();
}

ShutterDevice* tst_MotorsController::addDevice(int type, const DeviceAddress& address)
{
    const int id = addToGateway(new Corvane::Devices::ShutterDeviceProperties(0, type, address, QStringLiteral("S")));
    return static_cast<ShutterDevice*>(m_controller->getDeviceById(id));
}

void tst_MotorsController::receive(const Message& message)
{
    const Corvane::PravikDriver::UserMessages::AutomationMessage decoded(message);
    m_controller->automationMessageReceived(&m_driver, decoded, message, true);
}

void tst_MotorsController::buttonsPerType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QStringList>("renderers");
    QTest::newRow("shutter") << SHUTTER << QStringList{"motor_up", "stop", "motor_down"};
    QTest::newRow("curtain") << CURTAIN << QStringList{"motor_open", "stop", "motor_close"};
}

void tst_MotorsController::buttonsPerType()
{
    QFETCH(int, type);
    QFETCH(QStringList, renderers);
    const ShutterDevice* device = addDevice(type, DeviceAddress(1, 5, NONE, NONE));
    QVERIFY(device);
    QStringList shown;
    QStringList ids;
    for (const auto& button : MotorsController::getButtonsForDevice(device)) {
        shown.append(rendererName(button.icon));
        ids.append(button.buttonId);
    }
    QCOMPARE(shown, renderers);
    QCOMPARE(ids, (QStringList{"OPEN", "STOP", "CLOSE"}));
}

void tst_MotorsController::buttonToCommand_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("command");
    QTest::newRow("open") << MotorsController::OPEN_BUTTON_ID << 1;
    QTest::newRow("stop") << MotorsController::STOP_BUTTON_ID << 0;
    QTest::newRow("close") << MotorsController::CLOSE_BUTTON_ID << 2;
    QTest::newRow("a lighting button") << QStringLiteral("ON") << -1;
    QTest::newRow("empty") << QString() << -1;
}

void tst_MotorsController::buttonToCommand()
{
    QFETCH(QString, button);
    QFETCH(int, command);
    const ShutterDevice* device = addDevice(SHUTTER, DeviceAddress(1, 5, NONE, NONE));
    m_controller->handleButtonIdClicked(button, device->id());
    m_controller->handleButtonIdClicked(button, device->id() + 100);
    QCOMPARE(m_driver.sent.size(), command < 0 ? 0 : 1);
    if (command >= 0)
        QVERIFY(isRequest(m_driver.sent.first(), Message::createShutterMessage(QStringLiteral("15"), command)));
    // The picture follows the gateway's answer, not the click.
    QVERIFY(!device->isOpening() && !device->isClosing());
}

void tst_MotorsController::messageCodeToRenderer_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("renderer");
    QTest::newRow("shutter opening") << SHUTTER << 200001 << "shutter_up";
    QTest::newRow("shutter closing") << SHUTTER << 200002 << "shutter_down";
    QTest::newRow("shutter stopped") << SHUTTER << 200000 << "shutter";
    QTest::newRow("shutter, other code") << SHUTTER << 200003 << "shutter";
    QTest::newRow("curtain opening") << CURTAIN << 200001 << "curtain_open";
    QTest::newRow("curtain closing") << CURTAIN << 200002 << "curtain_close";
    QTest::newRow("curtain stopped") << CURTAIN << 200000 << "curtain";
}

void tst_MotorsController::messageCodeToRenderer()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(QString, renderer);
    const ShutterDevice* device = addDevice(type, DeviceAddress(1, 5, NONE, NONE));
    QCOMPARE(icon(device->id()).state(), NavigationIcon::Uninitialized);
    // Moving first, so that a still code must bring the still picture back.
    receive(automation(QStringLiteral("15"), 200001));
    receive(automation(QStringLiteral("15"), code));
    QCOMPARE(rendererName(icon(device->id())), renderer);
    QCOMPARE(icon(device->id()).state(), NavigationIcon::Normal);
    QVERIFY(device->isStatusKnown());
}

void tst_MotorsController::unknownStateKeepsTheLastPicture()
{
    ShutterDevice* device = addDevice(SHUTTER, DeviceAddress(1, 5, NONE, NONE));
    receive(automation(QStringLiteral("15"), 200002));
    m_controller->updateDeviceStatus(device);
    QCOMPARE(icon(device->id()).state(), NavigationIcon::Uninitialized);
    QCOMPARE(rendererName(icon(device->id())), QStringLiteral("shutter_down"));
}

void tst_MotorsController::statusRequests_data()
{
    QTest::addColumn<DeviceAddress>("address");
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QString>("renderer");
    QTest::newRow("point") << DeviceAddress(1, 5, NONE, NONE) << true << true << false << "shutter";
    QTest::newRow("group, connected") << DeviceAddress(DeviceAddress::ADDRESS_GR, 3, NONE, NONE) << true << false
                                      << true << "shutter_group";
    QTest::newRow("general, disconnected") << DeviceAddress(DeviceAddress::ADDRESS_GEN, NONE, NONE, NONE) << false
                                           << false << false << "shutter_group";
}

void tst_MotorsController::statusRequests()
{
    QFETCH(DeviceAddress, address);
    QFETCH(bool, connected);
    QFETCH(bool, asks);
    QFETCH(bool, known);
    QFETCH(QString, renderer);
    const ShutterDevice* device = addDevice(SHUTTER, address);
    m_driver.setMonitorConnected(connected);
    m_controller->updateStatus(-1);
    QCOMPARE(m_driver.sent.size(), asks ? 1 : 0);
    if (asks)
        QVERIFY(isRequest(m_driver.sent.first(), Message::createShutterStatusMessage(QStringLiteral("15"))));
    QCOMPARE(device->isStatusKnown(), known);
    QCOMPARE(rendererName(icon(device->id())), renderer);
}

void tst_MotorsController::groupMessageReachesKnownMembersOnly()
{
    addDevice(SHUTTER, DeviceAddress(1, 5, NONE, NONE, 0, {2}));
    addDevice(SHUTTER, DeviceAddress(1, 6, NONE, NONE, 0, {2}));
    addDevice(SHUTTER, DeviceAddress(1, 7, NONE, NONE, 0, {4}));
    const QList<const Corvane::Devices::BaseDevice*> devices = m_controller->devices();
    const auto shutter = [&devices](int index) { return static_cast<const ShutterDevice*>(devices.at(index)); };
    receive(automation(QStringLiteral("15"), 200000));
    receive(automation(QStringLiteral("17"), 200000));
    receive(automation(QStringLiteral("#2"), 200001));
    QVERIFY(shutter(0)->isOpening());
    // Unknown until its own state arrives.
    QVERIFY(!shutter(1)->isOpening());
    QVERIFY(!shutter(1)->isStatusKnown());
    // Not in the group.
    QVERIFY(!shutter(2)->isOpening());
}

QTEST_MAIN(tst_MotorsController)
#include "tst_motorscontroller.moc"

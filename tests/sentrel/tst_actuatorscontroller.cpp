#include "Controllers/ActuatorsController.h"

#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "Controllers/NavigationController.h"

#include "devices/ActuatorDevice.h"
#include "devices/ActuatorDeviceProperties.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/WebServerDeviceProperties.h"
#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "navigation/NavigationControl.h"
#include "favorite/FavoriteControl.h"
#include "theme/ThemeProvider.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/LightsMessage.h"

#include <QLineF>
#include <QTest>

#include <cmath>

using namespace Corvane::Sentrel;
using Controllers::ActuatorsController;
using Controllers::BaseController;
using Corvane::Devices::ActuatorDevice;
using Corvane::Devices::ActuatorDeviceProperties;
using Corvane::Devices::DeviceAddress;
using Corvane::Gadgets::FavoriteControl;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;

Q_DECLARE_METATYPE(Corvane::PravikDriver::Message)

namespace {

const int NONE = DeviceAddress::EMPTY_INT_VALUE;

// Whether sent is expected, whatever priority the driver gave it.
bool isRequest(const Message& sent, Message expected)
{
    expected.setPriority(sent.priority());
    return sent == expected;
}

// A gateway that records what it is asked to send.
class RecordingDriver : public Corvane::PravikDriver::OpenDriver
{
public:
    void sendMessage(const Message& message) override { sent.append(message); }
    QList<Message> sent;
};

// The segment of a favourite's first ring that shows the button, or null.
Corvane::Gadgets::SvgElement* ringButton(FavoriteControl* control, const QString& buttonId)
{
    Corvane::Gadgets::CommandControl* ring = control->commandControl1();
    for (Corvane::Gadgets::SvgContentButton* segment : ring->oddSegments() + ring->evenSegments())
        if (ring->getButtonId(segment) == buttonId)
            return segment;
    return nullptr;
}

// Direction of a scene point seen from centre, in degrees.
qreal angleFrom(const QPointF& centre, const QPointF& point)
{
    return QLineF(centre, point).angle();
}

qreal angleBetween(qreal a, qreal b)
{
    const qreal d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

QString stateElement(NavigationIcon::State state)
{
    return NavigationIcon::getElementIdForState(state);
}

} // namespace

class tst_ActuatorsController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void levelRequests_data();
    void levelRequests();
    void groupLevelIsKeptAtOnce_data();
    void groupLevelIsKeptAtOnce();
    void buttons_data();
    void buttons();
    void lightMessages_data();
    void lightMessages();
    void favoriteRingSwitchesTheLight_data();
    void favoriteRingSwitchesTheLight();
    void favoriteSliderSetsTheLevel();
    void favoriteSliderUnlessNoValue_data();
    void favoriteSliderUnlessNoValue();
    void favoriteFollowsTheGateway();
    void ringOpensBesideItsIcon_data();
    void ringOpensBesideItsIcon();

private:
    ActuatorDevice* addLight(int type, const DeviceAddress& address);

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<ActuatorsController> m_controller;
    RecordingDriver m_driver;
    int m_gateway = 0;
};

void tst_ActuatorsController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_ActuatorsController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    m_project.reset(Corvane::Devices::Configuration::empty());
    m_gateway = m_project->addDevice(new Corvane::Devices::WebServerDeviceProperties(0));
    m_controller = std::make_unique<ActuatorsController>(nullptr);
    m_driver.sent.clear();
}

void tst_ActuatorsController::cleanup()
{
    m_controller.reset();
    m_project.reset();
    m_fixture.reset();
}

ActuatorDevice* tst_ActuatorsController::addLight(int type, const DeviceAddress& address)
{
    const int id = m_project->addDevice(m_gateway, new ActuatorDeviceProperties(0, type, address, QStringLiteral("L")));
    m_controller->loadDevices(m_project.get());
    m_controller->setDrivers({{m_gateway, &m_driver}});
    return static_cast<ActuatorDevice*>(m_controller->getDeviceById(id));
}

void tst_ActuatorsController::levelRequests_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("level");
    QTest::addColumn<Message>("request");
    const QString a = QStringLiteral("15");
    QTest::newRow("10 levels, 4 is off") << 2002 << 4.0 << Message::createSwitchLightMessage(a, false);
    QTest::newRow("10 levels, 55 is step 6") << 2002 << 55.0 << Message::createDimmer10Message(a, 6);
    QTest::newRow("10 levels (2006), 100") << 2006 << 100.0 << Message::createDimmer10Message(a, 10);
    QTest::newRow("100 levels, 37 plus 100") << 2001 << 37.0 << Message::createDimmer100Message(a, 137, 0);
    QTest::newRow("100 levels, 0.5 rounds up") << 2001 << 0.5 << Message::createDimmer100Message(a, 101, 0);
    QTest::newRow("100 levels, 0 is off") << 2001 << 0.0 << Message::createSwitchLightMessage(a, false);
    QTest::newRow("100 levels, 0.4 is off") << 2001 << 0.4 << Message::createSwitchLightMessage(a, false);
}

void tst_ActuatorsController::levelRequests()
{
    QFETCH(int, type);
    QFETCH(double, level);
    QFETCH(Message, request);
    ActuatorDevice* light = addLight(type, DeviceAddress(1, 5, NONE, NONE));
    QVERIFY(light);
    QCOMPARE(m_controller->devices().size(), 1);
    m_controller->setDeviceLevel(light->id(), level);
    QCOMPARE(m_driver.sent.size(), 1);
    QVERIFY(isRequest(m_driver.sent.first(), request));
    // A point light waits for its gateway's answer.
    QCOMPARE(light->isStatusKnown(), false);
}

void tst_ActuatorsController::groupLevelIsKeptAtOnce_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("level");
    QTest::addColumn<int>("kept");
    QTest::newRow("100 levels") << 2001 << 70.0 << 70;
    QTest::newRow("10 levels") << 2002 << 66.0 << 70;
}

void tst_ActuatorsController::groupLevelIsKeptAtOnce()
{
    QFETCH(int, type);
    QFETCH(double, level);
    QFETCH(int, kept);
    ActuatorDevice* group = addLight(type, DeviceAddress(DeviceAddress::ADDRESS_GR, 3, NONE, NONE));
    QVERIFY(group);
    m_controller->setDeviceLevel(group->id(), level);
    QCOMPARE(group->level(), kept);
    QCOMPARE(m_driver.sent.size(), 1);
}

void tst_ActuatorsController::buttons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("sends");
    QTest::addColumn<bool>("on");
    QTest::newRow("on") << ActuatorsController::ON_BUTTON_ID << true << true;
    QTest::newRow("off") << ActuatorsController::OFF_BUTTON_ID << true << false;
    QTest::newRow("other") << QStringLiteral("STOP") << false << false;
    QTest::newRow("empty") << QString() << false << false;
}

void tst_ActuatorsController::buttons()
{
    QFETCH(QString, button);
    QFETCH(bool, sends);
    QFETCH(bool, on);
    ActuatorDevice* light = addLight(2003, DeviceAddress(1, 5, NONE, NONE));
    QVERIFY(light);
    m_controller->handleButtonIdClicked(button, light->id());
    m_controller->handleButtonIdClicked(button, 4242);
    QCOMPARE(m_driver.sent.size(), sends ? 1 : 0);
    if (sends)
        QVERIFY(isRequest(m_driver.sent.first(), Message::createSwitchLightMessage(QStringLiteral("15"), on)));
    // The state follows the gateway's answer, not the click.
    QCOMPARE(light->isOn(), false);
}

void tst_ActuatorsController::lightMessages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<Message>("message");
    QTest::addColumn<bool>("fromMappedDriver");
    QTest::addColumn<bool>("known");
    QTest::addColumn<bool>("on");
    const QString a = QStringLiteral("15");
    QTest::newRow("on") << 2003 << Message::createSwitchLightMessage(a, true) << true << true << true;
    QTest::newRow("off") << 2003 << Message::createSwitchLightMessage(a, false) << true << true << false;
    QTest::newRow("other light") << 2003 << Message::createSwitchLightMessage(QStringLiteral("16"), true) << true
                                 << false << false;
    // A driver of a closed project may still report while it closes.
    QTest::newRow("unmapped driver") << 2003 << Message::createSwitchLightMessage(a, true) << false << false
                                     << false;
    QTest::newRow("dimmer-100 level to an on/off light")
        << 2003 << Message::createDimmer100Message(a, 150, 0) << true << false << false;
}

void tst_ActuatorsController::lightMessages()
{
    QFETCH(int, type);
    QFETCH(Message, message);
    QFETCH(bool, fromMappedDriver);
    QFETCH(bool, known);
    QFETCH(bool, on);
    ActuatorDevice* light = addLight(type, DeviceAddress(1, 5, NONE, NONE));
    QVERIFY(light);
    RecordingDriver closing;
    const Corvane::PravikDriver::UserMessages::LightsMessage decoded(message);
    m_controller->lightMessageReceived(fromMappedDriver ? &m_driver : &closing, decoded, message, true);
    QCOMPARE(light->isStatusKnown(), known);
    QCOMPARE(light->isOn(), on);
}

void tst_ActuatorsController::favoriteRingSwitchesTheLight_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("state");
    QTest::newRow("on") << ActuatorsController::ON_BUTTON_ID << int(NavigationIcon::Normal);
    QTest::newRow("off") << ActuatorsController::OFF_BUTTON_ID << int(NavigationIcon::Inactive);
}

// The demo project in no-server mode: the simulated gateway answers every
// request before it returns.
void tst_ActuatorsController::favoriteRingSwitchesTheLight()
{
    QFETCH(QString, button);
    QFETCH(int, state);
    const int hall = 3;
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    NavigationWindow window;
    auto* lighting = qobject_cast<ActuatorsController*>(window.navigationController()->controllers().value(0));
    QVERIFY(lighting);
    FavoriteWindow* favorite = lighting->addFavorite(hall, 0, QPoint(200, 200), false, false, 50);
    FavoriteControl* control = favorite->favoriteControl();
    // Start from the other state.
    const bool on = button == ActuatorsController::ON_BUTTON_ID;
    lighting->handleButtonIdClicked(on ? ActuatorsController::OFF_BUTTON_ID : ActuatorsController::ON_BUTTON_ID,
                                    hall);
    QVERIFY(control->centerButton()->iconElement() != stateElement(NavigationIcon::State(state)));

    Q_EMIT control->elementClick(control->centerButton());
    Corvane::Gadgets::SvgElement* segment = ringButton(control, button);
    QVERIFY(segment);
    Q_EMIT control->elementClick(segment);
    QCOMPARE(control->centerButton()->iconElement(), stateElement(NavigationIcon::State(state)));
    QCOMPARE(static_cast<ActuatorDevice*>(lighting->getDeviceById(hall))->isOn(), on);
    QCOMPARE(lighting->favorites().size(), 1); // the ring's buttons are no close icon
}

void tst_ActuatorsController::favoriteSliderSetsTheLevel()
{
    ActuatorDevice* light = addLight(2001, DeviceAddress(1, 5, NONE, NONE));
    FavoriteWindow* favorite = m_controller->addFavorite(light->id(), 0, QPoint(200, 200), false, false, 50);
    favorite->favoriteControl()->setSliderValue(37);
    Q_EMIT favorite->favoriteControl()->sliderValueChanged();
    QCOMPARE(m_driver.sent.size(), 1);
    QVERIFY(isRequest(m_driver.sent.first(), Message::createDimmer100Message(QStringLiteral("15"), 137, 0)));
}

void tst_ActuatorsController::favoriteSliderUnlessNoValue_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("slider");
    QTest::newRow("on/off light") << 2003 << false;
    QTest::newRow("100-level dimmer") << 2001 << true;
    QTest::newRow("10-level dimmer") << 2002 << true;
}

void tst_ActuatorsController::favoriteSliderUnlessNoValue()
{
    QFETCH(int, type);
    QFETCH(bool, slider);
    ActuatorDevice* light = addLight(type, DeviceAddress(1, 5, NONE, NONE));
    FavoriteWindow* favorite = m_controller->addFavorite(light->id(), 0, QPoint(200, 200), false, false, 50);
    QCOMPARE(favorite->favoriteControl()->sliderVisible(), slider);
    QCOMPARE(favorite->windowTitle(), QStringLiteral("L"));
}

void tst_ActuatorsController::favoriteFollowsTheGateway()
{
    ActuatorDevice* light = addLight(2003, DeviceAddress(1, 5, NONE, NONE));
    FavoriteWindow* favorite = m_controller->addFavorite(light->id(), 0, QPoint(200, 200), false, false, 50);
    FavoriteControl* control = favorite->favoriteControl();
    QCOMPARE(control->centerButton()->iconElement(), stateElement(NavigationIcon::Uninitialized));

    const Message on = Message::createSwitchLightMessage(QStringLiteral("15"), true);
    m_controller->lightMessageReceived(&m_driver, Corvane::PravikDriver::UserMessages::LightsMessage(on), on, true);
    QCOMPARE(control->centerButton()->iconElement(), stateElement(NavigationIcon::Normal));

    m_controller->disconnected(&m_driver, true);
    QCOMPARE(control->centerButton()->iconElement(), stateElement(NavigationIcon::Uninitialized));
}

void tst_ActuatorsController::ringOpensBesideItsIcon_data()
{
    QTest::addColumn<int>("segment");
    for (int segment = 0; segment < 5; ++segment)
        QTest::addRow("segment %d", segment) << segment;
}

// The ring's buttons open around the clicked icon, whatever its segment and
// the gadget's size.
void tst_ActuatorsController::ringOpensBesideItsIcon()
{
    QFETCH(int, segment);
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    Settings::guiProperties().setTempConfigFileName(QStringLiteral(DEMO_PROJECT));
    NavigationWindow window;
    for (int percent : {100, 20}) {
        window.setScale(percent, true);
        auto* lighting = qobject_cast<ActuatorsController*>(window.navigationController()->controllers().value(0));
        Corvane::Gadgets::NavigationControl* carousel = window.navigationControl();
        carousel->notifyNavigationIconClicked(window.navigationController()->homeIcons().first(), 0, false);
        QCOMPARE(carousel->currentPageId(), int(BaseController::LIGHTS_PAGE_ID));
        const NavigationIcon icon = lighting->getIconByIndex(carousel->getIconIndexBySegment(segment));
        carousel->notifyNavigationIconClicked(icon, segment, false);
        Corvane::Gadgets::CommandControl* ring = carousel->commandControl1();
        QVERIFY(ring);
        const QPointF centre = carousel->centerButton()->mapToScene(carousel->centerButton()->boundingRect().center());
        const qreal iconAngle = angleFrom(centre, carousel->mapToScene(carousel->getSegmentCenter(segment)));
        for (Corvane::Gadgets::SvgContentButton* button : ring->oddSegments() + ring->evenSegments()) {
            if (ring->getButtonId(button).isEmpty())
                continue;
            const qreal buttonAngle = angleFrom(centre, button->mapToScene(button->contentBounds().center()));
            QVERIFY2(angleBetween(iconAngle, buttonAngle) < 50.0,
                     qPrintable(QStringLiteral("%1% icon %2 button %3").arg(percent).arg(iconAngle).arg(buttonAngle)));
        }
        window.navigationController()->goHome();
    }
}

QTEST_MAIN(tst_ActuatorsController)
#include "tst_actuatorscontroller.moc"

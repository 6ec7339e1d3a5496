#include "Controllers/lighting/ActuatorsController.h"

#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "Controllers/navigation/NavigationController.h"

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
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
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

// A gateway's actuator diagnostic report: fault 0 (none), 1 or 2.
Message faultReport(const QString& where, int fault)
{
    using namespace Corvane::PravikDriver;
    return Message(PravikEnums::DimensionValue, PravikEnums::Lighting, where, 0, PravikCodes::LIGHT_FAULT, {fault});
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
    void gatewayFaults_data();
    void gatewayFaults();
    void commandAddressMessages_data();
    void commandAddressMessages();

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

void tst_ActuatorsController::gatewayFaults_data()
{
    QTest::addColumn<int>("ownFault");
    QTest::addColumn<Message>("message");
    QTest::addColumn<bool>("throughGroup");
    QTest::addColumn<int>("fault");
    QTest::addColumn<bool>("on");
    const QString a = QStringLiteral("15");
    const QString group = QStringLiteral("#3");
    const Message off = Message::createSwitchLightMessage(a, false);
    // The light starts known and on.
    QTest::newRow("none, fault 1 reported") << 0 << faultReport(a, 1) << false << 1 << true;
    QTest::newRow("none, fault 2 reported") << 0 << faultReport(a, 2) << false << 2 << true;
    QTest::newRow("none, fault 1 through its group") << 0 << faultReport(group, 1) << true << 1 << true;
    QTest::newRow("none, no fault reported") << 0 << faultReport(a, 0) << false << 0 << true;
    QTest::newRow("none, switched off") << 0 << off << false << 0 << false;
    QTest::newRow("2, cleared by diagnostic") << 2 << faultReport(a, 0) << false << 0 << true;
    QTest::newRow("2, becomes 1") << 2 << faultReport(a, 1) << false << 1 << true;
    QTest::newRow("2, reported again") << 2 << faultReport(a, 2) << false << 2 << true;
    QTest::newRow("2, switched off, fault kept") << 2 << off << false << 2 << false;
    QTest::newRow("2, group off, fault kept") << 2 << Message::createSwitchLightMessage(group, false) << true << 2
                                             << false;
    QTest::newRow("1, own off clears it") << 1 << off << false << 0 << false;
    QTest::newRow("1, diagnostic without fault clears it") << 1 << faultReport(a, 0) << false << 0 << true;
    QTest::newRow("1, fault 2 keeps 1") << 1 << faultReport(a, 2) << false << 1 << true;
    // A faulty light does not follow its group's commands.
    QTest::newRow("1, group off ignored") << 1 << Message::createSwitchLightMessage(group, false) << true << 1
                                          << true;
}

// Faults the gateway reports set the light's error type, which shows as the
// error indicator on its icon and its favourite.
void tst_ActuatorsController::gatewayFaults()
{
    QFETCH(int, ownFault);
    QFETCH(Message, message);
    QFETCH(bool, throughGroup);
    QFETCH(int, fault);
    QFETCH(bool, on);
    ActuatorDevice* light = addLight(2003, DeviceAddress(1, 5, NONE, NONE, 0, {3}));
    QVERIFY(light);
    FavoriteWindow* favorite = m_controller->addFavorite(light->id(), 0, QPoint(200, 200), false, false, 50);
    light->setStatusKnown(true);
    light->setIsOn(true);
    light->setErrorType(ownFault);

    const Corvane::PravikDriver::UserMessages::LightsMessage decoded(message);
    QCOMPARE(decoded.isDiagnostic(), message.dimension() == Corvane::PravikDriver::PravikCodes::LIGHT_FAULT);
    QCOMPARE(decoded.where(), throughGroup ? QStringLiteral("#3") : QStringLiteral("15"));
    m_controller->lightMessageReceived(&m_driver, decoded, message, true);
    QCOMPARE(light->errorType(), fault);
    QCOMPARE(light->hasError(), fault > 0);
    QCOMPARE(light->isOn(), on);
    QVERIFY(light->isStatusKnown());

    auto* errorMark = Corvane::Gadgets::ThemeProvider::getRendererFor(Corvane::Gadgets::ThemeProvider::ERROR_INDICATOR);
    const NavigationIcon icon = m_controller->icons().at(m_controller->indexOfIcon(light->id()));
    QCOMPARE(icon.renderer().overlays().contains(errorMark), fault > 0);
    QCOMPARE(favorite->favoriteControl()->iconRenderer().overlays().contains(errorMark), fault > 0);
    QCOMPARE(icon.state(), on ? NavigationIcon::Normal : NavigationIcon::Inactive);
}

void tst_ActuatorsController::commandAddressMessages_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<bool>("on");
    QTest::addColumn<QList<int>>("states");
    const int normal = NavigationIcon::Normal;
    const int unknown = NavigationIcon::Uninitialized;
    const int off = NavigationIcon::Inactive;
    // Lights: 15 in group 3; 26; 17 in group 3, never answered; 18 in
    // group 3 behind a PUL; the group 3 light itself.
    QTest::newRow("group on") << QStringLiteral("#3") << true << QList<int>{normal, off, unknown, normal, off};
    QTest::newRow("other group") << QStringLiteral("#4") << true << QList<int>{off, off, unknown, off, off};
    QTest::newRow("ambient 1 on") << QStringLiteral("1") << true << QList<int>{normal, off, unknown, off, off};
    QTest::newRow("ambient 2 on") << QStringLiteral("2") << true << QList<int>{off, normal, unknown, off, off};
    QTest::newRow("general on") << QStringLiteral("0") << true << QList<int>{normal, normal, unknown, off, off};
    QTest::newRow("general off") << QStringLiteral("0") << false << QList<int>{off, off, unknown, off, off};
}

// A command to a group, an ambient or the whole installation changes the
// member lights whose state is known; the command address's own icon is not
// a member.
void tst_ActuatorsController::commandAddressMessages()
{
    QFETCH(QString, where);
    QFETCH(bool, on);
    QFETCH(QList<int>, states);
    const QList<DeviceAddress> addresses{
        DeviceAddress(1, 5, NONE, NONE, 0, {3}),
        DeviceAddress(2, 6, NONE, NONE),
        DeviceAddress(1, 7, NONE, NONE, 0, {3}),
        DeviceAddress(1, 8, NONE, NONE, 1, {3}),
        DeviceAddress(DeviceAddress::ADDRESS_GR, 3, NONE, NONE),
    };
    QList<int> ids;
    for (const DeviceAddress& address : addresses)
        ids.append(m_project->addDevice(m_gateway, new ActuatorDeviceProperties(0, 2003, address, QStringLiteral("L"))));
    m_controller->loadDevices(m_project.get());
    m_controller->setDrivers({{m_gateway, &m_driver}});
    // Every light but 17 has told it is off; the group light is drawn off.
    for (const QString& point : {QStringLiteral("15"), QStringLiteral("26"), QStringLiteral("18")}) {
        const Message status = Message::createSwitchLightMessage(point, false);
        m_controller->lightMessageReceived(&m_driver, Corvane::PravikDriver::UserMessages::LightsMessage(status),
                                           status, true);
    }
    m_controller->getDeviceById(ids.last())->setStatusKnown(true);
    m_controller->updateUIforDevice(m_controller->getDeviceById(ids.last()));

    const Message command = Message::createSwitchLightMessage(where, on);
    m_controller->lightMessageReceived(&m_driver, Corvane::PravikDriver::UserMessages::LightsMessage(command), command,
                                       true);
    QList<int> shown;
    for (int id : ids)
        shown.append(m_controller->icons().at(m_controller->indexOfIcon(id)).state());
    QCOMPARE(shown, states);
    QVERIFY(!m_controller->getDeviceById(ids.at(2))->isStatusKnown());
}

QTEST_MAIN(tst_ActuatorsController)
#include "tst_actuatorscontroller.moc"

#include "Controllers/NavigationController.h"

#include "Controllers/ActuatorsController.h"
#include "NavigationWindow.h"
#include "SentrelFixture.h"
#include "simulation/PseudoDriver.h"

#include "devices/BaseDevice.h"
#include "devices/Configuration.h"
#include "devices/GuiProperties.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/serialization/XmlSerializer.h"
#include "navigation/NavigationControl.h"

#include <QKeyEvent>
#include <QTest>

using namespace Corvane::Sentrel;
using Controllers::ActuatorsController;
using Controllers::BaseController;
using Controllers::NavigationController;
using Corvane::Gadgets::Models::NavigationIcon;

namespace {

// Demo project devices.
const int HALL = 3;          // on/off light
const int LIVING_DIMMER = 4; // 100-level dimmer
const int GROUND_FLOOR = 7;  // group of lights
const int LIGHTING_FAMILY = 1;

// The demo project with its lights and gateways alone: a project of a
// single page.
QString writeLightingProject(const QString& folder)
{
    std::unique_ptr<Corvane::Devices::Configuration> project(
        Corvane::Devices::Serialization::XmlSerializer::read(QStringLiteral(DEMO_PROJECT)));
    if (!project)
        return QString();
    for (const Corvane::Devices::BaseDeviceProperties* device : project->devices()) {
        if (device->familyCode() != LIGHTING_FAMILY && device->deviceType() != Corvane::Devices::WebServerDeviceProperties::WEBSERVER_DEVICE_TYPE)
            project->removeDevice(device->id());
    }
    const QString path = folder + QStringLiteral("/lighting.vtprj");
    return Corvane::Devices::Serialization::XmlSerializer::write(*project, path) ? path : QString();
}

} // namespace

class tst_NavigationController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void singlePageOpensAtOnce();
    void noServerModeSimulatesEveryGateway();
    void ringOpensAndCloses();
    void switchingChangesTheIcon_data();
    void switchingChangesTheIcon();
    void unknownIconClickDoesNothing();
    void backPressNobodyTakesGoesHome();
    void driversGoBeforeTheControllers();

private:
    NavigationController* navigation() const { return m_window->navigationController(); }
    ActuatorsController* lighting() const;
    NavigationIcon shownIcon(int id) const;
    int segmentOf(int id) const;

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<NavigationWindow> m_window;
};

void tst_NavigationController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_NavigationController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    Settings::s_instance->setSupportTransparency(true);
    Settings::s_instance->setNoServer(true);
    const QString project = writeLightingProject(m_fixture->dataPath());
    QVERIFY(!project.isEmpty());
    Settings::guiProperties().setTempConfigFileName(project);
    m_window = std::make_unique<NavigationWindow>();
}

void tst_NavigationController::cleanup()
{
    m_window.reset();
    m_fixture.reset();
}

ActuatorsController* tst_NavigationController::lighting() const
{
    return qobject_cast<ActuatorsController*>(navigation()->controllers().value(0));
}

NavigationIcon tst_NavigationController::shownIcon(int id) const
{
    for (const NavigationIcon& icon : m_window->navigationControl()->icons())
        if (icon.id() == id)
            return icon;
    return NavigationIcon();
}

int tst_NavigationController::segmentOf(int id) const
{
    const QList<NavigationIcon> icons = m_window->navigationControl()->icons();
    for (int i = 0; i < icons.size(); ++i)
        if (icons.at(i).id() == id)
            return m_window->navigationControl()->getSegmentIndexByIcon(i);
    return -1;
}

void tst_NavigationController::singlePageOpensAtOnce()
{
    QVERIFY(navigation());
    QVERIFY(lighting());
    QCOMPARE(navigation()->homeIcons().size(), 1);
    QCOMPARE(navigation()->homeIcons().first().id(), BaseController::LIGHTS_PAGE_ID);
    QCOMPARE(navigation()->pageMap().keys(), QList<int>{BaseController::LIGHTS_PAGE_ID});
    QCOMPARE(m_window->navigationControl()->currentPageId(), BaseController::LIGHTS_PAGE_ID);
    QCOMPARE(navigation()->currentController(), lighting());
    QVERIFY(lighting()->icons().size() >= 2);
    QList<int> shown;
    for (const NavigationIcon& icon : m_window->navigationControl()->icons())
        if (!icon.isEmpty())
            shown.append(icon.id());
    QList<int> lights;
    for (const NavigationIcon& icon : lighting()->icons()) {
        lights.append(icon.id());
        // The labels show the name; a text on the segment would push the
        // picture off its place.
        QVERIFY2(!icon.tooltip().isEmpty(), qPrintable(QString::number(icon.id())));
        QVERIFY2(icon.text().isEmpty(), qPrintable(icon.text()));
    }
    QCOMPARE(shown, lights);
}

void tst_NavigationController::noServerModeSimulatesEveryGateway()
{
    const auto drivers = navigation()->drivers();
    QVERIFY(!drivers.isEmpty());
    for (auto* driver : drivers)
        QVERIFY(qobject_cast<PseudoDriver*>(driver));
    QCOMPARE(lighting()->drivers(), drivers);
    // The simulated gateway answered every status request at once.
    QVERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
    QVERIFY(lighting()->getDeviceById(LIVING_DIMMER)->isStatusKnown());
    QVERIFY(shownIcon(HALL).state() != NavigationIcon::Uninitialized);
    // A group is usable while its (simulated) gateway is connected.
    QVERIFY(lighting()->getDeviceById(GROUND_FLOOR)->isStatusKnown());
}

void tst_NavigationController::ringOpensAndCloses()
{
    Corvane::Gadgets::NavigationControl* control = m_window->navigationControl();
    const int segment = segmentOf(HALL);
    QVERIFY(segment >= 0);
    control->notifyNavigationIconClicked(shownIcon(HALL), segment, false);
    QCOMPARE(lighting()->selectedDeviceId(), HALL);
    QCOMPARE(control->commandControl1(), lighting()->commandControl());
    control->notifyNavigationIconClicked(shownIcon(HALL), segment, false);
    QCOMPARE(lighting()->selectedDeviceId(), 0);
    QVERIFY(!control->commandControl1());
}

void tst_NavigationController::switchingChangesTheIcon_data()
{
    QTest::addColumn<int>("device");
    QTest::newRow("on/off light") << HALL;
    QTest::newRow("dimmer") << LIVING_DIMMER;
}

void tst_NavigationController::switchingChangesTheIcon()
{
    QFETCH(int, device);
    Corvane::Gadgets::NavigationControl* control = m_window->navigationControl();
    control->notifyNavigationIconClicked(shownIcon(device), segmentOf(device), false);
    lighting()->handleButtonIdClicked(ActuatorsController::OFF_BUTTON_ID, lighting()->selectedDeviceId());
    QCOMPARE(shownIcon(device).state(), NavigationIcon::Inactive);
    lighting()->handleButtonIdClicked(ActuatorsController::ON_BUTTON_ID, lighting()->selectedDeviceId());
    QCOMPARE(shownIcon(device).state(), NavigationIcon::Normal);
    lighting()->handleButtonIdClicked(QStringLiteral("DIM"), lighting()->selectedDeviceId());
    QCOMPARE(shownIcon(device).state(), NavigationIcon::Normal);
}

void tst_NavigationController::unknownIconClickDoesNothing()
{
    Corvane::Gadgets::NavigationControl* control = m_window->navigationControl();
    const QList<NavigationIcon> before = control->icons();
    control->notifyNavigationIconClicked(NavigationIcon(Corvane::Gadgets::Utilities::IconRenderer(), QString(), 9999),
                                         0, false);
    QCOMPARE(control->icons().size(), before.size());
    QCOMPARE(control->currentPageId(), BaseController::LIGHTS_PAGE_ID);
    QCOMPARE(lighting()->selectedDeviceId(), 0);
}

void tst_NavigationController::backPressNobodyTakesGoesHome()
{
    Corvane::Gadgets::NavigationControl* control = m_window->navigationControl();
    control->notifyNavigationIconClicked(shownIcon(HALL), segmentOf(HALL), false);
    QVERIFY(control->commandControl1());
    control->notifyBackButtonClicked();
    // Home with a single page is that page again, with no ring open.
    QVERIFY(!control->commandControl1());
    QCOMPARE(lighting()->selectedDeviceId(), 0);
    QCOMPARE(control->currentPageId(), BaseController::LIGHTS_PAGE_ID);
}

void tst_NavigationController::driversGoBeforeTheControllers()
{
    QList<QPointer<QObject>> drivers;
    for (auto* driver : navigation()->drivers())
        drivers.append(driver);
    m_window.reset();
    for (const QPointer<QObject>& driver : drivers)
        QVERIFY(driver.isNull());
}

QTEST_MAIN(tst_NavigationController)
#include "tst_navigationcontroller.moc"

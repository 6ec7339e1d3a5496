#include "Controllers/navigation/NavigationController.h"

#include "Controllers/lighting/ActuatorsController.h"
#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "Controllers/base/CarouselController.h"
#include "Controllers/navigation/ClosingHandshake.h"
#include "Controllers/navigation/NavigationMenus.h"
#include "Controllers/navigation/SystemTrayWatch.h"
#include "Controllers/navigation/UserConfigurationController.h"
#include "NavigationFixture.h"
#include "simulation/ClockTimer.h"
#include "simulation/PseudoDriver.h"

#include "FakeGateway.h"

#include "devices/BaseDevice.h"
#include "pravikdriver/FrameCodec.h"
#include "pravikdriver/PravikListener.h"
#include "devices/GuiProperties.h"
#include "devices/UserConfigurationProperties.h"
#include "devices/serialization/UserConfigurationXmlSerializer.h"
#include "devices/serialization/XmlSerializer.h"
#include "devices/WebServerDeviceProperties.h"
#include "devices/Configuration.h"
#include "controls/SvgContentButton.h"
#include "dialogs/UserConfigurationAreaDialog.h"
#include "navigation/InfoControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "ssdp/Ssdp.h"
#include "ssdp/SsdpResponse.h"
#include "theme/ThemeProvider.h"
#include "utilities/PathProvider.h"
#include "widgets/PushButton.h"
#include "widgets/Slider.h"
#include "widgets/SliderControl.h"

#include <QAction>
#include <QApplication>
#include <QGraphicsScene>
#include <QKeyEvent>
#include <QMenu>
#include <QNetworkDatagram>
#include <QPointer>
#include <QScopeGuard>
#include <QSlider>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

using namespace Corvane::Sentrel;
using Controllers::ActuatorsController;
using Controllers::BaseController;
using Controllers::NavigationController;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
using Corvane::PravikDriver::OpenDriver;

namespace {

// Demo project devices.
const int HALL = 3;          // on/off light
const int LIVING_DIMMER = 4; // 100-level dimmer
const int GROUND_FLOOR = 7;  // group of lights
const int MAIN_METER = 33;
const QString DEMO_PASSWORD = QStringLiteral("12345");
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
        if (device->familyCode() != LIGHTING_FAMILY
            && device->deviceType() != Corvane::Devices::WebServerDeviceProperties::WEBSERVER_DEVICE_TYPE)
            project->removeDevice(device->id());
    }
    // The gateways stay for the lights, out of sight of the webserver page.
    for (Corvane::Devices::WebServerDeviceProperties* server : project->webServers())
        server->setViewerEnabled(false);
    const QString path = folder + QStringLiteral("/lighting.vtprj");
    return Corvane::Devices::Serialization::XmlSerializer::write(*project, path) ? path : QString();
}

// A simulated gateway that notes, when it goes, whether listeners are left.
class EndNotingDriver : public PseudoDriver
{
public:
    explicit EndNotingDriver(QStringList& ends)
        : m_ends(ends)
    {
    }
    ~EndNotingDriver() override
    {
        m_ends.append(listeners().isEmpty() ? QStringLiteral("driver unregistered") : QStringLiteral("driver still heard"));
    }

private:
    QStringList& m_ends;
};

// The favourite windows that exist, deferred deletions done.
QList<FavoriteWindow*> liveFavoriteWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<FavoriteWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<FavoriteWindow*>(widget))
            windows.append(window);
    return windows;
}

// The demo project at path, at that version, its hall light so named: what
// the Configurator writes when it activates a new version.
void writeDemoVersion(const QString& path, int version, const QString& hallName)
{
    QFile demo(QStringLiteral(DEMO_PROJECT));
    QVERIFY(demo.open(QIODevice::ReadOnly));
    QString text = QString::fromUtf8(demo.readAll());
    text.replace(QStringLiteral("version=\"1\">"), QStringLiteral("version=\"%1\">").arg(version));
    text.replace(QStringLiteral("description=\"Hall\""), QStringLiteral("description=\"%1\"").arg(hallName));
    SentrelFixture::writeFile(path, text.toUtf8());
}

// The user settings as a new start would read them from the file.
Corvane::Devices::UserConfigurationProperties storedUserSettings()
{
    Corvane::Devices::UserConfigurationProperties stored;
    Corvane::Devices::Serialization::UserConfigurationXmlSerializer::read(
        Corvane::Utilities::PathProvider::currentUserConfigFileName(), QUuid(), &stored, false);
    return stored;
}

void click(Corvane::Gadgets::UserConfigurationAreaDialog* dialog, const char* button)
{
    auto* widget = dialog->findChild<Corvane::Gadgets::PushButton*>(QLatin1String(button));
    QVERIFY(widget);
    QTest::mouseClick(widget, Qt::LeftButton);
}

// Counts the light events a driver hands to its listeners (not the answers
// to requests).
class LightEventCounter : public Corvane::PravikDriver::PravikListener
{
public:
    int count = 0;

    void lightMessageReceived(const OpenDriver*, const Corvane::PravikDriver::UserMessages::LightsMessage&,
                              const Message&, bool pushed) override
    {
        count += pushed;
    }
};

void pressKey(NavigationController* navigation, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    navigation->onKeyPressed(&press);
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
    void homeIconsFollowTheControllerOrder();
    void noServerModeSimulatesEveryGateway();
    void ringOpensAndCloses();
    void switchingChangesTheIcon_data();
    void switchingChangesTheIcon();
    void unknownIconClickDoesNothing();
    void backPressNobodyTakesGoesHome();
    void driversGoBeforeTheControllers();

    // Timers, keys and labels.
    void hideLabelsTimer_data();
    void hideLabelsTimer();
    void backToHomeNeverStartsWithASinglePage();
    void backToHomeLeavesAPageOfSeveral();
    void labelEditingHoldsTimersAndKeys();
    void refreshKeyScope_data();
    void refreshKeyScope();
    void homeIconsAreNoShortcuts();

    // Menus.
    void contextMenuEntries();
    void contextMenuVisibility_data();
    void contextMenuVisibility();
    void trayMenuWithoutTray();

    // Gateways and discovery.
    void loginToTheGateway_data();
    void loginToTheGateway();
    void ssdpMatch_data();
    void ssdpMatch();
    void ssdpOverLoopback();
    void rediscoveryThrottle_data();
    void rediscoveryThrottle();
    void noServerModeNeverConnectsNorDiscovers();

    // Quitting and switching.
    void quitTwiceRunsOneHandshake();
    void quitDuringSwitchEndsTheProgram();
    void lateReportChangesNothing();
    void invalidFileChangesNothing_data();
    void invalidFileChangesNothing();
    void secondStartSwitchesProject();
    void twoQuickSwitchesLeaveOneSetOfDrivers();
    void nothingWrittenDuringSwitch();

    // Reliability against a gateway on 127.0.0.1.
    void droppedGatewayReconnects();
    void garbageNeverCrashes();
    void eventBurstKeepsTheProgramAnswering_data();
    void eventBurstKeepsTheProgramAnswering();
    void quitEndsWhateverTheGatewayDoes_data();
    void quitEndsWhateverTheGatewayDoes();

    void backToHomeTimer_data();
    void backToHomeTimer();
    void defaultBackToHomeIsAMinute();

    // The settings dialog, the menus and what the user arranged.
    void reloadDefaultLoadsTheChangedProject();
    void transparencyPreviewReachesTheFavorites();
    void chosenProjectIsWrittenAfterTheSwitch();
    void favoriteMovedJustBeforeAReopenStaysThere();
    void favoriteMenusWearTheSkin();
    void trayIconOnceATrayAppears();
    void trayMenuShowsOrHidesTheGadget_data();
    void trayMenuShowsOrHidesTheGadget();
    void trayLeftClickToggles();
    void leavingFullScreenGivesTheCarouselItsScale();

private:
    // Reopens the demo with a system tray: the tray icon.
    QSystemTrayIcon* openWithTray();
    // Opens the settings dialog with the info control's button.
    Corvane::Gadgets::UserConfigurationAreaDialog* openSettingsDialog() const;
    void openPage(int pageId);
    void finishFades();
    NavigationController* navigation() const { return m_fixture->navigation(); }
    ActuatorsController* lighting() const;
    NavigationIcon shownIcon(int id) const;
    int segmentOf(int id) const;
    // Re-opens the window on a project (normal mode when noServer is false).
    void reopen(const QString& project, bool noServer = true);
    QString demoCopy(const QString& name) const;
    void answerStatusRequests(FakeGateway& gateway) const;

    std::unique_ptr<NavigationFixture> m_fixture;
    NavigationWindow* m_window = nullptr;
};

void tst_NavigationController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_NavigationController::init()
{
    m_fixture = std::make_unique<NavigationFixture>();
    m_fixture->open(QStringLiteral(DEMO_PROJECT));
    m_window = m_fixture->window.get();
    // The demo project has several pages: the tests work on lighting.
    openPage(BaseController::LIGHTS_PAGE_ID);
}

void tst_NavigationController::openPage(int pageId)
{
    if (m_window->navigationControl()->currentPageId() == pageId)
        return;
    for (const NavigationIcon& icon : navigation()->homeIcons())
        if (icon.id() == pageId)
            m_window->navigationControl()->notifyNavigationIconClicked(icon, 0, false);
    finishFades();
}

// Ends the fade that exchanges the carousel's icons at once.
void tst_NavigationController::finishFades()
{
    m_window->navigationControl()->setSegmentIconsOpacity(0.0);
    m_window->navigationControl()->setSegmentIconsOpacity(1.0);
}

void tst_NavigationController::cleanup()
{
    m_window = nullptr;
    m_fixture.reset();
}

void tst_NavigationController::reopen(const QString& project, bool noServer)
{
    m_fixture->window.reset();
    Settings::s_instance->setNoServer(noServer);
    m_fixture->open(project);
    m_window = m_fixture->window.get();
    openPage(BaseController::LIGHTS_PAGE_ID);
}

QString tst_NavigationController::demoCopy(const QString& name) const
{
    return m_fixture->writeProject(name, NavigationFixture::net(0, QStringLiteral("192.0.2.1"), 20000, DEMO_PASSWORD));
}

// Lights answer "on" to their status requests; everything else gets an ACK.
void tst_NavigationController::answerStatusRequests(FakeGateway& gateway) const
{
    gateway.setResponder([](const FakeGateway::Frame& request) {
        const QString address = request.message.address();
        for (const Message& status : {Message::createLightStatusMessage(address),
                                      Message::createDimmer100StatusMessage(address)}) {
            Message expected = status;
            expected.setPriority(request.message.priority());
            if (request.message == expected)
                return QList<FakeGateway::Frame>{
                    FakeGateway::answer(request, Message::createSwitchLightMessage(address, true))};
        }
        return QList<FakeGateway::Frame>{FakeGateway::ack(request)};
    });
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
    m_fixture->open(writeLightingProject(m_fixture->settings.dataPath()));
    m_window = m_fixture->window.get();
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

void tst_NavigationController::homeIconsFollowTheControllerOrder()
{
    navigation()->goHome();
    QList<int> expected;
    for (const BaseController* controller : navigation()->controllers())
        if (navigation()->pageMap().contains(controller->controlledPageId()))
            expected.append(controller->controlledPageId());
    QList<int> shown;
    for (const NavigationIcon& icon : navigation()->homeIcons())
        shown.append(icon.id());
    QCOMPARE(shown, expected);
    QVERIFY(shown.size() > 1);
    QCOMPARE(shown.first(), BaseController::LIGHTS_PAGE_ID);
    QCOMPARE(m_window->navigationControl()->currentPageId(), 0);
}

void tst_NavigationController::backPressNobodyTakesGoesHome()
{
    Corvane::Gadgets::NavigationControl* control = m_window->navigationControl();
    control->notifyNavigationIconClicked(shownIcon(HALL), segmentOf(HALL), false);
    QVERIFY(control->commandControl1());
    control->notifyBackButtonClicked();
    // Home, with no ring left open.
    QVERIFY(!control->commandControl1());
    QCOMPARE(lighting()->selectedDeviceId(), 0);
    QCOMPARE(control->currentPageId(), 0);
}

void tst_NavigationController::driversGoBeforeTheControllers()
{
    // The window on a project whose drivers note, as they go, whether any
    // controller still listens to them.
    QStringList ends;
    NavigationController::Seams seams = NavigationController::seams();
    seams.driverFactory = [this, &ends](bool) -> OpenDriver* {
        auto* driver = new EndNotingDriver(ends);
        m_fixture->made.append(driver);
        return driver;
    };
    NavigationController::setSeams(seams);
    reopen(QStringLiteral(DEMO_PROJECT));
    QVERIFY(!navigation()->drivers().isEmpty());
    for (BaseController* controller : navigation()->controllers())
        QObject::connect(controller, &QObject::destroyed, [&ends] { ends.append(QStringLiteral("controller")); });
    QList<QPointer<QObject>> drivers;
    for (auto* driver : navigation()->drivers())
        drivers.append(driver);
    m_fixture->window.reset();
    m_window = nullptr;
    for (const QPointer<QObject>& driver : drivers)
        QVERIFY(driver.isNull());
    QVERIFY(ends.contains(QStringLiteral("driver unregistered")));
    QVERIFY(!ends.contains(QStringLiteral("driver still heard")));
    const qsizetype firstController = ends.indexOf(QStringLiteral("controller"));
    QVERIFY(firstController > 0);
    QCOMPARE(ends.lastIndexOf(QStringLiteral("driver unregistered")), firstController - 1);
}

// --- Timers, keys and labels ---------------------------------------------------

void tst_NavigationController::hideLabelsTimer_data()
{
    QTest::addColumn<int>("seconds");
    QTest::newRow("3 s") << 3;
    QTest::newRow("0 turns it off") << 0;
    QTest::newRow("negative turns it off") << -5;
}

void tst_NavigationController::hideLabelsTimer()
{
    QFETCH(int, seconds);
    navigation()->stopTimers();
    Settings::guiProperties().setHideLabelsTimeout(seconds);
    Corvane::Gadgets::NavigationControl* control = m_window->navigationControl();
    navigation()->startTimers();
    QCOMPARE(navigation()->hideLabelsTimer()->isActive(), seconds > 0);
    if (seconds <= 0)
        return;
    m_fixture->clock.advance(seconds * 1000 - 1);
    QCOMPARE(control->labelsOpacity(), 1.0);
    m_fixture->clock.advance(1);
    QVERIFY(!navigation()->hideLabelsTimer()->isActive());
    QTRY_COMPARE(control->labelsOpacity(), 0.0);
    // Pointer activity shows them again and restarts the count.
    navigation()->onHoverMove();
    QTRY_COMPARE(control->labelsOpacity(), 1.0);
    QVERIFY(navigation()->hideLabelsTimer()->isActive());
}

void tst_NavigationController::backToHomeNeverStartsWithASinglePage()
{
    Settings::guiProperties().setGoHomepageTimeout(5);
    reopen(writeLightingProject(m_fixture->settings.dataPath()));
    QCOMPARE(m_window->navigationControl()->currentPageId(), BaseController::LIGHTS_PAGE_ID);
    navigation()->onMouseRelease();
    pressKey(navigation(), Qt::Key_Right);
    QVERIFY(!navigation()->backToHomeTimer()->isActive());
}

void tst_NavigationController::backToHomeLeavesAPageOfSeveral()
{
    Settings::guiProperties().setGoHomepageTimeout(5);
    QCOMPARE(m_window->navigationControl()->currentPageId(), BaseController::LIGHTS_PAGE_ID);
    navigation()->onMouseRelease();
    QVERIFY(navigation()->backToHomeTimer()->isActive());
    m_fixture->clock.advance(5000);
    QCOMPARE(m_window->navigationControl()->currentPageId(), 0);
}

void tst_NavigationController::labelEditingHoldsTimersAndKeys()
{
    Settings::guiProperties().setHideLabelsTimeout(5);
    Corvane::Gadgets::NavigationLabels* labels = m_window->navigationControl()->labels();
    Corvane::Devices::BaseDevice* hall = lighting()->getDeviceById(HALL);
    hall->setStatusKnown(false);

    Q_EMIT labels->labelEditStart(0);
    QVERIFY(!navigation()->hideLabelsTimer()->isActive());
    QVERIFY(!navigation()->handlesKeyboardInput());
    QVERIFY(!m_window->navigationContainer()->handlesKeyboardInput());
    pressKey(navigation(), Qt::Key_F5);
    QVERIFY(!hall->isStatusKnown());
    navigation()->onMouseRelease();
    navigation()->onHoverMove();
    QKeyEvent sceneKey(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(m_window->graphicsScene(), &sceneKey);
    QVERIFY(!navigation()->hideLabelsTimer()->isActive());

    Q_EMIT labels->labelEditEnd(0);
    QVERIFY(navigation()->hideLabelsTimer()->isActive());
    QVERIFY(navigation()->handlesKeyboardInput());
    QVERIFY(m_window->navigationContainer()->handlesKeyboardInput());
    pressKey(navigation(), Qt::Key_F5);
    QVERIFY(hall->isStatusKnown());
}

void tst_NavigationController::refreshKeyScope_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<bool>("refreshed");
    QTest::newRow("home page: every controller") << 0 << true;
    QTest::newRow("lighting page: its controller") << BaseController::LIGHTS_PAGE_ID << true;
    QTest::newRow("a page without controller: none") << -999 << false;
}

void tst_NavigationController::refreshKeyScope()
{
    QFETCH(int, pageId);
    QFETCH(bool, refreshed);
    Corvane::Devices::BaseDevice* hall = lighting()->getDeviceById(HALL);
    hall->setStatusKnown(false);
    m_window->navigationControl()->setCurrentPageId(pageId);
    pressKey(navigation(), Qt::Key_F5);
    QCOMPARE(hall->isStatusKnown(), refreshed);
}

void tst_NavigationController::homeIconsAreNoShortcuts()
{
    bool allowed = true;
    navigation()->onRequestAllowedShortcut(navigation()->homeIcons().first(), allowed);
    QVERIFY(!allowed);
    navigation()->onRequestAllowedShortcut(shownIcon(HALL), allowed);
    QVERIFY(allowed);
}

// --- Menus -----------------------------------------------------------------------

namespace {

QStringList texts(const QMenu* menu)
{
    QStringList result;
    for (const QAction* action : menu->actions())
        result.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return result;
}

} // namespace

void tst_NavigationController::contextMenuEntries()
{
    const Controllers::NavigationMenus* menus = navigation()->menus();
    QCOMPARE(menus->contextMenu()->objectName(), QStringLiteral("contextMenu"));
    QCOMPARE(menus->contextMenu()->parent(), m_window);
    QCOMPARE(texts(menus->contextMenu()),
             (QStringList{"Always on top", "Refresh all items", "Refresh current item", "Full screen mode", "-",
                          "Hide main window", "Quit application"}));
    QVERIFY(menus->onTopAction()->isCheckable());
    navigation()->prepareContextMenuFor(NavigationIcon());
    QVERIFY(!menus->onTopAction()->isChecked());
}

void tst_NavigationController::contextMenuVisibility_data()
{
    QTest::addColumn<int>("pageId");
    QTest::addColumn<int>("iconId");
    QTest::addColumn<bool>("refreshCurrent");
    QTest::addColumn<bool>("refreshAll");
    QTest::newRow("home page, empty area") << 0 << 0 << false << true;
    QTest::newRow("lighting page, a light") << BaseController::LIGHTS_PAGE_ID << HALL << true << true;
    QTest::newRow("lighting page, empty area") << BaseController::LIGHTS_PAGE_ID << 0 << false << true;
    QTest::newRow("a page without controller") << -999 << HALL << false << false;
}

void tst_NavigationController::contextMenuVisibility()
{
    QFETCH(int, pageId);
    QFETCH(int, iconId);
    QFETCH(bool, refreshCurrent);
    QFETCH(bool, refreshAll);
    m_window->navigationControl()->setCurrentPageId(pageId);
    navigation()->prepareContextMenuFor(iconId == 0 ? NavigationIcon() : shownIcon(iconId));
    QCOMPARE(navigation()->menus()->refreshCurrentAction()->isVisible(), refreshCurrent);
    QCOMPARE(navigation()->menus()->refreshAllAction()->isVisible(), refreshAll);
}

void tst_NavigationController::trayMenuWithoutTray()
{
    const Controllers::NavigationMenus* menus = navigation()->menus();
    QCOMPARE(texts(menus->trayMenu()),
             (QStringList{"TalveraVantrel", "-", "Show/Hide main window", "Launch at startup", "Check for update...",
                          "-", "Quit application"}));
    QCOMPARE(menus->trayMenu()->parent(), nullptr);
    QVERIFY(menus->trayAutostartAction()->isCheckable());
    menus->trayUpdateAction()->trigger();
    QCOMPARE(m_fixture->updaterStarts, QList<QStringList>{QStringList()});
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        QVERIFY(!navigation()->trayIcon());
}

// --- Gateways and discovery -----------------------------------------------------

void tst_NavigationController::loginToTheGateway_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("the gateway's password") << DEMO_PASSWORD;
    QTest::newRow("a wrong password") << QStringLiteral("54321");
}

void tst_NavigationController::loginToTheGateway()
{
    QFETCH(QString, password);
    FakeGateway gateway(DEMO_PASSWORD);
    QVERIFY(gateway.listen());
    answerStatusRequests(gateway);
    reopen(m_fixture->writeProject(QStringLiteral("fixed.vtprj"),
                                   NavigationFixture::net(0, QStringLiteral("127.0.0.1"), gateway.port(), password)),
           false);
    QVERIFY(navigation()->isDiscoveryDone());
    if (password == DEMO_PASSWORD) {
        QTRY_COMPARE(gateway.logins(), 1);
        // Logged in, every state is asked and drawn.
        QTRY_VERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
        QVERIFY(shownIcon(HALL).state() != NavigationIcon::Uninitialized);
    } else {
        QTRY_VERIFY(gateway.refusedLogins() >= 1);
        QVERIFY(gateway.requests().isEmpty());
        QCOMPARE(shownIcon(HALL).state(), NavigationIcon::Uninitialized);
    }
    QCoreApplication::processEvents();
    QVERIFY(m_fixture->transport->searches.isEmpty());
}

using Answers = QList<QPair<int, int>>;

void tst_NavigationController::ssdpMatch_data()
{
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<bool>("firstConnected");
    QTest::addColumn<bool>("secondConnected");
    QTest::addColumn<bool>("done");
    QTest::newRow("function code differs") << Answers{{9, 10}} << false << false << false;
    QTest::newRow("univocal code differs") << Answers{{1, 99}} << false << false << false;
    QTest::newRow("one of two matches") << Answers{{1, 10}} << true << false << false;
    QTest::newRow("both match in turn") << Answers{{1, 10}, {2, 20}} << true << true << true;
    QTest::newRow("a repeated answer is ignored") << Answers{{1, 10}, {1, 10}} << true << false << false;
}

void tst_NavigationController::ssdpMatch()
{
    QFETCH(Answers, answers);
    QFETCH(bool, firstConnected);
    QFETCH(bool, secondConnected);
    QFETCH(bool, done);
    // Found gateways are connected on port 20000: the test's gateway listens there.
    FakeGateway gateway(DEMO_PASSWORD);
    if (!gateway.listen(NavigationController::DISCOVERY_PORT))
        QSKIP("port 20000 of 127.0.0.1 is taken");
    reopen(m_fixture->writeProject(
               QStringLiteral("discovery.vtprj"), NavigationFixture::net(1, QString(), 0, DEMO_PASSWORD, 1, 10),
               {NavigationFixture::net(1, QString(), 0, DEMO_PASSWORD, 2, 20)}),
           false);
    QCOMPARE(navigation()->drivers().size(), 2);
    QVERIFY(!navigation()->isDiscoveryDone());
    QCoreApplication::processEvents();
    // One search per gateway waiting for discovery.
    QCOMPARE(m_fixture->transport->searches.size(), 2);
    for (const auto& [functionCode, univocalCode] : answers)
        navigation()->onSsdpDiscovered(functionCode, univocalCode, QHostAddress::LocalHost);
    QCOMPARE(navigation()->drivers().value(1)->isInitialized(), firstConnected);
    QCOMPARE(navigation()->drivers().value(900)->isInitialized(), secondConnected);
    QCOMPARE(navigation()->isDiscoveryDone(), done);
    QCOMPARE(navigation()->discovery()->isDiscovering(), !done);
    const int connected = int(firstConnected) + int(secondConnected);
    QTRY_COMPARE(gateway.logins(), connected);
    QTest::qWait(50);
    QCOMPARE(gateway.logins(), connected);
}

namespace {

// Answers every search it receives on 127.0.0.1 as a gateway would.
class LoopbackGatewayResponder : public QObject
{
public:
    LoopbackGatewayResponder(int functionCode, int univocalCode)
        : m_reply("HTTP/1.1 200 OK\r\nST: " + Corvane::SSDP::SsdpResponse::SEARCH_TARGET
                  + "\r\nX-PRAVIK-FC: " + QByteArray::number(functionCode)
                  + "\r\nX-PRAVIK-UC: " + QByteArray::number(univocalCode) + "\r\n\r\n")
    {
        connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const QNetworkDatagram search = m_socket.receiveDatagram();
                ++searches;
                m_socket.writeDatagram(m_reply, search.senderAddress(), search.senderPort());
            }
        });
    }
    bool start() { return m_socket.bind(QHostAddress::LocalHost, 0); }
    quint16 port() const { return m_socket.localPort(); }
    int searches = 0;

private:
    QByteArray m_reply;
    QUdpSocket m_socket;
};

} // namespace

void tst_NavigationController::ssdpOverLoopback()
{
    FakeGateway gateway(DEMO_PASSWORD);
    if (!gateway.listen(NavigationController::DISCOVERY_PORT))
        QSKIP("port 20000 of 127.0.0.1 is taken");
    answerStatusRequests(gateway);
    LoopbackGatewayResponder responder(1, 10);
    QVERIFY(responder.start());
    m_fixture->loopbackResponderPort = responder.port();
    reopen(m_fixture->writeProject(QStringLiteral("discovery.vtprj"),
                                   NavigationFixture::net(1, QString(), 0, DEMO_PASSWORD, 1, 10)),
           false);
    QTRY_COMPARE(gateway.logins(), 1);
    QCOMPARE(responder.searches, 1);
    QVERIFY(navigation()->isDiscoveryDone());
    QTRY_VERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
}

void tst_NavigationController::rediscoveryThrottle_data()
{
    QTest::addColumn<QTime>("firstDiscovery");
    QTest::addColumn<int>("later");
    QTest::addColumn<bool>("discoversAgain");
    QTest::newRow("noon, 5 s later") << QTime(12, 0) << 5000 << false;
    QTest::newRow("noon, 10 s later") << QTime(12, 0) << 10000 << true;
    QTest::newRow("across midnight, 10 s later") << QTime(23, 59, 55) << 10000 << true;
    QTest::newRow("across midnight, 5 s later") << QTime(23, 59, 58) << 5000 << false;
}

void tst_NavigationController::rediscoveryThrottle()
{
    QFETCH(QTime, firstDiscovery);
    QFETCH(int, later);
    QFETCH(bool, discoversAgain);
    m_fixture->clock.setDateTime(QDateTime(QDate(2024, 3, 9), firstDiscovery));
    reopen(m_fixture->writeProject(QStringLiteral("discovery.vtprj"),
                                   NavigationFixture::net(1, QString(), 0, DEMO_PASSWORD, 1, 10)),
           false);
    QCoreApplication::processEvents();
    QCOMPARE(m_fixture->transport->searches.size(), 1);
    m_fixture->clock.advance(later);
    navigation()->discoverIfNeeded();
    QCOMPARE(m_fixture->transport->searches.size(), discoversAgain ? 2 : 1);
    // The 20 s start-up timer finds discovery running and starts none.
    m_fixture->clock.advance(NavigationController::FIRST_DISCOVERY_DELAY_MS);
    QCOMPARE(m_fixture->transport->searches.size(), discoversAgain ? 2 : 1);
}

void tst_NavigationController::noServerModeNeverConnectsNorDiscovers()
{
    reopen(m_fixture->writeProject(QStringLiteral("discovery.vtprj"),
                                   NavigationFixture::net(1, QString(), 0, DEMO_PASSWORD, 1, 10)),
           true);
    QCoreApplication::processEvents();
    m_fixture->clock.advance(NavigationController::FIRST_DISCOVERY_DELAY_MS);
    navigation()->discoverIfNeeded();
    QVERIFY(m_fixture->transport->searches.isEmpty());
    QVERIFY(navigation()->isDiscoveryDone());
    for (OpenDriver* driver : navigation()->drivers())
        QVERIFY(qobject_cast<PseudoDriver*>(driver));
    QVERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
}

// --- Quitting and switching -------------------------------------------------------

void tst_NavigationController::quitTwiceRunsOneHandshake()
{
    const QString file = Corvane::Utilities::PathProvider::currentUserConfigFileName();
    navigation()->onQuit();
    QVERIFY(QFile::exists(file));
    QVERIFY(QFile::remove(file));
    navigation()->onQuit();
    QVERIFY(!QFile::exists(file));
    QTRY_COMPARE(m_fixture->quits, 1);
    QTest::qWait(20);
    QCOMPARE(m_fixture->quits, 1);
}

void tst_NavigationController::quitDuringSwitchEndsTheProgram()
{
    for (OpenDriver* driver : navigation()->drivers())
        driver->blockSignals(true);
    navigation()->setTemporaryDevicesConfiguration(demoCopy(QStringLiteral("other.vtprj")));
    QVERIFY(navigation()->closingHandshake()->isWaitingForDrivers());
    const qsizetype made = m_fixture->made.size();
    navigation()->onQuit();
    m_fixture->releaseDrivers();
    QTRY_COMPARE(m_fixture->quits, 1);
    // The quit took the wait over: the other project was never loaded.
    QCOMPARE(m_fixture->made.size(), made);
}

void tst_NavigationController::lateReportChangesNothing()
{
    const auto old = navigation()->drivers();
    for (OpenDriver* driver : old)
        driver->blockSignals(true);
    navigation()->setTemporaryDevicesConfiguration(demoCopy(QStringLiteral("other.vtprj")));
    m_fixture->clock.advance(NavigationController::CLOSING_TIMEOUT_MS);
    const auto loaded = navigation()->drivers();
    QVERIFY(loaded != old);
    const qsizetype made = m_fixture->made.size();
    // The silent driver reports after the wait gave up on it.
    for (OpenDriver* driver : old) {
        driver->blockSignals(false);
        Q_EMIT driver->readyToClose();
    }
    QCoreApplication::processEvents();
    QCOMPARE(navigation()->drivers(), loaded);
    QCOMPARE(m_fixture->made.size(), made);
    QVERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());
    QCOMPARE(m_fixture->quits, 0);
}

void tst_NavigationController::invalidFileChangesNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("no path") << QString() << QByteArray();
    QTest::newRow("missing file") << QStringLiteral("missing.vtprj") << QByteArray();
    QTest::newRow("not a project") << QStringLiteral("notes.vtprj") << QByteArray("<shopping><list/></shopping>");
}

void tst_NavigationController::invalidFileChangesNothing()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QString path;
    if (!name.isEmpty())
        path = m_fixture->settings.dataPath() + QLatin1Char('/') + name;
    if (!contents.isEmpty())
        SentrelFixture::writeFile(path, contents);
    const auto before = navigation()->drivers();
    const QString project = Settings::guiProperties().tempConfigFileName();
    navigation()->setTemporaryDevicesConfiguration(path);
    QVERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());
    QCOMPARE(Settings::guiProperties().tempConfigFileName(), project);
    QCoreApplication::processEvents();
    QCOMPARE(navigation()->drivers(), before);
}

void tst_NavigationController::secondStartSwitchesProject()
{
    // A project of lights alone opens straight on its single page.
    const QString other = writeLightingProject(m_fixture->settings.dataPath());
    QVERIFY(!other.isEmpty());
    const auto before = navigation()->drivers();
    m_window->onAppStartRequest({QStringLiteral("sentrel"), other});
    QCOMPARE(Settings::guiProperties().tempConfigFileName(), other);
    QTRY_VERIFY(!navigation()->drivers().isEmpty() && navigation()->drivers() != before);
    QCOMPARE(lighting()->drivers(), navigation()->drivers());
    QCOMPARE(m_window->navigationControl()->currentPageId(), BaseController::LIGHTS_PAGE_ID);
    QVERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
}

void tst_NavigationController::twoQuickSwitchesLeaveOneSetOfDrivers()
{
    // A favourite the user keeps comes back with each project load.
    lighting()->addFavorite(HALL, 0, QPoint(200, 200), false, false, 50);
    navigation()->saveUserConfiguration();
    for (OpenDriver* driver : navigation()->drivers())
        driver->blockSignals(true);
    navigation()->setTemporaryDevicesConfiguration(demoCopy(QStringLiteral("first.vtprj")));
    const QString second = demoCopy(QStringLiteral("second.vtprj"));
    navigation()->setTemporaryDevicesConfiguration(second);
    m_fixture->releaseDrivers();
    QTRY_VERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<OpenDriver*> live = m_fixture->liveDrivers();
    QList<OpenDriver*> loaded = navigation()->drivers().values();
    std::sort(live.begin(), live.end());
    std::sort(loaded.begin(), loaded.end());
    QCOMPARE(live, loaded);
    QCOMPARE(Settings::guiProperties().tempConfigFileName(), second);

    QCOMPARE(lighting()->favorites().size(), 1);
    QCOMPARE(lighting()->favorites().first()->deviceId(), HALL);
    QList<FavoriteWindow*> loadedFavorites;
    for (BaseController* controller : navigation()->controllers())
        loadedFavorites += controller->favorites();
    QTRY_COMPARE(liveFavoriteWindows(), loadedFavorites);
}

void tst_NavigationController::nothingWrittenDuringSwitch()
{
    const QString file = Corvane::Utilities::PathProvider::currentUserConfigFileName();
    // What the user did in this project: a name, an icon order and a
    // favourite.
    lighting()->getDeviceById(HALL)->setCustomName(QStringLiteral("Porch"));
    const Corvane::Devices::UserDeviceSettings::Favorite kept = lighting()->getFavoriteSettings(
        lighting()->addFavorite(LIVING_DIMMER, 0, QPoint(300, 250), false, true, 60));
    QList<int> reversed;
    for (const NavigationIcon& icon : lighting()->icons())
        reversed.prepend(icon.id());
    lighting()->reorderIcons(reversed);
    navigation()->saveUserConfiguration();
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    for (OpenDriver* driver : navigation()->drivers())
        driver->blockSignals(true);
    // Reopening the same project.
    navigation()->setTemporaryDevicesConfiguration(QStringLiteral(DEMO_PROJECT));
    navigation()->saveUserConfiguration();
    navigation()->scheduleSaveUserConfiguration();
    Q_EMIT m_window->moved(QPointF(10, 10));
    m_fixture->clock.advance(NavigationController::SAVE_DELAY_MS * 2);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), before);
    saved.close();

    m_fixture->releaseDrivers();
    QTRY_VERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());
    QCOMPARE(lighting()->getDeviceById(HALL)->name(), QStringLiteral("Porch"));
    QList<int> order;
    for (const NavigationIcon& icon : lighting()->icons())
        order.append(icon.id());
    QCOMPARE(order, reversed);
    QCOMPARE(lighting()->favorites().size(), 1);
    const Corvane::Devices::UserDeviceSettings::Favorite back =
        lighting()->getFavoriteSettings(lighting()->favorites().first());
    QCOMPARE(back.deviceId, LIVING_DIMMER);
    QCOMPARE(QPoint(back.x, back.y), QPoint(kept.x, kept.y));
    QCOMPARE(back.scale, kept.scale);
    QCOMPARE(back.onTop, true);
    QTRY_COMPARE(liveFavoriteWindows(), lighting()->favorites());
}

// --- Reliability ----------------------------------------------------------------

void tst_NavigationController::droppedGatewayReconnects()
{
    FakeGateway gateway(DEMO_PASSWORD);
    QVERIFY(gateway.listen());
    const quint16 port = gateway.port();
    answerStatusRequests(gateway);
    reopen(m_fixture->writeProject(QStringLiteral("fixed.vtprj"),
                                   NavigationFixture::net(0, QStringLiteral("127.0.0.1"), port, DEMO_PASSWORD)),
           false);
    QTRY_VERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
    const int serverId = lighting()->getDeviceById(HALL)->serverId();

    // While it is gone nothing of it is drawn as live.
    gateway.close();
    QTRY_VERIFY(!lighting()->getDeviceById(HALL)->isStatusKnown());
    for (const Corvane::Devices::BaseDevice* device : lighting()->devices()) {
        QVERIFY(!device->isStatusKnown());
        QCOMPARE(shownIcon(device->id()).state(), NavigationIcon::Uninitialized);
    }
    const qsizetype asked = gateway.requests().size();

    // Back: the new login asks every state again by itself.
    QVERIFY(gateway.listen(port));
    QTRY_COMPARE(gateway.logins(), 2);
    QTRY_VERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
    QTRY_VERIFY(lighting()->getDeviceById(LIVING_DIMMER)->isStatusKnown());
    QVERIFY(lighting()->getDeviceById(GROUND_FLOOR)->isStatusKnown());
    QCOMPARE(shownIcon(HALL).state(), NavigationIcon::Normal);
    const QList<Message> afterLogin = gateway.requests().mid(asked);
    for (const Corvane::Devices::BaseDevice* device : lighting()->devices()) {
        if (device->serverId() != serverId || BaseController::isCommandAddress(device->address()))
            continue;
        const QString address = lighting()->getAddressText(device->address());
        const Message status = device->deviceType() == 2001 ? Message::createDimmer100StatusMessage(address)
                                                             : Message::createLightStatusMessage(address);
        const bool requested = std::any_of(afterLogin.cbegin(), afterLogin.cend(), [&status](Message request) {
            request.setPriority(status.priority());
            return request == status;
        });
        QVERIFY2(requested, qPrintable(device->name()));
    }
}

void tst_NavigationController::garbageNeverCrashes()
{
    FakeGateway gateway(DEMO_PASSWORD);
    QVERIFY(gateway.listen());
    answerStatusRequests(gateway);
    reopen(m_fixture->writeProject(QStringLiteral("fixed.vtprj"),
                                   NavigationFixture::net(0, QStringLiteral("127.0.0.1"), gateway.port(),
                                                          DEMO_PASSWORD)),
           false);
    QTRY_VERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
    const QString hall = lighting()->getAddressText(lighting()->getDeviceById(HALL)->address());
    gateway.sendEvent(Message::createSwitchLightMessage(QStringLiteral("99#99#9#9"), true));
    gateway.sendEvent(Message::createDimmer100Message(hall, 99999, -5));
    gateway.sendEvent(Message::createDimmer10Message(hall, -3));
    gateway.sendEvent(Message(1, 1, QStringLiteral("#*#"), 2147483647, -1, {}));
    gateway.sendRaw("EVT\n");
    gateway.sendRaw(QByteArray(4096, '\xff') + "\n");
    gateway.sendRaw("ANS 99999 0 *1*1*3##\n");
    QTest::qWait(300);
    // Still alive and, connection kept or made again, still serving.
    QTRY_VERIFY(navigation()->drivers().value(1)->isMonitorConnected());
    navigation()->onRefreshAll();
    QTRY_VERIFY(lighting()->getDeviceById(HALL)->isStatusKnown());
}

// 100,000 light events at once from the gateway, with the home page or the
// lighting page shown: the program goes on answering, the event loop taking
// its turns while the burst is being handled and not only once it is done,
// and ends with every light in the state of its last event, on the carousel
// too. How long the loop waits is for controllers_bench to measure.
void tst_NavigationController::eventBurstKeepsTheProgramAnswering_data()
{
    QTest::addColumn<bool>("lightingPage");
    QTest::newRow("home page") << false;
    QTest::newRow("lighting page") << true;
}

void tst_NavigationController::eventBurstKeepsTheProgramAnswering()
{
    QFETCH(bool, lightingPage);
    // The lights of the demo project, which the project below keeps.
    const auto lightIds = [this] {
        QList<int> ids;
        for (const Corvane::Devices::BaseDevice* device : lighting()->devices()) {
            const int type = device->properties().deviceType();
            if (type == 2001 || type == 2003)
                ids.append(device->id());
        }
        return ids;
    };
    const QList<int> lights = lightIds();
    QVERIFY(lights.size() >= 2);
    QStringList addresses;
    for (int id : lights)
        addresses.append(lighting()->getAddressText(lighting()->getDeviceById(id)->address()));
    // Made before the session starts: on a slow build the making holds up
    // the event loop for seconds.
    const int events = 100000;
    QByteArray burst;
    QHash<int, NavigationIcon::State> lastState;
    for (int i = 0; i < events; ++i) {
        const int light = i % lights.size();
        // Mixed states all along, every light on only with the last events.
        const bool on = i >= events - lights.size() || (i / lights.size() + light) % 2 == 0;
        lastState[lights.at(light)] = on ? NavigationIcon::Normal : NavigationIcon::Inactive;
        burst += Corvane::PravikDriver::FrameCodec::encode(
            FakeGateway::event(Message::createSwitchLightMessage(addresses.at(light), on)));
    }

    FakeGateway gateway(DEMO_PASSWORD);
    QVERIFY(gateway.listen());
    answerStatusRequests(gateway);
    reopen(m_fixture->writeProject(QStringLiteral("fixed.vtprj"),
                                   NavigationFixture::net(0, QStringLiteral("127.0.0.1"), gateway.port(), DEMO_PASSWORD)),
           false);
    QCOMPARE(lightIds(), lights);
    QCOMPARE(m_fixture->liveDrivers().size(), 1);
    LightEventCounter received;
    const QPointer<OpenDriver> driver = m_fixture->liveDrivers().constFirst();
    driver->registerListener(&received);
    // The answers to requests still on their way queue up behind the burst:
    // the driver waits for them however long the burst takes to handle.
    OpenDriver::Timing patient = driver->timing();
    patient.responseTimeout = 60000;
    driver->setTiming(patient);
    const auto forget = qScopeGuard([&] {
        if (driver)
            driver->unregisterListener(&received);
    });
    // Every status answer ("on") is in before the events, which must not be
    // overtaken by one.
    QTRY_VERIFY(std::all_of(lights.cbegin(), lights.cend(),
                            [this](int id) { return lighting()->getDeviceById(id)->isStatusKnown(); }));
    if (!lightingPage) {
        navigation()->goHome();
        finishFades();
    }
    for (const QString& address : std::as_const(addresses))
        gateway.sendEvent(Message::createSwitchLightMessage(address, false));
    QTRY_COMPARE(received.count, lights.size());
    received.count = 0;
    const auto controllerState = [this](int id) {
        for (const NavigationIcon& icon : lighting()->icons())
            if (icon.id() == id)
                return icon.state();
        return NavigationIcon::Uninitialized;
    };
    const auto showsLastStates = [&] {
        return std::all_of(lights.cbegin(), lights.cend(),
                           [&](int id) { return controllerState(id) == lastState.value(id); });
    };

    // A call posted anew each time it runs, until the burst is handled, runs
    // once at every turn of the event loop; it notes how many events the
    // driver had handed over by then. A call still waiting goes with its
    // context.
    QList<int> handledAtTurns;
    std::function<void()> probe;
    QObject probeContext;
    probe = [&] {
        const int handled = received.count;
        if (handled == events)
            return;
        if (handled > 0 && (handledAtTurns.isEmpty() || handledAtTurns.last() != handled))
            handledAtTurns.append(handled);
        QMetaObject::invokeMethod(&probeContext, probe, Qt::QueuedConnection);
    };
    gateway.sendRaw(burst);
    probe();
    QTRY_COMPARE_WITH_TIMEOUT(received.count, events, 60000);
    // Handed over a slice at a time, the burst spans dozens of turns of the
    // event loop; handed over as the socket delivers it, only a few. A loaded
    // machine makes the slices hold fewer events, and the turns more.
    QVERIFY2(handledAtTurns.size() >= 10, qPrintable(QString::number(handledAtTurns.size())));
    QTRY_VERIFY(showsLastStates());
    openPage(BaseController::LIGHTS_PAGE_ID);
    for (int id : std::as_const(lights)) {
        QCOMPARE(shownIcon(id).state(), lastState.value(id));
        const int segment = segmentOf(id);
        if (segment >= 0)
            QCOMPARE(m_window->navigationControl()->segments().at(segment)->iconElement(),
                     NavigationIcon::getElementIdForState(lastState.value(id)));
    }
}

void tst_NavigationController::quitEndsWhateverTheGatewayDoes_data()
{
    QTest::addColumn<QString>("gatewayState");
    QTest::newRow("connected") << QStringLiteral("connected");
    QTest::newRow("logging in") << QStringLiteral("logging in");
    QTest::newRow("never connected") << QStringLiteral("gone");
}

void tst_NavigationController::quitEndsWhateverTheGatewayDoes()
{
    QFETCH(QString, gatewayState);
    FakeGateway gateway(DEMO_PASSWORD);
    QVERIFY(gateway.listen());
    const quint16 port = gateway.port();
    if (gatewayState == QStringLiteral("gone"))
        gateway.close();
    else if (gatewayState == QStringLiteral("logging in"))
        gateway.stopReading();
    reopen(m_fixture->writeProject(QStringLiteral("fixed.vtprj"),
                                   NavigationFixture::net(0, QStringLiteral("127.0.0.1"), port, DEMO_PASSWORD)),
           false);
    if (gatewayState == QStringLiteral("connected"))
        QTRY_COMPARE(gateway.logins(), 1);
    else
        QTest::qWait(100);
    navigation()->onQuit();
    // The drivers' own close time-out is short; the program's 30 s wait is
    // on the manual clock and never runs out here.
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture->quits, 1, 10000);
}

void tst_NavigationController::backToHomeTimer_data()
{
    QTest::addColumn<int>("seconds");
    QTest::newRow("5 s") << 5;
    QTest::newRow("0 turns it off") << 0;
    QTest::newRow("negative turns it off") << -5;
}

void tst_NavigationController::backToHomeTimer()
{
    QFETCH(int, seconds);
    navigation()->stopTimers();
    Settings::guiProperties().setGoHomepageTimeout(seconds);
    QCOMPARE(m_window->navigationControl()->currentPageId(), BaseController::LIGHTS_PAGE_ID);
    navigation()->onMouseRelease();
    QCOMPARE(navigation()->backToHomeTimer()->isActive(), seconds > 0);
    m_fixture->clock.advance(24 * 3600 * 1000);
    QCOMPARE(m_window->navigationControl()->currentPageId(),
             seconds > 0 ? 0 : int(BaseController::LIGHTS_PAGE_ID));
}

// Out of the box the gadget stays on a page a minute after the last input.
void tst_NavigationController::defaultBackToHomeIsAMinute()
{
    QCOMPARE(Settings::guiProperties().goHomepageTimeout(), 60);
    navigation()->onMouseRelease();
    m_fixture->clock.advance(59 * 1000);
    QCOMPARE(m_window->navigationControl()->currentPageId(), BaseController::LIGHTS_PAGE_ID);
    m_fixture->clock.advance(1000);
    QCOMPARE(m_window->navigationControl()->currentPageId(), 0);
}

Corvane::Gadgets::UserConfigurationAreaDialog* tst_NavigationController::openSettingsDialog() const
{
    Q_EMIT m_window->navigationContainer()->infoControl()->configButtonClicked();
    return m_window->userConfigurationController()->dialog();
}

// The Configurator activated a new version of the active project: "Reload
// default" in the settings dialog loads it, and the settings remember that
// version as the one the user has.
void tst_NavigationController::reloadDefaultLoadsTheChangedProject()
{
    const QString active = Corvane::Utilities::PathProvider::configPrjFullName();
    writeDemoVersion(active, 1, QStringLiteral("Hall"));
    m_fixture->window.reset();
    m_fixture->open(QString());
    m_window = m_fixture->window.get();
    QCOMPARE(Settings::devicesConfiguration()->version(), 1);
    writeDemoVersion(active, 2, QStringLiteral("Entrance"));

    Corvane::Gadgets::UserConfigurationAreaDialog* dialog = openSettingsDialog();
    QVERIFY(dialog);
    click(dialog, "reload");
    click(dialog, "ok");
    m_fixture->releaseDrivers();
    QTRY_VERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());

    QCOMPARE(Settings::devicesConfiguration()->version(), 2);
    QCOMPARE(lighting()->getDeviceById(HALL)->name(), QStringLiteral("Entrance"));
    QCOMPARE(Settings::guiProperties().lastDefConfigVersion(), 2);
    QCOMPARE(storedUserSettings().gui().lastDefConfigVersion(), 2);
}

// Moving the transparency slider previews it on the gadget and on every
// favourite; cancelling takes both back.
void tst_NavigationController::transparencyPreviewReachesTheFavorites()
{
    FavoriteWindow* favorite = lighting()->addFavorite(HALL, 0, QPoint(200, 200), false, false, 50);
    const double before = favorite->windowOpacity();
    Corvane::Gadgets::UserConfigurationAreaDialog* dialog = openSettingsDialog();
    QVERIFY(dialog);
    QSlider* slider = dialog->findChild<Corvane::Gadgets::SliderControl*>(QStringLiteral("sliderTransparency"))->slider();
    QTest::keyClick(slider, Qt::Key_End);

    QVERIFY(m_window->windowOpacity() < before);
    QCOMPARE(favorite->windowOpacity(), m_window->windowOpacity());
    click(dialog, "cancel");
    QCOMPARE(favorite->windowOpacity(), before);
    QCOMPARE(m_window->windowOpacity(), before);
}

// Another project chosen in the dialog is in the settings file once the
// switch has ended: a kill then loses nothing.
void tst_NavigationController::chosenProjectIsWrittenAfterTheSwitch()
{
    const QString other = demoCopy(QStringLiteral("other.vtprj"));
    m_window->userConfigurationController()->setFileChooser(
        [other](QWidget*, const QString&, const QString&, const QString&) { return other; });
    Corvane::Gadgets::UserConfigurationAreaDialog* dialog = openSettingsDialog();
    QVERIFY(dialog);
    click(dialog, "browse");
    dialog->findChild<Corvane::Gadgets::SliderControl*>(QStringLiteral("sliderDimension"))->slider()->setValue(70);
    click(dialog, "ok");
    QCOMPARE(Settings::guiProperties().installConfigFileName(), other);
    m_fixture->releaseDrivers();
    QTRY_VERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());

    const Corvane::Devices::GuiProperties stored = storedUserSettings().gui();
    QCOMPARE(stored.installConfigFileName(), other);
    QCOMPARE(stored.currentFileName(), other);
    QCOMPARE(stored.dimension(), 70);
}

// A favourite dragged less than the save delay before the same project is
// opened again comes back where it was dragged.
void tst_NavigationController::favoriteMovedJustBeforeAReopenStaysThere()
{
    FavoriteWindow* favorite = lighting()->addFavorite(LIVING_DIMMER, 0, QPoint(300, 250), false, false, 60);
    navigation()->saveUserConfiguration();
    favorite->moveTo(QPoint(520, 410));
    QVERIFY(navigation()->saveTimer()->isActive());
    const Corvane::Devices::UserDeviceSettings::Favorite moved = lighting()->getFavoriteSettings(favorite);

    navigation()->setTemporaryDevicesConfiguration(QStringLiteral(DEMO_PROJECT));
    m_fixture->releaseDrivers();
    QTRY_VERIFY(!navigation()->closingHandshake()->isWaitingForDrivers());
    QCOMPARE(lighting()->favorites().size(), 1);
    const Corvane::Devices::UserDeviceSettings::Favorite back =
        lighting()->getFavoriteSettings(lighting()->favorites().first());
    QCOMPARE(QPoint(back.x, back.y), QPoint(moved.x, moved.y));
}

// The main context menu wears the skin from the start, a favourite's when it
// opens, even when the skin chosen is the one already in use.
void tst_NavigationController::favoriteMenusWearTheSkin()
{
    QString styleSheet;
    QVERIFY(Corvane::Gadgets::ThemeProvider::fileContentsToString(QStringLiteral("mainUI.qss"), styleSheet));
    QCOMPARE(navigation()->menus()->contextMenu()->styleSheet(), styleSheet);
    FavoriteWindow* favorite = lighting()->addFavorite(HALL, 0, QPoint(200, 200), false, false, 50);
    Q_EMIT favorite->customContextMenuRequested(QPoint(10, 10));
    QMenu* menu = lighting()->favoriteContextMenu();
    menu->hide();
    QCOMPARE(menu->styleSheet(), styleSheet);
}

// A tray that starts after the program (as with "Launch at startup") gets
// the icon as soon as it is there.
void tst_NavigationController::trayIconOnceATrayAppears()
{
    bool trayRuns = false;
    NavigationController::Seams seams = NavigationController::seams();
    seams.systemTrayAvailable = [&trayRuns] { return trayRuns; };
    NavigationController::setSeams(seams);
    reopen(QStringLiteral(DEMO_PROJECT));
    QVERIFY(!navigation()->trayIcon());
    m_fixture->clock.advance(Controllers::SystemTrayWatch::CHECK_INTERVAL_MS * 3);
    QVERIFY(!navigation()->trayIcon());

    trayRuns = true;
    m_fixture->clock.advance(Controllers::SystemTrayWatch::CHECK_INTERVAL_MS);
    QSystemTrayIcon* icon = navigation()->trayIcon();
    QVERIFY(icon);
    QVERIFY(icon->isVisible());
    QCOMPARE(icon->contextMenu(), navigation()->menus()->trayMenu());
    m_fixture->clock.advance(Controllers::SystemTrayWatch::CHECK_INTERVAL_MS * 3);
    QCOMPARE(navigation()->trayIcon(), icon);
}

QSystemTrayIcon* tst_NavigationController::openWithTray()
{
    NavigationController::Seams seams = NavigationController::seams();
    seams.systemTrayAvailable = [] { return true; };
    NavigationController::setSeams(seams);
    reopen(QStringLiteral(DEMO_PROJECT));
    return navigation()->trayIcon();
}

void tst_NavigationController::trayMenuShowsOrHidesTheGadget_data()
{
    QTest::addColumn<bool>("shown");
    QTest::newRow("from shown") << true;
    QTest::newRow("from hidden") << false;
}

// The user's right click opens the tray menu (the X11 tray pops the menu up,
// then reports the activation); the entry then turns the gadget the other
// way from what the user saw, three times in a row.
void tst_NavigationController::trayMenuShowsOrHidesTheGadget()
{
    QFETCH(bool, shown);
    QSystemTrayIcon* icon = openWithTray();
    QVERIFY(icon);
    if (shown)
        m_window->showTo();
    QCOMPARE(m_window->isVisible(), shown);
    QMenu* menu = icon->contextMenu();

    for (int i = 1; i <= 3; ++i) {
        menu->popup(QPoint(0, 0));
        emit icon->activated(QSystemTrayIcon::Context);
        QCOMPARE(m_window->isVisible(), shown == (i % 2 == 1));
        navigation()->menus()->trayShowHideAction()->trigger();
        menu->hide();
        QCOMPARE(m_window->isVisible(), shown != (i % 2 == 1));
    }
}

// A left click on the tray icon alone shows the hidden gadget and hides the
// shown one.
void tst_NavigationController::trayLeftClickToggles()
{
    QSystemTrayIcon* icon = openWithTray();
    QVERIFY(icon);
    m_window->showTo();
    for (const bool shownAfter : {false, true, false}) {
        emit icon->activated(QSystemTrayIcon::Trigger);
        QCOMPARE(m_window->isVisible(), shownAfter);
    }
}

// Full-screen mode, in and out from the context menu, with a meter's data
// window on the carousel: the window gets its size back.
void tst_NavigationController::leavingFullScreenGivesTheCarouselItsScale()
{
    navigation()->goHome();
    finishFades();
    openPage(BaseController::ENERGY_DATA_PAGE_ID);
    m_window->navigationControl()->notifyNavigationIconClicked(shownIcon(MAIN_METER), segmentOf(MAIN_METER), false);
    Controllers::CarouselController* carousel = m_window->carouselController();
    QVERIFY(carousel->isCarouselVisible());
    const double scale = carousel->carouselDelegateScaleFactor();
    QAction* fullScreen = navigation()->menus()->fullScreenAction();

    fullScreen->trigger();
    QVERIFY(m_window->isInFullScreenMode());
    QVERIFY(!qFuzzyCompare(carousel->carouselDelegateScaleFactor(), scale));
    fullScreen->trigger();
    QVERIFY(!m_window->isInFullScreenMode());
    QCOMPARE(carousel->carouselDelegateScaleFactor(), scale);
}

QTEST_MAIN(tst_NavigationController)
#include "tst_navigationcontroller.moc"

#include "Controllers/data/WebServersController.h"

#include "FavoriteWindow.h"
#include "LogCapture.h"
#include "NavigationWindow.h"
#include "RecordingOpenDriver.h"
#include "SceneInput.h"
#include "SentrelFixture.h"
#include "Controllers/base/CarouselController.h"
#include "simulation/ManualClock.h"
#include "simulation/PseudoDriver.h"

#include "controls/SvgContentButton.h"
#include "devices/Configuration.h"
#include "devices/DeviceNetworkAddress.h"
#include "devices/WebServerDevice.h"
#include "devices/WebServerDeviceProperties.h"
#include "energy/DataFaceDates.h"
#include "energy/WebServerDataControl.h"
#include "favorite/FavoriteControl.h"
#include "navigation/NavigationControl.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/PravikCodes.h"
#include "text/TextLabel.h"

#include <QSignalSpy>
#include <QTest>

using namespace Corvane::Sentrel;
using Controllers::WebServersController;
using Corvane::Devices::DeviceNetworkAddress;
using Corvane::Devices::WebServerDevice;
using Corvane::Devices::WebServerDeviceProperties;
using Corvane::Gadgets::SvgControlObject;
using Corvane::Gadgets::WebServerDataControl;
using Corvane::Gadgets::Models::NavigationIcon;
using Corvane::PravikDriver::Message;
using namespace Corvane::PravikDriver::PravikCodes;

namespace {

const int GATEWAY_SYSTEM = 13;

Message gatewayMessage(int dimension, const QList<int>& values)
{
    return Message(4, GATEWAY_SYSTEM, QString(), 0, dimension, values, 0);
}

DeviceNetworkAddress networkAddress(int type, const QString& ip, int uc)
{
    return DeviceNetworkAddress(type, ip, uc, DeviceNetworkAddress::PASSWORD_DEFAULT_VALUE);
}

} // namespace

class tst_WebServersController : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void viewerDisabledGatewaysAreLeftOut();
    void statusRequest();
    void fieldIntake_data();
    void fieldIntake();
    void messageOfAnotherDriverIsIgnored();
    void fixedOrAutomaticAddress_data();
    void fixedOrAutomaticAddress();
    void clickResults();
    void favoriteDataWindow();
    void renameRetitlesOnlyThatGateway();
    void noServerModeFillsEveryRow();

private:
    // A favourite window of the device as the user settings restore it.
    FavoriteWindow* openFavorite(int id) { return m_controller->addFavorite(id, 0, QPoint(200, 200), false, false, 100); }
    int addGateway(const QString& name, const DeviceNetworkAddress& address = DeviceNetworkAddress(),
                   bool viewer = true);
    void reload();
    WebServerDevice* device(int id) const;
    WebServerDataControl* carouselControl(int id) const;

    std::unique_ptr<SentrelFixture> m_fixture;
    std::unique_ptr<NavigationWindow> m_window;
    std::unique_ptr<Corvane::Devices::Configuration> m_project;
    std::unique_ptr<WebServersController> m_controller;
    QMap<int, RecordingOpenDriver*> m_drivers;
};

void tst_WebServersController::initTestCase()
{
    SentrelFixture::useProgramTheme();
}

void tst_WebServersController::init()
{
    m_fixture = std::make_unique<SentrelFixture>();
    Settings::s_instance->setSupportTransparency(true);
    m_window = std::make_unique<NavigationWindow>();
    m_project.reset(Corvane::Devices::Configuration::empty());
    m_controller = std::make_unique<WebServersController>(m_window.get());
    m_controller->initialize();
}

void tst_WebServersController::cleanup()
{
    for (RecordingOpenDriver* driver : std::as_const(m_drivers))
        driver->unregisterListener(m_controller.get());
    m_controller.reset();
    qDeleteAll(m_drivers);
    m_drivers.clear();
    m_project.reset();
    m_window.reset();
    m_fixture.reset();
}

int tst_WebServersController::addGateway(const QString& name, const DeviceNetworkAddress& address, bool viewer)
{
    const int id = m_project->addDevice(new WebServerDeviceProperties(0, address, name, viewer));
    auto* driver = new RecordingOpenDriver;
    driver->registerListener(m_controller.get());
    m_drivers.insert(id, driver);
    return id;
}

void tst_WebServersController::reload()
{
    m_controller->loadDevices(m_project.get());
    Controllers::BaseController::DriverMap drivers;
    for (auto it = m_drivers.cbegin(); it != m_drivers.cend(); ++it)
        drivers.insert(it.key(), it.value());
    m_controller->setDrivers(drivers);
}

WebServerDevice* tst_WebServersController::device(int id) const
{
    return static_cast<WebServerDevice*>(m_controller->getDeviceById(id));
}

WebServerDataControl* tst_WebServersController::carouselControl(int id) const
{
    return static_cast<WebServerDataControl*>(m_controller->dataControl(id));
}

void tst_WebServersController::viewerDisabledGatewaysAreLeftOut()
{
    const int shown = addGateway(QStringLiteral("Shown"));
    const int hidden = addGateway(QStringLiteral("Hidden"), DeviceNetworkAddress(), false);
    reload();
    QCOMPARE(m_controller->devices().size(), 1);
    QCOMPARE(m_controller->icons().size(), 1);
    QCOMPARE(m_controller->icons().first().id(), shown);
    QCOMPARE(m_controller->icons().first().state(), NavigationIcon::Uninitialized);
    // The data windows are made when the page first shows them.
    QVERIFY(m_controller->dataControls().isEmpty());
    m_controller->createDataControls();
    QVERIFY(carouselControl(shown));
    QVERIFY(!m_controller->dataControls().contains(hidden));
    m_controller->updateStatus(-1);
    QCOMPARE(m_drivers.value(shown)->sent.size(), 7);
    QVERIFY(m_drivers.value(hidden)->sent.isEmpty());
}

void tst_WebServersController::statusRequest()
{
    const int id = addGateway(QStringLiteral("Home"));
    reload();
    device(id)->setStatusKnown(true);
    m_controller->updateDeviceStatus(device(id));
    QVERIFY(!device(id)->isStatusKnown());
    QCOMPARE(m_controller->icons().first().state(), NavigationIcon::Uninitialized);
    const QList<Message> sent = m_drivers.value(id)->sent;
    QCOMPARE(sent.size(), 7);
    const QList<int> settings { 10, 11, 12, 27, 16, 19, 22 };
    for (int i = 0; i < settings.size(); ++i) {
        Message expected = Message::createServerStatusMessage(settings.at(i));
        expected.setPriority(sent.at(i).priority());
        QCOMPARE(sent.at(i), expected);
    }
}

void tst_WebServersController::fieldIntake_data()
{
    QTest::addColumn<Message>("message");
    QTest::addColumn<QString>("trace");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("windowFirst");

    // Each field reaches a data window made before the answer and one made
    // after it, when the page first shows.
    for (const bool windowFirst : {true, false}) {
        const char* when = windowFirst ? ", window made before" : ", window made after";
        QTest::newRow(qPrintable(QStringLiteral("IP address") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_IP, { 192, 168, 1, 20 })
            << QStringLiteral("Webserver: \"Home\" IP address updated to: 192.168.1.20")
            << int(WebServerDataControl::IpAddress) << QStringLiteral("192.168.1.20")
            << windowFirst;
        QTest::newRow(qPrintable(QStringLiteral("net mask") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_NET_MASK, { 255, 255, 255, 0 })
            << QStringLiteral("Webserver: \"Home\" subnet mask updated to: 255.255.255.0")
            << int(WebServerDataControl::SubnetMask) << QStringLiteral("255.255.255.0")
            << windowFirst;
        QTest::newRow(qPrintable(QStringLiteral("MAC address") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_MAC, { 0, 3, 80, 160, 1, 255 })
            << QStringLiteral("Webserver: \"Home\" MAC address updated to: 00:03:50:A0:01:FF")
            << int(WebServerDataControl::MacAddress) << QStringLiteral("00:03:50:A0:01:FF")
            << windowFirst;
        QTest::newRow(qPrintable(QStringLiteral("device type") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_DEVICE_TYPE_REQUEST, { 4 })
            << QStringLiteral("Webserver: \"Home\" device type updated to: PG-200")
            << int(WebServerDataControl::DeviceCode) << QStringLiteral("PG-200")
            << windowFirst;
        QTest::newRow(qPrintable(QStringLiteral("firmware") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_FIRMWARE, { 2, 1, 7 })
            << QStringLiteral("Webserver: \"Home\" firmware version updated to: 2.1.7")
            << int(WebServerDataControl::FirmwareVersion) << QStringLiteral("2.1.7")
            << windowFirst;
        QTest::newRow(qPrintable(QStringLiteral("uptime") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_UPTIME, { 1, 2, 3, 4 })
            << QStringLiteral("Webserver: \"Home\" uptime (seconds) updated to: 93784")
            << int(WebServerDataControl::Uptime) << WebServerDataControl::uptimeText(93784)
            << windowFirst;
        QTest::newRow(qPrintable(QStringLiteral("date alone") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_DATE, { 0, 17, 5, 2024 })
            << QStringLiteral("Webserver: \"Home\" date updated to: 17/05/2024")
            << int(WebServerDataControl::DateRow) << Corvane::Gadgets::DataFaceDates::dayText(QDate(2024, 5, 17))
            << windowFirst;
        QTest::newRow(qPrintable(QStringLiteral("uptime 0 changes nothing but marks the status") + QLatin1String(when)))
            << gatewayMessage(GATEWAY_UPTIME, { 0, 0, 0, 0 }) << QString() << -1 << QString()
            << windowFirst;
    }
}

void tst_WebServersController::fieldIntake()
{
    QFETCH(Message, message);
    QFETCH(QString, trace);
    QFETCH(int, row);
    QFETCH(QString, shown);
    QFETCH(bool, windowFirst);

    const int id = addGateway(QStringLiteral("Home"), networkAddress(1, QStringLiteral("10.0.0.9"), 0));
    reload();
    if (windowFirst)
        m_controller->createDataControls();
    LogCapture log;
    m_drivers.value(id)->deliver(message);
    m_controller->createDataControls();
    QVERIFY(device(id)->isStatusKnown());
    QCOMPARE(m_controller->icons().first().state(), NavigationIcon::Normal);
    const QStringList traces = log.lines().filter(QStringLiteral("Webserver: "));
    if (trace.isEmpty()) {
        QVERIFY2(traces.isEmpty(), qPrintable(traces.join(QLatin1Char('\n'))));
        QCOMPARE(device(id)->uptimeSecs(), 0);
        return;
    }
    QCOMPARE(traces.size(), 1);
    QVERIFY2(traces.first().endsWith(trace), qPrintable(traces.first()));
    QCOMPARE(carouselControl(id)->valueLabel(WebServerDataControl::WebConfigLabel(row))->text(), shown);
    // The web link row is always empty.
    QCOMPARE(carouselControl(id)->valueLabel(WebServerDataControl::WebLink)->text(), QString());
}

void tst_WebServersController::messageOfAnotherDriverIsIgnored()
{
    const int id = addGateway(QStringLiteral("Home"));
    reload();
    RecordingOpenDriver stranger;
    stranger.registerListener(m_controller.get());
    stranger.deliver(gatewayMessage(GATEWAY_FIRMWARE, { 2, 1, 7 }));
    QVERIFY(!device(id)->isStatusKnown());
    QVERIFY(device(id)->firmwareVersion().isEmpty());
    stranger.unregisterListener(m_controller.get());
}

void tst_WebServersController::fixedOrAutomaticAddress_data()
{
    QTest::addColumn<int>("addressType");
    QTest::addColumn<int>("uc");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<bool>("ucShown");

    QTest::newRow("fixed: the configured IP") << 0 << 5 << QStringLiteral("10.0.0.9") << false;
    QTest::newRow("automatic: the reported IP, the code shown") << 1 << 5 << QStringLiteral("192.168.1.20") << true;
    QTest::newRow("automatic without a code") << 1 << 0 << QStringLiteral("192.168.1.20") << false;
}

void tst_WebServersController::fixedOrAutomaticAddress()
{
    QFETCH(int, addressType);
    QFETCH(int, uc);
    QFETCH(QString, ip);
    QFETCH(bool, ucShown);

    const int id = addGateway(QStringLiteral("Home"), networkAddress(addressType, QStringLiteral("10.0.0.9"), uc));
    reload();
    m_drivers.value(id)->deliver(gatewayMessage(GATEWAY_IP, { 192, 168, 1, 20 }));
    m_controller->createDataControls();
    WebServerDataControl* control = carouselControl(id);
    QCOMPARE(control->valueLabel(WebServerDataControl::IpAddress)->text(), ip);
    QCOMPARE(control->isPropertyVisible(WebServerDataControl::UnivocalCode), ucShown);
    QCOMPARE(device(id)->ip(), QStringLiteral("192.168.1.20"));
}

void tst_WebServersController::clickResults()
{
    const int first = addGateway(QStringLiteral("First"));
    const int second = addGateway(QStringLiteral("Second"));
    reload();
    Corvane::Gadgets::NavigationControl* navigation = m_window->navigationControl();
    navigation->setCurrentPageId(0);
    // On the home page only the page's own icon is taken.
    QVERIFY(!m_controller->handleNavigationIconClicked(m_controller->icons().first(), 0, false));
    QCOMPARE(navigation->currentPageId(), 0);
    QVERIFY(m_controller->handleNavigationIconClicked(
        NavigationIcon(Corvane::Gadgets::ThemeProvider::WEBSERVER_SYSTEM, QString(),
                       Controllers::BaseController::WEB_SERVERS_PAGE_ID),
        0, false));
    QCOMPARE(navigation->currentPageId(), Controllers::BaseController::WEB_SERVERS_PAGE_ID);

    // A gateway's icon shows the carousel at that gateway and is not taken.
    QVERIFY(!m_controller->handleNavigationIconClicked(m_controller->icons().at(1), 1, false));
    Controllers::CarouselController* carousel = m_window->carouselController();
    QVERIFY(carousel->isCarouselVisible());
    QCOMPARE(carousel->carouselControls().size(), 2);
    QCOMPARE(carousel->currentIndex(), 1);
    QCOMPARE(m_controller->getDeviceIdFromDataControl(carousel->currentControl()), second);
    Q_UNUSED(first);

    // On another page nothing is taken.
    navigation->setCurrentPageId(Controllers::BaseController::LIGHTS_PAGE_ID);
    QVERIFY(!m_controller->handleNavigationIconClicked(m_controller->icons().first(), 0, false));
}

void tst_WebServersController::favoriteDataWindow()
{
    const int id = addGateway(QStringLiteral("Home"), networkAddress(0, QStringLiteral("10.0.0.9"), 0));
    reload();
    FavoriteWindow* window = openFavorite(id);
    SvgControlObject* frame = m_controller->favoriteDataControls().value(id);
    QVERIFY(frame);
    QVERIFY(!frame->isVisible());
    // A second initialisation keeps the one data window.
    m_controller->initializeFavorite(window);
    QCOMPARE(m_controller->favoriteDataControls().value(id), frame);

    // Another element than the centre button shows nothing.
    Corvane::Gadgets::FavoriteControl* favorite = window->favoriteControl();
    Q_EMIT favorite->elementClick(favorite->refreshButton());
    QVERIFY(!frame->isVisible());
    Q_EMIT favorite->elementClick(favorite->centerButton());
    QVERIFY(frame->isVisible());
    QCOMPARE(m_controller->infoFavorite(), id);
    auto* control = static_cast<WebServerDataControl*>(m_controller->favoriteDataControl(id));
    QCOMPARE(control->valueLabel(WebServerDataControl::IpAddress)->text(), QStringLiteral("10.0.0.9"));

    QPointer<SvgControlObject> guard = frame;
    Q_EMIT favorite->elementClick(favorite->closeButton());
    QVERIFY(guard.isNull());
    QCOMPARE(m_controller->favoriteDataControl(id), nullptr);
}

void tst_WebServersController::renameRetitlesOnlyThatGateway()
{
    const int first = addGateway(QStringLiteral("First"));
    const int second = addGateway(QStringLiteral("Second"));
    reload();
    FavoriteWindow* firstWindow = openFavorite(first);
    FavoriteWindow* secondWindow = openFavorite(second);
    // The first gateway's favourite was clicked last.
    Q_EMIT firstWindow->favoriteControl()->elementClick(firstWindow->favoriteControl()->centerButton());

    QSignalSpy firstTitle(static_cast<WebServerDataControl*>(m_controller->favoriteDataControl(first)),
                          &WebServerDataControl::titleTextChanged);
    QSignalSpy secondTitle(static_cast<WebServerDataControl*>(m_controller->favoriteDataControl(second)),
                           &WebServerDataControl::titleTextChanged);
    m_controller->createDataControls();
    QSignalSpy carouselTitle(carouselControl(second), &WebServerDataControl::titleTextChanged);
    // The second gateway renamed on its favourite's label.
    QVERIFY(SceneInput::rename(secondWindow, secondWindow->favoriteControl()->label(), QStringLiteral("Garage")));
    QCOMPARE(device(second)->name(), QStringLiteral("Garage"));
    QCOMPARE(carouselTitle.size(), 1);
    QCOMPARE(secondTitle.size(), 1);
    QVERIFY(secondTitle.first().first().toString().contains(QStringLiteral("Garage")));
    QVERIFY(firstTitle.isEmpty());

    firstWindow->close();
    secondWindow->close();
}

void tst_WebServersController::noServerModeFillsEveryRow()
{
    ManualClock clock(QDateTime(QDate(2024, 5, 17), QTime(10, 15)));
    PseudoDriver pseudo(nullptr, &clock);
    const int id = addGateway(QStringLiteral("Home"), networkAddress(1, QStringLiteral("10.0.0.9"), 3));
    reload();
    pseudo.registerListener(m_controller.get());
    m_controller->setDrivers({ { id, &pseudo } });
    m_controller->updateStatus(-1);
    const WebServerDevice* gateway = device(id);
    QVERIFY(gateway->isStatusKnown());
    QVERIFY(!gateway->ip().isEmpty());
    QVERIFY(!gateway->netMask().isEmpty());
    QVERIFY(!gateway->macAddress().isEmpty());
    QVERIFY(!gateway->reportedDeviceType().isEmpty());
    QVERIFY(!gateway->firmwareVersion().isEmpty());
    QCOMPARE(gateway->date(), QDate(2024, 5, 17));
    QVERIFY(gateway->time().isValid());
    // The data window made after the answers shows them.
    m_controller->createDataControls();
    WebServerDataControl* control = carouselControl(id);
    QCOMPARE(control->valueLabel(WebServerDataControl::IpAddress)->text(), gateway->ip());
    QCOMPARE(control->valueLabel(WebServerDataControl::DeviceCode)->text(), gateway->reportedDeviceType());
    pseudo.unregisterListener(m_controller.get());
}

QTEST_MAIN(tst_WebServersController)
#include "tst_webserverscontroller.moc"

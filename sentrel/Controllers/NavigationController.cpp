#include "NavigationController.h"

#include "ActuatorsController.h"
#include "EnergyDevicesController.h"
#include "LightSensorsController.h"
#include "LoadManagementController.h"
#include "MotorsController.h"
#include "PresenceSensorsController.h"
#include "ScenariosController.h"
#include "SoundController.h"
#include "ThermoregulationController.h"
#include "WebServersController.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "simulation/PseudoDriver.h"

#include "controls/IconRenderer.h"
#include "devices/ConfigPage.h"
#include "devices/Configuration.h"
#include "devices/WebServerDeviceProperties.h"
#include "log/Logger.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "theme/ThemeProvider.h"

#include <QKeyEvent>

namespace Corvane::Sentrel::Controllers {

using Gadgets::NavigationControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;

namespace {

const int FIXED_ADDRESS = 0;
const int CONNECTION_TYPE_MONITOR = 2;

struct HomeIconKind
{
    const QString* renderer;
    int iconId;
};

// The home icon of each kind of project page.
QMap<int, HomeIconKind> homeIconKinds()
{
    return {
        {Devices::ConfigPage::Lighting, {&ThemeProvider::LIGHTS_SYSTEM, BaseController::LIGHTS_PAGE_ID}},
        {Devices::ConfigPage::Automation, {&ThemeProvider::AUTOMATION_SYSTEM, BaseController::MOTORS_PAGE_ID}},
        {Devices::ConfigPage::Scenarios, {&ThemeProvider::SCENARIO_SYSTEM, BaseController::SCENARIOS_PAGE_ID}},
        {8000, {&ThemeProvider::THERMOREGULATION_SYSTEM, BaseController::TERMO_PAGE_ID}},
        {20000, {&ThemeProvider::LIGHT_SENSOR_SYSTEM, BaseController::LUMIN_PAGE_ID}},
        {21000, {&ThemeProvider::PRESENCE_SYSTEM, BaseController::PRESENCE_PAGE_ID}},
        {22000, {&ThemeProvider::WEBSERVER_SYSTEM, BaseController::WEB_SERVERS_PAGE_ID}},
        {23000, {&ThemeProvider::SOUND_SYSTEM, BaseController::SOUND_PAGE_ID}},
        {7000, {&ThemeProvider::ENERGY_SYSTEM, BaseController::ENERGY_DATA_PAGE_ID}},
        {18000, {&ThemeProvider::LOAD_MANAGEMENT_SYSTEM, BaseController::LOAD_MANAGEMENT_PAGE_ID}},
    };
}

} // namespace

NavigationController::NavigationController(NavigationWindow* window)
    : BaseController(window)
{
}

NavigationController::~NavigationController()
{
    // The drivers call back into the controllers: they go first, at once,
    // so that none outlives the controllers it reports to.
    clearDrivers(false);
    qDeleteAll(m_controllers);
    m_controllers.clear();
}

bool NavigationController::initialize()
{
    const bool connected = BaseController::initialize();
    createControllers();
    for (BaseController* controller : std::as_const(m_controllers))
        controller->initialize();
    connectCarousel();
    loadConfiguration(Settings::devicesConfiguration());
    for (BaseController* controller : std::as_const(m_controllers))
        controller->settingsLoaded();
    goHome();
    return connected;
}

void NavigationController::createControllers()
{
    m_controllers.append(new ActuatorsController(navigationWindow()));
    m_controllers.append(new ScenariosController(navigationWindow()));
    m_controllers.append(new MotorsController(navigationWindow()));
    m_controllers.append(new PresenceSensorsController(navigationWindow()));
    m_controllers.append(new LightSensorsController(navigationWindow()));
    m_controllers.append(new ThermoregulationController(navigationWindow()));
    m_controllers.append(new WebServersController(navigationWindow()));
    m_controllers.append(new SoundController(navigationWindow()));
    m_controllers.append(new EnergyDevicesController(navigationWindow()));
    m_controllers.append(new LoadManagementController(navigationWindow()));
}

void NavigationController::connectCarousel()
{
    NavigationControl* navigation = navigationControl();
    if (!navigation)
        return;
    connect(navigation, &NavigationControl::navigationIconClicked, this,
            &NavigationController::onNavigationIconClicked);
    connect(navigation, &NavigationControl::homeButtonClicked, this, &NavigationController::onHomeButtonClicked);
    connect(navigation, &NavigationControl::backButtonClicked, this, &NavigationController::onBackButtonClicked);
    connect(navigation, &NavigationControl::requestOriginalIcons, this,
            &NavigationController::onRequestOriginalIcons);
}

int NavigationController::controlledPageId() const
{
    return 0;
}

void NavigationController::updateUIforDevice(Devices::BaseDevice*) {}

PravikDriver::Address::DeviceType NavigationController::defaultDeviceType() const
{
    return PravikDriver::Address::Unknown;
}

BaseController* NavigationController::currentController() const
{
    const int pageId = navigationControl() ? navigationControl()->currentPageId() : 0;
    for (BaseController* controller : m_controllers)
        if (controller->controlledPageId() == pageId)
            return controller;
    if (pageId != 0)
        Log::Logger(Log::Logger::Error) << Q_FUNC_INFO << ": no current controller found";
    return nullptr;
}

void NavigationController::loadConfiguration(const Devices::Configuration* configuration)
{
    clearDrivers(true);
    m_servers.clear();
    m_icons.clear();
    m_pageMap.clear();
    if (!configuration)
        return;
    loadServers(configuration);
    loadPages(configuration);
    connectToServers();
}

void NavigationController::loadServers(const Devices::Configuration* configuration)
{
    const bool noServer = Settings::s_instance && Settings::s_instance->noServer();
    DriverMap drivers;
    for (const Devices::WebServerDeviceProperties* server : configuration->webServers()) {
        m_servers.append({server->id(), server->networkAddress()});
        PravikDriver::OpenDriver* driver = noServer ? new PseudoDriver() : new PravikDriver::OpenDriver();
        drivers.insert(server->id(), driver);
        driver->registerListener(this);
        for (BaseController* controller : std::as_const(m_controllers))
            driver->registerListener(controller);
    }
    setDrivers(drivers);
}

void NavigationController::loadPages(const Devices::Configuration* configuration)
{
    const QMap<int, HomeIconKind> kinds = homeIconKinds();
    for (BaseController* controller : std::as_const(m_controllers)) {
        const int count = controller->loadDevices(configuration);
        for (const Devices::ConfigPage& page : configuration->pages()) {
            if (page.pageType() != controller->controlledPageType() || count < 1 || !kinds.contains(page.pageType()))
                continue;
            const HomeIconKind kind = kinds.value(page.pageType());
            m_icons.append(NavigationIcon(
                Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(*kind.renderer), {}),
                page.description(), kind.iconId));
            m_pageMap.insert(kind.iconId, page.id());
        }
        controller->setDrivers(drivers());
    }
}

void NavigationController::connectToServers()
{
    if (Settings::s_instance && Settings::s_instance->noServer()) {
        for (BaseController* controller : std::as_const(m_controllers))
            controller->updateStatus(-1);
        return;
    }
    for (const auto& [id, address] : std::as_const(m_servers)) {
        PravikDriver::OpenDriver* driver = getDriver(id);
        if (!driver || address.ipAddressType() != FIXED_ADDRESS)
            continue;
        driver->setTcpConnection(address.ip(), quint16(address.port()), address.password());
        driver->openMonitorConnection(
            PravikDriver::Driver::defaultReconnectsAutomatically(CONNECTION_TYPE_MONITOR),
            PravikDriver::Driver::defaultReconnectsOnResponseTimeout(CONNECTION_TYPE_MONITOR));
    }
}

void NavigationController::clearDrivers(bool deferred)
{
    const DriverMap old = drivers();
    setDrivers({});
    for (BaseController* controller : std::as_const(m_controllers))
        controller->setDrivers({});
    for (PravikDriver::OpenDriver* driver : old) {
        driver->unregisterListener(this);
        for (BaseController* controller : std::as_const(m_controllers))
            driver->unregisterListener(controller);
        if (deferred)
            driver->deleteLater();
        else
            delete driver;
    }
}

void NavigationController::goHome()
{
    NavigationControl* navigation = navigationControl();
    if (!navigation)
        return;
    navigation->clearCommandControls();
    navigation->setPreserveSelection(false);
    if (m_icons.size() == 1) {
        navigation->setCurrentPageId(0);
        onNavigationIconClicked(m_icons.first(), 0, false);
    } else {
        navigation->setIcons(m_icons, false);
        if (Gadgets::NavigationLabels* labels = navigation->labels()) {
            labels->setLabelsRefreshButtonsVisible(false);
            labels->setCanEditLabels(false);
            labels->hideAllSliders();
        }
        navigation->setShowBackButton(false);
        navigation->clearSelectedIcon();
        navigation->clearCentralContent();
        navigation->setCurrentPageId(0);
        if (!navigation->commandControl1() && navigationWindow() && navigationWindow()->navigationContainer())
            navigationWindow()->navigationContainer()->setElementsSuffix(QString());
    }
    for (BaseController* controller : std::as_const(m_controllers))
        controller->pageChanged();
}

void NavigationController::onNavigationIconClicked(const NavigationIcon& icon, int segmentIndex, bool generated)
{
    for (BaseController* controller : std::as_const(m_controllers))
        if (controller->handleNavigationIconClicked(icon, segmentIndex, generated))
            return;
}

void NavigationController::onHomeButtonClicked()
{
    goHome();
}

void NavigationController::onBackButtonClicked()
{
    for (BaseController* controller : std::as_const(m_controllers))
        if (controller->handleBackButtonClicked())
            return;
    goHome();
}

void NavigationController::onRequestOriginalIcons()
{
    if (navigationControl() && navigationControl()->currentPageId() == 0)
        navigationControl()->setIcons(m_icons, true);
}

void NavigationController::handleKeyPress(const QKeyEvent* event)
{
    if (BaseController* controller = currentController())
        controller->handleKeyPress(event);
    else
        BaseController::handleKeyPress(event);
    if (event->key() == Qt::Key_F5)
        onRefreshAll();
}

void NavigationController::handleKeyRelease(const QKeyEvent* event)
{
    if (BaseController* controller = currentController())
        controller->handleKeyRelease(event);
    else
        BaseController::handleKeyRelease(event);
}

void NavigationController::onRefreshAll()
{
    if (navigationControl() && navigationControl()->currentPageId() != 0) {
        if (BaseController* controller = currentController())
            controller->updateStatus(-1);
        return;
    }
    for (BaseController* controller : std::as_const(m_controllers))
        controller->updateStatus(-1);
}

} // namespace Corvane::Sentrel::Controllers

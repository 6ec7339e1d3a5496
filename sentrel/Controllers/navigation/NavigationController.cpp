#include "NavigationController.h"

#include "Controllers/lighting/ActuatorsController.h"
#include "Application.h"
#include "Controllers/base/CarouselController.h"
#include "ClosingHandshake.h"
#include "Controllers/data/EnergyDevicesController.h"
#include "GatewayConnections.h"
#include "HomePageIcons.h"
#include "Controllers/sensors/LightSensorsController.h"
#include "Controllers/data/LoadManagementController.h"
#include "Controllers/automation/MotorsController.h"
#include "NavigationIdleTimers.h"
#include "NavigationMenus.h"
#include "NavigationSettings.h"
#include "NavigationWiring.h"
#include "SystemTrayWatch.h"
#include "Controllers/sensors/PresenceSensorsController.h"
#include "Controllers/scenarios/ScenariosController.h"
#include "Controllers/sound/SoundController.h"
#include "Controllers/thermoregulation/ThermoregulationController.h"
#include "Controllers/data/WebServersController.h"
#include "NavigationWindow.h"
#include "Settings.h"
#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include "controls/SvgButton.h"
#include "devices/Configuration.h"
#include "devices/GuiProperties.h"
#include "devices/UserDeviceSettings.h"
#include "devices/WebServerDevice.h"
#include "log/Logger.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "utilities/GeneralUtilities.h"
#include "utilities/WidgetUtilities.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QKeyEvent>
#include <QMenu>

namespace Corvane::Sentrel::Controllers {

using Gadgets::NavigationControl;
using Gadgets::Models::NavigationIcon;
using Utilities::WidgetUtilities;

namespace {

const int HOME_PAGE_ID = 0;

NavigationController::Seams& installedSeams()
{
    static NavigationController::Seams installed;
    return installed;
}

} // namespace

void NavigationController::setSeams(const Seams& installed)
{
    installedSeams() = installed;
}

const NavigationController::Seams& NavigationController::seams()
{
    return installedSeams();
}

NavigationController::NavigationController(NavigationWindow* window)
    : BaseController(window)
    , m_gateways(std::make_unique<GatewayConnections>(*this))
    , m_homePage(std::make_unique<HomePageIcons>(*this))
    , m_settings(std::make_unique<NavigationSettings>(*this))
{
    createTimers();
    if (window && window->graphicsScene())
        window->graphicsScene()->installEventFilter(this);
}

NavigationController::~NavigationController()
{
    if (m_saveTimer->isActive())
        saveUserConfiguration();
    // The drivers call back into the controllers: they go first, at once,
    // so that none outlives the controllers it reports to.
    m_gateways->releaseDrivers(false);
    qDeleteAll(m_controllers);
    m_controllers.clear();
}

void NavigationController::createTimers()
{
    Clock* clock = Clock::program();
    m_idleTimers = std::make_unique<NavigationIdleTimers>(this);
    m_saveTimer = clock->createTimer(this);
    m_saveTimer->setInterval(SAVE_DELAY_MS);
    m_saveTimer->setSingleShot(true);
    m_closing = new ClosingHandshake(CLOSING_TIMEOUT_MS, this);
    connect(m_closing, &ClosingHandshake::driversReadyToClose, this, &NavigationController::driversReadyToClose);
    m_firstDiscoveryTimer = clock->createTimer(this);
    m_firstDiscoveryTimer->setInterval(FIRST_DISCOVERY_DELAY_MS);
    m_firstDiscoveryTimer->setSingleShot(true);
    connect(m_idleTimers->hideLabels(), &ClockTimer::timeout, this, &NavigationController::onHideLabelsTick);
    connect(m_idleTimers->backToHome(), &ClockTimer::timeout, this, &NavigationController::onBackToHomeTick);
    connect(m_saveTimer, &ClockTimer::timeout, this, &NavigationController::saveUserConfiguration);
    connect(m_firstDiscoveryTimer, &ClockTimer::timeout, this, &NavigationController::onNetworkUpdateCompleted);
}

bool NavigationController::initialize()
{
    const bool connected = BaseController::initialize();
    createControllers();
    for (BaseController* controller : std::as_const(m_controllers))
        controller->initialize();
    m_menus = std::make_unique<NavigationMenus>(this, navigationWindow());
    NavigationWiring::connect(*this);
    loadConfiguration(Settings::devicesConfiguration());
    loadUserSettings(Settings::userSettings());
    Devices::GuiProperties firstLoad;
    firstLoad.setDimension(-1);
    loadGuiSettings(Settings::guiProperties(), firstLoad);
    settingsLoaded();
    goHome();
    initTrayIcon();
    if (NavigationWindow* window = navigationWindow()) {
        connect(window, &BaseSceneWindow::moved, this, &NavigationController::scheduleSaveUserConfiguration);
        connect(window, &BaseSceneWindow::resized, this, &NavigationController::scheduleSaveUserConfiguration);
    }
    // The first discovery starts once the event loop runs, or after the
    // network has had time to come up, whichever comes first.
    QMetaObject::invokeMethod(this, &NavigationController::onNetworkUpdateCompleted, Qt::QueuedConnection);
    m_firstDiscoveryTimer->start();
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

int NavigationController::controlledPageId() const
{
    return HOME_PAGE_ID;
}

void NavigationController::updateUIforDevice(Devices::BaseDevice*) {}

PravikDriver::Address::DeviceType NavigationController::defaultDeviceType() const
{
    return PravikDriver::Address::Unknown;
}

BaseController* NavigationController::currentController() const
{
    const int pageId = navigationControl() ? navigationControl()->currentPageId() : HOME_PAGE_ID;
    for (BaseController* controller : m_controllers)
        if (controller->controlledPageId() == pageId)
            return controller;
    if (pageId != HOME_PAGE_ID)
        Log::Logger(Log::Logger::Error) << Q_FUNC_INFO << ": no current controller found";
    return nullptr;
}

Devices::WebServerDevice* NavigationController::webServerDevice(int id) const
{
    const int webServersPosition = 6;
    if (m_controllers.size() <= webServersPosition)
        return nullptr;
    return dynamic_cast<Devices::WebServerDevice*>(m_controllers.at(webServersPosition)->getDeviceById(id));
}

// --- Project, gateways and discovery ----------------------------------------

void NavigationController::loadConfiguration(const Devices::Configuration* configuration)
{
    m_gateways->releaseDrivers(true);
    m_icons.clear();
    m_pageMap.clear();
    if (!configuration)
        return;
    m_gateways->loadDrivers(configuration);
    m_homePage->load(configuration);
    m_gateways->connectGateways();
}

SSDP::Ssdp* NavigationController::discovery() const
{
    return m_gateways->discovery();
}

bool NavigationController::isDiscoveryDone() const
{
    return m_gateways->isDiscoveryDone();
}

bool NavigationController::isDiscovering() const
{
    return m_gateways->isDiscovering();
}

void NavigationController::discover()
{
    m_gateways->discover();
}

void NavigationController::discoverIfNeeded()
{
    m_gateways->discoverIfNeeded();
}

void NavigationController::onNetworkUpdateCompleted()
{
    m_gateways->discoverIfIdle();
}

void NavigationController::onSsdpTimeoutExpired()
{
    m_gateways->searchAgain();
}

void NavigationController::onSsdpDiscovered(int functionCode, int univocalCode, const QHostAddress& deviceAddress)
{
    m_gateways->match(functionCode, univocalCode, deviceAddress);
}

void NavigationController::onRefreshAll()
{
    if (navigationControl() && navigationControl()->currentPageId() != HOME_PAGE_ID) {
        if (BaseController* controller = currentController())
            controller->updateStatus(-1);
        return;
    }
    for (BaseController* controller : std::as_const(m_controllers))
        controller->updateStatus(-1);
}

void NavigationController::onRefreshCurrent()
{
    if (!m_menus || m_menus->menuIcon().id() == 0)
        return;
    BaseController* controller = currentController();
    if (!controller)
        return;
    if (Devices::BaseDevice* device = controller->getDeviceById(m_menus->menuIcon().id()))
        controller->updateDeviceStatus(device);
}

// --- Home page and dispatch -------------------------------------------------

void NavigationController::goHome()
{
    NavigationControl* navigation = navigationControl();
    if (!navigation)
        return;
    navigation->clearCommandControls();
    navigation->setPreserveSelection(false);
    if (m_icons.size() == 1) {
        navigation->setCurrentPageId(HOME_PAGE_ID);
        onNavigationIconClicked(m_icons.first(), 0, false);
    } else {
        m_homePage->show();
        m_idleTimers->restartForHomePage(Settings::guiProperties());
    }
    for (BaseController* controller : std::as_const(m_controllers))
        controller->pageChanged();
}

void NavigationController::onNavigationIconClicked(const NavigationIcon& icon, int segmentIndex, bool generated)
{
    for (BaseController* controller : std::as_const(m_controllers))
        if (controller->handleNavigationIconClicked(icon, segmentIndex, generated))
            break;
    startTimers();
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

void NavigationController::onInfoButtonClicked() {}

void NavigationController::onElementClick(Gadgets::SvgElement* element)
{
    if (!element)
        return;
    Gadgets::NavigationContainer* container = navigationWindow() ? navigationWindow()->navigationContainer() : nullptr;
    const bool carouselRefresh = navigationControl() && element == navigationControl()->refreshButton();
    const bool fullScreenRefresh = container && element == container->fullScreenRefreshButton();
    if (carouselRefresh || fullScreenRefresh)
        onRefreshAll();
}

void NavigationController::onRequestOriginalIcons()
{
    for (BaseController* controller : std::as_const(m_controllers))
        if (controller->handleRequestOriginalIcons())
            break;
    if (navigationControl() && navigationControl()->currentPageId() == HOME_PAGE_ID)
        navigationControl()->setIcons(m_icons, true);
}

void NavigationController::onRequestShortcut(const NavigationIcon& icon)
{
    const int pageId = navigationControl() ? navigationControl()->currentPageId() : HOME_PAGE_ID;
    for (BaseController* controller : std::as_const(m_controllers))
        if (controller->controlledPageId() == pageId && controller->handleRequestShortcut(icon))
            return;
}

void NavigationController::onRequestAllowedShortcut(const NavigationIcon& icon, bool& isShortcutAllowed)
{
    if (indexOfIcon(icon.id()) >= 0) {
        isShortcutAllowed = false;
        return;
    }
    const int pageId = navigationControl() ? navigationControl()->currentPageId() : HOME_PAGE_ID;
    for (BaseController* controller : std::as_const(m_controllers)) {
        if (controller->controlledPageId() == pageId) {
            controller->handleRequestAllowedShortcut(icon, isShortcutAllowed);
            return;
        }
    }
}

void NavigationController::onIconsReordered()
{
    for (BaseController* controller : std::as_const(m_controllers))
        if (controller->handleIconsReordered())
            break;
    BaseController::handleIconsReordered();
}

// A device may show on several pages (a sensor of presence and of light):
// its name is one, the last given.
void NavigationController::onDeviceRenamed(int deviceId, const QString& name)
{
    for (BaseController* controller : std::as_const(m_controllers))
        if (controller != sender())
            controller->takeDeviceName(deviceId, name);
}

void NavigationController::onEditingControlClosed()
{
    NavigationControl* navigation = navigationControl();
    Gadgets::NavigationContainer* container = navigationWindow() ? navigationWindow()->navigationContainer() : nullptr;
    if (navigation && container && navigation->currentPageId() == HOME_PAGE_ID
        && !navigation->elementsSuffix().isEmpty())
        container->setElementsSuffix(QString());
}

// --- Keys, pointer and timers -----------------------------------------------

bool NavigationController::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::GraphicsSceneMouseMove:
    case QEvent::KeyPress:
    case QEvent::GraphicsSceneWheel:
        startTimers();
        break;
    default:
        break;
    }
    return BaseController::eventFilter(watched, event);
}

void NavigationController::onKeyPressed(const QKeyEvent* event)
{
    handleKeyPress(event);
}

void NavigationController::onKeyReleased(const QKeyEvent* event)
{
    handleKeyRelease(event);
}

void NavigationController::handleKeyPress(const QKeyEvent* event)
{
    if (!m_handlesKeyboardInput)
        return;
    if (BaseController* controller = currentController())
        controller->handleKeyPress(event);
    else
        BaseController::handleKeyPress(event);
    showLabelsIfHidden();
    if (event->key() == Qt::Key_F5)
        onRefreshAll();
    else if (event->key() == Qt::Key_F11)
        onFullScreen();
    startTimers();
}

void NavigationController::handleKeyRelease(const QKeyEvent* event)
{
    if (BaseController* controller = currentController())
        controller->handleKeyRelease(event);
    else
        BaseController::handleKeyRelease(event);
}

void NavigationController::showLabelsIfHidden()
{
    NavigationControl* navigation = navigationControl();
    Gadgets::NavigationLabels* labels = navigation ? navigation->labels() : nullptr;
    if (labels && (!labels->isVisible() || navigation->labelsOpacity() <= 0.0))
        navigation->showLabels();
}

void NavigationController::startTimers()
{
    const bool onHomePage = !navigationControl() || navigationControl()->currentPageId() == HOME_PAGE_ID;
    m_idleTimers->start(Settings::guiProperties(), onHomePage, int(m_icons.size()));
}

void NavigationController::stopTimers()
{
    m_idleTimers->stop();
}

void NavigationController::onHideLabelsTick()
{
    m_idleTimers->hideLabels()->stop();
    if (navigationControl())
        navigationControl()->hideLabels();
}

void NavigationController::onBackToHomeTick()
{
    m_idleTimers->backToHome()->stop();
    goHome();
}

void NavigationController::onMousePress()
{
    stopTimers();
    showLabelsIfHidden();
}

void NavigationController::onMouseRelease()
{
    startTimers();
}

void NavigationController::onHoverMove()
{
    showLabelsIfHidden();
    startTimers();
}

void NavigationController::onWheel()
{
    showLabelsIfHidden();
    startTimers();
}

void NavigationController::setKeyboardInputEverywhere(bool handles)
{
    m_handlesKeyboardInput = handles;
    if (navigationWindow() && navigationWindow()->navigationContainer())
        navigationWindow()->navigationContainer()->setHandlesKeyboardInput(handles);
    if (navigationControl())
        navigationControl()->setHandlesKeyboardInput(handles);
}

void NavigationController::onLabelEditStart()
{
    m_idleTimers->setLabelEditing(true);
    stopTimers();
    showLabelsIfHidden();
    setKeyboardInputEverywhere(false);
}

void NavigationController::onLabelEditEnd()
{
    m_idleTimers->setLabelEditing(false);
    startTimers();
    setKeyboardInputEverywhere(true);
}

// --- Translation and broadcasts ---------------------------------------------

void NavigationController::retranslateUi()
{
    BaseController::retranslateUi();
    if (m_menus) {
        m_menus->setContextMenuTexts(navigationWindow() && navigationWindow()->isInFullScreenMode());
        m_menus->setTrayContextMenuTexts();
    }
    retranslateIconsTooltips();
    for (BaseController* controller : std::as_const(m_controllers))
        controller->retranslateUi();
}

void NavigationController::retranslateIconsTooltips()
{
    m_homePage->retranslateTooltips();
}

void NavigationController::settingsLoaded()
{
    for (BaseController* controller : std::as_const(m_controllers))
        controller->settingsLoaded();
}

void NavigationController::handleFullScreenExit()
{
    for (BaseController* controller : std::as_const(m_controllers))
        controller->handleFullScreenExit();
}

void NavigationController::setFavoritesTransparency(int transparency)
{
    for (BaseController* controller : std::as_const(m_controllers))
        controller->setFavoritesTransparency(transparency);
}

void NavigationController::onFullScreen()
{
    if (NavigationWindow* window = navigationWindow())
        window->setIsInFullScreenMode(!window->isInFullScreenMode());
    for (BaseController* controller : std::as_const(m_controllers))
        controller->onFullScreen();
}

// --- Context menu, window commands and tray ----------------------------------

bool NavigationController::prepareContextMenu(const QPoint& position)
{
    NavigationControl* navigation = navigationControl();
    NavigationWindow* window = navigationWindow();
    if (!navigation || !window || navigation->isMoving())
        return false;
    const QPoint viewPosition = window->view()->mapFrom(window, position);
    prepareContextMenuFor(navigation->iconAtPosition(window->view()->mapToScene(viewPosition).toPoint()));
    return true;
}

void NavigationController::prepareContextMenuFor(const NavigationIcon& icon)
{
    NavigationControl* navigation = navigationControl();
    NavigationWindow* window = navigationWindow();
    m_menus->setMenuIcon(icon);
    BaseController* controller = icon.id() != 0 ? currentController() : nullptr;
    const Devices::BaseDevice* device = controller ? controller->getDeviceById(icon.id()) : nullptr;
    const bool onHomePage = navigation->currentPageId() == HOME_PAGE_ID;
    BaseController* pageController = onHomePage ? nullptr : currentController();
    m_menus->setRefreshVisibility(device && device->supportsRefresh(),
                                  onHomePage || (pageController && pageController->supportsRefresh()));
    m_menus->onTopAction()->setChecked(WidgetUtilities::isWidgetOnTop(window));
    navigation->setSelectedIcon(icon, false);
    m_menus->setContextMenuTexts(window->isInFullScreenMode());
}

void NavigationController::onContextMenuRequest(const QPoint& position)
{
    if (prepareContextMenu(position))
        m_menus->contextMenu()->exec(navigationWindow()->mapToGlobal(position));
}

void NavigationController::onSetOnTop()
{
    NavigationWindow* window = navigationWindow();
    if (!window)
        return;
    WidgetUtilities::setWindgetOnTop(window, !WidgetUtilities::isWidgetOnTop(window));
    window->showTo();
    saveSettings();
}

void NavigationController::onClose()
{
    if (navigationWindow())
        navigationWindow()->close();
}

QList<BaseSceneWindow*> NavigationController::favoriteWindows() const
{
    return NavigationMenus::favoriteWindows(navigationWindow());
}

void NavigationController::initTrayIcon()
{
    auto* watch = new SystemTrayWatch(seams().systemTrayAvailable, this);
    connect(watch, &SystemTrayWatch::trayAvailable, this, &NavigationController::createTrayIcon);
    watch->start();
}

void NavigationController::createTrayIcon()
{
    m_trayIcon = m_menus->createTrayIcon(this);
    connect(m_trayIcon, &QSystemTrayIcon::activated, this, &NavigationController::onTrayActivated);
}

void NavigationController::onTrayAboutToShow()
{
    m_menus->setTrayContextMenuTexts();
    m_menus->trayAutostartAction()->setChecked(Application::runAtStartup());
}

void NavigationController::onTrayShowMain()
{
    NavigationMenus::toggleVisible(navigationWindow());
}

void NavigationController::onTrayActivate()
{
    NavigationMenus::moveWindowsToTop(navigationWindow());
}

// The right click that opens the tray menu leaves the windows as they are:
// the menu's "Show/Hide main window" acts on the state the user saw. A left
// click shows a hidden gadget and hides a shown one; any other activation
// brings the windows up.
void NavigationController::onTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    NavigationWindow* window = navigationWindow();
    if (reason == QSystemTrayIcon::Context)
        return;
    if (reason == QSystemTrayIcon::Trigger && window && window->isVisible())
        window->hide();
    else
        NavigationMenus::raiseWindows(window);
}

void NavigationController::onTrayLaunchAtStartup()
{
    Application::setRunAtStartup(!Application::runAtStartup());
}

void NavigationController::onTrayCheckForUpdate()
{
    if (seams().updaterStarter)
        seams().updaterStarter({});
    else
        Utilities::GeneralUtilities::startUpdater({});
}

// --- User settings ------------------------------------------------------------

void NavigationController::loadGuiSettings(const Devices::GuiProperties& current,
                                           const Devices::GuiProperties& previous)
{
    m_settings->loadGuiSettings(current, previous);
}

void NavigationController::loadUserSettings(const Devices::UserDeviceSettings& settings)
{
    m_settings->loadUserSettings(settings);
}

void NavigationController::fillUserSettings(Devices::UserDeviceSettings& settings) const
{
    m_settings->fillUserSettings(settings);
}

void NavigationController::settingsChanged(const Devices::GuiProperties& previous)
{
    loadGuiSettings(Settings::guiProperties(), previous);
    for (BaseController* controller : std::as_const(m_controllers))
        controller->settingsChanged(previous);
    saveUserConfiguration();
}

void NavigationController::scheduleSaveUserConfiguration()
{
    if (!Settings::isProjectSwitching())
        m_saveTimer->start();
}

void NavigationController::saveUserConfiguration()
{
    m_saveTimer->stop();
    // Mid-switch the controllers hold the closing project, or nothing yet.
    if (Settings::isProjectSwitching())
        return;
    Devices::UserDeviceSettings& settings = Settings::userSettings();
    settings.clear();
    fillUserSettings(settings);
    if (NavigationWindow* window = navigationWindow()) {
        Settings::guiProperties().setPosition(m_settings->windowPosition());
        Settings::guiProperties().setAlwaysOnTop(WidgetUtilities::isWidgetOnTop(window));
    }
    Settings::saveUserConfiguration();
}

// --- Quitting and switching projects -------------------------------------------

void NavigationController::aboutToQuit()
{
    for (BaseController* controller : std::as_const(m_controllers))
        controller->aboutToQuit();
}

void NavigationController::closeConfiguration()
{
    for (BaseController* controller : std::as_const(m_controllers))
        controller->closeConfiguration();
}

void NavigationController::onTrayQuit()
{
    onQuit();
}

void NavigationController::onQuit()
{
    if (m_quitting)
        return;
    m_quitting = true;
    // The end of the event loop closes every window: the favourites open
    // now stay in the settings for the next start.
    Application::setShuttingDown();
    saveUserConfiguration();
    aboutToQuit();
    waitForDriversReadyToClose(&NavigationController::onDriversReadyToClose);
}

void NavigationController::waitForDriversReadyToClose(void (NavigationController::*completion)())
{
    const DriverMap map = drivers();
    QList<PravikDriver::OpenDriver*> distinct;
    for (PravikDriver::OpenDriver* driver : map)
        if (!distinct.contains(driver))
            distinct.append(driver);
    // A quit takes over a running switch wait, so that it always ends the
    // program; a switch joins a running wait, whose end loads the newest
    // project anyway.
    m_closing->waitForDrivers(distinct, [this, completion] { (this->*completion)(); }, m_quitting);
}

void NavigationController::onDriversReadyToClose()
{
    QList<BaseSceneWindow*> windows = favoriteWindows();
    if (navigationWindow())
        windows.prepend(navigationWindow());
    m_closing->waitForWindows(windows, [this] { quit(); });
}

void NavigationController::quit()
{
    if (seams().quitApplication)
        seams().quitApplication();
    else
        QCoreApplication::quit();
}

void NavigationController::setTemporaryDevicesConfiguration(const QString& filePath)
{
    if (!filePath.isEmpty() && Settings::readProjectAhead(filePath))
        switchToProjectReadAhead(filePath);
}

void NavigationController::switchToProjectReadAhead(const QString& filePath)
{
    Settings::guiProperties().setTempConfigFileName(filePath);
    reloadDevicesConfiguration();
}

void NavigationController::reloadDevicesConfiguration()
{
    if (m_quitting)
        return;
    if (CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr)
        if (carousel->isCarouselVisible())
            carousel->hideCarousel();
    // A save still waiting (a favourite just moved) is written now, for the
    // project it belongs to. Then nothing is written until the new
    // project's settings are loaded: the store holds no project meanwhile,
    // and the closing favourites would write the old project's settings
    // under another identity.
    if (m_saveTimer->isActive())
        saveUserConfiguration();
    Settings::setProjectSwitching(true);
    Settings::setNoConfigurationModeOn();
    closeConfiguration();
    Settings::setNoConfigurationModeOff();
    waitForDriversReadyToClose(&NavigationController::onPreviousConfigurationClosed);
}

void NavigationController::onPreviousConfigurationClosed()
{
    loadConfiguration(Settings::devicesConfiguration());
    discover();
    loadUserSettings(Settings::userSettings());
    Settings::setProjectSwitching(false);
    settingsLoaded();
    goHome();
    // What changed with the switch (the project chosen in the settings
    // dialog among it) could not be written while it ran.
    saveUserConfiguration();
}

} // namespace Corvane::Sentrel::Controllers

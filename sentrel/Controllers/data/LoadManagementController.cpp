#include "LoadManagementController.h"

#include "Controllers/base/CommandRing.h"
#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "Controllers/base/CarouselController.h"
#include "simulation/Clock.h"

#include "controls/IconRenderer.h"
#include "devices/Configuration.h"
#include "devices/DeviceEnums.h"
#include "devices/LoadDevice.h"
#include "devices/LoadDeviceProperties.h"
#include "devices/StringConsts.h"
#include "energy/LoadManagementDataControl.h"
#include "favorite/FavoriteControl.h"
#include "frame/SvgWindowFrame.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/LoadManagementMessage.h"
#include "controls/SvgContentButton.h"
#include "text/TextLabel.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::LoadDevice;
using Gadgets::CommandControl;
using Gadgets::LoadManagementDataControl;
using Gadgets::SvgControlObject;
using Gadgets::SvgWindowFrame;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using PravikDriver::UserMessages::LoadManagementMessage;

const QString LoadManagementController::CONTROLLED_BUTTON_ID = QStringLiteral("CONTROLLED");
const QString LoadManagementController::UNCONTROLLED_BUTTON_ID = QStringLiteral("UNCONTROLLED");
const QString LoadManagementController::ON_BUTTON_ID = QStringLiteral("ON");
const QString LoadManagementController::INFO_BUTTON_ID = QStringLiteral("INFO");
const QString LoadManagementController::LOAD_MANAGEMENT_DATA_CONTROL_ID = QStringLiteral("load");

namespace {

const int LOAD_FAMILY = 11;
const int LOAD_WITH_INFO = 18002;
const int INSTANT_ENERGY_TYPE = 1;
const int UPDATE_PERIOD_START = 255;
const int UPDATE_PERIOD_STOP = 0;
const int USER_PRIORITY = 1;
const int QUIET_PRIORITY = 0;
const double WATTS_PER_KILOWATT = 1000.0;

// Message types of load answers.
const int AUTO_UPDATE_STATE = 1;
const int INSTANT_POWER = 2;
const int LOAD_STATUS = 9;
const int LOAD_COUNTER = 10;
// Load status fields.
const int FIELD_SET = 1;
const int FIELD_CLEAR = 2;

NavigationIcon buttonIcon(const QString& renderer, NavigationIcon::State state = NavigationIcon::Normal)
{
    NavigationIcon icon(Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(renderer), {}), QString(), 0);
    icon.setState(state);
    return icon;
}

NavigationIcon controlledIcon(const LoadDevice* load)
{
    if (!load->isEnabled())
        return buttonIcon(ThemeProvider::LOAD_CONTROLLED, NavigationIcon::Disabled);
    return buttonIcon(ThemeProvider::LOAD_CONTROLLED, load->isForced() ? NavigationIcon::Active : NavigationIcon::Normal);
}

NavigationIcon uncontrolledIcon(const LoadDevice* load)
{
    if (!load->isEnabled())
        return buttonIcon(ThemeProvider::LOAD_UNCONTROLLED, NavigationIcon::Disabled);
    return buttonIcon(ThemeProvider::LOAD_UNCONTROLLED,
                      load->isForced() ? NavigationIcon::Normal : NavigationIcon::Active);
}

NavigationIcon onIcon(const LoadDevice* load)
{
    return buttonIcon(ThemeProvider::ON, load->isEnabled() ? NavigationIcon::Disabled : NavigationIcon::Normal);
}

LoadManagementDataControl* mainControlOf(const SvgControlObject* frame)
{
    const auto* windowFrame = qobject_cast<const SvgWindowFrame*>(frame);
    return windowFrame ? qobject_cast<LoadManagementDataControl*>(windowFrame->mainControl()) : nullptr;
}

int deviceIdOfMainControl(const BaseDataControlsController::DataControlMap& frames, const SvgControlObject* control)
{
    for (auto it = frames.cbegin(); it != frames.cend(); ++it)
        if (control && mainControlOf(it.value()) == control)
            return it.key();
    return -1;
}

// A counter the gateway reported: it always gives the counter's start.
bool isCounterKnown(const LoadDevice::CounterData& counter)
{
    return counter.since.isValid();
}

void requestCounters(PravikDriver::OpenDriver* driver, const QString& address)
{
    driver->requestLoadCounter(address, 1);
    driver->requestLoadCounter(address, 2);
}

// A field of a load status: set, clear, or not given (the flag stays).
void applyField(int field, bool& flag)
{
    if (field == FIELD_SET)
        flag = true;
    else if (field == FIELD_CLEAR)
        flag = false;
}

} // namespace

LoadManagementController::LoadManagementController(NavigationWindow* window)
    : BaseDataControlsController(window)
    , m_ring(navigationControl(), [this](CommandControl* ring) {
        connect(ring, &CommandControl::elementClick, this, &LoadManagementController::onCommandElementClick);
    })
{
}

LoadManagementController::~LoadManagementController() = default;

int LoadManagementController::controlledPageId() const
{
    return LOAD_MANAGEMENT_PAGE_ID;
}

Devices::ConfigPage::PageType LoadManagementController::controlledPageType() const
{
    return Devices::ConfigPage::PageType(18000);
}

PravikDriver::Address::DeviceType LoadManagementController::defaultDeviceType() const
{
    return PravikDriver::Address::Load;
}

QString LoadManagementController::elementsSuffix() const
{
    return ThemeProvider::LOAD_MANAGEMENT;
}

LoadDevice* LoadManagementController::load(int deviceId) const
{
    return static_cast<LoadDevice*>(getDeviceById(deviceId));
}

int LoadManagementController::loadDevices(const Devices::Configuration* configuration)
{
    // The windows read the devices, and hiding the carousel calls back into
    // this controller: they go before the devices.
    clearControls();
    clearDevices();
    m_autoUpdateStarted.clear();
    m_commandDevice = 0;
    m_configurationClosed = false;
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* loadProperties = dynamic_cast<const Devices::LoadDeviceProperties*>(properties);
            if (!loadProperties || properties->familyCode() != LOAD_FAMILY)
                continue;
            auto* device = new LoadDevice(*loadProperties, configuration->getServerForDevice(properties->id()));
            device->setStatusKnown(false);
            m_devices.append(device);
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

SvgControlObject* LoadManagementController::createDataControl(BaseDevice* device)
{
    SvgWindowFrame* frame = createDataFrame(static_cast<const LoadDevice*>(device));
    connect(frame, &SvgWindowFrame::resizeRequested, this, &BaseDataControlsController::onCarouselControlResizeRequest);
    if (navigationWindow() && navigationWindow()->carouselController())
        connect(frame, &SvgWindowFrame::closeClicked, navigationWindow()->carouselController(),
                &CarouselController::hideCarousel);
    if (navigationControl() && navigationControl()->isInFullScreenMode())
        frame->setIsResizeHandleVisible(false);
    return frame;
}

SvgWindowFrame* LoadManagementController::createDataFrame(const LoadDevice* load)
{
    auto* control = new LoadManagementDataControl(ThemeProvider::getRendererFor(ThemeProvider::LOAD_MANAGEMENT_VIEW));
    control->setSupportsInfo(load->deviceType() == LOAD_WITH_INFO);
    control->setControlId(LOAD_MANAGEMENT_DATA_CONTROL_ID);
    auto* frame = new SvgWindowFrame(control, ThemeProvider::getRendererFor(ThemeProvider::WINDOW_FRAME), nullptr);
    frame->title()->setControlId(control->titleControlId());
    frame->setIsMoveEnabled(false);
    frame->setIsResizeEnabled(false);
    frame->setResizeOrigin(SvgWindowFrame::LeftCenter);
    connect(control, &LoadManagementDataControl::titleTextChanged, frame, &SvgWindowFrame::setTitleText);
    connect(control, &LoadManagementDataControl::refreshClicked, this, &LoadManagementController::onRefreshClicked);
    connect(control, &LoadManagementDataControl::resetCounter1Clicked, this,
            &LoadManagementController::onResetCounter1Clicked);
    connect(control, &LoadManagementDataControl::resetCounter2Clicked, this,
            &LoadManagementController::onResetCounter2Clicked);
    connect(control, &LoadManagementDataControl::cycleClicked, this, &LoadManagementController::onCycleClicked);
    fillDataControl(control, load);
    return frame;
}

void LoadManagementController::updateNavigationIcons()
{
    m_icons.clear();
    for (const BaseDevice* device : std::as_const(m_devices)) {
        NavigationIcon icon(Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(ThemeProvider::LOAD_OK), {}),
                            device->name(), device->id());
        icon.setState(NavigationIcon::Uninitialized);
        icon.setWillExpand(true);
        m_icons.append(icon);
    }
}

void LoadManagementController::updateDeviceStatus(BaseDevice* device)
{
    BaseDataControlsController::updateDeviceStatus(device);
    device->setStatusKnown(false);
    updateUIforDevice(device);
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->requestLoadStatus(getAddressText(device->address()));
}

void LoadManagementController::updateUIforDevice(BaseDevice* device)
{
    auto* load = static_cast<LoadDevice*>(device);
    const int id = device->id();
    if (load->isStatusKnown()) {
        setIcon(id, ThemeProvider::getRendererFor(load->isEnabled() ? ThemeProvider::LOAD_OK
                                                                    : ThemeProvider::LOAD_UNPLUGGED));
        setIconState(id, NavigationIcon::Normal);
        updateUIButtonsForDevice(load);
    } else {
        setIcon(id, ThemeProvider::getRendererFor(ThemeProvider::LOAD_OK));
        setIconState(id, NavigationIcon::Uninitialized);
    }
    updateDataControlForDevice(load);
}

void LoadManagementController::updateUIButtonsForDevice(const LoadDevice* load)
{
    const QList<QPair<QString, NavigationIcon>> icons{
        {CONTROLLED_BUTTON_ID, controlledIcon(load)},
        {UNCONTROLLED_BUTTON_ID, uncontrolledIcon(load)},
        {ON_BUTTON_ID, onIcon(load)},
    };
    QList<Gadgets::FavoriteControl*> favourites;
    for (FavoriteWindow* window : favorites())
        if (window->deviceId() == load->id())
            favourites.append(window->favoriteControl());
    const bool ringOpen = m_commandDevice == load->id() && navigationControl()
        && m_ring.isBuilt() && navigationControl()->commandControl1() == m_ring.control();
    QList<CommandControl*> rings;
    if (ringOpen)
        rings.append(m_ring.control());
    for (const auto& [buttonId, icon] : icons)
        updateButtonIcon(buttonId, rings, favourites, icon);
}

QList<CommandControl::ButtonData> LoadManagementController::getDeviceButtons(const LoadDevice* load) const
{
    QList<CommandControl::ButtonData> buttons;
    if (load->loadProperties().hasCentralUnit()) {
        buttons.append(CommandControl::ButtonData(controlledIcon(load), CONTROLLED_BUTTON_ID));
        buttons.append(CommandControl::ButtonData(uncontrolledIcon(load), UNCONTROLLED_BUTTON_ID));
        buttons.append(CommandControl::ButtonData(onIcon(load), ON_BUTTON_ID));
    }
    buttons.append(CommandControl::ButtonData(buttonIcon(ThemeProvider::LOAD_INFO), INFO_BUTTON_ID));
    return buttons;
}

void LoadManagementController::handleButtonClick(const QString& buttonId, int deviceId)
{
    const LoadDevice* device = load(deviceId);
    PravikDriver::OpenDriver* driver = device ? getDriver(device->serverId()) : nullptr;
    if (!driver)
        return;
    const QString address = getAddressText(device->address());
    if (buttonId == CONTROLLED_BUTTON_ID) {
        if (!device->isForced())
            driver->forceLoadActuator(address, true);
    } else if (buttonId == UNCONTROLLED_BUTTON_ID) {
        if (device->isForced())
            driver->forceLoadActuator(address, false);
    } else if (buttonId == ON_BUTTON_ID) {
        driver->forceLoadActuator(address, true);
    }
}

void LoadManagementController::executeCommand(LoadManagementDataControl* control, DeviceCommand command)
{
    const LoadDevice* device = control ? load(getDeviceIdFromDataControl(control)) : nullptr;
    if (!device)
        return;
    if (command == Cycle) {
        if (device->loadProperties().isEconomicEvaluationEnabled()) {
            control->setShowEconomicEvaluation(!control->showEconomicEvaluation());
            updateDataControlForDevice(device);
        }
        return;
    }
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    if (!driver)
        return;
    const QString address = getAddressText(device->address());
    switch (command) {
    case Refresh:
        requestCounters(driver, address);
        break;
    case ResetCounter1:
        driver->resetLoadCounter(address, 1);
        break;
    case ResetCounter2:
        driver->resetLoadCounter(address, 2);
        break;
    case Cycle:
        break;
    }
}

void LoadManagementController::sendToSender(DeviceCommand command)
{
    executeCommand(qobject_cast<LoadManagementDataControl*>(sender()), command);
}

void LoadManagementController::onRefreshClicked()
{
    sendToSender(Refresh);
}

void LoadManagementController::onResetCounter1Clicked()
{
    sendToSender(ResetCounter1);
}

void LoadManagementController::onResetCounter2Clicked()
{
    sendToSender(ResetCounter2);
}

void LoadManagementController::onCycleClicked()
{
    sendToSender(Cycle);
}

double LoadManagementController::convertedValue(double watts, bool showEconomic, double tariff)
{
    return watts / WATTS_PER_KILOWATT * (showEconomic ? tariff : 1.0);
}

void LoadManagementController::updateDataControlForDevice(const LoadDevice* load)
{
    for (SvgControlObject* control : controls(load->id()))
        fillDataControl(static_cast<LoadManagementDataControl*>(control), load);
}

void LoadManagementController::fillDataControl(LoadManagementDataControl* control, const LoadDevice* load) const
{
    const Devices::LoadDeviceProperties& properties = load->loadProperties();
    control->setTitle(load->name());
    control->setIsEconomicEvaluationEnabled(properties.isEconomicEvaluationEnabled());
    const bool show = control->showEconomicEvaluation();
    const QString currency = Devices::StringConsts::getCurrencyString(properties.currency());
    // Power is shown per hour, the counters' energy as it is.
    const QString powerUnit = show ? Devices::StringConsts::getCurrencyRateString(properties.currency())
                                   : Devices::StringConsts::getInstantUnitString(Devices::DeviceEnums::KiloWattHour);
    const QString energyUnit = show ? currency : QStringLiteral("kWh");
    control->setInstantData(convertedValue(load->currentData(), show, properties.tariff()), powerUnit);
    const QList<QPair<LoadManagementDataControl::Counter, LoadDevice::CounterData>> counters{
        {LoadManagementDataControl::FirstCounter, load->counter1Data()},
        {LoadManagementDataControl::SecondCounter, load->counter2Data()},
    };
    // A counter the gateway has not reported shows as unknown, not as 0.
    for (const auto& [counter, data] : counters) {
        if (isCounterKnown(data))
            control->setCounterData(counter, data.since, convertedValue(double(data.wattHours), show, properties.tariff()),
                                    energyUnit);
        else
            control->clearCounterData(counter);
    }
    control->setUpdateTime(load->lastUpdate());
}

void LoadManagementController::requestUnknownCounters(const LoadDevice* load)
{
    if (load->supportsInfo() && (!isCounterKnown(load->counter1Data()) || !isCounterKnown(load->counter2Data())))
        if (PravikDriver::OpenDriver* driver = getDriver(load->serverId()))
            requestCounters(driver, getAddressText(load->address()));
}

void LoadManagementController::showCarousel()
{
    BaseDataControlsController::showCarousel();
    for (const BaseDevice* device : std::as_const(m_devices))
        requestUnknownCounters(static_cast<const LoadDevice*>(device));
}

void LoadManagementController::retitleDevice(int deviceId, const QString& name)
{
    for (SvgControlObject* control : controls(deviceId))
        static_cast<LoadManagementDataControl*>(control)->setTitle(name);
}

bool LoadManagementController::handleNavigationIconClicked(const NavigationIcon& icon, int segmentIndex,
                                                           bool generated)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation)
        return false;
    if (navigation->currentPageId() == 0)
        return icon.id() == LOAD_MANAGEMENT_PAGE_ID && openPage();
    const int index = indexOfIcon(icon.id());
    if (navigation->currentPageId() != LOAD_MANAGEMENT_PAGE_ID || index < 0)
        return false;
    if (icon.id() == m_commandDevice && navigation->commandControl1()) {
        navigation->clearCommandControls();
        navigation->showLabels();
        m_commandDevice = 0;
        updateSliders(-1);
    } else if (const LoadDevice* device = load(icon.id())) {
        CommandRing::fillBesideIcon(m_ring.control(), *navigation, segmentIndex, getDeviceButtons(device));
        navigation->setSelectedIcon(icon, false);
        m_commandDevice = icon.id();
        updateSliders(segmentIndex);
        if (!generated)
            navigation->setCommandControl1(m_ring.control(), segmentIndex);
    }
    if (CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr)
        carousel->setCarouselCurrentIndex(index);
    navigation->setSelectedIcon(icon, false);
    return true;
}

bool LoadManagementController::openPage()
{
    Gadgets::NavigationControl* navigation = navigationControl();
    m_pageShown = true;
    navigation->setIcons(m_icons, false);
    navigation->setCentralContent(ThemeProvider::getRendererFor(ThemeProvider::LOAD_MANAGEMENT_SYSTEM), QString());
    navigation->setCurrentPageId(LOAD_MANAGEMENT_PAGE_ID);
    smartAutoUpdate(USER_PRIORITY);
    if (Gadgets::NavigationLabels* labels = navigation->labels()) {
        labels->setLabelsRefreshButtonsVisible(true);
        labels->setCanEditLabels(true);
    }
    if (navigationWindow() && navigationWindow()->navigationContainer())
        navigationWindow()->navigationContainer()->setElementsSuffix(ThemeProvider::LOAD_MANAGEMENT);
    m_commandDevice = 0;
    return true;
}

void LoadManagementController::onCommandElementClick(Gadgets::SvgElement* element)
{
    const QString buttonId = m_ring.control()->getButtonId(element);
    handleButtonClick(buttonId, m_commandDevice);
    if (buttonId != INFO_BUTTON_ID)
        return;
    if (navigationControl())
        navigationControl()->closeCommandControl1();
    showCarousel();
    const int index = indexOfIcon(m_commandDevice);
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (index >= 0 && carousel)
        carousel->setCarouselCurrentIndex(index);
}

void LoadManagementController::handleCurrentIconChanged(const NavigationIcon& icon)
{
    const LoadDevice* device = load(icon.id());
    Gadgets::NavigationControl* navigation = navigationControl();
    const int segment = navigation ? navigation->selectedSegmentIndex() : -1;
    if (!device || segment < 0)
        return;
    CommandRing::fillBesideIcon(m_ring.control(), *navigation, segment, getDeviceButtons(device));
    m_commandDevice = icon.id();
    updateSliders(segment);
}

void LoadManagementController::handleCarouselIndexChanged(int index)
{
    BaseDataControlsController::handleCarouselIndexChanged(index);
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (carousel && !carousel->moving() && index >= 0 && index < m_icons.size())
        handleCurrentIconChanged(m_icons.at(index));
}

void LoadManagementController::handleCarouselMovementEnded()
{
    BaseDataControlsController::handleCarouselMovementEnded();
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    const int index = carousel ? carousel->currentIndex() : -1;
    if (index >= 0 && index < m_icons.size())
        handleCurrentIconChanged(m_icons.at(index));
}

void LoadManagementController::initializeFavorite(FavoriteWindow* window)
{
    BaseDataControlsController::initializeFavorite(window);
    const int deviceId = window->deviceId();
    const LoadDevice* device = load(deviceId);
    if (!device)
        return;
    if (!favoriteDataControls().contains(deviceId)) {
        SvgWindowFrame* frame = createDataFrame(device);
        connect(frame, &SvgWindowFrame::closeClicked, this, &BaseDataControlsController::hideFavoriteDataControl);
        window->addRootControl(frame);
        frame->setVisible(false);
        favoriteDataControls().insert(deviceId, frame);
    }
    smartAutoUpdate(device, USER_PRIORITY);
}

void LoadManagementController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    Gadgets::FavoriteControl* favorite = window->favoriteControl();
    const int deviceId = window->deviceId();
    const LoadDevice* device = load(deviceId);
    if (device && element) {
        if (element != static_cast<Gadgets::SvgElement*>(favorite->centerButton())) {
            const QString buttonId = favorite->getButtonId(element);
            handleButtonClick(buttonId, deviceId);
            if (buttonId == INFO_BUTTON_ID)
                showFavoriteDataWindow(window, device);
        } else if (favorite->control1ExpandProgress() > 0) {
            favorite->hideCommandControls();
        } else {
            favorite->setCommand1Buttons(getDeviceButtons(device));
            favorite->showCommandControl1();
        }
    }
    BaseDataControlsController::handleFavoriteElementClick(window, element);
}

void LoadManagementController::showFavoriteDataWindow(FavoriteWindow* window, const LoadDevice* device)
{
    m_infoFavorite = device->id();
    requestUnknownCounters(device);
    updateDataControlForDevice(device);
    SvgControlObject* frame = favoriteDataControls().value(device->id(), nullptr);
    if (frame && !frame->isVisible()) {
        positionDataWindow(window, device->id());
        frame->setVisible(true);
    }
}

void LoadManagementController::handleFavoriteClose(FavoriteWindow* window)
{
    const int deviceId = window->deviceId();
    BaseDataControlsController::handleFavoriteClose(window);
    if (const LoadDevice* device = load(deviceId))
        smartAutoUpdate(device, USER_PRIORITY);
}

Gadgets::Utilities::RendererContainer* LoadManagementController::favoriteIconRenderer() const
{
    return ThemeProvider::getRendererFor(ThemeProvider::LIGHT_SENSOR);
}

bool LoadManagementController::shouldAutoUpdate(const LoadDevice* load) const
{
    // The loads of a project being closed, or of a program that quits, are
    // no longer looked at, whatever the page or the favourites still show.
    if (load->deviceType() != LOAD_WITH_INFO || m_configurationClosed)
        return false;
    const bool pageShows = navigationControl() && navigationControl()->currentPageId() == LOAD_MANAGEMENT_PAGE_ID;
    return pageShows || hasFavoriteFor(load->id());
}

void LoadManagementController::autoUpdate(const LoadDevice* load, bool start, int priority)
{
    if (PravikDriver::OpenDriver* driver = getDriver(load->serverId()))
        driver->requestEnergyStartAutoUpdate(getAddressText(load->address()), INSTANT_ENERGY_TYPE,
                                             start ? UPDATE_PERIOD_START : UPDATE_PERIOD_STOP, priority);
}

bool LoadManagementController::autoUpdateStarted(int deviceId) const
{
    return m_autoUpdateStarted.value(deviceId, false);
}

void LoadManagementController::markAutoUpdateStarted(int deviceId, bool started)
{
    m_autoUpdateStarted.insert(deviceId, started);
}

void LoadManagementController::smartAutoUpdate(const LoadDevice* load, int priority)
{
    const bool want = shouldAutoUpdate(load);
    // The started map follows the gateway's replies, not the requests.
    if (want != autoUpdateStarted(load->id()))
        autoUpdate(load, want, priority);
}

void LoadManagementController::smartAutoUpdate(int priority)
{
    for (const BaseDevice* device : std::as_const(m_devices))
        smartAutoUpdate(static_cast<const LoadDevice*>(device), priority);
}

void LoadManagementController::onConfigurationChanged()
{
    m_configurationClosed = true;
    for (auto it = m_autoUpdateStarted.begin(); it != m_autoUpdateStarted.end(); ++it) {
        if (!it.value())
            continue;
        if (const LoadDevice* device = load(it.key()))
            autoUpdate(device, false, QUIET_PRIORITY);
        it.value() = false;
    }
}

void LoadManagementController::pageChanged()
{
    if (navigationControl() && navigationControl()->currentPageId() != LOAD_MANAGEMENT_PAGE_ID && m_pageShown) {
        m_pageShown = false;
        smartAutoUpdate(USER_PRIORITY);
    }
    BaseDataControlsController::pageChanged();
}

void LoadManagementController::loadManagementMessageReceived(const PravikDriver::OpenDriver* driver,
                                                             const LoadManagementMessage& message,
                                                             const PravikDriver::Message&, bool)
{
    // Answers to requests and messages the gateway pushes alike: both come
    // over the one connection to the gateway.
    if (!message.isValid())
        return;
    for (int index : getDeviceIndicesByAddress(message.address(), driver, false)) {
        auto* device = static_cast<LoadDevice*>(m_devices.at(index));
        applyMessage(device, message);
        device->setStatusKnown(true);
        updateUIforDevice(device);
    }
}

void LoadManagementController::applyMessage(LoadDevice* load, const LoadManagementMessage& message)
{
    switch (message.type()) {
    case LOAD_STATUS: {
        bool forced = load->isForced();
        applyField(message.forceField(), forced);
        load->setForce(forced);
        bool enabled = load->isEnabled();
        applyField(message.enableField(), enabled);
        load->setEnable(enabled);
        break;
    }
    case INSTANT_POWER:
        load->setCurrentData(message.values().value(0));
        break;
    case LOAD_COUNTER: {
        const LoadDevice::CounterData counter{
            QDateTime(QDate(message.year(), message.month(), message.day()), QTime(message.hour(), message.minute())),
            message.values().value(0)};
        if (message.counterNumber() == 1)
            load->setCounter1Data(counter);
        else
            load->setCounter2Data(counter);
        load->setLastUpdate(Clock::program()->now());
        break;
    }
    case AUTO_UPDATE_STATE:
        if (message.period() == UPDATE_PERIOD_START) {
            markAutoUpdateStarted(load->id(), true);
        } else if (message.period() == UPDATE_PERIOD_STOP) {
            // Stopped while still wanted: started again at once.
            const bool restart = shouldAutoUpdate(load);
            if (restart)
                autoUpdate(load, true, USER_PRIORITY);
            markAutoUpdateStarted(load->id(), restart);
        }
        break;
    default:
        break;
    }
}

void LoadManagementController::settingsLoaded()
{
    BaseDataControlsController::settingsLoaded();
    for (const BaseDevice* device : std::as_const(m_devices))
        retitleDevice(device->id(), device->name());
}

void LoadManagementController::retranslateUi()
{
    BaseDataControlsController::retranslateUi();
    for (const BaseDevice* device : std::as_const(m_devices))
        updateDataControlForDevice(static_cast<const LoadDevice*>(device));
}

void LoadManagementController::updateControlsCache()
{
    BaseDataControlsController::updateControlsCache();
    // Shown, the ring is refreshed with the carousel it sits on; one not
    // built yet will be built with the new theme.
    if (m_ring.isBuilt() && !m_ring.control()->scene())
        m_ring.control()->updateCachedData();
}

void LoadManagementController::aboutToQuit()
{
    BaseDataControlsController::aboutToQuit();
    onConfigurationChanged();
}

void LoadManagementController::closeConfiguration()
{
    onConfigurationChanged();
    BaseDataControlsController::closeConfiguration();
}

void LoadManagementController::handleTextChanged(int deviceId, int subDeviceId, const QString& text,
                                                 bool& canChange)
{
    BaseDataControlsController::handleTextChanged(deviceId, subDeviceId, text, canChange);
    if (canChange && load(deviceId))
        retitleDevice(deviceId, text);
}

void LoadManagementController::onFullScreen()
{
    const bool fullScreen = navigationControl() && navigationControl()->isInFullScreenMode();
    for (SvgControlObject* frame : std::as_const(dataControls()))
        static_cast<SvgWindowFrame*>(frame)->setIsResizeHandleVisible(!fullScreen);
}

SvgControlObject* LoadManagementController::favoriteDataControl(int deviceId) const
{
    return mainControlOf(favoriteDataControls().value(deviceId, nullptr));
}

SvgControlObject* LoadManagementController::dataControl(int deviceId) const
{
    return mainControlOf(dataControls().value(deviceId, nullptr));
}

int LoadManagementController::getDeviceIdFromDataControl(const SvgControlObject* control) const
{
    const int id = deviceIdOfMainControl(dataControls(), control);
    return id >= 0 ? id : deviceIdOfMainControl(favoriteDataControls(), control);
}

} // namespace Corvane::Sentrel::Controllers

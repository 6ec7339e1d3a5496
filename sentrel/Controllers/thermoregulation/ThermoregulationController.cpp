#include "ThermoregulationController.h"

#include "Controllers/base/CommandRing.h"
#include "FavoriteWindow.h"
#include "NavigationWindow.h"
#include "ThermoregulationCommandIcons.h"
#include "ThermoregulationCommands.h"
#include "ThermoregulationDeviceIcons.h"
#include "ThermoregulationFavorites.h"
#include "ThermoregulationGatewayMessages.h"
#include "ThermoregulationStateReader.h"
#include "ThermoregulationStatusRequests.h"
#include "ThermoregulationStatusTimers.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgElement.h"
#include "devices/Configuration.h"
#include "devices/DeviceAddress.h"
#include "devices/GuiProperties.h"
#include "devices/ThermoregulationDevice.h"
#include "devices/ThermoregulationDeviceProperties.h"
#include "devices/UserDeviceSettings.h"
#include "favorite/FavoriteControl.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/Message.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/TemperatureMessage.h"
#include "theme/ThemeProvider.h"
#include "utilities/MathTools.h"

#include <QKeyEvent>

#include <cmath>

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Gadgets::CommandControl;
using Gadgets::FavoriteControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using PravikDriver::Address;
using PravikDriver::UserMessages::TemperatureMessage;

namespace {

const int THERMOREGULATION_FAMILY = 6;
const int ZONE_99 = 8003;
const int ZONE_4 = 8004;
const int BASIC_AIR_CONDITIONER = 4001;
const int ADVANCED_AIR_CONDITIONER = 4003;

} // namespace

ThermoregulationController::ThermoregulationController(NavigationWindow* window)
    : BaseController(window)
    , m_timers(new ThermoregulationStatusTimers(this))
    , m_favorites(std::make_unique<ThermoregulationFavorites>(*this))
    , m_ring1(navigationControl(), ThemeProvider::COMMAND_CONTROL, CommandRing::FirstLevel,
              [this](CommandControl* ring) {
                  connect(ring, &CommandControl::elementClick, this,
                          &ThermoregulationController::onCommand1ElementClick);
              })
    , m_ring2(navigationControl(), ThemeProvider::COMMAND_CONTROL_2, CommandRing::SecondLevel,
              [this](CommandControl* ring) {
                  connect(ring, &CommandControl::elementClick, this,
                          &ThermoregulationController::onCommand2ElementClick);
              })
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (navigation && navigation->labels())
        connect(navigation->labels(), &Gadgets::NavigationLabels::sliderValueChanged, this,
                &ThermoregulationController::onSliderValueChanged);
    connect(m_timers, &ThermoregulationStatusTimers::due, this, &ThermoregulationController::onUpdateStatusTimerTick);
}

ThermoregulationController::~ThermoregulationController()
{
    m_timers->clear();
}

int ThermoregulationController::controlledPageId() const
{
    return TERMO_PAGE_ID;
}

Devices::ConfigPage::PageType ThermoregulationController::controlledPageType() const
{
    return Devices::ConfigPage::Thermoregulation;
}

QString ThermoregulationController::elementsSuffix() const
{
    return ThemeProvider::THERMOREGULATION;
}

PravikDriver::Address::DeviceType ThermoregulationController::defaultDeviceType() const
{
    return Address::TemperatureProbe;
}

Gadgets::Utilities::RendererContainer* ThermoregulationController::favoriteIconRenderer() const
{
    return ThemeProvider::getRendererFor(ThemeProvider::THERMOREGULATOR);
}

// --- Devices, icons and units ---------------------------------------------

int ThermoregulationController::loadDevices(const Devices::Configuration* configuration)
{
    clearDevices();
    clearUpdateTimers();
    m_openDeviceId = 0;
    m_openCommand.clear();
    m_commandIcons.clear();
    m_favorites->clearOpenCommands();
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* thermo = dynamic_cast<const Devices::ThermoregulationDeviceProperties*>(properties);
            if (thermo && properties->familyCode() == THERMOREGULATION_FAMILY)
                m_devices.append(new Device(*thermo, configuration->getServerForDevice(properties->id())));
        }
    }
    rebuildIcons();
    return int(m_devices.size());
}

void ThermoregulationController::rebuildIcons()
{
    m_icons.clear();
    for (const Device* device : thermoregulationDevices())
        m_icons.append(ThermoregulationDeviceIcons::initialIcon(device));
}

ThermoregulationController::Device* ThermoregulationController::thermoDevice(int deviceId) const
{
    return static_cast<Device*>(getDeviceById(deviceId));
}

void ThermoregulationController::updateUIforDevice(BaseDevice* base)
{
    const auto* device = static_cast<const Device*>(base);
    ThermoregulationDeviceIcons icons(*this);
    icons.drawState(device);
    if (device->isStatusKnown())
        updateUIButtonsForDevice(device);
    icons.drawSlider(device);
}

void ThermoregulationController::settingsChanged(const Devices::GuiProperties&)
{
    if (isCurrentPage())
        setCentralContent();
    for (BaseDevice* device : std::as_const(m_devices))
        updateUIforDevice(device);
}

void ThermoregulationController::setCentralContent()
{
    navigationControl()->setCentralContent(
        ThemeProvider::getRendererFor(isFahrenheit() ? ThemeProvider::FAHRENHEIT : ThemeProvider::CELSIUS), QString());
}

void ThermoregulationController::closeConfiguration()
{
    // The base closes the windows without telling each close apart.
    for (FavoriteWindow* window : favorites())
        unregisterFavoriteControl(window->favoriteControl());
    BaseController::closeConfiguration();
    m_openDeviceId = 0;
}

void ThermoregulationController::updateControlsCache()
{
    BaseController::updateControlsCache();
    // Shown, a ring is refreshed with the carousel it sits on; one not built
    // yet will be built with the new theme.
    for (const CommandRing* ring : {&m_ring1, &m_ring2}) {
        if (ring->isBuilt() && !ring->control()->scene())
            ring->control()->updateCachedData();
    }
}

// --- Page, rings and commands ---------------------------------------------

bool ThermoregulationController::openPage()
{
    // Closed first: the favourite marks read the icons' ids as devices.
    m_openDeviceId = 0;
    m_openCommand.clear();
    m_commandIcons.clear();
    Gadgets::NavigationControl* navigation = navigationControl();
    navigation->setIcons(updateIconsWithFavorites(m_icons), false);
    setCentralContent();
    navigation->setCurrentPageId(TERMO_PAGE_ID);
    if (Gadgets::NavigationLabels* labels = navigation->labels()) {
        labels->setLabelsRefreshButtonsVisible(true);
        labels->setCanEditLabels(true);
    }
    if (navigationWindow() && navigationWindow()->navigationContainer())
        navigationWindow()->navigationContainer()->setElementsSuffix(ThemeProvider::THERMOREGULATION);
    updateSliders(-1);
    return true;
}

ThermoregulationController::Device* ThermoregulationController::openBasicAirConditioner() const
{
    Device* device = thermoDevice(m_openDeviceId);
    return device && device->deviceType() == BASIC_AIR_CONDITIONER ? device : nullptr;
}

bool ThermoregulationController::handleNavigationIconClicked(const NavigationIcon& icon, int segmentIndex, bool)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation)
        return false;
    if (navigation->currentPageId() == 0)
        return icon.id() == TERMO_PAGE_ID && openPage();
    if (navigation->currentPageId() != TERMO_PAGE_ID)
        return false;
    // While a basic air conditioner's commands are shown, every icon is one
    // of its commands, whatever device id the command's id may equal.
    if (openBasicAirConditioner() && !m_commandIcons.isEmpty())
        return handleBasicCommandClick(icon, segmentIndex);
    if (indexOfIcon(icon.id()) >= 0) {
        if (icon.id() == m_openDeviceId && navigation->commandControl1()) {
            clearCommandControls();
            return true;
        }
        return handleDeviceClick(icon, segmentIndex);
    }
    return m_openDeviceId != 0 && handleBasicCommandClick(icon, segmentIndex);
}

bool ThermoregulationController::handleDeviceClick(const NavigationIcon& icon, int segmentIndex)
{
    Device* device = thermoDevice(icon.id());
    if (!device)
        return false;
    if (device->deviceType() == BASIC_AIR_CONDITIONER) {
        m_openDeviceId = device->id();
        showBasicAirConditionerCommands(device);
        return true;
    }
    const ButtonList buttons = Buttons::getDeviceButtons(device);
    if (!device->isStatusKnown() || buttons.isEmpty()) {
        clearCommandControls();
        return true;
    }
    Gadgets::NavigationControl* navigation = navigationControl();
    m_openDeviceId = device->id();
    CommandRing::fillBesideIcon(m_ring1.control(), *navigation, segmentIndex, buttons);
    navigation->closeCommandControl2();
    m_openCommand.clear();
    navigation->setCommandControl1(m_ring1.control(), segmentIndex);
    navigation->setSelectedIcon(icon, false);
    updateSliders(segmentIndex);
    return true;
}

bool ThermoregulationController::handleBasicCommandClick(const NavigationIcon& icon, int segmentIndex)
{
    if (!openBasicAirConditioner())
        return false;
    Gadgets::NavigationControl* navigation = navigationControl();
    const QString key = QString::number(icon.id());
    // The carousel closes the ring by itself too (a turn, a step, a drag):
    // the command counts as open only while its ring is.
    if (m_openCommand == key && navigation->commandControl1Segment() >= 0) {
        navigation->closeCommandControl1();
        m_openCommand.clear();
        return true;
    }
    navigation->setSelectedIcon(icon, false);
    CommandRing::fillBesideIcon(m_ring1.control(), *navigation, segmentIndex, Buttons::getACBasicButtons());
    navigation->setCommandControl1(m_ring1.control(), segmentIndex);
    m_openCommand = key;
    return true;
}

void ThermoregulationController::showBasicAirConditionerCommands(Device* device)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    navigation->clearCommandControls();
    m_openCommand.clear();
    m_commandIcons.show(device);
    navigation->setIcons(updateIconsWithFavorites(m_commandIcons.icons()), false);
    navigation->setShowBackButton(true);
    // The commands have no temperature of their own.
    if (Gadgets::NavigationLabels* labels = navigation->labels())
        labels->hideAllSliders();
}

bool ThermoregulationController::handleBackButtonClicked()
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation || navigation->currentPageId() != TERMO_PAGE_ID || !thermoDevice(m_openDeviceId))
        return false;
    navigation->clearCommandControls();
    // Closed first: the favourite marks read the icons' ids as devices.
    m_openDeviceId = 0;
    m_openCommand.clear();
    m_commandIcons.clear();
    navigation->setIcons(updateIconsWithFavorites(m_icons), false);
    navigation->setShowBackButton(false);
    updateSliders(-1);
    return true;
}

void ThermoregulationController::clearCommandControls()
{
    if (Gadgets::NavigationControl* navigation = navigationControl()) {
        navigation->clearCommandControls();
        navigation->showLabels();
    }
    m_openDeviceId = 0;
    m_openCommand.clear();
    updateSliders(-1);
}

void ThermoregulationController::onCommand1ElementClick(Gadgets::SvgElement* element)
{
    Device* device = thermoDevice(m_openDeviceId);
    if (!device)
        return;
    const QString id = m_ring1.control()->getButtonId(element);
    if (!m_openCommand.isEmpty() && id == m_openCommand) {
        navigationControl()->closeCommandControl2();
        m_openCommand.clear();
        return;
    }
    switch (device->deviceType()) {
    case ZONE_4:
        handleZone4Command1Button(id, device);
        break;
    case ZONE_99:
        handleZone99Command1Button(id, device);
        break;
    case BASIC_AIR_CONDITIONER:
        handleACBasicCommand1Button(id, device, m_openCommand.toInt());
        break;
    case ADVANCED_AIR_CONDITIONER:
        handleACAdvancedCommand1Button(id, device);
        break;
    default:
        break;
    }
}

void ThermoregulationController::onCommand2ElementClick(Gadgets::SvgElement* element)
{
    Device* device = thermoDevice(m_openDeviceId);
    if (!device)
        return;
    const QString id = m_ring2.control()->getButtonId(element);
    if (device->deviceType() == ZONE_99)
        handleZone99Command2Button(id, device);
    else if (device->deviceType() == ADVANCED_AIR_CONDITIONER)
        handleACAdvancedCommand2Button(id, device);
}

void ThermoregulationController::openSecondRing(const QString& id, const ButtonList& buttons)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (buttons.isEmpty() || !navigation)
        return;
    const bool evenCount = buttons.size() % 2 == 0;
    const bool useEven = m_ring1.control()->usesEvenSegments() ? evenCount : !evenCount;
    CommandRing::fillBesideButton(m_ring2.control(), *navigation, *m_ring1.control(), id, useEven, buttons);
    m_ring1.control()->setSelectedButton(id);
    navigation->setCommandControl2(m_ring2.control());
    m_openCommand = id;
}

void ThermoregulationController::handleZone4Command1Button(const QString& id, Device* device)
{
    if (PravikDriver::OpenDriver* driver = commandDriver(device, id))
        ThermoregulationCommands::setFanSpeed(id, ownAddress(device), *driver);
}

void ThermoregulationController::handleZone99Command1Button(const QString& id, Device* device)
{
    openSecondRing(id, Buttons::getZone99SecondLevelButtons(id, device));
}

void ThermoregulationController::handleACAdvancedCommand1Button(const QString& id, Device* device)
{
    openSecondRing(id, Buttons::getACAdvancedSecondLevelButtons(id, device));
}

void ThermoregulationController::handleZone99Command2Button(const QString& id, Device* device)
{
    PravikDriver::OpenDriver* driver = commandDriver(device, id);
    if (!driver)
        return;
    ThermoregulationCommands::setFanSpeed(id, ownAddress(device), *driver);
    double setpoint = device->setpointTemperature();
    if (device->valuePrecision() != Device::PRECISION_UNSPECIFIED)
        setpoint = Utilities::MathTools::round(setpoint, std::pow(10.0, -device->valuePrecision()));
    ThermoregulationCommands::setZoneStatus(id, setpoint, *driver, device);
}

void ThermoregulationController::handleACAdvancedCommand2Button(const QString& id, Device* device)
{
    if (PravikDriver::OpenDriver* driver = commandDriver(device, id)) {
        ThermoregulationCommands::setAirConditionerState(id, *driver, device);
        updateUIforDevice(device);
    }
}

void ThermoregulationController::handleACBasicCommand1Button(const QString& id, Device* device, int commandId)
{
    if (id != Buttons::START_BUTTON_ID)
        return;
    if (!device->hasCommandWithId(commandId)) {
        ThermoregulationStateReader::warn(device, QStringLiteral("command %1").arg(commandId),
                                          QStringLiteral("no longer in the project, nothing sent"));
        return;
    }
    if (PravikDriver::OpenDriver* driver = commandDriver(device, id))
        ThermoregulationCommands::runCommand(commandId, *driver, device);
}

void ThermoregulationController::onSliderValueChanged(int segment)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation || navigation->currentPageId() != TERMO_PAGE_ID || !navigation->labels())
        return;
    const int position = navigation->getIconIndexBySegment(segment);
    if (position < 0 || position >= m_icons.size() || (openBasicAirConditioner() && !m_commandIcons.isEmpty()))
        return;
    setDeviceTemperature(m_icons.at(position).id(), navigation->labels()->sliderValue(segment));
}

void ThermoregulationController::setDeviceTemperature(int deviceId, double value)
{
    Device* device = thermoDevice(deviceId);
    if (!device || (device->deviceType() != ZONE_99 && device->deviceType() != ADVANCED_AIR_CONDITIONER))
        return;
    PravikDriver::OpenDriver* driver = commandDriver(device, QStringLiteral("temperature"));
    if (!driver)
        return;
    if (device->deviceType() == ZONE_99) {
        const double celsius = actualTemperatureToRoundedCelsius(value, device->valueStep());
        ThermoregulationCommands::setZoneSetpoint(ThermoregulationStateReader::clampedSetpoint(device, celsius), *driver,
                                                  device);
    } else {
        const double celsius = actualTemperatureToCelsius(value);
        ThermoregulationCommands::setAirConditionerSetpoint(ThermoregulationStateReader::clampedSetpoint(device, celsius),
                                                            *driver, device);
    }
}

QString ThermoregulationController::ownAddress(const Device* device)
{
    return getAddressText(device->address(), getAddressDeviceType(device->deviceType()), Address::Send);
}

QString ThermoregulationController::zoneAddress(const Device* device)
{
    return getAddressText(device->address(), Address::ZoneText, Address::Send);
}

PravikDriver::OpenDriver* ThermoregulationController::commandDriver(const Device* device, const QString& command) const
{
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    if (!driver)
        ThermoregulationStateReader::warn(device, command, QStringLiteral("its gateway has no driver, nothing sent"));
    return driver;
}

// --- Status requests, messages and timers ---------------------------------

QList<ThermoregulationController::Device*> ThermoregulationController::thermoregulationDevices() const
{
    QList<Device*> devices;
    for (BaseDevice* device : std::as_const(m_devices))
        devices.append(static_cast<Device*>(device));
    return devices;
}

void ThermoregulationController::updateDeviceStatus(BaseDevice* device)
{
    ThermoregulationStatusRequests(*this).refreshDevice(static_cast<Device*>(device));
}

void ThermoregulationController::updateStatus(int serverId)
{
    ThermoregulationStatusRequests(*this).refreshGateways(serverId);
}

void ThermoregulationController::temperatureMessageReceived(const PravikDriver::OpenDriver* driver,
                                                            const TemperatureMessage& message,
                                                            const PravikDriver::Message&, bool)
{
    if (isKnownDriver(driver))
        ThermoregulationGatewayMessages(*this).applyReading(driver, message);
}

void ThermoregulationController::messageReceived(const PravikDriver::Driver* driver,
                                                 const PravikDriver::Message& first,
                                                 const PravikDriver::Message& second, bool pushed)
{
    const auto* openDriver = qobject_cast<const PravikDriver::OpenDriver*>(driver);
    if (!pushed && openDriver && isKnownDriver(openDriver))
        ThermoregulationGatewayMessages(*this).followAnswer(openDriver, first, second);
}

void ThermoregulationController::onUpdateStatusTimerTick(int deviceId, int type)
{
    Device* device = thermoDevice(deviceId);
    PravikDriver::OpenDriver* driver = device ? getDriver(device->serverId()) : nullptr;
    if (!driver)
        return;
    if (type == ThermoregulationStatusTimers::Setpoint)
        driver->requestZoneSetpointTemperature(ownAddress(device));
    else
        driver->requestTemperatureZoneStatus(ownAddress(device));
}

void ThermoregulationController::clearUpdateTimers()
{
    m_timers->clear();
}

void ThermoregulationController::updateUIButtonsForDevice(const Device* device)
{
    const QList<FavoriteControl*> favorites = m_favorites->controlsOf(device->id());
    QList<CommandControl*> rings;
    Gadgets::NavigationControl* navigation = navigationControl();
    if (navigation && device->id() == m_openDeviceId) {
        if (navigation->commandControl1())
            rings.append(m_ring1.control());
        if (navigation->commandControl2())
            rings.append(m_ring2.control());
    }
    if (!rings.isEmpty() || !favorites.isEmpty())
        updateAllPossibleCommandIcons(rings, favorites, device);
}

void ThermoregulationController::updateAllPossibleCommandIcons(const QList<CommandControl*>& commandControls,
                                                               const QList<FavoriteControl*>& favoriteControls,
                                                               const Device* device)
{
    for (const auto& [id, icon] : Buttons::allCommandIcons(device)) {
        for (CommandControl* ring : commandControls)
            ring->setButtonIcon(id, icon);
        for (FavoriteControl* favorite : favoriteControls)
            favorite->setCommandControlButtonIcon(id, icon);
    }
}

// --- Basic air-conditioner commands, favourites, settings and keys ---------

int ThermoregulationController::getDeviceIdFromUniquieId(int uniqueId) const
{
    return openBasicAirConditioner() ? m_openDeviceId : uniqueId;
}

int ThermoregulationController::getSubDeviceIdFromUniquieId(int uniqueId) const
{
    return openBasicAirConditioner() ? uniqueId : 0;
}

NavigationIcon ThermoregulationController::getIconByIndex(int index) const
{
    if (openBasicAirConditioner() && index >= 0 && index < m_commandIcons.icons().size())
        return m_commandIcons.icons().at(index);
    return BaseController::getIconByIndex(index);
}

bool ThermoregulationController::canAddFavoriteFor(int deviceId, int subDeviceId) const
{
    const Device* device = thermoDevice(deviceId);
    if (subDeviceId != 0)
        return device && device->hasCommandWithId(subDeviceId);
    return device && device->deviceType() != BASIC_AIR_CONDITIONER;
}

NavigationIcon ThermoregulationController::getIconForSubDevice(int deviceId, int subDeviceId) const
{
    const Device* device = thermoDevice(deviceId);
    if (!device || !device->hasCommandWithId(subDeviceId))
        return getIconByIndex(indexOfIcon(deviceId));
    return ThermoregulationCommandIcons::iconFor(device, subDeviceId);
}

bool ThermoregulationController::handleRequestOriginalIcons()
{
    if (!isCurrentPage() || !openBasicAirConditioner())
        return BaseController::handleRequestOriginalIcons();
    navigationControl()->setIcons(updateIconsWithFavorites(m_commandIcons.icons()), true);
    return true;
}

bool ThermoregulationController::handleIconsReordered()
{
    Device* device = openBasicAirConditioner();
    if (!device)
        return BaseController::handleIconsReordered();
    if (!isCurrentPage())
        return false;
    const QList<int> order = m_commandIcons.reorder(navigationControl()->icons());
    device->setCommandsOrder(order);
    saveSettings();
    return true;
}

void ThermoregulationController::setDeviceIconName(int deviceId, int subDeviceId, const QString& name)
{
    const Device* device = thermoDevice(deviceId);
    if (subDeviceId < 1 && openBasicAirConditioner() && !m_commandIcons.isEmpty()) {
        // The carousel shows the commands, whose ids may equal the device's:
        // the device's icon takes the name for when the page shows it again.
        const int position = indexOfIcon(deviceId);
        if (position >= 0)
            m_icons[position].setTooltip(name);
        return;
    }
    if (!device || device->deviceType() != BASIC_AIR_CONDITIONER || subDeviceId < 1) {
        BaseController::setDeviceIconName(deviceId, subDeviceId, name);
        return;
    }
    // A command's icon shows only on the carousel: updateUI would also take
    // it to the favourites of a device whose id equals the command's.
    const NavigationIcon renamed = m_commandIcons.rename(subDeviceId, name);
    if (renamed.id() != 0 && isCurrentPage() && openBasicAirConditioner() == device)
        navigationControl()->updateIcon(updateIconsWithFavorites({renamed}).constFirst());
}

void ThermoregulationController::handleTextChanged(int deviceId, int subDeviceId, const QString& text,
                                                   bool& canChange)
{
    Device* device = thermoDevice(deviceId);
    if (!device || subDeviceId < 1) {
        // A device's own name, as on every page.
        BaseController::handleTextChanged(deviceId, subDeviceId, text, canChange);
        return;
    }
    // An empty name gives the command back the project's.
    device->setCommandText(subDeviceId, text);
    setDeviceName(deviceId, subDeviceId, device->getCommandText(subDeviceId));
    canChange = true;
    saveSettings();
}

void ThermoregulationController::fillSettingsForDevice(Devices::UserDeviceSettings& settings, int pageId,
                                                       const BaseDevice* base)
{
    if (base->deviceType() == BASIC_AIR_CONDITIONER)
        ThermoregulationCommandIcons::fillSettings(settings, pageId, static_cast<const Device*>(base));
    BaseController::fillSettingsForDevice(settings, pageId, base);
}

void ThermoregulationController::loadSettingsForDevice(const Devices::UserDeviceSettings& settings, int pageId,
                                                       BaseDevice* base)
{
    if (base->deviceType() == BASIC_AIR_CONDITIONER) {
        auto* device = static_cast<Device*>(base);
        for (int id : ThermoregulationCommandIcons::loadSettings(settings, pageId, device))
            setDeviceName(device->id(), id, device->getCommandText(id));
    }
    BaseController::loadSettingsForDevice(settings, pageId, base);
}

void ThermoregulationController::initializeFavorite(FavoriteWindow* window)
{
    initializeFavorite(window->favoriteControl(), window->deviceId());
    registerFavoriteControl(window->deviceId(), window->favoriteControl());
}

void ThermoregulationController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    FavoriteControl* control = window->favoriteControl();
    if (!element || !control)
        return;
    if (element == control->closeButton() || element == control->refreshButton()) {
        BaseController::handleFavoriteElementClick(window, element);
        return;
    }
    handleFavoriteElementClick(control, window->deviceId(), qMax(0, window->subDeviceId()), element);
}

void ThermoregulationController::handleFavoriteSliderChanged(FavoriteWindow* window)
{
    handleFavoriteSliderChanged(window->favoriteControl(), window->deviceId());
}

void ThermoregulationController::handleFavoriteClose(FavoriteWindow* window)
{
    unregisterFavoriteControl(window->favoriteControl());
    BaseController::handleFavoriteClose(window);
}

void ThermoregulationController::initializeFavorite(FavoriteControl* control, int deviceId)
{
    const Device* device = thermoDevice(deviceId);
    if (!control || !device)
        return;
    control->setSliderVisible(device->hasSliderValue());
    control->setSliderValueBounds(celsiusToActualTemperature(device->valueMinimum()),
                                  celsiusToActualTemperature(device->valueMaximum()),
                                  celsiusToActualStep(device->valueStep()));
    control->setHideSliderOnCollapse(true);
}

void ThermoregulationController::handleFavoriteSliderChanged(FavoriteControl* control, int deviceId)
{
    if (control)
        setDeviceTemperature(deviceId, control->sliderValue());
}

void ThermoregulationController::handleFavoriteElementClick(FavoriteControl* control, int deviceId, int subDeviceId,
                                                            Gadgets::SvgElement* element)
{
    m_favorites->handleElementClick(control, deviceId, subDeviceId, element);
}

void ThermoregulationController::registerFavoriteControl(int deviceId, FavoriteControl* control)
{
    m_favorites->registerControl(deviceId, control);
}

void ThermoregulationController::unregisterFavoriteControl(FavoriteControl* control)
{
    m_favorites->unregisterControl(control);
}

bool ThermoregulationController::isKeyAllowed(const QKeyEvent* event) const
{
    const Gadgets::NavigationControl* navigation = navigationControl();
    const Gadgets::NavigationLabels* labels = navigation ? navigation->labels() : nullptr;
    if (!labels || !labels->isVisible() || navigation->labelsOpacity() <= 0)
        return true;
    return event->key() != Qt::Key_Up && event->key() != Qt::Key_Down;
}

void ThermoregulationController::handleKeyPress(const QKeyEvent* event)
{
    if (!isKeyAllowed(event))
        return;
    const Gadgets::NavigationControl* navigation = navigationControl();
    const bool firstRingOpen = navigation && navigation->commandControl1();
    const bool secondRingOpen = navigation && navigation->commandControl2();
    BaseController::handleKeyPress(event);
    if (event->key() == Qt::Key_Escape)
        forgetRingClosedByEscape(firstRingOpen, secondRingOpen);
}

// Escape closes the carousel's inner ring, else its outer one, without
// asking this controller: what it holds open must follow, or the next click
// on the same button or command would close what is already closed.
void ThermoregulationController::forgetRingClosedByEscape(bool firstRingOpen, bool secondRingOpen)
{
    if (!firstRingOpen)
        return;
    m_openCommand.clear();
    // A basic air conditioner's commands stay on the carousel.
    if (secondRingOpen || openBasicAirConditioner())
        return;
    m_openDeviceId = 0;
    updateSliders(-1);
}

void ThermoregulationController::handleKeyRelease(const QKeyEvent* event)
{
    if (isKeyAllowed(event))
        BaseController::handleKeyRelease(event);
}

} // namespace Corvane::Sentrel::Controllers

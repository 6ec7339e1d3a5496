#include "EnergyDevicesController.h"

#include "FavoriteWindow.h"
#include "Controllers/base/CarouselController.h"
#include "EnergyDataExchange.h"
#include "EnergyUnits.h"
#include "EnergyDeviceInfo.h"
#include "NavigationWindow.h"
#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include "controls/IconRenderer.h"
#include "devices/Configuration.h"
#include "devices/EnergyDevice.h"
#include "devices/EnergyDeviceCache.h"
#include "devices/EnergyDeviceProperties.h"
#include "devices/UserDeviceSettings.h"
#include "energy/ChartUtilities.h"
#include "energy/EnergyConsumptionChartDisplay.h"
#include "energy/EnergyConsumptionDisplay.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataTariffControl.h"
#include "energy/EnergyDataTariffModel.h"
#include "energy/EnergyDataViewControl.h"
#include "controls/SvgContentButton.h"
#include "favorite/FavoriteControl.h"
#include "frame/SvgWindowFrame.h"
#include "navigation/NavigationContainer.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/InterfaceDeviceMessage.h"
#include "pravikdriver/UserMessages/LoadManagementMessage.h"
#include "theme/ThemeProvider.h"

#include <QPointer>
#include <QTimer>

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::EnergyDevice;
using Devices::EnergyDeviceCache;
using Gadgets::EnergyDataContainer;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using Models::EnergyDeviceInfo;

const QString EnergyDevicesController::ENERGY_TARIFF_TABLE_CONTROL_ID = QStringLiteral("energy_tariff");

namespace {

const int ENERGY_PAGE_TYPE = 7000;
const int NORMAL_PRIORITY = 1;
const int CLOSING_PRIORITY = 0;
const int CAROUSEL_REDRAW_DELAY = 100;

} // namespace

EnergyDevicesController::EnergyDevicesController(NavigationWindow* window)
    : BaseDataControlsController(window)
    , m_autoUpdateTimer(Clock::program()->createTimer(this))
    , m_tariffModel(new Gadgets::Models::EnergyDataTariffModel(this))
    , m_autoUpdates(this)
    , m_tariffTable(this)
    , m_exchange(std::make_unique<EnergyDataExchange>(this))
{
    m_autoUpdateTimer->setInterval(AUTO_UPDATE_TIMER_MILLISECONDS);
    connect(m_autoUpdateTimer, &ClockTimer::timeout, this, &EnergyDevicesController::updateOldInterfaceDeviceInstantData);
    m_tariffModel->setThemeElementId(ENERGY_TARIFF_TABLE_CONTROL_ID);
    connect(m_tariffModel, &Gadgets::Models::EnergyDataTariffModel::energyTariffItemDataChanged, this,
            &EnergyDevicesController::onEnergyTariffItemDataChanged);
    if (window && window->carouselController())
        connect(window->carouselController(), &CarouselController::carouselAnimationFinished, this,
                &EnergyDevicesController::redrawCurrentCarouselChart);
}

EnergyDevicesController::~EnergyDevicesController()
{
    clearDevicesInfo();
}

int EnergyDevicesController::controlledPageId() const
{
    return ENERGY_DATA_PAGE_ID;
}

Devices::ConfigPage::PageType EnergyDevicesController::controlledPageType() const
{
    return Devices::ConfigPage::PageType(ENERGY_PAGE_TYPE);
}

PravikDriver::Address::DeviceType EnergyDevicesController::defaultDeviceType() const
{
    return PravikDriver::Address::EnergyMeter;
}

QString EnergyDevicesController::elementsSuffix() const
{
    return ThemeProvider::ENERGY;
}

QString EnergyDevicesController::addressText(const BaseDevice* device) const
{
    return getAddressText(device->address(), getAddressDeviceType(device->deviceType()), PravikDriver::Address::Direction(0));
}

// Devices

int EnergyDevicesController::loadDevices(const Devices::Configuration* configuration)
{
    clearDevicesInfo();
    m_configurationClosed = false;
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const auto* energy = dynamic_cast<const Devices::EnergyDeviceProperties*>(properties);
            if (!energy || properties->familyCode() != ENERGY_FAMILY)
                continue;
            auto* device = new EnergyDevice(*energy, configuration->getServerForDevice(properties->id()));
            const CacheKey key(device->serverId(), addressText(device));
            EnergyDeviceCache* cache = m_caches.value(key, nullptr);
            if (!cache) {
                cache = new EnergyDeviceCache;
                m_caches.insert(key, cache);
            }
            device->setCache(cache);
            device->setStatusKnown(false);
            m_devices.append(device);

            auto* record = new EnergyDeviceInfo(device, nullptr, nullptr, false);
            connect(record, &EnergyDeviceInfo::newInterfaceExistenceResponseTimedOut, this,
                    &EnergyDevicesController::onNewInterfaceAutoUpdateResponseTimedOut);
            connect(record, &EnergyDeviceInfo::dataResponseTimedOut, this, &EnergyDevicesController::onDataResponseTimedOut);
            connect(record, &EnergyDeviceInfo::allResponsesReceived, this,
                    &EnergyDevicesController::onAllResponsesReceived);
            m_deviceInfos.append(record);
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

Gadgets::SvgControlObject* EnergyDevicesController::createDataControl(BaseDevice* base)
{
    auto* device = static_cast<EnergyDevice*>(base);
    EnergyDeviceInfo* record = infoForDevice(device);
    if (!record)
        return nullptr;
    auto* container = new EnergyDataContainer;
    initializeEnergyDataContainer(container, device);
    container->setIsMoveEnabled(false);
    container->setIsResizeEnabled(false);
    container->setResizeOrigin(Gadgets::SvgWindowFrame::ResizeOrigin(1));
    if (navigationWindow() && navigationWindow()->carouselController())
        connect(container, &EnergyDataContainer::closeClicked, navigationWindow()->carouselController(),
                &CarouselController::hideCarousel);
    connect(container, &EnergyDataContainer::resizeRequested, this,
            &EnergyDevicesController::onCarouselControlResizeRequest);
    connect(container, &EnergyDataContainer::titleTextChanged, container, &EnergyDataContainer::setTitleText);
    // What the meter's other views took in so far.
    container->setItemName(device->name());
    container->energyDataTariffControl()->setTariffTableModel(m_tariffModel);
    container->setIsResizeHandleVisible(!navigationControl() || !navigationControl()->isInFullScreenMode());
    if (record->conversation().shouldReceiveResponses())
        container->energyDataViewControl()->enableControls(false);
    if (device->hasValue())
        container->energyDataViewControl()->setInstantConsumption(EnergyUnits::instantText(device, Gadgets::GadgetsCommon::EnergyData));
    record->setCarouselDialog(container);
    return container;
}

void EnergyDevicesController::clearDevicesInfo()
{
    // The windows and their records read the devices, and hiding the
    // carousel calls back into this controller: they go before the devices.
    clearControls();
    qDeleteAll(m_deviceInfos);
    m_deviceInfos.clear();
    clearDevices();
    m_tariffModel->clear();
    qDeleteAll(m_caches);
    m_caches.clear();
    m_autoUpdates.manageTimerActiveness();
}

void EnergyDevicesController::updateNavigationIcons()
{
    m_icons.clear();
    for (const BaseDevice* base : std::as_const(m_devices)) {
        const auto* device = static_cast<const EnergyDevice*>(base);
        NavigationIcon icon(energyDeviceIconName(device->deviceType()), device->name(), device->id());
        icon.setState(device->isStatusKnown() ? NavigationIcon::Normal : NavigationIcon::Uninitialized);
        if (device->hasSliderValue()) {
            icon.setSupportsValue(true);
            icon.setValueFormat(valueFormat(device));
            icon.setMinValue(ENERGY_INSTANT_DATA_MIN_VALUE);
            icon.setMaxValue(ENERGY_INSTANT_DATA_MAX_VALUE);
            icon.setValueStep(ENERGY_INSTANT_DATA_VALUE_STEP);
        }
        m_icons.append(icon);
    }
}

void EnergyDevicesController::initializeEnergyDataContainer(EnergyDataContainer* container, const EnergyDevice* device)
{
    Gadgets::EnergyDataViewControl* view = container->energyDataViewControl();
    EnergyUnits::applyUnits(view, device);
    view->setIsEconomicEvaluationEnabled(device->isEconomicEvaluationEnabled());
    view->enableControls(device->isStatusKnown());
    view->consumptionDisplayControl()->chartDisplay()->setFontFileName(
        Gadgets::Utilities::ChartUtilities::defaultFontFileName());
    setEnergyDateBounds(device, container);
    connect(container, &EnergyDataContainer::energyDataViewOkClicked, this, &EnergyDevicesController::onGetEnergyData);
    for (auto signal : {&EnergyDataContainer::cycleTimespanViewClicked, &EnergyDataContainer::dateChanged,
                        &EnergyDataContainer::cycleCurrencyUnitClicked, &EnergyDataContainer::cycleMonthlyViewClicked,
                        &EnergyDataContainer::energyDataCacheRequested})
        connect(container, signal, this, &EnergyDevicesController::onGetEnergyDataCache);
}

EnergyDevice* EnergyDevicesController::energyDevice(int deviceId) const
{
    return static_cast<EnergyDevice*>(getDeviceById(deviceId));
}

EnergyDevice* EnergyDevicesController::energyDeviceAt(int index) const
{
    return index >= 0 && index < m_devices.size() ? dynamic_cast<EnergyDevice*>(m_devices.at(index)) : nullptr;
}

EnergyDeviceInfo* EnergyDevicesController::infoForDevice(const BaseDevice* device) const
{
    for (EnergyDeviceInfo* record : m_deviceInfos)
        if (device && record->device() == device)
            return record;
    return nullptr;
}

EnergyDeviceInfo* EnergyDevicesController::infoForDialog(const EnergyDataContainer* container) const
{
    for (EnergyDeviceInfo* record : m_deviceInfos)
        if (container && (record->carouselDialog() == container || record->favoriteDialog() == container))
            return record;
    return nullptr;
}

QList<EnergyDataContainer*> EnergyDevicesController::energyControls(int deviceId) const
{
    QList<EnergyDataContainer*> list;
    for (Gadgets::SvgControlObject* control : controls(deviceId))
        list.append(static_cast<EnergyDataContainer*>(control));
    return list;
}

void EnergyDevicesController::enableEnergyDataViewControls(int deviceId, bool enabled)
{
    for (EnergyDataContainer* container : energyControls(deviceId))
        container->energyDataViewControl()->enableControls(enabled);
}

Devices::EnergyDeviceCache* EnergyDevicesController::cacheFor(const EnergyDevice* device) const
{
    return device ? device->cache() : nullptr;
}

QString EnergyDevicesController::energyDeviceIconName(int deviceType)
{
    return EnergyUnits::iconName(deviceType);
}

QString EnergyDevicesController::valueFormat(int measurementUnit)
{
    return EnergyUnits::valueFormat(measurementUnit);
}

QString EnergyDevicesController::valueFormat(const EnergyDevice* device)
{
    return valueFormat(device->measurementUnit());
}

double EnergyDevicesController::energyValueQuotient(int dataType, int deviceType, int measurementUnit, double tariff)
{
    return EnergyUnits::quotient(dataType, deviceType, measurementUnit, tariff);
}

double EnergyDevicesController::convertedEnergyValue(double value, int dataType, const EnergyDevice* device)
{
    return EnergyUnits::converted(value, dataType, device);
}

// Dates

QDateTime EnergyDevicesController::energyDeviceCurrentDate(const EnergyDevice* device) const
{
    return m_meterClock.currentDate(device);
}

bool EnergyDevicesController::energyDeviceDateBounds(const EnergyDevice* device, QDateTime& end,
                                                     QDateTime& dailyMinimum, QDateTime& monthlyMinimum) const
{
    return m_meterClock.dateBounds(device, end, dailyMinimum, monthlyMinimum);
}

void EnergyDevicesController::setEnergyDateBounds(const EnergyDevice* device, EnergyDataContainer* container)
{
    QDateTime end;
    QDateTime dailyMinimum;
    QDateTime monthlyMinimum;
    if (!energyDeviceDateBounds(device, end, dailyMinimum, monthlyMinimum))
        return;
    const QList<EnergyDataContainer*> containers = container ? QList<EnergyDataContainer*> { container }
                                                             : energyControls(device->id());
    for (EnergyDataContainer* target : containers) {
        target->setEndDate(end);
        target->setDailyViewMinDate(dailyMinimum);
        target->setMonthlyViewMinDate(monthlyMinimum);
    }
}

// Instant values and automatic updates

bool EnergyDevicesController::shouldAutoUpdateDevice(const EnergyDevice* device) const
{
    if (m_configurationClosed)
        return false;
    return m_energyPageActive || (device && hasFavoriteFor(device->id()));
}

void EnergyDevicesController::requestInstantEnergyData(const EnergyDevice* device)
{
    if (PravikDriver::OpenDriver* driver = device ? getDriver(device->serverId()) : nullptr)
        driver->requestEnergyInstantData(addressText(device), int(device->energyType()));
}

void EnergyDevicesController::startAutoUpdateForDevice(EnergyDevice* device, bool start, bool force, int priority)
{
    m_autoUpdates.startForDevice(device, start, force, priority);
}

void EnergyDevicesController::updateOldInterfaceDeviceInstantData()
{
    m_autoUpdates.pollOldInterfaceMeters();
}

void EnergyDevicesController::startAutoUpdate(bool start, bool followPage, bool force, int priority)
{
    for (BaseDevice* base : std::as_const(m_devices)) {
        auto* device = static_cast<EnergyDevice*>(base);
        const bool value = followPage ? (start || shouldAutoUpdateDevice(device)) : start;
        startAutoUpdateForDevice(device, value, force, priority);
    }
}

void EnergyDevicesController::updateDeviceStatus(BaseDevice* base)
{
    BaseDataControlsController::updateDeviceStatus(base);
    auto* device = static_cast<EnergyDevice*>(base);
    device->setStatusKnown(false);
    updateUIforDevice(device);
    EnergyDeviceInfo* record = infoForDevice(device);
    if (!record)
        return;
    // Forced: a status request always asks the gateway again, even when the
    // meter's automatic updates already stand as wanted.
    const bool force = true;
    if (!record->requestedNewInterfaceExistence()) {
        record->setRequestedNewInterfaceExistence(true);
        startAutoUpdateForDevice(device, shouldAutoUpdateDevice(device), force, NORMAL_PRIORITY);
        return;
    }
    record->setHasAutoUpdateStarted(false);
    startAutoUpdateForDevice(device, shouldAutoUpdateDevice(device), force, NORMAL_PRIORITY);
    if (!device->isNewInterfaceInUse())
        requestInstantEnergyData(device);
}

void EnergyDevicesController::onNewInterfaceAutoUpdateResponseTimedOut()
{
    auto* record = qobject_cast<EnergyDeviceInfo*>(sender());
    if (!record || !record->requestedNewInterfaceExistence() || !record->device())
        return;
    EnergyDevice* device = record->device();
    if (device->isNewInterfaceInUse() || device->isStatusKnown())
        return;
    requestInstantEnergyData(device);
    m_autoUpdates.switchToOldInterface(device);
}

void EnergyDevicesController::messageReceived(const PravikDriver::Driver* driver, const PravikDriver::Message& first,
                                              const PravikDriver::Message& second, bool pushed)
{
    BaseDataControlsController::messageReceived(driver, first, second, pushed);
    // A gateway that refuses automatic updates has a meter of the old
    // interface at that address.
    if (!isKnownDriver(driver) || second.systemType() != PravikDriver::PravikEnums::EnergyManagement
        || second.dimension() != PravikDriver::PravikCodes::AUTO_UPDATE || first.messageType() != PravikDriver::PravikEnums::Nack)
        return;
    const auto* openDriver = static_cast<const PravikDriver::OpenDriver*>(driver);
    for (int index : getDeviceIndicesByAddress(second.address(), openDriver, false)) {
        auto* device = static_cast<EnergyDevice*>(m_devices.at(index));
        if (!device->isNewInterfaceInUse())
            m_autoUpdates.switchToOldInterface(device);
    }
}

void EnergyDevicesController::interfaceDeviceMessageReceived(
    const PravikDriver::OpenDriver* driver, const PravikDriver::UserMessages::InterfaceDeviceMessage& message,
    const PravikDriver::Message&, bool)
{
    if (!isKnownDriver(driver) || !message.date().isValid() || !message.time().isValid())
        return;
    m_meterClock.setGatewayTime(getServerId(driver), QDateTime(message.date(), message.time()));
}

void EnergyDevicesController::loadManagementMessageReceived(
    const PravikDriver::OpenDriver* driver, const PravikDriver::UserMessages::LoadManagementMessage& message,
    const PravikDriver::Message&, bool pushed)
{
    if (!isKnownDriver(driver) || !message.isValid() || !pushed)
        return;
    for (int index : getDeviceIndicesByAddress(message.address(), driver, false)) {
        EnergyDevice* device = energyDeviceAt(index);
        if (!device)
            continue;
        switch (message.type()) {
        case 1:
            m_autoUpdates.handleState(device, message.period());
            break;
        case 2:
            if (!message.values().isEmpty())
                showInstantValue(device, message.values().first());
            break;
        default:
            m_exchange->handleAnswer(device, message);
            break;
        }
    }
}

void EnergyDevicesController::showInstantValue(EnergyDevice* device, int rawValue)
{
    const double value = convertedEnergyValue(rawValue, 0, device);
    device->setInstantValue(value);
    device->setStatusKnown(true);
    updateUIforDevice(device);
    for (EnergyDataContainer* container : energyControls(device->id()))
        container->energyDataViewControl()->setInstantConsumption(
            EnergyUnits::instantText(device, container->energyDataViewControl()->dataType()));
}

void EnergyDevicesController::receivedDataProgress(const PravikDriver::OpenDriver* driver, int systemType,
                                                   int dimension, const QString& address, double minimum,
                                                   double maximum, double value, int decimals)
{
    if (isKnownDriver(driver) && systemType == PravikDriver::PravikEnums::EnergyManagement)
        m_exchange->handleProgress(driver, dimension, address, minimum, maximum, value, decimals);
}

void EnergyDevicesController::updateUIforDevice(BaseDevice* base)
{
    auto* device = static_cast<EnergyDevice*>(base);
    const int id = device->id();
    if (!device->isStatusKnown()) {
        enableEnergyDataViewControls(id, false);
        setIconState(id, NavigationIcon::Uninitialized);
        return;
    }
    const EnergyDeviceInfo* record = infoForDevice(device);
    if (!record || !record->conversation().shouldReceiveResponses())
        enableEnergyDataViewControls(id, true);
    setIconState(id, NavigationIcon::Normal);
    setEnergyDateBounds(device);
    setIcon(id, ThemeProvider::getRendererFor(energyDeviceIconName(device->deviceType())));
    const double value = device->instantValue();
    const int position = indexOfIcon(id);
    if (position >= 0 && value > m_icons.at(position).maxValue())
        setIconMaxValue(id, value);
    raiseFavoriteSliderMaximum(id, value);
    setSliderValue(id, value);
}

// Pages and the carousel

bool EnergyDevicesController::handleNavigationIconClicked(const NavigationIcon& icon, int, bool generated)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation)
        return false;
    if (navigation->currentPageId() == 0)
        return icon.id() == ENERGY_DATA_PAGE_ID && openPage();
    if (navigation->currentPageId() != ENERGY_DATA_PAGE_ID)
        return false;
    if (!generated) {
        updateDataControlsResize();
        showCarousel();
    }
    const int position = indexOfIcon(icon.id());
    if (position >= 0) {
        if (navigationWindow() && navigationWindow()->carouselController())
            navigationWindow()->carouselController()->setCarouselCurrentIndex(position);
        navigation->setSelectedIcon(icon, false);
        openDataWindow(static_cast<EnergyDataContainer*>(dataControl(icon.id())));
    }
    return true;
}

void EnergyDevicesController::openDataWindow(EnergyDataContainer* container)
{
    const EnergyDeviceInfo* record = infoForDialog(container);
    // While answers are due, they draw the window.
    if (!record || record->conversation().shouldReceiveResponses())
        return;
    m_exchange->getEnergyDataCache(container);
    // Opened on what the cache lacks: asked for as by its OK button.
    if (container->energyDataViewControl()->energyDataStatus() == Gadgets::EnergyDataViewControl::NoData)
        m_exchange->startRequest(container);
}

bool EnergyDevicesController::openPage()
{
    Gadgets::NavigationControl* navigation = navigationControl();
    navigation->setIcons(m_icons, false);
    navigation->setCentralContent(ThemeProvider::getRendererFor(ThemeProvider::ENERGY_SYSTEM), QString());
    navigation->setCurrentPageId(ENERGY_DATA_PAGE_ID);
    startAutoUpdate(true, true, false, NORMAL_PRIORITY);
    if (Gadgets::NavigationLabels* labels = navigation->labels()) {
        labels->setLabelsRefreshButtonsVisible(true);
        labels->setCanEditLabels(true);
    }
    if (navigationWindow() && navigationWindow()->navigationContainer())
        navigationWindow()->navigationContainer()->setElementsSuffix(ThemeProvider::ENERGY);
    updateSliders(-1);
    m_energyPageActive = true;
    return true;
}

void EnergyDevicesController::pageChanged()
{
    if (m_energyPageActive && navigationControl() && navigationControl()->currentPageId() != ENERGY_DATA_PAGE_ID) {
        m_energyPageActive = false;
        startAutoUpdate(false, true, false, NORMAL_PRIORITY);
    }
    BaseDataControlsController::pageChanged();
}

void EnergyDevicesController::onDevicesConfigurationClosed()
{
    m_configurationClosed = true;
    startAutoUpdate(false, false, false, CLOSING_PRIORITY);
}

void EnergyDevicesController::closeConfiguration()
{
    BaseController::closeConfiguration();
    onDevicesConfigurationClosed();
    clearDevicesInfo();
}

void EnergyDevicesController::aboutToQuit()
{
    BaseDataControlsController::aboutToQuit();
    onDevicesConfigurationClosed();
}

void EnergyDevicesController::onFullScreen()
{
    BaseDataControlsController::onFullScreen();
    updateDataControlsResize();
    redrawCurrentCarouselChart();
}

void EnergyDevicesController::updateDataControlsResize()
{
    const bool fullScreen = navigationControl() && navigationControl()->isInFullScreenMode();
    for (Gadgets::SvgControlObject* control : std::as_const(dataControls()))
        static_cast<EnergyDataContainer*>(control)->setIsResizeHandleVisible(!fullScreen);
}

void EnergyDevicesController::redrawCurrentCarouselChart()
{
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (!isCurrentPage() || !carousel || !carousel->isCarouselVisible())
        return;
    auto* container = qobject_cast<EnergyDataContainer*>(carousel->currentControl());
    if (!container || !container->energyDataViewControl()->isVisible())
        return;
    Gadgets::EnergyConsumptionDisplay* display = container->energyDataViewControl()->consumptionDisplayControl();
    if (display->display() == Gadgets::GadgetsCommon::ChartDisplay && display->chartDisplay()->hasData())
        display->chartDisplay()->updateControlsScale();
}

void EnergyDevicesController::requestRedrawCurrentCarouselChart()
{
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    const int delay = (carousel ? carousel->highlightMoveDuration() : 0) + CAROUSEL_REDRAW_DELAY;
    ClockTimer* timer = Clock::program()->createTimer(this);
    timer->setSingleShot(true);
    connect(timer, &ClockTimer::timeout, this, [this, timer] {
        redrawCurrentCarouselChart();
        timer->deleteLater();
    });
    timer->start(delay);
}

void EnergyDevicesController::handleCarouselIndexChanged(int index)
{
    BaseDataControlsController::handleCarouselIndexChanged(index);
    if (isCurrentPage() && index >= 0 && index < m_icons.size())
        openDataWindow(static_cast<EnergyDataContainer*>(dataControl(m_icons.at(index).id())));
    CarouselController* carousel = navigationWindow() ? navigationWindow()->carouselController() : nullptr;
    if (carousel && !carousel->moving())
        requestRedrawCurrentCarouselChart();
}

void EnergyDevicesController::handleCarouselMovementEnded()
{
    BaseDataControlsController::handleCarouselMovementEnded();
    redrawCurrentCarouselChart();
}

void EnergyDevicesController::onDataControlResizeFinished()
{
    if (auto* container = qobject_cast<EnergyDataContainer*>(sender()))
        container->scaleHasFinishedChanging();
}

// Favourites

void EnergyDevicesController::initializeFavorite(FavoriteWindow* window)
{
    BaseDataControlsController::initializeFavorite(window);
    EnergyDevice* device = energyDevice(window->deviceId());
    if (!device)
        return;
    if (device->hasSliderValue()) {
        Gadgets::FavoriteControl* control = window->favoriteControl();
        control->setSliderVisible(true);
        control->setSliderComponentsVisibility(true, true, false);
        control->setHideSliderOnCollapse(false);
        control->setSliderValueBounds(ENERGY_INSTANT_DATA_MIN_VALUE, ENERGY_INSTANT_DATA_MAX_VALUE,
                                      ENERGY_INSTANT_DATA_VALUE_STEP);
        control->setSliderValueFormat(valueFormat(device));
        control->setSliderValue(device->instantValue());
    }
    // The data window, with its date editors, is made when it first opens.
    startAutoUpdateForDevice(device, true, false, NORMAL_PRIORITY);
}

EnergyDataContainer* EnergyDevicesController::initializeFavoriteDataControl(FavoriteWindow* window)
{
    const int deviceId = window->deviceId();
    if (auto* existing = static_cast<EnergyDataContainer*>(favoriteDataControl(deviceId)))
        return existing;
    EnergyDevice* device = energyDevice(deviceId);
    EnergyDeviceInfo* record = infoForDevice(device);
    if (!device || !record)
        return nullptr;
    auto* container = new EnergyDataContainer;
    initializeEnergyDataContainer(container, device);
    container->energyDataTariffFrame()->setTitleBarAcceptsMouse(true);
    container->energyDataViewFrame()->setTitleBarAcceptsMouse(true);
    connect(container, &EnergyDataContainer::closeClicked, this, &EnergyDevicesController::hideFavoriteDataControl);
    connect(container, &EnergyDataContainer::titleTextChanged, container, &EnergyDataContainer::setTitleText);
    connect(container, &EnergyDataContainer::resizeFinished, this, &EnergyDevicesController::onDataControlResizeFinished);
    // Turned to a face of another size, the window stays on the screen.
    const QPointer<FavoriteWindow> owner(window);
    const auto keepOnScreen = [this, owner, deviceId] {
        if (owner)
            keepDataWindowOnScreen(owner, deviceId);
    };
    connect(container, &Gadgets::SvgControlObject::originalWidthChanged, this, keepOnScreen);
    connect(container, &Gadgets::SvgControlObject::originalHeightChanged, this, keepOnScreen);
    favoriteDataControls().insert(deviceId, container);
    restoreDataControlScale(deviceId);
    window->addRootControl(container);
    container->setItemName(device->name());
    container->energyDataTariffControl()->setTariffTableModel(m_tariffModel);
    container->setVisible(false);
    record->setFavoriteDialog(container);
    return container;
}

void EnergyDevicesController::raiseFavoriteSliderMaximum(int deviceId, double value)
{
    for (FavoriteWindow* window : favorites()) {
        Gadgets::FavoriteControl* control = window->favoriteControl();
        if (window->deviceId() == deviceId && value > control->sliderMaxValue())
            control->setSliderValueBounds(control->sliderMinValue(), value, control->sliderValueStep());
    }
}

void EnergyDevicesController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    if (element && element == static_cast<Gadgets::SvgElement*>(window->favoriteControl()->centerButton()))
        handleFavoriteCenterClick(window);
    BaseDataControlsController::handleFavoriteElementClick(window, element);
}

void EnergyDevicesController::handleFavoriteCenterClick(FavoriteWindow* window)
{
    EnergyDataContainer* container = initializeFavoriteDataControl(window);
    if (!container)
        return;
    if (container->isVisible()) {
        m_exchange->getEnergyDataCache(container);
        return;
    }
    positionDataWindow(window, window->deviceId());
    container->setVisible(true);
    openDataWindow(container);
}

void EnergyDevicesController::handleFavoriteClose(FavoriteWindow* window)
{
    const int deviceId = window->deviceId();
    BaseDataControlsController::handleFavoriteClose(window);
    EnergyDevice* device = energyDevice(deviceId);
    startAutoUpdateForDevice(device, shouldAutoUpdateDevice(device), false, NORMAL_PRIORITY);
}

// Names, tariffs and translation

void EnergyDevicesController::settingsLoaded()
{
    BaseDataControlsController::settingsLoaded();
    for (const EnergyDeviceInfo* record : std::as_const(m_deviceInfos))
        for (EnergyDataContainer* container : record->dialogs())
            container->setItemName(record->device()->name());
    m_tariffTable.fill();
    for (Gadgets::SvgControlObject* control : std::as_const(dataControls()))
        static_cast<EnergyDataContainer*>(control)->energyDataTariffControl()->setTariffTableModel(m_tariffModel);
}

void EnergyDevicesController::onEnergyTariffItemDataChanged(int deviceId)
{
    // Written at once, as every change the user makes.
    if (m_tariffTable.takeUserTariff(deviceId))
        saveSettings();
}

void EnergyDevicesController::fillSettingsForDevice(Devices::UserDeviceSettings& settings, int pageId,
                                                    const BaseDevice* base)
{
    EnergyTariffTable::store(settings, dynamic_cast<const EnergyDevice*>(base));
    BaseDataControlsController::fillSettingsForDevice(settings, pageId, base);
}

void EnergyDevicesController::loadSettingsForDevice(const Devices::UserDeviceSettings& settings, int pageId,
                                                    BaseDevice* base)
{
    EnergyTariffTable::restore(settings, dynamic_cast<EnergyDevice*>(base));
    BaseDataControlsController::loadSettingsForDevice(settings, pageId, base);
}

void EnergyDevicesController::setDeviceIconName(int deviceId, int subDeviceId, const QString& name)
{
    BaseDataControlsController::setDeviceIconName(deviceId, subDeviceId, name);
    for (EnergyDataContainer* container : energyControls(deviceId))
        container->setItemName(name);
    m_tariffModel->setDescription(deviceId, name);
}

void EnergyDevicesController::retranslateUi()
{
    for (const EnergyDeviceInfo* record : std::as_const(m_deviceInfos)) {
        const EnergyDevice* device = record->device();
        for (EnergyDataContainer* container : record->dialogs()) {
            Gadgets::EnergyDataViewControl* view = container->energyDataViewControl();
            EnergyUnits::applyUnits(view, device);
            view->consumptionDisplayControl()->chartDisplay()->setFontFileName(
                Gadgets::Utilities::ChartUtilities::defaultFontFileName());
        }
        setSliderTextFormat(device->id(), valueFormat(device));
    }
    m_tariffTable.retranslate();
    BaseDataControlsController::retranslateUi();
}

void EnergyDevicesController::updateControlsCache()
{
    BaseDataControlsController::updateControlsCache();
    m_tariffModel->readThemeSettings();
}

// Data requests, forwarded to the exchange

void EnergyDevicesController::onGetEnergyData()
{
    m_exchange->startRequest(qobject_cast<EnergyDataContainer*>(sender()));
}

void EnergyDevicesController::onGetEnergyDataCache()
{
    m_exchange->getEnergyDataCache(qobject_cast<EnergyDataContainer*>(sender()));
}

void EnergyDevicesController::onDataResponseTimedOut()
{
    m_exchange->handleTimeOut(qobject_cast<EnergyDeviceInfo*>(sender()));
}

void EnergyDevicesController::onAllResponsesReceived()
{
    auto* record = qobject_cast<EnergyDeviceInfo*>(sender());
    if (!record || !record->device())
        return;
    enableEnergyDataViewControls(record->device()->id(), record->device()->isStatusKnown());
    // A view that moved on while the answers came still shows their
    // progress: it shows what the cache holds for it instead.
    for (EnergyDataContainer* container : energyControls(record->device()->id()))
        if (container->energyDataViewControl()->energyDataStatus() == Gadgets::EnergyDataViewControl::LoadingData)
            m_exchange->getEnergyDataCache(container);
}

} // namespace Corvane::Sentrel::Controllers

#include "SoundController.h"

#include "Controllers/favorites/FavoriteCommandPanel.h"
#include "FavoriteWindow.h"

#include "controls/IconRenderer.h"
#include "controls/SvgContentButton.h"
#include "devices/AmplifierDevice.h"
#include "devices/Configuration.h"
#include "devices/SoundSourceDevice.h"
#include "devices/UserDeviceSettings.h"
#include "favorite/FavoriteControl.h"
#include "log/Logger.h"
#include "models/DropDownItemModel.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationLabels.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/SoundMessage.h"
#include "theme/ThemeProvider.h"

#include <algorithm>
#include <cmath>

namespace Corvane::Sentrel::Controllers {

using Devices::AmplifierDevice;
using Devices::BaseDevice;
using Devices::DeviceAddress;
using Devices::ItemKey;
using Devices::SoundSourceDevice;
using Gadgets::CommandControl;
using Gadgets::ThemeProvider;
using Gadgets::Models::DropDownItemModel;
using Gadgets::Models::NavigationIcon;
using Log::Logger;
using PravikDriver::Address;
using PravikDriver::UserMessages::SoundMessage;

const QString SoundController::ON_BUTTON_ID = QStringLiteral("ON");
const QString SoundController::OFF_BUTTON_ID = QStringLiteral("OFF");
const QString SoundController::NEXT_BUTTON_ID = QStringLiteral("NEXT");
const QString SoundController::PREV_BUTTON_ID = QStringLiteral("PREV");
const int SoundController::AMPLIFIER_MAX_VALUE = 31;
const int SoundController::MAX_AREA = 8;

namespace {

const int ALL_AREAS_SOUND_SYSTEM = 1;
const int STATION_SOURCE_TYPE = 23001;
const int AMPLIFIER_ON = 1;
const int AMPLIFIER_OFF = 2;
// A message for area 0 reaches the first four areas.
const int AREA_ZERO_REACH = 4;
const int NO_SOURCE = -1;

// The area every area command is sent to: its room, no point.
DeviceAddress areaAddress(int area)
{
    return DeviceAddress(area, 0, DeviceAddress::EMPTY_INT_VALUE, DeviceAddress::EMPTY_INT_VALUE, 0, {});
}

DeviceAddress generalAddress()
{
    const int none = DeviceAddress::EMPTY_INT_VALUE;
    return DeviceAddress(DeviceAddress::ADDRESS_GEN, none, none, none, 0, {});
}

QString generalSourceText()
{
    return BaseController::getAddressText(generalAddress(), Address::SoundSource, Address::SoundStatus);
}

void warn(const BaseDevice* device, const QString& field, const QString& problem)
{
    Logger(Logger::Warning) << "Sound device \"" << device->name() << "\" (" << device->id() << "), " << field
                            << ": " << problem;
}

int sliderToVolume(double level)
{
    return int(std::floor(level / 100.0 * SoundController::AMPLIFIER_MAX_VALUE + 0.5));
}

} // namespace

SoundController::SoundController(NavigationWindow* window)
    : BaseController(window)
    , m_ring(navigationControl(),
             [this](CommandControl* ring) {
                 connect(ring, &CommandControl::elementClick, this, &SoundController::onCommandElementClick);
             })
{
    if (navigationControl() && navigationControl()->labels()) {
        connect(navigationControl()->labels(), &Gadgets::NavigationLabels::sliderValueChanged, this,
                &SoundController::onSliderValueChanged);
        connect(navigationControl()->labels(), &Gadgets::NavigationLabels::row2DropDownItemIconClick, this,
                &SoundController::onSourceChanged);
    }
}

SoundController::~SoundController()
{
    // Letting go of an open ring redraws the carousel's labels, whose
    // drop-downs list the source models: that happens while they live.
    Gadgets::NavigationControl* navigation = navigationControl();
    if (navigation && m_ring.isBuilt() && navigation->commandControl1() == m_ring.control()) {
        navigation->clearCommandControls();
        navigation->setCommandControl1ShowProgress(0.0);
    }
    qDeleteAll(m_sourceModels);
    qDeleteAll(m_retiredSourceModels);
}

int SoundController::controlledPageId() const
{
    return SOUND_PAGE_ID;
}

Devices::ConfigPage::PageType SoundController::controlledPageType() const
{
    return Devices::ConfigPage::SoundSystem;
}

PravikDriver::Address::DeviceType SoundController::defaultDeviceType() const
{
    return Address::SoundSource;
}

QString SoundController::elementsSuffix() const
{
    return ThemeProvider::SOUND;
}

int SoundController::loadDevices(const Devices::Configuration* configuration)
{
    clearDevices();
    clearSoundSourcesModels();
    m_ring.clearSelection();
    m_gatewayAllAreasFlags.clear();
    // What the gateways of the previous project reported means nothing for
    // this one: they are asked again.
    m_activeSources.clear();
    m_volumeSliderValues.clear();
    if (configuration) {
        for (const Devices::BaseDeviceProperties* properties : configuration->devices()) {
            const int serverId = configuration->getServerForDevice(properties->id());
            if (const auto* source = dynamic_cast<const Devices::SoundSourceDeviceProperties*>(properties)) {
                if (!m_gatewayAllAreasFlags.contains(serverId))
                    m_gatewayAllAreasFlags.insert(
                        serverId, configuration->soundSystemType(serverId) == ALL_AREAS_SOUND_SYSTEM);
                m_devices.append(new SoundSourceDevice(*source, serverId));
            } else if (const auto* amplifier = dynamic_cast<const Devices::AmplifierDeviceProperties*>(properties)) {
                m_devices.append(new AmplifierDevice(*amplifier, serverId));
            }
        }
    }
    updateNavigationIcons();
    return int(m_devices.size());
}

void SoundController::clearSoundSourcesModels()
{
    // Icons of the previous project may still be on the carousel: the models
    // they point to are freed once the new ones have replaced them.
    m_retiredSourceModels.append(m_sourceModels);
    m_sourceModels.clear();
}

void SoundController::updateNavigationIcons()
{
    m_icons.clear();
    for (const AmplifierDevice* amplifier : getAmplifiers()) {
        const QString renderer =
            isCommandAddress(amplifier->address()) ? ThemeProvider::AMPLIFIER_GROUP : ThemeProvider::AMPLIFIER;
        NavigationIcon icon(renderer, amplifier->name(), amplifier->id());
        icon.setState(amplifier->isStatusKnown() ? NavigationIcon::Normal : NavigationIcon::Uninitialized);
        icon.setWillExpand(true);
        icon.setSupportsValue(true);
        m_icons.append(icon);
    }
}

void SoundController::settingsLoaded()
{
    for (const SoundSourceDevice* source : getSoundSources()) {
        auto* model = new DropDownItemModel(source->id(), source->name());
        connect(model, &DropDownItemModel::textChanged, this, &SoundController::onSourceDescriptionChanged);
        m_sourceModels.append(model);
    }
    resetAmplifiersDropDownModels();
    for (SoundSourceDevice* source : getSoundSources())
        updateUIforDevice(source);
    // Nothing points to the old models any more once the carousel has drawn
    // the new ones.
    for (DropDownItemModel* model : std::as_const(m_retiredSourceModels))
        model->deleteLater();
    m_retiredSourceModels.clear();
}

void SoundController::resetAmplifiersDropDownModels()
{
    for (const AmplifierDevice* amplifier : getAmplifiers())
        setDeviceDropDownItemsModels(amplifier->id(), getSoundSourceModelsForDevice(amplifier->id()));
}

QList<DropDownItemModel*> SoundController::getSoundSourceModelsForDevice(int deviceId) const
{
    const BaseDevice* device = getDeviceById(deviceId);
    QList<DropDownItemModel*> models;
    if (!device)
        return models;
    for (DropDownItemModel* model : m_sourceModels) {
        const BaseDevice* source = getDeviceById(model->id());
        if (source && source->serverId() == device->serverId())
            models.append(model);
    }
    return models;
}

void SoundController::retranslateUi()
{
    BaseController::retranslateUi();
    for (AmplifierDevice* amplifier : getAmplifiers())
        updateUIforDevice(amplifier);
}

QList<SoundSourceDevice*> SoundController::getSoundSources() const
{
    QList<SoundSourceDevice*> sources;
    for (BaseDevice* device : m_devices) {
        if (auto* source = dynamic_cast<SoundSourceDevice*>(device))
            sources.append(source);
    }
    return sources;
}

QList<AmplifierDevice*> SoundController::getAmplifiers() const
{
    QList<AmplifierDevice*> amplifiers;
    for (BaseDevice* device : m_devices) {
        if (auto* amplifier = dynamic_cast<AmplifierDevice*>(device))
            amplifiers.append(amplifier);
    }
    return amplifiers;
}

int SoundController::getDeviceArea(const BaseDevice* device)
{
    const DeviceAddress address = device->address();
    if (address.isAmbient())
        return address.point();
    if (address.isGeneral())
        return 0;
    return address.area();
}

int SoundController::sourceNumber(const BaseDevice* source)
{
    return source->address().area();
}

QList<AmplifierDevice*> SoundController::getAmplifiersBySource(int gatewayId, int sourceNumber) const
{
    QList<AmplifierDevice*> amplifiers;
    for (AmplifierDevice* amplifier : getAmplifiers()) {
        if (amplifier->serverId() == gatewayId
            && m_activeSources.value(ItemKey(gatewayId, getDeviceArea(amplifier)), 0) == sourceNumber)
            amplifiers.append(amplifier);
    }
    return amplifiers;
}

SoundSourceDevice* SoundController::getSourceByAmplifier(const AmplifierDevice* amplifier) const
{
    const int playing =
        m_activeSources.value(ItemKey(amplifier->serverId(), getDeviceArea(amplifier)), NO_SOURCE);
    if (playing == NO_SOURCE)
        return nullptr;
    for (SoundSourceDevice* source : getSoundSources()) {
        if (source->serverId() == amplifier->serverId() && sourceNumber(source) == playing)
            return source;
    }
    return nullptr;
}

QList<CommandControl::ButtonData> SoundController::getDeviceButtons(const BaseDevice* device)
{
    QList<CommandControl::ButtonData> buttons{
        CommandRing::button(ThemeProvider::ON, ON_BUTTON_ID),
        CommandRing::button(ThemeProvider::OFF, OFF_BUTTON_ID),
    };
    const auto* amplifier = dynamic_cast<const AmplifierDevice*>(device);
    if (amplifier && !amplifier->isGeneral()) {
        buttons.append(CommandRing::button(ThemeProvider::PREV_TRACK, PREV_BUTTON_ID));
        buttons.append(CommandRing::button(ThemeProvider::NEXT_TRACK, NEXT_BUTTON_ID));
    }
    return buttons;
}

bool SoundController::handleNavigationIconClicked(const NavigationIcon& icon, int segmentIndex, bool)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation)
        return false;
    const int page = navigation->currentPageId();
    if (page == 0) {
        if (icon.id() != SOUND_PAGE_ID)
            return false;
        showDevicePage(ThemeProvider::SOUND_SYSTEM, true);
        updateSliders(-1);
        return true;
    }
    if (page != SOUND_PAGE_ID || indexOfIcon(icon.id()) < 0)
        return false;
    if (m_ring.closeIfOpenFor(icon.id())) {
        updateSliders(-1);
        return false;
    }
    if (const BaseDevice* device = getDeviceById(icon.id())) {
        m_ring.open(icon, segmentIndex, getDeviceButtons(device));
        updateSliders(segmentIndex);
    }
    // The later controllers refuse the icons of this page.
    return false;
}

void SoundController::pageChanged()
{
    m_ring.clearSelection();
}

void SoundController::updateControlsCache()
{
    BaseController::updateControlsCache();
    // Shown, the ring is refreshed with the carousel it sits on; one not
    // built yet will be built with the new theme.
    if (m_ring.isBuilt() && !m_ring.control()->scene())
        m_ring.control()->updateCachedData();
}

void SoundController::initializeFavorite(FavoriteWindow* window)
{
    BaseController::initializeFavorite(window);
    if (!getDeviceById(window->deviceId()))
        return;
    Gadgets::FavoriteControl* control = window->favoriteControl();
    connect(control, &Gadgets::FavoriteControl::row2DropDownItemIconClick, this,
            &SoundController::onFavoriteSourceChanged);
    control->setSliderVisible(true);
    control->setHideSliderOnCollapse(true);
    // Before the settings are loaded there are no models yet; they reach the
    // favourite with the amplifiers' drop-downs then.
    if (!m_sourceModels.isEmpty())
        control->setLabelDropDownItemsModels(getSoundSourceModelsForDevice(window->deviceId()));
}

void SoundController::handleFavoriteElementClick(FavoriteWindow* window, Gadgets::SvgElement* element)
{
    const BaseDevice* device = getDeviceById(window->deviceId());
    Gadgets::FavoriteControl* control = window->favoriteControl();
    if (device && element && element == control->centerButton()) {
        FavoriteCommandPanel::toggle(control, getDeviceButtons(device));
    } else {
        handleButtonById(device, control->getButtonId(element));
    }
    BaseController::handleFavoriteElementClick(window, element);
}

void SoundController::handleFavoriteSliderChanged(FavoriteWindow* window)
{
    setDeviceLevel(window->deviceId(), window->favoriteControl()->sliderValue());
}

void SoundController::onFavoriteSourceChanged(int, const DropDownItemModel* model)
{
    const QList<FavoriteWindow*> windows = favorites();
    const auto sent = std::find_if(windows.cbegin(), windows.cend(),
                                   [this](FavoriteWindow* window) { return window->favoriteControl() == sender(); });
    if (!model || sent == windows.cend())
        return;
    const auto* amplifier = dynamic_cast<const AmplifierDevice*>(getDeviceById((*sent)->deviceId()));
    const BaseDevice* source = dynamic_cast<const SoundSourceDevice*>(getDeviceById(model->id()));
    if (amplifier && source)
        setAmplifierSource(amplifier, sourceNumber(source));
}

void SoundController::onCommandElementClick(Gadgets::SvgElement* element)
{
    handleButtonById(getDeviceById(m_ring.selectedDeviceId()), m_ring.control()->getButtonId(element));
}

void SoundController::handleButtonById(const BaseDevice* device, const QString& buttonId)
{
    const auto* amplifier = dynamic_cast<const AmplifierDevice*>(device);
    if (!amplifier)
        return;
    if (buttonId == ON_BUTTON_ID || buttonId == OFF_BUTTON_ID) {
        if (PravikDriver::OpenDriver* driver = getDriver(amplifier->serverId()))
            driver->switchAmplifier(getAddressText(amplifier->address(),
                                                   getAddressDeviceType(amplifier->deviceType()), Address::Send),
                                    buttonId == ON_BUTTON_ID, getDeviceArea(amplifier));
    } else if (buttonId == NEXT_BUTTON_ID) {
        handleNextButton(amplifier);
    } else if (buttonId == PREV_BUTTON_ID) {
        handlePrevButton(amplifier);
    }
}

void SoundController::handlePrevButton(const AmplifierDevice* amplifier)
{
    stepSource(amplifier, false);
}

void SoundController::handleNextButton(const AmplifierDevice* amplifier)
{
    stepSource(amplifier, true);
}

// The station of a tuner, else the track of the amplifier's source; a general
// amplifier steps the track of every area.
void SoundController::stepSource(const AmplifierDevice* amplifier, bool forward)
{
    PravikDriver::OpenDriver* driver = getDriver(amplifier->serverId());
    if (!driver)
        return;
    if (amplifier->isGeneral()) {
        forward ? driver->selectNextTrack(generalSourceText()) : driver->selectPrevTrack(generalSourceText());
        return;
    }
    const SoundSourceDevice* source = getSourceByAmplifier(amplifier);
    if (!source)
        return;
    const QString address = getAddressText(source->address(), Address::SoundSource, Address::SoundStatus);
    if (source->kind() == SoundSourceDevice::Tuner)
        forward ? driver->selectNextStation(address) : driver->selectPrevStation(address);
    else
        forward ? driver->selectNextTrack(address) : driver->selectPrevTrack(address);
}

void SoundController::onSliderValueChanged(int segment)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!navigation || navigation->currentPageId() != SOUND_PAGE_ID || !navigation->labels())
        return;
    const int position = navigation->getIconIndexBySegment(segment);
    if (position < 0 || position >= m_icons.size())
        return;
    setDeviceLevel(m_icons.at(position).id(), navigation->labels()->sliderValue(segment));
}

void SoundController::setDeviceLevel(int deviceId, double level)
{
    auto* amplifier = dynamic_cast<AmplifierDevice*>(getDeviceById(deviceId));
    if (!amplifier)
        return;
    level = std::clamp(level, 0.0, 100.0);
    const int volume = sliderToVolume(level);
    m_volumeSliderValues.insert(deviceId, level);
    if (PravikDriver::OpenDriver* driver = getDriver(amplifier->serverId()))
        driver->setAmplifierVolume(getAddressText(amplifier->address(), Address::Amplifier, Address::SoundStatus),
                                   volume);
    if (!isCommandAddress(amplifier->address())) {
        amplifier->setVolume(volume);
        updateUIforDevice(amplifier);
    }
}

void SoundController::onSourceChanged(int segment, int, const DropDownItemModel* model)
{
    Gadgets::NavigationControl* navigation = navigationControl();
    if (!model || !navigation || navigation->currentPageId() != SOUND_PAGE_ID)
        return;
    const int position = navigation->getIconIndexBySegment(segment);
    if (position < 0 || position >= m_icons.size())
        return;
    const auto* amplifier = dynamic_cast<const AmplifierDevice*>(getDeviceById(m_icons.at(position).id()));
    const BaseDevice* source = dynamic_cast<const SoundSourceDevice*>(getDeviceById(model->id()));
    if (amplifier && source)
        setAmplifierSource(amplifier, sourceNumber(source));
}

void SoundController::setAmplifierSource(const AmplifierDevice* amplifier, int number)
{
    PravikDriver::OpenDriver* driver = getDriver(amplifier->serverId());
    if (!driver)
        return;
    const auto sendTo = [&](int area) {
        driver->setAreaSoundSource(getAddressText(areaAddress(area), Address::Amplifier, Address::Send), area,
                                   number);
    };
    if (m_gatewayAllAreasFlags.value(amplifier->serverId()) && amplifier->isGeneral()) {
        for (int area = 1; area <= MAX_AREA; ++area)
            sendTo(area);
        return;
    }
    sendTo(getDeviceArea(amplifier));
}

void SoundController::onSourceDescriptionChanged(const QString& text)
{
    const auto* model = qobject_cast<const DropDownItemModel*>(sender());
    auto* source = model ? dynamic_cast<SoundSourceDevice*>(getDeviceById(model->id())) : nullptr;
    if (!source)
        return;
    source->setCustomName(text);
    // Through the navigation controller, which puts the new name into the
    // user settings before it writes them.
    saveSettings();
    updateUIforDevice(source);
}

void SoundController::fillSettingsForDevice(Devices::UserDeviceSettings& settings, int pageId,
                                            const BaseDevice* device)
{
    BaseController::fillSettingsForDevice(settings, pageId, device);
    if (dynamic_cast<const SoundSourceDevice*>(device) && device->hasCustomName())
        settings.setItemName(device->id(), device->name());
}

void SoundController::loadSettingsForDevice(const Devices::UserDeviceSettings& settings, int pageId,
                                            BaseDevice* device)
{
    BaseController::loadSettingsForDevice(settings, pageId, device);
    const QString name = settings.itemName(device->id());
    if (dynamic_cast<SoundSourceDevice*>(device) && !name.isEmpty())
        device->setCustomName(name);
}

void SoundController::updateDeviceStatus(BaseDevice* device)
{
    BaseController::updateDeviceStatus(device);
    auto* amplifier = dynamic_cast<AmplifierDevice*>(device);
    if (amplifier && isCommandAddress(amplifier->address())) {
        // No gateway keeps a state for a command address: it is usable
        // while its gateway is connected.
        amplifier->setStatusKnown(isServerConnected(amplifier->serverId()));
        amplifier->setIsOn(true);
        updateUIforDevice(amplifier);
        return;
    }
    device->setStatusKnown(false);
    updateUIforDevice(device);
    PravikDriver::OpenDriver* driver = getDriver(device->serverId());
    if (!driver)
        return;
    if (amplifier)
        driver->requestAmplifierStatus(getAddressText(device->address(), Address::Amplifier, Address::SoundStatus));
    else
        driver->requestSourceRDS(getAddressText(device->address(), Address::SoundSource, Address::SoundStatus));
}

void SoundController::updateStatus(int serverId)
{
    const DriverMap gateways = drivers();
    for (auto it = gateways.cbegin(); it != gateways.cend(); ++it) {
        if ((serverId >= 0 && it.key() != serverId) || !it.value())
            continue;
        const QList<SoundSourceDevice*> sources = getSoundSources();
        const bool hasSource = std::any_of(sources.cbegin(), sources.cend(),
                                           [&it](const SoundSourceDevice* s) { return s->serverId() == it.key(); });
        if (!hasSource)
            continue;
        it.value()->requestAvailableSources(generalSourceText(), m_gatewayAllAreasFlags.value(it.key()));
        it.value()->requestTrackStation(generalSourceText());
    }
    BaseController::updateStatus(serverId);
}

void SoundController::soundMessageReceived(const PravikDriver::OpenDriver* driver, const SoundMessage& message,
                                           const PravikDriver::Message&, bool)
{
    if (!isKnownDriver(driver))
        return;
    // Collected first: redrawing never changes the list, but an update may.
    QList<BaseDevice*> reached;
    for (int index : getDeviceIndicesByAddress(message.where(), driver, true))
        reached.append(m_devices.at(index));
    for (BaseDevice* device : std::as_const(reached)) {
        if (auto* amplifier = dynamic_cast<AmplifierDevice*>(device))
            updateAmplifierFromMessage(amplifier, message);
        else if (auto* source = dynamic_cast<SoundSourceDevice*>(device))
            updateSourceFromMessage(source, message);
        updateUIforDevice(device);
    }
}

void SoundController::updateAmplifierFromMessage(AmplifierDevice* amplifier, const SoundMessage& message)
{
    if (message.stateCode() == AMPLIFIER_ON)
        amplifier->setIsOn(true);
    else if (message.stateCode() == AMPLIFIER_OFF)
        amplifier->setIsOn(false);
    if (message.hasVolume() && message.volume() < 0) {
        // No volume at all: the one the amplifier had stays.
        warn(amplifier, QStringLiteral("volume"),
             QStringLiteral("%1 is below 0; %2 kept").arg(message.volume()).arg(amplifier->volume()));
    } else if (message.hasVolume()) {
        const int volume = std::min(message.volume(), AMPLIFIER_MAX_VALUE);
        if (volume != message.volume())
            warn(amplifier, QStringLiteral("volume"),
                 QStringLiteral("%1 is above %2; clamped to %2").arg(message.volume()).arg(AMPLIFIER_MAX_VALUE));
        amplifier->setVolume(volume);
    }
    amplifier->setStatusKnown(true);
}

void SoundController::updateSourceFromMessage(SoundSourceDevice* source, const SoundMessage& message)
{
    const int gateway = source->serverId();
    const int number = sourceNumber(source);
    const bool allAreasGateway = m_gatewayAllAreasFlags.value(gateway);
    if (message.frequency() >= 0) {
        source->setFrequency(message.frequency());
        source->setFrequencyType(message.frequencyType());
        source->setFrequencyChannel(message.frequencyChannel());
    }
    if (message.stationOrTrack() >= 0) {
        if (source->deviceType() == STATION_SOURCE_TYPE)
            source->setStation(message.stationOrTrack());
        else
            source->setTrack(message.stationOrTrack());
    }
    if (message.stateCode() != 0)
        source->setIsOn(message.stateCode() == AMPLIFIER_ON);
    if (message.isAllAreas() && !allAreasGateway) {
        for (int area = 1; area <= MAX_AREA; ++area)
            setActiveSource(gateway, area, number);
    }
    if (!message.rdsText().isEmpty())
        source->setRds(message.rdsText());
    const QList<bool> areas = message.areas();
    bool beyondLastArea = false;
    for (int area = 0; area < areas.size(); ++area) {
        if (!areas.at(area))
            continue;
        if (area > MAX_AREA)
            beyondLastArea = true;
        else
            setActiveSource(gateway, area, number);
    }
    if (beyondLastArea)
        warn(source, QStringLiteral("areas"), QStringLiteral("areas above %1 ignored").arg(MAX_AREA));
    if (message.area() == 0) {
        for (int area = 1; area <= AREA_ZERO_REACH; ++area)
            setActiveSource(gateway, area, number);
    } else if (message.area() > MAX_AREA || (message.hasArea() && message.area() < 0)) {
        warn(source, QStringLiteral("area"), QStringLiteral("%1 is no area; ignored").arg(message.area()));
    } else if (message.area() > 0) {
        if (allAreasGateway) {
            setActiveSource(gateway, message.area(), number);
        } else {
            for (int area = 1; area <= MAX_AREA; ++area)
                setActiveSource(gateway, area, number);
        }
    }
    source->setStatusKnown(true);
}

void SoundController::setActiveSource(int gatewayId, int area, int sourceNumber)
{
    m_activeSources.insert(ItemKey(gatewayId, area), sourceNumber);
}

QString SoundController::selectSourceText() const
{
    return tr("Select sound source");
}

void SoundController::updateUIforDevice(BaseDevice* device)
{
    if (auto* amplifier = dynamic_cast<AmplifierDevice*>(device))
        updateAmplifierUI(amplifier);
    else if (auto* source = dynamic_cast<SoundSourceDevice*>(device))
        updateSourceUI(source);
}

void SoundController::updateAmplifierUI(AmplifierDevice* amplifier)
{
    const int id = amplifier->id();
    NavigationIcon::State state = NavigationIcon::Uninitialized;
    if (amplifier->isStatusKnown())
        state = amplifier->isOn() ? NavigationIcon::Normal : NavigationIcon::Inactive;
    setIconState(id, state);
    const QString renderer =
        isCommandAddress(amplifier->address()) ? ThemeProvider::AMPLIFIER_GROUP : ThemeProvider::AMPLIFIER;
    setIconRenderer(id, Gadgets::Utilities::IconRenderer(ThemeProvider::getRendererFor(renderer), {}));

    // The user's own slider value stays while it still gives the volume the
    // amplifier has; else the slider follows the amplifier.
    const auto stored = m_volumeSliderValues.constFind(id);
    double slider = amplifier->volume() * 100.0 / AMPLIFIER_MAX_VALUE;
    if (stored != m_volumeSliderValues.cend() && sliderToVolume(stored.value()) == amplifier->volume())
        slider = stored.value();
    else if (stored == m_volumeSliderValues.cend() && amplifier->volume() == 0)
        slider = -1;
    setSliderValue(id, slider);

    setSupportsDeviceInfo(id, true);
    const SoundSourceDevice* source = amplifier->isGeneral() ? nullptr : getSourceByAmplifier(amplifier);
    if (source && source->isOn()) {
        bool hasInfo = false;
        QString info;
        deviceInfoFromSource(source, hasInfo, info);
        if (hasInfo)
            setDeviceInfo(id, info);
    } else {
        setDeviceInfo(id, selectSourceText());
    }
}

void SoundController::updateSourceUI(SoundSourceDevice* source)
{
    bool hasInfo = false;
    QString info;
    deviceInfoFromSource(source, hasInfo, info);
    for (const AmplifierDevice* amplifier : getAmplifiersBySource(source->serverId(), sourceNumber(source))) {
        setSupportsDeviceInfo(amplifier->id(), true);
        if (hasInfo && !amplifier->isGeneral())
            setDeviceInfo(amplifier->id(), source->isOn() ? info : selectSourceText());
    }
}

void SoundController::deviceInfoFromSource(const SoundSourceDevice* source, bool& hasInfo, QString& text)
{
    text = source->name();
    switch (source->kind()) {
    case SoundSourceDevice::Tuner: {
        hasInfo = true;
        QString detail = source->rds();
        if (detail.trimmed().isEmpty())
            detail = getFrequencyString(source->frequency(), source->frequencyType());
        if (!detail.isEmpty())
            text += QStringLiteral(" - ") + detail;
        break;
    }
    case SoundSourceDevice::TrackPlayer:
    case SoundSourceDevice::MediaPlayer:
        hasInfo = true;
        // A track the gateway has not reported is not shown.
        if (source->track() >= 0)
            text += tr(" - track #") + QString::number(source->track());
        break;
    default:
        hasInfo = false;
        break;
    }
}

QString SoundController::getFrequencyString(int frequency, int frequencyType)
{
    if (frequency < 0)
        return {};
    const qint64 hertz = qint64(frequency) * 10000;
    const bool megahertz = frequencyType == SoundSourceDevice::Fm || frequencyType == SoundSourceDevice::Sw;
    const double value = std::round(double(hertz) / (megahertz ? 1000000.0 : 1000.0) * 10.0) / 10.0;
    QString band = tr("FM");
    if (frequencyType == SoundSourceDevice::Lw)
        band = tr("LW");
    else if (frequencyType == SoundSourceDevice::Mw)
        band = tr("MW");
    else if (frequencyType == SoundSourceDevice::Sw)
        band = tr("SW");
    return QStringLiteral("%1 %2").arg(QString::number(value, 'g', 6), band);
}

} // namespace Corvane::Sentrel::Controllers

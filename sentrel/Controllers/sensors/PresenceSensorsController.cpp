#include "PresenceSensorsController.h"

#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include "devices/Configuration.h"
#include "devices/PresenceSensorDevice.h"
#include "log/Logger.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/UserMessages/PresenceSensorMessage.h"
#include "theme/ThemeProvider.h"

namespace Corvane::Sentrel::Controllers {

using Devices::BaseDevice;
using Devices::PresenceSensorDevice;
using Gadgets::ThemeProvider;
using Gadgets::Models::NavigationIcon;
using PravikDriver::UserMessages::PresenceSensorMessage;

const int PresenceSensorsController::TICK_INTERVAL = 200;
const int PresenceSensorsController::MAX_HOLD_TIME = 24 * 3600;

namespace {

const int PRESENCE_SENSOR = 21001;
const int PRESENCE_DETECTED = 1;
const int PRESENCE_ENDED = 2;

// 0 means the message gives no hold time; a negative one is no hold time
// either, and one above a day is kept at a day.
void readHoldTime(PresenceSensorDevice* sensor, int holdTime)
{
    if (holdTime == 0)
        return;
    const auto warn = [&](const char* problem) {
        Log::Logger(Log::Logger::Warning) << "presence sensor " << qint64(sensor->id()) << " (" << sensor->name()
                                          << "): hold time " << qint64(holdTime) << " s " << problem;
    };
    if (holdTime < 0) {
        warn("is negative, ignored");
        return;
    }
    if (holdTime > PresenceSensorsController::MAX_HOLD_TIME) {
        warn("is above 24 h, kept at 24 h");
        holdTime = PresenceSensorsController::MAX_HOLD_TIME;
    }
    sensor->setGranularity(holdTime);
}

} // namespace

PresenceSensorsController::PresenceSensorsController(NavigationWindow* window)
    : SensorsPageController(window, ThemeProvider::PRESENCE, ThemeProvider::PRESENCE_SYSTEM)
    , m_timer(Clock::program()->createTimer(this))
{
    m_timer->setInterval(TICK_INTERVAL);
    connect(m_timer, &ClockTimer::timeout, this, &PresenceSensorsController::onTimerTick);
}

PresenceSensorsController::~PresenceSensorsController() = default;

int PresenceSensorsController::controlledPageId() const
{
    return PRESENCE_PAGE_ID;
}

Devices::ConfigPage::PageType PresenceSensorsController::controlledPageType() const
{
    return Devices::ConfigPage::PresenceSensors;
}

PravikDriver::Address::DeviceType PresenceSensorsController::defaultDeviceType() const
{
    return PravikDriver::Address::PresenceSensor;
}

int PresenceSensorsController::loadDevices(const Devices::Configuration* configuration)
{
    // The counts belong to the devices of the project that is closed.
    m_presence.clear();
    m_timer->stop();
    return loadSensors(configuration, PRESENCE_SENSOR,
                       [](const Devices::SensorDeviceProperties& properties, int server) {
                           return new PresenceSensorDevice(properties, server);
                       });
}

void PresenceSensorsController::updateUIforDevice(BaseDevice* device)
{
    const auto* sensor = static_cast<const PresenceSensorDevice*>(device);
    NavigationIcon::State state = NavigationIcon::Uninitialized;
    if (sensor->isStatusKnown())
        state = sensor->isPresenceDetected() ? NavigationIcon::Normal : NavigationIcon::Inactive;
    setIconState(device->id(), state);
}

void PresenceSensorsController::requestSensorStatus(BaseDevice* device)
{
    if (PravikDriver::OpenDriver* driver = getDriver(device->serverId()))
        driver->requestPresenceSensorStatus(getAddressText(device->address()));
}

void PresenceSensorsController::presenceMessageReceived(const PravikDriver::OpenDriver* driver,
                                                        const PresenceSensorMessage& message,
                                                        const PravikDriver::Message&, bool)
{
    if (!isKnownDriver(driver))
        return;
    readSensors<PresenceSensorDevice>(driver, message.where(), [&](PresenceSensorDevice* sensor) {
        const int state = message.presenceState();
        if (state == PRESENCE_DETECTED || state == PRESENCE_ENDED)
            setPresenceDetectedForDevice(sensor, state == PRESENCE_DETECTED, false);
        readHoldTime(sensor, message.granularity());
        return true;
    });
}

void PresenceSensorsController::setPresenceDetectedForDevice(PresenceSensorDevice* device, bool detected,
                                                             bool update)
{
    device->setPresenceDetected(detected);
    if (detected) {
        m_presence.insert(device->id(), 0);
        if (!m_timer->isActive())
            m_timer->start();
    } else {
        m_presence.remove(device->id());
    }
    if (update)
        updateUIforDevice(device);
}

void PresenceSensorsController::onTimerTick()
{
    const QList<int> ids = m_presence.keys();
    for (int id : ids) {
        auto it = m_presence.find(id);
        if (it == m_presence.end())
            continue;
        *it += m_timer->interval();
        auto* device = static_cast<PresenceSensorDevice*>(getDeviceById(id));
        if (!device)
            m_presence.erase(it);
        else if (qint64(*it) >= qint64(device->granularity()) * 1000)
            setPresenceDetectedForDevice(device, false, true);
    }
    if (m_presence.isEmpty())
        m_timer->stop();
}

} // namespace Corvane::Sentrel::Controllers

#include "PseudoDriver.h"

#include "Clock.h"
#include "ClockTimer.h"
#include "HomeMeterRanges.h"

#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"

namespace Corvane::Sentrel {

using PravikDriver::Message;
using namespace PravikDriver::PravikCodes;

PseudoDriver::EnergyDeviceAutoUpdateInfo::EnergyDeviceAutoUpdateInfo(const QString& objectAddress,
                                                                      int dimensionType, ClockTimer* timer)
    : m_objectAddress(objectAddress)
    , m_dimensionType(dimensionType)
    , m_timer(timer)
{
}

PseudoDriver::PseudoDriver(QObject* parent, Clock* clock)
    : OpenDriver(parent)
    , m_clock(Clock::orSystem(clock))
    , m_deviceAnswers(*this, m_random)
    , m_energyAnswers(*this, m_random)
    , m_soundAnswers(*this, m_random)
    , m_loadAnswers(*this, m_random)
{
    setInitialized(true);
}

bool PseudoDriver::isMonitorConnected() const
{
    return true;
}

bool PseudoDriver::isRequest(const Message& received, Message expected)
{
    expected.setPriority(received.priority());
    return received == expected;
}

void PseudoDriver::sendMessage(const Message& message)
{
    respondToMessage(message);
}

void PseudoDriver::respondToMessage(const Message& request)
{
    // The first answer that recognises the request ends the search. Answers
    // of energy meters and loads belong in two places of this order: instant
    // values between the device answers and the automatic updates; totals,
    // series and loads between the automatic updates and the sound system.
    const bool answered = m_deviceAnswers.respond(request)
        || m_energyAnswers.respondToInstantData(request)
        || respondToEnergyAutoUpdate(request)
        || m_energyAnswers.respond(request)
        || m_loadAnswers.respond(request)
        || m_soundAnswers.respond(request);
    if (!answered)
        sendMessageToListeners(request, Message::Empty, false);
}

bool PseudoDriver::respondToEnergyAutoUpdate(const Message& request)
{
    if (request.dimension() != AUTO_UPDATE)
        return false;
    const QList<PravikDriver::Value<int>> parameters = request.parameters();
    if (parameters.size() < 2)
        return false;
    const int energyType = parameters.at(0).value();
    const int period = parameters.at(1).value();
    if (!isRequest(request, Message::createStartAutoUpdateMessage(request.address(), energyType, period)))
        return false;
    // A negative period counts as above the maximum.
    if (uint(period) > uint(AUTO_UPDATE_MAX_PERIOD))
        return false;

    EnergyDeviceAutoUpdateInfo* record = findAutoUpdate(request.address());
    if (!record) {
        const int dimension = instantDimensionOf(energyType);
        if (dimension == 0)
            return false;
        ClockTimer* timer = m_clock->createTimer(this);
        connect(timer, &ClockTimer::timeout, this, &PseudoDriver::onEnergyDeviceAutoUpdate);
        m_autoUpdates.append(EnergyDeviceAutoUpdateInfo(request.address(), dimension, timer));
        record = &m_autoUpdates.last();
    }

    ClockTimer* timer = record->timer();
    if (period == 0) {
        timer->stop();
    } else {
        const int interval = int(qint64(period) * AUTO_UPDATE_FULL_PERIOD / AUTO_UPDATE_MAX_PERIOD);
        if (!timer->isActive())
            timer->start(interval);
        else if (timer->interval() != interval)
            timer->setInterval(interval);
    }

    QList<int> values;
    for (const PravikDriver::Value<int>& parameter : parameters)
        values.append(parameter.value());
    const QString address = record->objectAddress();
    const int dimension = record->dimensionType();
    sendMessageToListeners(
        Message(PravikDriver::PravikEnums::DimensionWrite, request.systemType(), address, 0, AUTO_UPDATE, values, 1),
        Message::Empty, isMonitorConnected());
    if (period > 0)
        sendEnergyInstantDataToEnergyDevice(address, dimension);
    return true;
}

int PseudoDriver::instantDimensionAt(const QString& address) const
{
    for (const EnergyDeviceAutoUpdateInfo& record : m_autoUpdates)
        if (record.objectAddress() == address)
            return record.dimensionType();
    return INSTANT_ENERGY;
}

PseudoDriver::EnergyDeviceAutoUpdateInfo* PseudoDriver::findAutoUpdate(const QString& address)
{
    for (EnergyDeviceAutoUpdateInfo& record : m_autoUpdates) {
        if (record.objectAddress() == address)
            return &record;
    }
    return nullptr;
}

int PseudoDriver::instantDimensionOf(int energyType)
{
    switch (energyType) {
    case PravikDriver::PravikEnums::Electricity:
        return INSTANT_ENERGY;
    case PravikDriver::PravikEnums::Gas:
        return INSTANT_GAS;
    case PravikDriver::PravikEnums::Heat:
        return INSTANT_HEAT;
    case PravikDriver::PravikEnums::Water:
        return INSTANT_WATER;
    default:
        return 0;
    }
}

void PseudoDriver::onEnergyDeviceAutoUpdate()
{
    const QObject* timer = sender();
    if (!timer)
        return;
    // A listener may ask for more updates while one is delivered, which
    // appends to the records: walk a copy.
    const QList<EnergyDeviceAutoUpdateInfo> records = m_autoUpdates;
    for (const EnergyDeviceAutoUpdateInfo& record : records) {
        if (record.timer() == timer)
            sendEnergyInstantDataToEnergyDevice(record.objectAddress(), record.dimensionType());
    }
}

void PseudoDriver::sendEnergyInstantDataToEnergyDevice(const QString& address, int dimensionType)
{
    sendMessageToListeners(Message(PravikDriver::PravikEnums::DimensionValue, PravikDriver::PravikEnums::EnergyManagement,
                                   address, 0, dimensionType,
                                   { m_random.draw(HomeMeterRanges::instantMaximum(dimensionType) + 1) }, 0),
                           Message::Empty, isMonitorConnected());
}

} // namespace Corvane::Sentrel

#include "LoadAnswers.h"

#include "Clock.h"
#include "PseudoDriver.h"
#include "SimulationRandom.h"

#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"

namespace Corvane::Sentrel {

using PravikDriver::Message;
using namespace PravikDriver::PravikCodes;
using namespace PravikDriver::PravikEnums;

namespace {

const int STATUS_BITS = 6;
const int LAST_HOUR = 23;
const int LAST_MINUTE = 59;

// The moment at date and time in the time zone of reference.
QDateTime atDateAndTime(const QDateTime& reference, const QDate& date, const QTime& time)
{
    QDateTime moment = reference;
    moment.setDate(date);
    moment.setTime(time);
    return moment;
}

} // namespace

LoadAnswers::LoadAnswers(PseudoDriver& driver, SimulationRandom& random)
    : m_driver(driver)
    , m_random(random)
{
}

bool LoadAnswers::respond(const Message& request)
{
    return respondToLoadStatus(request) || respondToResetLoad(request) || respondToRefreshLoad(request)
        || respondToForceLoadActuator(request);
}

void LoadAnswers::deliver(const Message& message)
{
    m_driver.sendMessageToListeners(message, Message::Empty, m_driver.isMonitorConnected());
}

bool LoadAnswers::respondToLoadStatus(const Message& request)
{
    if (!PseudoDriver::isRequest(request, Message::createLoadActuatorStatusMessage(request.address())))
        return false;
    // Six state bits, drawn one by one and sent last drawn first.
    QList<int> bits;
    for (int i = 0; i < STATUS_BITS; ++i)
        bits.prepend(m_random.draw() % 2);
    deliver(Message(DimensionValue, request.systemType(), request.address(), 0, LOAD_STATUS, bits, 0));
    return true;
}

bool LoadAnswers::respondToForceLoadActuator(const Message& request)
{
    const int command = request.commandType();
    if (command != LOAD_FORCE_ON && command != LOAD_FORCE_OFF)
        return false;
    const bool on = command == LOAD_FORCE_ON;
    if (!PseudoDriver::isRequest(request, Message::createForceActuatorMessage(request.address(), on)))
        return false;
    // Forced as asked, and enabled.
    deliver(Message(DimensionValue, request.systemType(), request.address(), 0, LOAD_STATUS,
                    { 0, on ? 1 : 0, 0, 0, 0, 1 }, 0));
    return true;
}

int LoadAnswers::counterOf(const Message& request, Message (*factory)(const QString&, int))
{
    for (int counter : { 1, 2 })
        if (PseudoDriver::isRequest(request, factory(request.address(), counter)))
            return counter;
    return 0;
}

QList<int> LoadAnswers::counterValues(int counter, int value, const QDateTime& time)
{
    const QDate date = time.date();
    return { counter, value, date.day(), date.month(), date.year(), time.time().hour(), time.time().minute() };
}

bool LoadAnswers::respondToResetLoad(const Message& request)
{
    const int counter = counterOf(request, &Message::createResetCountersMessage);
    if (counter == 0)
        return false;
    deliver(Message(DimensionValue, request.systemType(), request.address(), 0, LOAD_COUNTER,
                    counterValues(counter, 0, m_driver.clock()->now()), 1));
    return true;
}

bool LoadAnswers::respondToRefreshLoad(const Message& request)
{
    const int counter = counterOf(request, &Message::createAskCountersMessage);
    if (counter == 0)
        return false;
    const QDateTime resetTime = randomResetTime(m_driver.clock()->now());
    const int value = m_random.random(COUNTER_VALUE_MIN, COUNTER_VALUE_MAX);
    deliver(Message(DimensionValue, request.systemType(), request.address(), 0, LOAD_COUNTER,
                    counterValues(counter, value, resetTime), 1));
    return true;
}

QDateTime LoadAnswers::randomResetTime(const QDateTime& now)
{
    const QDate today = now.date();
    const QDate first = today.addYears(-COUNTER_RESET_YEARS_BACK);
    const QDate date = first.addDays(m_random.random(0, int(first.daysTo(today))));
    if (date < today) {
        const int minute = m_random.random(0, LAST_MINUTE);
        const int hour = m_random.random(0, LAST_HOUR);
        return atDateAndTime(now, date, QTime(hour, minute));
    }
    // A counter reset today was reset before now.
    const int hour = m_random.random(0, now.time().hour());
    const int minute = m_random.random(0, hour == now.time().hour() ? now.time().minute() : LAST_MINUTE);
    return atDateAndTime(now, date, QTime(hour, minute));
}

} // namespace Corvane::Sentrel

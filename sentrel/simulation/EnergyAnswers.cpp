#include "EnergyAnswers.h"

#include "Clock.h"
#include "HomeMeterRanges.h"
#include "PseudoDriver.h"
#include "SimulationRandom.h"

#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "utilities/DateUtilities.h"

#include <QHash>

#include <numeric>

namespace Corvane::Sentrel {

using PravikDriver::Message;
using Utilities::DateUtilities;
using namespace PravikDriver::PravikCodes;

namespace {

const int NEW_INTERFACE_HOURS = 25;
// Spreads the address's hash over the key's upper bits.
const quint64 READING_KEY_SPREAD = 0x9E3779B97F4A7C15ull;
const int OLD_DAY_PER_HOUR_FRAMES = 10;
const int OLD_FRAME_END = 255;

QList<int> parameterValues(const Message& request)
{
    QList<int> values;
    for (const PravikDriver::Value<int>& parameter : request.parameters())
        values.append(parameter.value());
    return values;
}

// One count per frame: first, the frames in between, last.
QList<int> fillerCounts(int frames, int first, int middle, int last)
{
    QList<int> counts(frames, middle);
    counts.first() = first;
    counts.last() = last;
    return counts;
}

} // namespace

EnergyAnswers::EnergyAnswers(PseudoDriver& driver, SimulationRandom& random)
    : m_driver(driver)
    , m_random(random)
{
}

bool EnergyAnswers::respond(const Message& request)
{
    return respondToEnergyCurrentDayTotal(request) || respondToEnergyDayPerHour(request)
        || respondToEnergyCurrentMonthTotal(request) || respondToEnergyMonthTotal(request)
        || respondToEnergyMonthPerDay(request) || respondToEnergyMonthPerHour(request)
        || respondToEnergyMonthPerDayPrev(request);
}

void EnergyAnswers::deliver(const Message& message)
{
    m_driver.sendMessageToListeners(message, Message::Empty, m_driver.isMonitorConnected());
}

void EnergyAnswers::deliverValue(const Message& request, int value)
{
    deliver(Message(PravikDriver::PravikEnums::DimensionValue, request.systemType(), request.address(), 0,
                    request.dimension(), { value }, 0));
}

QDateTime EnergyAnswers::now() const
{
    return m_driver.clock()->now();
}

int EnergyAnswers::hourReading(const QString& address, const QDate& date, int hour) const
{
    const quint64 key = quint64(qHash(address)) * READING_KEY_SPREAD
        ^ quint64(date.toJulianDay() * PseudoDriver::HOURS_PER_DAY + hour);
    return HomeMeterRanges::hourReading(m_driver.instantDimensionAt(address), m_random, key);
}

int EnergyAnswers::hoursPassed(const QDate& date) const
{
    const QDateTime current = now();
    if (date > current.date())
        return 0;
    return date == current.date() ? current.time().hour() : PseudoDriver::HOURS_PER_DAY;
}

QList<int> EnergyAnswers::dayHours(const QString& address, const QDate& date) const
{
    const int passed = hoursPassed(date);
    QList<int> hours;
    for (int hour = 0; hour < PseudoDriver::HOURS_PER_DAY; ++hour)
        hours.append(hour < passed ? hourReading(address, date, hour) : 0);
    return hours;
}

int EnergyAnswers::dayTotal(const QString& address, const QDate& date) const
{
    const QList<int> hours = dayHours(address, date);
    return std::accumulate(hours.cbegin(), hours.cend(), 0);
}

int EnergyAnswers::monthTotal(const QString& address, int year, int month) const
{
    int total = 0;
    for (QDate day(year, month, 1); day.isValid() && day.month() == month; day = day.addDays(1))
        total += dayTotal(address, day);
    return total;
}

void EnergyAnswers::deduceMonthPerDayYearDaysCount(int month, bool previousYear, const QDate& today, int& year,
                                                   int& daysCount)
{
    year = today.year() - (previousYear ? 1 : 0);
    if (today.month() < month)
        --year;
    if (year == today.year() && month == today.month())
        daysCount = today.day();
    else
        daysCount = QDate(year, qBound(1, month, 12), 1).daysInMonth();
}

bool EnergyAnswers::respondToInstantData(const Message& request)
{
    const QString address = request.address();
    Message expected;
    switch (request.dimension()) {
    case INSTANT_ENERGY:
        expected = Message::createInstantEnergyMessage(address);
        break;
    case INSTANT_GAS:
        expected = Message::createInstantGasMessage(address);
        break;
    case INSTANT_HEAT:
        expected = Message::createInstantHeatMessage(address);
        break;
    case INSTANT_WATER:
        expected = Message::createInstantWaterMessage(address);
        break;
    default:
        return false;
    }
    if (!PseudoDriver::isRequest(request, expected))
        return false;
    m_driver.sendEnergyInstantDataToEnergyDevice(address, request.dimension());
    return true;
}

bool EnergyAnswers::respondToEnergyCurrentDayTotal(const Message& request)
{
    if (!PseudoDriver::isRequest(request, Message::createCurrentDayTotalMessage(request.address())))
        return false;
    // The hours of today so far: nothing during the first hour of the day.
    deliverValue(request, dayTotal(request.address(), now().date()));
    return true;
}

bool EnergyAnswers::respondToEnergyDayPerHour(const Message& request)
{
    const bool oldInterface = request.commandType() == OLD_DAY_PER_HOUR_REQUEST;
    if (!oldInterface && request.commandType() != NEW_DAY_PER_HOUR_REQUEST)
        return false;
    const QList<int> parameters = parameterValues(request);
    if (parameters.size() != 2)
        return false;
    const int month = parameters.at(0);
    const int day = parameters.at(1);
    const QDate today = now().date();
    const int year = DateUtilities::guessYearFromMonthDay(month, day, today);
    const QDate date(year, month, day);
    if (!date.isValid() || date > today)
        return false;
    if (!PseudoDriver::isRequest(request, Message::createDayPerHourMessage(request.address(), month, day, oldInterface)))
        return false;

    const int systemType = request.systemType();
    const QString address = request.address();
    // The hours of today so far, every hour of a past day.
    const QList<int> hours = dayHours(address, date);
    if (!oldInterface) {
        int sum = 0;
        for (int hour = 1; hour <= PseudoDriver::HOURS_PER_DAY; ++hour) {
            const int value = hours.at(hour - 1);
            sum += value;
            deliver(Message(PravikDriver::PravikEnums::DimensionValue, systemType, address, 0, NEW_DAY_PER_HOUR,
                            { month, day, hour, value }, 2));
        }
        deliver(Message(PravikDriver::PravikEnums::DimensionValue, systemType, address, 0, NEW_DAY_PER_HOUR,
                        { month, day, NEW_INTERFACE_HOURS, sum }, 2));
        return true;
    }

    // Frame 1: a filler and hour 0; frames 2..8: three hours each; frame 9:
    // hours 22 and 23 and a filler; frame 10: a filler and the end mark.
    for (int frame = 1; frame <= OLD_DAY_PER_HOUR_FRAMES; ++frame) {
        QList<int> values { year, month, frame };
        if (frame == 1) {
            values << m_random.draw(FILLER_BOUND) << hours.at(0);
        } else if (frame <= 8) {
            const int first = 1 + (frame - 2) * 3;
            values << hours.mid(first, 3);
        } else if (frame == 9) {
            values << hours.at(22) << hours.at(23) << m_random.draw(FILLER_BOUND);
        } else {
            values << m_random.draw(FILLER_BOUND) << OLD_FRAME_END;
        }
        deliver(Message(PravikDriver::PravikEnums::DimensionValue, systemType, address, 0, OLD_DAY_PER_HOUR, values, 2));
    }
    return true;
}

bool EnergyAnswers::respondToEnergyCurrentMonthTotal(const Message& request)
{
    if (!PseudoDriver::isRequest(request, Message::createCurrentMonthTotalMessage(request.address())))
        return false;
    const QDate today = now().date();
    deliverValue(request, monthTotal(request.address(), today.year(), today.month()));
    return true;
}

bool EnergyAnswers::respondToEnergyMonthTotal(const Message& request)
{
    if (request.dimension() != MONTH_TOTAL)
        return false;
    const QList<int> parameters = parameterValues(request);
    if (parameters.size() != 2)
        return false;
    const int twoDigitYear = parameters.at(0);
    const int month = parameters.at(1);
    if (!PseudoDriver::isRequest(request, Message::createMonthTotalMessage(request.address(), twoDigitYear, month)))
        return false;
    const QDate today = now().date();
    const int year = DateUtilities::guessYearFromTwoDigits(twoDigitYear, today);
    const QDate first(year, month, 1);
    if (!first.isValid())
        return false;
    // The current month has used energy only up to now.
    deliver(Message(PravikDriver::PravikEnums::DimensionValue, request.systemType(), request.address(), 0, MONTH_TOTAL,
                    { twoDigitYear, month, monthTotal(request.address(), year, month) }, 2));
    return true;
}

bool EnergyAnswers::respondToEnergyMonthPerDay(const Message& request)
{
    return respondToEnergyMonthPerDay(request, false);
}

bool EnergyAnswers::respondToEnergyMonthPerDayPrev(const Message& request)
{
    return respondToEnergyMonthPerDay(request, true);
}

bool EnergyAnswers::respondToEnergyMonthPerDay(const Message& request, bool previousYear)
{
    const QList<int> parameters = parameterValues(request);
    const int newCommand = previousYear ? MONTH_PER_DAY_PREV_REQUEST : NEW_MONTH_PER_DAY_REQUEST;
    const QString address = request.address();
    const int systemType = request.systemType();
    if (request.commandType() == newCommand && parameters.size() == 1) {
        const int month = parameters.at(0);
        const Message expected = previousYear ? Message::createMonthPerDayPrevMessage(address, month)
                                              : Message::createMonthPerDayMessage(address, month, false);
        if (!PseudoDriver::isRequest(request, expected))
            return false;
        int year = 0;
        int daysCount = 0;
        deduceMonthPerDayYearDaysCount(month, previousYear, m_driver.clock()->now().date(), year, daysCount);
        const int dimension = previousYear ? NEW_MONTH_PER_DAY_PREV : NEW_MONTH_PER_DAY;
        for (int day = 1; day <= MAX_DAYS_IN_MONTH; ++day) {
            const int value = day <= daysCount ? dayTotal(address, QDate(year, month, day)) : 0;
            deliver(Message(PravikDriver::PravikEnums::DimensionValue, systemType, address, 0, dimension,
                            { month, day, value }, 1));
        }
        return true;
    }
    // The old interface's month per day: recognised by its command alone.
    if (request.commandType() == OLD_MONTH_PER_DAY_REQUEST && parameters.size() == 1) {
        deliverOldFrames(request, OLD_MONTH_PER_DAY, { parameters.at(0) }, fillerCounts(25, 2, 3, 1));
        return true;
    }
    return false;
}

bool EnergyAnswers::respondToEnergyMonthPerHour(const Message& request)
{
    const QList<int> parameters = parameterValues(request);
    if (parameters.size() != 1)
        return false;
    const int month = parameters.at(0);
    const QString address = request.address();
    if (request.commandType() == OLD_MONTH_PER_HOUR_REQUEST) {
        if (!PseudoDriver::isRequest(request, Message::createMonthPerHourMessage(address, month, true)))
            return false;
        deliverOldFrames(request, OLD_MONTH_PER_HOUR, { month }, fillerCounts(19, 2, 3, 1));
        return true;
    }
    if (request.commandType() != NEW_MONTH_PER_HOUR_REQUEST
        || !PseudoDriver::isRequest(request, Message::createMonthPerHourMessage(address, month, false)))
        return false;
    int year = 0;
    int daysCount = 0;
    deduceMonthPerDayYearDaysCount(month, false, now().date(), year, daysCount);
    // Each hour's total over the month's days so far; the last message is
    // the month so far per day, the average the data face shows.
    QList<int> hourTotals(PseudoDriver::HOURS_PER_DAY, 0);
    for (int day = 1; day <= daysCount; ++day) {
        const QList<int> hours = dayHours(address, QDate(year, month, day));
        for (int hour = 0; hour < PseudoDriver::HOURS_PER_DAY; ++hour)
            hourTotals[hour] += hours.at(hour);
    }
    int sum = 0;
    for (int hour = 1; hour <= PseudoDriver::HOURS_PER_DAY; ++hour) {
        const int value = hourTotals.at(hour - 1);
        sum += value;
        deliver(Message(PravikDriver::PravikEnums::DimensionValue, request.systemType(), address, 0,
                        NEW_MONTH_PER_HOUR, { month, hour, value }, 1));
    }
    const int average = daysCount > 0 ? qRound(double(sum) / daysCount) : 0;
    deliver(Message(PravikDriver::PravikEnums::DimensionValue, request.systemType(), address, 0, NEW_MONTH_PER_HOUR,
                    { month, NEW_INTERFACE_HOURS, average }, 1));
    return true;
}

void EnergyAnswers::deliverOldFrames(const Message& request, int dimension, const QList<int>& qualifiers,
                                     const QList<int>& fillersPerFrame)
{
    for (int frame = 1; frame <= fillersPerFrame.size(); ++frame) {
        QList<int> values = qualifiers;
        values << frame;
        for (int filler = 0; filler < fillersPerFrame.at(frame - 1); ++filler)
            values << m_random.draw(FILLER_BOUND);
        deliver(Message(PravikDriver::PravikEnums::DimensionValue, request.systemType(), request.address(), 0, dimension,
                        values, int(qualifiers.size())));
    }
}

} // namespace Corvane::Sentrel

#include "EnergyDataExchange.h"

#include "EnergyDevicesController.h"
#include "EnergyUnits.h"
#include "EnergyDeviceInfo.h"

#include "devices/EnergyDevice.h"
#include "devices/EnergyDeviceCache.h"
#include "energy/EnergyDataContainer.h"
#include "energy/EnergyDataViewControl.h"
#include "log/Logger.h"
#include "pravikdriver/OpenDriver.h"
#include "pravikdriver/PravikCodes.h"
#include "pravikdriver/PravikEnums.h"
#include "pravikdriver/UserMessages/LoadManagementMessage.h"
#include "utilities/DateUtilities.h"

namespace Corvane::Sentrel::Controllers {

using Devices::EnergyDevice;
using Devices::EnergyDeviceCache;
using Gadgets::EnergyDataContainer;
using Gadgets::EnergyDataViewControl;
using Gadgets::Models::EnergyDataViewConfig;
using Models::EnergyDataConversation;
using Models::EnergyDeviceInfo;
using PravikDriver::UserMessages::LoadManagementMessage;
using Utilities::DateUtilities;
using namespace PravikDriver::PravikCodes;
using namespace Gadgets::GadgetsCommon;

namespace {

const int ENERGY_SYSTEM = PravikDriver::PravikEnums::EnergyManagement;

QDate firstOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

bool isSameMonth(const QDate& date, int year, int month)
{
    return date.isValid() && date.year() == year && date.month() == month;
}

} // namespace

EnergyDataExchange::EnergyDataExchange(EnergyDevicesController* controller)
    : m_controller(controller)
{
}

// Labels and series

QStringList EnergyDataExchange::hours()
{
    static const QStringList labels = [] {
        QStringList list;
        for (int hour = 1; hour <= EnergyDevicesController::HOURS_PER_DAY; ++hour)
            list.append(QString::number(hour));
        return list;
    }();
    return labels;
}

QStringList EnergyDataExchange::daysInMonth(const QDate& date)
{
    QStringList labels;
    for (int day = 1; day <= date.daysInMonth(); ++day)
        labels.append(QString::number(day));
    return labels;
}

QStringList EnergyDataExchange::monthsInYear(const QDate& start, const QDate& end, bool withYear)
{
    QStringList labels;
    if (!start.isValid() || !end.isValid())
        return labels;
    for (QDate month = firstOfMonth(start); month <= end; month = month.addMonths(1))
        labels.append(month.toString(withYear ? QStringLiteral("M' / 'yyyy") : QStringLiteral("M")));
    return labels;
}

EnergyDataExchange::Series EnergyDataExchange::valuePairs(const QStringList& labels, const QList<int>& values,
                                                          int dataType, const EnergyDevice* device, int passed)
{
    Series series;
    for (int i = 0; i < labels.size(); ++i) {
        // A slot still to come has no value, not a value of 0.
        if (passed >= 0 && i >= passed) {
            series.append({ labels.at(i), {} });
            continue;
        }
        const double value = i < values.size() ? EnergyDevicesController::convertedEnergyValue(values.at(i), dataType, device) : 0.0;
        series.append({ labels.at(i), { value } });
    }
    return series;
}

int EnergyDataExchange::passedHours(const QDate& day, const QDateTime& current)
{
    return day == current.date() ? current.time().hour() + 1 : EnergyDevicesController::HOURS_PER_DAY;
}

int EnergyDataExchange::passedDays(const QDate& month, const QDate& today)
{
    return isSameMonth(today, month.year(), month.month()) ? today.day() : month.daysInMonth();
}

int EnergyDataExchange::loadMessageTypeToResponseType(int type)
{
    switch (type) {
    case 3:
        return EnergyDataConversation::CurrentDayTotalResponse;
    case 4:
    case 5:
        return EnergyDataConversation::MonthTotalResponse | EnergyDataConversation::AnnualResponse;
    case 6:
        return EnergyDataConversation::MonthPerDayResponse;
    case 7:
        return EnergyDataConversation::MonthPerHourResponse;
    case 8:
        return EnergyDataConversation::DayPerHourResponse;
    default:
        return 0;
    }
}

// Requests

void EnergyDataExchange::startRequest(EnergyDataContainer* container)
{
    EnergyDeviceInfo* record = m_controller->infoForDialog(container);
    if (!record || !record->device() || record->conversation().shouldReceiveResponses()
        || !record->device()->isStatusKnown())
        return;
    EnergyDevice* device = record->device();
    const QDateTime current = m_controller->energyDeviceCurrentDate(device);
    m_controller->enableEnergyDataViewControls(device->id(), false);
    EnergyDataViewControl* view = container->energyDataViewControl();
    view->setLastUpdated(current);

    EnergyDataConversation& conversation = record->conversation();
    conversation.setRequestSender(container);
    const EnergyDataViewConfig config = view->config();
    conversation.setParams(config);
    switch (config.timespanView()) {
    case DailyView:
        requestDay(record, config.dailyViewDate(), current);
        break;
    case MonthlyView:
        requestMonth(record, config.monthlyViewDate(), current);
        break;
    case AnnualView:
        requestYear(record, config.annualViewDate(), current);
        break;
    }
}

// The bits and the time-out are set before the first request goes out: a
// simulated gateway answers inside the request call.
void EnergyDataExchange::requestDay(EnergyDeviceInfo* record, const QDate& day, const QDateTime& current)
{
    EnergyDataConversation& conversation = record->conversation();
    conversation.addResponseToReceive(EnergyDataConversation::CurrentDayTotalResponse
                                      | EnergyDataConversation::DayPerHourResponse);
    conversation.markDataAsSentReceived(true);
    const EnergyDevice* device = record->device();
    PravikDriver::OpenDriver* driver = m_controller->getDriver(device->serverId());
    if (!driver)
        return;
    const QString address = m_controller->addressText(device);
    const bool oldInterface = !device->isNewInterfaceInUse();
    if (day == current.date())
        driver->requestCurrentDayTotal(address);
    driver->clearPendingResponseMessages(ENERGY_SYSTEM, address, oldInterface ? OLD_DAY_PER_HOUR : NEW_DAY_PER_HOUR);
    driver->requestDayPerHour(address, day.month(), day.day(), oldInterface);
}

void EnergyDataExchange::requestMonth(EnergyDeviceInfo* record, const QDate& month, const QDateTime& current)
{
    EnergyDataConversation& conversation = record->conversation();
    const bool inLastYear = DateUtilities::isDateInLastYear(month, current.date());
    conversation.addResponseToReceive(EnergyDataConversation::MonthTotalResponse
                                      | EnergyDataConversation::MonthPerDayResponse
                                      | (inLastYear ? EnergyDataConversation::MonthPerHourResponse : 0));
    conversation.markDataAsSentReceived(true);
    const EnergyDevice* device = record->device();
    PravikDriver::OpenDriver* driver = m_controller->getDriver(device->serverId());
    if (!driver)
        return;
    const QString address = m_controller->addressText(device);
    const bool oldInterface = !device->isNewInterfaceInUse();
    if (isSameMonth(current.date(), month.year(), month.month()))
        driver->requestCurrentMonthTotal(address);
    else
        driver->requestMonthTotal(address, month.year() % 100, month.month());
    if (inLastYear) {
        driver->clearPendingResponseMessages(ENERGY_SYSTEM, address, oldInterface ? OLD_MONTH_PER_DAY : NEW_MONTH_PER_DAY);
        driver->requestMonthPerDay(address, month.month(), oldInterface);
        driver->clearPendingResponseMessages(ENERGY_SYSTEM, address,
                                             oldInterface ? OLD_MONTH_PER_HOUR : NEW_MONTH_PER_HOUR);
        driver->requestMonthPerHour(address, month.month(), oldInterface);
    } else {
        driver->clearPendingResponseMessages(ENERGY_SYSTEM, address, NEW_MONTH_PER_DAY_PREV);
        driver->requestMonthPerDayPrev(address, month.month());
    }
}

void EnergyDataExchange::requestYear(EnergyDeviceInfo* record, int annualViewDate, const QDateTime& current)
{
    const QDate currentMonth = firstOfMonth(current.date());
    const bool lastTwelve = annualViewDate == LastTwelveMonths;
    const QDate first = currentMonth.addMonths(lastTwelve ? -11 : -23);
    const QDate last = currentMonth.addMonths(lastTwelve ? 0 : -12);
    EnergyDataConversation& conversation = record->conversation();
    conversation.addResponseToReceive(EnergyDataConversation::AnnualResponse);
    conversation.markAnnualEnergyDataRequested(first, last);
    conversation.markDataAsSentReceived(true);
    const EnergyDevice* device = record->device();
    PravikDriver::OpenDriver* driver = m_controller->getDriver(device->serverId());
    if (!driver)
        return;
    const QString address = m_controller->addressText(device);
    for (QDate month = first; month <= last; month = month.addMonths(1))
        driver->requestMonthTotal(address, month.year() % 100, month.month());
    if (lastTwelve)
        driver->requestCurrentMonthTotal(address);
}

// Drawing from the cache

void EnergyDataExchange::getEnergyDataCache(EnergyDataContainer* container)
{
    const EnergyDeviceInfo* record = m_controller->infoForDialog(container);
    if (!record || !record->device())
        return;
    const EnergyDevice* device = record->device();
    EnergyDataViewControl* view = container->energyDataViewControl();
    if (device->hasValue())
        view->setInstantConsumption(EnergyUnits::instantText(device, view->dataType()));
    const EnergyDataViewConfig config = view->config();
    switch (config.timespanView()) {
    case DailyView:
        drawDay(view, device, config.dailyViewDate());
        break;
    case MonthlyView:
        drawMonth(view, device, config.monthlyViewDate());
        break;
    case AnnualView: {
        const EnergyDeviceCache::AnnualEntry* entry =
            device->cache() ? device->cache()->findAnnual(config.annualViewDate()) : nullptr;
        if (entry)
            setAnnualEnergyData(container, device, entry->firstMonth, entry->lastMonth, entry->monthTotals,
                                entry->sum(), entry->lastUpdated);
        else
            clearView(view);
        break;
    }
    }
}

void EnergyDataExchange::drawDay(EnergyDataViewControl* view, const EnergyDevice* device, const QDate& day)
{
    const EnergyDeviceCache::DailyEntry* entry = device->cache() ? device->cache()->findDaily(day) : nullptr;
    if (!entry) {
        clearView(view);
        return;
    }
    const int dataType = view->dataType();
    const int passed = passedHours(day, m_controller->energyDeviceCurrentDate(device));
    view->setConsumptionDisplayData(valuePairs(hours(), entry->hours, dataType, device, passed));
    view->setTotalConsumption(
        entry->totalSet ? EnergyUnits::twoDecimals(EnergyDevicesController::convertedEnergyValue(entry->total, dataType, device))
                        : QString());
    view->setLastUpdated(entry->lastUpdated);
}

void EnergyDataExchange::drawMonth(EnergyDataViewControl* view, const EnergyDevice* device, const QDate& month)
{
    const EnergyDeviceCache* cache = device->cache();
    const EnergyDeviceCache::MonthlyEntry* entry = cache ? cache->findMonthly(month.year(), month.month()) : nullptr;
    if (!entry) {
        clearView(view);
        return;
    }
    const bool perDay = view->monthlyViewMode() == MonthlyViewDays;
    const EnergyDeviceCache::PeriodEntry* period = cache->findMonthlyPeriod(
        month.year(), month.month(), perDay ? EnergyDeviceCache::PerDay : EnergyDeviceCache::PerHour);
    const int dataType = view->dataType();
    Series series;
    QString average;
    QDateTime lastUpdated = entry->totalLastUpdated;
    if (period && period->valuesSet && perDay)
        series = valuePairs(daysInMonth(month), period->values, dataType, device,
                            passedDays(month, m_controller->energyDeviceCurrentDate(device).date()));
    else if (period && period->valuesSet)
        series = valuePairs(hours(), period->values, dataType, device);
    if (period && period->averageSet)
        average = EnergyUnits::twoDecimals(EnergyDevicesController::convertedEnergyValue(period->average, dataType, device));
    if (period && (period->valuesSet || period->averageSet))
        lastUpdated = period->lastUpdated;
    view->setConsumptionDisplayData(series);
    view->setAverageConsumption(average);
    view->setLastUpdated(lastUpdated);
    view->setTotalConsumption(
        entry->totalSet ? EnergyUnits::twoDecimals(EnergyDevicesController::convertedEnergyValue(entry->total, dataType, device))
                        : QString());
}

void EnergyDataExchange::setAnnualEnergyData(EnergyDataContainer* container, const EnergyDevice* device,
                                             const QDate& firstMonth, const QDate& lastMonth,
                                             const QMap<QDate, int>& monthTotals, qint64 total,
                                             const QDateTime& lastUpdated)
{
    EnergyDataViewControl* view = container->energyDataViewControl();
    QList<int> values;
    const bool range = firstMonth.isValid() && lastMonth.isValid() && firstMonth < lastMonth;
    if (range)
        for (QDate month = firstMonth; month <= lastMonth; month = month.addMonths(1))
            values.append(monthTotals.value(month, 0));
    const QStringList tableLabels = range ? monthsInYear(firstMonth, lastMonth, true) : QStringList();
    const QStringList chartLabels = range ? monthsInYear(firstMonth, lastMonth, false) : QStringList();
    const int dataType = view->dataType();
    view->setConsumptionDisplayData(valuePairs(tableLabels, values, dataType, device), TableDisplay);
    view->setConsumptionDisplayData(valuePairs(chartLabels, values, dataType, device), ChartDisplay);
    view->setTotalConsumption(EnergyUnits::twoDecimals(EnergyDevicesController::convertedEnergyValue(double(total), dataType, device)));
    view->setLastUpdated(lastUpdated);
}

void EnergyDataExchange::clearView(EnergyDataViewControl* view)
{
    view->setConsumptionDisplayData(Series());
    view->setTotalConsumption(QString());
    view->setAverageConsumption(QString());
    view->setLastUpdated(QDateTime());
}

// Answers

void EnergyDataExchange::handleAnswer(EnergyDevice* device, const LoadManagementMessage& message)
{
    EnergyDeviceInfo* record = m_controller->infoForDevice(device);
    if (!record || !device->cache())
        return;
    const QDateTime current = m_controller->energyDeviceCurrentDate(device);
    const QList<int> values = message.values();
    switch (message.type()) {
    case 3:
        if (!values.isEmpty())
            handleDayTotal(record, values.first(), current);
        break;
    case 4:
    case 5: {
        if (values.size() != 1)
            break;
        int year = current.date().year();
        int month = current.date().month();
        if (message.type() == 5) {
            year = DateUtilities::guessYearFromTwoDigits(message.year(), current.date());
            month = message.month();
        }
        if (!QDate(year, month, 1).isValid())
            break;
        if (!updateAnnualEnergyDataIfNeeded(record, year, month, values.first(), current))
            updateMonthTotalEnergyData(record, year, month, values.first(), current);
        break;
    }
    case 6:
        handleMonthPerDay(record, message, current);
        break;
    case 7:
        handleMonthPerHour(record, message, current);
        break;
    case 8:
        handleDayPerHour(record, message, current);
        break;
    default:
        break;
    }
}

bool EnergyDataExchange::takeDayAnswer(EnergyDeviceInfo* record, const QDate& day, int response)
{
    EnergyDataConversation& conversation = record->conversation();
    const EnergyDataViewConfig& asked = conversation.params();
    if (!conversation.shouldReceiveResponse(response) || asked.timespanView() != DailyView
        || asked.dailyViewDate() != day)
        return false;
    conversation.markResponseReceived(response);
    return true;
}

bool EnergyDataExchange::takeMonthAnswer(EnergyDeviceInfo* record, int year, int month, int response)
{
    EnergyDataConversation& conversation = record->conversation();
    const EnergyDataViewConfig& asked = conversation.params();
    if (!conversation.shouldReceiveResponse(response) || asked.timespanView() != MonthlyView
        || !isSameMonth(asked.monthlyViewDate(), year, month))
        return false;
    conversation.markResponseReceived(response);
    return true;
}

void EnergyDataExchange::redrawAskingView(EnergyDeviceInfo* record)
{
    const EnergyDataConversation& conversation = record->conversation();
    EnergyDataContainer* sender = conversation.requestSender();
    if (sender && sender->energyDataViewControl()->config() == conversation.params())
        getEnergyDataCache(sender);
}

void EnergyDataExchange::handleDayTotal(EnergyDeviceInfo* record, int value, const QDateTime& current)
{
    const QDate today = current.date();
    record->device()->cache()->setDailyTotal(today, value, current);
    if (takeDayAnswer(record, today, EnergyDataConversation::CurrentDayTotalResponse))
        redrawAskingView(record);
}

void EnergyDataExchange::handleDayPerHour(EnergyDeviceInfo* record, const LoadManagementMessage& message,
                                          const QDateTime& current)
{
    const QDate day(DateUtilities::guessYearFromMonthDay(message.month(), message.day(), current.date()),
                    message.month(), message.day());
    QList<int> hourly = message.values();
    if (!day.isValid() || hourly.isEmpty())
        return;
    const int dayTotal = hourly.takeLast();
    const bool today = day == current.date();
    EnergyDeviceCache* cache = record->device()->cache();
    cache->setDailyHours(day, hourly, current);
    // Today's total comes with its own answer; a past day's with its hours.
    if (!today)
        cache->setDailyTotal(day, dayTotal, current);
    bool taken = takeDayAnswer(record, day, EnergyDataConversation::DayPerHourResponse);
    if (!today)
        taken = takeDayAnswer(record, day, EnergyDataConversation::CurrentDayTotalResponse) || taken;
    if (taken)
        redrawAskingView(record);
}

void EnergyDataExchange::handleMonthPerDay(EnergyDeviceInfo* record, const LoadManagementMessage& message,
                                           const QDateTime& current)
{
    int year = DateUtilities::guessYearFromMonth(message.month(), current.date());
    // The previous year's days of a month are kept under their own year.
    if (message.dimension() == NEW_MONTH_PER_DAY_PREV)
        --year;
    if (year <= 0)
        return;
    record->device()->cache()->setMonthlyValues(year, message.month(), EnergyDeviceCache::PerDay, message.values(),
                                                current);
    if (takeMonthAnswer(record, year, message.month(), EnergyDataConversation::MonthPerDayResponse))
        redrawAskingView(record);
}

void EnergyDataExchange::handleMonthPerHour(EnergyDeviceInfo* record, const LoadManagementMessage& message,
                                            const QDateTime& current)
{
    const int year = DateUtilities::guessYearFromMonth(message.month(), current.date());
    if (year <= 0)
        return;
    EnergyDeviceCache* cache = record->device()->cache();
    QList<int> values = message.values();
    // The new interface ends its hours with the month's per-day average.
    if (message.dimension() == NEW_MONTH_PER_HOUR && !values.isEmpty()) {
        const int average = values.takeLast();
        cache->setMonthlyAverage(year, message.month(), EnergyDeviceCache::PerHour, average, current);
        cache->setMonthlyAverage(year, message.month(), EnergyDeviceCache::PerDay, average, current);
    }
    cache->setMonthlyValues(year, message.month(), EnergyDeviceCache::PerHour, values, current);
    if (takeMonthAnswer(record, year, message.month(), EnergyDataConversation::MonthPerHourResponse))
        redrawAskingView(record);
}

// A month of the annual range counts once, however often it comes; months
// outside the range are not the year's.
bool EnergyDataExchange::updateAnnualEnergyDataIfNeeded(EnergyDeviceInfo* record, int year, int month, int value,
                                                        const QDateTime& current)
{
    EnergyDataConversation& conversation = record->conversation();
    const QDate monthStart(year, month, 1);
    const QDate first = conversation.annualStartDate();
    const QDate last = conversation.annualEndDate();
    if (!conversation.shouldReceiveAnnualEnergyData() || monthStart < first || monthStart > last)
        return false;
    EnergyDeviceCache::AnnualEntry& entry = record->device()->cache()->annual(conversation.params().annualViewDate());
    if (conversation.annualResponsesReceived() == 0)
        entry.setRange(first, last);
    const bool newMonth = !entry.monthTotals.contains(monthStart);
    entry.storeMonth(monthStart, value);
    entry.lastUpdated = current;
    if (newMonth)
        conversation.markAnnualResponseReceived();
    setReceivedDataProgress(record, 0, EnergyDevicesController::MONTHS_PER_YEAR, conversation.annualResponsesReceived(), 0);
    if (conversation.annualResponsesLeft() == 0) {
        EnergyDataContainer* sender = conversation.requestSender();
        if (sender && sender->energyDataViewControl()->config() == conversation.params())
            setAnnualEnergyData(sender, record->device(), entry.firstMonth, entry.lastMonth, entry.monthTotals,
                                entry.sum(), entry.lastUpdated);
    }
    return true;
}

void EnergyDataExchange::updateMonthTotalEnergyData(EnergyDeviceInfo* record, int year, int month, int value,
                                                    const QDateTime& current)
{
    const EnergyDevice* device = record->device();
    EnergyDeviceCache* cache = device->cache();
    cache->setMonthlyTotal(year, month, value, current);
    const QDate monthStart(year, month, 1);
    const bool inLastYear = DateUtilities::isDateInLastYear(monthStart, current.date());
    // A new-interface meter sends the average of a recent month with its
    // hours; for others it is the total over the days so far.
    if (!device->isNewInterfaceInUse() || !inLastYear) {
        const int days = isSameMonth(current.date(), year, month) ? current.date().day() : monthStart.daysInMonth();
        const double average = days > 0 ? double(value) / days : 0.0;
        cache->setMonthlyAverage(year, month, EnergyDeviceCache::PerDay, average, current);
        if (!device->isNewInterfaceInUse() && inLastYear)
            cache->setMonthlyAverage(year, month, EnergyDeviceCache::PerHour, average, current);
    }
    if (takeMonthAnswer(record, year, month, EnergyDataConversation::MonthTotalResponse))
        redrawAskingView(record);
}

// Progress and time-out

void EnergyDataExchange::handleProgress(const PravikDriver::OpenDriver* driver, int dimension, const QString& address,
                                        double minimum, double maximum, double value, int decimals)
{
    const int type = LoadManagementMessage::dimensionTypeToMessageType(dimension);
    if (type < 6 || type > 8)
        return;
    for (int index : m_controller->getDeviceIndicesByAddress(address, driver, false)) {
        EnergyDevice* device = m_controller->energyDeviceAt(index);
        EnergyDeviceInfo* record = m_controller->infoForDevice(device);
        if (!record || (record->conversation().responsesToReceive() & loadMessageTypeToResponseType(type)) == 0)
            continue;
        const bool newInterface = device->isNewInterfaceInUse();
        if (type == 8) {
            setReceivedDataProgress(record, minimum, maximum, value, decimals);
        } else if (type == 7) {
            // One bar runs over the days' answer and then the hours'.
            const int days = LoadManagementMessage::messagesCount(newInterface ? NEW_MONTH_PER_DAY : OLD_MONTH_PER_DAY);
            setReceivedDataProgress(record, minimum, maximum + days, value + days, decimals);
        } else if (DateUtilities::isDateInLastYear(record->conversation().params().monthlyViewDate(),
                                                   m_controller->energyDeviceCurrentDate(device).date())) {
            const int hourFrames =
                LoadManagementMessage::messagesCount(newInterface ? NEW_MONTH_PER_HOUR : OLD_MONTH_PER_HOUR);
            setReceivedDataProgress(record, minimum, maximum + hourFrames, value, decimals);
        } else {
            setReceivedDataProgress(record, minimum, maximum, value, decimals);
        }
    }
}

void EnergyDataExchange::setReceivedDataProgress(EnergyDeviceInfo* record, double minimum, double maximum,
                                                 double value, int decimals)
{
    EnergyDataContainer* sender = record->conversation().requestSender();
    if (!sender)
        return;
    EnergyDataViewControl* view = sender->energyDataViewControl();
    view->setProgressRange(minimum, maximum);
    view->setProgress(value);
    view->setProgressDecimalsCount(decimals);
}

void EnergyDataExchange::handleTimeOut(EnergyDeviceInfo* record)
{
    if (!record || !record->device())
        return;
    EnergyDataConversation& conversation = record->conversation();
    if (conversation.shouldReceiveResponses())
        conversation.clearResponsesToReceive();
    const EnergyDevice* device = record->device();
    Log::Logger(Log::Logger::Warning) << "Energy meter \"" << device->name()
                                      << "\": its gateway did not answer the data request in time";
    for (EnergyDataContainer* container : m_controller->energyControls(device->id())) {
        container->energyDataViewControl()->enableControls(device->isStatusKnown());
        container->energyDataViewControl()->rollbackProgress();
        getEnergyDataCache(container);
    }
}

} // namespace Corvane::Sentrel::Controllers

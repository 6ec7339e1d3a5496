#include "EnergyDeviceCache.h"

namespace Corvane::Devices {

namespace {

const int MONTHS_PER_YEAR = 12;

QDate firstOfMonth(const QDate& date)
{
    return QDate(date.year(), date.month(), 1);
}

} // namespace

void EnergyDeviceCache::AnnualEntry::clear()
{
    firstMonth = QDate();
    lastMonth = QDate();
    monthTotals.clear();
    lastUpdated = QDateTime();
}

void EnergyDeviceCache::AnnualEntry::setRange(const QDate& first, const QDate& last)
{
    clear();
    firstMonth = firstOfMonth(first);
    lastMonth = firstOfMonth(last);
}

bool EnergyDeviceCache::AnnualEntry::isInRange(const QDate& month) const
{
    const QDate key = firstOfMonth(month);
    return firstMonth.isValid() && key >= firstMonth && key <= lastMonth;
}

bool EnergyDeviceCache::AnnualEntry::storeMonth(const QDate& month, int total)
{
    if (!month.isValid() || !isInRange(month))
        return false;
    monthTotals.insert(firstOfMonth(month), total);
    return true;
}

bool EnergyDeviceCache::AnnualEntry::isComplete() const
{
    return monthTotals.size() >= MONTHS_PER_YEAR;
}

qint64 EnergyDeviceCache::AnnualEntry::sum() const
{
    qint64 total = 0;
    for (int value : monthTotals)
        total += value;
    return total;
}

EnergyDeviceCache::DailyEntry& EnergyDeviceCache::daily(const QDate& day)
{
    return m_daily[day];
}

EnergyDeviceCache::MonthlyEntry& EnergyDeviceCache::monthly(int year, int month)
{
    return m_monthly[monthKey(year, month)];
}

EnergyDeviceCache::PeriodEntry& EnergyDeviceCache::monthlyPeriod(int year, int month,
                                                                 MonthlyPeriod period)
{
    return monthly(year, month).periods[period];
}

EnergyDeviceCache::AnnualEntry& EnergyDeviceCache::annual(int annualViewDate)
{
    return m_annual[annualViewDate];
}

const EnergyDeviceCache::DailyEntry* EnergyDeviceCache::findDaily(const QDate& day) const
{
    const auto it = m_daily.constFind(day);
    return it != m_daily.cend() ? &*it : nullptr;
}

const EnergyDeviceCache::MonthlyEntry* EnergyDeviceCache::findMonthly(int year, int month) const
{
    const auto it = m_monthly.constFind(monthKey(year, month));
    return it != m_monthly.cend() ? &*it : nullptr;
}

const EnergyDeviceCache::PeriodEntry* EnergyDeviceCache::findMonthlyPeriod(int year, int month,
                                                                           MonthlyPeriod period) const
{
    const MonthlyEntry* entry = findMonthly(year, month);
    if (!entry)
        return nullptr;
    const auto it = entry->periods.constFind(period);
    return it != entry->periods.cend() ? &*it : nullptr;
}

const EnergyDeviceCache::AnnualEntry* EnergyDeviceCache::findAnnual(int annualViewDate) const
{
    const auto it = m_annual.constFind(annualViewDate);
    return it != m_annual.cend() ? &*it : nullptr;
}

void EnergyDeviceCache::setDailyHours(const QDate& day, const QList<int>& hours,
                                      const QDateTime& updated)
{
    DailyEntry& entry = daily(day);
    entry.hours = hours;
    entry.lastUpdated = updated;
}

void EnergyDeviceCache::setDailyTotal(const QDate& day, int total, const QDateTime& updated)
{
    DailyEntry& entry = daily(day);
    entry.total = total;
    entry.totalSet = true;
    entry.lastUpdated = updated;
}

void EnergyDeviceCache::setMonthlyTotal(int year, int month, int total, const QDateTime& updated)
{
    MonthlyEntry& entry = monthly(year, month);
    entry.total = total;
    entry.totalSet = true;
    entry.totalLastUpdated = updated;
}

void EnergyDeviceCache::setMonthlyValues(int year, int month, MonthlyPeriod period,
                                         const QList<int>& values, const QDateTime& updated)
{
    PeriodEntry& entry = monthlyPeriod(year, month, period);
    entry.values = values;
    entry.valuesSet = true;
    entry.lastUpdated = updated;
}

void EnergyDeviceCache::setMonthlyAverage(int year, int month, MonthlyPeriod period,
                                          double average, const QDateTime& updated)
{
    PeriodEntry& entry = monthlyPeriod(year, month, period);
    entry.average = average;
    entry.averageSet = true;
    entry.lastUpdated = updated;
}

void EnergyDeviceCache::clear()
{
    m_daily.clear();
    m_monthly.clear();
    m_annual.clear();
}

} // namespace Corvane::Devices

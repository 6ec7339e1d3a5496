#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>

namespace Corvane::Devices {

// The consumption data received for one meter, so a view can be drawn again
// without asking the gateway: per day (hourly values and the day's total),
// per month (total, per-day and per-hour figures) and per year (the twelve
// month totals of the previous or the last twelve months).
class EnergyDeviceCache
{
public:
    struct DailyEntry
    {
        QList<int> hours;
        int total = 0;
        bool totalSet = false;
        QDateTime lastUpdated;
    };

    // The per-day (PerDay) or per-hour (PerHour) figures of a month.
    struct PeriodEntry
    {
        QList<int> values;
        bool valuesSet = false;
        double average = 0.0;
        bool averageSet = false;
        QDateTime lastUpdated;
    };

    enum MonthlyPeriod {
        PerDay = 0,
        PerHour = 1,
    };

    struct MonthlyEntry
    {
        int total = 0;
        bool totalSet = false;
        QDateTime totalLastUpdated;
        QHash<int, PeriodEntry> periods;
    };

    // Months are keyed by their first day.
    struct AnnualEntry
    {
        QDate firstMonth;
        QDate lastMonth;
        QMap<QDate, int> monthTotals;
        QDateTime lastUpdated;

        void clear();
        void setRange(const QDate& first, const QDate& last);
        bool isInRange(const QDate& month) const;
        // Stores a month of the range; months outside it are refused.
        bool storeMonth(const QDate& month, int total);
        bool isComplete() const;
        qint64 sum() const;
    };

    // The entries, created empty on first use.
    DailyEntry& daily(const QDate& day);
    MonthlyEntry& monthly(int year, int month);
    PeriodEntry& monthlyPeriod(int year, int month, MonthlyPeriod period);
    AnnualEntry& annual(int annualViewDate);

    // The entries if present; null otherwise. Nothing is created, so that
    // drawing a view leaves the cache as it was.
    const DailyEntry* findDaily(const QDate& day) const;
    const MonthlyEntry* findMonthly(int year, int month) const;
    const PeriodEntry* findMonthlyPeriod(int year, int month, MonthlyPeriod period) const;
    const AnnualEntry* findAnnual(int annualViewDate) const;
    bool hasAnnual(int annualViewDate) const { return m_annual.contains(annualViewDate); }

    bool hasDaily(const QDate& day) const { return m_daily.contains(day); }
    bool hasMonthly(int year, int month) const { return m_monthly.contains(monthKey(year, month)); }

    void setDailyHours(const QDate& day, const QList<int>& hours, const QDateTime& updated);
    void setDailyTotal(const QDate& day, int total, const QDateTime& updated);
    void setMonthlyTotal(int year, int month, int total, const QDateTime& updated);
    void setMonthlyValues(int year, int month, MonthlyPeriod period, const QList<int>& values,
                          const QDateTime& updated);
    void setMonthlyAverage(int year, int month, MonthlyPeriod period, double average,
                           const QDateTime& updated);

    void clear();

private:
    static int monthKey(int year, int month) { return year * 100 + month; }

    QHash<QDate, DailyEntry> m_daily;
    QHash<int, MonthlyEntry> m_monthly;
    QHash<int, AnnualEntry> m_annual;
};

} // namespace Corvane::Devices

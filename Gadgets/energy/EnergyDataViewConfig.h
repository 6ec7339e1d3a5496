#pragma once

#include "energy/GadgetsCommon.h"

#include <QDate>

namespace Corvane::Gadgets::Models {

// Names one energy view: the time span shown and the day, month or period in
// it. Two configurations are equal when their active view shows the same
// thing; the fields the active view does not use take no part.
class EnergyDataViewConfig
{
public:
    EnergyDataViewConfig() = default;
    EnergyDataViewConfig(GadgetsCommon::TimespanView timespanView, const QDate& dailyViewDate,
                         const QDate& monthlyViewDate, GadgetsCommon::AnnualViewDate annualViewDate);

    GadgetsCommon::TimespanView timespanView() const { return m_timespanView; }
    void setTimespanView(GadgetsCommon::TimespanView view) { m_timespanView = view; }
    QDate dailyViewDate() const { return m_dailyViewDate; }
    void setDailyViewDate(const QDate& date) { m_dailyViewDate = date; }
    QDate monthlyViewDate() const { return m_monthlyViewDate; }
    void setMonthlyViewDate(const QDate& date) { m_monthlyViewDate = date; }
    GadgetsCommon::AnnualViewDate annualViewDate() const { return m_annualViewDate; }
    void setAnnualViewDate(GadgetsCommon::AnnualViewDate date) { m_annualViewDate = date; }

    bool operator==(const EnergyDataViewConfig& other) const;
    bool operator!=(const EnergyDataViewConfig& other) const { return !(*this == other); }

private:
    GadgetsCommon::TimespanView m_timespanView = GadgetsCommon::DailyView;
    QDate m_dailyViewDate;
    QDate m_monthlyViewDate;
    GadgetsCommon::AnnualViewDate m_annualViewDate = GadgetsCommon::LastTwelveMonths;
};

} // namespace Corvane::Gadgets::Models

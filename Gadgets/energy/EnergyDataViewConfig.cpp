#include "energy/EnergyDataViewConfig.h"

namespace Corvane::Gadgets::Models {

EnergyDataViewConfig::EnergyDataViewConfig(GadgetsCommon::TimespanView timespanView, const QDate& dailyViewDate,
                                           const QDate& monthlyViewDate, GadgetsCommon::AnnualViewDate annualViewDate)
    : m_timespanView(timespanView)
    , m_dailyViewDate(dailyViewDate)
    , m_monthlyViewDate(monthlyViewDate)
    , m_annualViewDate(annualViewDate)
{
}

bool EnergyDataViewConfig::operator==(const EnergyDataViewConfig& other) const
{
    if (m_timespanView != other.m_timespanView)
        return false;
    switch (m_timespanView) {
    case GadgetsCommon::DailyView:
        return m_dailyViewDate == other.m_dailyViewDate;
    case GadgetsCommon::MonthlyView:
        return m_monthlyViewDate.year() == other.m_monthlyViewDate.year()
            && m_monthlyViewDate.month() == other.m_monthlyViewDate.month();
    case GadgetsCommon::AnnualView:
        return m_annualViewDate == other.m_annualViewDate;
    }
    return false;
}

} // namespace Corvane::Gadgets::Models

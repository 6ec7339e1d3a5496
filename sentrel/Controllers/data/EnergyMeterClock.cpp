#include "EnergyMeterClock.h"

#include "simulation/Clock.h"

#include "devices/EnergyDevice.h"

namespace Corvane::Sentrel::Controllers {

void EnergyMeterClock::setGatewayTime(int serverId, const QDateTime& gatewayTime)
{
    m_gatewayOffsets.insert(serverId, Clock::program()->now().secsTo(gatewayTime));
}

QDateTime EnergyMeterClock::currentDate(const Devices::EnergyDevice* device) const
{
    const QDateTime now = Clock::program()->now();
    if (!device || !m_gatewayOffsets.contains(device->serverId()))
        return now;
    return now.addSecs(m_gatewayOffsets.value(device->serverId()));
}

bool EnergyMeterClock::dateBounds(const Devices::EnergyDevice* device, QDateTime& end, QDateTime& dailyMinimum,
                                  QDateTime& monthlyMinimum) const
{
    if (!device || !device->isStatusKnown())
        return false;
    end = currentDate(device);
    if (!end.isValid())
        return false;
    dailyMinimum = end.addYears(-1).addDays(1);
    const QDate firstOfMonth(end.date().year(), end.date().month(), 1);
    const int yearsBack = device->isNewInterfaceInUse() ? 2 : 1;
    monthlyMinimum = QDateTime(firstOfMonth.addYears(-yearsBack).addMonths(1), end.time(), end.timeSpec());
    return true;
}

} // namespace Corvane::Sentrel::Controllers

#pragma once

#include <QDateTime>
#include <QMap>

namespace Corvane::Devices {
class EnergyDevice;
}

namespace Corvane::Sentrel::Controllers {

// The date and time the energy meters count by: their gateway's clock, kept
// as an offset from the computer's so that it moves on with it, or the
// computer's clock while the gateway has not told its own. From it come the
// bounds of the dates a meter's views may show.
class EnergyMeterClock
{
public:
    // The gateway of that server id reported its date and time.
    void setGatewayTime(int serverId, const QDateTime& gatewayTime);
    QDateTime currentDate(const Devices::EnergyDevice* device) const;
    // The last date a view may show and the first one of the daily and the
    // monthly view: a year back, two years for a meter of the new interface.
    // False for a meter without a status.
    bool dateBounds(const Devices::EnergyDevice* device, QDateTime& end, QDateTime& dailyMinimum,
                    QDateTime& monthlyMinimum) const;

private:
    // Seconds from the computer's clock to each gateway's, by server id.
    QMap<int, qint64> m_gatewayOffsets;
};

} // namespace Corvane::Sentrel::Controllers

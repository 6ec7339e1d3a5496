#pragma once

#include <QHash>
#include <QObject>
#include <QPair>

namespace Corvane::Sentrel {
class ClockTimer;
}

namespace Corvane::Sentrel::Controllers {

// Delayed status re-requests of the thermoregulation devices: one
// single-shot timer of the program's clock per (device, kind of update),
// created on first use and restarted by every later schedule, so that a
// burst of zone commands gives one request a delay after the last.
class ThermoregulationStatusTimers : public QObject
{
    Q_OBJECT

public:
    enum StatusUpdateType {
        ZoneStatus = 1,
        Setpoint = 2,
    };

    static const int UPDATE_STATUS_DELAY;

    using Key = QPair<int, int>;

    explicit ThermoregulationStatusTimers(QObject* parent = nullptr);
    ~ThermoregulationStatusTimers() override;

    void schedule(int deviceId, StatusUpdateType type);
    // Stops, deletes and forgets every timer.
    void clear();
    int count() const { return int(m_timers.size()); }
    bool isActive(int deviceId, StatusUpdateType type) const;

Q_SIGNALS:
    void due(int deviceId, int type);

private Q_SLOTS:
    void onTimeout();

private:
    QHash<Key, ClockTimer*> m_timers;
};

} // namespace Corvane::Sentrel::Controllers

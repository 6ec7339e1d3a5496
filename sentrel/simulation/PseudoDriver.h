#pragma once

#include "DeviceStatusAnswers.h"
#include "EnergyAnswers.h"
#include "LoadAnswers.h"
#include "SimulationRandom.h"
#include "SoundSystemAnswers.h"

#include "pravikdriver/OpenDriver.h"

#include <QList>

namespace Corvane::Sentrel {

class Clock;
class ClockTimer;

// The gateway of no-server mode: an OpenDriver that opens no connection and
// answers every request itself, on the calling thread, with made-up messages
// (mostly random values) handed to the registered listeners before
// sendMessage() returns, exactly as if a gateway had sent them. A request
// that no answer recognises comes back to the listeners as it was sent.
// Energy meters that ask for automatic updates get instant values on their
// own timer.
class PseudoDriver : public PravikDriver::OpenDriver
{
    Q_OBJECT

public:
    // One energy meter that asked for automatic updates; kept for the life of
    // the driver.
    class EnergyDeviceAutoUpdateInfo
    {
    public:
        EnergyDeviceAutoUpdateInfo(const QString& objectAddress, int dimensionType, ClockTimer* timer);

        QString objectAddress() const { return m_objectAddress; }
        // The instant-value dimension that the meter's updates carry.
        int dimensionType() const { return m_dimensionType; }
        ClockTimer* timer() const { return m_timer; }

    private:
        QString m_objectAddress;
        int m_dimensionType;
        ClockTimer* m_timer;
    };

    static constexpr int HOURS_PER_DAY = 24;
    // The update period of the slowest automatic updates (period 255).
    static constexpr int AUTO_UPDATE_FULL_PERIOD = 30000;
    static constexpr int AUTO_UPDATE_MAX_PERIOD = 255;

    // clock: where the answers read the date and the update timers come
    // from; null for the program's clock.
    explicit PseudoDriver(QObject* parent = nullptr, Clock* clock = nullptr);

    bool isMonitorConnected() const override;

    // A value in min..max inclusive, for max >= min.
    int random(int min, int max) { return m_random.random(min, max); }
    // The sum of count values random(min, max); 0 when count < 1.
    int randomSum(int count, int min, int max) { return m_random.randomSum(count, min, max); }
    void setRandomSeed(quint32 seed) { m_random.setSeed(seed); }

    Clock* clock() const { return m_clock; }
    const QList<EnergyDeviceAutoUpdateInfo>& energyDeviceAutoUpdates() const { return m_autoUpdates; }

    // Whether received is the request that expected stands for, whatever
    // priority it was sent with.
    static bool isRequest(const PravikDriver::Message& received, PravikDriver::Message expected);

    // The instant-value dimension, and so the kind, of the meter at address
    // as its automatic-update requests told it; electricity when unknown.
    int instantDimensionAt(const QString& address) const;
    // Hands the listeners one instant value of the meter at address.
    void sendEnergyInstantDataToEnergyDevice(const QString& address, int dimensionType);

public Q_SLOTS:
    void sendMessage(const Corvane::PravikDriver::Message& message) override;

private Q_SLOTS:
    void onEnergyDeviceAutoUpdate();

private:
    void respondToMessage(const PravikDriver::Message& request);
    bool respondToEnergyAutoUpdate(const PravikDriver::Message& request);
    EnergyDeviceAutoUpdateInfo* findAutoUpdate(const QString& address);
    static int instantDimensionOf(int energyType);

    Clock* m_clock;
    SimulationRandom m_random;
    DeviceStatusAnswers m_deviceAnswers;
    EnergyAnswers m_energyAnswers;
    SoundSystemAnswers m_soundAnswers;
    LoadAnswers m_loadAnswers;
    QList<EnergyDeviceAutoUpdateInfo> m_autoUpdates;
};

} // namespace Corvane::Sentrel

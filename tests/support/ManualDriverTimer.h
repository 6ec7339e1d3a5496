#pragma once

#include "pravikdriver/DriverTimer.h"

class ManualDriverClock;

// A timer that a ManualDriverClock fires.
class ManualDriverTimer : public Corvane::PravikDriver::DriverTimer
{
    Q_OBJECT

public:
    ManualDriverTimer(ManualDriverClock* clock, QObject* parent);
    ~ManualDriverTimer() override;

    void start(int msec) override;
    void stop() override { m_active = false; }
    bool isActive() const override { return m_active; }

private:
    friend class ManualDriverClock;

    void clockGone() { m_clock = nullptr; }

    ManualDriverClock* m_clock;
    bool m_active = false;
    int m_interval = 0;
    qint64 m_due = 0;
    quint64 m_sequence = 0;
};

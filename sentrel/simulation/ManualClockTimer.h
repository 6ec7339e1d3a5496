#pragma once

#include "ClockTimer.h"

namespace Corvane::Sentrel {

class ManualClock;

// A ClockTimer that a ManualClock fires.
class ManualClockTimer : public ClockTimer
{
    Q_OBJECT

public:
    ManualClockTimer(ManualClock* clock, QObject* parent);
    ~ManualClockTimer() override;

protected:
    void begin() override;
    void end() override;
    bool running() const override { return m_active; }
    int remaining() const override;

private:
    friend class ManualClock;

    ManualClock* m_clock;
    bool m_active = false;
    qint64 m_due = 0;
    quint64 m_sequence = 0;
};

} // namespace Corvane::Sentrel

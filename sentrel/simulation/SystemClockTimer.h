#pragma once

#include "ClockTimer.h"

#include <QTimer>

namespace Corvane::Sentrel {

// A ClockTimer on a QTimer.
class SystemClockTimer : public ClockTimer
{
    Q_OBJECT

public:
    explicit SystemClockTimer(QObject* parent = nullptr);

protected:
    void begin() override;
    void end() override;
    bool running() const override;
    int remaining() const override;

private:
    QTimer m_timer;
};

} // namespace Corvane::Sentrel

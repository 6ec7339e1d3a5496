#pragma once

#include "Clock.h"

#include <QElapsedTimer>

namespace Corvane::Sentrel {

// The running program's clock (see Clock::system()).
class SystemClock : public Clock
{
public:
    SystemClock();

    QDateTime now() const override;
    qint64 monotonicMsecs() const override;
    ClockTimer* createTimer(QObject* parent = nullptr) override;

private:
    QElapsedTimer m_elapsed;
};

} // namespace Corvane::Sentrel

#include "Clock.h"

#include "SystemClock.h"

namespace Corvane::Sentrel {

Clock::~Clock() = default;

namespace {
Clock* installedClock = nullptr;
}

Clock* Clock::system()
{
    static SystemClock clock;
    return &clock;
}

Clock* Clock::program()
{
    return installedClock ? installedClock : system();
}

void Clock::setProgramClock(Clock* clock)
{
    installedClock = clock;
}

} // namespace Corvane::Sentrel

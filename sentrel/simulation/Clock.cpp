#include "Clock.h"

#include "SystemClock.h"

#include "utilities/CurrentTime.h"

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
    // The date helpers read the same clock, so that dates and timers agree.
    if (clock)
        Utilities::CurrentTime::setSource([clock] { return clock->now(); });
    else
        Utilities::CurrentTime::setSource({});
}

} // namespace Corvane::Sentrel

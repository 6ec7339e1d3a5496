#include "Clock.h"

#include "SystemClock.h"

namespace Corvane::Sentrel {

Clock::~Clock() = default;

Clock* Clock::system()
{
    static SystemClock clock;
    return &clock;
}

} // namespace Corvane::Sentrel

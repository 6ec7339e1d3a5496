#include "NavigationIdleTimers.h"

#include "simulation/Clock.h"
#include "simulation/ClockTimer.h"

#include "devices/GuiProperties.h"

#include <algorithm>

namespace Corvane::Sentrel::Controllers {

namespace {

// Longer time-outs count as a day.
const int LONGEST_TIMEOUT_SECONDS = 24 * 3600;

} // namespace

NavigationIdleTimers::NavigationIdleTimers(QObject* owner)
    : m_hideLabels(Clock::program()->createTimer(owner))
    , m_backToHome(Clock::program()->createTimer(owner))
{
}

void NavigationIdleTimers::start(const Devices::GuiProperties& gui, bool onHomePage, int homeIconCount)
{
    if (m_labelEditing)
        return;
    startFor(m_hideLabels, gui.hideLabelsTimeout());
    if (!onHomePage && homeIconCount >= 2)
        startFor(m_backToHome, gui.goHomepageTimeout());
}

void NavigationIdleTimers::stop()
{
    m_hideLabels->stop();
    m_backToHome->stop();
}

void NavigationIdleTimers::restartForHomePage(const Devices::GuiProperties& gui)
{
    startFor(m_hideLabels, gui.hideLabelsTimeout());
    m_backToHome->stop();
}

void NavigationIdleTimers::startFor(ClockTimer* timer, int seconds)
{
    if (seconds > 0)
        timer->start(std::min(seconds, LONGEST_TIMEOUT_SECONDS) * 1000);
}

} // namespace Corvane::Sentrel::Controllers

#include "navigation/NavigationDragIconAnimation.h"

#include <algorithm>

namespace Corvane::Gadgets {

const int NavigationDragIconAnimation::TICK_INTERVAL_MS = 20;
const int NavigationDragIconAnimation::SLIDE_DURATION_MS = 200;

namespace {

// Ten steps of 0.1 add up to just below 1.0; a slide that close has ended.
const double PROGRESS_EPSILON = 1e-9;

} // namespace

NavigationDragIconAnimation::NavigationDragIconAnimation(QObject* parent)
    : QObject(parent)
    , m_easingCurve(QEasingCurve::OutSine)
    , m_duration(SLIDE_DURATION_MS)
{
    m_easingCurve.setPeriod(1.0);
    m_easingCurve.setAmplitude(1.0);
    m_timer.setInterval(TICK_INTERVAL_MS);
    connect(&m_timer, &QTimer::timeout, this, &NavigationDragIconAnimation::onTimerTick);
}

void NavigationDragIconAnimation::addDragIcon(int fromIndex, int toIndex)
{
    m_icons.append({fromIndex, toIndex, 0.0});
    if (!m_timer.isActive())
        m_timer.start();
}

bool NavigationDragIconAnimation::hasDataForIcon(int index) const
{
    return std::any_of(m_icons.cbegin(), m_icons.cend(),
                       [index](const IconData& icon) { return icon.fromIndex == index; });
}

NavigationDragIconAnimation::IconData NavigationDragIconAnimation::iconData(int index) const
{
    for (const IconData& icon : m_icons) {
        if (icon.fromIndex == index)
            return {icon.fromIndex, icon.toIndex, m_easingCurve.valueForProgress(icon.progress)};
    }
    return {};
}

NavigationDragIconAnimation::DistanceData NavigationDragIconAnimation::distanceTo(int index) const
{
    DistanceData result;
    for (const IconData& icon : m_icons) {
        DistanceData candidate;
        if (icon.fromIndex == index)
            candidate = {icon.toIndex, 1.0 - icon.progress};
        else if (icon.toIndex == index)
            candidate = {index, icon.progress};
        else
            continue;
        if (result.distance == 0.0 || result.distance > candidate.distance)
            result = candidate;
    }
    return result;
}

QList<NavigationDragIconAnimation::IconData> NavigationDragIconAnimation::getAndClearFinished()
{
    QList<IconData> finished;
    for (qsizetype i = m_icons.size() - 1; i >= 0; --i) {
        if (m_icons.at(i).progress >= 1.0 - PROGRESS_EPSILON)
            finished.append(m_icons.takeAt(i));
    }
    if (m_icons.isEmpty())
        m_timer.stop();
    return finished;
}

void NavigationDragIconAnimation::clear()
{
    m_icons.clear();
    m_timer.stop();
}

void NavigationDragIconAnimation::onTimerTick()
{
    const double step = double(m_timer.interval()) / m_duration;
    for (IconData& icon : m_icons)
        icon.progress += step;
    emit updateDragIconRequested();
}

} // namespace Corvane::Gadgets

#include "navigation/NavigationControlAnimation.h"

#include "navigation/NavigationControl.h"

namespace Corvane::Gadgets {

const int NavigationControlAnimation::DEFAULT_DURATION_MS = 1000;
const int NavigationControlAnimation::FRAME_COUNT = 200;
const int NavigationControlAnimation::UPDATE_INTERVAL_MS = 5;

NavigationControlAnimation::NavigationControlAnimation(NavigationControl* control)
    : m_easingCurve(QEasingCurve::OutSine)
    , m_timeLine(DEFAULT_DURATION_MS)
    , m_control(control)
{
    m_timeLine.setFrameRange(0, FRAME_COUNT);
    m_timeLine.setUpdateInterval(UPDATE_INTERVAL_MS);
    connect(&m_timeLine, &QTimeLine::valueChanged, this, &NavigationControlAnimation::onValueChanged);
}

void NavigationControlAnimation::start()
{
    m_timeLine.start();
}

void NavigationControlAnimation::stop()
{
    m_timeLine.stop();
}

double NavigationControlAnimation::progress() const
{
    return m_easingCurve.valueForProgress(m_value);
}

double NavigationControlAnimation::currentValue() const
{
    // The carousel ends the animation when it is given endValue itself, so
    // the last frame must not carry a rounding error.
    const double eased = progress();
    if (eased >= 1.0)
        return m_endValue;
    return m_startValue + eased * (m_endValue - m_startValue);
}

void NavigationControlAnimation::setCache(const QPainterPath& path, const QList<double>& percentages,
                                          const QRegion& region)
{
    m_cachedPath = path;
    m_cachedPercentages = percentages;
    m_clipRegion = region;
    m_cacheValid = true;
}

void NavigationControlAnimation::onValueChanged(qreal value)
{
    m_value = qMin(value, 1.0);
    const bool finished = m_value >= 1.0;
    m_control->setFirstIconCustomIndex(currentValue());
    // The carousel may have started the next animation meanwhile; only this
    // run's last frame stops the clock.
    if (finished && m_value >= 1.0) {
        m_timeLine.stop();
        m_value = 0.0;
    }
}

} // namespace Corvane::Gadgets

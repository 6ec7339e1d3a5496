#include "navigation/NavigationFades.h"

#include "navigation/NavigationControl.h"
#include "navigation/NavigationIconCircle.h"

namespace Corvane::Gadgets {

using Models::NavigationIcon;

namespace {

const int SEGMENTS_FADE_DURATION_MS = 300;

} // namespace

NavigationFades::NavigationFades(NavigationControl& carousel)
    : m_carousel(carousel)
    , m_floatingIconsAnimation(&carousel, QByteArrayLiteral("floatingIconsOpacity"), &carousel)
    , m_segmentIconsAnimation(&carousel, QByteArrayLiteral("segmentIconsOpacity"), &carousel)
    , m_labelsAnimation(&carousel, QByteArrayLiteral("labelsOpacity"), &carousel)
{
}

void NavigationFades::run(QPropertyAnimation& animation, qreal from, qreal to, int duration, QEasingCurve::Type type)
{
    animation.stop();
    animation.setStartValue(from);
    animation.setEndValue(to);
    animation.setDuration(duration);
    animation.setEasingCurve(type);
    animation.start();
}

void NavigationFades::exchangeIcons(const QList<NavigationIcon>& icons)
{
    m_waitingIcons = icons;
    fadeSegmentIcons(0.0);
}

void NavigationFades::cancelFadeOut()
{
    const bool fadingOut = m_segmentIconsAnimation.state() == QAbstractAnimation::Running
        && m_segmentIconsAnimation.endValue().toReal() < m_segmentIconsAnimation.startValue().toReal();
    if (!fadingOut)
        return;
    m_segmentIconsAnimation.stop();
    m_waitingIcons.clear();
    m_carousel.setSegmentIconsOpacity(1.0);
}

void NavigationFades::updateWaitingIcon(const NavigationIcon& icon)
{
    const int waiting = waitingIndexOf(icon.id());
    if (waiting >= 0)
        m_waitingIcons[waiting] = icon;
}

int NavigationFades::waitingIndexOf(int iconId) const
{
    return NavigationIconCircle::indexOfId(m_waitingIcons, iconId);
}

// At the end of the fade-out the waiting list takes the segments; at the end
// of the fade-in the icon waiting to be selected is.
void NavigationFades::segmentIconsFaded(qreal opacity)
{
    const QVariant end = m_segmentIconsAnimation.endValue();
    if (!end.isValid() || end.toReal() != opacity)
        return;
    if (m_segmentIconsAnimation.startValue().toReal() >= opacity) {
        showWaitingIcons();
    } else {
        m_carousel.m_animating = false;
        m_carousel.m_selection.selectPendingIcon();
    }
}

void NavigationFades::showWaitingIcons()
{
    m_carousel.stopIconsAnimation();
    m_carousel.m_firstIconCustomIndex = 0.0;
    m_carousel.m_icons = m_waitingIcons;
    m_waitingIcons.clear();
    m_carousel.setFirstIconIndex(0);
    m_carousel.m_content.showInLabels(m_carousel.m_firstIconIndex, true);
    fadeSegmentIcons(1.0);
}

void NavigationFades::fadeSegmentIcons(qreal target)
{
    const bool fadingUp = target > m_carousel.m_segmentIconsOpacity;
    run(m_segmentIconsAnimation, m_carousel.m_segmentIconsOpacity, target, SEGMENTS_FADE_DURATION_MS,
        fadingUp ? QEasingCurve::InCubic : QEasingCurve::Linear);
}

void NavigationFades::fadeLabels(qreal target, int duration)
{
    const bool fadingUp = target > m_carousel.m_labelsOpacity;
    run(m_labelsAnimation, m_carousel.m_labelsOpacity, target, duration,
        fadingUp ? QEasingCurve::InCubic : QEasingCurve::Linear);
}

void NavigationFades::fadeFloatingIcons(bool show)
{
    m_floatingIconsAnimation.startItemsOpacityAnimation(m_carousel.floatingIconsOpacity(), show ? 1.0 : 0.0);
}

} // namespace Corvane::Gadgets

#pragma once

#include "animation/OpacityAnimation.h"
#include "models/NavigationIcon.h"

#include <QEasingCurve>
#include <QList>
#include <QPropertyAnimation>

namespace Corvane::Gadgets {

class NavigationControl;

// The carousel's fades: the segment icons fading out and the next list
// fading in in their place, the labels shown and hidden, and the floating
// buttons appearing while the pointer is over the gadget. Each animates a
// property of the carousel.
class NavigationFades
{
public:
    explicit NavigationFades(NavigationControl& carousel);

    // Restarts the animation from `from` to `to`.
    static void run(QPropertyAnimation& animation, qreal from, qreal to, int duration, QEasingCurve::Type type);

    // The shown list fades out; `icons` fades in after it.
    void exchangeIcons(const QList<Models::NavigationIcon>& icons);
    // A list set at once is newer than the one waiting for the fade-out,
    // which must not replace it when the fade ends.
    void cancelFadeOut();
    // Keeps the icon up to date if it waits in the list that fades in.
    void updateWaitingIcon(const Models::NavigationIcon& icon);
    int waitingIndexOf(int iconId) const;
    // Called with every new opacity of the segment icons.
    void segmentIconsFaded(qreal opacity);
    void fadeLabels(qreal target, int duration);
    void fadeFloatingIcons(bool show);

private:
    void fadeSegmentIcons(qreal target);
    void showWaitingIcons();

    NavigationControl& m_carousel;
    Utilities::OpacityAnimation m_floatingIconsAnimation;
    QPropertyAnimation m_segmentIconsAnimation;
    QPropertyAnimation m_labelsAnimation;
    QList<Models::NavigationIcon> m_waitingIcons;
};

} // namespace Corvane::Gadgets

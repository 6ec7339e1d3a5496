#include "animation/OpacityAnimation.h"

namespace Corvane::Gadgets::Utilities {

namespace {
constexpr int FADE_DURATION_MS = 1000;
}

OpacityAnimation::OpacityAnimation(QObject* target, const QByteArray& propertyName, QObject* parent)
    : QPropertyAnimation(target, propertyName, parent)
{
}

void OpacityAnimation::startItemsOpacityAnimation(qreal from, qreal to)
{
    // A running animation ignores start(), so end the current fade first.
    stop();
    setStartValue(from);
    setEndValue(to);
    setDuration(FADE_DURATION_MS);
    start();
}

} // namespace Corvane::Gadgets::Utilities

#pragma once

#include <QPropertyAnimation>

namespace Corvane::Gadgets::Utilities {

// Fades a qreal property of a control (such as "floatingIconsOpacity") from
// one value to another over one second. The animation object is reused for
// every fade.
class OpacityAnimation : public QPropertyAnimation
{
    Q_OBJECT

public:
    OpacityAnimation(QObject* target, const QByteArray& propertyName, QObject* parent = nullptr);

    // Starts a fade from `from` to `to`; a fade still running is abandoned
    // where it is, so callers pass the value reached as `from`.
    void startItemsOpacityAnimation(qreal from, qreal to);
};

} // namespace Corvane::Gadgets::Utilities

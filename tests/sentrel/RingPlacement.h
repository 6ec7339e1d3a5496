#pragma once

#include <QPointF>
#include <QString>

namespace Corvane::Gadgets {
class CommandControl;
class NavigationControl;
} // namespace Corvane::Gadgets

// Where a command ring's buttons lie around the carousel, as directions seen
// from the carousel's centre.
class RingPlacement
{
public:
    // Empty when the middle of the buttons that the ring shows lies within
    // maxDegrees of the direction of scenePoint; otherwise the directions
    // found.
    static QString buttonsAwayFrom(const Corvane::Gadgets::NavigationControl& carousel,
                                   const Corvane::Gadgets::CommandControl& ring, const QPointF& scenePoint,
                                   qreal maxDegrees);
    // The centre of the icon on a carousel segment, in the scene.
    static QPointF segmentCentre(const Corvane::Gadgets::NavigationControl& carousel, int segment);
    // The centre of the ring's button, in the scene.
    static QPointF buttonCentre(const Corvane::Gadgets::CommandControl& ring, const QString& buttonId);

private:
    static qreal degreesBetween(qreal a, qreal b);
};

#pragma once

#include <QPointF>
#include <QString>

namespace Corvane::Gadgets {
class CommandControl;
class NavigationControl;
class SvgButton;
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

    // Whether a button shows on a point where the ring shows a segment of
    // its own, both as their hit masks have it; the segment's id, or empty.
    static QString segmentUnder(Corvane::Gadgets::SvgButton& button, const Corvane::Gadgets::CommandControl& ring);

private:
    static qreal degreesBetween(qreal a, qreal b);
};

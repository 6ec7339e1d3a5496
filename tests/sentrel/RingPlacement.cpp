#include "RingPlacement.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgContentButton.h"
#include "navigation/NavigationControl.h"

#include <QLineF>
#include <QStringList>

#include <cmath>

using Corvane::Gadgets::CommandControl;
using Corvane::Gadgets::NavigationControl;
using Corvane::Gadgets::SvgContentButton;

QString RingPlacement::buttonsAwayFrom(const NavigationControl& carousel, const CommandControl& ring,
                                       const QPointF& scenePoint, qreal maxDegrees)
{
    const SvgContentButton* hub = carousel.centerButton();
    const QPointF centre = hub->mapToScene(hub->boundingRect().center());
    const qreal wanted = QLineF(centre, scenePoint).angle();
    QStringList found;
    QPointF sum;
    for (SvgContentButton* button : ring.usesEvenSegments() ? ring.evenSegments() : ring.oddSegments()) {
        const QString id = ring.getButtonId(button);
        if (id.isEmpty())
            continue;
        const QLineF toButton(centre, button->mapToScene(button->contentBounds().center()));
        sum += toButton.unitVector().p2() - toButton.p1();
        found.append(QStringLiteral("%1 at %2").arg(id).arg(qRound(toButton.angle())));
    }
    if (found.isEmpty())
        return QStringLiteral("no buttons");
    const qreal middle = QLineF(QPointF(), sum).angle();
    if (degreesBetween(middle, wanted) <= maxDegrees)
        return QString();
    return QStringLiteral("wanted %1, middle %2: %3")
        .arg(qRound(wanted))
        .arg(qRound(middle))
        .arg(found.join(QStringLiteral(", ")));
}

QPointF RingPlacement::segmentCentre(const NavigationControl& carousel, int segment)
{
    return carousel.mapToScene(carousel.getSegmentCenter(segment));
}

QPointF RingPlacement::buttonCentre(const CommandControl& ring, const QString& buttonId)
{
    const int index = ring.getButtonIndex(buttonId);
    const QList<SvgContentButton*> segments = ring.usesEvenSegments() ? ring.evenSegments() : ring.oddSegments();
    if (index < 0 || index >= segments.size())
        return QPointF();
    const SvgContentButton* button = segments.at(index);
    return button->mapToScene(button->contentBounds().center());
}

QString RingPlacement::segmentUnder(Corvane::Gadgets::SvgButton& button, const CommandControl& ring)
{
    constexpr int STEPS = 8;
    const QRectF area = button.sceneBoundingRect();
    for (const QList<SvgContentButton*>& family : {ring.oddSegments(), ring.evenSegments()}) {
        for (SvgContentButton* segment : family) {
            if (!segment->isVisible() || !segment->sceneBoundingRect().intersects(area))
                continue;
            for (int i = 0; i <= STEPS; ++i) {
                for (int j = 0; j <= STEPS; ++j) {
                    const QPointF point(area.left() + area.width() * i / STEPS, area.top() + area.height() * j / STEPS);
                    if (button.hitTest(point) && segment->hitTest(point))
                        return segment->elementId();
                }
            }
        }
    }
    return QString();
}

qreal RingPlacement::degreesBetween(qreal a, qreal b)
{
    const qreal d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360.0 - d);
}

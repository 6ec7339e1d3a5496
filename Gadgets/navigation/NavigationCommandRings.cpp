#include "navigation/NavigationCommandRings.h"

#include "commandcontrol/CommandControl.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentButton.h"
#include "controls/SvgElement.h"
#include "navigation/NavigationControl.h"
#include "navigation/NavigationFades.h"
#include "navigation/NavigationLabels.h"

#include <QGraphicsScene>

#include <cmath>

namespace Corvane::Gadgets {

namespace {

const int RING_OPEN_DURATION_MS = 300;
const int RING_CLOSE_DURATION_MS = 200;

} // namespace

NavigationCommandRings::NavigationCommandRings(NavigationControl& carousel)
    : m_carousel(carousel)
    , m_firstAnimation(&carousel, QByteArrayLiteral("commandControl1ShowProgress"), &carousel)
    , m_secondAnimation(&carousel, QByteArrayLiteral("commandControl2ShowProgress"), &carousel)
{
}

void NavigationCommandRings::openFirst(CommandControl* ring, int segment)
{
    if (!ring)
        return;
    m_segment = segment;
    replace(m_carousel.m_commandControl1, ring);
    ring->deselectAll();
    layOutFor(1);
    place(ring, m_carousel.m_commandControl1Bounds, m_carousel.m_background);
    grow(m_firstAnimation, m_carousel.m_commandControl1ShowProgress);
    m_carousel.m_content.showOnSegments();
    m_carousel.update();
}

void NavigationCommandRings::layOutFor(int openRings)
{
    m_carousel.m_labels->setExpandedState(openRings >= 2   ? NavigationLabels::Expanded2
                                          : openRings == 1 ? NavigationLabels::Expanded
                                                           : NavigationLabels::Collapsed);
    placeFloatingButtons(openRings);
}

// The floating buttons keep to the corners of what the carousel shows: the
// disc's square, or the square the outermost open ring fills, so that they
// never lie on a ring's band. Each keeps its place relative to its corner.
void NavigationCommandRings::placeFloatingButtons(int openRings)
{
    const QRectF disc = m_carousel.boundingRect();
    QRectF around = openRings >= 2 ? m_carousel.m_commandControl2Bounds
                    : openRings == 1 ? m_carousel.m_commandControl1Bounds
                                     : disc;
    if (around.isEmpty())
        around = disc;
    for (SvgButton* button : {m_carousel.m_infoButton, m_carousel.m_closeButton, m_carousel.m_refreshButton,
                              m_carousel.m_resizeButton}) {
        const QPointF centre = button->pos() + button->boundingRect().center();
        const qreal dx = centre.x() < disc.center().x() ? around.left() - disc.left() : around.right() - disc.right();
        const qreal dy = centre.y() < disc.center().y() ? around.top() - disc.top() : around.bottom() - disc.bottom();
        button->setTransform(QTransform::fromTranslate(dx, dy));
    }
}

void NavigationCommandRings::openSecond(CommandControl* ring)
{
    if (!ring)
        return;
    replace(m_carousel.m_commandControl2, ring);
    layOutFor(2);
    place(ring, m_carousel.m_commandControl2Bounds, m_carousel.m_commandControl1);
    grow(m_secondAnimation, m_carousel.m_commandControl2ShowProgress);
}

// A ring opened at a level takes the place of the one open there.
void NavigationCommandRings::replace(CommandControl*& open, CommandControl* ring)
{
    if (open)
        detach(open);
    open = ring;
    ring->setFlag(QGraphicsItem::ItemStacksBehindParent, true);
}

void NavigationCommandRings::place(CommandControl* ring, const QRectF& bounds, QGraphicsItem* above)
{
    ring->setBounds(bounds);
    ring->setElementsSuffix(m_carousel.elementsSuffix());
    ring->setCustomScale(m_carousel.customScale());
    ring->setOpacity(1.0);
    ring->setVisible(true);
    ring->setParentItem(&m_carousel);
    m_carousel.addToChildrensList(ring);
    ring->stackBefore(above);
}

void NavigationCommandRings::grow(QPropertyAnimation& animation, qreal progress)
{
    NavigationFades::run(animation, progress, 1.0, int(std::abs(1.0 - progress) * RING_OPEN_DURATION_MS),
                         QEasingCurve::OutBounce);
}

void NavigationCommandRings::shrink(QPropertyAnimation& animation, qreal progress)
{
    NavigationFades::run(animation, progress, 0.0, int(std::abs(progress) * RING_CLOSE_DURATION_MS),
                         QEasingCurve::InSine);
}

void NavigationCommandRings::detach(SvgControlObject* ring)
{
    QGraphicsScene* carouselScene = m_carousel.scene();
    ring->hide();
    ring->setParentItem(nullptr);
    ring->removeFromScene(carouselScene);
    m_carousel.removeFromChildren(ring);
}

void NavigationCommandRings::detachAll()
{
    for (CommandControl* ring : {m_carousel.m_commandControl2, m_carousel.m_commandControl1}) {
        if (ring)
            detach(ring);
    }
}

void NavigationCommandRings::closeFirst()
{
    layOutFor(0);
    m_carousel.m_labels->hideAllSlidersImages();
    if (CommandControl* ring = m_carousel.m_commandControl1) {
        ring->deselectAll();
        const QList<SvgContentButton*>& segments = m_carousel.m_segments;
        for (int s = 0; s < segments.size(); ++s)
            segments.at(s)->setState(s == m_carousel.m_selectedSegment ? SvgButton::Pressed : SvgButton::Normal);
        shrink(m_firstAnimation, m_carousel.m_commandControl1ShowProgress);
        m_segment = -1;
        m_carousel.m_content.showOnSegments();
    }
    closeSecond();
}

void NavigationCommandRings::closeSecond()
{
    if (m_carousel.m_commandControl1)
        m_carousel.m_commandControl1->deselectAll();
    if (!m_carousel.m_commandControl2)
        return;
    shrink(m_secondAnimation, m_carousel.m_commandControl2ShowProgress);
    if (m_carousel.m_labels->expandedState() > NavigationLabels::Expanded)
        layOutFor(1);
}

// The floating buttons follow the new placeholders too, for the rings the
// labels are laid out for (a closing ring has already given its place up).
void NavigationCommandRings::refit()
{
    const NavigationLabels::ExpandedState laidOut = m_carousel.m_labels->expandedState();
    placeFloatingButtons(laidOut == NavigationLabels::Expanded2 ? 2 : laidOut == NavigationLabels::Expanded ? 1 : 0);
    if (CommandControl* ring = m_carousel.m_commandControl1) {
        ring->setBounds(m_carousel.m_commandControl1Bounds);
        applyShowProgress(1.0, m_carousel.m_background->boundingRect(), m_carousel.m_commandControl1Bounds,
                          m_firstAnimation, ring);
    }
    if (CommandControl* ring = m_carousel.m_commandControl2) {
        ring->setBounds(m_carousel.m_commandControl2Bounds);
        applyShowProgress(1.0, m_carousel.m_commandControl1Bounds, m_carousel.m_commandControl2Bounds,
                          m_secondAnimation, ring);
    }
}

// The ring grows from the width of `from` to `to`, centred on `to` until it
// fills it; at the end of a closing it leaves the carousel.
void NavigationCommandRings::applyShowProgress(qreal progress, const QRectF& from, const QRectF& to,
                                               const QPropertyAnimation& animation, SvgControlObject* ring)
{
    if (!ring)
        return;
    if (animation.endValue().toReal() == progress && progress == 0.0) {
        detach(ring);
        return;
    }
    if (to.width() <= 0)
        return;
    const qreal r = from.width() / to.width();
    const qreal k = 1.0 - r;
    ring->setScale(k * progress + r);
    ring->setOffset(QPointF(to.x() + to.width() * k * 0.5 * (1.0 - progress),
                            to.y() + to.height() * k * 0.5 * (1.0 - progress)));
}

void NavigationCommandRings::showFirst(qreal progress)
{
    m_carousel.m_commandControl1ShowProgress = progress;
    if (!m_carousel.m_commandControl1)
        return;
    applyShowProgress(progress, m_carousel.m_background->boundingRect(), m_carousel.m_commandControl1Bounds,
                      m_firstAnimation, m_carousel.m_commandControl1);
    const qreal end = m_firstAnimation.endValue().toReal();
    if (end == progress && progress == 0.0) {
        m_carousel.m_commandControl1->setExpandIndicatorsState(SvgButton::Normal);
        m_carousel.m_commandControl1 = nullptr;
        emit m_carousel.commandControl1Closed();
        setExpandIndicatorsState(SvgButton::Normal);
    } else if (end == 1.0) {
        setExpandIndicatorsState(SvgButton::Disabled);
    }
}

void NavigationCommandRings::showSecond(qreal progress)
{
    m_carousel.m_commandControl2ShowProgress = progress;
    if (!m_carousel.m_commandControl2)
        return;
    applyShowProgress(progress, m_carousel.m_commandControl1Bounds, m_carousel.m_commandControl2Bounds,
                      m_secondAnimation, m_carousel.m_commandControl2);
    const qreal end = m_secondAnimation.endValue().toReal();
    if (end == progress && progress == 0.0) {
        if (m_carousel.m_commandControl1)
            m_carousel.m_commandControl1->setExpandIndicatorsState(SvgButton::Normal);
        m_carousel.m_commandControl2 = nullptr;
        emit m_carousel.commandControl2Closed();
    } else if (end == 1.0 && m_carousel.m_commandControl1) {
        m_carousel.m_commandControl1->setExpandIndicatorsState(SvgButton::Disabled);
    }
}

void NavigationCommandRings::setExpandIndicatorsState(int state)
{
    for (SvgButton* indicator : std::as_const(m_carousel.m_expandIndicators))
        indicator->setState(SvgButton::ButtonState(state));
}

} // namespace Corvane::Gadgets

#include "scroll/Scroller.h"

#include "controls/PictureSize.h"
#include "controls/SvgButton.h"
#include "gestures/EventConsumer.h"
#include "theme/RendererContainer.h"
#include "theme/ThemeProvider.h"

#include "utilities/MathTools.h"
#include "utilities/MathToolsGui.h"

#include <QBitmap>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QSvgRenderer>
#include <QTimer>

#include <cmath>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;
using Corvane::Utilities::MathToolsGui;

const QString Scroller::PREV_BUTTON_ID = QStringLiteral("prev");
const QString Scroller::NEXT_BUTTON_ID = QStringLiteral("next");
const QString Scroller::BAR_START_ID = QStringLiteral("bar_start");
const QString Scroller::BAR_MIDDLE_ID = QStringLiteral("bar_middle");
const QString Scroller::BAR_END_ID = QStringLiteral("bar_end");
const QString Scroller::BAR_MASK_ID = QStringLiteral("bar_mask");
const QString Scroller::THUMB_ID = QStringLiteral("thumb");
const QString Scroller::THUMB_IS_ORIENTATION_INVARIANT_ID = QStringLiteral("scroller_thumb_is_orientation_invariant");
const int Scroller::WAIT_INTERVAL = 500;
const int Scroller::SCROLL_INTERVAL = 200;

namespace {

// Smaller, with a fuzzy equality counting as not smaller.
bool isSmaller(qreal a, qreal b)
{
    return a < b && !qFuzzyCompare(a + 1.0, b + 1.0);
}

} // namespace

Scroller::Scroller(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_thumbIsOrientationInvariant(ThemeProvider::getInt(THUMB_IS_ORIENTATION_INVARIANT_ID, 0) != 0)
{
    createElements();
    setValue(0.0);
}

Scroller::~Scroller() = default;

const QTransform& Scroller::axisSwap()
{
    static const QTransform swap(0, 1, 1, 0, 0, 0);
    return swap;
}

void Scroller::createElements()
{
    m_previous = new SvgButton(rendererContainer(), PREV_BUTTON_ID, this);
    m_next = new SvgButton(rendererContainer(), NEXT_BUTTON_ID, this);
    m_barStart = new SvgElement(rendererContainer(), BAR_START_ID, this);
    m_barMiddle = new SvgElement(rendererContainer(), BAR_MIDDLE_ID, this);
    m_barMiddle->setStretch(true);
    m_barEnd = new SvgElement(rendererContainer(), BAR_END_ID, this);
    m_thumb = new SvgButton(rendererContainer(), THUMB_ID, this);
    for (SvgControl* element : {static_cast<SvgControl*>(m_previous), static_cast<SvgControl*>(m_next),
                                static_cast<SvgControl*>(m_barStart), static_cast<SvgControl*>(m_barMiddle),
                                static_cast<SvgControl*>(m_barEnd), static_cast<SvgControl*>(m_thumb)})
        addToChildren(element);
    m_barMaskRect = boundsOnElement(BAR_MASK_ID);
}

void Scroller::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    updateElementsPositions();
}

void Scroller::setThumbIsOrientationInvariant(bool invariant)
{
    if (invariant == m_thumbIsOrientationInvariant)
        return;
    m_thumbIsOrientationInvariant = invariant;
    updateElementsPositions();
}

bool Scroller::isPressAndHoldTimerActive() const
{
    return m_pressAndHoldTimer && m_pressAndHoldTimer->isActive();
}

void Scroller::setValue(double value)
{
    const qreal clamped = std::clamp(qreal(value), m_minimum, m_maximum);
    m_value = std::round(clamped / m_step) * m_step;
    updateVisuals();
    emit valueChanged();
}

void Scroller::updateVisuals()
{
    if (!m_thumbPath.isEmpty() && m_maximum > m_minimum) {
        const qreal fraction = (m_value - m_minimum) / (m_maximum - m_minimum);
        const QPointF point = m_thumbPath.pointAtPercent(fraction);
        const QPointF start = m_thumbPath.pointAtPercent(0.0);
        const QRectF thumb = m_thumb->scaledBounds();
        const qreal y = m_barMiddle->scaledBounds().y() + (point.y() - start.y()) - thumb.height() / 2;
        m_thumb->setBounds(QRectF(thumb.x(), y, thumb.width(), thumb.height()));
    }
    m_thumb->update();
    update();
}

QRectF Scroller::designFrame() const
{
    const QRectF frame = boundingRect();
    return m_orientation == Qt::Horizontal ? axisSwap().mapRect(frame) : frame;
}

void Scroller::setElementsVisible(bool visible)
{
    for (SvgControl* element : {static_cast<SvgControl*>(m_previous), static_cast<SvgControl*>(m_next),
                                static_cast<SvgControl*>(m_barStart), static_cast<SvgControl*>(m_barMiddle),
                                static_cast<SvgControl*>(m_barEnd), static_cast<SvgControl*>(m_thumb)})
        element->setVisible(visible);
}

void Scroller::updateElementsPositions()
{
    const QRectF start = boundsOnElement(BAR_START_ID);
    const QRectF end = boundsOnElement(BAR_END_ID);
    const QRectF previous = boundsOnElement(PREV_BUTTON_ID + SvgButton::DEFAULT_SUFFIX);
    const QRectF next = boundsOnElement(NEXT_BUTTON_ID + SvgButton::DEFAULT_SUFFIX);
    const QRectF frame = designFrame();
    const qreal fixedLength = (start.bottom() - previous.top()) + (next.bottom() - end.top());

    if (isSmaller(frame.height(), fixedLength) || isSmaller(frame.width(), m_barMaskRect.width())) {
        setElementsVisible(false);
        return;
    }
    setElementsVisible(true);

    // Centre the artwork across the frame. The place is set absolutely from
    // the bounds, so repeated layouts never move the scroller any further.
    const qreal across = (frame.width() - previous.width()) / 2;
    const QPointF shift = m_orientation == Qt::Horizontal ? QPointF(0, across) : QPointF(across, 0);
    setPos(scaledBounds().topLeft() + shift);

    const QRectF middle(start.x(), start.bottom(), start.width(), frame.height() - fixedLength);
    m_barMiddle->setBounds(middle);
    const QRectF barEnd(end.x(), middle.bottom(), end.width(), end.height());
    m_barEnd->setBounds(barEnd);
    m_next->setButtonBounds(QRectF(next.x(), barEnd.bottom() + (next.top() - end.bottom()), next.width(), next.height()));

    m_thumbPath = QPainterPath(QPointF(middle.center().x(), middle.top()));
    m_thumbPath.lineTo(middle.center().x(), middle.bottom());

    if (m_orientation == Qt::Horizontal) {
        setTransform(axisSwap());
        m_thumb->setTransform(m_thumbIsOrientationInvariant ? axisSwap().inverted() : QTransform());
    } else {
        if (!transform().isIdentity())
            resetTransform();
        if (!m_thumb->transform().isIdentity())
            m_thumb->resetTransform();
    }
    m_maskRegion = QRegion();
    updateVisuals();
}

QRegion Scroller::getMaskRegion()
{
    if (!m_maskRegion.isEmpty())
        return m_maskRegion;
    const QRectF frame = designFrame();
    const QSize size(qRound(frame.width()), qRound(frame.height()));
    if (size.isEmpty())
        return m_maskRegion;
    // The track mask stretches with the middle piece, so the whole track
    // from the start cap to the end cap takes presses.
    const qreal stretch = m_barMiddle->scaledBounds().height() - boundsOnElement(BAR_MIDDLE_ID).height();
    const QRectF mask(m_barMaskRect.x(), m_barMaskRect.y(), m_barMaskRect.width(), m_barMaskRect.height() + stretch);
    QSvgRenderer* renderer = rendererContainer()->renderer();
    const QPixmap pixmap = Utilities::PictureSize::render(size, Utilities::PictureSize::sourceOf(renderer), Qt::green,
                                                          [&](QPainter& painter) {
                                                              renderer->render(&painter, BAR_MASK_ID, mask);
                                                          });
    m_maskRegion = Utilities::PictureSize::regionFor(QRegion(pixmap.createMaskFromColor(Qt::black, Qt::MaskOutColor)),
                                                     pixmap.size(), size);
    return m_maskRegion;
}

QPoint Scroller::designPoint(const QPointF& scenePos) const
{
    const QPointF local = sceneTransform().inverted().map(scenePos);
    return QPoint(qRound(local.x()), qRound(local.y()));
}

void Scroller::moveCloseToPoint(const QPointF& point)
{
    setValue(m_minimum + MathToolsGui::guessPercentAtPathPoint(m_thumbPath, point) * (m_maximum - m_minimum));
}

void Scroller::handleNextPrevious(bool next)
{
    const qreal target = m_value + (next ? 1.0 : -1.0) * m_increment;
    if ((MathTools::equals(m_value, m_minimum) && target < m_minimum)
        || (MathTools::equals(m_value, m_maximum) && target > m_maximum)) {
        startPressAndHoldTimer(false, 0);
        return;
    }
    setValue(target);
}

void Scroller::startPressAndHoldTimer(bool start, int interval)
{
    if (!m_pressAndHoldTimer) {
        m_pressAndHoldTimer = new QTimer(this);
        connect(m_pressAndHoldTimer, &QTimer::timeout, this, &Scroller::onPressAndHoldTimerTimeout);
    }
    if (start) {
        m_pressAndHoldTimer->setInterval(interval);
        m_pressAndHoldTimer->start();
    } else {
        m_pressAndHoldTimer->stop();
    }
}

void Scroller::onPressAndHoldTimerTimeout()
{
    if (m_pressedButton != m_previous && m_pressedButton != m_next)
        return;
    if (m_pressAndHoldTimer->interval() == WAIT_INTERVAL)
        startPressAndHoldTimer(true, SCROLL_INTERVAL);
    else
        handleNextPrevious(m_pressedButton == m_next);
}

void Scroller::setBounds(const QRectF& rect)
{
    SvgControlObject::setBounds(rect);
    updateElementsPositions();
    setValue(m_value);
}

void Scroller::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    if (!isVisible() || !isEnabled() || event->isAccepted())
        return;
    const QPoint point = designPoint(event->scenePos());
    if (getMaskRegion().contains(point) && !m_thumb->hitTest(event->scenePos())) {
        consumer.setConsumer(this);
        event->accept();
        moveCloseToPoint(point);
    }
    SvgControlObject::handleMousePress(event, consumer);
}

void Scroller::mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                      void* pressConsumer)
{
    if (isConsumer(pressConsumer, m_thumb))
        moveCloseToPoint(designPoint(event->scenePos()));
    SvgControlObject::mousePressAndMoveEvent(pressScenePos, event, pressConsumer);
}

void Scroller::updateCachedData()
{
    SvgControlObject::updateCachedData();
    m_barMaskRect = boundsOnElement(BAR_MASK_ID);
    updateElementsPositions();
}

void Scroller::onElementPress(SvgElement* element)
{
    if (element == m_previous || element == m_next) {
        handleNextPrevious(element == m_next);
        m_pressedButton = element;
        startPressAndHoldTimer(true, WAIT_INTERVAL);
    }
    SvgControlObject::onElementPress(element);
}

void Scroller::onElementRelease(SvgElement* element)
{
    if (element == m_previous || element == m_next) {
        m_pressedButton = nullptr;
        startPressAndHoldTimer(false, 0);
    }
    SvgControlObject::onElementRelease(element);
}

void Scroller::totalOffsetChanged()
{
    updateElementsPositions();
    m_maskRegion = QRegion();
}

} // namespace Corvane::Gadgets

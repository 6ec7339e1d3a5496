#include "frame/SvgWindowFrame.h"

#include "controls/SvgButton.h"
#include "controls/SvgElement.h"
#include "text/TextLabel.h"

#include "utilities/MathTools.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QVector2D>

namespace Corvane::Gadgets {

using Corvane::Utilities::MathTools;

const QString SvgWindowFrame::TITLEBAR_ID = QStringLiteral("background");
const QString SvgWindowFrame::TITLE_PLACEHOLDER_ID = QStringLiteral("title_placeholder");
const QString SvgWindowFrame::CLOSE_BUTTON_ID = QStringLiteral("close_button");
const QString SvgWindowFrame::RESIZE_HANDLE = QStringLiteral("resize_handle");
const QString SvgWindowFrame::BORDER_LEFT = QStringLiteral("border_left");
const QString SvgWindowFrame::BORDER_TOP = QStringLiteral("border_top");
const QString SvgWindowFrame::BORDER_RIGHT = QStringLiteral("border_right");
const QString SvgWindowFrame::BORDER_BOTTOM = QStringLiteral("border_bottom");

namespace {

constexpr qreal TITLE_CLOSE_GAP = 2.0;
constexpr qreal RTL_TITLE_X_GAP = 3.0;
constexpr qreal RTL_TITLE_Y_GAP = 2.0;

} // namespace

SvgWindowFrame::SvgWindowFrame(SvgControlObject* mainControl, Utilities::RendererContainer* renderer,
                               SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
{
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);

    m_titleBar = initElement(TITLEBAR_ID);
    m_titleBar->setStretch(true);
    m_titleBar->setAcceptsMouse(true);

    m_title = new TextLabel(QString(), this);
    m_title->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    addToChildren(m_title);

    m_resizeHandle = initElement(RESIZE_HANDLE);
    m_resizeHandle->setAcceptsMouse(true);

    m_borderLeft = initElement(BORDER_LEFT);
    m_borderTop = initElement(BORDER_TOP);
    m_borderRight = initElement(BORDER_RIGHT);
    m_borderBottom = initElement(BORDER_BOTTOM);
    for (SvgElement* border : {m_borderLeft, m_borderTop, m_borderRight, m_borderBottom})
        border->setStretch(true);

    m_closeButton = initButton(CLOSE_BUTTON_ID);
    setMainControl(mainControl);
}

SvgWindowFrame::~SvgWindowFrame() = default;

SvgElement* SvgWindowFrame::border(const QString& id) const
{
    if (id == BORDER_LEFT)
        return m_borderLeft;
    if (id == BORDER_TOP)
        return m_borderTop;
    if (id == BORDER_RIGHT)
        return m_borderRight;
    if (id == BORDER_BOTTOM)
        return m_borderBottom;
    return nullptr;
}

void SvgWindowFrame::setMainControl(SvgControlObject* control)
{
    if (control) {
        if (m_mainControl)
            removeFromChildren(m_mainControl);
        m_mainControl = control;
        addToChildren(control);
        m_resizeHandle->setZValue(control->zValue() + 1.0);
    }
    recalculateBounds();
}

void SvgWindowFrame::setIsMoveEnabled(bool enabled)
{
    m_moveEnabled = enabled;
    setTitleBarAcceptsMouse(enabled);
}

void SvgWindowFrame::setTitleBarAcceptsMouse(bool accepts)
{
    m_titleBar->setAcceptsMouse(accepts);
}

void SvgWindowFrame::setIsResizeHandleVisible(bool visible)
{
    m_resizeHandle->setVisible(visible);
}

bool SvgWindowFrame::isResizeHandleVisible() const
{
    return m_resizeHandle->isVisible();
}

void SvgWindowFrame::setTitleText(const QString& text)
{
    m_title->setText(text);
}

QPointF SvgWindowFrame::getOriginPoint() const
{
    const QRectF bounds = boundingRect();
    switch (m_resizeOrigin) {
    case LeftCenter:
        return QPointF(0, bounds.height() / 2);
    case Center:
        return bounds.center();
    case TopLeft:
        break;
    }
    return QPointF(0, 0);
}

void SvgWindowFrame::layOutTitle(const QRectF& titleBar, qreal frameWidth)
{
    const QRectF placeholder = boundsOnElement(TITLE_PLACEHOLDER_ID);
    const QSizeF close = boundsOnElement(CLOSE_BUTTON_ID + SvgButton::DEFAULT_SUFFIX).size();
    const qreal rightBorder = boundsOnElement(BORDER_RIGHT).width();
    const qreal titleWidth = frameWidth - placeholder.x() - close.width() - TITLE_CLOSE_GAP;

    if (QApplication::layoutDirection() == Qt::RightToLeft) {
        m_closeButton->setButtonBounds(QRectF(titleBar.topLeft(), close));
        const QRectF button = m_closeButton->boundingRect();
        m_title->setTextBounds(QRectF(button.x() + button.width() + RTL_TITLE_X_GAP, button.y() + RTL_TITLE_Y_GAP,
                                      titleWidth, placeholder.height()));
    } else {
        m_title->setTextBounds(QRectF(placeholder.x(), placeholder.y(), titleWidth, placeholder.height()));
        m_closeButton->setButtonBounds(
            QRectF(titleBar.x() + frameWidth - close.width() - rightBorder, titleBar.y(), close.width(), close.height()));
    }
}

void SvgWindowFrame::recalculateBounds()
{
    if (!m_mainControl)
        return;
    const QRectF content = m_mainControl->boundingRect();
    const qreal titleHeight = boundsOnElement(TITLEBAR_ID).height();
    const QSizeF handle = boundsOnElement(RESIZE_HANDLE).size();
    const qreal leftWidth = boundsOnElement(BORDER_LEFT).width();
    const qreal rightWidth = boundsOnElement(BORDER_RIGHT).width();
    const qreal topHeight = boundsOnElement(BORDER_TOP).height();
    const qreal bottomHeight = boundsOnElement(BORDER_BOTTOM).height();

    const qreal width = content.width() + leftWidth + rightWidth;
    const QRectF titleBar(0, 0, width, titleHeight);
    m_titleBar->setBounds(titleBar);
    layOutTitle(titleBar, width);

    const QRectF top(titleBar.left(), titleBar.bottom() - topHeight, width, topHeight);
    const QRectF left(top.left(), top.bottom(), leftWidth, content.height());
    const QRectF main(left.right(), top.bottom(), content.width(), content.height());
    const QRectF right(main.right(), main.top(), rightWidth, main.height());
    const QRectF bottom(left.left(), left.bottom(), top.width(), bottomHeight);
    m_borderTop->setBounds(top);
    m_borderLeft->setBounds(left);
    m_mainControl->setBounds(main);
    m_borderRight->setBounds(right);
    m_borderBottom->setBounds(bottom);
    m_resizeHandle->setBounds(QRectF(main.right() - handle.width(), main.bottom() - handle.height(), handle.width(),
                                     handle.height()));

    QRectF frame = m_titleBar->scaledBounds();
    for (SvgControl* part : {static_cast<SvgControl*>(m_closeButton), static_cast<SvgControl*>(m_title),
                             static_cast<SvgControl*>(m_borderLeft), static_cast<SvgControl*>(m_borderTop),
                             static_cast<SvgControl*>(m_borderRight), static_cast<SvgControl*>(m_borderBottom)})
        frame = frame.united(part->scaledBounds());
    // The frame keeps its place; only its extent follows the parts.
    SvgControlObject::setBounds(QRectF(pos() + frame.topLeft(), frame.size()));
}

void SvgWindowFrame::handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer)
{
    m_pressScenePos = scenePos();
    m_pressScale = scale();
    m_pressOriginScenePos = mapToScene(getOriginPoint());
    SvgControlObject::handleMousePress(event, consumer);
}

void SvgWindowFrame::mousePressAndMoveEvent(const QPointF& startPos, QGraphicsSceneMouseEvent* event,
                                            void* pressConsumer)
{
    if (isConsumer(pressConsumer, m_resizeHandle))
        handleResizing(startPos, event->scenePos());
    else if (isConsumer(pressConsumer, m_titleBar) || isConsumer(pressConsumer, m_title))
        handleMoving(startPos, event->scenePos());
    SvgControlObject::mousePressAndMoveEvent(startPos, event, pressConsumer);
}

void SvgWindowFrame::handleMoving(const QPointF& startPos, const QPointF& currentPos)
{
    const QPointF offset = currentPos - startPos;
    if (!m_moveEnabled) {
        emit moveRequested(offset);
        return;
    }
    QPointF position = m_pressScenePos + offset;
    if (parentItem())
        position = parentItem()->mapFromScene(position);
    setPos(position);
}

void SvgWindowFrame::handleResizing(const QPointF& startPos, const QPointF& currentPos)
{
    // Both vectors are measured from the resize origin as it lay at the press,
    // so the drag scales as far as the pointer moves away from it.
    const QVector2D start(startPos - m_pressOriginScenePos);
    const QVector2D current(currentPos - m_pressOriginScenePos);
    // A pointer exactly on the origin has no direction and would ask for scale 0.
    if (start.length() < MathTools::EPS || current.length() < MathTools::EPS)
        return;
    const float cosine = QVector2D::dotProduct(start, current) / (start.length() * current.length());
    if (cosine < 0.0f)
        return;
    const qreal factor = MathTools::vectorLength(currentPos - m_pressOriginScenePos)
        / MathTools::vectorLength(startPos - m_pressOriginScenePos);

    if (!m_resizeEnabled) {
        emit resizeRequested(factor);
        return;
    }
    const qreal newScale = m_pressScale * factor;
    if (newScale >= MINIMUM_SCALE && newScale <= MAXIMUM_SCALE)
        setScale(newScale);
}

void SvgWindowFrame::mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer)
{
    if (isConsumer(pressConsumer, m_resizeHandle))
        emit resizeFinished();
    SvgControlObject::mouseReleaseEvent(event, pressConsumer);
}

void SvgWindowFrame::onElementClick(SvgElement* element)
{
    if (element == m_closeButton)
        emit closeClicked();
    SvgControlObject::onElementClick(element);
}

void SvgWindowFrame::updateCachedData()
{
    SvgControlObject::updateCachedData();
    recalculateBounds();
}

void SvgWindowFrame::retranslateUi()
{
    recalculateBounds();
    SvgControlObject::retranslateUi();
}

} // namespace Corvane::Gadgets

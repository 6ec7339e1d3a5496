#include "controlbox/ControlBox.h"

#include "controls/SvgButton.h"

namespace Corvane::Gadgets {

const QString ControlBox::MOVE_ID = QStringLiteral("move");
const QString ControlBox::RESIZE_ID = QStringLiteral("resize");
const QString ControlBox::CLOSE_ID = QStringLiteral("close");

ControlBox::ControlBox(Utilities::RendererContainer* renderer, SvgControlObject* parent)
    : SvgControlObject(renderer, parent)
    , m_opacityAlternator(1.0)
    , m_opacityAnimation(this, QByteArrayLiteral("floatingIconsOpacity"), this)
{
    setAcceptHoverEvents(true);
    setFiltersChildEvents(true);
    m_moveButton = createButton(MOVE_ID);
    m_resizeButton = createButton(RESIZE_ID);
    m_closeButton = createButton(CLOSE_ID);
    setFloatingIconsOpacity(0.0);
}

// Every button is a child item and a child control, so that it is shown,
// moved and destroyed with the box.
SvgButton* ControlBox::createButton(const QString& id)
{
    SvgButton* button = initButton(id);
    m_opacityAlternator.addOpacityAlternatedItem(button);
    return button;
}

void ControlBox::setFloatingIconsOpacity(qreal opacity)
{
    m_opacityAlternator.setItemsOpacity(opacity);
}

void ControlBox::onHoverEntered(bool hasEntered)
{
    m_opacityAnimation.startItemsOpacityAnimation(floatingIconsOpacity(), hasEntered ? 1.0 : 0.0);
}

void ControlBox::hoverEnterEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverEnterEvent(event);
    onHoverEntered(true);
}

void ControlBox::hoverLeaveEvent(QGraphicsSceneHoverEvent* event)
{
    SvgControlObject::hoverLeaveEvent(event);
    onHoverEntered(false);
}

} // namespace Corvane::Gadgets

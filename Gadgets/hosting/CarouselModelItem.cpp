#include "hosting/CarouselModelItem.h"

namespace Corvane::Gadgets::Utilities {

CarouselModelItem::CarouselModelItem(SvgControlObject* control, QObject* parent)
    : QObject(parent)
    , m_control(control)
{
}

CarouselModelItem::CarouselModelItem(QObject* parent)
    : QObject(parent)
{
}

CarouselModelItem::~CarouselModelItem()
{
    releaseControl();
}

void CarouselModelItem::releaseControl()
{
    if (!m_control || m_control->QObject::parent())
        return;
    if (!m_control->parentItem() && !m_control->scene()) {
        delete m_control.data();
        return;
    }
    if (QGraphicsObject* shower = m_control->parentObject())
        m_control->QObject::setParent(shower);
}

} // namespace Corvane::Gadgets::Utilities

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

} // namespace Corvane::Gadgets::Utilities

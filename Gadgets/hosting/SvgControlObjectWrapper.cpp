#include "hosting/SvgControlObjectWrapper.h"

#include <QGraphicsScene>

namespace Corvane::Gadgets::Utilities {

SvgControlObjectWrapper::SvgControlObjectWrapper(QGraphicsItem* parent)
    : BaseQMLWrapper(parent)
{
}

SvgControlObjectWrapper::~SvgControlObjectWrapper()
{
    SvgControlObject* shown = control();
    if (!shown || shown->parentItem() != this)
        return;
    if (QGraphicsScene* scene = shown->scene())
        shown->removeFromScene(scene);
    shown->setParentItem(nullptr);
}

} // namespace Corvane::Gadgets::Utilities

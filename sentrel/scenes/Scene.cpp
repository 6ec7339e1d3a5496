#include "scenes/Scene.h"

#include "hosting/BaseQMLWrapper.h"

namespace Corvane::Sentrel {

void Scene::setRootSize(const QSizeF& size)
{
    root()->setSize(size);
}

void Scene::setCarouselModel(const QList<Gadgets::Utilities::CarouselModelItem*>&)
{
}

} // namespace Corvane::Sentrel

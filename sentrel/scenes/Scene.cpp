#include "scenes/Scene.h"

namespace Corvane::Sentrel {

void Scene::setCarouselModel(const QList<Gadgets::Utilities::CarouselModelItem*>&)
{
}

} // namespace Corvane::Sentrel

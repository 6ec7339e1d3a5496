#include "theme/RendererContainer.h"

namespace Corvane::Gadgets::Utilities {

RendererContainer::RendererContainer(QSvgRenderer* renderer, const QString& name)
    : m_renderer(renderer)
    , m_name(name)
{
}

} // namespace Corvane::Gadgets::Utilities

#include "theme/RendererContainer.h"

#include <utility>

namespace Corvane::Gadgets::Utilities {

RendererContainer::RendererContainer(QSvgRenderer* renderer, const QString& name)
    : m_renderer(renderer)
    , m_name(name)
{
}

RendererContainer::RendererContainer(Loader loader, const QString& name)
    : m_renderer(nullptr)
    , m_loader(std::move(loader))
    , m_name(name)
{
}

QSvgRenderer* RendererContainer::renderer() const
{
    if (m_loader)
        m_renderer = std::exchange(m_loader, {})();
    return m_renderer;
}

void RendererContainer::setRenderer(QSvgRenderer* renderer)
{
    m_renderer = renderer;
    m_loader = {};
}

} // namespace Corvane::Gadgets::Utilities

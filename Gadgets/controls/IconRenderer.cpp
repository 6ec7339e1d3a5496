#include "controls/IconRenderer.h"

namespace Corvane::Gadgets::Utilities {

IconRenderer::IconRenderer(RendererContainer* main, QList<RendererContainer*> overlays)
    : m_main(main)
    , m_overlays(std::move(overlays))
{
}

} // namespace Corvane::Gadgets::Utilities

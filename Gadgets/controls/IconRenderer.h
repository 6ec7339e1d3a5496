#pragma once

#include <QList>

namespace Corvane::Gadgets::Utilities {

class RendererContainer;

// An icon to paint: the renderer container of the icon SVG and the renderer
// containers of overlays (favourite or error indicators) painted over it in
// list order. Copyable; never owns the containers.
class IconRenderer
{
public:
    IconRenderer() = default;
    IconRenderer(RendererContainer* main, QList<RendererContainer*> overlays);

    RendererContainer* main() const { return m_main; }
    QList<RendererContainer*> overlays() const { return m_overlays; }

private:
    RendererContainer* m_main = nullptr;
    QList<RendererContainer*> m_overlays;
};

} // namespace Corvane::Gadgets::Utilities

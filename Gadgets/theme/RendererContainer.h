#pragma once

#include <QString>

#include <functional>

class QSvgRenderer;

namespace Corvane::Gadgets::Utilities {

// The renderer of one theme SVG file, shared by every control drawn from that
// file. A theme switch swaps the renderer inside the container, so controls
// keep the container and ask it for the renderer each time they paint.
// A container made with a loader parses its file only when its renderer is
// first asked for: icons of pages nobody opens cost nothing.
// The container does not own its renderer.
class RendererContainer
{
public:
    using Loader = std::function<QSvgRenderer*()>;

    RendererContainer(QSvgRenderer* renderer, const QString& name);
    RendererContainer(Loader loader, const QString& name);

    QSvgRenderer* renderer() const;
    // The renderer when it is loaded already, else null.
    QSvgRenderer* loadedRenderer() const { return m_renderer; }
    void setRenderer(QSvgRenderer* renderer);
    QString name() const { return m_name; }

private:
    mutable QSvgRenderer* m_renderer;
    mutable Loader m_loader;
    QString m_name;
};

} // namespace Corvane::Gadgets::Utilities

#pragma once

#include <QString>

class QSvgRenderer;

namespace Corvane::Gadgets::Utilities {

// The renderer of one theme SVG file, shared by every control drawn from that
// file. A theme switch swaps the renderer inside the container, so controls
// keep the container and ask it for the renderer each time they paint.
// The container does not own its renderer.
class RendererContainer
{
public:
    RendererContainer(QSvgRenderer* renderer, const QString& name);

    QSvgRenderer* renderer() const { return m_renderer; }
    void setRenderer(QSvgRenderer* renderer) { m_renderer = renderer; }
    QString name() const { return m_name; }

private:
    QSvgRenderer* m_renderer;
    QString m_name;
};

} // namespace Corvane::Gadgets::Utilities

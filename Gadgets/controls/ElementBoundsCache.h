#pragma once

#include <QRectF>
#include <QString>

class QSvgRenderer;

namespace Corvane::Gadgets {

// The bounds of theme elements, as the renderer's transform places them.
// Asking a renderer is a search of its whole document each time, and icons,
// labels and sliders ask for the same few elements on every state change.
// Entries are dropped when their renderer loads another document or is
// destroyed, so a theme switch never sees old bounds. GUI thread only.
class ElementBoundsCache
{
public:
    // The element's bounds, or QRectF(0, 0, -1, -1) when the renderer has
    // no such element.
    static QRectF bounds(QSvgRenderer* renderer, const QString& elementId);
    // Whether the renderer has the element, without working out its bounds.
    static bool exists(QSvgRenderer* renderer, const QString& elementId);
};

} // namespace Corvane::Gadgets

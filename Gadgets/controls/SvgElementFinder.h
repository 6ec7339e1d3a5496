#pragma once

#include <QPainterPath>
#include <QString>

class QSvgRenderer;

namespace Corvane::Gadgets::Utilities {

// Extracts the outline of an SVG element: the last path drawn while the
// element renders, in the element's own user coordinates.
class SvgElementFinder
{
public:
    QPainterPath findPath(QSvgRenderer* renderer, const QString& elementId) const;
    QPainterPath findPath(const QString& svgFile, const QString& elementId) const;
};

} // namespace Corvane::Gadgets::Utilities

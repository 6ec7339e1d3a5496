#include "controls/SvgElementFinder.h"

#include "controls/SvgPaintDevice.h"

#include <QFileInfo>
#include <QPainter>
#include <QResource>
#include <QSvgRenderer>

namespace Corvane::Gadgets::Utilities {

QPainterPath SvgElementFinder::findPath(QSvgRenderer* renderer, const QString& elementId) const
{
    if (!renderer || !renderer->isValid() || !renderer->elementExists(elementId))
        return QPainterPath();
    SvgPaintDevice device;
    QPainter painter(&device);
    renderer->render(&painter, elementId);
    painter.end();
    return device.recordingEngine()->recordedPath();
}

QPainterPath SvgElementFinder::findPath(const QString& svgFile, const QString& elementId) const
{
    if (svgFile.isEmpty() || elementId.isEmpty())
        return QPainterPath();
    if (!QFileInfo::exists(svgFile) && !QResource(svgFile).isValid())
        return QPainterPath();
    QSvgRenderer renderer(svgFile);
    return findPath(&renderer, elementId);
}

} // namespace Corvane::Gadgets::Utilities

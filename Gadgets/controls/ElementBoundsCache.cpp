#include "controls/ElementBoundsCache.h"

#include <QHash>
#include <QSvgRenderer>
#include <QTransform>

namespace Corvane::Gadgets {

namespace {

using BoundsById = QHash<QString, QRectF>;

QHash<const QSvgRenderer*, BoundsById>& boundsByRenderer()
{
    static QHash<const QSvgRenderer*, BoundsById> cache;
    return cache;
}

BoundsById& entriesFor(QSvgRenderer* renderer)
{
    QHash<const QSvgRenderer*, BoundsById>& cache = boundsByRenderer();
    auto found = cache.find(renderer);
    if (found != cache.end())
        return *found;
    // A reload changes the document; a destroyed renderer's address may be
    // handed to the next one.
    QObject::connect(renderer, &QSvgRenderer::repaintNeeded, renderer,
                     [renderer] { boundsByRenderer()[renderer].clear(); });
    QObject::connect(renderer, &QObject::destroyed, [renderer] { boundsByRenderer().remove(renderer); });
    return *cache.insert(renderer, {});
}

const QRectF MISSING(0, 0, -1, -1);

QRectF lookUp(QSvgRenderer* renderer, const QString& elementId)
{
    if (!renderer->elementExists(elementId))
        return MISSING;
    return renderer->transformForElement(elementId).mapRect(renderer->boundsOnElement(elementId));
}

} // namespace

QRectF ElementBoundsCache::bounds(QSvgRenderer* renderer, const QString& elementId)
{
    if (!renderer)
        return MISSING;
    BoundsById& entries = entriesFor(renderer);
    auto found = entries.constFind(elementId);
    if (found != entries.constEnd())
        return *found;
    const QRectF bounds = lookUp(renderer, elementId);
    entries.insert(elementId, bounds);
    return bounds;
}

// Whether an element exists is cheap to learn, its bounds are not (each
// takes a walk of the drawing): they are worked out only when asked for.
bool ElementBoundsCache::exists(QSvgRenderer* renderer, const QString& elementId)
{
    if (!renderer)
        return false;
    BoundsById& entries = entriesFor(renderer);
    auto found = entries.constFind(elementId);
    if (found != entries.constEnd())
        return *found != MISSING;
    if (renderer->elementExists(elementId))
        return true;
    entries.insert(elementId, MISSING);
    return false;
}

} // namespace Corvane::Gadgets

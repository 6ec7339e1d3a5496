#include "controls/ContentPixmapCache.h"

#include "controls/ElementPixmapCache.h"
#include "controls/IconRenderer.h"
#include "controls/PictureSize.h"
#include "controls/SvgContentButton.h"
#include "theme/RendererContainer.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace Corvane::Gadgets::Utilities {

// Enough for every icon of a turning carousel and its labels' neighbours.
const int ContentPixmapCache::MAX_ENTRIES = 24;

namespace {

const QSvgRenderer* rendererOf(const RendererContainer* container)
{
    return container ? container->renderer() : nullptr;
}

} // namespace

void ContentPixmapCache::draw(QPainter* painter, const IconRenderer& icon, const QString& elementId,
                              const Models::TextPaintData& text, const QRectF& target)
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    if (!text.text().isEmpty()) {
        paintContent(painter, icon, elementId, text, target);
        return;
    }
    const qreal scale = ElementPixmapCache::deviceScale(painter);
    const QSize size(std::max(1, int(std::ceil(target.width() * scale))),
                     std::max(1, int(std::ceil(target.height() * scale))));
    if (!PictureSize::fits(size)) {
        PictureSize::drawVisiblePart(painter, target, PictureSize::sourceOf(rendererOf(icon.main())),
                                     [&](QPainter& part) {
                                         part.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
                                         SvgContentButton::paintContent(&part, icon, elementId, target, 1.0);
                                     });
        return;
    }
    const Key key = keyOf(icon, elementId, size);
    auto found = std::find_if(m_entries.cbegin(), m_entries.cend(), [&key](const Entry& e) { return e.key == key; });
    if (found == m_entries.cend()) {
        m_entries.prepend({key, paint(icon, elementId, target.size(), scale, size)});
        if (m_entries.size() > MAX_ENTRIES)
            m_entries.removeLast();
        found = m_entries.cbegin();
    }
    ElementPixmapCache::drawDevicePixmap(painter, QRectF(target.topLeft(), QSizeF(size) / scale), found->pixmap);
}

void ContentPixmapCache::clear()
{
    m_entries.clear();
}

ContentPixmapCache::Key ContentPixmapCache::keyOf(const IconRenderer& icon, const QString& elementId,
                                                  const QSize& size)
{
    Key key;
    key.main = rendererOf(icon.main());
    for (const RendererContainer* overlay : icon.overlays())
        key.overlays << rendererOf(overlay);
    key.elementId = elementId;
    key.size = size;
    return key;
}

void ContentPixmapCache::paintContent(QPainter* painter, const IconRenderer& icon, const QString& elementId,
                                      const Models::TextPaintData& text, const QRectF& target)
{
    SvgContentButton::paintContent(painter, icon, elementId, target, 1.0, text, SvgButton::Normal, 1.0, true,
                                   Qt::Horizontal, QString());
}

QPixmap ContentPixmapCache::paint(const IconRenderer& icon, const QString& elementId, const QSizeF& targetSize,
                                  qreal deviceScale, const QSize& size)
{
    return PictureSize::render(size, PictureSize::sourceOf(rendererOf(icon.main())), Qt::transparent,
                               [&](QPainter& painter) {
                                   painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform
                                                          | QPainter::TextAntialiasing);
                                   painter.scale(deviceScale, deviceScale);
                                   SvgContentButton::paintContent(&painter, icon, elementId,
                                                                  QRectF(QPointF(0, 0), targetSize), 1.0);
                               });
}

} // namespace Corvane::Gadgets::Utilities

#include "SceneView.h"

#include <QBitmap>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>

namespace Corvane::Sentrel {

SceneView::SceneView(QGraphicsScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent)
{
}

void SceneView::setDrawsOpaqueOnly(bool opaqueOnly)
{
    if (opaqueOnly == m_opaqueOnly)
        return;
    m_opaqueOnly = opaqueOnly;
    viewport()->update();
}

void SceneView::makeOpaqueOrClear(QImage& image)
{
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const int alpha = qAlpha(pixel);
            if (alpha == 255)
                continue;
            if (alpha < OPAQUE_FROM) {
                line[x] = 0;
                continue;
            }
            const QRgb colour = qUnpremultiply(pixel);
            line[x] = qRgba(qRed(colour), qGreen(colour), qBlue(colour), 255);
        }
    }
}

// The exposed part of the scene is drawn into a layer first, made opaque or
// clear pixel by pixel, and then laid over what the window drew below.
void SceneView::paintEvent(QPaintEvent* event)
{
    if (!m_opaqueOnly) {
        QGraphicsView::paintEvent(event);
        return;
    }
    const QRect exposed = event->rect();
    if (exposed.isEmpty())
        return;
    const qreal ratio = viewport()->devicePixelRatio();
    QImage layer(exposed.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHints(renderHints());
        render(&painter, QRectF(QPointF(0, 0), exposed.size()), exposed, Qt::IgnoreAspectRatio);
    }
    makeOpaqueOrClear(layer);
    {
        QPainter painter(viewport());
        painter.setClipRegion(event->region());
        painter.drawImage(exposed.topLeft(), layer);
    }
    const QImage mask = layer.createAlphaMask();
    Q_EMIT drawnOpaque(exposed, QRegion(QBitmap::fromImage(mask)).translated(exposed.topLeft()));
}

} // namespace Corvane::Sentrel

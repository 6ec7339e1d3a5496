#include "SceneView.h"

#include <QBitmap>
#include <QGraphicsScene>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

namespace Corvane::Sentrel {

SceneView::SceneView(QGraphicsScene* scene, QWidget* parent)
    : QGraphicsView(scene, parent)
{
    if (scene)
        connect(scene, &QGraphicsScene::changed, this, &SceneView::reportDrawnBeyondShape);
}

void SceneView::setDrawsOpaqueOnly(bool opaqueOnly)
{
    if (opaqueOnly == m_opaqueOnly)
        return;
    m_opaqueOnly = opaqueOnly;
    viewport()->update();
    Q_EMIT drawsOpaqueOnlyChanged(opaqueOnly);
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
    if (m_opaqueOnly)
        paintOpaque(event);
    else
        QGraphicsView::paintEvent(event);
    Q_EMIT painted();
}

void SceneView::paintOpaque(QPaintEvent* event)
{
    const QRect exposed = event->rect();
    if (exposed.isEmpty())
        return;
    const QImage layer = opaqueLayer(exposed);
    {
        QPainter painter(viewport());
        painter.setClipRegion(event->region());
        painter.drawImage(exposed.topLeft(), layer);
    }
    Q_EMIT drawnOpaque(exposed, drawnIn(layer).translated(exposed.topLeft()));
}

// A window cut to a shape is drawn only within it: what an animation carries
// beyond the shape would never be drawn, and so never join the shape. What
// the scene now draws there is reported at once, before the next frame.
void SceneView::reportDrawnBeyondShape(const QList<QRectF>& changed)
{
    const QRegion shape = window()->mask();
    if (!m_opaqueOnly || shape.isEmpty())
        return;
    QRegion beyond;
    for (const QRectF& rect : changed)
        beyond += mapFromScene(rect).boundingRect().adjusted(-1, -1, 1, 1);
    beyond &= viewport()->rect();
    beyond -= shape.translated(-viewport()->mapTo(window(), QPoint(0, 0)));
    if (beyond.isEmpty())
        return;
    const QRect area = beyond.boundingRect();
    Q_EMIT drawnOpaque(area, drawnIn(opaqueLayer(area)).translated(area.topLeft()));
}

QImage SceneView::opaqueLayer(const QRect& area)
{
    const qreal ratio = viewport()->devicePixelRatio();
    QImage layer(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    layer.fill(Qt::transparent);
    {
        QPainter painter(&layer);
        painter.setRenderHints(renderHints());
        render(&painter, QRectF(QPointF(0, 0), area.size()), area, Qt::IgnoreAspectRatio);
    }
    makeOpaqueOrClear(layer);
    return layer;
}

// The layer holds the screen's pixels; the region is in the view's
// device-independent pixels: every one in which a drawn pixel lies.
QRegion SceneView::drawnIn(const QImage& layer)
{
    const qreal ratio = layer.devicePixelRatio();
    if (ratio == 1.0)
        return QRegion(QBitmap::fromImage(layer.createAlphaMask()));
    QImage drawn(qCeil(layer.width() / ratio), qCeil(layer.height() / ratio), QImage::Format_ARGB32_Premultiplied);
    drawn.fill(0);
    for (int y = 0; y < layer.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (qAlpha(line[x]) > 0)
                drawn.setPixel(int(x / ratio), int(y / ratio), 0xff000000);
        }
    }
    return QRegion(QBitmap::fromImage(drawn.createAlphaMask()));
}

} // namespace Corvane::Sentrel

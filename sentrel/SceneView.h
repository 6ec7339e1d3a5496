#pragma once

#include <QGraphicsView>

class QImage;

namespace Corvane::Sentrel {

// The view of a scene window. Where the desktop shows no translucent windows
// (X11 without a compositing manager) a partly transparent pixel shows
// black: there the view draws every pixel either opaque or not at all, so
// that soft edges, shadows and fades need no blending with the desktop and
// the window's shape can follow exactly what is drawn.
class SceneView : public QGraphicsView
{
    Q_OBJECT
    // Read by the scene's controls that open windows of their own (the
    // dragged carousel icon), so that they draw as the view does.
    Q_PROPERTY(bool drawsOpaqueOnly READ drawsOpaqueOnly WRITE setDrawsOpaqueOnly)

public:
    explicit SceneView(QGraphicsScene* scene, QWidget* parent = nullptr);

    bool drawsOpaqueOnly() const { return m_opaqueOnly; }
    void setDrawsOpaqueOnly(bool opaqueOnly);

    // Each pixel of a premultiplied image becomes opaque in its own colour
    // when it is at least OPAQUE_FROM opaque, else clear.
    static void makeOpaqueOrClear(QImage& image);
    static constexpr int OPAQUE_FROM = 100;

Q_SIGNALS:
    // The view switched between drawing translucent and opaque only.
    void drawsOpaqueOnlyChanged(bool opaqueOnly);
    // Drawing opaque only: a part of the viewport just drawn (or, beyond the
    // window's shape, drawn as it would be), and the pixels drawn in it, so
    // that the window's shape can follow at once.
    void drawnOpaque(const QRect& area, const QRegion& drawn);
    // The viewport has drawn the scene (the last part of a window's frame).
    void painted();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintOpaque(QPaintEvent* event);
    void reportDrawnBeyondShape(const QList<QRectF>& changed);
    // The scene in a part of the viewport, each pixel opaque or clear, and
    // the pixels drawn in such a layer.
    QImage opaqueLayer(const QRect& area);
    static QRegion drawnIn(const QImage& layer);

    bool m_opaqueOnly = false;
};

} // namespace Corvane::Sentrel

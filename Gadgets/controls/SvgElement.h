#pragma once

#include "controls/ElementPixmapCache.h"
#include "controls/SvgControl.h"

#include <QHash>
#include <QPixmap>
#include <QRegion>

namespace Corvane::Gadgets {

class SvgControlObject;

// Paints one named element of a themed SVG as a child item of a composite
// control, at the element's own place and size (or stretched over its
// bounds), optionally clipped, and optionally taking mouse presses on the
// element's opaque pixels only.
//
// The element id is suffixed with the control's elements suffix when the
// renderer has such a variant ("icon" + "_" + "motor"), else used plainly.
class SvgElement : public SvgControl
{
public:
    SvgElement(Utilities::RendererContainer* renderer, const QString& elementId, SvgControlObject* parent);

    QString elementId() const { return m_elementId; }
    virtual QString fullElementId() const { return m_fullElementId; }
    virtual void updateBounds();
    virtual bool hitTest(const QPointF& scenePos);

    void setAcceptsMouse(bool accepts) { m_acceptsMouse = accepts; }
    bool acceptsMouse() const { return m_acceptsMouse; }
    void setStretch(bool stretch) { m_stretch = stretch; }
    bool stretch() const { return m_stretch; }
    void setParent(SvgControlObject* parent) { m_parent = parent; }
    SvgControlObject* parentControl() const { return m_parent; }
    void setPaintClipRegion(const QRegion& region) { m_clipRegion = region; }
    QRegion paintClipRegion() const { return m_clipRegion; }

    void paintElement(QPainter* painter, const QString& elementId);
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void setCustomScale(qreal scale) override;
    void updateCachedData() override;
    void setElementsSuffix(const QString& suffix) override;

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

    // Drops the cached pixmaps, element bounds and the hit mask.
    void invalidateHitMask();
    // Where elementId is painted, in item coordinates: at its own offset when
    // it lies within the bounds, else centred; the whole item when stretched.
    QRectF elementTarget(const QString& elementId);

private:
    void renderHitPixmap(const QString& elementId);
    // boundsOnElement, measured once per element and renderer: painting asks
    // for it every time.
    QRectF paintedElementBounds(const QString& elementId);

    QString m_elementId;
    QString m_fullElementId;
    QPixmap m_hitPixmap;
    // The size the hit picture stands for; the picture may be smaller.
    QSize m_hitPixmapSize;
    QString m_hitPixmapId;
    SvgControlObject* m_parent;
    QRegion m_clipRegion;
    bool m_stretch = false;
    bool m_acceptsMouse = false;
    QRegion m_hitRegion;
    Utilities::ElementPixmapCache m_pixmapCache;
    const QSvgRenderer* m_measuredRenderer = nullptr;
    QHash<QString, QRectF> m_paintedElementBounds;
};

} // namespace Corvane::Gadgets

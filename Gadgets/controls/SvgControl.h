#pragma once

#include <QGraphicsItem>
#include <QPointF>
#include <QRectF>
#include <QString>

class QGraphicsScene;
class QGraphicsSceneMouseEvent;
class QGraphicsSceneWheelEvent;
class QGraphicsSceneHoverEvent;
class QKeyEvent;
class QSvgRenderer;

namespace Corvane::Gadgets {

namespace Utilities {
class RendererContainer;
}
namespace Gestures {
class EventConsumer;
}

// Base graphics item of every skinnable control: draws from one shared
// renderer container, has bounds set from outside, a custom scale, an offset,
// an element-id suffix and a theme control id (the prefix of its theme.ini
// keys). Gestures arrive through the handle* gates, which pass them on only
// while the item is visible and enabled.
class SvgControl : public QGraphicsItem
{
public:
    static const QString FONT_ID;
    static const QString FONT_COLOR_SUFFIX_ID;
    static const QString SECOND_FONT_COLOR_SUFFIX_ID;
    static const QString FONT_SIZE_SUFFIX_ID;
    static const QString FONT_WEIGHT_SUFFIX_ID;
    static const QString SUFFIX_SEPARATOR;

    SvgControl(Utilities::RendererContainer* renderer, QGraphicsItem* parent = nullptr);

    QRectF boundingRect() const override;
    // The rectangle last given to setBounds, in parent coordinates.
    QRectF scaledBounds() const;

    Utilities::RendererContainer* rendererContainer() const { return m_renderer; }
    // The container's current renderer, or null without a container.
    QSvgRenderer* svgRenderer() const;
    // Whether the current renderer draws an element of that (non-empty) id.
    bool hasElement(const QString& elementId) const;
    QString elementsSuffix() const { return m_elementsSuffix; }
    qreal customScale() const { return m_customScale; }
    QString controlId() const { return m_controlId; }

    // The element's bounds in document coordinates, or (0, 0, -1, -1) when
    // the renderer has no such element.
    static QRectF boundsOnElement(const QString& elementId, QSvgRenderer* renderer);
    QRectF boundsOnElement(const QString& elementId) const;

    // Product of the item scales of this item and its ancestors; with
    // ignoreTiny, a scale below EPS counts as 1.
    qreal effectiveGraphicsItemScale(bool ignoreTiny) const;
    qreal cumulativeScale() const;

    // Theme font size (default 10, within 8..72) and legacy-scale weight
    // (default 50, within 10..99) of this control id.
    int getFontSize() const;
    int getFontWeight() const;

    static QString suffixedElementId(const QString& id, const QString& suffix);
    void updateExpanded();

    virtual QRectF totalSceneBounds(bool visibleOnly) const;
    virtual void setBounds(const QRectF& rect);
    virtual void setCustomScale(qreal scale);
    virtual void scaleHasFinishedChanging() {}
    virtual void setOffset(const QPointF& offset);
    virtual void parentOffsetChanged();
    virtual void totalOffsetChanged() {}
    virtual void addToScene(QGraphicsScene* scene);
    virtual void removeFromScene(QGraphicsScene* scene);
    virtual void updateCachedData();
    virtual void retranslateUi() {}
    virtual void setControlId(const QString& id);
    virtual void setElementsSuffix(const QString& suffix);
    virtual void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer);
    virtual void activatedChanged(bool) {}

    void handleMouseRelease(QGraphicsSceneMouseEvent* event, void* pressConsumer);
    void handleMouseClick(QGraphicsSceneMouseEvent* event);
    void handleMouseDoubleClick(QGraphicsSceneMouseEvent* event);
    void handleMouseWheel(QGraphicsSceneWheelEvent* event);
    void handleMousePressAndHold(QGraphicsSceneMouseEvent* event);
    void handleMousePressAndMove(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event, void* pressConsumer);
    void handleMousePressMoveAndHover(QGraphicsSceneMouseEvent* event);
    void handleEndPressAndMove(QGraphicsSceneMouseEvent* event);
    void handleSwipe(qreal angle, qreal speed, QPoint position, QGraphicsSceneMouseEvent* event);
    void handleKeyPress(QKeyEvent* event);
    void handleKeyRelease(QKeyEvent* event);
    void handleHoverEnterEvent(QGraphicsSceneHoverEvent* event);
    void handleHoverMoveEvent(QGraphicsSceneHoverEvent* event);
    void handleHoverLeaveEvent(QGraphicsSceneHoverEvent* event);

protected:
    using QGraphicsItem::mouseReleaseEvent;

    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    virtual void mouseReleaseEvent(QGraphicsSceneMouseEvent*, void*) {}
    virtual void mouseClickEvent(QGraphicsSceneMouseEvent*) {}
    virtual void mouseWheelEvent(QGraphicsSceneWheelEvent*) {}
    virtual void mousePressAndHoldEvent(QGraphicsSceneMouseEvent*) {}
    virtual void mousePressAndMoveEvent(const QPointF&, QGraphicsSceneMouseEvent*, void*) {}
    virtual void mousePressMoveAndHoverEvent(QGraphicsSceneMouseEvent*) {}
    virtual void mouseEndPressAndMoveEvent(QGraphicsSceneMouseEvent*) {}
    virtual void swipeEvent(qreal, qreal, QPoint, QGraphicsSceneMouseEvent*) {}
    virtual void readThemeSettings(bool) {}

private:
    bool receivesGestures() const;

    Utilities::RendererContainer* m_renderer;
    QString m_elementsSuffix;
    QRectF m_boundingRect;
    QRectF m_bounds;
    qreal m_customScale = 1.0;
    QString m_controlId;
};

} // namespace Corvane::Gadgets

#pragma once

#include "controls/SvgControl.h"

#include <QList>
#include <QObject>

namespace Corvane::Gadgets {

class SvgElement;
class SvgButton;
class SvgContentButton;

// The composite control: a QObject and an SvgControl at once, holding child
// controls both as child items and in its children list.
//
// Scale, offset, suffix, scene membership, cache refresh and translation go
// down the children list. Clicks, presses, double clicks, wheel, swipes,
// holds and press-and-move go to the topmost child item that accepts them;
// releases, hovers, keys, press-move-and-hover and the end of press-and-move
// go to every listed child, then to the composite itself. Element presses,
// releases, clicks, double clicks and drags come back through the on*
// hooks and are re-emitted as signals.
class SvgControlObject : public QObject, public SvgControl
{
    Q_OBJECT
    Q_PROPERTY(bool visible READ isVisible WRITE setVisible)
    Q_PROPERTY(qreal originalWidth READ originalWidth NOTIFY originalWidthChanged)
    Q_PROPERTY(qreal originalHeight READ originalHeight NOTIFY originalHeightChanged)
    Q_PROPERTY(QPointF pos READ pos WRITE setPos NOTIFY positionChanged)

public:
    explicit SvgControlObject(Utilities::RendererContainer* renderer, SvgControlObject* parent = nullptr);

    void addToChildrensList(SvgControl* child);
    void addToChildren(SvgControl* child);
    void removeFromChildren(SvgControl* child);
    QList<SvgControl*> childControls() const { return m_children; }

    SvgElement* initElement(const QString& elementId);
    SvgButton* initButton(const QString& elementId);
    SvgContentButton* initContentButton(const QString& elementId);

    qreal originalWidth() const;
    qreal originalHeight() const;
    // Fits the bounds to the visible listed children; false when there is
    // nothing visible or the bounds stay the same.
    bool setBoundsToIncludeVisibleItemsOnly();

    QRectF totalSceneBounds(bool visibleOnly) const override;
    void addToScene(QGraphicsScene* scene) override;
    void removeFromScene(QGraphicsScene* scene) override;
    void setBounds(const QRectF& rect) override;
    void setCustomScale(qreal scale) override;
    void scaleHasFinishedChanging() override;
    void setOffset(const QPointF& offset) override;
    void parentOffsetChanged() override;
    void setElementsSuffix(const QString& suffix) override;
    virtual QPointF rotationCenter() const;
    void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer) override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    void updateCachedData() override;
    void retranslateUi() override;
    // Keyboard selection hooks of controls with selectable parts.
    virtual void selectPrevious() {}
    virtual void selectNext() {}
    virtual void pressCurrent() {}
    virtual void releaseCurrent() {}
    virtual void deselectAll() {}
    void activatedChanged(bool activated) override;

    virtual void onElementPress(SvgElement* element);
    virtual void onElementRelease(SvgElement* element);
    virtual void onElementClick(SvgElement* element);
    virtual void onElementDoubleClick(SvgElement* element);
    virtual void onElementDrag(SvgElement* element, QGraphicsSceneMouseEvent* event);

signals:
    void customScaleChanged(qreal scale);
    void positionChanged();
    void elementPress(Corvane::Gadgets::SvgElement* const sender);
    void elementRelease(Corvane::Gadgets::SvgElement* const sender);
    void elementClick(Corvane::Gadgets::SvgElement* const sender);
    void elementDoubleClick(Corvane::Gadgets::SvgElement* const sender);
    void elementDrag(Corvane::Gadgets::SvgElement* const sender, QGraphicsSceneMouseEvent* event);
    void originalWidthChanged(qreal originalWidthNew);
    void originalHeightChanged(qreal originalHeightNew);

protected:
    using SvgControl::mouseReleaseEvent;

    void hoverMoveEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event, void* pressConsumer) override;
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseDoubleClickEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressAndHoldEvent(QGraphicsSceneMouseEvent* event) override;
    void mousePressAndMoveEvent(const QPointF& pressScenePos, QGraphicsSceneMouseEvent* event,
                                void* pressConsumer) override;
    void mousePressMoveAndHoverEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseEndPressAndMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void swipeEvent(qreal angle, qreal speed, QPoint position, QGraphicsSceneMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseWheelEvent(QGraphicsSceneWheelEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

    // Whether pressConsumer (as passed with a gesture) names control.
    static bool isConsumer(void* pressConsumer, const SvgControl* control);

private:
    // Offers an event to the child items, topmost first, until one accepts it.
    template<typename Offer>
    void offerTopmostFirst(QEvent* event, Offer offer);

    QList<SvgControl*> m_children;
};

} // namespace Corvane::Gadgets

#pragma once

#include <QGraphicsObject>
#include <QList>
#include <QPointer>
#include <QSizeF>
#include <QVariantAnimation>

namespace Corvane::Gadgets {

class CarouselFrontLayer;

namespace Utilities {
class CarouselModelItem;
class SvgControlObjectWrapper;
} // namespace Utilities

// The carousel beside the round navigation gadget: one delegate per model
// item, each showing that item's control, spread along a D-shaped path on
// the gadget's right (see CarouselGeometry). The current item sits at the
// path's start, the right-hand middle point; the others follow down the
// lower arc and come back up the upper one. With more than five items the
// extra ones wait, hidden, on the straight edge behind the gadget.
//
// Laid out as a child of the gadget's host item: 250 pixels larger than the
// host each way and centred on it. The whole view turns about its centre
// in steps of 45 degrees to face the screen centre; delegates turn back so
// that they stay upright.
//
// Input: a press on the current delegate goes to its control first; a press
// on any other delegate, or one the current control leaves, is the view's.
// A click on a delegate that is not current makes it current. Dragging moves
// the delegates along the path, a flick lets them run on, and the view then
// settles on the item nearest the start. "moving" holds only while the user
// drags or the view runs on from a drag or flick; a change of currentIndex
// from outside animates the delegates over highlightMoveDuration without it.
// An index asked for while the view holds no items is where the next items
// open.
//
// Panels that the current item at rest covers in part (it moved in from the
// screen's edge or grew) hide, so that nothing shows around it.
//
// Given a parent, the view keeps a front layer beside it (see
// CarouselFrontLayer): an item clear of the gadget, the current one at rest,
// is drawn there, above what the parent hosts, while the view itself may
// stack behind it.
class CarouselView : public QGraphicsObject
{
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentIndexChanged)
    Q_PROPERTY(bool moving READ isMoving)
    Q_PROPERTY(int highlightMoveDuration READ highlightMoveDuration WRITE setHighlightMoveDuration)
    Q_PROPERTY(int gadgetMargin READ gadgetMargin CONSTANT)
    Q_PROPERTY(qreal delegateMinimumScale READ delegateMinimumScale CONSTANT)
    Q_PROPERTY(qreal delegateDefaultScaleFactor READ delegateDefaultScaleFactor CONSTANT)
    Q_PROPERTY(qreal delegateFullScreenScaleFactor READ delegateFullScreenScaleFactor CONSTANT)
    Q_PROPERTY(qreal delegateScaleFactor READ delegateScaleFactor WRITE setDelegateScaleFactor)
    Q_PROPERTY(qreal gadgetRadius READ gadgetRadius WRITE setGadgetRadius)
    Q_PROPERTY(qreal yRotationAngle READ yRotationAngle WRITE setYRotationAngle)
    Q_PROPERTY(qreal yRotationAngleOverride READ yRotationAngleOverride WRITE setYRotationAngleOverride)

public:
    // How much larger than its host the view is, each way.
    static constexpr qreal hostBorder = 250.0;
    // The space left between an item and an area it keeps clear of.
    static constexpr qreal clearGap = 1.0;

    explicit CarouselView(QGraphicsItem* parent = nullptr);
    ~CarouselView() override;

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

    // Shows one delegate per item, in order. Neither the items nor the
    // delegates own the controls: the delegates of an earlier model let
    // theirs go, out of the scene, and their creators keep them.
    void setModel(const QList<Utilities::CarouselModelItem*>& items);
    // Sizes the view to host plus hostBorder and centres it on the host.
    void setHostSize(const QSizeF& hostSize);

    int count() const { return int(m_delegates.size()); }
    int currentIndex() const { return m_currentIndex; }
    void setCurrentIndex(int index);
    bool isMoving() const { return m_moving; }
    int highlightMoveDuration() const { return m_highlightMoveDuration; }
    void setHighlightMoveDuration(int duration);

    int gadgetMargin() const { return 18; }
    qreal delegateMinimumScale() const { return 0.35; }
    qreal delegateDefaultScaleFactor() const { return 0.5; }
    qreal delegateFullScreenScaleFactor() const { return 0.85; }

    qreal delegateScaleFactor() const { return m_delegateScaleFactor; }
    void setDelegateScaleFactor(qreal factor);
    qreal gadgetRadius() const { return m_gadgetRadius; }
    void setGadgetRadius(qreal radius);
    qreal yRotationAngle() const { return m_yRotationAngle; }
    void setYRotationAngle(qreal angle);
    qreal yRotationAngleOverride() const { return m_yRotationAngleOverride; }
    void setYRotationAngleOverride(qreal angle);
    // Whether the items fade as they go down the path (the default). Where
    // the desktop shows no translucent windows a faded panel would lose its
    // background: there every item shown is drawn whole.
    bool fadesItems() const { return m_fadesItems; }
    void setFadesItems(bool fades);

    // The size of the first item's control; 260 x 180 without items.
    Q_INVOKABLE qreal delegateWidth() const;
    Q_INVOKABLE qreal delegateHeight() const;

    // The area, in scene coordinates, that the current item keeps inside
    // (the screen's available area): where its place on the path lies
    // partly outside, it moves in. An empty area keeps it on the path.
    void setKeepInsideArea(const QRectF& sceneArea);
    QRectF keepInsideArea() const { return m_keepInside; }

    // Areas, in scene coordinates, that the items other than the current one
    // keep off (the gadget's corner buttons): an item that would cover one
    // moves aside.
    void setKeepClearAreas(const QList<QRectF>& sceneAreas);
    QList<QRectF> keepClearAreas() const { return m_keepClear; }

    // The rectangle the path spans, in the view's coordinates.
    QRectF pathRect() const;
    // The mouse presses of the delegates: see the class comment.
    bool filterDelegateEvent(QGraphicsItem* watched, QEvent* event);

public slots:
    // Turns the view to face angleToCenter (degrees counter-clockwise from
    // the right), in steps of 45 degrees.
    void rotateCarousel(qreal angleToCenter);

signals:
    void countChanged();
    void currentIndexChanged(int index);
    // The view came to rest after the user moved it.
    void movementEnded();

protected:
    bool sceneEventFilter(QGraphicsItem* watched, QEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* event) override;

private:
    struct Sample
    {
        qint64 time;
        qreal position;
    };

    void clearDelegates();
    Utilities::SvgControlObjectWrapper* createDelegate(Utilities::CarouselModelItem* item);
    QSizeF delegateSize() const;
    void layoutDelegates();
    void placeDelegate(Utilities::SvgControlObjectWrapper* delegate, qreal percent, const QRectF& rect);
    void hideItemsBehind(const QGraphicsItem* current);
    // Whether the delegate, where it is now, keeps off the gadget in the
    // view's middle.
    bool isClearOfGadget(const QGraphicsItem* delegate) const;
    qreal startCloseness(qreal percent) const;
    QPointF shiftInside(const QGraphicsItem* delegate) const;
    QPointF shiftClear(const QGraphicsItem* delegate) const;
    void followParent();
    int delegateIndexAt(const QPointF& scenePos) const;
    int delegateIndexOf(const QGraphicsItem* item) const;

    void setPosition(qreal position);
    int indexAtStart() const;
    void followPositionWithIndex();
    void setCurrentIndexValue(int index);

    void startDrag(const QPointF& pos);
    void dragTo(const QPointF& pos, qint64 time);
    qreal percentNearestTo(const QPointF& pos) const;
    qreal releaseVelocity(qint64 releaseTime) const;
    void settleAfterDrag(qreal velocity);
    void animatePositionTo(qreal target, int duration);
    void onMotionFinished();
    void stopUserMotion();

    QList<Utilities::SvgControlObjectWrapper*> m_delegates;
    // Owned; made when the view gets a parent.
    CarouselFrontLayer* m_frontLayer = nullptr;
    QSizeF m_hostSize;
    QRectF m_keepInside;
    QList<QRectF> m_keepClear;
    int m_currentIndex = 0;
    // The index asked for while there were no items; -1 for none.
    int m_pendingIndex = -1;
    // The (fractional) index of the item at the path's start.
    qreal m_position = 0.0;
    int m_highlightMoveDuration = 300;
    qreal m_delegateScaleFactor = 0.5;
    qreal m_gadgetRadius = 80.0;
    qreal m_yRotationAngle = 0.0;
    qreal m_yRotationAngleOverride = 0.0;
    bool m_fadesItems = true;

    QVariantAnimation m_motion;
    bool m_pressed = false;
    bool m_dragging = false;
    bool m_moving = false;
    int m_pressedIndex = -1;
    QPointF m_pressPos;
    qreal m_dragPercent = 0.0;
    QList<Sample> m_samples;
};

} // namespace Corvane::Gadgets

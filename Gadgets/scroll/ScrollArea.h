#pragma once

#include "controls/SvgControlObject.h"

#include <QTimer>

namespace Corvane::Gadgets {

class Scroller;

// A scrollable viewport. Owners put their content items into the children
// container and call updateChildren(); the area shows a vertical and a
// horizontal scroller along its right and bottom edges when the content does
// not fit, clips the content to the rest and moves it with the scrollers.
class ScrollArea : public SvgControlObject
{
    Q_OBJECT

public:
    explicit ScrollArea(SvgControlObject* parent);
    ~ScrollArea() override;

    SvgControlObject* scrollerBox() const { return m_scrollerBox; }
    SvgControlObject* childrenContainer() const { return m_childrenContainer; }
    Scroller* verticalScroller() const { return m_verticalScroller; }
    Scroller* horizontalScroller() const { return m_horizontalScroller; }
    QRectF contentRect() const { return m_contentRect; }
    void setUpdateDelay(int milliseconds);

    void updateChildren();
    void updateChildren(bool updateBounds);
    void scrollToValues(double horizontal, double vertical);
    void updateElementsBounds();
    void updateScrollArea();

    void setBounds(const QRectF& rect) override;
    void handleMousePress(QGraphicsSceneMouseEvent* event, Gestures::EventConsumer& consumer) override;
    void totalOffsetChanged() override;

public slots:
    void hScrollerChange();
    void vScrollerChange();
    void updateTimerTick();

protected:
    void mouseClickEvent(QGraphicsSceneMouseEvent* event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant& value) override;

private:
    bool takesPointer(const QGraphicsSceneMouseEvent* event) const;
    bool isInViewport(const QPointF& scenePos) const;

    SvgControlObject* m_scrollerBox;
    SvgControlObject* m_childrenContainer;
    Scroller* m_verticalScroller;
    Scroller* m_horizontalScroller;
    QRectF m_contentRect;
    QTimer m_updateTimer;
};

} // namespace Corvane::Gadgets

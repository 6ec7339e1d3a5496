#pragma once

#include <QGraphicsItem>

namespace Corvane::Gadgets {

class CarouselView;

// Where the carousel's front item is drawn: a layer that stands exactly
// where its carousel view stands, but above the gadget the view turns
// behind, so that the item the user works with is never covered by the
// gadget's labels. It draws nothing itself and hands the mouse presses of
// its items to the view, as the view's own items' go to it.
class CarouselFrontLayer : public QGraphicsItem
{
public:
    explicit CarouselFrontLayer(CarouselView* view);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;
    // Takes the view's place, size and turn.
    void followView();

protected:
    bool sceneEventFilter(QGraphicsItem* watched, QEvent* event) override;

private:
    CarouselView* m_view;
};

} // namespace Corvane::Gadgets

#pragma once

#include "SceneTestHelpers.h"
#include "controls/SvgButton.h"
#include "controls/SvgContentBackButton.h"
#include "controls/SvgControlObject.h"

#include <QImage>
#include <QPainter>
#include <QGraphicsScene>

// Clicks a back-plate button of a face in the middle of its content.
inline void clickButton(Corvane::Gadgets::SvgControlObject& face, Corvane::Gadgets::SvgContentBackButton* button)
{
    const QPointF centre = button->mapToScene(button->contentBounds().center());
    auto event = SceneTestHelpers::mouseEvent(QEvent::GraphicsSceneMouseRelease, centre);
    face.handleMouseClick(event.get());
}

// Renders a scene holding item into an image margin wider than the item on
// every side, and tells whether anything was painted in that margin.
inline bool paintsOutside(QGraphicsItem* item, int margin = 40)
{
    QGraphicsScene scene;
    scene.addItem(item);
    const QRectF bounds = item->sceneBoundingRect();
    const QRectF source = bounds.adjusted(-margin, -margin, margin, margin);
    QImage image(source.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    scene.render(&painter, QRectF(image.rect()), source);
    painter.end();
    scene.removeItem(item);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool inside = x >= margin - 1 && y >= margin - 1 && x <= image.width() - margin
                && y <= image.height() - margin;
            if (!inside && qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}
